// The shared patterns and the state colour: FaceColor, rounding, the step
// of the scan-line gradient and the skipped statements.
#include "tests/render/faces/FaceCanvas.h"

namespace vemmix::test {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(7.5), 8);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

struct FaceColorCase {
    const char* name;
    FaceKind kind;
    bool enabled;
    VBool pressed;
    std::int32_t mode;
    VBool toggleValue;
    VBool over;
    VBool focus;
    COLORREF want;
};

class FaceColorChoice : public ::testing::TestWithParam<FaceColorCase> {};

TEST_P(FaceColorChoice, FirstMatchWins) {
    const FaceColorCase& k = GetParam();
    FaceCanvas c(4, 4);
    FaceState s = TestState(0, 4, 4);
    s.enabled = k.enabled;
    s.pressed = k.pressed;
    s.appearanceMode = k.mode;
    s.toggleValue = k.toggleValue;
    s.mouseOver = k.over;
    s.hasFocus = k.focus;
    FaceTarget t = c.Target();
    FacePatterns f(s, t, k.kind);
    EXPECT_EQ(f.FaceColor(), k.want);
}

constexpr VBool T = kTrue;
constexpr VBool F = kFalse;

INSTANTIATE_TEST_SUITE_P(
    Table, FaceColorChoice,
    ::testing::Values(
        //             name                    face            enabled pressed mode toggle over focus  colour
        FaceColorCase{"UpRest",                FaceKind::Up,   true,  F, 0, F, F, F, kBack},
        FaceColorCase{"UpFocus",               FaceKind::Up,   true,  F, 0, F, F, T, kFocus},
        FaceColorCase{"UpHoverBeatsFocus",     FaceKind::Up,   true,  F, 0, F, T, T, kOver},
        FaceColorCase{"UpDisabledBeatsHover",  FaceKind::Up,   false, F, 0, F, T, T, kDisabled},
        FaceColorCase{"UpIgnoresPressed",      FaceKind::Up,   true,  T, 0, F, F, F, kBack},
        FaceColorCase{"DownPressed",           FaceKind::Down, true,  T, 0, F, F, F, kDown},
        FaceColorCase{"DownPressedUnderPointer", FaceKind::Down, true, T, 0, F, T, T, kDown},
        FaceColorCase{"DownToggledOnAway",     FaceKind::Down, true,  F, 1, T, F, F, kDown},
        FaceColorCase{"DownToggledOnHovered",  FaceKind::Down, true,  F, 1, T, T, F, kDown},
        FaceColorCase{"DownToggleValueStandardMode", FaceKind::Down, true, F, 0, T, T, F, kOver},
        FaceColorCase{"DownDisabledBeatsPressed", FaceKind::Down, false, T, 0, F, T, T, kDisabled},
        FaceColorCase{"DownDisabledBeatsToggled", FaceKind::Down, false, F, 1, T, F, F, kDisabled},
        FaceColorCase{"DownFocusOnly",         FaceKind::Down, true,  F, 0, F, F, T, kFocus},
        FaceColorCase{"DownRest",              FaceKind::Down, true,  F, 2, F, F, F, kBack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanLineGradient, DivisorZeroKeepsTheStepOfAnEarlierGradient) {
    FaceCanvas c(8, 12);
    c.ramp = SyntheticRamp(20);
    FaceState s = TestState(3, 8, 12);
    FaceTarget t = c.Target();
    FacePatterns f(s, t, FaceKind::Up);
    EXPECT_EQ(f.Step(), 0.0f);  // every paint starts at 0
    f.ScanLineGradient(0, 0, 1, 0, 8, 5, 2);  // step 2.5
    EXPECT_EQ(f.Step(), 2.5f);
    f.ScanLineGradient(4, 0, 5, 0, 8, 9, 0);  // 9 / 0 fails: the step stays 2.5
    EXPECT_EQ(f.Step(), 2.5f);
    // rows 4 + i take R[2.5 i]: 0, 2 (2.5 -> 2), 5, 8 (7.5 -> 8), 10, 12 (12.5 -> 12)
    const int entry[] = {0, 2, 5, 8, 10, 12};
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(c.At(3, 4 + i), c.ramp[entry[i]]) << i;
}

TEST(ScanLineGradient, DivisorZeroAtTheStartOfAPaintUsesStepZero) {
    FaceCanvas c(8, 6);
    c.ramp = SyntheticRamp(20);
    FaceState s = TestState(3, 8, 6);
    {
        FaceTarget t = c.Target();
        FacePatterns first(s, t, FaceKind::Up);
        first.ComputeStep(16, 3);
    }
    FaceTarget t = c.Target();
    FacePatterns f(s, t, FaceKind::Up);
    f.ScanLineGradient(0, 0, 5, 0, 8, 16, 0);
    for (int row = 0; row < 6; ++row) EXPECT_EQ(c.At(4, row), c.ramp[0]) << row;
}

TEST(ScanLineGradient, StepIsSinglePrecision) {
    FaceCanvas c(4, 4);
    FaceState s = TestState(3, 4, 4);
    FaceTarget t = c.Target();
    FacePatterns f(s, t, FaceKind::Up);
    f.ComputeStep(16, 15);
    EXPECT_EQ(f.Step(), static_cast<float>(16.0 / 15.0));
    EXPECT_NE(static_cast<double>(f.Step()), 16.0 / 15.0);
}

TEST(ScanLineGradient, IndexOutsideTheRampSkipsThatLineOnly) {
    // Windows XP zone press with a ten-entry ramp left by another face:
    // rows whose entry is 10 or more are skipped, the rest are drawn.
    FaceCanvas c(40, 20);
    c.ramp = SyntheticRamp(10);
    FaceState s = TestState(3, 40, 20);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    c.Down(s);
    const int entry[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    for (int row = 1; row <= 16; ++row) {
        const COLORREF want = entry[row - 1] < 10 ? c.ramp[entry[row - 1]] : kTransparent;
        EXPECT_EQ(c.At(10, row), want) << "row " << row;
    }
    // R[17], R[18], R[19] of the shading are out of range too; R[13] and R[9] of
    // the zone shading: only R[9] is drawn.
    EXPECT_EQ(c.At(10, 17), kTransparent);
    EXPECT_EQ(c.At(30, 18), c.ramp[9]);
    EXPECT_EQ(c.At(30, 17), kTransparent);
}

TEST(GuardedStatements, CoordinatesBeyondThirtyTwoBitsSkipTheStatement) {
    FaceCanvas c(4, 4);
    FaceState s = TestState(3, 4, 4);
    FaceTarget t = c.Target();
    FacePatterns f(s, t, FaceKind::Up);
    f.Rect(0, 0, std::int64_t{1} << 32, 4, 1, kBorder, kBorder);
    f.Line(0, 1, std::int64_t{-1} << 33, 1, kBorder);
    f.Frame(0, 0, 4, std::int64_t{1} << 31, kBorder);
    f.Pixel(std::int64_t{1} << 32, 0, kBorder);
    f.Line(0, 2, 4, 2, std::nullopt);
    EXPECT_TRUE(c.Matches({"....", "....", "....", "...."}, {{'.', kTransparent}}));
    f.Rect(0, 0, 4, 4, 1, kBorder, kBack);
    EXPECT_TRUE(c.Matches({"BBBB", "BFFB", "BFFB", "BBBB"}, {{'B', kBorder}, {'F', kBack}}));
}

TEST(ThreeDFace, SixteenBitOverflowSkipsTheStatementsThatUseIt) {
    // 2BW overflows for BW 16384: the frames and fills at 2BW are skipped
    // while those at BW are still drawn.
    FaceCanvas c(8, 6);
    FaceState s = TestState(0, 8, 6);
    s.appearanceMode = 1;
    s.toggleValue = kTrue;
    s.borderWidth = 16384;
    c.Down(s, kTrue);
    EXPECT_TRUE(c.Matches({"DDDDDDDD",
                           "D......D",
                           "D......D",
                           "D......D",
                           "D......D",
                           "DDDDDDDD"},
                          {{'.', kTransparent}, {'D', kDarkShadow}}));
}

TEST(CornerStep, SetsInnerCornersAndClearsOuterOnes) {
    FaceCanvas c(5, 4);
    FaceState s = TestState(3, 5, 4);
    FaceTarget t = c.Target();
    FacePatterns f(s, t, FaceKind::Up);
    f.Rect(0, 0, 5, 4, 1, kBack, kBack);
    f.CornerStep(kBorder);
    EXPECT_TRUE(c.Matches({".FFF.", "FBFBF", "FBFBF", ".FFF."},
                          {{'.', kTransparent}, {'F', kBack}, {'B', kBorder}}));
}

TEST(SeparatorPair, TwoLinesOfBorderWidth) {
    FaceCanvas c(12, 8);
    FaceState s = TestState(3, 12, 8);
    s.borderWidth = 2;
    s.dropDownWidth = 6;
    FaceTarget t = c.Target();
    FacePatterns f(s, t, FaceKind::Up);
    f.SeparatorPair(kBorder, kLight);
    // width-2 pens centred on x = 6 and x = 8, from y 2 to y 6
    for (int y = 2; y <= 5; ++y) {
        EXPECT_EQ(c.At(5, y), kBorder) << y;
        EXPECT_EQ(c.At(6, y), kBorder) << y;
        EXPECT_EQ(c.At(7, y), kLight) << y;
        EXPECT_EQ(c.At(8, y), kLight) << y;
    }
    EXPECT_EQ(c.At(4, 4), kTransparent);
    EXPECT_EQ(c.At(9, 4), kTransparent);
}

}  // namespace
}  // namespace vemmix::test
