// A picture costs a repaint what lands inside the button: a tiny bitmap
// that declares a huge size, or a picture far larger than the button, is
// worked on only where it is visible, and the effect pictures are bounded
// too. Measured here by the memory a repaint asks for (the speed is
// bench/PictureRepaintBench.cpp); the clipped drawing gives exactly the
// pixels the whole drawing would.
#include <gtest/gtest.h>

#include <vector>

#include "base/Limits.h"
#include "content/PictureDrawing.h"
#include "control/Zorvane.h"
#include "tests/reliability/AllocationProbe.h"
#include "tests/reliability/HostilePictures.h"
#include "tests/render/surface/SurfaceCanvas.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

using headless::HeadlessForm;
using headless::HeadlessSite;

constexpr int kWidth = 400, kHeight = 120;
// What one repaint of a 400 x 120 button may ask for: a few images of its
// size (the window's, the repaint's, the picture's three scratch copies).
constexpr std::size_t kButtonBytes = std::size_t{kWidth} * kHeight * 4;
constexpr std::size_t kRepaintBudget = 8 * kButtonBytes;


class RepaintCost : public ::testing::Test {
protected:
    HeadlessForm form;
    Zorvane& b = headless::AddButton(form, u"Zorvane1", {0, 0, kWidth, kHeight});

};

// The tests that weigh a repaint by the memory it asks for.
class RepaintMemory : public RepaintCost {
protected:
    void SetUp() override {
        if (!AllocationProbe::Works()) GTEST_SKIP() << "another allocator stands in for the probe";
    }

    // Bytes asked for by one repaint, and the largest single request.
    std::pair<std::size_t, std::size_t> RepaintAllocations() {
        AllocationProbe probe;
        b.Refresh();
        return {probe.Bytes(), probe.Largest()};
    }
};

TEST_F(RepaintMemory, TinyBitmapDeclaring16384x4096CostsTheButtonsPixels) {
    ASSERT_EQ(b.SetPicture(Declaring(16384, 4096, Bitmap(2, 2))), 0);
    for (VBool stretch : {kFalse, kTrue}) {
        b.SetPictureStretch(stretch);
        const auto [bytes, largest] = RepaintAllocations();
        EXPECT_LE(bytes, kRepaintBudget) << "stretch " << stretch;
        EXPECT_LE(largest, kButtonBytes) << "stretch " << stretch;
    }
}

TEST_F(RepaintMemory, DropDownPicture4096x4096CostsTheButtonsPixels) {
    b.SetAppearanceMode(ecAppearanceMode::DropDown);
    // the largest image a button takes, declaring a size twice as large
    ASSERT_EQ(b.SetDropDownPicture(Declaring(4096, 4096, Bitmap(2048, 2048))), 0);
    const auto [bytes, largest] = RepaintAllocations();
    EXPECT_LE(bytes, kRepaintBudget);
    EXPECT_LE(largest, kButtonBytes);
    ASSERT_EQ(b.SetDropDownPicture(Declaring(4096, 4096, Bitmap(3, 3))), 0);
    EXPECT_LE(RepaintAllocations().first, kRepaintBudget);
}

// The image itself is bounded: a stretched picture is shrunk from all of it.
TEST_F(RepaintMemory, ImagesOverFourMegapixelsAreRefused) {
    EXPECT_EQ(b.SetPicture(Bitmap(2049, 2048)), errors::kInvalidPicture);
    EXPECT_EQ(b.SetPicture(Bitmap(16384, 257)), errors::kInvalidPicture);
    EXPECT_EQ(b.Picture()->type, PictureType::None);
    EXPECT_EQ(b.SetPicture(Bitmap(16384, 256)), 0);
    b.SetPictureStretch(kTrue);
    const auto [bytes, largest] = RepaintAllocations();
    EXPECT_LE(bytes, kRepaintBudget);  // the shrink reads the image, it copies none of it
    EXPECT_LE(largest, kButtonBytes);
}

