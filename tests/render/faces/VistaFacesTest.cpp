// Vista Sunrise, Vista Sunset and Gradient faces.
#include "tests/render/faces/FaceTestSupport.h"

namespace vemmix::test {
namespace {

constexpr std::int32_t kVistaSunrise = 7;
constexpr std::int32_t kVistaSunset = 8;
constexpr std::int32_t kGradient = 9;
constexpr COLORREF kPale = 0xF0E0D0;  // survives the dark-edge shift unclamped
constexpr COLORREF kRing = 0xFBD848;

TEST(VistaSunriseUp, BorderlessRestKeepsTheTwoPixelMargin) {
    FaceCanvas c(20, 12);
    c.colors.m_BackRGB = kGrey;
    c.Up(StateOf(kVistaSunrise, 20, 12).DropDown(), kFalse);
    const auto r = Ramp(kGrey, 8);
    const float step = 16.0f / 9.0f;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = y >= 2 && x >= 2 && x <= 17;
            const COLORREF want = inside ? r[GradientEntry(step, y - 2)] : kTransparent;
            EXPECT_EQ(c.At(x, y), want) << x << "," << y;
        }
}

TEST(VistaSunriseUp, FocusRingIsLightBlueExceptItsCorners) {
    FaceCanvas c(12, 8);
    c.colors.m_OverRGB = kPale;
    c.Up(StateOf(kVistaSunrise, 12, 8).Focused(), kTrue);
    const COLORREF edge = ShiftColor(kPale, -130, -103, -76);
    for (int x = 2; x <= 9; ++x) {
        EXPECT_EQ(c.At(x, 1), kRing) << x;
        EXPECT_EQ(c.At(x, 6), kRing) << x;
        EXPECT_EQ(c.At(x, 0), edge) << x;
        EXPECT_EQ(c.At(x, 7), edge) << x;
    }
    for (int y = 2; y <= 5; ++y) {
        EXPECT_EQ(c.At(1, y), kRing) << y;
        EXPECT_EQ(c.At(10, y), kRing) << y;
        EXPECT_EQ(c.At(0, y), edge) << y;
        EXPECT_EQ(c.At(11, y), edge) << y;
    }
    for (auto [x, y] : {std::pair{1, 1}, {1, 6}, {10, 1}, {10, 6}}) EXPECT_EQ(c.At(x, y), edge);
    for (auto [x, y] : {std::pair{0, 0}, {0, 7}, {11, 0}, {11, 7}})
        EXPECT_EQ(c.At(x, y), kTransparent);
    EXPECT_EQ(c.colors.m_DarkShadowRGB, kDarkShadow);  // the released rest writes no cache entry
}

TEST(VistaSunriseUp, RestWithBorderHasHighlightsAndBorderEdge) {
    FaceCanvas c(12, 8);
    c.Up(StateOf(kVistaSunrise, 12, 8), kTrue);
    ExpectPixels(c, {
        {5, 1, 0xFCFCFCu},
        {5, 6, 0xF3F3F3u},
        {1, 4, 0xF6F6F6u},
        {10, 4, 0xF6F6F6u},
        {5, 0, kBorder},
        {1, 1, kBorder},
        {0, 0, kTransparent},
    });
}

TEST(VistaSunriseUp, HoverWithBorderWritesTheDarkEdgeIntoTheCache) {
    FaceCanvas c(12, 8);
    c.colors.m_OverRGB = kPale;
    const FaceState s = StateOf(kVistaSunrise, 12, 8).Hovered();
    c.Up(s, kFalse);
    EXPECT_EQ(c.colors.m_DarkShadowRGB, kDarkShadow);
    c.Up(s, kTrue);
    const COLORREF edge = ShiftColor(kPale, -130, -103, -76);
    EXPECT_EQ(c.colors.m_DarkShadowRGB, edge);
    EXPECT_EQ(c.At(5, 0), edge);
    EXPECT_EQ(c.ramp, Ramp(kPale, 9));
}

TEST(VistaSunriseDown, PressWithBorderWritesItsOwnDarkEdge) {
    FaceCanvas c(12, 8);
    c.colors.m_DownRGB = kPale;
    c.Down(StateOf(kVistaSunrise, 12, 8).Pressed(), kTrue);
    const COLORREF edge = ShiftColor(kPale, -108, -111, -100);
    EXPECT_EQ(c.colors.m_DarkShadowRGB, edge);
    ExpectPixels(c, {
        {5, 0, edge},
        {5, 1, ShiftColor(kPale, 6, -33, -53)},
        {1, 4, ShiftColor(kPale, 2, -23, -36)},
        {10, 4, ShiftColor(kPale, 2, -23, -36)},
    });
    EXPECT_EQ(c.ramp, Ramp(kPale, 10, 0, true));
}

TEST(VistaSunsetUp, RestInDropDownModeHasNoSeparator) {
    FaceCanvas c(30, 10);
    c.colors.m_BackRGB = kGrey;
    FaceState s = StateOf(kVistaSunset, 30, 10).DropDown(10);
    c.Up(s, kTrue);
    for (int y = 1; y <= 8; ++y) EXPECT_EQ(c.At(20, y), c.At(19, y)) << y;
    EXPECT_EQ(c.ramp, Ramp(kGrey, 7));

    s.mouseOver = kTrue;
    c.Clear();
    c.Up(s, kTrue);
    for (int y = 1; y <= 7; ++y) EXPECT_EQ(c.At(20, y), kBorder) << y;
}

TEST(VistaSunsetUp, BorderRowsWithoutBorderFrameWithIt) {
    FaceCanvas c(10, 6);
    c.colors.m_BackRGB = kGrey;
    const FaceState s = StateOf(kVistaSunset, 10, 6);
    c.Up(s, kFalse);
    const auto r = Ramp(kGrey, 7);
    ExpectPixels(c, {
        {0, 0, kBorder},
        {9, 5, kBorder},
        {0, 2, r[GradientEntry(30.0f / 4.0f, 1)]},
    });
    c.Clear();
    c.Up(s, kTrue);
    EXPECT_EQ(c.At(0, 2), kBorder);
    EXPECT_EQ(c.At(9, 2), kBorder);
}

class VistaSunsetToggled : public ::testing::TestWithParam<bool> {};

TEST_P(VistaSunsetToggled, ShiftedBaseOnlyAwayFromThePointer) {
    // The opposite of Office 2007: the shifted down colour in mode 5 when
    // the pointer is NOT over the toggled-on button.
    const bool hovered = GetParam();
    const auto want = hovered ? Ramp(kGrey, 6, 0, true) : Ramp(ShiftColor(kGrey, 3, 31, 4), 5, 0, true);
    ExpectToggledOnGradient(kVistaSunset, 20, 12, kGrey, hovered, 1, want);
}

INSTANTIATE_TEST_SUITE_P(Pointer, VistaSunsetToggled, ::testing::Bool());

TEST(VistaSunsetDown, ZonePressSplitsTheGradient) {
    FaceCanvas c(30, 10);
    c.colors.m_OverRGB = kPale;
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kVistaSunset, 30, 10).ZonePress(10), kFalse);
    const auto over = Ramp(kPale, 4, 0, true);
    const auto down = Ramp(kGrey, 6, 0, true);
    const float step = 30.0f / 8.0f;
    ExpectPixels(c, {
        {5, 3, over[GradientEntry(step, 2)]},
        {19, 3, kTransparent},  // the main gradient stops at W - DDW - 1
        {25, 3, down[GradientEntry(step, 2)]},
        {29, 3, kTransparent},
        {20, 3, kBorder},
    });
}

