// Conversion of UTF-16 text to the ANSI code page of the drawing surface
// (Windows-1252), as the button hands text to the byte-oriented calls.
#pragma once

#include <string>
#include <string_view>

namespace vemmix::content {

// Each UTF-16 unit becomes one byte; a unit the code page cannot represent
// (a surrogate half included) becomes '?'.
std::string ToWindows1252(std::u16string_view text);

}  // namespace vemmix::content
