// The stretching kernel of StretchBlt in the BLACKONWHITE mode.
//
// Each axis maps pixel centres: stretching, destination pixel j takes the
// source pixel under its centre; shrinking, source pixel j lands on the
// destination pixel under its centre, and all source pixels landing on one
// destination pixel are combined with AND (black wins over white). A centre
// exactly on a pixel boundary belongs to the pixel before it. Shrinking to a
// single pixel leaves out the last source pixel. Only pixels whose
// destination and source are both visible take part.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/GdiBlit.h"

namespace vemmix::gdi::detail {
namespace {

// For each visible destination coordinate, the visible source coordinates
// that fall on it (a contiguous run, possibly empty).
struct AxisMap {
    int destFirst = 0;
    std::vector<int> sourceFirst;
    std::vector<int> sourceCount;
};

std::int64_t CeilDiv(std::int64_t num, std::int64_t den) {
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

AxisMap MapAxis(int destStart, int destLength, int destVisLo, int destVisHi, int sourceStart,
                int sourceLength, int sourceVisLo, int sourceVisHi) {
    AxisMap map;
    map.destFirst = destVisLo;
    const std::size_t n = static_cast<std::size_t>(std::max(0, destVisHi - destVisLo));
    map.sourceFirst.assign(n, 0);
    map.sourceCount.assign(n, 0);
    const std::int64_t dx = destLength;
    const std::int64_t dy = sourceLength;
    auto put = [&](std::int64_t d, std::int64_t s) {
        if (d < destVisLo || d >= destVisHi || s < sourceVisLo || s >= sourceVisHi) return;
        const std::size_t i = static_cast<std::size_t>(d - destVisLo);
        if (map.sourceCount[i] == 0) map.sourceFirst[i] = static_cast<int>(s);
        ++map.sourceCount[i];
    };
    if (dx > dy) {
        // stretching: source ceil((2j + 1) * dy / (2 * dx)) - 1 for destination j
        const std::int64_t lo = std::max<std::int64_t>(0, destVisLo - destStart);
        const std::int64_t hi = std::min<std::int64_t>(dx, destVisHi - destStart);
        for (std::int64_t j = lo; j < hi; ++j) {
            put(destStart + j, sourceStart + CeilDiv((2 * j + 1) * dy, 2 * dx) - 1);
        }
    } else {
        // shrinking: destination ceil((2j + 1) * dx / (2 * dy)) - 1 for source j
        const std::int64_t used = (dx == 1 && dy > 1) ? dy - 1 : dy;
        const std::int64_t lo = std::max<std::int64_t>(0, sourceVisLo - sourceStart);
        const std::int64_t hi = std::min<std::int64_t>(used, sourceVisHi - sourceStart);
        for (std::int64_t j = lo; j < hi; ++j) {
            put(destStart + CeilDiv((2 * j + 1) * dx, 2 * dy) - 1, sourceStart + j);
        }
    }
    return map;
}

}  // namespace

void StretchBlock(const Surface& dest, BlitCoords dst, const Surface& source, BlitCoords src,
                  const BlitFormats& formats, const RopMasks& masks, std::uint32_t valueMask) {
    if (dst.width <= 0 || dst.height <= 0 || src.width <= 0 || src.height <= 0) return;
    const AxisMap cols = MapAxis(dst.x, dst.width, dst.visible.left, dst.visible.right, src.x,
                                 src.width, src.visible.left, src.visible.right);
    const AxisMap rows = MapAxis(dst.y, dst.height, dst.visible.top, dst.visible.bottom, src.y,
                                 src.height, src.visible.top, src.visible.bottom);
    const int sourceW = src.visible.right - src.visible.left;
    std::vector<std::uint32_t> converted(static_cast<std::size_t>(sourceW));
    std::vector<std::uint32_t> combined(cols.sourceFirst.size());
    std::vector<std::uint32_t> out(cols.sourceFirst.size());
    for (std::size_t r = 0; r < rows.sourceFirst.size(); ++r) {
        if (rows.sourceCount[r] == 0) continue;
        std::fill(combined.begin(), combined.end(), ~0u);
        for (int k = 0; k < rows.sourceCount[r]; ++k) {
            const int sy = rows.sourceFirst[r] + k;
            ConvertRow(formats, source.Row(sy) + src.visible.left, sourceW, converted.data());
            for (std::size_t c = 0; c < cols.sourceFirst.size(); ++c) {
                const int first = cols.sourceFirst[c] - src.visible.left;
                for (int q = 0; q < cols.sourceCount[c]; ++q) combined[c] &= converted[static_cast<std::size_t>(first + q)];
            }
        }
        // Write the runs of destination columns that received a source.
        const int dy = rows.destFirst + static_cast<int>(r);
        std::size_t c = 0;
        while (c < combined.size()) {
            while (c < combined.size() && cols.sourceCount[c] == 0) ++c;
            const std::size_t start = c;
            while (c < combined.size() && cols.sourceCount[c] != 0) ++c;
            if (c > start) {
                ApplyRopRow(dest.Row(dy) + cols.destFirst + static_cast<int>(start), &combined[start],
                            static_cast<int>(c - start), masks, valueMask);
            }
        }
    }
}

}  // namespace vemmix::gdi::detail
