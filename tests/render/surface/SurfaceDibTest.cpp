// Bitmap information and 32-bit pixel arrays.
#include <gtest/gtest.h>

#include <vector>

#include "SurfaceCanvas.h"

namespace vemmix::gdi::test {
namespace {

BITMAPINFOHEADER TopDown(int width, int height) {
    BITMAPINFOHEADER h;
    h.biWidth = width;
    h.biHeight = -height;
    h.biSizeImage = static_cast<std::uint32_t>(width * height * 4);
    return h;
}

TEST(SurfaceDib, GetObjectReportsSizeAndDepth) {
    Canvas c(5, 3);
    BITMAP info;
    ASSERT_EQ(GetObject(c.Bitmap(), &info), 24);
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmPlanes, 1);
    EXPECT_EQ(GetObject(HBITMAP{}, &info), 0);
}

TEST(SurfaceDib, RoundTripCoversTheLastRowAndColumn) {
    Canvas c(3, 2);
    SetPixelV(c.Dc(), 2, 1, 0x00332211);  // last column, last row
    SetPixelV(c.Dc(), 0, 0, 0x00CCBBAA);
    BITMAPINFOHEADER h = TopDown(3, 2);
    std::vector<std::uint32_t> bits(6, 0xDEADBEEF);
    ASSERT_EQ(GetDIBits(c.Dc(), c.Bitmap(), 0, 2, bits.data(), &h, DIB_RGB_COLORS), 2);
    // Bytes B, G, R, X: little-endian 0x00RRGGBB.
    EXPECT_EQ(bits[0], 0x00AABBCCu);
    EXPECT_EQ(bits[5], 0x00112233u);
    EXPECT_EQ(bits[1], 0x00FFFFFFu);
    for (std::uint32_t& p : bits) p ^= 0x00FFFFFFu;
    ASSERT_EQ(SetDIBits(c.Dc(), c.Bitmap(), 0, 2, bits.data(), &h, DIB_RGB_COLORS), 2);
    EXPECT_EQ(GetPixel(c.Dc(), 2, 1), 0x00332211u ^ 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(c.Dc(), 0, 0), 0x00CCBBAAu ^ 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(c.Dc(), 1, 0), 0u);
}

TEST(SurfaceDib, BottomUpRowsStartAtTheBottom) {
    Canvas c(1, 3);
    SetPixelV(c.Dc(), 0, 2, kRed);
    BITMAPINFOHEADER h = TopDown(1, 3);
    h.biHeight = 3;
    std::vector<std::uint32_t> bits(3, 0);
    ASSERT_EQ(GetDIBits(c.Dc(), c.Bitmap(), 0, 3, bits.data(), &h, DIB_RGB_COLORS), 3);
    EXPECT_EQ(bits[0], PixelFromColor(kRed));
}

TEST(SurfaceDib, RejectsOtherLayouts) {
    Canvas c(2, 2);
    BITMAPINFOHEADER h = TopDown(2, 2);
    std::vector<std::uint32_t> bits(4, 0);
    h.biBitCount = 24;
    EXPECT_EQ(GetDIBits(c.Dc(), c.Bitmap(), 0, 2, bits.data(), &h, DIB_RGB_COLORS), 0);
    h.biBitCount = 32;
    EXPECT_EQ(GetDIBits(c.Dc(), c.Bitmap(), 5, 2, bits.data(), &h, DIB_RGB_COLORS), 0);
    EXPECT_EQ(SetDIBits(c.Dc(), HBITMAP{}, 0, 2, bits.data(), &h, DIB_RGB_COLORS), 0);
}

}  // namespace
}  // namespace vemmix::gdi::test
