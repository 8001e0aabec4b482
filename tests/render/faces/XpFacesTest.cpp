// Windows XP and Explorer XP faces.
#include "tests/render/faces/FaceTestSupport.h"

namespace vemmix::test {
namespace {

constexpr std::int32_t kWindowsXp = 3;
constexpr std::int32_t kExplorerXp = 4;

TEST(WindowsXpUp, TwentyHighRowsTakeTheDocumentedEntries) {
    FaceCanvas c(30, 20);
    c.colors.m_BackRGB = kGrey;
    c.Up(TestState(kWindowsXp, 30, 20));
    const auto r = Ramp(kGrey, 0);
    ASSERT_EQ(r.size(), 20u);
    // step = 16 / 15: rows 1 to 16 (row 16 is redrawn by the bottom shading in R[17]).
    ExpectRowEntries(c, 10, kSixteenOverFifteen, 16, r);
    ExpectPixels(c, {
        {10, 17, r[18]},
        {10, 18, r[19]},
        {10, 19, kBorder},
        // right shading of the blue theme, left highlight, frame and corners
        {28, 10, r[16]},
        {27, 10, r[15]},
        {1, 10, kGrey},
        {1, 1, kBorder},
        {28, 18, kBorder},
        {0, 0, kTransparent},
        {29, 19, kTransparent},
    });
}

TEST(WindowsXpDown, ZoneGradientMapsRowsToEntriesExactly) {
    // The zone press reads the ramp it finds; a ramp of distinct entries
    // shows the row -> entry mapping of the 16 over H - 5 gradient without
    // any two entries being confused.
    FaceCanvas c(40, 20);
    c.ramp = SyntheticRamp(20);
    c.Down(StateOf(kWindowsXp, 40, 20).ZonePress());
    ExpectRowEntries(c, 10, kSixteenOverFifteen, 15, c.ramp);
    // the gradient ends before x = W - DDW; the zone box there is R[18]
    ExpectPixels(c, {
        {23, 8, c.ramp[9]},
        {30, 8, c.ramp[18]},
        {26, 1, c.ramp[19]},  // zone shading
        {30, 17, c.ramp[13]},
        {30, 18, c.ramp[9]},
        {24, 8, kBorder},  // separator pair
        {25, 8, c.ramp[1]},
    });
}

TEST(WindowsXpUp, SmallHeightsSkipTheLastGradientRow) {
    // For H = 6 to 9 the last row computes an entry above 19; that line
    // fails its bounds check and the rows before it are drawn.
    for (std::int32_t h = 6; h <= 9; ++h) {
        SCOPED_TRACE("H " + std::to_string(h));
        PatternPaint p(StateOf(kWindowsXp, 12, h), FaceKind::Up, SyntheticRamp(20));
        p.f.ScanLineGradient(0, 1, h - 4, 2, 11, 16, h - 5);
        const float step = 16.0f / static_cast<float>(h - 5);
        EXPECT_GT(GradientEntry(step, h - 4), 19);
        ExpectGradientColumn(p.canvas, 5, 0, 1, h - 5, p.canvas.ramp, step);
        EXPECT_EQ(p.canvas.At(5, h - 4), kTransparent);
    }
    // The face itself: the bottom shading then paints that row in R[17].
    for (std::int32_t h = 6; h <= 9; ++h) {
        SCOPED_TRACE("H " + std::to_string(h));
        FaceCanvas c(12, h);
        c.colors.m_BackRGB = kGrey;
        c.Up(StateOf(kWindowsXp, 12, h));
        const auto r = Ramp(kGrey, 0);
        EXPECT_EQ(c.At(5, h - 4), r[17]);
        EXPECT_EQ(c.At(5, h - 3), r[18]);
    }
}

TEST(WindowsXpDown, ZonePressWithEmptyRampDrawsNothingRampColoured) {
    // Pressed in the zone before any released paint: every statement that
    // reads the ramp fails, including the zone box whose fill is R[18].
    FaceCanvas c(20, 8);
    c.Down(StateOf(kWindowsXp, 20, 8).ZonePress(6));
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
    c.Up(StateOf(kWindowsXp, 30, 20).DropDown().Hovered());
    const std::vector<COLORREF> left = c.ramp;
    c.Clear();
    c.Down(StateOf(kWindowsXp, 30, 20).Hovered().ZonePress());
    EXPECT_EQ(c.ramp, left);  // not generated again
    EXPECT_EQ(c.At(20, 10), left[18]);
    EXPECT_EQ(c.At(5, 1), left[1]);
}

TEST(WindowsXpDown, OtherThemesFillWithTheDownColourEvenWhenDisabled) {
    FaceCanvas c(20, 10);
    c.Down(StateOf(kWindowsXp, 20, 10).Pressed().Disabled());
    const auto r = Ramp(kDisabled, 0, 0, true);
    ExpectPixels(c, {
        {10, 5, kDown},
        {10, 1, r[19]},
        {10, 2, r[18]},
        {1, 5, r[19]},
        {2, 5, r[18]},
        {10, 7, r[13]},
        {10, 8, r[9]},
    });
}

TEST(WindowsXpDown, SilverUsesThePressedTableFromEntryTwo) {
    FaceCanvas c(20, 12);
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kWindowsXp, 20, 12).Pressed().Theme(2));
    const auto r = Ramp(kGrey, 0, 2, true);
    ASSERT_EQ(c.ramp, r);
    const float step = 17.0f / 10.0f;
    for (int row = 3; row <= 10; ++row)
        EXPECT_EQ(c.At(10, row), r[GradientEntry(step, row - 1, 2.0)]) << "row " << row;
    ExpectPixels(c, {
        {10, 1, r[0]},
        {10, 2, r[1]},
        {2, 2, kGrey},
        {2, 9, kGrey},
        {1, 1, kBorder},
        {0, 0, kTransparent},
    });
}

