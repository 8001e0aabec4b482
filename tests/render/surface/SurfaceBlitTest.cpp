// Block transfers: raster operations, colour/monochrome conversion, stretching.
#include <gtest/gtest.h>

#include "SurfaceCanvas.h"

namespace vemmix::gdi::test {
namespace {

const std::map<COLORREF, char> kBlitLegend = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kBlue, 'b'}};

struct RopCase {
    DWORD rop;
    COLORREF source;
    COLORREF dest;
    COLORREF expected;
};

class SurfaceRop : public ::testing::TestWithParam<RopCase> {};

TEST_P(SurfaceRop, CombinesSourceAndDestination) {
    const RopCase& p = GetParam();
    Canvas source(2, 1, p.source), dest(2, 1, p.dest);
    EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, p.rop));
    EXPECT_EQ(GetPixel(dest.Dc(), 0, 0), p.expected);
    EXPECT_EQ(GetPixel(dest.Dc(), 1, 0), p.dest);  // outside the block
}

INSTANTIATE_TEST_SUITE_P(
    Table, SurfaceRop,
    ::testing::Values(RopCase{SRCCOPY, 0x123456, 0xABCDEF, 0x123456},
                      RopCase{SRCAND, 0x0F0F0F, 0x3355FF, 0x03050F},
                      RopCase{SRCPAINT, 0x0F0F0F, 0x305000, 0x3F5F0F},
                      RopCase{SRCINVERT, 0x0F0F0F, 0xFF00F0, 0xF00FFF},
                      RopCase{SRCANDNOTDST, 0x0F00FF, 0xFFFFFF, 0xF0FF00},
                      RopCase{SRCERASE, 0x00FF00, 0x0F0F0F, 0x00F000},
                      RopCase{NOTSRCCOPY, 0x00FF00, 0x123456, 0xFF00FF},
                      RopCase{DSTINVERT, 0x123456, 0x00FF00, 0xFF00FF},
                      RopCase{BLACKNESS, 0x123456, 0xABCDEF, 0x000000},
                      RopCase{WHITENESS, 0x123456, 0xABCDEF, 0xFFFFFF}));

TEST(SurfaceBlit, ClipsToBothBitmaps) {
    Canvas source(3, 2, kRed), dest(4, 3);
    BitBlt(dest.Dc(), 2, 1, 5, 5, source.Dc(), 1, 0, SRCCOPY);
    EXPECT_EQ(dest.Picture(kBlitLegend), Rows({"....", "..rr", "..rr"}));
    BitBlt(dest.Dc(), -1, 0, 3, 1, source.Dc(), -1, 0, SRCCOPY);  // source column -1 is not there
    EXPECT_EQ(dest.Picture(kBlitLegend), Rows({"rr..", "..rr", "..rr"}));
}

