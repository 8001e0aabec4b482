// Pixel assertions for tests: a bitmap against rows of hex colours or a
// character picture, and two bitmaps against each other, each reporting the
// first differing pixel and a dump of the region.
//
// Colours are written as COLORREF values, BBGGRR, the way the code and the
// property values spell them (0x743C00 is the border blue). In a row the
// colours are separated by spaces; a "0x" prefix is allowed; "*" matches any
// pixel. Example, a 3 x 2 region:
//
//     EXPECT_TRUE(PixelsMatch(site.pixels(), {
//         "FFFFFF 743C00 FFFFFF",
//         "743C00 *      743C00",
//     }));
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "render/Gdi.h"

namespace vemmix::test {

// The pixels of the bitmap selected into a context.
gdi::PixelView PixelsOf(gdi::HDC dc);

// COLORREF of pixel (x, y); CLR_INVALID outside.
gdi::COLORREF ColorAt(const gdi::PixelView& view, int x, int y);

// The region of `view` whose top-left corner is `origin` against the rows.
::testing::AssertionResult PixelsMatch(const gdi::PixelView& view,
                                       const std::vector<std::string>& rows,
                                       gdi::POINT origin = {0, 0});

// Pixel art: each character of a row names a colour of `palette`; a
// character missing from the palette (a space, say) matches any pixel.
//
//     PixelArtMatches(view, {"#####", "#...#", "#####"}, {{'#', 0x743C00}, {'.', 0xFFFFFF}})
::testing::AssertionResult PixelArtMatches(const gdi::PixelView& view,
                                           const std::vector<std::string>& rows,
                                           const std::map<char, gdi::COLORREF>& palette,
                                           gdi::POINT origin = {0, 0});

// Two images of the same size (a copy taken with CopyPixels, say).
::testing::AssertionResult PixelsEqual(const gdi::PixelView& actual,
                                       const gdi::PixelView& expected);
::testing::AssertionResult PixelsEqual(const gdi::PixelView& actual,
                                       const std::vector<std::uint32_t>& expected);

// Every pixel of `area` has `colour`.
::testing::AssertionResult AreaIs(const gdi::PixelView& view, gdi::RECT area,
                                  gdi::COLORREF colour);

// A copy of the pixels (0xXXRRGGBB as stored), to compare later images with.
std::vector<std::uint32_t> CopyPixels(const gdi::PixelView& view);

// A text dump of `area` (the whole image by default) in the row format
// PixelsMatch reads, one line per row, so a dump can be pasted into a test.
std::string DumpPixels(const gdi::PixelView& view, gdi::RECT area = {0, 0, -1, -1});

}  // namespace vemmix::test
