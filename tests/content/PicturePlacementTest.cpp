// Where the state picture goes, which one is shown, and the rectangles the
// caption is laid out in.
#include <gtest/gtest.h>

#include "content/PictureDrawing.h"
#include "tests/content/ContentFixture.h"

namespace vemmix::test {
namespace {

constexpr gdi::COLORREF kBlue = 0xFF0000;
constexpr gdi::COLORREF kGrey = 0x808080;

class PlacementTest : public PlainButtonTest {
protected:
    PlacementTest() { buttonBounds = {0, 0, 100, 40}; }
    void SetUp() override {
        PlainButtonTest::SetUp();
        btn().SetPictureAlignment(ecAlignment::MiddleCenter);
    }
    gdi::RECT PictureBox(gdi::COLORREF colour = kRed) const { return BoxOf(Pixels(), colour); }
};

TEST(PixelsFromHimetric, RoundsHalvesToEven) {
    // at 127 dpi one pixel is 20 HIMETRIC
    EXPECT_EQ(content::PixelsFromHimetric(30, 127), 2);   // 1.5
    EXPECT_EQ(content::PixelsFromHimetric(50, 127), 2);   // 2.5
    EXPECT_EQ(content::PixelsFromHimetric(70, 127), 4);   // 3.5
    EXPECT_EQ(content::PixelsFromHimetric(51, 127), 3);   // 2.55
    EXPECT_EQ(content::PixelsFromHimetric(-50, 127), -2);
    EXPECT_EQ(content::PixelsFromHimetric(847, 96), 32);  // a 32-pixel picture at 96 dpi
    EXPECT_EQ(content::PixelsFromHimetric(847, 120), 40);
}

TEST_F(PlacementTest, NoPictureLeavesEveryAreaEqualToTheCaptionRectangle) {
    btn().SetBorderDrawEvent(ecEvents::Always);
    btn().SetBorderWidth(1);
    btn().SetCaptionOffsetX(3);
    btn().SetCaptionOffsetY(1);
    btn().Refresh();
    const CaptionLayout& layout = btn().Layout();
    const gdi::RECT expected{2 + 3, 2 + 1, 98, 38};
    EXPECT_EQ(layout.abovePicture, expected);
    EXPECT_EQ(layout.leftOfPicture, expected);
    EXPECT_EQ(layout.rightOfPicture, expected);
    EXPECT_EQ(layout.belowPicture, expected);
}

TEST_F(PlacementTest, MiddleCenterPictureAndItsFourAreas) {
    btn().SetPicture(SolidPicture(32, 32, kRed));
    EXPECT_EQ(PictureBox(), (gdi::RECT{34, 4, 66, 36}));
    const CaptionLayout& layout = btn().Layout();
    EXPECT_EQ(layout.leftOfPicture, (gdi::RECT{0, 0, 34, 40}));
    EXPECT_EQ(layout.rightOfPicture, (gdi::RECT{66, 0, 100, 40}));
    EXPECT_EQ(layout.abovePicture, (gdi::RECT{0, 0, 100, 4}));
    EXPECT_EQ(layout.belowPicture, (gdi::RECT{0, 36, 100, 40}));
}

TEST_F(PlacementTest, CaptionRectangleIsTheContentBoxAboveThePicture) {
    btn().SetCaptionPosition(ecCaptionPos::AbovePicture);
    btn().SetCaptionAlignment(ecAlignment::TopLeft);
    btn().SetPicture(SolidPicture(32, 32, kRed));
    // the caption routine adds 2 to the bottom of the rectangle it draws in
    EXPECT_EQ(btn().Layout().caption, (gdi::RECT{0, 0, 100, 42}));
}

TEST_F(PlacementTest, DropDownZoneIsLeftOutOfTheContentBox) {
    btn().SetAppearanceMode(ecAppearanceMode::DropDown);
    btn().SetDropDownWidth(16);
    btn().SetPicture(SolidPicture(32, 32, kRed));
    EXPECT_EQ(PictureBox(), (gdi::RECT{26, 4, 58, 36}));
    EXPECT_EQ(btn().Layout().rightOfPicture, (gdi::RECT{58, 0, 84, 40}));
}

TEST_F(PlacementTest, WindowsXpUsesMarginsOfThreeWhateverTheBorder) {
    btn().SetAppearance(ecAppearance::WindowsXP);
    btn().SetCaption(u"");
    btn().SetBorderDrawEvent(ecEvents::Always);
    btn().SetBorderWidth(6);
    btn().SetPictureAlignment(ecAlignment::TopLeft);
    btn().SetPicture(SolidPicture(8, 8, 0x123456));
    EXPECT_EQ(BoxOf(Pixels(), 0x123456), (gdi::RECT{3, 3, 11, 11}));
    EXPECT_EQ(btn().Layout().belowPicture, (gdi::RECT{3, 11, 97, 37}));
}

TEST_F(PlacementTest, BorderMarginIsBorderWidthPlusOne) {
    btn().SetBorderDrawEvent(ecEvents::OnFocus);  // anything but Never
    btn().SetBorderWidth(2);
    btn().SetPictureAlignment(ecAlignment::BottomRight);
    btn().SetPicture(SolidPicture(8, 8, kRed));
    EXPECT_EQ(PictureBox(), (gdi::RECT{100 - 3 - 8, 40 - 3 - 8, 97, 37}));
}

struct AlignmentCase {
    std::int32_t alignment;
    gdi::RECT picture;
    gdi::RECT above, leftOf, rightOf, below;
};

class AlignmentTest : public PlacementTest, public ::testing::WithParamInterface<AlignmentCase> {};

// 100 x 40, no border, a 20 x 10 picture.
INSTANTIATE_TEST_SUITE_P(
    AllNine, AlignmentTest,
    ::testing::Values(
        //            picture             above              left of            right of            below
        AlignmentCase{0, {0, 0, 20, 10},  {20, 0, 100, 40}, {20, 0, 100, 40}, {20, 0, 100, 40},  {0, 10, 100, 40}},
        AlignmentCase{1, {40, 0, 60, 10}, {0, 0, 40, 40},   {0, 0, 40, 40},   {60, 0, 100, 40},  {0, 10, 100, 40}},
        AlignmentCase{2, {80, 0, 100, 10},{0, 0, 80, 40},   {0, 0, 80, 40},   {0, 0, 80, 40},    {0, 10, 100, 40}},
        AlignmentCase{3, {0, 15, 20, 25}, {0, 0, 100, 15},  {20, 0, 100, 40}, {20, 0, 100, 40},  {0, 25, 100, 40}},
        AlignmentCase{4, {40, 15, 60, 25},{0, 0, 100, 15},  {0, 0, 40, 40},   {60, 0, 100, 40},  {0, 25, 100, 40}},
        AlignmentCase{5, {80, 15, 100, 25},{0, 0, 100, 15}, {0, 0, 80, 40},   {0, 0, 80, 40},    {0, 25, 100, 40}},
        AlignmentCase{6, {0, 30, 20, 40}, {0, 0, 100, 30},  {20, 0, 100, 40}, {20, 0, 100, 40},  {20, 0, 100, 40}},
        AlignmentCase{7, {40, 30, 60, 40},{0, 0, 100, 30},  {0, 0, 40, 40},   {60, 0, 100, 40},  {60, 0, 100, 40}},
        AlignmentCase{8, {80, 30, 100, 40},{0, 0, 100, 30}, {0, 0, 80, 40},   {0, 0, 80, 40},    {0, 0, 100, 30}}));

TEST_P(AlignmentTest, PlacesThePictureAndCopiesTheMissingSides) {
    const AlignmentCase& c = GetParam();
    btn().SetPictureAlignment(c.alignment);
    btn().SetPicture(SolidPicture(20, 10, kRed));
    EXPECT_EQ(PictureBox(), c.picture);
    const CaptionLayout& layout = btn().Layout();
    EXPECT_EQ(layout.abovePicture, c.above);
    EXPECT_EQ(layout.leftOfPicture, c.leftOf);
    EXPECT_EQ(layout.rightOfPicture, c.rightOf);
    EXPECT_EQ(layout.belowPicture, c.below);
}

TEST_F(PlacementTest, TopRightLeftAreaIgnoresThePictureOffset) {
    btn().SetPictureAlignment(ecAlignment::TopRight);
    btn().SetPictureOffsetX(-10);
    btn().SetPicture(SolidPicture(20, 10, kRed));
    EXPECT_EQ(PictureBox(), (gdi::RECT{70, 0, 90, 10}));
    EXPECT_EQ(btn().Layout().leftOfPicture, (gdi::RECT{0, 0, 80, 40}));
}

TEST_F(PlacementTest, CentredPositionsRoundHalvesToEven) {
    // an odd picture size puts the centred position on a half
    btn().SetPicture(SolidPicture(21, 11, kRed));
    EXPECT_EQ(PictureBox().left, 40);  // 39.5 to even
    EXPECT_EQ(PictureBox().top, 14);   // 20 - 5.5 = 14.5 to even
    btn().SetPictureOffsetX(1);
    btn().SetPictureOffsetY(1);
    EXPECT_EQ(PictureBox().left, 40);  // 40.5 to even
    EXPECT_EQ(PictureBox().top, 16);   // 15.5 to even
}

TEST_F(PlacementTest, SixteenBitOverflowSkipsThePositionStep) {
    btn().SetBorderDrawEvent(ecEvents::Always);
    btn().SetBorderWidth(1);
    btn().SetPictureAlignment(ecAlignment::TopLeft);
    btn().SetPictureOffsetX(32767);  // 2 + 32767 does not fit: px keeps 0
    btn().SetPicture(SolidPicture(8, 8, kRed));
    EXPECT_EQ(PictureBox(), (gdi::RECT{0, 2, 8, 10}));
    EXPECT_EQ(btn().Layout().rightOfPicture, (gdi::RECT{8, 2, 98, 38}));
}

TEST_F(PlacementTest, PictureSizeFollowsTheScreenResolution) {
    form.platform().SetScreenDpi(120, 120);
    PictureRef picture = SolidPicture(32, 32, kRed);  // 847 HIMETRIC a side
    btn().SetPictureAlignment(ecAlignment::TopLeft);
    btn().SetPicture(picture);
    // drawn 40 x 40 from a 32 x 32 bitmap: the first 32 columns and rows
    // are the bitmap, the rest is whatever a blit outside it gives
    EXPECT_EQ(btn().Layout().rightOfPicture, (gdi::RECT{40, 0, 100, 40}));
    form.platform().SetScreenDpi(96, 96);
}

TEST_F(PlacementTest, DisabledButtonWithoutDisabledPictureShowsPicture) {
    btn().SetPicture(SolidPicture(32, 32, kRed));
    btn().SetEnabled(kFalse);
    EXPECT_EQ(PictureBox(kRed), (gdi::RECT{34, 4, 66, 36}));
    btn().SetPictureDisabled(SolidPicture(32, 32, kGrey));
    EXPECT_EQ(CountOf(Pixels(), kRed), 0);
    EXPECT_EQ(PictureBox(kGrey), (gdi::RECT{34, 4, 66, 36}));
}

TEST_F(PlacementTest, PressedButtonFallsBackToOverThenPicture) {
    btn().SetPicture(SolidPicture(32, 32, kRed));
    btn().SetPictureOver(SolidPicture(32, 32, kGreen));
    MouseDown(5, 5);
    EXPECT_EQ(CountOf(Pixels(), kRed), 0);
    EXPECT_EQ(PictureBox(kGreen), (gdi::RECT{34, 4, 66, 36}));
    btn().SetPictureDown(SolidPicture(32, 32, kBlue));
    EXPECT_EQ(PictureBox(kBlue), (gdi::RECT{34, 4, 66, 36}));
    MouseUp(5, 5);
}

TEST_F(PlacementTest, ToggledOnButtonShowsThePressedPicture) {
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    btn().SetPicture(SolidPicture(32, 32, kRed));
    btn().SetPictureDown(SolidPicture(32, 32, kBlue));
    btn().SetToggleValue(kTrue);
    EXPECT_EQ(PictureBox(kBlue), (gdi::RECT{34, 4, 66, 36}));
}

TEST_F(PlacementTest, FocusPictureOnlyWithoutHover) {
    btn().SetPicture(SolidPicture(32, 32, kRed));
    btn().SetPictureFocus(SolidPicture(32, 32, kBlue));
    btn().SetPictureOver(SolidPicture(32, 32, kGreen));
    Focus();
    EXPECT_GT(CountOf(Pixels(), kBlue), 0);
    MouseMove(5, 5);
    Tick(10);
    ASSERT_EQ(btn().State().m_MouseOver, kTrue);
    EXPECT_EQ(CountOf(Pixels(), kBlue), 0);
    EXPECT_GT(CountOf(Pixels(), kGreen), 0);
}

TEST_F(PlacementTest, StretchCoversTheButtonFromTheOffsets) {
    btn().SetBorderDrawEvent(ecEvents::Always);
    btn().SetBorderWidth(3);
    btn().SetAppearanceMode(ecAppearanceMode::DropDown);
    btn().SetPictureAlignment(ecAlignment::BottomRight);
    btn().SetPictureOffsetX(5);
    btn().SetPictureOffsetY(5);
    btn().SetPictureStretch(kTrue);
    btn().SetPicture(SolidPicture(8, 8, kRed));
    // the drop-down arrow is drawn over the stretched picture
    const gdi::RECT box = PictureBox();
    EXPECT_EQ(box, (gdi::RECT{5, 5, 100, 40}));
    EXPECT_EQ(CountOf(Pixels(), kRed), 95 * 35 - 16);
}

TEST_F(PlacementTest, DepthMovesOnlyThePictureWhilePressed) {
    btn().SetDepth(2);
    btn().SetDepthEvent(ecEvents::OnClick);
    btn().SetDepthMode(ecDepthMode::OnlyPicture);
    btn().SetPicture(SolidPicture(32, 32, kRed));
    EXPECT_EQ(PictureBox(), (gdi::RECT{34, 4, 66, 36}));
    MouseDown(5, 5);
    EXPECT_EQ(PictureBox(), (gdi::RECT{36, 6, 68, 38}));
    EXPECT_EQ(btn().Layout().leftOfPicture, (gdi::RECT{0, 0, 34, 40}));
    EXPECT_EQ(btn().Layout().belowPicture, (gdi::RECT{0, 36, 100, 40}));
    MouseUp(5, 5);
    EXPECT_EQ(PictureBox(), (gdi::RECT{34, 4, 66, 36}));
}

TEST_F(PlacementTest, DepthOnlyCaptionLeavesThePicture) {
    btn().SetDepth(2);
    btn().SetDepthEvent(ecEvents::Always);
    btn().SetDepthMode(ecDepthMode::OnlyCaption);
    btn().SetPicture(SolidPicture(32, 32, kRed));
    EXPECT_EQ(PictureBox(), (gdi::RECT{34, 4, 66, 36}));
}

TEST_F(PlacementTest, MaskColouredPixelsOfThePictureShowTheBackground) {
    std::vector<std::uint32_t> pixels = SolidPixels(4, 4, 0xFF00FF);
    pixels[5] = gdi::PixelFromColor(kRed);
    btn().SetMaskColor(0xFF00FF);
    btn().SetPictureAlignment(ecAlignment::TopLeft);
    btn().SetPicture(MakeBitmapPicture(4, 4, pixels));
    EXPECT_EQ(CountOf(Pixels(), 0xFF00FF), 0);
    EXPECT_EQ(PictureBox(), (gdi::RECT{1, 1, 2, 2}));
}

// ---- drop-down zone -------------------------------------------------------

class DropDownMarkerTest : public PlacementTest {
protected:
    void SetUp() override {
        PlacementTest::SetUp();
        btn().SetAppearanceMode(ecAppearanceMode::DropDown);
        btn().SetDropDownWidth(16);
    }
};

TEST_F(DropDownMarkerTest, ArrowOfSevenFiveThreeAndOnePixels) {
    // x = nearest(100 - 16 + 8 - 3.5) = 88 (88.5 to even), y = 18
    EXPECT_TRUE(PixelArtMatches(Pixels(), {
        ".........",
        ".#######.",
        "..#####..",
        "...###...",
        "....#....",
        ".........",
    }, {{'#', 0x000000}, {'.', kBackground}}, {87, 17}));
    EXPECT_EQ(CountOf(Pixels(), 0x000000), 16);
}

TEST_F(DropDownMarkerTest, ArrowIsBlackWhenDisabled) {
    btn().SetEnabled(kFalse);
    EXPECT_EQ(BoxOf(Pixels(), 0x000000), (gdi::RECT{88, 18, 95, 22}));
}

TEST_F(DropDownMarkerTest, NoArrowOutsideDropDownMode) {
    btn().SetAppearanceMode(ecAppearanceMode::Standard);
    EXPECT_EQ(CountOf(Pixels(), 0x000000), 0);
}

TEST_F(DropDownMarkerTest, DropDownPictureIsCentredInTheZone) {
    btn().SetDropDownPicture(SolidPicture(8, 6, kBlue));
    // x = nearest(92 - 4) = 88, y = nearest(20 - 3) = 17
    EXPECT_EQ(BoxOf(Pixels(), kBlue), (gdi::RECT{88, 17, 96, 23}));
    EXPECT_EQ(CountOf(Pixels(), 0x000000), 0);
}

}  // namespace
}  // namespace vemmix::test
