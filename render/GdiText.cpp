// Fonts and text: font objects, and DrawTextW / DrawTextA forwarded to the
// text renderer attached to the context.
#include <cstring>
#include <string>

#include "render/GdiObjects.h"
#include "render/TextRenderer.h"

namespace vemmix::gdi {

using namespace detail;

bool GetFontInfo(HFONT font, LOGFONT* out) {
    const FontObject* f = FindFont(font.id);
    if (f == nullptr || out == nullptr) return false;
    *out = f->font;
    return true;
}

HFONT GetCurrentFont(HDC dc) {
    const DcObject* d = FindDc(dc.id);
    return d ? HFONT{d->font} : HFONT{};
}

void SetTextRenderer(HDC dc, TextRenderer* renderer) {
    if (DcObject* d = FindDc(dc.id)) d->textRenderer = renderer;
}

TextRenderer* GetTextRenderer(HDC dc) {
    const DcObject* d = FindDc(dc.id);
    return d ? d->textRenderer : nullptr;
}

int DrawTextW(HDC dc, const char16_t* text, int length, RECT* rect, unsigned format) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr || d->textRenderer == nullptr || text == nullptr || rect == nullptr) return 0;
    const FontObject* font = FindFont(d->font);
    if (font == nullptr) return 0;
    std::u16string_view view =
        length < 0 ? std::u16string_view(text) : std::u16string_view(text, static_cast<std::size_t>(length));
    TextRenderer::Target target;
    const bool measureOnly = (format & DT_CALCRECT) != 0;
    if (BitmapObject* b = FindBitmap(d->bitmap)) {
        // The renderer paints 32-bit pixels; a monochrome bitmap can only be measured on.
        if (b->bitsPerPixel != 32 && !measureOnly) return 0;
        if (b->bitsPerPixel == 32) {
            target.pixels = PixelView{b->width, b->height, 32, std::span<std::uint32_t>(b->pixels)};
        }
    } else if (!measureOnly) {
        return 0;
    }
    target.textColor = d->textColor;
    target.backgroundMode = d->bkMode;
    target.backgroundColor = d->bkColor;
    return d->textRenderer->DrawText(target, font->font, view, *rect, format);
}

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned bytes map to the
// C1 control of the same value, as MultiByteToWideChar does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

std::u16string Cp1252ToUtf16(const char* text, std::size_t length) {
    std::u16string out;
    out.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        out.push_back(b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : static_cast<char16_t>(b));
    }
    return out;
}

}  // namespace

int DrawTextA(HDC dc, const char* text, int length, RECT* rect, unsigned format) {
    if (text == nullptr) return 0;
    const std::size_t n = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
    const std::u16string wide = Cp1252ToUtf16(text, n);
    return DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), rect, format);
}

}  // namespace vemmix::gdi
