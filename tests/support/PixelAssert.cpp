#include "tests/support/PixelAssert.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace vemmix::test {

namespace {

std::string Hex6(gdi::COLORREF c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c & 0xFFFFFFu));
    return buffer;
}

std::string Describe(gdi::COLORREF c) {
    if (c == gdi::CLR_INVALID) return "outside the bitmap";
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%06X (r %u, g %u, b %u)", static_cast<unsigned>(c),
                  static_cast<unsigned>(c & 0xFF), static_cast<unsigned>((c >> 8) & 0xFF),
                  static_cast<unsigned>((c >> 16) & 0xFF));
    return buffer;
}

std::vector<std::string> Tokens(const std::string& row) {
    std::vector<std::string> tokens;
    std::istringstream in(row);
    std::string token;
    while (in >> token) tokens.push_back(token);
    return tokens;
}

bool ParseColour(std::string token, gdi::COLORREF& out) {
    if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X'))
        token = token.substr(2);
    if (token.empty() || token.size() > 8) return false;
    std::uint32_t value = 0;
    for (char ch : token) {
        int digit;
        if (ch >= '0' && ch <= '9') digit = ch - '0';
        else if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
        else return false;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    out = value & 0xFFFFFFu;
    return true;
}

gdi::RECT Clip(const gdi::PixelView& view, gdi::RECT area) {
    if (area.right < 0) area.right = view.width;
    if (area.bottom < 0) area.bottom = view.height;
    area.left = std::clamp(area.left, 0, view.width);
    area.right = std::clamp(area.right, area.left, view.width);
    area.top = std::clamp(area.top, 0, view.height);
    area.bottom = std::clamp(area.bottom, area.top, view.height);
    return area;
}

// The neighbourhood of a differing pixel, so a failure can be read without a debugger.
std::string Context(const gdi::PixelView& view, int x, int y) {
    const gdi::RECT area{x - 3, y - 2, x + 4, y + 3};
    return "actual pixels around it (columns " + std::to_string(std::max(0, area.left)) + "..., rows " +
           std::to_string(std::max(0, area.top)) + "...):\n" + DumpPixels(view, Clip(view, area));
}

::testing::AssertionResult Mismatch(const gdi::PixelView& view, int x, int y,
                                    gdi::COLORREF expected, const std::string& extra = {}) {
    return ::testing::AssertionFailure()
           << "first differing pixel at (" << x << ", " << y << "): expected "
           << Describe(expected) << ", actual " << Describe(ColorAt(view, x, y)) << extra << "\n"
           << Context(view, x, y);
}

}  // namespace

gdi::PixelView PixelsOf(gdi::HDC dc) { return gdi::GetBitmapPixels(gdi::GetCurrentBitmap(dc)); }

gdi::COLORREF ColorAt(const gdi::PixelView& view, int x, int y) {
    if (x < 0 || y < 0 || x >= view.width || y >= view.height) return gdi::CLR_INVALID;
    const std::uint32_t p = view.pixels[static_cast<std::size_t>(y) * view.width + x];
    if (view.bitsPerPixel == 1) return p ? 0xFFFFFFu : 0u;
    return gdi::ColorFromPixel(p & 0xFFFFFFu);
}

::testing::AssertionResult PixelsMatch(const gdi::PixelView& view,
                                       const std::vector<std::string>& rows, gdi::POINT origin) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> tokens = Tokens(rows[r]);
        for (std::size_t c = 0; c < tokens.size(); ++c) {
            if (tokens[c] == "*") continue;
            gdi::COLORREF expected = 0;
            if (!ParseColour(tokens[c], expected))
                return ::testing::AssertionFailure()
                       << "expected row " << r << " has an unreadable colour \"" << tokens[c] << "\"";
            const int x = origin.x + static_cast<int>(c);
            const int y = origin.y + static_cast<int>(r);
            if (ColorAt(view, x, y) != expected) return Mismatch(view, x, y, expected);
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PixelArtMatches(const gdi::PixelView& view,
                                           const std::vector<std::string>& rows,
                                           const std::map<char, gdi::COLORREF>& palette,
                                           gdi::POINT origin) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const auto it = palette.find(rows[r][c]);
            if (it == palette.end()) continue;
            const int x = origin.x + static_cast<int>(c);
            const int y = origin.y + static_cast<int>(r);
            if (ColorAt(view, x, y) != (it->second & 0xFFFFFFu))
                return Mismatch(view, x, y, it->second & 0xFFFFFFu,
                                std::string(" ('") + rows[r][c] + "' in the picture)");
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PixelsEqual(const gdi::PixelView& actual,
                                       const gdi::PixelView& expected) {
    if (actual.width != expected.width || actual.height != expected.height)
        return ::testing::AssertionFailure()
               << "size " << actual.width << " x " << actual.height << ", expected "
               << expected.width << " x " << expected.height;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x)
            if (ColorAt(actual, x, y) != ColorAt(expected, x, y))
                return Mismatch(actual, x, y, ColorAt(expected, x, y));
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PixelsEqual(const gdi::PixelView& actual,
                                       const std::vector<std::uint32_t>& expected) {
    if (expected.size() != static_cast<std::size_t>(actual.width) * actual.height)
        return ::testing::AssertionFailure() << "image has " << actual.width * actual.height
                                             << " pixels, expected " << expected.size();
    std::vector<std::uint32_t> copy = expected;
    const gdi::PixelView view{actual.width, actual.height, 32, copy};
    return PixelsEqual(actual, view);
}

::testing::AssertionResult AreaIs(const gdi::PixelView& view, gdi::RECT area,
                                  gdi::COLORREF colour) {
    colour &= 0xFFFFFFu;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (ColorAt(view, x, y) != colour) return Mismatch(view, x, y, colour);
    return ::testing::AssertionSuccess();
}

std::vector<std::uint32_t> CopyPixels(const gdi::PixelView& view) {
    return std::vector<std::uint32_t>(view.pixels.begin(), view.pixels.end());
}

std::string DumpPixels(const gdi::PixelView& view, gdi::RECT area) {
    area = Clip(view, area);
    std::string out;
    for (int y = area.top; y < area.bottom; ++y) {
        out += '"';
        for (int x = area.left; x < area.right; ++x) {
            if (x > area.left) out += ' ';
            out += Hex6(ColorAt(view, x, y));
        }
        out += "\",\n";
    }
    return out;
}

}  // namespace vemmix::test
