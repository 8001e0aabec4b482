// Reduces the desktop's visual style to one of the button's colour themes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <vemmix/VisualStyle.h>

namespace vemmix {

// TrimAtNull: the part before the first NUL; nullopt ("error") when there is no NUL.
std::optional<std::u16string> TrimAtNull(std::u16string_view text);

// The m_ThemeIndex that detection yields: 3 royal, 0 blue, 1 olive, 2 silver,
// or defaultThemes (whatever it holds) when the style cannot be read.
std::int32_t DetectSystemTheme(const std::optional<VisualStyleBuffers>& query, std::int32_t defaultThemes);

}  // namespace vemmix
