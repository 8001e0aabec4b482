// Windows XP and Explorer XP faces.
#include "tests/render/faces/FaceCanvas.h"

namespace vemmix::test {
namespace {

constexpr std::int32_t kWindowsXp = 3;
constexpr std::int32_t kExplorerXp = 4;
constexpr COLORREF kGrey = 0x808080;  // a base that no ramp offset clamps

TEST(WindowsXpUp, TwentyHighRowsTakeTheDocumentedEntries) {
    FaceCanvas c(30, 20);
    c.colors.m_BackRGB = kGrey;
    c.Up(TestState(kWindowsXp, 30, 20));
    const auto r = Ramp(kGrey, 0);
    ASSERT_EQ(r.size(), 20u);
    // step = 16 / 15: rows 1 to 16 (row 16 is redrawn by the bottom shading in R[17]).
    const int entry[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    for (int row = 1; row <= 16; ++row) EXPECT_EQ(c.At(10, row), r[entry[row - 1]]) << "row " << row;
    EXPECT_EQ(c.At(10, 17), r[18]);
    EXPECT_EQ(c.At(10, 18), r[19]);
    EXPECT_EQ(c.At(10, 19), kBorder);
    // right shading of the blue theme, left highlight, frame and corners
    EXPECT_EQ(c.At(28, 10), r[16]);
    EXPECT_EQ(c.At(27, 10), r[15]);
    EXPECT_EQ(c.At(1, 10), kGrey);
    EXPECT_EQ(c.At(1, 1), kBorder);
    EXPECT_EQ(c.At(28, 18), kBorder);
    EXPECT_EQ(c.At(0, 0), kTransparent);
    EXPECT_EQ(c.At(29, 19), kTransparent);
}

TEST(WindowsXpDown, ZoneGradientMapsRowsToEntriesExactly) {
    // The zone press reads the ramp it finds; a ramp of distinct entries
    // shows the row -> entry mapping of the 16 over H - 5 gradient without
    // any two entries being confused.
    FaceCanvas c(40, 20);
    c.ramp = SyntheticRamp(20);
    FaceState s = TestState(kWindowsXp, 40, 20);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    c.Down(s);
    const int entry[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16};
    for (int row = 1; row <= 15; ++row)
        EXPECT_EQ(c.At(10, row), c.ramp[entry[row - 1]]) << "row " << row;
    // the gradient ends before x = W - DDW; the zone box there is R[18]
    EXPECT_EQ(c.At(23, 8), c.ramp[9]);
    EXPECT_EQ(c.At(30, 8), c.ramp[18]);
    EXPECT_EQ(c.At(26, 1), c.ramp[19]);  // zone shading
    EXPECT_EQ(c.At(30, 17), c.ramp[13]);
    EXPECT_EQ(c.At(30, 18), c.ramp[9]);
    EXPECT_EQ(c.At(24, 8), kBorder);     // separator pair
    EXPECT_EQ(c.At(25, 8), c.ramp[1]);
}

TEST(WindowsXpUp, SmallHeightsSkipTheLastGradientRow) {
    // For H = 6 to 9 the last row computes an entry above 19; that line
    // fails its bounds check and the rows before it are drawn.
    for (std::int32_t h = 6; h <= 9; ++h) {
        FaceCanvas c(12, h);
        c.ramp = SyntheticRamp(20);
        FaceState s = TestState(kWindowsXp, 12, h);
        FaceTarget t = c.Target();
        FacePatterns f(s, t, FaceKind::Up);
        f.ScanLineGradient(0, 1, h - 4, 2, 11, 16, h - 5);
        const float step = 16.0f / static_cast<float>(h - 5);
        EXPECT_GT(RoundHalfEven(static_cast<double>(step) * (h - 4)), 19) << "H " << h;
        for (std::int32_t row = 1; row <= h - 5; ++row)
            EXPECT_EQ(c.At(5, row), c.ramp[RoundHalfEven(static_cast<double>(step) * row)])
                << "H " << h << " row " << row;
        EXPECT_EQ(c.At(5, h - 4), kTransparent) << "H " << h;
    }
    // The face itself: the bottom shading then paints that row in R[17].
    for (std::int32_t h = 6; h <= 9; ++h) {
        FaceCanvas c(12, h);
        c.colors.m_BackRGB = kGrey;
        c.Up(TestState(kWindowsXp, 12, h));
        const auto r = Ramp(kGrey, 0);
        EXPECT_EQ(c.At(5, h - 4), r[17]) << "H " << h;
        EXPECT_EQ(c.At(5, h - 3), r[18]) << "H " << h;
    }
}

TEST(WindowsXpDown, ZonePressWithEmptyRampDrawsNothingRampColoured) {
    // Pressed in the zone before any released paint: every statement that
    // reads the ramp fails, including the zone box whose fill is R[18].
    FaceCanvas c(20, 8);
    FaceState s = TestState(kWindowsXp, 20, 8);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    s.dropDownWidth = 6;
    c.Down(s);
    EXPECT_TRUE(c.Matches({".BBBBBBBBBBBBBBBBBB.",
                           "BB............B...BB",
                           "Bd............B....B",
                           "Bd............B....B",
                           "Bd............B....B",
                           "Bd............B....B",
                           "BB............B...BB",
                           ".BBBBBBBBBBBBBBBBBB."},
                          {{'.', kTransparent}, {'B', kBorder}, {'d', kDown}}));
    EXPECT_TRUE(c.ramp.empty());
}

TEST(WindowsXpDown, ZonePressReadsTheRampThePreviousPaintLeft) {
    FaceCanvas c(30, 20);
    c.colors.m_OverRGB = kGrey;
    FaceState s = TestState(kWindowsXp, 30, 20);
    s.appearanceMode = 2;
    s.mouseOver = kTrue;
    c.Up(s);
    const std::vector<COLORREF> left = c.ramp;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    c.Clear();
    c.Down(s);
    EXPECT_EQ(c.ramp, left);  // not generated again
    EXPECT_EQ(c.At(20, 10), left[18]);
    EXPECT_EQ(c.At(5, 1), left[1]);
}

TEST(WindowsXpDown, OtherThemesFillWithTheDownColourEvenWhenDisabled) {
    FaceCanvas c(20, 10);
    FaceState s = TestState(kWindowsXp, 20, 10);
    s.pressed = kTrue;
    s.enabled = false;
    c.Down(s);
    const auto r = Ramp(kDisabled, 0, 0, true);
    EXPECT_EQ(c.At(10, 5), kDown);
    EXPECT_EQ(c.At(10, 1), r[19]);
    EXPECT_EQ(c.At(10, 2), r[18]);
    EXPECT_EQ(c.At(1, 5), r[19]);
    EXPECT_EQ(c.At(2, 5), r[18]);
    EXPECT_EQ(c.At(10, 7), r[13]);
    EXPECT_EQ(c.At(10, 8), r[9]);
}

TEST(WindowsXpDown, SilverUsesThePressedTableFromEntryTwo) {
    FaceCanvas c(20, 12);
    c.colors.m_DownRGB = kGrey;
    FaceState s = TestState(kWindowsXp, 20, 12);
    s.pressed = kTrue;
    s.themeIndex = 2;
    c.Down(s);
    const auto r = Ramp(kGrey, 0, 2, true);
    ASSERT_EQ(c.ramp, r);
    const float step = 17.0f / 10.0f;
    for (int row = 3; row <= 10; ++row)
        EXPECT_EQ(c.At(10, row), r[RoundHalfEven(static_cast<double>(step) * (row - 1) + 2.0)])
            << "row " << row;
    EXPECT_EQ(c.At(10, 1), r[0]);
    EXPECT_EQ(c.At(10, 2), r[1]);
    EXPECT_EQ(c.At(2, 2), kGrey);
    EXPECT_EQ(c.At(2, 9), kGrey);
    EXPECT_EQ(c.At(1, 1), kBorder);
    EXPECT_EQ(c.At(0, 0), kTransparent);
}

TEST(WindowsXpRamp, ToggleValueSelectsThePressedTableWhateverTheMode) {
    // Silver: the pressed table for a toggled-on button, and also for the
    // released face of a Standard Mode button whose ToggleValue is True.
    FaceCanvas c(20, 12);
    c.colors.m_DownRGB = kGrey;
    c.colors.m_BackRGB = kGrey;
    FaceState s = TestState(kWindowsXp, 20, 12);
    s.themeIndex = 2;
    s.appearanceMode = 1;
    s.toggleValue = kTrue;
    c.Down(s);
    EXPECT_EQ(c.ramp, Ramp(kGrey, 0, 2, true));

    FaceState standard = TestState(kWindowsXp, 20, 12);
    standard.themeIndex = 2;
    standard.toggleValue = kTrue;
    c.Up(standard);
    EXPECT_EQ(c.ramp, Ramp(kGrey, 0, 2, true));
    standard.toggleValue = kFalse;
    c.Up(standard);
    EXPECT_EQ(c.ramp, Ramp(kGrey, 0, 2, false));
    EXPECT_NE(Ramp(kGrey, 0, 2, false), Ramp(kGrey, 0, 2, true));
}

TEST(WindowsXpUp, RoyalShadesTheTopRowAndRightColumnWithEntryZero) {
    FaceCanvas c(20, 12);
    c.colors.m_BackRGB = kGrey;
    FaceState s = TestState(kWindowsXp, 20, 12);
    s.themeIndex = 3;
    c.Up(s);
    const auto r = Ramp(kGrey, 0, 3, false);
    EXPECT_EQ(c.At(10, 1), r[0]);
    EXPECT_EQ(c.At(18, 5), r[0]);
    EXPECT_EQ(c.At(17, 5), c.At(10, 5));  // no second shading column
}

TEST(ExplorerXpUp, FocusWithoutHoverIsThePlainBackColour) {
    FaceCanvas c(12, 6);
    FaceState s = TestState(kExplorerXp, 12, 6);
    s.hasFocus = kTrue;
    s.appearanceMode = 2;
    c.Up(s);
    EXPECT_TRUE(c.Matches(std::vector<std::string>(6, std::string(12, 'F')), {{'F', kBack}}));
    s.enabled = false;
    c.Clear();
    c.Up(s);
    EXPECT_TRUE(c.Matches(std::vector<std::string>(6, std::string(12, 'F')), {{'F', kBack}}));
    EXPECT_TRUE(c.ramp.empty());
}

TEST(ExplorerXpUp, HoverShowsTheXpLook) {
    FaceCanvas c(20, 12);
    c.colors.m_OverRGB = kGrey;
    FaceState s = TestState(kExplorerXp, 20, 12);
    s.mouseOver = kTrue;
    c.Up(s);
    const auto r = Ramp(kGrey, 0);
    const float step = 14.0f / 7.0f;
    for (int row = 1; row <= 7; ++row)
        EXPECT_EQ(c.At(10, row), r[RoundHalfEven(static_cast<double>(step) * row)]) << row;
    EXPECT_EQ(c.At(10, 8), r[15]);
    EXPECT_EQ(c.At(10, 9), r[16]);
    EXPECT_EQ(c.At(10, 10), r[17]);
    EXPECT_EQ(c.At(18, 5), r[16]);
    EXPECT_EQ(c.At(17, 5), r[15]);
    EXPECT_EQ(c.At(1, 5), kGrey);
}

TEST(ExplorerXpDown, PressedUsesDarkerShadesOfTheStateColour) {
    FaceCanvas c(20, 10);
    c.colors.m_DownRGB = kGrey;
    FaceState s = TestState(kExplorerXp, 20, 10);
    s.pressed = kTrue;
    c.Down(s);
    EXPECT_EQ(c.At(10, 5), ShiftColor(kGrey, -26, -26, -26));
    EXPECT_EQ(c.At(10, 1), ShiftColor(kGrey, -41, -47, -58));
    EXPECT_EQ(c.At(1, 5), ShiftColor(kGrey, -41, -47, -58));
    EXPECT_EQ(c.At(10, 7), ShiftColor(kGrey, -15, -15, -21));
    EXPECT_EQ(c.At(10, 8), ShiftColor(kGrey, -12, -12, -17));
    EXPECT_EQ(c.At(0, 5), kBorder);
    EXPECT_EQ(c.At(1, 1), kBorder);
    EXPECT_TRUE(c.ramp.empty());  // no ramp for the main press
}

TEST(ExplorerXpDown, ZonePressIsSunken) {
    FaceCanvas c(30, 12);
    c.colors.m_DownRGB = kGrey;
    FaceState s = TestState(kExplorerXp, 30, 12);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    s.dropDownWidth = 10;
    c.Down(s);
    EXPECT_EQ(c.At(25, 5), ShiftColor(kGrey, -30, -30, -30));
    EXPECT_EQ(c.At(25, 1), ShiftColor(kGrey, -41, -47, -58));
    EXPECT_EQ(c.At(25, 10), ShiftColor(kGrey, -12, -12, -17));
    EXPECT_EQ(c.At(29, 5), kBorder);
    EXPECT_EQ(c.At(20, 5), kBorder);  // separator pair
    EXPECT_EQ(c.At(21, 5), kGrey);
}

}  // namespace
}  // namespace vemmix::test
