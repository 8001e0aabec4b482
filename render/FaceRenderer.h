// The face renderers: the released face (DrawFaceUp) and the pressed or
// toggled-on face (DrawFaceDown) of every appearance, drawn into the
// repaint's memory context. The button fills a FaceState from its flags and
// properties; the renderers only read it, and write only the colour ramp and
// the cache entry m_DarkShadowRGB where a style says so.
#pragma once

#include <cstdint>
#include <vector>

#include <vemmix/Boolean.h>
#include "render/ColorCache.h"
#include "render/Primitives.h"

namespace vemmix {

struct FaceState {
    std::int32_t width = 0;   // W
    std::int32_t height = 0;  // H
    std::int32_t appearance = 0;
    std::int32_t appearanceMode = 0;
    VBool toggleValue = kFalse;
    std::int16_t borderWidth = 1;    // BW
    std::int32_t dropDownWidth = 16; // DDW
    std::int16_t depth = 0;
    bool enabled = true;
    VBool pressed = kFalse;     // m_Pressed
    VBool mouseOver = kFalse;   // m_MouseOver
    VBool hasFocus = kFalse;    // m_HasFocus
    VBool inDropDown = kFalse;  // m_InDropDown
    bool displayAsDefault = false;  // the container's ambient DisplayAsDefault
    std::int32_t themeIndex = 0;    // m_ThemeIndex
    std::int32_t gradientType = 0;  // GradientType
};

// What a renderer draws into and may write.
struct FaceTarget {
    Painter& painter;
    ColorCache& colors;
    std::vector<gdi::COLORREF>& colorRamp;  // ColorRamp, kept between repaints
};

void DrawFaceUp(const FaceState& state, FaceTarget& target, VBool drawBorder);
void DrawFaceDown(const FaceState& state, FaceTarget& target, VBool drawBorder);

}  // namespace vemmix
