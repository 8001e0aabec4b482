// Reduces the desktop's visual style to one of the button's colour themes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vemmix {

// What the desktop's visual-style query answers (theme file name, colour scheme name, size name), already
// as the raw 256-character buffers the platform filled; nullopt when the query failed or is unavailable.
struct VisualStyleBuffers {
    std::u16string themeFile, colorName, sizeName;
};

// TrimAtNull: the part before the first NUL; nullopt ("error") when there is no NUL.
std::optional<std::u16string> TrimAtNull(std::u16string_view text);

// The m_ThemeIndex that detection yields: 3 royal, 0 blue, 1 olive, 2 silver,
// or defaultThemes (whatever it holds) when the style cannot be read.
std::int32_t DetectSystemTheme(const std::optional<VisualStyleBuffers>& query, std::int32_t defaultThemes);

}  // namespace vemmix
