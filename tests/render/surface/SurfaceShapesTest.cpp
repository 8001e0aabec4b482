// Lines, rectangles, frames, fills, pixels and focus rectangles, checked as
// whole bitmaps after each step.
#include <gtest/gtest.h>

#include "SurfaceCanvas.h"

namespace vemmix::gdi::test {
namespace {

const std::map<COLORREF, char> kShapesLegend = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kBlue, 'b'},
                                          {0x000000FF ^ 0x00FFFFFF, 'R'}, {0x00FFFFFF ^ 0x00FFFFFF, '#'}};

void Line(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF c) {
    HPEN pen = CreatePen(PS_SOLID, width, c);
    HPEN old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

TEST(SurfaceShapes, LineLeavesItsEndPointUnpainted) {
    Canvas c(12, 7);
    Line(c.Dc(), 2, 5, 10, 5, 1, kBlack);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"............", "............", "............", "............",
                                        "............", "..########..", "............"}));
    // Reversed, the same length moves one pixel towards the start.
    Line(c.Dc(), 10, 1, 2, 1, 1, kRed);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"............", "...rrrrrrrr.", "............", "............",
                                        "............", "..########..", "............"}));
}

TEST(SurfaceShapes, PenWidthZeroIsOnePixel) {
    Canvas a(8, 5), b(8, 5);
    Line(a.Dc(), 0, 0, 7, 4, 0, kBlack);
    Line(b.Dc(), 0, 0, 7, 4, 1, kBlack);
    EXPECT_EQ(a.Picture(kShapesLegend), b.Picture(kShapesLegend));
    EXPECT_EQ(a.Picture(kShapesLegend), Rows({"#.......", ".##.....", "...##...", ".....##.", "........"}));
}

TEST(SurfaceShapes, DiagonalTiesBreakTheSameWayBothDirections) {
    Canvas forward(5, 3), backward(5, 3);
    Line(forward.Dc(), 0, 0, 4, 2, 1, kBlack);
    Line(backward.Dc(), 4, 2, 0, 0, 1, kBlack);
    // The pixels both walks share are the same; each leaves out its own end.
    EXPECT_EQ(forward.Picture(kShapesLegend), Rows({"##...", "..##.", "....."}));
    EXPECT_EQ(backward.Picture(kShapesLegend), Rows({".#...", "..##.", "....#"}));
}

TEST(SurfaceShapes, WidePenIsCentredWithRoundEnds) {
    Canvas c(12, 7);
    Line(c.Dc(), 3, 3, 8, 3, 3, kBlack);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"............", "............", "...######...", "..########..",
                                        "...######...", "............", "............"}));
}

TEST(SurfaceShapes, RectangleInsideFrameKeepsThePenInside) {
    Canvas c(8, 6);
    {
        PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 2, kBlack, kRed);
        Rectangle(c.Dc(), 1, 1, 7, 6);
    }
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"........", ".######.", ".######.", ".##rr##.", ".######.",
                                        ".######."}));
}

TEST(SurfaceShapes, OnePixelInsideFramePenDrawsLikeASolidPen) {
    Canvas inside(7, 6), solid(7, 6);
    {
        PenAndBrush tools(inside.Dc(), PS_INSIDEFRAME, 1, kBlack, kRed);
        RoundRect(inside.Dc(), 0, 0, 7, 6, 4, 4);
        Rectangle(inside.Dc(), 2, 1, 5, 4);
    }
    {
        PenAndBrush tools(solid.Dc(), PS_SOLID, 1, kBlack, kRed);
        RoundRect(solid.Dc(), 0, 0, 7, 6, 4, 4);
        Rectangle(solid.Dc(), 2, 1, 5, 4);
    }
    EXPECT_EQ(inside.Picture(kShapesLegend), solid.Picture(kShapesLegend));
}

TEST(SurfaceShapes, WideRoundRectKeepsPenInsideAndBrushWithin) {
    Canvas c(9, 8);
    {
        PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 2, kBlack, kRed);
        RoundRect(c.Dc(), 0, 0, 9, 8, 5, 5);
    }
    const std::string p = c.Picture(kShapesLegend);
    EXPECT_EQ(p.find('?'), std::string::npos);
    // Corners stay background, the centre is brush, every edge row and column holds pen.
    EXPECT_EQ(p[0], '.');
    EXPECT_EQ(GetPixel(c.Dc(), 4, 4), kRed);
    EXPECT_EQ(GetPixel(c.Dc(), 4, 0), kBlack);
    EXPECT_EQ(GetPixel(c.Dc(), 4, 7), kBlack);
    EXPECT_EQ(GetPixel(c.Dc(), 0, 4), kBlack);
    EXPECT_EQ(GetPixel(c.Dc(), 8, 4), kBlack);
}

TEST(SurfaceShapes, RectangleWithPenWidthZeroOrOneIsAOnePixelFrame) {
    for (int width : {0, 1}) {
        Canvas c(6, 5);
        {
            PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, width, kBlack, kRed);
            Rectangle(c.Dc(), 4, 4, 0, 0);  // inverted corners are reordered
        }
        EXPECT_EQ(c.Picture(kShapesLegend), Rows({"####..", "#rr#..", "#rr#..", "####..", "......"}))
            << "width " << width;
    }
}

TEST(SurfaceShapes, RoundRectWithCornerThree) {
    Canvas c(7, 6);
    {
        PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 1, kBlack, kRed);
        RoundRect(c.Dc(), 0, 0, 7, 6, 3, 3);
    }
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({".#####.", "#rrrrr#", "#rrrrr#", "#rrrrr#", "#rrrrr#",
                                        ".#####."}));
}

