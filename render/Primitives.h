// The three drawing primitives every face, frame and marker is made of.
// Each call creates its own pen or brush, selects it into the repaint's
// memory context, draws, restores the previous selection and deletes what
// it created, so no drawing object outlives the call. A failed creation
// selects nothing (the surface ignores the null handle) and the selection
// is still restored. The surface does each statement in one call
// (LineWithNewPen, RectangleWithNewPenAndBrush, FrameRectWithNewBrush).
#pragma once

#include <cstdint>
#include <span>

#include "render/Gdi.h"

namespace vemmix {

class Painter {
public:
    explicit Painter(gdi::HDC memDC) : m_MemDC(memDC) {}

    gdi::HDC DC() const { return m_MemDC; }

    // Solid pen: one pixel for widths 0 and 1, a round-ended geometric pen
    // centred on the line otherwise; the end point is not painted.
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                  std::int16_t penWidth, gdi::COLORREF colour);
    // Inside-frame outline and solid fill covering x1..x2-1, y1..y2-1;
    // rounded by a cornerDiameter x cornerDiameter ellipse when it is not 0.
    void DrawRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int16_t penWidth, gdi::COLORREF penColour, gdi::COLORREF fillColour,
                       std::int16_t cornerDiameter);
    // One-pixel frame on the inner edge: columns x1 and x2-1, rows y1 and y2-1.
    void FrameRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        gdi::COLORREF colour);
    void SetPixel(std::int32_t x, std::int32_t y, gdi::COLORREF colour) {
        gdi::SetPixelV(m_MemDC, x, y, colour);
    }
    // DrawLine(x1, row.y, x2, row.y, 1, row.colour) for each row, in order.
    void DrawRows(std::int32_t x1, std::int32_t x2, std::span<const gdi::RowLine> rows) {
        gdi::RowsWithNewPens(m_MemDC, x1, x2, rows);
    }

private:
    gdi::HDC m_MemDC;
};

}  // namespace vemmix
