// Coordinates at the edge of device space and beyond: calls past the limit
// fail without drawing, and huge shapes over a small bitmap draw exactly
// what the same shape drawn from nearby draws.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "SurfaceCanvas.h"

namespace vemmix::gdi::test {
namespace {

const std::map<COLORREF, char> kLimitsLegend = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}};
constexpr int kFar = kMaxCoordinate;
constexpr int kBeyond = kMaxCoordinate + 1;

struct RefusedCall {
    const char* name;
    std::function<bool(HDC)> call;
};

class BeyondDeviceSpace : public ::testing::TestWithParam<RefusedCall> {};

TEST_P(BeyondDeviceSpace, FailsAndDrawsNothing) {
    Canvas c(6, 4);
    Canvas source(6, 4, kBlack);
    const std::string blank = c.Picture(kLimitsLegend);
    PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 3, kBlack, kRed);
    EXPECT_FALSE(GetParam().call(c.Dc()));
    EXPECT_EQ(c.Picture(kLimitsLegend), blank);
    // The same kind of call inside device space draws.
    EXPECT_TRUE(BitBlt(c.Dc(), 0, 0, 6, 4, source.Dc(), 0, 0, SRCCOPY));
}

const HBRUSH& BlackBrush() {
    static thread_local HBRUSH brush = CreateSolidBrush(kBlack);
    return brush;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, BeyondDeviceSpace,
    ::testing::Values(
        RefusedCall{"LineToEnd", [](HDC dc) { MoveToEx(dc, 0, 0, nullptr); return LineTo(dc, 3, kBeyond); }},
        RefusedCall{"LineToStart",
                    [](HDC dc) { MoveToEx(dc, -kBeyond, 1, nullptr); return LineTo(dc, 3, 1); }},
        RefusedCall{"Rectangle", [](HDC dc) { return Rectangle(dc, -kBeyond, 0, 4, 3); }},
        RefusedCall{"RoundRect", [](HDC dc) { return RoundRect(dc, 0, 0, 4, kBeyond, 3, 3); }},
        RefusedCall{"RoundRectHugeCorner",
                    [](HDC dc) { return RoundRect(dc, -kFar, -kFar, kFar, kFar, kFar, kFar); }},
        RefusedCall{"FillRect",
                    [](HDC dc) { return FillRect(dc, RECT{0, 0, kBeyond, 3}, BlackBrush()) != 0; }},
        RefusedCall{"FrameRect",
                    [](HDC dc) { return FrameRect(dc, RECT{-kBeyond, 0, 4, 3}, BlackBrush()) != 0; }},
        RefusedCall{"DrawFocusRect", [](HDC dc) { return DrawFocusRect(dc, RECT{0, 0, 4, kBeyond}); }},
        RefusedCall{"BitBltExtent",
                    [](HDC dc) { return BitBlt(dc, 0, 0, kBeyond, 2, dc, 0, 0, BLACKNESS); }},
        RefusedCall{"StretchBltSource",
                    [](HDC dc) { return StretchBlt(dc, 0, 0, 4, 2, dc, 0, 0, 2, -kBeyond, SRCCOPY); }},
        RefusedCall{"PenWiderThanAnEllipse", [](HDC dc) {
                        HPEN wide = CreatePen(PS_SOLID, kMaxEllipse + 1, kBlack);
                        HPEN old = SelectObject(dc, wide);
                        MoveToEx(dc, 0, 1, nullptr);
                        const bool drawn = LineTo(dc, 5, 1);
                        SelectObject(dc, old);
                        DeleteObject(wide);
                        return drawn;
                    }}),
    [](const ::testing::TestParamInfo<RefusedCall>& info) { return std::string(info.param.name); });

