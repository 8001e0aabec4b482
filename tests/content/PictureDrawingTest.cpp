// Transparent drawing of bitmaps and icons onto a face.
#include <gtest/gtest.h>

#include <vector>

#include "content/PictureDrawing.h"
#include "tests/content/ContentFixture.h"

namespace vemmix::test {
namespace {

constexpr gdi::COLORREF kFace = 0x4080C0;

// A 12 x 12 destination filled with the face colour.
class PictureDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_Live = gdi::LiveObjectCount();
        m_DC = gdi::CreateCompatibleDC(gdi::HDC{});
        m_Bitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, 12, 12);
        m_Old = gdi::SelectObject(m_DC, m_Bitmap);
        const gdi::HBRUSH brush = gdi::CreateSolidBrush(kFace);
        gdi::FillRect(m_DC, gdi::RECT{0, 0, 12, 12}, brush);
        gdi::DeleteObject(brush);
    }
    void TearDown() override {
        gdi::SelectObject(m_DC, m_Old);
        gdi::DeleteObject(m_Bitmap);
        gdi::DeleteDC(m_DC);
        EXPECT_EQ(gdi::LiveObjectCount(), m_Live) << "drawing objects leaked";
    }
    gdi::PixelView View() const { return gdi::GetBitmapPixels(m_Bitmap); }
    gdi::COLORREF At(int x, int y) const { return gdi::GetPixel(m_DC, x, y); }

    gdi::HDC m_DC;
    gdi::HBITMAP m_Bitmap, m_Old;
    std::size_t m_Live = 0;
};

