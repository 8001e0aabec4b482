// The ANSI code page of the drawing surface (Windows-1252): the button hands
// text to the byte-oriented calls in it, and the surface reads it back.
#pragma once

#include <string>
#include <string_view>

namespace vemmix {

// Each UTF-16 unit becomes one byte; a unit the code page cannot represent
// (a surrogate half included) becomes '?'.
std::string ToWindows1252(std::u16string_view text);

// Each byte becomes one UTF-16 unit; the five unassigned bytes become the
// C1 control of the same value, as the system's conversion does.
std::u16string FromWindows1252(std::string_view bytes);

}  // namespace vemmix
