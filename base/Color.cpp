#include "base/Color.h"

#include <array>

namespace vemmix {
namespace {

// The classic Windows ("Windows Standard") scheme. Index: COLOR_* constant.
constexpr std::array<COLORREF, kSystemColorCount> kClassicColors = {
    0x00C8D0D4,  //  0 scroll bar
    0x00A56E3A,  //  1 desktop
    0x006A240A,  //  2 active caption
    0x00808080,  //  3 inactive caption
    0x00C8D0D4,  //  4 menu
    0x00FFFFFF,  //  5 window
    0x00000000,  //  6 window frame
    0x00000000,  //  7 menu text
    0x00000000,  //  8 window text
    0x00FFFFFF,  //  9 caption text
    0x00C8D0D4,  // 10 active border
    0x00C8D0D4,  // 11 inactive border
    0x00808080,  // 12 application workspace
    0x006A240A,  // 13 highlight
    0x00FFFFFF,  // 14 highlight text
    0x00C8D0D4,  // 15 button face (3D face)
    0x00808080,  // 16 button shadow (3D shadow)
    0x00808080,  // 17 grey text
    0x00000000,  // 18 button text
    0x00C8D0D4,  // 19 inactive caption text
    0x00FFFFFF,  // 20 button highlight (3D highlight)
    0x00404040,  // 21 3D dark shadow
    0x00C8D0D4,  // 22 3D light
    0x00000000,  // 23 info text
    0x00E1FFFF,  // 24 info background
    0x00B5B5B5,  // 25 (unused, hot-light in later schemes)
    0x00800000,  // 26 hot light
    0x00F0CAA6,  // 27 gradient active caption
    0x00C0C0C0,  // 28 gradient inactive caption
    0x00FF9933,  // 29 menu highlight
    0x00C8D0D4,  // 30 menu bar
};

class ClassicTable final : public SystemColorTable {
public:
    std::optional<COLORREF> SystemColor(int index) const override {
        if (index < 0 || index >= static_cast<int>(kClassicColors.size())) return std::nullopt;
        return kClassicColors[static_cast<std::size_t>(index)];
    }
};

}  // namespace

const SystemColorTable& ClassicSystemColors() {
    static const ClassicTable table;
    return table;
}

COLORREF TranslateColor(OleColor colour, const SystemColorTable& system) {
    const auto value = static_cast<std::uint32_t>(colour);
    switch (value >> 24) {
    case 0x00:
        return value;
    case 0x80:
        return system.SystemColor(static_cast<int>(value & 0x00FFFFFFu)).value_or(0);
    default:
        return 0;
    }
}

}  // namespace vemmix
