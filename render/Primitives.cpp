#include "render/Primitives.h"

namespace vemmix {

void Painter::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::int16_t penWidth, gdi::COLORREF colour) {
    m_Pen = gdi::CreatePen(gdi::PS_SOLID, penWidth, colour);
    m_OldPen = gdi::SelectObject(m_MemDC, m_Pen);
    gdi::MoveToEx(m_MemDC, x1, y1, nullptr);
    gdi::LineTo(m_MemDC, x2, y2);
    gdi::SelectObject(m_MemDC, m_OldPen);
    gdi::DeleteObject(m_Pen);
}

void Painter::DrawRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            std::int16_t penWidth, gdi::COLORREF penColour,
                            gdi::COLORREF fillColour, std::int16_t cornerDiameter) {
    m_Pen = gdi::CreatePen(gdi::PS_INSIDEFRAME, penWidth, penColour);
    m_OldPen = gdi::SelectObject(m_MemDC, m_Pen);
    m_Brush = gdi::CreateSolidBrush(fillColour);
    m_OldBrush = gdi::SelectObject(m_MemDC, m_Brush);
    if (cornerDiameter != 0)
        gdi::RoundRect(m_MemDC, x1, y1, x2, y2, cornerDiameter, cornerDiameter);
    else
        gdi::Rectangle(m_MemDC, x1, y1, x2, y2);
    gdi::SelectObject(m_MemDC, m_OldPen);
    gdi::SelectObject(m_MemDC, m_OldBrush);
    gdi::DeleteObject(m_Brush);
    gdi::DeleteObject(m_Pen);
}

void Painter::FrameRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             gdi::COLORREF colour) {
    const gdi::RECT rect{x1, y1, x2, y2};
    m_Brush = gdi::CreateSolidBrush(colour);
    gdi::FrameRect(m_MemDC, rect, m_Brush);
    gdi::DeleteObject(m_Brush);
}

}  // namespace vemmix
