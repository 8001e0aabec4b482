// Private to the drawing surface: raster-operation masks, format
// conversion and the stretching kernel shared by the block transfers.
#pragma once

#include <cstdint>

#include "render/Gdi.h"
#include "render/GdiRaster.h"

namespace vemmix::gdi::detail {

// The and/xor masks of a raster operation once the pattern is fixed,
// indexed by the source bit (see MakeRopMasks).
struct RopMasks {
    std::uint32_t andMask[2] = {0, 0};
    std::uint32_t xorMask[2] = {0, 0};
    bool usesSource = false;
    bool usesPattern = false;
};

RopMasks MakeRopMasks(DWORD rop, std::uint32_t pattern);
// True when the operation copies the source (SRCCOPY).
bool IsPlainCopy(const RopMasks& m);

// dest[i] = rop(dest[i], source[i]); source already in the destination's format.
void ApplyRopRow(std::uint32_t* dest, const std::uint32_t* source, int count, const RopMasks& m,
                 std::uint32_t valueMask);

struct BlitFormats {
    int sourceBits = 32;
    int destBits = 32;
    std::uint32_t sourceBackground = 0;  // stored form, low 24 bits
    std::uint32_t destText = 0;          // stored form
    std::uint32_t destBackground = 0;    // stored form
};

void ConvertRow(const BlitFormats& f, const std::uint32_t* source, int count, std::uint32_t* out);

// One end of a transfer: its rectangle as given and its visible part.
struct BlitCoords {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    RECT visible;
};

// Stretches (or shrinks) with the BLACKONWHITE rule: source pixels that fall
// on one destination pixel are combined with AND.
void StretchBlock(const Surface& dest, BlitCoords dst, const Surface& source, BlitCoords src,
                  const BlitFormats& formats, const RopMasks& masks, std::uint32_t valueMask);

}  // namespace vemmix::gdi::detail