void WideLine(HDC dc, POINT from, POINT to, int width) {
    HPEN pen = CreatePen(PS_SOLID, width, kBlack);
    HPEN old = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

struct FarLine {
    const char* name;
    POINT farStart;
    POINT nearStart;  // on the same line, just beside the bitmap
    POINT end;
    int width;
};

class LineFromFarAway : public ::testing::TestWithParam<FarLine> {};

// The pen's outline edges that start far above the bitmap jump to its first
// row; they must land where stepping row by row lands. The near line is
// drawn on a taller bitmap that holds its whole outline, so that it steps.
TEST_P(LineFromFarAway, CoversWhatSteppingCovers) {
    const FarLine& l = GetParam();
    constexpr int kShift = 40;
    Canvas far(12, 9), near(12, 9 + kShift);
    WideLine(far.Dc(), l.farStart, l.end, l.width);
    WideLine(near.Dc(), {l.nearStart.x, l.nearStart.y + kShift}, {l.end.x, l.end.y + kShift}, l.width);
    const std::string stepped = near.Picture(kLimitsLegend).substr(kShift * 13);
    EXPECT_EQ(far.Picture(kLimitsLegend), stepped);
    EXPECT_NE(stepped, Canvas(12, 9).Picture(kLimitsLegend));
}

INSTANTIATE_TEST_SUITE_P(
    Slopes, LineFromFarAway,
    ::testing::Values(FarLine{"Diagonal", {-100000000, -100000000}, {-20, -20}, {6, 6}, 3},
                      FarLine{"Steep", {8 - 25000000, 16 - 100000000}, {1, -12}, {8, 16}, 5},
                      FarLine{"Falling", {4 + 100000000, 6 - 100000000}, {30, -20}, {4, 6}, 4},
                      FarLine{"Shallow", {10 - 100000010, 5 - 50000005}, {-20, -10}, {10, 5}, 8}),
    [](const ::testing::TestParamInfo<FarLine>& info) { return std::string(info.param.name); });

TEST(SurfaceLimits, RoundRectTallerThanDeviceSpaceAllowsShowsItsStraightMiddle) {
    Canvas c(7, 4);
    {
        PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 1, kBlack, kRed);
        EXPECT_TRUE(RoundRect(c.Dc(), 0, -kFar, 7, kFar, 5, kMaxEllipse));
    }
    EXPECT_EQ(c.Picture(kLimitsLegend), Rows({"#rrrrr#", "#rrrrr#", "#rrrrr#", "#rrrrr#"}));
}

TEST(SurfaceLimits, WideRectangleAroundTheBitmapPaintsOnlyItsInterior) {
    Canvas c(5, 3);
    {
        PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 9, kBlack, kRed);
        EXPECT_TRUE(Rectangle(c.Dc(), -kFar, -kFar, kFar, kFar));
        EXPECT_TRUE(RoundRect(c.Dc(), -kFar, -kFar, kFar, kFar, 1000, 1000));
    }
    EXPECT_EQ(c.Picture(kLimitsLegend), Rows({"rrrrr", "rrrrr", "rrrrr"}));
}

TEST(SurfaceLimits, ThinLineAcrossAllOfDeviceSpaceCrossesTheBitmap) {
    Canvas c(5, 5);
    WideLine(c.Dc(), {-kFar, -kFar}, {kFar, kFar}, 1);
    EXPECT_EQ(c.Picture(kLimitsLegend), Rows({"#....", ".#...", "..#..", "...#.", "....#"}));
}

// Every call with values drawn from the edges of device space and beyond:
// the sanitizer builds catch any write outside the bitmap or overflow, and
// the object table ends as it began.
TEST(SurfaceLimits, HostileCallsStayInsideTheBitmap) {
    constexpr std::array<int, 22> kValues = {0, 1, -1, 2, 3, 8, 11, 40, -40, 1000, 65535, 65536,
                                             -65536, 1 << 20, kFar, -kFar, kFar - 1, kBeyond,
                                             -kBeyond, 1 << 30, INT32_MAX, INT32_MIN};
    std::mt19937 random(20261208);
    auto pick = [&] {
        return random() % 2 ? kValues[random() % kValues.size()] : static_cast<int>(random() % 81) - 40;
    };
    Canvas source(13, 11, kRed);
    const HBRUSH brush = BlackBrush();
    const std::size_t before = LiveObjectCount();
    for (int round = 0; round < 1500; ++round) {
        Canvas c(1 + static_cast<int>(random() % 40), 1 + static_cast<int>(random() % 20));
        const int penWidth = random() % 3 ? static_cast<int>(random() % 10) : pick();
        PenAndBrush tools(c.Dc(), random() % 2 ? PS_SOLID : PS_INSIDEFRAME, penWidth, kBlack, kRed);
        for (int call = 0; call < 6; ++call) {
            switch (random() % 8) {
                case 0: MoveToEx(c.Dc(), pick(), pick(), nullptr); LineTo(c.Dc(), pick(), pick()); break;
                case 1: Rectangle(c.Dc(), pick(), pick(), pick(), pick()); break;
                case 2: RoundRect(c.Dc(), pick(), pick(), pick(), pick(), pick(), pick()); break;
                case 3: FrameRect(c.Dc(), RECT{pick(), pick(), pick(), pick()}, brush); break;
                case 4: DrawFocusRect(c.Dc(), RECT{pick(), pick(), pick(), pick()}); break;
                case 5:
                    StretchBlt(c.Dc(), pick(), pick(), pick(), pick(), source.Dc(), pick(), pick(), pick(),
                               pick(), SRCCOPY);
                    break;
                case 6: BitBlt(c.Dc(), pick(), pick(), pick(), pick(), source.Dc(), pick(), pick(), SRCINVERT); break;
                default: FillRect(c.Dc(), RECT{pick(), pick(), pick(), pick()}, brush); break;
            }
        }
    }
    EXPECT_EQ(LiveObjectCount(), before);
}

}  // namespace
}  // namespace vemmix::gdi::test