TEST_F(RepaintMemory, IconDeclaringAHugeSizeCostsTheButtonsPixels) {
    gdi::Icon icon;
    icon.width = icon.height = 4;
    icon.hasAlpha = true;
    icon.pixels.assign(16, 0xFF3366CCu);
    ASSERT_EQ(b.SetPicture(Declaring(16384, 4096, MakeIconPicture(icon))), 0);
    EXPECT_LE(RepaintAllocations().first, kRepaintBudget);
}

// The effect pictures of a picture larger than they are made for are not
// made: its states show Picture. Setting it, or MaskColor on it, stays cheap.
TEST_F(RepaintMemory, EffectPicturesOfAHugePictureAreNotMade) {
    b.SetPictureDisabledEffect(ecPictureEffect::Gray);
    b.SetPictureDownEffect(ecPictureEffect::Lighter);
    b.SetPictureFocusEffect(ecPictureEffect::Darkness);
    b.SetPictureOverEffect(ecPictureEffect::Gray);
    const PictureRef huge = Declaring(16384, 4096, Bitmap(2, 2));
    {
        AllocationProbe probe;
        ASSERT_EQ(b.SetPicture(huge), 0);
        b.SetMaskColor(0x00123456);
        EXPECT_LE(probe.Bytes(), 2 * kRepaintBudget);
    }
    EXPECT_EQ(b.PictureDisabled(), nullptr);
    EXPECT_EQ(b.PictureDown(), nullptr);
    EXPECT_EQ(b.PictureFocus(), nullptr);
    EXPECT_EQ(b.PictureOver(), nullptr);
}

TEST_F(RepaintCost, EffectPicturesUpToTheirBoundAreMade) {
    b.SetPictureOverEffect(ecPictureEffect::Gray);
    ASSERT_EQ(b.SetPicture(Declaring(2048, 2048, Bitmap(2, 2))), 0);
    ASSERT_NE(b.PictureOver(), nullptr);
    EXPECT_EQ(b.PictureOver()->widthHimetric, Him(2048));
    ASSERT_EQ(b.SetPicture(Declaring(2048, 2049, Bitmap(2, 2))), 0);
    EXPECT_EQ(b.PictureOver(), nullptr);
}

// A side of 0 pixels (a picture changed after it was set) gets no effect
// picture, and the surface's shared 1 x 1 stock bitmap is never written.
TEST_F(RepaintCost, APictureWithoutPixelsGetsNoEffectPicture) {
    const gdi::HBITMAP stock = gdi::CreateCompatibleBitmap(gdi::HDC{}, 0, 0);
    const std::vector<std::uint32_t> stockBefore(gdi::GetBitmapPixels(stock).pixels.begin(),
                                                 gdi::GetBitmapPixels(stock).pixels.end());
    const PictureRef picture = Bitmap(2, 2);
    ASSERT_EQ(b.SetPicture(picture), 0);
    b.SetMaskColor(0x000000);  // white pixels differ from the mask
    for (const auto& [width, height] : {std::pair{0, Him(2)}, std::pair{Him(2), 0}, std::pair{13, 13}}) {
        picture->widthHimetric = width;
        picture->heightHimetric = height;
        b.SetPictureDisabledEffect(ecPictureEffect::Gray);
        b.SetPictureOverEffect(ecPictureEffect::Lighter);
        EXPECT_EQ(b.PictureDisabled(), nullptr);
        EXPECT_EQ(b.PictureOver(), nullptr);
    }
    const gdi::PixelView after = gdi::GetBitmapPixels(stock);
    EXPECT_EQ(std::vector<std::uint32_t>(after.pixels.begin(), after.pixels.end()), stockBefore);
}

