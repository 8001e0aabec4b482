// The colour-ramp generator: the short list of shades, derived from one base
// colour, that the themed faces (XP, Office, Vista, Gradient) paint with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Color.h"

namespace vemmix {

// What the ramp tables depend on besides the base colour.
struct RampSelector {
    std::int32_t themeIndex = 0;   // m_ThemeIndex: 0 blue, 1 olive, 2 silver, 3 royal, 4 standard 3D, 5 black
    bool pressed = false;          // m_Pressed or ToggleValue True: the pressed tables of mode 0 (silver, royal)
    std::int32_t gradientType = 0; // GradientType, direction of mode 11
};

// Replaces `ramp` by the mode's entries; a mode outside 0..11 leaves it as it
// was. Every entry starts at 0, so a theme or gradient type without a table
// yields a ramp of the mode's length that is all black. The vector's capacity
// is reused; after the first few repaints nothing is allocated.
void BuildColorRamp(std::vector<COLORREF>& ramp, COLORREF baseColour, std::int32_t rampMode,
                    const RampSelector& selector);

// Number of entries of a ramp mode; 0 for a mode outside 0..11.
std::size_t RampLength(std::int32_t rampMode);

}  // namespace vemmix
