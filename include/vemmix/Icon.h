// An icon image as DrawIconEx draws it: either a 32-bit image with
// per-pixel alpha, or a classic icon made of an AND mask and an XOR image.
#pragma once

#include <cstdint>
#include <vector>

namespace vemmix::gdi {

struct Icon {
    int width = 0;
    int height = 0;
    // width * height pixels 0xAARRGGBB, top-down. With hasAlpha the alpha
    // byte blends the pixel over the destination; otherwise the alpha byte
    // is ignored and andMask decides.
    std::vector<std::uint32_t> pixels;
    bool hasAlpha = false;
    // width * height values 0 or 1, top-down: 1 keeps the destination pixel
    // (then XORed with the image), 0 replaces it by the image pixel.
    std::vector<std::uint8_t> andMask;
};

}  // namespace vemmix::gdi
