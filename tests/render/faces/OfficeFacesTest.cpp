// Office 2003 and Office 2007 faces.
#include "tests/render/faces/FaceTestSupport.h"

namespace vemmix::test {
namespace {

constexpr std::int32_t kOffice2003 = 5;
constexpr std::int32_t kOffice2007 = 6;
constexpr std::int32_t kRoyal = 3;

TEST(Office2003Up, TwentyFiveHighRestingFaceTakesEntryPerRow) {
    FaceCanvas c(20, 25);
    c.colors.m_BackRGB = kGrey;
    c.Up(TestState(kOffice2003, 20, 25), kTrue);
    const auto r = Ramp(kGrey, 1);
    ASSERT_EQ(r.size(), 25u);
    for (int row = 0; row <= 24; ++row) EXPECT_EQ(c.At(5, row), r[row]) << "row " << row;
    // edge columns from the ends of the ramp
    ExpectPixels(c, {
        {0, 10, r[0]},
        {19, 10, r[24]},
        {0, 0, r[0]},  // row 0 is the gradient's own
    });
}

TEST(Office2003Up, RestingFaceWithoutBorderHasNoEdgeColumnsAndNoSeparator) {
    FaceCanvas c(20, 25);
    c.colors.m_BackRGB = kGrey;
    c.Up(StateOf(kOffice2003, 20, 25).DropDown(), kFalse);
    const auto r = Ramp(kGrey, 1);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(c.At(x, 10), r[10]) << "x " << x;
}

TEST(Office2003Up, RoyalFocusIsAnOutlinedFlatRectangle) {
    FaceCanvas c(10, 6);
    c.Up(StateOf(kOffice2003, 10, 6).Theme(kRoyal).Focused(), kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBBBBB",
                           "BffffffffB",
                           "BffffffffB",
                           "BffffffffB",
                           "BffffffffB",
                           "BBBBBBBBBB"},
                          {{'B', kBorder}, {'f', kFocus}}));
    EXPECT_TRUE(c.ramp.empty());

    // neither hovered nor focused: the gradient face
    c.Clear();
    c.Up(StateOf(kOffice2003, 10, 6).Theme(kRoyal), kTrue);
    EXPECT_EQ(c.ramp, Ramp(kBack, 1, kRoyal));
    EXPECT_EQ(c.At(5, 0), c.ramp[0]);
}

TEST(Office2003Up, RoyalHoverOutlinesInTheHoverColourWithSeparator) {
    FaceCanvas c(12, 6);
    c.Up(StateOf(kOffice2003, 12, 6).Theme(kRoyal).Hovered().DropDown(4), kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBBBBBBB",
                           "BoooooooBooB",
                           "BoooooooBooB",
                           "BoooooooBooB",
                           "BoooooooBooB",
                           "BBBBBBBBBBBB"},
                          {{'B', kBorder}, {'o', kOver}}));
}

TEST(Office2003Up, HoverFramesAnInnerGradientOfTheHoverColour) {
    FaceCanvas c(20, 14);
    c.colors.m_BackRGB = kGrey;
    c.colors.m_OverRGB = 0x90A0B0;
    c.Up(StateOf(kOffice2003, 20, 14).Hovered(), kTrue);
    const auto outer = Ramp(kGrey, 1);
    const auto inner = Ramp(0x90A0B0, 2);
    EXPECT_EQ(c.ramp, inner);
    ExpectPixels(c, {
        {5, 0, outer[0]},
        {5, 1, outer[1]},
        {5, 12, outer[23]},
        {5, 13, outer[24]},
        {0, 5, outer[0]},
        {19, 5, outer[24]},
        // frame (1, 2, W - 1, H - 2)
        {1, 5, kBorder},
        {18, 5, kBorder},
        {5, 2, kBorder},
        {5, 11, kBorder},
    });
    ExpectGradientColumn(c, 5, 2, 1, 8, inner, 19.0f / 10.0f);
}

TEST(Office2003Down, PressedGradientRunsBottomUpFromTheWarmerHoverColour) {
    FaceCanvas c(20, 14);
    c.colors.m_OverRGB = 0x90A0B0;
    c.Down(StateOf(kOffice2003, 20, 14).Pressed(), kTrue);
    const auto warm = Ramp(ShiftColor(0x90A0B0, 0, -31, -64), 2, 0, true);
    EXPECT_EQ(c.ramp, warm);
    ExpectGradientColumn(c, 5, 11, 1, 7, warm, 19.0f / 10.0f, -1);
    EXPECT_EQ(c.At(1, 5), kBorder);
}

TEST(Office2003Down, RoyalPressFillsWithDownColourAndToggledWithFaceColour) {
    FaceCanvas c(8, 4);
    c.Down(StateOf(kOffice2003, 8, 4).Theme(kRoyal).Pressed().Disabled(), kTrue);
    EXPECT_EQ(c.At(3, 2), kDown);

    c.Clear();
    c.Down(StateOf(kOffice2003, 8, 4).Theme(kRoyal).ToggledOn().Disabled(), kTrue);
    EXPECT_EQ(c.At(3, 2), kDisabled);
    EXPECT_EQ(c.At(0, 0), kBorder);
}

