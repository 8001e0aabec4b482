// Private to the drawing surface: the per-thread object table behind the
// typed handles of render/Gdi.h, and the state each object carries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <vemmix/TextRenderer.h>

#include "render/Gdi.h"

namespace vemmix::gdi::detail {

struct BitmapObject {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;              // 32 or 1
    std::vector<std::uint32_t> pixels;  // 0xXXRRGGBB, or 0/1 for a monochrome bitmap
    std::uint32_t selectedInto = 0;     // id of the context holding it, 0 when free
};

struct PenObject {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct BrushObject {
    COLORREF color = 0;
};

struct FontObject {
    LOGFONT font;
    std::u16string faceName;  // the font's own name; empty: made from the LOGFONT alone
};

struct PaletteObject {};

struct DcObject {
    bool isScreen = false;
    std::uint32_t bitmap = 0;
    std::uint32_t pen = 0;
    std::uint32_t brush = 0;
    std::uint32_t font = 0;
    std::uint32_t palette = 0;
    COLORREF bkColor = 0x00FFFFFF;
    COLORREF textColor = 0x00000000;
    int bkMode = OPAQUE;
    POINT position;
    TextRenderer* textRenderer = nullptr;
    TextRenderer::Direction direction = TextRenderer::Direction::LeftToRight;
    int dpiX = 96;  // the resolution GetDeviceCaps reports, set by the owner
    int dpiY = 96;
};

// The stock objects of every thread, created with its table.
struct StockIds {
    std::uint32_t bitmap = 0;
    std::uint32_t pen = 0;
    std::uint32_t brush = 0;
    std::uint32_t font = 0;
    std::uint32_t palette = 0;
};

// Lookups return null for a zero, stale or wrongly typed id.
DcObject* FindDc(std::uint32_t id);
BitmapObject* FindBitmap(std::uint32_t id);
PenObject* FindPen(std::uint32_t id);
BrushObject* FindBrush(std::uint32_t id);
FontObject* FindFont(std::uint32_t id);
const StockIds& Stock();

// The bitmap selected into a memory context; null for the screen context or
// an invalid handle.
BitmapObject* SelectedBitmap(HDC dc);


}  // namespace vemmix::gdi::detail