// Acceptance and drawing convert HIMETRIC alike: a picture taken is drawn
// at least one pixel wide and high, at every resolution.
TEST(PictureRounding, APictureTakenIsDrawnAtLeastOnePixel) {
    for (const int dpi : {72, 96, 120, 144, 192}) {
        HeadlessForm form;
        form.platform().SetScreenDpi(dpi, dpi);
        Zorvane& b = headless::AddButton(form, u"Zorvane1", {0, 0, 60, 60});
        b.SetAppearance(ecAppearance::Shaped);  // nothing but the picture
        b.SetCaption(u"");
        b.SetTransparentColor(0xFFFFFF);
        b.SetPictureAlignment(ecAlignment::TopLeft);
        HeadlessSite& site = *form.Find(u"Zorvane1");
        int taken = 0;
        for (std::int32_t himetric = 1; himetric <= 60; ++himetric) {
            const PictureRef picture = MakeBitmapPicture(1, 1, std::vector<std::uint32_t>{0x0000FFu}, dpi);
            picture->widthHimetric = picture->heightHimetric = himetric;
            b.SetPicture(nullptr);
            if (b.SetPicture(picture) != 0) continue;
            ++taken;
            int blue = 0;
            for (std::uint32_t pixel : site.pixels().pixels)
                if ((pixel & 0xFFFFFFu) == 0x0000FFu) ++blue;
            EXPECT_GE(blue, 1) << dpi << " dpi, " << himetric << " HIMETRIC";
        }
        EXPECT_GT(taken, 0) << dpi << " dpi";
    }
}

// ---- the clipped drawing gives the whole drawing's pixels -------------------

struct Placement {
    int x, y, width, height, sourceWidth, sourceHeight;
    bool stretch;
};
void PrintTo(const Placement& p, std::ostream* os) {
    *os << p.width << "x" << p.height << " at " << p.x << "," << p.y << (p.stretch ? " stretched" : "");
}

class ClippedDrawing : public ::testing::TestWithParam<Placement> {};

// The small canvas sees a window of what the large one, big enough to hold
// the whole picture, shows at an offset.
TEST_P(ClippedDrawing, MatchesTheWholeDrawing) {
    const Placement p = GetParam();
    constexpr int kSmallW = 37, kSmallH = 23, kMargin = 120;
    std::vector<std::uint32_t> pixels = Pattern(29, 31);
    for (std::size_t i = 0; i < pixels.size(); i += 3) pixels[i] = gdi::PixelFromColor(0xFF00FF);  // mask
    gdi::Icon icon;
    icon.width = 29;
    icon.height = 31;
    icon.hasAlpha = true;
    icon.pixels = pixels;
    for (std::uint32_t& q : icon.pixels) q |= (q & 1) ? 0xFF000000u : 0x80000000u;
    for (const PictureRef& picture : {MakeBitmapPicture(29, 31, pixels), MakeIconPicture(icon)}) {
        gdi::test::Canvas small(kSmallW, kSmallH, 0x4080C0);
        gdi::test::Canvas large(kSmallW + 2 * kMargin, kSmallH + 2 * kMargin, 0x4080C0);
        content::DrawPicture(small.Dc(), p.x, p.y, p.width, p.height, picture.get(), 0, 0, 0xFF00FF,
                             gdi::HPALETTE{}, p.sourceWidth, p.sourceHeight, p.stretch);
        content::DrawPicture(large.Dc(), p.x + kMargin, p.y + kMargin, p.width, p.height, picture.get(),
                             0, 0, 0xFF00FF, gdi::HPALETTE{}, p.sourceWidth, p.sourceHeight, p.stretch);
        for (int y = 0; y < kSmallH; ++y)
            for (int x = 0; x < kSmallW; ++x)
                ASSERT_EQ(gdi::GetPixel(small.Dc(), x, y), gdi::GetPixel(large.Dc(), x + kMargin, y + kMargin))
                    << "pixel " << x << "," << y << " of a " << static_cast<int>(picture->type);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Placements, ClippedDrawing,
    ::testing::Values(Placement{-11, -7, 29, 31, 0, 0, false},   // over the top-left corner
                      Placement{20, 10, 29, 31, 0, 0, false},    // over the bottom-right corner
                      Placement{-50, -50, 200, 150, 0, 0, false},  // larger than the canvas
                      Placement{-13, -9, 90, 70, 29, 31, true},  // stretched over the canvas
                      Placement{5, -20, 11, 60, 29, 31, true},   // shrunk one way, stretched the other
                      Placement{-40, 3, 61, 13, 29, 31, true},
                      Placement{30, 20, 100, 100, 29, 31, true}));

}  // namespace
}  // namespace vemmix::test
