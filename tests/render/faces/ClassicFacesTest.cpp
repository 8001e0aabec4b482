// 3d, flat and Shaped faces, pixel by pixel.
#include "tests/render/faces/FaceCanvas.h"

namespace vemmix::test {
namespace {

constexpr std::int32_t kThreeD = 0;
constexpr std::int32_t kFlat = 1;
constexpr std::int32_t kShaped = 2;

const std::map<char, COLORREF> kLegend = {
    {'.', kTransparent}, {'B', kBorder}, {'D', kDarkShadow}, {'S', kShadow},
    {'L', kLight},       {'F', kBack},   {'d', kDown},       {'o', kOver},
};

TEST(ThreeDUp, BorderWidthOneLeavesRightAndBottomInnerPixelsUnpainted) {
    // The outer right and bottom edges fall outside the bitmap; the inner
    // shadow lines form the visible edge and no dark-shadow pixel shows.
    FaceCanvas c(10, 8);
    c.Up(TestState(kThreeD, 10, 8), kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBBBBB",
                           "BLLLLLLLLS",
                           "BLFFFFFF.S",
                           "BLFFFFFF.S",
                           "BLFFFFFF.S",
                           "BLFFFFFF.S",
                           "BL.......S",
                           "B.SSSSSSSS"},
                          kLegend));
}

TEST(ThreeDUp, DefaultButtonHasDarkOuterFrameAndEdgesOneFurtherIn) {
    FaceCanvas c(10, 8);
    FaceState s = TestState(kThreeD, 10, 8);
    s.displayAsDefault = true;
    c.Up(s, kTrue);
    EXPECT_TRUE(c.Matches({"DDDDDDDDDD",
                           "DBBBBBBBBD",
                           "DBLLLLLLSD",
                           "DBLFFFF.SD",
                           "DBLFFFF.SD",
                           "DBL.....SD",
                           "DB.SSSSSSD",
                           "DDDDDDDDDD"},
                          kLegend));
}

TEST(ThreeDUp, WithoutBorderIsPlainFaceInsetForTheDefaultButton) {
    FaceCanvas c(6, 4);
    c.Up(TestState(kThreeD, 6, 4), kFalse);
    EXPECT_TRUE(c.Matches({"FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}, kLegend));

    FaceState s = TestState(kThreeD, 6, 4);
    s.displayAsDefault = true;
    c.Clear();
    c.Up(s, kFalse);
    EXPECT_TRUE(c.Matches({"DDDDDD", "DFFFFD", "DFFFFD", "DDDDDD"}, kLegend));
}

TEST(ThreeDUp, DropDownSeparatorIsDrawnWhateverTheBorder) {
    FaceCanvas c(12, 6);
    FaceState s = TestState(kThreeD, 12, 6);
    s.appearanceMode = 2;
    s.dropDownWidth = 4;
    c.Up(s, kFalse);
    EXPECT_TRUE(c.Matches({"FFFFFFFFDBFF",
                           "FFFFFFFFDBFF",
                           "FFFFFFFFDBFF",
                           "FFFFFFFFDBFF",
                           "FFFFFFFFDBFF",
                           "FFFFFFFFDFFF"},
                          kLegend));
}

TEST(ThreeDDown, PushedSeparatorMovesByDepth) {
    FaceCanvas c(16, 7);
    FaceState s = TestState(kThreeD, 16, 7);
    s.pressed = kTrue;
    s.appearanceMode = 2;
    s.dropDownWidth = 6;
    s.depth = 2;
    c.Down(s, kTrue);
    // Released, the pair sits at columns 10 and 11 from row 0; pushed with
    // Depth 2 it sits at columns 12 and 13 from row 2.
    EXPECT_TRUE(c.Matches({"DDDDDDDDDDDDDDDD",
                           "DSSSSSSSSSSSSSSD",
                           "DSddddddddddDBSD",
                           "DSddddddddddDBSD",
                           "DSddddddddddDBSD",
                           "DSSSSSSSSSSSDBSD",
                           "DDDDDDDDDDDDDDDD"},
                          {{'D', kDarkShadow}, {'S', kShadow}, {'d', kDown}, {'B', kBorder}}));
}

TEST(ThreeDDown, ToggledOnHasTwoToneEdges) {
    FaceCanvas c(8, 6);
    FaceState s = TestState(kThreeD, 8, 6);
    s.appearanceMode = 1;
    s.toggleValue = kTrue;
    c.Down(s, kTrue);
    EXPECT_TRUE(c.Matches({"DDDDDDDD",
                           "DSSSSSSB",
                           "DSddddLB",
                           "DSddddLB",
                           "DSLLLLLB",
                           "DBBBBBBB"},
                          {{'D', kDarkShadow}, {'S', kShadow}, {'d', kDown}, {'B', kBorder},
                           {'L', kLight}}));
}

TEST(ThreeDDown, PushedToggleModeUsesDownColourEvenWhenDisabled) {
    FaceCanvas c(6, 6);
    FaceState s = TestState(kThreeD, 6, 6);
    s.appearanceMode = 1;
    s.pressed = kTrue;
    s.enabled = false;
    c.Down(s, kTrue);
    EXPECT_EQ(c.At(2, 2), kDown);
    EXPECT_EQ(c.At(0, 0), kDarkShadow);
    EXPECT_EQ(c.At(1, 1), kShadow);
}

TEST(ThreeDDown, ZonePressWithBorderFillsTheMainInterior) {
    // The main interior is filled with FaceColor rather than left as a
    // bare frame over the background.
    FaceCanvas c(14, 8);
    FaceState s = TestState(kThreeD, 14, 8);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    s.dropDownWidth = 6;
    c.Down(s, kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBBBDDDDDD",
                           "BLLLLLLLDSSSSD",
                           "BLddddddDSddSD",
                           "BLddddddDSddSD",
                           "BLddddddDSddSD",
                           "BLddddddDSddSD",
                           "BLSSSSSSDSSSSD",
                           "BDDDDDDDDDDDDD"},
                          {{'B', kBorder}, {'D', kDarkShadow}, {'S', kShadow}, {'L', kLight},
                           {'d', kDown}}));
}

TEST(ThreeDDown, ZonePressWithoutBorderIsPlainFace) {
    FaceCanvas c(8, 4);
    FaceState s = TestState(kThreeD, 8, 4);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    s.dropDownWidth = 3;
    c.Down(s, kFalse);
    EXPECT_TRUE(c.Matches({"dddddddd", "dddddddd", "dddddddd", "dddddddd"}, kLegend));
}

TEST(FlatUp, DropDownWithoutBorderDrawsNoSeparator) {
    FaceCanvas c(10, 4);
    FaceState s = TestState(kFlat, 10, 4);
    s.appearanceMode = 2;
    s.dropDownWidth = 4;
    c.Up(s, kFalse);
    EXPECT_TRUE(c.Matches({"FFFFFFFFFF", "FFFFFFFFFF", "FFFFFFFFFF", "FFFFFFFFFF"}, kLegend));

    c.Clear();
    c.Up(s, kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBBBBB", "BFFFFFBFFB", "BFFFFFBFFB", "BBBBBBBBBB"}, kLegend));
}

TEST(FlatUp, BorderWidthIsTheOutlineWidth) {
    FaceCanvas c(8, 6);
    FaceState s = TestState(kFlat, 8, 6);
    s.borderWidth = 2;
    c.Up(s, kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBBB",
                           "BBBBBBBB",
                           "BBFFFFBB",
                           "BBFFFFBB",
                           "BBBBBBBB",
                           "BBBBBBBB"},
                          kLegend));
}

