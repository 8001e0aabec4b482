// Test helper: a memory context with a small 32-bit bitmap, and whole-bitmap
// comparison against a picture drawn as characters.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "render/Gdi.h"

namespace vemmix::gdi::test {

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = 0x00FFFFFF) : m_Width(width), m_Height(height) {
        m_Dc = CreateCompatibleDC({});
        m_Bitmap = CreateCompatibleBitmap({}, width, height);
        m_Old = SelectObject(m_Dc, m_Bitmap);
        Fill(fill);
    }
    ~Canvas() {
        SelectObject(m_Dc, m_Old);
        DeleteObject(m_Bitmap);
        DeleteDC(m_Dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_Dc; }
    HBITMAP Bitmap() const { return m_Bitmap; }

    void Fill(COLORREF c) {
        HBRUSH b = CreateSolidBrush(c);
        FillRect(m_Dc, RECT{0, 0, m_Width, m_Height}, b);
        DeleteObject(b);
    }

    // One character per pixel, rows top to bottom; `legend` names the colours.
    std::string Picture(const std::map<COLORREF, char>& legend) const {
        std::string out;
        for (int y = 0; y < m_Height; ++y) {
            for (int x = 0; x < m_Width; ++x) {
                const COLORREF c = GetPixel(m_Dc, x, y);
                auto it = legend.find(c);
                out += it == legend.end() ? '?' : it->second;
            }
            out += '\n';
        }
        return out;
    }

private:
    int m_Width;
    int m_Height;
    HDC m_Dc;
    HBITMAP m_Bitmap;
    HBITMAP m_Old;
};

inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows) {
        out += r;
        out += '\n';
    }
    return out;
}

// Selects a pen and brush for the lifetime of the object.
class PenAndBrush {
public:
    PenAndBrush(HDC dc, int style, int width, COLORREF pen, COLORREF brush) : m_Dc(dc) {
        m_Pen = CreatePen(style, width, pen);
        m_Brush = CreateSolidBrush(brush);
        m_OldPen = SelectObject(dc, m_Pen);
        m_OldBrush = SelectObject(dc, m_Brush);
    }
    ~PenAndBrush() {
        SelectObject(m_Dc, m_OldPen);
        SelectObject(m_Dc, m_OldBrush);
        DeleteObject(m_Pen);
        DeleteObject(m_Brush);
    }
    PenAndBrush(const PenAndBrush&) = delete;
    PenAndBrush& operator=(const PenAndBrush&) = delete;

private:
    HDC m_Dc;
    HPEN m_Pen, m_OldPen;
    HBRUSH m_Brush, m_OldBrush;
};

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kBlack = 0x00000000;
constexpr COLORREF kRed = 0x000000FF;
constexpr COLORREF kBlue = 0x00FF0000;

}  // namespace vemmix::gdi::test
