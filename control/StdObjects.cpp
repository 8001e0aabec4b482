#include "control/StdObjects.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace vemmix {

namespace {

// Largest picture the library accepts: a hostile saved form must not make
// it allocate without bound. 16384 pixels a side and 64 Mpixels in all.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

bool AcceptableSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           static_cast<std::int64_t>(width) * height <= kMaxPicturePixels;
}

}  // namespace

FontRef MakeFont(const StdFont& font) { return std::make_shared<StdFont>(font); }

StdPicture::~StdPicture() {
    if (bitmap) gdi::DeleteObject(bitmap);
}

// 2540 HIMETRIC units to the inch; halves go to the even neighbour.
std::int32_t HimetricFromPixels(std::int32_t pixels, int dpi) {
    if (dpi <= 0) return 0;
    const std::int64_t numerator = static_cast<std::int64_t>(pixels) * 2540;
    std::int64_t quotient = numerator / dpi;
    std::int64_t remainder = numerator % dpi;
    if (remainder < 0) {  // floor division
        remainder += dpi;
        --quotient;
    }
    const std::int64_t twice = remainder * 2;
    if (twice > dpi || (twice == dpi && (quotient & 1) != 0)) ++quotient;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(quotient, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

PictureRef MakeEmptyPicture() { return std::make_shared<StdPicture>(); }

PictureRef MakeBitmapPicture(int width, int height, std::span<const std::uint32_t> pixels,
                             int dpi) {
    if (!AcceptableSize(width, height)) return nullptr;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixels.size() != count) return nullptr;
    // The surface's 32-bit layout 0xXXRRGGBB is the caller's 0x00RRGGBB;
    // only a stray high byte needs clearing.
    std::vector<std::uint32_t> cleared;
    const void* bits = pixels.data();
    if (std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p >> 24; })) {
        cleared.assign(pixels.begin(), pixels.end());
        for (auto& p : cleared) p &= 0x00FFFFFFu;
        bits = cleared.data();
    }
    gdi::HBITMAP bitmap = gdi::CreateBitmap(width, height, 1, 32, bits);
    if (!bitmap) return nullptr;
    auto picture = std::make_shared<StdPicture>();
    picture->type = PictureType::Bitmap;
    picture->bitmap = bitmap;
    picture->widthHimetric = HimetricFromPixels(width, dpi);
    picture->heightHimetric = HimetricFromPixels(height, dpi);
    return picture;
}

PictureRef MakeIconPicture(gdi::Icon icon, int dpi) {
    if (!AcceptableSize(icon.width, icon.height)) return nullptr;
    const auto count = static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
    if (icon.pixels.size() != count) return nullptr;
    if (!icon.hasAlpha) {
        // A classic icon without a mask replaces every pixel.
        if (icon.andMask.empty()) icon.andMask.assign(count, 0);
        if (icon.andMask.size() != count) return nullptr;
    }
    auto picture = std::make_shared<StdPicture>();
    picture->type = PictureType::Icon;
    picture->widthHimetric = HimetricFromPixels(icon.width, dpi);
    picture->heightHimetric = HimetricFromPixels(icon.height, dpi);
    picture->icon = std::move(icon);
    return picture;
}

PictureRef MakeOtherPicture(PictureType type, std::int32_t widthHimetric,
                            std::int32_t heightHimetric) {
    // Bitmaps and icons carry an image and have their own factories.
    if (type != PictureType::Metafile && type != PictureType::EnhMetafile) return nullptr;
    if (widthHimetric < 0 || heightHimetric < 0) return nullptr;
    auto picture = std::make_shared<StdPicture>();
    picture->type = type;
    picture->widthHimetric = widthHimetric;
    picture->heightHimetric = heightHimetric;
    return picture;
}

}  // namespace vemmix
