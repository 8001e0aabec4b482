// A bitmap to draw one face into, as the redraw pipeline prepares it: a
// memory context with a W x H bitmap filled with m_TransparentRGB. Pixels
// are read back as colours; an ASCII map compares a whole image.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "render/ColorCache.h"
#include "render/FacePatterns.h"
#include "render/FaceRenderer.h"
#include "render/Gdi.h"
#include "render/Primitives.h"
#include "themes/ColorRamp.h"

namespace vemmix::test {

// Distinct colours, so that every pixel tells which entry painted it.
constexpr COLORREF kBack = 0x102030;
constexpr COLORREF kDown = 0x203040;
constexpr COLORREF kOver = 0x304050;
constexpr COLORREF kFocus = 0x405060;
constexpr COLORREF kDisabled = 0x506070;
constexpr COLORREF kBorder = 0x1111AA;
constexpr COLORREF kDarkShadow = 0x222222;
constexpr COLORREF kShadow = 0x666666;
constexpr COLORREF kLight = 0xDDDDDD;
constexpr COLORREF kTransparent = 0xFF00FF;

inline ColorCache TestColors() {
    ColorCache c;
    c.m_BackRGB = kBack;
    c.m_DownRGB = kDown;
    c.m_OverRGB = kOver;
    c.m_FocusRGB = kFocus;
    c.m_DisabledRGB = kDisabled;
    c.m_BorderRGB = kBorder;
    c.m_DarkShadowRGB = kDarkShadow;
    c.m_ShadowRGB = kShadow;
    c.m_LightRGB = kLight;
    c.m_TransparentRGB = kTransparent;
    return c;
}

inline FaceState TestState(std::int32_t appearance, std::int32_t w, std::int32_t h) {
    FaceState s;
    s.appearance = appearance;
    s.width = w;
    s.height = h;
    return s;
}

// A ramp of n entries that are all different from each other and from the
// test colours: entry k is 0x0A0000 + k * 0x000101.
inline std::vector<COLORREF> SyntheticRamp(int n) {
    std::vector<COLORREF> r;
    for (int k = 0; k < n; ++k) r.push_back(0x0A0000u + static_cast<COLORREF>(k) * 0x000101u);
    return r;
}

inline std::vector<COLORREF> Ramp(COLORREF base, std::int32_t mode, std::int32_t theme = 0,
                                  bool pressed = false, std::int32_t gradientType = 0) {
    std::vector<COLORREF> r;
    BuildColorRamp(r, base, mode, RampSelector{theme, pressed, gradientType});
    return r;
}

class FaceCanvas {
public:
    FaceCanvas(std::int32_t w, std::int32_t h, COLORREF fill = kTransparent)
        : colors(TestColors()), m_W(w), m_H(h) {
        colors.m_TransparentRGB = fill;
        m_DC = gdi::CreateCompatibleDC({});
        m_Bitmap = gdi::CreateCompatibleBitmap({}, w, h);
        m_Old = gdi::SelectObject(m_DC, m_Bitmap);
        m_Painter = std::make_unique<Painter>(m_DC);
        Clear();
    }
    ~FaceCanvas() {
        gdi::SelectObject(m_DC, m_Old);
        gdi::DeleteObject(m_Bitmap);
        gdi::DeleteDC(m_DC);
    }
    FaceCanvas(const FaceCanvas&) = delete;
    FaceCanvas& operator=(const FaceCanvas&) = delete;

    void Clear() {
        m_Painter->DrawRectangle(0, 0, m_W, m_H, 1, colors.m_TransparentRGB,
                                 colors.m_TransparentRGB, 0);
    }
    Painter& painter() { return *m_Painter; }
    FaceTarget Target() { return FaceTarget{*m_Painter, colors, ramp}; }

    void Up(const FaceState& s, VBool border = kTrue) {
        FaceTarget t = Target();
        DrawFaceUp(s, t, border);
    }
    void Down(const FaceState& s, VBool border = kTrue) {
        FaceTarget t = Target();
        DrawFaceDown(s, t, border);
    }

    COLORREF At(std::int32_t x, std::int32_t y) const {
        const gdi::PixelView v = gdi::GetBitmapPixels(m_Bitmap);
        return gdi::ColorFromPixel(v.pixels[static_cast<std::size_t>(y) * m_W + x]) & 0xFFFFFFu;
    }
    std::int32_t W() const { return m_W; }
    std::int32_t H() const { return m_H; }

    // Compares the whole bitmap with a map of one character per pixel.
    ::testing::AssertionResult Matches(const std::vector<std::string>& map,
                                       const std::map<char, COLORREF>& legend) const {
        if (static_cast<std::int32_t>(map.size()) != m_H)
            return ::testing::AssertionFailure() << "map has " << map.size() << " rows";
        std::string errors;
        int count = 0;
        for (std::int32_t y = 0; y < m_H; ++y) {
            if (static_cast<std::int32_t>(map[y].size()) != m_W)
                return ::testing::AssertionFailure() << "map row " << y << " has wrong length";
            for (std::int32_t x = 0; x < m_W; ++x) {
                const COLORREF want = legend.at(map[y][x]);
                const COLORREF got = At(x, y);
                if (want != got && count++ < 12) {
                    char buf[96];
                    std::snprintf(buf, sizeof buf, " (%d,%d) want %06X '%c' got %06X;", x, y, want,
                                  map[y][x], got);
                    errors += buf;
                }
            }
        }
        if (count == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << count << " pixels differ:" << errors;
    }

    ColorCache colors;
    std::vector<COLORREF> ramp;

private:
    std::int32_t m_W;
    std::int32_t m_H;
    gdi::HDC m_DC;
    gdi::HBITMAP m_Bitmap;
    gdi::HBITMAP m_Old;
    std::unique_ptr<Painter> m_Painter;
};

}  // namespace vemmix::test