TEST(GradientUp, OneHundredThirtyHighTakesEntryPerRow) {
    FaceCanvas c(12, 130);
    c.colors.m_BackRGB = kGrey;
    c.Up(TestState(kGradient, 12, 130));
    const auto r = Ramp(kGrey, 11);
    ASSERT_EQ(r.size(), 128u);
    for (int i = 0; i <= 124; ++i) EXPECT_EQ(c.At(5, 1 + i), r[i]) << i;
    ExpectPixels(c, {
        {5, 126, ShiftColor(r[127], -12, -15, -17)},
        {5, 127, ShiftColor(r[127], -22, -27, -33)},
        {5, 128, ShiftColor(r[127], -32, -37, -43)},
        {10, 60, r[80]},
        {9, 60, r[79]},
        {1, 60, kGrey},
    });
}

TEST(GradientDown, PressedReversesTheGradient) {
    FaceCanvas c(12, 130);
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kGradient, 12, 130).Pressed());
    const auto r = Ramp(kGrey, 11, 0, true);
    for (int i = 0; i <= 124; ++i) EXPECT_EQ(c.At(5, 1 + i), r[127 - i]) << i;
}

TEST(GradientDown, ZonePressReversesOnlyTheZoneAndSwapsTheSeparator) {
    FaceCanvas c(30, 130);
    c.colors.m_BackRGB = kGrey;
    c.colors.m_DownRGB = 0x909090;
    c.Down(StateOf(kGradient, 30, 130).ZonePress(10));
    const auto main = Ramp(kGrey, 11, 0, true);
    const auto zone = Ramp(0x909090, 11, 0, true);
    for (int i = 0; i <= 124; i += 31) {
        EXPECT_EQ(c.At(5, 1 + i), main[i]) << i;
        EXPECT_EQ(c.At(24, 1 + i), zone[127 - i]) << i;
    }
    EXPECT_EQ(c.At(20, 60), 0x909090u);  // FaceColor first
    EXPECT_EQ(c.At(21, 60), kBorder);
}

TEST(GradientUp, GradientTypeWithoutTableGivesBlackRamp) {
    FaceCanvas c(12, 20);
    FaceState s = StateOf(kGradient, 12, 20);
    s.gradientType = 7;
    c.Up(s);
    EXPECT_EQ(c.At(5, 5), 0u);
}

}  // namespace
}  // namespace vemmix::test