TEST(Office2003Down, RoyalZonePress) {
    FaceCanvas c(10, 4);
    c.Down(StateOf(kOffice2003, 10, 4).Theme(kRoyal).ZonePress(4), kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBBBBB", "BoooooBddB", "BoooooBddB", "BBBBBBBBBB"},
                          {{'B', kBorder}, {'o', kOver}, {'d', kDown}}));
}

TEST(Office2007Up, SeparatorOnlyWhenHovered) {
    FaceCanvas c(30, 12);
    c.colors.m_BackRGB = kGrey;
    c.colors.m_OverRGB = 0x90A0B0;
    FaceState s = StateOf(kOffice2007, 30, 12).DropDown(10);
    c.Up(s, kTrue);
    for (int y = 1; y <= 10; ++y) EXPECT_EQ(c.At(20, y), c.At(19, y)) << "y " << y;

    s.mouseOver = kTrue;
    c.Clear();
    c.Up(s, kTrue);
    const auto r = Ramp(0x90A0B0, 4);
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(c.At(20, y), ShiftColor(r[13], -10, -10, -10)) << y;
    EXPECT_NE(c.At(20, 5), c.At(19, 5));
}

TEST(Office2007Up, RestingFaceHasLightenedRowsAndEdges) {
    FaceCanvas c(20, 12);
    c.colors.m_BackRGB = kGrey;
    c.Up(TestState(kOffice2007, 20, 12), kTrue);
    const auto r = Ramp(kGrey, 3);
    ExpectPixels(c, {
        {5, 1, ShiftColor(r[0], 10, 10, 10)},
        {5, 10, ShiftColor(r[17], 10, 10, 10)},
        {1, 5, ShiftColor(kGrey, 20, 20, 20)},
        {18, 5, ShiftColor(kGrey, 4, 4, 4)},
        {5, 0, kBorder},
        {1, 1, kBorder},
        {0, 0, kTransparent},
    });
    ExpectGradientColumn(c, 5, 2, 1, 7, r, 17.0f / 9.0f);
}

class Office2007Toggled : public ::testing::TestWithParam<bool> {};

TEST_P(Office2007Toggled, RampBaseFollowsThePointer) {
    // Toggled on and hovered: the shifted down colour in mode 5; away from
    // the pointer the plain down colour in mode 6.
    const bool hovered = GetParam();
    const auto want = hovered ? Ramp(ShiftColor(kGrey, 3, 31, 4), 5, 0, true) : Ramp(kGrey, 6, 0, true);
    ExpectToggledOnGradient(kOffice2007, 20, 14, kGrey, hovered, 2, want);
}

INSTANTIATE_TEST_SUITE_P(Pointer, Office2007Toggled, ::testing::Bool());

TEST(Office2007Down, PressWritesTheDerivedBorderIntoTheCache) {
    FaceCanvas c(20, 10);
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kOffice2007, 20, 10).Pressed().DropDown(6), kTrue);
    const COLORREF dark = ShiftColor(kGrey, -80, -30, -10);
    EXPECT_EQ(c.colors.m_DarkShadowRGB, dark);
    const auto r = Ramp(kGrey, 6, 0, true);
    ExpectPixels(c, {
        {5, 0, dark},
        {5, 9, dark},
        {14, 5, dark},  // separator
        {0, 5, kBorder},
        {5, 1, ShiftColor(r[0], -20, -20, -20)},
        {5, 8, r[21]},
    });
}

TEST(Office2007Down, DerivedBorderOutlivesThePaintUntilTheCacheIsRebuilt) {
    // Another style drawn later from the same cache sees the derived colour.
    FaceCanvas c(8, 6);
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kOffice2007, 8, 6).Pressed(), kTrue);
    c.Clear();
    c.Down(StateOf(0, 8, 6).Pressed(), kTrue);
    EXPECT_EQ(c.At(0, 0), ShiftColor(kGrey, -80, -30, -10));
}

TEST(Office2007Down, WithoutBorderTheRightColumnIsALighterDarkShadow) {
    FaceCanvas c(20, 10);
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kOffice2007, 20, 10).Pressed(), kFalse);
    const COLORREF dark = ShiftColor(kGrey, -80, -30, -10);
    ExpectPixels(c, {
        {0, 0, dark},
        {19, 9, dark},
        {19, 5, ShiftColor(dark, 50, 50, 50)},
    });
}

TEST(Office2007Down, ZonePressShowsHoveredMainPartAndPressedZone) {
    FaceCanvas c(30, 12);
    c.colors.m_DownRGB = kGrey;
    c.colors.m_OverRGB = 0x90A0B0;
    c.Down(StateOf(kOffice2007, 30, 12).ZonePress(10), kTrue);
    const auto over = Ramp(0x90A0B0, 4, 0, true);
    const auto down = Ramp(kGrey, 6, 0, true);
    EXPECT_EQ(c.ramp, down);
    ExpectPixels(c, {
        {5, 4, over[GradientEntry(30.0f / 9.0f, 3)]},
        {25, 4, down[GradientEntry(30.0f / 9.0f, 3)]},
        {20, 5, ShiftColor(kGrey, -80, -30, -10)},
        {25, 1, ShiftColor(down[0], -20, -20, -20)},
        {25, 10, down[21]},
    });
}

}  // namespace
}  // namespace vemmix::test
