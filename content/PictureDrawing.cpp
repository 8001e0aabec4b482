#include "content/PictureDrawing.h"

#include <algorithm>
#include <cstdlib>

#include "base/Steps.h"
#include "base/Units.h"
#include <vemmix/Icon.h>

namespace vemmix::content {
namespace {

constexpr gdi::COLORREF kWhite = 0x00FFFFFF;
constexpr gdi::COLORREF kBlack = 0x00000000;

// The screen context and the palette of one call: the caller's, or a
// halftone palette this call creates and deletes.
class ScreenAndPalette {
public:
    explicit ScreenAndPalette(gdi::HPALETTE given) : m_Screen(gdi::GetScreenDC()), m_Palette(given) {
        if (m_Palette) return;
        try {
            m_Palette = gdi::CreateHalftonePalette(m_Screen);
        } catch (...) {
            gdi::ReleaseDC(m_Screen);
            throw;
        }
        m_Created = static_cast<bool>(m_Palette);
    }
    ~ScreenAndPalette() {
        try {
            if (m_Screen) gdi::ReleaseDC(m_Screen);
            if (m_Created) gdi::DeleteObject(m_Palette);
        } catch (...) {  // out of memory while giving back: see MemoryContext
        }
    }
    ScreenAndPalette(const ScreenAndPalette&) = delete;
    ScreenAndPalette& operator=(const ScreenAndPalette&) = delete;

    gdi::HDC Screen() const { return m_Screen; }
    gdi::HPALETTE Palette() const { return m_Palette; }

private:
    gdi::HDC m_Screen;
    gdi::HPALETTE m_Palette;
    bool m_Created = false;
};

void DrawBitmap(gdi::HDC dest, int x, int y, int width, int height, const StdPicture& picture,
                int sourceX, int sourceY, gdi::COLORREF maskColour, gdi::HPALETTE palette,
                int sourceWidth, int sourceHeight, bool stretch) {
    ScreenAndPalette screen(palette);
    const MemoryContext source(picture.bitmap, screen.Palette());
    if (!source.HasBitmap()) return;
    TransparentBlt(dest, x, y, width, height, source.DC(), sourceX, sourceY, maskColour,
                   screen.Palette(), sourceWidth, sourceHeight, stretch);
}

void DrawIcon(gdi::HDC dest, int x, int y, int width, int height, const StdPicture& picture,
              gdi::COLORREF maskColour, gdi::HPALETTE palette, bool stretch) {
    // The square is made for the part that lands on the destination only;
    // the icon is placed so that this part holds what the whole would.
    const std::optional<gdi::RECT> part = VisiblePart(dest, x, y, width, height);
    if (!part) return;
    const int w = part->right - part->left, h = part->bottom - part->top;
    ScreenAndPalette screen(palette);
    const MemoryContext square(screen.Screen(), w, h, screen.Palette(), false);
    if (!square.HasBitmap()) return;
    FillSolid(square.DC(), gdi::RECT{0, 0, w, h}, maskColour);  // mask background
    // icon image, scaled by DrawIconEx rather than by the blit
    gdi::DrawIconEx(square.DC(), x - part->left, y - part->top, picture.icon, width, height, 0,
                    gdi::HBRUSH{}, gdi::DI_NORMAL);
    TransparentBlt(dest, part->left, part->top, w, h, square.DC(), 0, 0, maskColour,
                   screen.Palette(), 0, 0, stretch);
}

}  // namespace

// ---- MemoryContext --------------------------------------------------------------

MemoryContext::MemoryContext(gdi::HDC screen, int width, int height, gdi::HPALETTE palette,
                             bool monochrome)
    : m_DC(gdi::CreateCompatibleDC(gdi::HDC{})) {
    try {
        m_Bitmap = monochrome ? gdi::CreateBitmap(width, height, 1, 1, nullptr)
                              : gdi::CreateCompatibleBitmap(screen, width, height);
        m_OwnsBitmap = true;
        Select(m_Bitmap, palette);
    } catch (...) {
        Release();
        throw;
    }
}

MemoryContext::MemoryContext(gdi::HBITMAP bitmap, gdi::HPALETTE palette)
    : m_DC(gdi::CreateCompatibleDC(gdi::HDC{})), m_Bitmap(bitmap) {
    try {
        Select(bitmap, palette);
    } catch (...) {
        Release();
        throw;
    }
}

void MemoryContext::Select(gdi::HBITMAP bitmap, gdi::HPALETTE palette) {
    if (!m_DC) return;
    if (bitmap) m_OldBitmap = gdi::SelectObject(m_DC, bitmap);
    if (palette) {
        m_OldPalette = gdi::SelectPalette(m_DC, palette, true);
        gdi::RealizePalette(m_DC);
    }
}

// Giving back can itself run out of memory (the object table records the
// slot it frees); what could not be given back then stays, but nothing
// leaves a destructor.
void MemoryContext::Release() noexcept {
    try {
        if (m_DC && m_OldPalette) gdi::SelectPalette(m_DC, m_OldPalette, true);
        if (m_DC && m_OldBitmap) gdi::SelectObject(m_DC, m_OldBitmap);
        if (m_OwnsBitmap && m_Bitmap) gdi::DeleteObject(m_Bitmap);
        if (m_DC) gdi::DeleteDC(m_DC);
    } catch (...) {
    }
}

void FillSolid(gdi::HDC dc, const gdi::RECT& rect, gdi::COLORREF colour) {
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(colour);
    if (!brush) return;
    try {
        gdi::FillRect(dc, rect, brush);
    } catch (...) {
        gdi::DeleteObject(brush);
        throw;
    }
    gdi::DeleteObject(brush);
}

std::optional<gdi::RECT> VisiblePart(gdi::HDC dc, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return std::nullopt;
    gdi::BITMAP target;
    if (gdi::GetObject(gdi::GetCurrentBitmap(dc), &target) == 0) return std::nullopt;
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, target.bmWidth);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{y} + height, std::abs(std::int64_t{target.bmHeight}));
    if (left >= right || top >= bottom) return std::nullopt;
    return gdi::RECT{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                     static_cast<std::int32_t>(right), static_cast<std::int32_t>(bottom)};
}

