// 3d, flat and Shaped faces, pixel by pixel.
#include "tests/render/faces/FaceTestSupport.h"

namespace vemmix::test {
namespace {

constexpr std::int32_t kThreeD = 0;
constexpr std::int32_t kFlat = 1;
constexpr std::int32_t kShaped = 2;

const std::map<char, COLORREF> kLegend = {
    {'.', kTransparent}, {'B', kBorder}, {'D', kDarkShadow}, {'S', kShadow},
    {'L', kLight},       {'F', kBack},   {'d', kDown},       {'o', kOver},
};

enum class Paint { Up, Down };

// One face painted into a bitmap of its own size, and the picture it makes.
struct PictureCase {
    const char* name;
    Paint paint;
    FaceState state;
    VBool border;
    std::vector<std::string> picture;
};

class ClassicPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(ClassicPicture, MatchesPixelForPixel) {
    const PictureCase& k = GetParam();
    FaceCanvas c(k.state.width, k.state.height);
    if (k.paint == Paint::Up)
        c.Up(k.state, k.border);
    else
        c.Down(k.state, k.border);
    EXPECT_TRUE(c.Matches(k.picture, kLegend));
}

const PictureCase kPictures[] = {
    // The outer right and bottom edges fall outside the bitmap; the inner
    // shadow lines form the visible edge and no dark-shadow pixel shows.
    {"ThreeDUp_BorderWidthOneLeavesRightAndBottomInnerPixelsUnpainted", Paint::Up,
     StateOf(kThreeD, 10, 8), kTrue,
     {"BBBBBBBBBB",
      "BLLLLLLLLS",
      "BLFFFFFF.S",
      "BLFFFFFF.S",
      "BLFFFFFF.S",
      "BLFFFFFF.S",
      "BL.......S",
      "B.SSSSSSSS"}},
    {"ThreeDUp_DefaultButtonHasDarkOuterFrameAndEdgesOneFurtherIn", Paint::Up,
     StateOf(kThreeD, 10, 8).AsDefault(), kTrue,
     {"DDDDDDDDDD",
      "DBBBBBBBBD",
      "DBLLLLLLSD",
      "DBLFFFF.SD",
      "DBLFFFF.SD",
      "DBL.....SD",
      "DB.SSSSSSD",
      "DDDDDDDDDD"}},
    {"ThreeDUp_WithoutBorderIsPlainFace", Paint::Up,
     StateOf(kThreeD, 6, 4), kFalse,
     {"FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}},
    {"ThreeDUp_WithoutBorderIsInsetForTheDefaultButton", Paint::Up,
     StateOf(kThreeD, 6, 4).AsDefault(), kFalse,
     {"DDDDDD", "DFFFFD", "DFFFFD", "DDDDDD"}},
    {"ThreeDUp_DropDownSeparatorIsDrawnWhateverTheBorder", Paint::Up,
     StateOf(kThreeD, 12, 6).DropDown(4), kFalse,
     {"FFFFFFFFDBFF",
      "FFFFFFFFDBFF",
      "FFFFFFFFDBFF",
      "FFFFFFFFDBFF",
      "FFFFFFFFDBFF",
      "FFFFFFFFDFFF"}},
    // Released, the pair sits at columns 10 and 11 from row 0; pushed with
    // Depth 2 it sits at columns 12 and 13 from row 2.
    {"ThreeDDown_PushedSeparatorMovesByDepth", Paint::Down,
     StateOf(kThreeD, 16, 7).Pressed().DropDown(6).Depth(2), kTrue,
     {"DDDDDDDDDDDDDDDD",
      "DSSSSSSSSSSSSSSD",
      "DSddddddddddDBSD",
      "DSddddddddddDBSD",
      "DSddddddddddDBSD",
      "DSSSSSSSSSSSDBSD",
      "DDDDDDDDDDDDDDDD"}},
    {"ThreeDDown_ToggledOnHasTwoToneEdges", Paint::Down,
     StateOf(kThreeD, 8, 6).ToggledOn(), kTrue,
     {"DDDDDDDD",
      "DSSSSSSB",
      "DSddddLB",
      "DSddddLB",
      "DSLLLLLB",
      "DBBBBBBB"}},
    // The main interior is filled with FaceColor rather than left as a
    // bare frame over the background.
    {"ThreeDDown_ZonePressWithBorderFillsTheMainInterior", Paint::Down,
     StateOf(kThreeD, 14, 8).ZonePress(6), kTrue,
     {"BBBBBBBBDDDDDD",
      "BLLLLLLLDSSSSD",
      "BLddddddDSddSD",
      "BLddddddDSddSD",
      "BLddddddDSddSD",
      "BLddddddDSddSD",
      "BLSSSSSSDSSSSD",
      "BDDDDDDDDDDDDD"}},
    {"ThreeDDown_ZonePressWithoutBorderIsPlainFace", Paint::Down,
     StateOf(kThreeD, 8, 4).ZonePress(3), kFalse,
     {"dddddddd", "dddddddd", "dddddddd", "dddddddd"}},
    {"FlatUp_DropDownWithoutBorderDrawsNoSeparator", Paint::Up,
     StateOf(kFlat, 10, 4).DropDown(4), kFalse,
     {"FFFFFFFFFF", "FFFFFFFFFF", "FFFFFFFFFF", "FFFFFFFFFF"}},
    {"FlatUp_DropDownWithBorderDrawsTheSeparator", Paint::Up,
     StateOf(kFlat, 10, 4).DropDown(4), kTrue,
     {"BBBBBBBBBB", "BFFFFFBFFB", "BFFFFFBFFB", "BBBBBBBBBB"}},
    {"FlatUp_BorderWidthIsTheOutlineWidth", Paint::Up,
     StateOf(kFlat, 8, 6).BorderWidth(2), kTrue,
     {"BBBBBBBB",
      "BBBBBBBB",
      "BBFFFFBB",
      "BBFFFFBB",
      "BBBBBBBB",
      "BBBBBBBB"}},
    {"FlatDown_PushedUsesDarkShadowOutline", Paint::Down,
     StateOf(kFlat, 10, 4).Pressed().DropDown(4), kTrue,
     {"DDDDDDDDDD", "DdddddDddD", "DdddddDddD", "DDDDDDDDDD"}},
    {"FlatDown_ToggledOnUsesBorderOutline", Paint::Down,
     StateOf(kFlat, 6, 4).ToggledOn(), kTrue,
     {"BBBBBB", "BddddB", "BddddB", "BBBBBB"}},
    {"FlatDown_ZonePressWithoutBorderFillsTheFace", Paint::Down,
     StateOf(kFlat, 10, 4).ZonePress(4), kFalse,
     {"ddddddDddd", "ddddddDddd", "ddddddDddd", "ddddddDddd"}},
    {"FlatDown_ZonePressWithBorderOutlinesTheZone", Paint::Down,
     StateOf(kFlat, 10, 4).ZonePress(4), kTrue,
     {"BBBBBBDDDD", "BdddddDddD", "BdddddDddD", "BBBBBBDDDD"}},
};

INSTANTIATE_TEST_SUITE_P(Faces, ClassicPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThreeDDown, PushedToggleModeUsesDownColourEvenWhenDisabled) {
    FaceCanvas c(6, 6);
    c.Down(StateOf(kThreeD, 6, 6).ToggleMode().Pressed().Disabled(), kTrue);
    ExpectPixels(c, {
        {2, 2, kDown},
        {0, 0, kDarkShadow},
        {1, 1, kShadow},
    });
}

// Paints every appearance in `appearances` released and pressed into one
// bitmap and checks that none of them drew or generated anything.
template <typename Appearances, typename MakeUp, typename MakeDown>
void ExpectNothingDrawn(const Appearances& appearances, MakeUp up, MakeDown down) {
    FaceCanvas c(6, 4);
    for (std::int32_t appearance : appearances) {
        c.Up(up(appearance), kTrue);
        c.Down(down(appearance), kTrue);
    }
    EXPECT_TRUE(c.Matches({"......", "......", "......", "......"}, kLegend));
    EXPECT_TRUE(c.ramp.empty());
}

TEST(Shaped, NeitherRendererDraws) {
    ExpectNothingDrawn(
        std::vector<std::int32_t>{kShaped}, [](std::int32_t a) { return FaceState(StateOf(a, 6, 4)); },
        [](std::int32_t a) { return FaceState(StateOf(a, 6, 4).Pressed()); });
}

TEST(FaceDispatch, AppearanceOutsideTheEnumerationDrawsNothing) {
    ExpectNothingDrawn(
        std::vector<std::int32_t>{-1, 10, 1000},
        [](std::int32_t a) { return FaceState(StateOf(a, 6, 4)); },
        [](std::int32_t a) { return FaceState(StateOf(a, 6, 4).Pressed()); });
}

TEST(FaceDispatch, ZeroWidthOrHeightDrawsNothing) {
    ExpectNothingDrawn(
        std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
        [](std::int32_t a) { return FaceState(StateOf(a, 0, 4)); },
        [](std::int32_t a) { return FaceState(StateOf(a, 6, 0).Pressed()); });
}

}  // namespace
}  // namespace vemmix::test
