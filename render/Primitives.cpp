#include "render/Primitives.h"

namespace vemmix {

void Painter::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int16_t penWidth, gdi::COLORREF colour) {
    gdi::LineWithNewPen(m_MemDC, gdi::PS_SOLID, penWidth, colour, gdi::POINT{x1, y1}, gdi::POINT{x2, y2});
}

void Painter::DrawRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            std::int16_t penWidth, gdi::COLORREF penColour,
                            gdi::COLORREF fillColour, std::int16_t cornerDiameter) {
    gdi::RectangleWithNewPenAndBrush(m_MemDC, gdi::PS_INSIDEFRAME, penWidth, penColour, fillColour,
                                     gdi::RECT{x1, y1, x2, y2}, cornerDiameter);
}

void Painter::FrameRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             gdi::COLORREF colour) {
    gdi::FrameRectWithNewBrush(m_MemDC, gdi::RECT{x1, y1, x2, y2}, colour);
}

}  // namespace vemmix
