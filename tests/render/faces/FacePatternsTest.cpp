// The shared patterns and the state colour: FaceColor, rounding, the step
// of the scan-line gradient and the skipped statements.
#include "tests/render/faces/FaceTestSupport.h"

#include <cmath>
#include <limits>
#include <random>
#include <vector>

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

// The definition: floor, plus one past a half or at a half with an odd floor.
double RoundHalfEvenByFloor(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0)) return down + 1.0;
    return down;
}

TEST(RoundHalfEven, IsTheFloorDefinitionForEveryKindOfValue) {
    std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 1.5, -1.5, 0.49999999999999994,
                                  -0.49999999999999994, 4503599627370495.5, -4503599627370495.5,
                                  4503599627370496.0, 9007199254740993.0, 1e300, -1e300,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::denorm_min(), 2147483647.5,
                                  -2147483648.5, 32767.5};
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::ldexp(1.0, static_cast<int>(random() % 64) - 8);
        const double v = (static_cast<double>(random() % 2000001) - 1000000.0) / 1000000.0 * scale;
        values.push_back(v);
        values.push_back(std::floor(v) + 0.5);  // exact halves
    }
    for (const double v : values) {
        const double want = RoundHalfEvenByFloor(v);
        const double got = RoundHalfEven(v);
        EXPECT_EQ(std::signbit(got), std::signbit(want)) << v;
        EXPECT_EQ(got, want) << v;
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<double>::quiet_NaN())));
}

struct FaceColorCase {
    const char* name;
    FaceKind kind;
    Situation situation;
    COLORREF want;
};

class FaceColorChoice : public ::testing::TestWithParam<FaceColorCase> {};

TEST_P(FaceColorChoice, FirstMatchWins) {
    const FaceColorCase& k = GetParam();
    FaceState s = StateOf(0, 4, 4);
    Apply(s, k.situation);
    PatternPaint p(s, k.kind);
    EXPECT_EQ(p.f.FaceColor(), k.want);
}


const FaceColorCase kFaceColorCases[] = {
    // name                          face            {enabled, pressed, mode, toggle, over, focus}  colour
    {"UpRest",                       FaceKind::Up,   {true,  F, 0, F, F, F}, kBack},
    {"UpFocus",                      FaceKind::Up,   {true,  F, 0, F, F, T}, kFocus},
    {"UpHoverBeatsFocus",            FaceKind::Up,   {true,  F, 0, F, T, T}, kOver},
    {"UpDisabledBeatsHover",         FaceKind::Up,   {false, F, 0, F, T, T}, kDisabled},
    {"UpIgnoresPressed",             FaceKind::Up,   {true,  T, 0, F, F, F}, kBack},
    {"DownPressed",                  FaceKind::Down, {true,  T, 0, F, F, F}, kDown},
    {"DownPressedUnderPointer",      FaceKind::Down, {true,  T, 0, F, T, T}, kDown},
    {"DownToggledOnAway",            FaceKind::Down, {true,  F, 1, T, F, F}, kDown},
    {"DownToggledOnHovered",         FaceKind::Down, {true,  F, 1, T, T, F}, kDown},
    {"DownToggleValueStandardMode",  FaceKind::Down, {true,  F, 0, T, T, F}, kOver},
    {"DownDisabledBeatsPressed",     FaceKind::Down, {false, T, 0, F, T, T}, kDisabled},
    {"DownDisabledBeatsToggled",     FaceKind::Down, {false, F, 1, T, F, F}, kDisabled},
    {"DownFocusOnly",                FaceKind::Down, {true,  F, 0, F, F, T}, kFocus},
    {"DownRest",                     FaceKind::Down, {true,  F, 2, F, F, F}, kBack},
};

INSTANTIATE_TEST_SUITE_P(Table, FaceColorChoice, ::testing::ValuesIn(kFaceColorCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScanLineGradient, DivisorZeroKeepsTheStepOfAnEarlierGradient) {
    PatternPaint p(StateOf(3, 8, 12), FaceKind::Up, SyntheticRamp(20));
    FacePatterns& f = p.f;
    EXPECT_EQ(f.Step(), 0.0f);  // every paint starts at 0
    f.ScanLineGradient(0, 0, 1, 0, 8, 5, 2);  // step 2.5
    EXPECT_EQ(f.Step(), 2.5f);
    f.ScanLineGradient(4, 0, 5, 0, 8, 9, 0);  // 9 / 0 fails: the step stays 2.5
    EXPECT_EQ(f.Step(), 2.5f);
    // rows 4 + i take R[2.5 i]: 0, 2 (2.5 -> 2), 5, 8 (7.5 -> 8), 10, 12 (12.5 -> 12)
    const int entry[] = {0, 2, 5, 8, 10, 12};
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(p.canvas.At(3, 4 + i), p.canvas.ramp[entry[i]]) << i;
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
    PatternPaint p(StateOf(3, 4, 4));
    FacePatterns& f = p.f;
    f.ComputeStep(16, 15);
    EXPECT_EQ(f.Step(), static_cast<float>(16.0 / 15.0));
    EXPECT_NE(static_cast<double>(f.Step()), 16.0 / 15.0);
}

TEST(ScanLineGradient, IndexOutsideTheRampSkipsThatLineOnly) {
    // Windows XP zone press with a ten-entry ramp left by another face:
    // rows whose entry is 10 or more are skipped, the rest are drawn.
    FaceCanvas c(40, 20);
    c.ramp = SyntheticRamp(10);
    c.Down(StateOf(3, 40, 20).ZonePress());
    for (int row = 1; row <= 16; ++row) {
        const int entry = kSixteenOverFifteen[row - 1];
        const COLORREF want = entry < 10 ? c.ramp[entry] : kTransparent;
        EXPECT_EQ(c.At(10, row), want) << "row " << row;
    }
    // R[17], R[18], R[19] of the shading are out of range too; R[13] and R[9] of
    // the zone shading: only R[9] is drawn.
    EXPECT_EQ(c.At(10, 17), kTransparent);
    EXPECT_EQ(c.At(30, 18), c.ramp[9]);
    EXPECT_EQ(c.At(30, 17), kTransparent);
}

TEST(GuardedStatements, CoordinatesBeyondThirtyTwoBitsSkipTheStatement) {
    PatternPaint p(StateOf(3, 4, 4));
    FacePatterns& f = p.f;
    const FaceCanvas& c = p.canvas;
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
    c.Down(StateOf(0, 8, 6).ToggledOn().BorderWidth(16384), kTrue);
    EXPECT_TRUE(c.Matches({"DDDDDDDD",
                           "D......D",
                           "D......D",
                           "D......D",
                           "D......D",
                           "DDDDDDDD"},
                          {{'.', kTransparent}, {'D', kDarkShadow}}));
}

TEST(CornerStep, SetsInnerCornersAndClearsOuterOnes) {
    PatternPaint p(StateOf(3, 5, 4));
    p.f.Rect(0, 0, 5, 4, 1, kBack, kBack);
    p.f.CornerStep(kBorder);
    EXPECT_TRUE(p.canvas.Matches({".FFF.", "FBFBF", "FBFBF", ".FFF."},
                          {{'.', kTransparent}, {'F', kBack}, {'B', kBorder}}));
}

TEST(SeparatorPair, TwoLinesOfBorderWidth) {
    PatternPaint p(StateOf(3, 12, 8).BorderWidth(2).DropDown(6));
    p.f.SeparatorPair(kBorder, kLight);
    const FaceCanvas& c = p.canvas;
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
