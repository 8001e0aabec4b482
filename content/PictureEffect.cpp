#include "content/PictureEffect.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include <vemmix/Enums.h>

#include "base/Rounding.h"
#include "content/PictureDrawing.h"

namespace vemmix::content {
namespace {

// Shared by the effects; each run fills the range it uses.
using LookupTable = std::array<std::int32_t, 766>;  // 0 .. 3 x 255

constexpr std::size_t kBlue = 0, kGreen = 1, kRed = 2;

bool IsMask(const std::uint8_t* pixel, gdi::COLORREF mask) {
    return pixel[kRed] == (mask & 0xFFu) && pixel[kGreen] == ((mask >> 8) & 0xFFu) &&
           pixel[kBlue] == ((mask >> 16) & 0xFFu);
}

}  // namespace

void Grey(const PixelArrays& pixels) {
    LookupTable table;
    for (std::int32_t i = 0; i < 766; ++i) table[static_cast<std::size_t>(i)] = i / 3;

    const std::size_t count = pixels.working.size() / 4;
    std::uint8_t* p = pixels.working.data();
    for (std::size_t i = 0; i < count; ++i, p += 4) {
        if (IsMask(p, pixels.mask)) continue;
        const auto g = static_cast<std::uint8_t>(
            table[std::size_t{p[kRed]} + std::size_t{p[kGreen]} + std::size_t{p[kBlue]}]);
        p[kBlue] = g;
        p[kGreen] = g;
        p[kRed] = g;
    }
}

void Brightness(const PixelArrays& pixels, std::int32_t percent) {
    // 1.2 and 0.85 as single-precision values (1.2000000477, 0.8500000238);
    // the product itself is formed in double precision, so 0.85 x 10 gives
    // 8.50000002 and rounds up to 9.
    const float factor = static_cast<float>(percent + 100) / 100.0f;
    LookupTable table;
    for (std::int32_t i = 0; i < 256; ++i) {
        const double scaled = RoundHalfEven(static_cast<double>(factor) * i);
        table[static_cast<std::size_t>(i)] =
            scaled < 0 ? 0 : (scaled > 255 ? 255 : static_cast<std::int32_t>(scaled));
    }

    const std::size_t count = std::min(pixels.working.size(), pixels.original.size()) / 4;
    const std::uint8_t* source = pixels.original.data();
    std::uint8_t* target = pixels.working.data();
    for (std::size_t i = 0; i < count; ++i, source += 4, target += 4) {
        if (IsMask(source, pixels.mask)) continue;
        target[kBlue] = static_cast<std::uint8_t>(table[source[kBlue]]);
        target[kGreen] = static_cast<std::uint8_t>(table[source[kGreen]]);
        target[kRed] = static_cast<std::uint8_t>(table[source[kRed]]);
    }
}

bool ApplyEffect(gdi::HBITMAP bitmap, std::int32_t effect, gdi::COLORREF mask) {
    gdi::BITMAP info;
    if (gdi::GetObject(bitmap, &info) == 0 || info.bmWidth == 0) return false;
    const int width = info.bmWidth;
    const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    if (width < 0 || height == 0) return false;

    gdi::BITMAPINFOHEADER header;
    header.biSize = 40;
    header.biWidth = width;
    header.biHeight = -height;  // top-down rows
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = gdi::BI_RGB;
    const std::size_t stride = ((static_cast<std::size_t>(width) * 32 + 31) / 32) * 4;
    header.biSizeImage = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height));

    // allocated for this run only, released when it ends (before the
    // context, so running out of memory leaves no context behind). Every
    // effect reads a pixel before it writes that pixel only, so the
    // untouched copy can be the working array itself.
    std::vector<std::uint8_t> pixels(header.biSizeImage);
    const MemoryContext dc(bitmap, gdi::HPALETTE{});
    if (!dc.DC()) return false;
    const auto rows = static_cast<unsigned>(height);
    const bool ok = gdi::GetDIBits(dc.DC(), bitmap, 0, rows, pixels.data(), &header, gdi::DIB_RGB_COLORS) != 0;

    const PixelArrays arrays{pixels, pixels, mask & 0x00FFFFFFu};
    switch (effect) {
    case ecPictureEffect::Gray:     Grey(arrays); break;
    case ecPictureEffect::Lighter:  Brightness(arrays, 20); break;
    case ecPictureEffect::Darkness: Brightness(arrays, -15); break;
    default: break;
    }

    return gdi::SetDIBits(dc.DC(), bitmap, 0, rows, pixels.data(), &header, gdi::DIB_RGB_COLORS) != 0 && ok;
}

}  // namespace vemmix::content
