// Private to the drawing surface: the row generator of GDI's round-rectangle
// region, shared by wide-pen caps and RoundRect interiors.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace vemmix::gdi::detail {

// n values of T, on the stack when n <= N: the row tables of small ellipses
// (pen caps, corners) cost no allocation.
template <typename T, std::size_t N>
class SmallBuffer {
public:
    SmallBuffer(std::size_t n, T value) {
        if (n > N) {
            m_Heap.assign(n, value);
            m_Data = m_Heap.data();
        } else {
            std::fill_n(m_Local.data(), n, value);
            m_Data = m_Local.data();
        }
    }
    SmallBuffer(const SmallBuffer&) = delete;
    SmallBuffer& operator=(const SmallBuffer&) = delete;

    T& operator[](std::size_t i) { return m_Data[i]; }
    const T& operator[](std::size_t i) const { return m_Data[i]; }

private:
    std::array<T, N> m_Local;
    std::vector<T> m_Heap;
    T* m_Data;
};

template <typename SpanFn>
void ForEachRoundRectRow(int left, int top, int right, int bottom, int ellipseWidth,
                         int ellipseHeight, int rowFrom, int rowTo, SpanFn&& span) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    // The region leaves out the right column and the bottom row.
    --right;
    --bottom;
    ellipseWidth = std::min(right - left, std::abs(ellipseWidth));
    ellipseHeight = std::min(bottom - top, std::abs(ellipseHeight));
    if (ellipseWidth < 2 || ellipseHeight < 2) {
        for (int y = std::max(top, rowFrom); y < std::min(bottom, rowTo); ++y) span(y, left, right);
        return;
    }

    // Half-widths per ellipse row, by Zingl's ellipse algorithm; row h / 2
    // stands for the straight middle part of the rectangle.
    const int h = ellipseHeight;
    // Zingl's walk stops before the last rows of a narrow, tall ellipse
    // (width 3 and height 8 or more, width 4 and height 18 or more, ...).
    // Those rows lie beyond the outline's first and last row, so they stay
    // empty: the interior never reaches past its outline.
    constexpr int kUnset = -1;
    SmallBuffer<int, 64> inset(static_cast<std::size_t>(h), kUnset);
    inset[static_cast<std::size_t>(h / 2)] = 0;
    const std::int64_t a = ellipseWidth - 1;
    const std::int64_t b = ellipseHeight - 1;
    const std::int64_t asq = 8 * a * a;
    const std::int64_t bsq = 8 * b * b;
    std::int64_t dx = 4 * b * b * (1 - a);
    std::int64_t dy = 4 * a * a * (1 + (b % 2));
    std::int64_t err = dx + dy + a * a * (b % 2);
    int x = 0;
    int y = h / 2;
    while (x <= ellipseWidth / 2) {
        const std::int64_t e2 = 2 * err;
        if (e2 >= dx) {
            ++x;
            err += dx += bsq;
        }
        if (e2 <= dy) {
            ++y;
            err += dy += asq;
            if (y < h) inset[static_cast<std::size_t>(y)] = x;
        }
    }
    for (int i = 0; i < h / 2; ++i) inset[static_cast<std::size_t>(i)] = inset[static_cast<std::size_t>(b - i)];

    auto row = [&](int y, int d) {
        if (d != kUnset) span(y, left + d, right - d);
    };
    for (int i = 0; i < h / 2; ++i) row(top + i, inset[static_cast<std::size_t>(i)]);
    // the straight middle
    const int middleEnd = std::min(bottom - h + h / 2 + 1, rowTo);
    for (int yy = std::max(top + h / 2, rowFrom); yy < middleEnd; ++yy) span(yy, left, right);
    for (int i = h / 2 + 1; i < h; ++i) row(bottom - h + i, inset[static_cast<std::size_t>(i)]);
}

}  // namespace vemmix::gdi::detail
