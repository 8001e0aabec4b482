// The grey, lighter and darker effects on pixel arrays and bitmaps, and the
// derived state pictures of a button.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "content/PictureEffect.h"
#include "tests/content/ContentFixture.h"

namespace vemmix::test {
namespace {


// Pixels as B, G, R, X bytes from (r, g, b) triples; X is 0xAB throughout
// so that a changed fourth byte shows.
std::vector<std::uint8_t> Bytes(const std::vector<std::array<int, 3>>& rgb) {
    std::vector<std::uint8_t> bytes;
    for (const auto& p : rgb) {
        bytes.push_back(static_cast<std::uint8_t>(p[2]));
        bytes.push_back(static_cast<std::uint8_t>(p[1]));
        bytes.push_back(static_cast<std::uint8_t>(p[0]));
        bytes.push_back(0xAB);
    }
    return bytes;
}

std::array<int, 4> PixelAt(const std::vector<std::uint8_t>& bytes, std::size_t i) {
    return {bytes[i * 4 + 2], bytes[i * 4 + 1], bytes[i * 4 + 0], bytes[i * 4 + 3]};
}

std::vector<std::uint8_t> RunEffect(std::int32_t effect, const std::vector<std::array<int, 3>>& rgb,
                              gdi::COLORREF mask = kMask) {
    std::vector<std::uint8_t> working = Bytes(rgb);
    const std::vector<std::uint8_t> original = working;
    const content::PixelArrays arrays{working, original, mask};
    if (effect == ecPictureEffect::Gray) content::Grey(arrays);
    if (effect == ecPictureEffect::Lighter) content::Brightness(arrays, 20);
    if (effect == ecPictureEffect::Darkness) content::Brightness(arrays, -15);
    return working;
}

TEST(GreyEffect, AveragesTheComponentsDroppingTheRemainder) {
    const auto out = RunEffect(ecPictureEffect::Gray, {{255, 0, 0}, {1, 1, 2}, {255, 255, 255}, {0, 0, 2}});
    EXPECT_EQ(PixelAt(out, 0), (std::array<int, 4>{85, 85, 85, 0xAB}));
    EXPECT_EQ(PixelAt(out, 1), (std::array<int, 4>{1, 1, 1, 0xAB}));
    EXPECT_EQ(PixelAt(out, 2), (std::array<int, 4>{255, 255, 255, 0xAB}));
    EXPECT_EQ(PixelAt(out, 3), (std::array<int, 4>{0, 0, 0, 0xAB}));
}

TEST(BrightnessEffect, LighterAndDarkerOfTheWorkedPixels) {
    EXPECT_EQ(PixelAt(RunEffect(ecPictureEffect::Lighter, {{250, 100, 3}}), 0),
              (std::array<int, 4>{255, 120, 4, 0xAB}));
    EXPECT_EQ(PixelAt(RunEffect(ecPictureEffect::Darkness, {{255, 10, 5}}), 0),
              (std::array<int, 4>{217, 9, 4, 0xAB}));
}

// Entry i of the table, read through a grey pixel (i, i, i).
int TableEntry(std::int32_t effect, int i) {
    return PixelAt(RunEffect(effect, {{i, i, i}}, 0x010203), 0)[0];
}

TEST(BrightnessEffect, TellingTableEntries) {
    const std::int32_t lighter = ecPictureEffect::Lighter, darker = ecPictureEffect::Darkness;
    EXPECT_EQ(TableEntry(lighter, 3), 4);
    EXPECT_EQ(TableEntry(lighter, 10), 12);
    EXPECT_EQ(TableEntry(lighter, 100), 120);
    EXPECT_EQ(TableEntry(lighter, 212), 254);
    for (int i = 213; i <= 255; ++i) EXPECT_EQ(TableEntry(lighter, i), 255) << i;
    EXPECT_EQ(TableEntry(darker, 5), 4);     // 4.25
    EXPECT_EQ(TableEntry(darker, 10), 9);    // 8.5000002: single-precision 0.85 is just above
    EXPECT_EQ(TableEntry(darker, 100), 85);
    EXPECT_EQ(TableEntry(darker, 200), 170);
    EXPECT_EQ(TableEntry(darker, 255), 217);
    EXPECT_EQ(TableEntry(darker, 50), 43);   // 42.5000012 rounds up, not to even
}

TEST(BrightnessEffect, ReadsTheUntouchedCopy) {
    std::vector<std::uint8_t> working = Bytes({{9, 9, 9}});
    const std::vector<std::uint8_t> original = Bytes({{100, 10, 3}});
    content::Brightness({working, original, kMask}, 20);
    EXPECT_EQ(PixelAt(working, 0), (std::array<int, 4>{120, 12, 4, 0xAB}));
}

class EffectMaskTest : public ::testing::TestWithParam<std::int32_t> {};
INSTANTIATE_TEST_SUITE_P(AllThree, EffectMaskTest,
                         ::testing::Values(ecPictureEffect::Gray, ecPictureEffect::Lighter,
                                           ecPictureEffect::Darkness));

TEST_P(EffectMaskTest, MaskColourStaysAndOneUnitOffDoesNot) {
    constexpr gdi::COLORREF mask = 0x3264C8;  // r 200, g 100, b 50: every effect changes it
    const std::vector<std::array<int, 3>> pixels{{200, 100, 50}, {199, 100, 50}, {200, 101, 50}, {200, 100, 51}};
    const auto out = RunEffect(GetParam(), pixels, mask);
    // as if no pixel had the mask colour
    const auto unmasked = RunEffect(GetParam(), pixels, 0x010203);
    EXPECT_EQ(PixelAt(out, 0), (std::array<int, 4>{200, 100, 50, 0xAB}));
    EXPECT_NE(PixelAt(unmasked, 0), PixelAt(out, 0));
    for (std::size_t i = 1; i < pixels.size(); ++i) EXPECT_EQ(PixelAt(out, i), PixelAt(unmasked, i)) << i;
}

TEST_P(EffectMaskTest, EveryPixelOfABitmapIncludingTheLastRowAndColumn) {
    constexpr int w = 5, h = 3;
    std::vector<std::uint32_t> pixels(w * h, gdi::PixelFromColor(0x3264C8));  // r 200 g 100 b 50
    pixels[0] = gdi::PixelFromColor(kMask);
    gdi::HBITMAP bitmap = gdi::CreateBitmap(w, h, 1, 32, pixels.data());
    ASSERT_TRUE(bitmap);
    ASSERT_TRUE(content::ApplyEffect(bitmap, GetParam(), kMask));
    const gdi::PixelView view = gdi::GetBitmapPixels(bitmap);
    const gdi::COLORREF expected = GetParam() == ecPictureEffect::Gray      ? 0x747474
                                   : GetParam() == ecPictureEffect::Lighter ? 0x3C78F0
                                                                            : 0x2B55AA;
    EXPECT_EQ(gdi::ColorFromPixel(view.pixels[0]), kMask);
    for (int i = 1; i < w * h; ++i) EXPECT_EQ(gdi::ColorFromPixel(view.pixels[i]), expected) << i;
    gdi::DeleteObject(bitmap);
}

TEST(ApplyEffect, UnknownEffectLeavesThePixels) {
    std::vector<std::uint32_t> pixels(4, gdi::PixelFromColor(0x123456));
    gdi::HBITMAP bitmap = gdi::CreateBitmap(2, 2, 1, 32, pixels.data());
    const std::size_t live = gdi::LiveObjectCount();
    EXPECT_TRUE(content::ApplyEffect(bitmap, 7, kMask));
    EXPECT_EQ(gdi::LiveObjectCount(), live);
    EXPECT_EQ(CountOf(gdi::GetBitmapPixels(bitmap), 0x123456), 4);
    gdi::DeleteObject(bitmap);
}

TEST(ApplyEffect, InvalidBitmapIsLeftAlone) {
    EXPECT_FALSE(content::ApplyEffect(gdi::HBITMAP{}, ecPictureEffect::Gray, kMask));
}

// ---- derived state pictures --------------------------------------------------

class DerivedPictureTest : public PlainButtonTest {
protected:
    PictureRef MaskedRedPicture() {
        std::vector<std::uint32_t> pixels = SolidPixels(3, 2, kMask);
        pixels[1] = gdi::PixelFromColor(0x0000FF);  // red
        pixels[5] = gdi::PixelFromColor(0x000001);  // last row and column
        return MakeBitmapPicture(3, 2, pixels);
    }
    static gdi::COLORREF At(const PictureRef& picture, int index) {
        return gdi::ColorFromPixel(gdi::GetBitmapPixels(picture->bitmap).pixels[index]);
    }
};

TEST_F(DerivedPictureTest, EachStateGetsANewPictureOfItsEffect) {
    btn().SetMaskColor(kMask);
    btn().SetPictureDisabledEffect(ecPictureEffect::Gray);
    btn().SetPictureDownEffect(ecPictureEffect::Lighter);
    btn().SetPictureFocusEffect(ecPictureEffect::Darkness);
    const PictureRef source = MaskedRedPicture();
    btn().SetPicture(source);

    ASSERT_TRUE(btn().PictureDisabled());
    ASSERT_TRUE(btn().PictureDown());
    ASSERT_TRUE(btn().PictureFocus());
    EXPECT_FALSE(btn().PictureOver());
    EXPECT_NE(btn().PictureDisabled(), source);
    EXPECT_EQ(btn().PictureDisabled()->type, PictureType::Bitmap);
    EXPECT_EQ(btn().PictureDisabled()->widthHimetric, source->widthHimetric);
    EXPECT_EQ(btn().PictureDisabled()->heightHimetric, source->heightHimetric);

    EXPECT_EQ(At(btn().PictureDisabled(), 0), kMask);
    EXPECT_EQ(At(btn().PictureDisabled(), 1), 0x555555u);
    EXPECT_EQ(At(btn().PictureDisabled(), 5), 0x000000u);
    EXPECT_EQ(At(btn().PictureDown(), 1), 0x0000FFu);
    EXPECT_EQ(At(btn().PictureFocus(), 1), 0x0000D9u);
    EXPECT_EQ(At(btn().PictureFocus(), 4), kMask);
    // the source is untouched
    EXPECT_EQ(At(source, 1), 0x0000FFu);
}

TEST_F(DerivedPictureTest, DisabledButtonShowsTheGreyPictureTransparently) {
    btn().SetMaskColor(kMask);
    btn().SetPictureAlignment(ecAlignment::TopLeft);
    btn().SetPictureDisabledEffect(ecPictureEffect::Gray);
    btn().SetPicture(MaskedRedPicture());
    btn().SetEnabled(kFalse);
    EXPECT_EQ(Pixel(1, 0), 0x555555u);
    EXPECT_EQ(Pixel(0, 0), kBackground);
    EXPECT_EQ(CountOf(Pixels(), kMask), 0);
}

TEST_F(DerivedPictureTest, IconTransparencyBecomesTheMaskColour) {
    gdi::Icon icon;
    icon.width = 2;
    icon.height = 1;
    icon.hasAlpha = true;
    icon.pixels = {0x00000000, 0xFF00FF00};  // transparent, opaque green
    btn().SetMaskColor(kMask);
    btn().SetPictureOverEffect(ecPictureEffect::Darkness);
    btn().SetPicture(MakeIconPicture(icon));
    ASSERT_TRUE(btn().PictureOver());
    EXPECT_EQ(btn().PictureOver()->type, PictureType::Bitmap);
    EXPECT_EQ(At(btn().PictureOver(), 0), kMask);
    EXPECT_EQ(At(btn().PictureOver(), 1), 0x00D900u);
}

TEST_F(DerivedPictureTest, WithoutPictureNothingIsDerived) {
    btn().SetPictureOverEffect(ecPictureEffect::Gray);
    EXPECT_FALSE(btn().PictureOver());
}

TEST_F(DerivedPictureTest, MaskColourChangeRegenerates) {
    btn().SetMaskColor(kMask);
    btn().SetPictureDisabledEffect(ecPictureEffect::Gray);
    btn().SetPicture(MaskedRedPicture());
    const PictureRef first = btn().PictureDisabled();
    btn().SetMaskColor(0x0000FF);  // now red is the mask colour, magenta is not
    ASSERT_NE(btn().PictureDisabled(), first);
    EXPECT_EQ(At(btn().PictureDisabled(), 1), 0x0000FFu);
    EXPECT_EQ(At(btn().PictureDisabled(), 0), 0xAAAAAAu);  // (255 + 0 + 255) / 3
}

TEST_F(DerivedPictureTest, RegenerationLeaksNothing) {
    btn().SetMaskColor(kMask);
    btn().SetPictureDisabledEffect(ecPictureEffect::Gray);
    btn().SetPicture(MaskedRedPicture());
    const std::size_t live = gdi::LiveObjectCount();
    btn().SetPictureDisabledEffect(ecPictureEffect::Lighter);  // replaces the derived picture
    EXPECT_EQ(gdi::LiveObjectCount(), live);
}

}  // namespace
}  // namespace vemmix::test