TEST_F(PictureDrawingTest, MaskColouredPixelsShowTheFace) {
    // . mask, # red, o one unit off the mask colour
    std::vector<std::uint32_t> pixels = SolidPixels(4, 3, kMask);
    pixels[1] = gdi::PixelFromColor(kRed);
    pixels[6] = gdi::PixelFromColor(0xFF00FE);
    pixels[11] = gdi::PixelFromColor(0xFE00FF);
    PictureRef picture = MakeBitmapPicture(4, 3, pixels);
    const std::size_t live = gdi::LiveObjectCount();
    content::DrawPicture(m_DC, 2, 3, 4, 3, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    EXPECT_EQ(gdi::LiveObjectCount(), live);
    EXPECT_TRUE(PixelArtMatches(View(), {
        "......",
        "...#..",
        "....o.",
        ".....O",
        "......",
    }, {{'.', kFace}, {'#', kRed}, {'o', 0xFF00FE}, {'O', 0xFE00FF}}, {0, 2}));
}

TEST_F(PictureDrawingTest, SourceOriginSelectsThePart) {
    std::vector<std::uint32_t> pixels = SolidPixels(3, 1, kRed);
    pixels[2] = gdi::PixelFromColor(kGreen);
    PictureRef picture = MakeBitmapPicture(3, 1, pixels);
    content::DrawPicture(m_DC, 0, 0, 1, 1, picture.get(), 2, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    EXPECT_EQ(At(0, 0), kGreen);
    EXPECT_EQ(At(1, 0), kFace);
}

TEST_F(PictureDrawingTest, LargerBitmapIsCroppedWithoutStretch) {
    PictureRef picture = SolidPicture(20, 20, kRed);
    content::DrawPicture(m_DC, 1, 1, 3, 2, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 20, 20, false);
    EXPECT_EQ(BoxOf(View(), kRed), (gdi::RECT{1, 1, 4, 3}));
    EXPECT_EQ(CountOf(View(), kRed), 6);
}

TEST_F(PictureDrawingTest, StretchNeedsTheFlagAndASourceSize) {
    // 2 x 2: red green / green mask
    std::vector<std::uint32_t> pixels{gdi::PixelFromColor(kRed), gdi::PixelFromColor(kGreen),
                                      gdi::PixelFromColor(kGreen), gdi::PixelFromColor(kMask)};
    PictureRef picture = MakeBitmapPicture(2, 2, pixels);
    content::DrawPicture(m_DC, 0, 0, 4, 4, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 2, 2, true);
    EXPECT_TRUE(PixelArtMatches(View(), {
        "RRGG.",
        "RRGG.",
        "GG...",
        "GG...",
        ".....",
    }, {{'.', kFace}, {'R', kRed}, {'G', kGreen}}));

    // source size 0: no stretching even with the flag
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(kFace);
    gdi::FillRect(m_DC, gdi::RECT{0, 0, 12, 12}, brush);
    gdi::DeleteObject(brush);
    content::DrawPicture(m_DC, 0, 0, 2, 2, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 0, 0, true);
    EXPECT_EQ(CountOf(View(), kRed), 1);
}

TEST_F(PictureDrawingTest, AlphaIconTransparentPartsShowTheFace) {
    gdi::Icon icon;
    icon.width = 3;
    icon.height = 1;
    icon.hasAlpha = true;
    icon.pixels = {0x00000000, 0xFFFF0000, 0x00FFFFFF};  // clear, opaque red, clear
    PictureRef picture = MakeIconPicture(icon);
    content::DrawPicture(m_DC, 4, 4, 3, 1, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    EXPECT_EQ(At(4, 4), kFace);
    EXPECT_EQ(At(5, 4), kRed);
    EXPECT_EQ(At(6, 4), kFace);
}

TEST_F(PictureDrawingTest, MaskedIconTransparentPartsShowTheFace) {
    gdi::Icon icon;
    icon.width = 2;
    icon.height = 2;
    icon.pixels = {0x00000000, 0x0000FF00, 0x00000000, 0x000000FF};  // black, green / black, blue
    icon.andMask = {1, 0, 1, 0};  // the left column keeps the destination
    PictureRef picture = MakeIconPicture(icon);
    content::DrawPicture(m_DC, 0, 0, 2, 2, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    EXPECT_EQ(At(0, 0), kFace);
    EXPECT_EQ(At(0, 1), kFace);
    EXPECT_EQ(At(1, 0), kGreen);
    EXPECT_EQ(At(1, 1), 0xFF0000u);
}

TEST_F(PictureDrawingTest, IconIsScaledByDrawIconEx) {
    gdi::Icon icon;
    icon.width = 1;
    icon.height = 1;
    icon.hasAlpha = true;
    icon.pixels = {0xFF00FF00};
    PictureRef picture = MakeIconPicture(icon);
    content::DrawPicture(m_DC, 2, 2, 4, 4, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 1, 1, true);
    EXPECT_EQ(BoxOf(View(), kGreen), (gdi::RECT{2, 2, 6, 6}));
    EXPECT_EQ(CountOf(View(), kGreen), 16);
}

TEST_F(PictureDrawingTest, MetafileAndEmptyPictureDrawNothing) {
    PictureRef metafile = MakeOtherPicture(PictureType::Metafile, 500, 500);
    PictureRef empty = MakeEmptyPicture();
    content::DrawPicture(m_DC, 0, 0, 12, 12, metafile.get(), 0, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    content::DrawPicture(m_DC, 0, 0, 12, 12, empty.get(), 0, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    content::DrawPicture(m_DC, 0, 0, 12, 12, nullptr, 0, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    EXPECT_TRUE(AreaIs(View(), {0, 0, 12, 12}, kFace));
}

TEST_F(PictureDrawingTest, TransparentBltFromAnyContextKeepsTheSourceIntact) {
    std::vector<std::uint32_t> pixels = SolidPixels(2, 1, kMask);
    pixels[1] = gdi::PixelFromColor(kRed);
    const gdi::HBITMAP bitmap = gdi::CreateBitmap(2, 1, 1, 32, pixels.data());
    const gdi::HDC source = gdi::CreateCompatibleDC(gdi::HDC{});
    const gdi::HBITMAP old = gdi::SelectObject(source, bitmap);
    const gdi::HPALETTE palette = gdi::CreateHalftonePalette(gdi::HDC{});
    content::TransparentBlt(m_DC, 10, 11, 2, 1, source, 0, 0, kMask, palette, 0, 0, false);
    EXPECT_EQ(At(10, 11), kFace);
    EXPECT_EQ(At(11, 11), kRed);
    EXPECT_EQ(gdi::GetPixel(source, 0, 0), kMask);  // the work happens on copies
    gdi::DeleteObject(palette);
    gdi::SelectObject(source, old);
    gdi::DeleteObject(bitmap);
    gdi::DeleteDC(source);
}

TEST_F(PictureDrawingTest, PartlyOutsideTheDestinationIsClipped) {
    PictureRef picture = SolidPicture(4, 4, kRed);
    content::DrawPicture(m_DC, -2, 10, 4, 4, picture.get(), 0, 0, kMask, gdi::HPALETTE{}, 0, 0, false);
    EXPECT_EQ(BoxOf(View(), kRed), (gdi::RECT{0, 10, 2, 12}));
}

}  // namespace
}  // namespace vemmix::test
