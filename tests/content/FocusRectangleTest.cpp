// The focus mark: the dotted rectangle inside the border, and the inner
// frame of the Windows XP look.
#include <gtest/gtest.h>

#include <vector>

#include "tests/content/ContentFixture.h"

namespace vemmix::test {
namespace {

// `image` with DrawFocusRect(rect) applied, through the drawing surface.
std::vector<std::uint32_t> WithFocusRect(const std::vector<std::uint32_t>& image, int width,
                                         int height, gdi::RECT rect) {
    const gdi::HBITMAP bitmap = gdi::CreateBitmap(width, height, 1, 32, image.data());
    const gdi::HDC dc = gdi::CreateCompatibleDC(gdi::HDC{});
    const gdi::HBITMAP old = gdi::SelectObject(dc, bitmap);
    gdi::DrawFocusRect(dc, rect);
    const gdi::PixelView view = gdi::GetBitmapPixels(bitmap);
    std::vector<std::uint32_t> out(view.pixels.begin(), view.pixels.end());
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(bitmap);
    gdi::DeleteDC(dc);
    return out;
}

class ClassicFocusTest : public ButtonTest {
protected:
    ClassicFocusTest() { buttonBounds = {0, 0, 80, 24}; }
    void SetUp() override {
        ButtonTest::SetUp();
        btn().SetAppearance(ecAppearance::ThreeD);
        btn().SetCaption(u"");
        btn().SetBorderDrawEvent(ecEvents::Always);
        btn().SetBorderWidth(1);
    }
    // The image without the focus mark, and with it.
    void Images(std::vector<std::uint32_t>& without, std::vector<std::uint32_t>& with) {
        btn().SetShowFocus(kFalse);
        without = CopyPixels(Pixels());
        btn().SetShowFocus(kTrue);
        with = CopyPixels(Pixels());
    }
};

TEST_F(ClassicFocusTest, DottedRectangleInsideTheBorder) {
    Focus();
    std::vector<std::uint32_t> without, with;
    Images(without, with);
    EXPECT_NE(without, with);
    EXPECT_TRUE(PixelsEqual(Pixels(), WithFocusRect(without, 80, 24, {3, 3, 77, 21})));
}

TEST_F(ClassicFocusTest, WithoutBorderOnePixelIn) {
    btn().SetBorderDrawEvent(ecEvents::Never);
    Focus();
    std::vector<std::uint32_t> without, with;
    Images(without, with);
    EXPECT_TRUE(PixelsEqual(Pixels(), WithFocusRect(without, 80, 24, {1, 1, 79, 23})));
}

TEST_F(ClassicFocusTest, WideBorderMovesItIn) {
    btn().SetBorderWidth(3);
    Focus();
    std::vector<std::uint32_t> without, with;
    Images(without, with);
    EXPECT_TRUE(PixelsEqual(Pixels(), WithFocusRect(without, 80, 24, {5, 5, 75, 19})));
}

TEST_F(ClassicFocusTest, NothingWithoutFocus) {
    std::vector<std::uint32_t> without, with;
    Images(without, with);
    EXPECT_EQ(without, with);
}

TEST_F(ClassicFocusTest, NothingWhenShowFocusIsFalse) {
    btn().SetShowFocus(kFalse);
    Focus();
    const auto focused = CopyPixels(Pixels());
    form.SetFocus(nullptr);
    EXPECT_TRUE(PixelsEqual(Pixels(), focused));
}

// ---- Windows XP ------------------------------------------------------------

struct FrameSet {
    gdi::COLORREF c1, c2, c3, c4;
};
constexpr FrameSet kHover{0xCFF0FF, 0x89D8FD, 0x0197E5, 0x30B3F8};
constexpr FrameSet kFocusOlive{0x93D1C2, 0x80CBB1, 0x54C190, 0x66A7A8};
constexpr FrameSet kFocusOther{0xFFE7CE, 0xF6D4BC, 0xEE8269, 0xE4AD89};

class XpFocusTest : public ButtonTest {
protected:
    XpFocusTest() { buttonBounds = {0, 0, 80, 24}; }
    void SetUp() override {
        ButtonTest::SetUp();
        btn().SetAppearance(ecAppearance::WindowsXP);
        btn().SetCaption(u"");
        btn().SetShowFocus(kTrue);
    }
    ::testing::AssertionResult ShowsFrame(const FrameSet& set) const {
        const int W = 80, H = 24;
        struct Probe {
            int x, y;
            gdi::COLORREF colour;
        };
        const Probe probes[] = {
            // the ends of lines 2 and 4 may lie under the caps of the wide lines
            {2, 1, set.c1},     {W - 3, 1, set.c1},     // line 1, ends before W - 2
            {W / 2, 2, set.c2},                         // line 2
            {2, H - 2, set.c3}, {W - 3, H - 2, set.c3}, // line 3
            {W / 2, H - 3, set.c4},                     // line 4
            {2, H / 2, set.c2},                         // line 5, 2 wide
            {W - 2, H / 2, set.c4},                     // line 6, 2 wide
        };
        for (const Probe& p : probes)
            if (Pixel(p.x, p.y) != p.colour)
                return ::testing::AssertionFailure()
                       << "pixel (" << p.x << ", " << p.y << ") is " << std::hex << Pixel(p.x, p.y)
                       << ", expected " << p.colour;
        if (Pixel(W - 2, 1) == set.c1) return ::testing::AssertionFailure() << "line 1 reaches its end point";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(XpFocusTest, FocusFrameOfTheBlueTheme) {
    btn().SetAppearanceThemes(ecAppearanceThemes::Blue);
    Focus();
    EXPECT_TRUE(ShowsFrame(kFocusOther));
}

TEST_F(XpFocusTest, OliveThemeHasItsOwnFocusFrame) {
    btn().SetAppearanceThemes(ecAppearanceThemes::Olive);
    ASSERT_EQ(btn().ThemeIndex(), ecAppearanceThemesDefault::Olive);
    Focus();
    EXPECT_TRUE(ShowsFrame(kFocusOlive));
}

TEST_F(XpFocusTest, HoverWinsOverFocus) {
    btn().SetAppearanceThemes(ecAppearanceThemes::Olive);
    Focus();
    MouseMove(40, 12);
    Tick(10);
    ASSERT_EQ(btn().State().m_MouseOver, kTrue);
    EXPECT_TRUE(ShowsFrame(kHover));
}

TEST_F(XpFocusTest, PressedShowsNoFrame) {
    Focus();
    MouseMove(40, 12);
    Tick(10);
    MouseDown(40, 12);
    const auto pressed = CopyPixels(Pixels());
    btn().SetShowFocus(kFalse);
    EXPECT_TRUE(PixelsEqual(Pixels(), pressed));
    MouseUp(40, 12);
}

TEST_F(XpFocusTest, ShowFocusFalseHidesEvenTheHoverFrame) {
    MouseMove(40, 12);
    Tick(10);
    ASSERT_TRUE(ShowsFrame(kHover));
    btn().SetShowFocus(kFalse);
    EXPECT_FALSE(ShowsFrame(kHover));
}

}  // namespace
}  // namespace vemmix::test
