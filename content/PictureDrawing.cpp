#include "content/PictureDrawing.h"

#include "base/Steps.h"
#include "base/Units.h"
#include <vemmix/Icon.h>

namespace vemmix::content {
namespace {

constexpr gdi::COLORREF kWhite = 0x00FFFFFF;
constexpr gdi::COLORREF kBlack = 0x00000000;

// A memory context with one bitmap of its own and the call's palette; the
// previous selections come back and both objects go when it ends.
class ScratchSurface {
public:
    ScratchSurface(gdi::HDC screen, int width, int height, gdi::HPALETTE palette, bool monochrome) {
        m_DC = gdi::CreateCompatibleDC(gdi::HDC{});
        m_Bitmap = monochrome ? gdi::CreateBitmap(width, height, 1, 1, nullptr)
                              : gdi::CreateCompatibleBitmap(screen, width, height);
        if (m_DC && m_Bitmap) m_OldBitmap = gdi::SelectObject(m_DC, m_Bitmap);
        if (m_DC && palette) {
            m_OldPalette = gdi::SelectPalette(m_DC, palette, true);
            gdi::RealizePalette(m_DC);
        }
    }
    ~ScratchSurface() {
        if (m_DC && m_OldPalette) gdi::SelectPalette(m_DC, m_OldPalette, true);
        if (m_DC && m_OldBitmap) gdi::SelectObject(m_DC, m_OldBitmap);
        if (m_Bitmap) gdi::DeleteObject(m_Bitmap);
        if (m_DC) gdi::DeleteDC(m_DC);
    }
    ScratchSurface(const ScratchSurface&) = delete;
    ScratchSurface& operator=(const ScratchSurface&) = delete;

    gdi::HDC DC() const { return m_DC; }

private:
    gdi::HDC m_DC;
    gdi::HBITMAP m_Bitmap;
    gdi::HBITMAP m_OldBitmap;
    gdi::HPALETTE m_OldPalette;
};

// The screen context and the palette of one call: the caller's, or a
// halftone palette this call creates and deletes.
class ScreenAndPalette {
public:
    explicit ScreenAndPalette(gdi::HPALETTE given) : m_Screen(gdi::GetScreenDC()), m_Palette(given) {
        if (!m_Palette) {
            m_Palette = gdi::CreateHalftonePalette(m_Screen);
            m_Created = static_cast<bool>(m_Palette);
        }
    }
    ~ScreenAndPalette() {
        if (m_Screen) gdi::ReleaseDC(m_Screen);
        if (m_Created) gdi::DeleteObject(m_Palette);
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
    const gdi::HDC dc = gdi::CreateCompatibleDC(gdi::HDC{});
    if (!dc) return;
    const gdi::HBITMAP oldBitmap = gdi::SelectObject(dc, picture.bitmap);
    gdi::HPALETTE oldPalette;
    if (screen.Palette()) {
        oldPalette = gdi::SelectPalette(dc, screen.Palette(), true);
        gdi::RealizePalette(dc);
    }
    if (oldBitmap)
        TransparentBlt(dest, x, y, width, height, dc, sourceX, sourceY, maskColour,
                       screen.Palette(), sourceWidth, sourceHeight, stretch);
    if (oldPalette) {
        gdi::SelectPalette(dc, oldPalette, true);
        gdi::RealizePalette(dc);
    }
    if (oldBitmap) gdi::SelectObject(dc, oldBitmap);
    gdi::DeleteDC(dc);
}

void DrawIcon(gdi::HDC dest, int x, int y, int width, int height, const StdPicture& picture,
              gdi::COLORREF maskColour, gdi::HPALETTE palette, bool stretch) {
    ScreenAndPalette screen(palette);
    ScratchSurface square(screen.Screen(), width, height, screen.Palette(), false);
    if (!square.DC()) return;
    // mask background
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(maskColour);
    if (brush) {
        gdi::FillRect(square.DC(), gdi::RECT{0, 0, width, height}, brush);
        gdi::DeleteObject(brush);
    }
    // icon image, scaled by DrawIconEx rather than by the blit
    gdi::DrawIconEx(square.DC(), 0, 0, picture.icon, width, height, 0, gdi::HBRUSH{},
                    gdi::DI_NORMAL);
    TransparentBlt(dest, x, y, width, height, square.DC(), 0, 0, maskColour, screen.Palette(), 0,
                   0, stretch);
}

}  // namespace

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
    ScreenAndPalette screen(palette);
    const gdi::COLORREF maskRGB = maskColour & 0x00FFFFFFu;

    // background copy: what lies under the picture
    ScratchSurface background(screen.Screen(), width, height, screen.Palette(), false);
    gdi::BitBlt(background.DC(), 0, 0, width, height, dest, x, y, gdi::SRCCOPY);

    // source copy
    ScratchSurface picture(screen.Screen(), width, height, screen.Palette(), false);
    gdi::SetBkColor(picture.DC(), gdi::GetBkColor(source));
    gdi::SetTextColor(picture.DC(), gdi::GetTextColor(source));
    if (stretch && sourceWidth != 0)
        gdi::StretchBlt(picture.DC(), 0, 0, width, height, source, sourceX, sourceY, sourceWidth,
                        sourceHeight, gdi::SRCCOPY);
    else
        gdi::BitBlt(picture.DC(), 0, 0, width, height, source, sourceX, sourceY, gdi::SRCCOPY);

    // mask: 1 where the picture has the mask colour
    ScratchSurface mask(screen.Screen(), width, height, gdi::HPALETTE{}, true);
    gdi::SetBkColor(picture.DC(), maskRGB);
    gdi::SetTextColor(picture.DC(), kWhite);
    gdi::BitBlt(mask.DC(), 0, 0, width, height, picture.DC(), 0, 0, gdi::SRCCOPY);

    // transparent pixels of the source copy become black
    gdi::SetTextColor(picture.DC(), kBlack);
    gdi::SetBkColor(picture.DC(), kWhite);
    gdi::BitBlt(picture.DC(), 0, 0, width, height, mask.DC(), 0, 0, gdi::SRCANDNOTDST);

    // background black where the picture is opaque, then the picture ORed in
    gdi::BitBlt(background.DC(), 0, 0, width, height, mask.DC(), 0, 0, gdi::SRCAND);
    gdi::BitBlt(background.DC(), 0, 0, width, height, picture.DC(), 0, 0, gdi::SRCPAINT);

    // the one write to the destination
    gdi::BitBlt(dest, x, y, width, height, background.DC(), 0, 0, gdi::SRCCOPY);
}

}  // namespace vemmix::content
