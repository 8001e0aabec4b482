// The 16-bit Boolean of the automation boundary and of the button's state
// flags: True is -1 (all bits set), False 0.
#pragma once

#include <cstdint>

namespace vemmix {

using VBool = std::int16_t;
constexpr VBool kTrue = -1;
constexpr VBool kFalse = 0;
constexpr VBool ToVBool(bool b) { return b ? kTrue : kFalse; }

}  // namespace vemmix