// A narrow shape with a tall corner ellipse: the ellipse walk ends before
// the region's first and last rows, and those rows stay empty, as the
// outline leaves them.
TEST(SurfaceShapes, NarrowRoundRectWithTallCornerStaysInsideItsOutline) {
    Canvas c(7, 10);
    {
        PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 1, kBlack, kRed);
        RoundRect(c.Dc(), 2, 0, 5, 10, 8, 8);
    }
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({".......", "...#...", "..#r#..", "..#r#..", "..#r#..",
                                        "..#r#..", "..#r#..", "..#r#..", "...#...", "......."}));
}

struct OffShape {
    int left;
    int width;
    int height;
    int diameter;
};

class RoundRectOffTheBitmap : public ::testing::TestWithParam<OffShape> {};

// A round rectangle that lies wholly beside the bitmap paints nothing on it.
TEST_P(RoundRectOffTheBitmap, PaintsNothing) {
    const OffShape s = GetParam();
    Canvas c(6, 30);
    const std::string blank = c.Picture(kShapesLegend);
    {
        PenAndBrush tools(c.Dc(), PS_INSIDEFRAME, 1, kBlack, kRed);
        RoundRect(c.Dc(), s.left, 0, s.left + s.width, s.height, s.diameter, s.diameter);
    }
    EXPECT_EQ(c.Picture(kShapesLegend), blank);
}

INSTANTIATE_TEST_SUITE_P(NarrowAndTall, RoundRectOffTheBitmap,
                         ::testing::Values(OffShape{-4, 3, 22, 8}, OffShape{-3, 3, 16, 11},
                                           OffShape{6, 3, 22, 8}, OffShape{-4, 4, 28, 20},
                                           OffShape{-9, 9, 30, 9}),
                         [](const ::testing::TestParamInfo<OffShape>& info) {
                             const OffShape& s = info.param;
                             return (s.left < 0 ? "Left" : "Right") + std::to_string(s.width) + "x" +
                                    std::to_string(s.height) + "Corner" + std::to_string(s.diameter);
                         });

TEST(SurfaceShapes, RoundRectWithCornerZeroOrTwoIsARectangle) {
    Canvas round(6, 5), plain(6, 5);
    {
        PenAndBrush tools(round.Dc(), PS_INSIDEFRAME, 1, kBlack, kRed);
        RoundRect(round.Dc(), 0, 0, 6, 5, 2, 2);
    }
    {
        PenAndBrush tools(plain.Dc(), PS_INSIDEFRAME, 1, kBlack, kRed);
        Rectangle(plain.Dc(), 0, 0, 6, 5);
    }
    EXPECT_EQ(round.Picture(kShapesLegend), plain.Picture(kShapesLegend));
}

TEST(SurfaceShapes, FrameRectAndFillRect) {
    Canvas c(6, 5);
    HBRUSH black = CreateSolidBrush(kBlack);
    HBRUSH red = CreateSolidBrush(kRed);
    EXPECT_EQ(FrameRect(c.Dc(), RECT{0, 0, 5, 4}, black), 1);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"#####.", "#...#.", "#...#.", "#####.", "......"}));
    EXPECT_EQ(FillRect(c.Dc(), RECT{1, 1, 3, 3}, red), 1);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"#####.", "#rr.#.", "#rr.#.", "#####.", "......"}));
    // An inverted fill covers the pixels left of (and above) left + 1.
    c.Fill(kWhite);
    FillRect(c.Dc(), RECT{3, 3, 1, 1}, red);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"......", "......", "..rr..", "..rr..", "......"}));
    // An inverted frame draws nothing.
    EXPECT_EQ(FrameRect(c.Dc(), RECT{4, 0, 0, 4}, black), 0);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"......", "......", "..rr..", "..rr..", "......"}));
    DeleteObject(black);
    DeleteObject(red);
}

TEST(SurfaceShapes, PixelsAndClipping) {
    Canvas c(3, 2);
    EXPECT_TRUE(SetPixelV(c.Dc(), 2, 1, kRed));
    EXPECT_FALSE(SetPixelV(c.Dc(), 3, 1, kRed));
    EXPECT_EQ(GetPixel(c.Dc(), 2, 1), kRed);
    EXPECT_EQ(GetPixel(c.Dc(), -1, 0), CLR_INVALID);
    Line(c.Dc(), -100, -1, 100, 2, 1, kBlack);  // far outside on both ends
    Line(c.Dc(), -5, 0, 50, 0, 5, kBlue);
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"bbb", "bbb"}));
}

TEST(SurfaceShapes, FocusRectInvertsEveryOtherPixelAndUndoesItself) {
    Canvas c(7, 5);
    EXPECT_TRUE(DrawFocusRect(c.Dc(), RECT{0, 0, 7, 5}));
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({"#.#.#.#", ".......", "#.....#", ".......", "#.#.#.#"}));
    DrawFocusRect(c.Dc(), RECT{0, 0, 7, 5});
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({".......", ".......", ".......", ".......", "......."}));
    // The dots start at the top-right corner: an even width shifts them.
    DrawFocusRect(c.Dc(), RECT{0, 0, 6, 3});
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({".#.#.#.", "#......", ".#.#.#.", ".......", "......."}));
    // A one-pixel-high rectangle is walked there and back: the inner dots cancel.
    c.Fill(kWhite);
    DrawFocusRect(c.Dc(), RECT{0, 4, 7, 5});
    EXPECT_EQ(c.Picture(kShapesLegend), Rows({".......", ".......", ".......", ".......", "#.....#"}));
}

}  // namespace
}  // namespace vemmix::gdi::test
