// Fonts and text: font objects, and DrawTextW / DrawTextA forwarded to the
// text renderer attached to the context.
#include <cstring>
#include <string>

#include "base/Windows1252.h"
#include "render/GdiObjects.h"
#include <vemmix/TextRenderer.h>

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

void SetTextRightToLeft(HDC dc, bool rightToLeft) {
    if (DcObject* d = FindDc(dc.id))
        d->direction = rightToLeft ? TextRenderer::Direction::RightToLeft
                                   : TextRenderer::Direction::LeftToRight;
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
            target.pixels = PixelView{b->width, b->height, 32,
                                      std::span<std::uint32_t>(b->pixels.Data(), b->pixels.Count())};
        }
    } else if (!measureOnly) {
        return 0;
    }
    target.textColor = d->textColor;
    target.backgroundMode = d->bkMode;
    target.backgroundColor = d->bkColor;
    target.direction = d->direction;
    return d->textRenderer->DrawText(target, TextRenderer::Font{font->font, font->faceName}, view,
                                     *rect, format);
}

int DrawTextA(HDC dc, const char* text, int length, RECT* rect, unsigned format) {
    if (text == nullptr) return 0;
    const std::size_t n = length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
    const std::u16string wide = FromWindows1252(std::string_view(text, n));
    return DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), rect, format);
}

}  // namespace vemmix::gdi