std::int32_t PixelsFromHimetric(std::int32_t himetric, int dpi) {
    return CheckedInt32(HimetricToPixels(himetric, dpi).value_or(0));
}

void DrawPicture(gdi::HDC dest, int x, int y, int width, int height, const StdPicture* picture,
                 int sourceX, int sourceY, gdi::COLORREF maskColour, gdi::HPALETTE palette,
                 int sourceWidth, int sourceHeight, bool stretch) {
    if (picture == nullptr) return;
    switch (picture->type) {
    case PictureType::Bitmap:
        DrawBitmap(dest, x, y, width, height, *picture, sourceX, sourceY, maskColour, palette,
                   sourceWidth, sourceHeight, stretch);
        break;
    case PictureType::Icon:
        DrawIcon(dest, x, y, width, height, *picture, maskColour, palette, stretch);
        break;
    default:  // metafiles and the empty picture are not drawn
        break;
    }
}

void TransparentBlt(gdi::HDC dest, int x, int y, int width, int height, gdi::HDC source,
                    int sourceX, int sourceY, gdi::COLORREF maskColour, gdi::HPALETTE palette,
                    int sourceWidth, int sourceHeight, bool stretch) {
    // Only the part on the destination is worked on: the scratch copies have
    // its size and the source is read from where that part begins, so a
    // picture far larger than the button costs what lands inside it.
    const std::optional<gdi::RECT> part = VisiblePart(dest, x, y, width, height);
    if (!part) return;
    const int w = part->right - part->left, h = part->bottom - part->top;
    const int dx = part->left - x, dy = part->top - y;  // where the part lies in the whole

    ScreenAndPalette screen(palette);
    const gdi::COLORREF maskRGB = maskColour & 0x00FFFFFFu;

    // background copy: what lies under the picture
    const MemoryContext background(screen.Screen(), w, h, screen.Palette(), false);
    gdi::BitBlt(background.DC(), 0, 0, w, h, dest, part->left, part->top, gdi::SRCCOPY);

    // source copy; a stretch is laid out for the whole rectangle, so each
    // pixel of the part takes the source pixel it takes in the whole
    const MemoryContext picture(screen.Screen(), w, h, screen.Palette(), false);
    gdi::SetBkColor(picture.DC(), gdi::GetBkColor(source));
    gdi::SetTextColor(picture.DC(), gdi::GetTextColor(source));
    if (stretch && sourceWidth != 0)
        gdi::StretchBlt(picture.DC(), -dx, -dy, width, height, source, sourceX, sourceY,
                        sourceWidth, sourceHeight, gdi::SRCCOPY);
    else
        gdi::BitBlt(picture.DC(), 0, 0, w, h, source, sourceX + dx, sourceY + dy, gdi::SRCCOPY);

    // mask: 1 where the picture has the mask colour
    const MemoryContext mask(screen.Screen(), w, h, gdi::HPALETTE{}, true);
    gdi::SetBkColor(picture.DC(), maskRGB);
    gdi::SetTextColor(picture.DC(), kWhite);
    gdi::BitBlt(mask.DC(), 0, 0, w, h, picture.DC(), 0, 0, gdi::SRCCOPY);

    // transparent pixels of the source copy become black
    gdi::SetTextColor(picture.DC(), kBlack);
    gdi::SetBkColor(picture.DC(), kWhite);
    gdi::BitBlt(picture.DC(), 0, 0, w, h, mask.DC(), 0, 0, gdi::SRCANDNOTDST);

    // background black where the picture is opaque, then the picture ORed in
    gdi::BitBlt(background.DC(), 0, 0, w, h, mask.DC(), 0, 0, gdi::SRCAND);
    gdi::BitBlt(background.DC(), 0, 0, w, h, picture.DC(), 0, 0, gdi::SRCPAINT);

    // the one write to the destination
    gdi::BitBlt(dest, part->left, part->top, w, h, background.DC(), 0, 0, gdi::SRCCOPY);
}

}  // namespace vemmix::content