TEST(SurfaceBlit, OverlappingBlitWithinOneBitmapReadsBeforeWriting) {
    Canvas c(4, 1);
    SetPixelV(c.Dc(), 0, 0, kRed);
    SetPixelV(c.Dc(), 1, 0, kBlue);
    BitBlt(c.Dc(), 1, 0, 3, 1, c.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(c.Picture(kBlitLegend), Rows({"rrb."}));
}

TEST(SurfaceBlit, MonochromeRoundTripMarksTheBackgroundColour) {
    Canvas colour(4, 2);
    SetPixelV(colour.Dc(), 1, 0, kRed);
    SetPixelV(colour.Dc(), 3, 1, kRed);
    SetPixelV(colour.Dc(), 2, 1, 0x0000FE);  // one unit off: not the mask colour
    HDC monoDc = CreateCompatibleDC({});
    HBITMAP mono = CreateBitmap(4, 2, 1, 1, nullptr);
    HBITMAP old = SelectObject(monoDc, mono);
    SetBkColor(colour.Dc(), kRed);
    SetTextColor(colour.Dc(), kWhite);
    BitBlt(monoDc, 0, 0, 4, 2, colour.Dc(), 0, 0, SRCCOPY);
    const PixelView bits = GetBitmapPixels(mono);
    ASSERT_EQ(bits.bitsPerPixel, 1);
    EXPECT_EQ(std::vector<std::uint32_t>(bits.pixels.begin(), bits.pixels.end()),
              (std::vector<std::uint32_t>{0, 1, 0, 0, 0, 0, 0, 1}));
    // Back to colour: 0 takes the text colour, 1 the background colour.
    Canvas back(4, 2, kRed);
    SetTextColor(back.Dc(), kBlack);
    SetBkColor(back.Dc(), kBlue);
    BitBlt(back.Dc(), 0, 0, 4, 2, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(back.Picture(kBlitLegend), Rows({"#b##", "###b"}));
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

TEST(SurfaceBlit, MonochromeMatchesTheWholeStoredValue) {
    // An inverted pixel has its unused high byte set as well: it reads back
    // as white but is not the white of the background colour.
    Canvas colour(3, 1, kBlack);
    DrawFocusRect(colour.Dc(), RECT{0, 0, 2, 1});  // one dot, at x 1
    SetPixelV(colour.Dc(), 0, 0, kWhite);
    EXPECT_EQ(GetPixel(colour.Dc(), 1, 0), kWhite);
    const PixelView stored = GetBitmapPixels(colour.Bitmap());
    EXPECT_EQ(stored.pixels[0], 0x00FFFFFFu);
    EXPECT_EQ(stored.pixels[1], 0xFFFFFFFFu);
    HDC monoDc = CreateCompatibleDC({});
    HBITMAP mono = CreateBitmap(3, 1, 1, 1, nullptr);
    HBITMAP old = SelectObject(monoDc, mono);
    SetBkColor(colour.Dc(), kWhite);
    BitBlt(monoDc, 0, 0, 3, 1, colour.Dc(), 0, 0, SRCCOPY);
    const PixelView bits = GetBitmapPixels(mono);
    EXPECT_EQ(std::vector<std::uint32_t>(bits.pixels.begin(), bits.pixels.end()),
              (std::vector<std::uint32_t>{1, 0, 0}));
    // Inverting twice restores the stored value exactly.
    DrawFocusRect(colour.Dc(), RECT{0, 0, 2, 1});
    EXPECT_EQ(GetBitmapPixels(colour.Bitmap()).pixels[1], 0u);
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

TEST(SurfaceBlit, TransparentBlitRecipe) {
    // The mask recipe of picture drawing: the mask colour shows the destination.
    Canvas picture(3, 1, kBlue), face(3, 1, kBlack);
    SetPixelV(picture.Dc(), 1, 0, kRed);  // red is the mask colour
    HDC maskDc = CreateCompatibleDC({});
    HBITMAP mask = CreateBitmap(3, 1, 1, 1, nullptr);
    HBITMAP old = SelectObject(maskDc, mask);
    SetBkColor(picture.Dc(), kRed);
    SetTextColor(picture.Dc(), kWhite);
    BitBlt(maskDc, 0, 0, 3, 1, picture.Dc(), 0, 0, SRCCOPY);
    SetTextColor(picture.Dc(), kBlack);
    SetBkColor(picture.Dc(), kWhite);
    BitBlt(picture.Dc(), 0, 0, 3, 1, maskDc, 0, 0, SRCANDNOTDST);
    EXPECT_EQ(picture.Picture(kBlitLegend), Rows({"b#b"}));
    face.Fill(0x00FFFF);
    BitBlt(face.Dc(), 0, 0, 3, 1, maskDc, 0, 0, SRCAND);
    BitBlt(face.Dc(), 0, 0, 3, 1, picture.Dc(), 0, 0, SRCPAINT);
    EXPECT_EQ(GetPixel(face.Dc(), 0, 0), kBlue);
    EXPECT_EQ(GetPixel(face.Dc(), 1, 0), 0x00FFFFu);
    EXPECT_EQ(GetPixel(face.Dc(), 2, 0), kBlue);
    SelectObject(maskDc, old);
    DeleteObject(mask);
    DeleteDC(maskDc);
}

TEST(SurfaceBlit, StretchDoublesAndShrinkCombinesWithAnd) {
    Canvas source(2, 1);
    SetPixelV(source.Dc(), 0, 0, kRed);
    SetPixelV(source.Dc(), 1, 0, kBlue);
    Canvas wide(4, 1);
    EXPECT_TRUE(StretchBlt(wide.Dc(), 0, 0, 4, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(wide.Picture(kBlitLegend), Rows({"rrbb"}));
    // Shrinking 4 to 2: neighbours combine with AND (black wins).
    Canvas strip(4, 1, kWhite);
    SetPixelV(strip.Dc(), 0, 0, 0x0000F0);
    SetPixelV(strip.Dc(), 1, 0, 0x00000F);
    Canvas narrow(2, 1, kBlue);
    StretchBlt(narrow.Dc(), 0, 0, 2, 1, strip.Dc(), 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(GetPixel(narrow.Dc(), 0, 0), 0u);
    EXPECT_EQ(GetPixel(narrow.Dc(), 1, 0), kWhite);
}

TEST(SurfaceBlit, StretchSamplesPixelCentres) {
    Canvas source(3, 1);
    SetPixelV(source.Dc(), 0, 0, kRed);
    SetPixelV(source.Dc(), 1, 0, kBlue);
    SetPixelV(source.Dc(), 2, 0, kBlack);
    Canvas dest(7, 1);
    StretchBlt(dest.Dc(), 0, 0, 7, 1, source.Dc(), 0, 0, 3, 1, SRCCOPY);
    // Centres (j + 0.5) * 3 / 7 fall on 0 0 1 1 1 2 2.
    EXPECT_EQ(dest.Picture(kBlitLegend), Rows({"rrbbb##"}));
    // A centre exactly on a boundary (2.5 * 2 / 5 = 1) belongs to the pixel before.
    Canvas five(5, 1);
    StretchBlt(five.Dc(), 0, 0, 5, 1, source.Dc(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(five.Picture(kBlitLegend), Rows({"rrrbb"}));
}

}  // namespace
}  // namespace vemmix::gdi::test
