// Helpers of the content tests: pictures made in code, the box a colour
// covers in an image, and a button fixture with a plain look (no face, a
// white background, no caption) so that pictures can be found by colour.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include <vemmix/StdObjects.h>
#include "control/Zorvane.h"
#include "render/Gdi.h"
#include "tests/support/ButtonFixture.h"

namespace vemmix::test {

// Colours the picture tests share: a mask colour and two plain ones.
constexpr gdi::COLORREF kMask = 0xFF00FF;
constexpr gdi::COLORREF kRed = 0x0000FF;
constexpr gdi::COLORREF kGreen = 0x00FF00;

// width x height pixels of one COLORREF, in MakeBitmapPicture's layout.
inline std::vector<std::uint32_t> SolidPixels(int width, int height, gdi::COLORREF colour) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height,
                                      gdi::PixelFromColor(colour));
}

inline PictureRef SolidPicture(int width, int height, gdi::COLORREF colour) {
    return MakeBitmapPicture(width, height, SolidPixels(width, height, colour));
}

// The smallest rectangle (right and bottom exclusive) holding every pixel
// of `colour`; all zero when there is none.
inline gdi::RECT BoxOf(const gdi::PixelView& view, gdi::COLORREF colour) {
    gdi::RECT box{view.width, view.height, -1, -1};
    bool found = false;
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x)
            if (view.bitsPerPixel == 32 &&
                gdi::ColorFromPixel(view.pixels[static_cast<std::size_t>(y) * view.width + x]) ==
                    (colour & 0xFFFFFFu)) {
                found = true;
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return found ? box : gdi::RECT{};
}

inline int CountOf(const gdi::PixelView& view, gdi::COLORREF colour) {
    int count = 0;
    for (std::uint32_t p : view.pixels)
        if (gdi::ColorFromPixel(p) == (colour & 0xFFFFFFu)) ++count;
    return count;
}

constexpr gdi::COLORREF kBackground = 0xFFFFFF;

// A button of the given size drawn with nothing but its background:
// Shaped (no face), white transparent colour, no caption, no border.
class PlainButtonTest : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        btn().SetAppearance(ecAppearance::Shaped);
        btn().SetTransparentColor(kBackground);
        btn().SetCaption(u"");
        btn().SetBorderDrawEvent(ecEvents::Never);
        btn().SetCaptionOffsetX(0);
        btn().SetCaptionOffsetY(0);
        btn().SetPictureOffsetX(0);
        btn().SetPictureOffsetY(0);
        btn().SetPictureDisabledEffect(ecPictureEffect::NoEffect);
        btn().SetDepthEvent(ecEvents::Never);
        btn().SetShowFocus(kFalse);
    }
};

}  // namespace vemmix::test