TEST(FlatDown, PushedUsesDarkShadowOutline) {
    FaceCanvas c(10, 4);
    FaceState s = TestState(kFlat, 10, 4);
    s.pressed = kTrue;
    s.appearanceMode = 2;
    s.dropDownWidth = 4;
    c.Down(s, kTrue);
    EXPECT_TRUE(c.Matches({"DDDDDDDDDD", "DdddddDddD", "DdddddDddD", "DDDDDDDDDD"}, kLegend));
}

TEST(FlatDown, ToggledOnUsesBorderOutline) {
    FaceCanvas c(6, 4);
    FaceState s = TestState(kFlat, 6, 4);
    s.appearanceMode = 1;
    s.toggleValue = kTrue;
    c.Down(s, kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBB", "BddddB", "BddddB", "BBBBBB"}, kLegend));
}

TEST(FlatDown, ZonePressWithoutBorderFillsTheFace) {
    FaceCanvas c(10, 4);
    FaceState s = TestState(kFlat, 10, 4);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    s.dropDownWidth = 4;
    c.Down(s, kFalse);
    EXPECT_TRUE(c.Matches({"ddddddDddd", "ddddddDddd", "ddddddDddd", "ddddddDddd"}, kLegend));
}

TEST(FlatDown, ZonePressWithBorderOutlinesTheZone) {
    FaceCanvas c(10, 4);
    FaceState s = TestState(kFlat, 10, 4);
    s.appearanceMode = 2;
    s.pressed = kTrue;
    s.inDropDown = kTrue;
    s.dropDownWidth = 4;
    c.Down(s, kTrue);
    EXPECT_TRUE(c.Matches({"BBBBBBDDDD", "BdddddDddD", "BdddddDddD", "BBBBBBDDDD"}, kLegend));
}

TEST(Shaped, NeitherRendererDraws) {
    FaceCanvas c(6, 4);
    FaceState s = TestState(kShaped, 6, 4);
    c.Up(s, kTrue);
    s.pressed = kTrue;
    c.Down(s, kTrue);
    EXPECT_TRUE(c.Matches({"......", "......", "......", "......"}, kLegend));
}

TEST(FaceDispatch, AppearanceOutsideTheEnumerationDrawsNothing) {
    FaceCanvas c(6, 4);
    for (std::int32_t appearance : {-1, 10, 1000}) {
        FaceState s = TestState(appearance, 6, 4);
        c.Up(s, kTrue);
        s.pressed = kTrue;
        c.Down(s, kTrue);
    }
    EXPECT_TRUE(c.Matches({"......", "......", "......", "......"}, kLegend));
    EXPECT_TRUE(c.ramp.empty());
}

TEST(FaceDispatch, ZeroWidthOrHeightDrawsNothing) {
    FaceCanvas c(6, 4);
    for (std::int32_t appearance = 0; appearance < 10; ++appearance) {
        FaceState s = TestState(appearance, 0, 4);
        c.Up(s, kTrue);
        s = TestState(appearance, 6, 0);
        s.pressed = kTrue;
        c.Down(s, kTrue);
    }
    EXPECT_TRUE(c.Matches({"......", "......", "......", "......"}, kLegend));
    EXPECT_TRUE(c.ramp.empty());
}

}  // namespace
}  // namespace vemmix::test