TEST(WindowsXpRamp, ToggleValueSelectsThePressedTableWhateverTheMode) {
    // Silver: the pressed table for a toggled-on button, and also for the
    // released face of a Standard Mode button whose ToggleValue is True.
    FaceCanvas c(20, 12);
    c.colors.m_DownRGB = kGrey;
    c.colors.m_BackRGB = kGrey;
    c.Down(StateOf(kWindowsXp, 20, 12).Theme(2).ToggledOn());
    EXPECT_EQ(c.ramp, Ramp(kGrey, 0, 2, true));

    FaceState standard = StateOf(kWindowsXp, 20, 12).Theme(2);
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
    c.Up(StateOf(kWindowsXp, 20, 12).Theme(3));
    const auto r = Ramp(kGrey, 0, 3, false);
    ExpectPixels(c, {
        {10, 1, r[0]},
        {18, 5, r[0]},
        {17, 5, c.At(10, 5)},  // no second shading column
    });
}

TEST(ExplorerXpUp, FocusWithoutHoverIsThePlainBackColour) {
    FaceCanvas c(12, 6);
    const std::vector<std::string> plain(6, std::string(12, 'F'));
    c.Up(StateOf(kExplorerXp, 12, 6).Focused().DropDown());
    EXPECT_TRUE(c.Matches(plain, {{'F', kBack}}));
    c.Clear();
    c.Up(StateOf(kExplorerXp, 12, 6).Focused().DropDown().Disabled());
    EXPECT_TRUE(c.Matches(plain, {{'F', kBack}}));
    EXPECT_TRUE(c.ramp.empty());
}

TEST(ExplorerXpUp, HoverShowsTheXpLook) {
    FaceCanvas c(20, 12);
    c.colors.m_OverRGB = kGrey;
    c.Up(StateOf(kExplorerXp, 20, 12).Hovered());
    const auto r = Ramp(kGrey, 0);
    ExpectGradientColumn(c, 10, 0, 1, 7, r, 14.0f / 7.0f);
    ExpectPixels(c, {
        {10, 8, r[15]},
        {10, 9, r[16]},
        {10, 10, r[17]},
        {18, 5, r[16]},
        {17, 5, r[15]},
        {1, 5, kGrey},
    });
}

TEST(ExplorerXpDown, PressedUsesDarkerShadesOfTheStateColour) {
    FaceCanvas c(20, 10);
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kExplorerXp, 20, 10).Pressed());
    ExpectPixels(c, {
        {10, 5, ShiftColor(kGrey, -26, -26, -26)},
        {10, 1, ShiftColor(kGrey, -41, -47, -58)},
        {1, 5, ShiftColor(kGrey, -41, -47, -58)},
        {10, 7, ShiftColor(kGrey, -15, -15, -21)},
        {10, 8, ShiftColor(kGrey, -12, -12, -17)},
        {0, 5, kBorder},
        {1, 1, kBorder},
    });
    EXPECT_TRUE(c.ramp.empty());  // no ramp for the main press
}

TEST(ExplorerXpDown, ZonePressIsSunken) {
    FaceCanvas c(30, 12);
    c.colors.m_DownRGB = kGrey;
    c.Down(StateOf(kExplorerXp, 30, 12).ZonePress(10));
    ExpectPixels(c, {
        {25, 5, ShiftColor(kGrey, -30, -30, -30)},
        {25, 1, ShiftColor(kGrey, -41, -47, -58)},
        {25, 10, ShiftColor(kGrey, -12, -12, -17)},
        {29, 5, kBorder},
        {20, 5, kBorder},  // separator pair
        {21, 5, kGrey},
    });
}

}  // namespace
}  // namespace vemmix::test
