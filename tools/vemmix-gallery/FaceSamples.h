// Sample colours and states for drawing faces outside a button: the colours
// each appearance has after its preset and theme colours (blue theme unless
// asked otherwise), on a container whose back colour is the classic button
// face. Used by the gallery and by the golden face renderings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Color.h"
#include "render/ColorCache.h"
#include "render/FaceRenderer.h"
#include "render/Gdi.h"
#include "render/Primitives.h"

namespace vemmix::samples {

inline COLORREF System(int index) {
    return TranslateColor(SystemColorRef(index), ClassicSystemColors());
}

inline void SetBacks(ColorCache& c, COLORREF back, COLORREF down, COLORREF over, COLORREF focus,
                     COLORREF disabled) {
    c.m_BackRGB = back;
    c.m_DownRGB = down;
    c.m_OverRGB = over;
    c.m_FocusRGB = focus;
    c.m_DisabledRGB = disabled;
}

// themeIndex as m_ThemeIndex: 0 blue, 1 olive, 2 silver, 3 royal, 5 black.
inline ColorCache SampleColors(std::int32_t appearance, std::int32_t themeIndex = 0) {
    ColorCache c;
    const COLORREF container = System(15);
    c.m_TransparentRGB = container;
    // The 3D edge colours as a loaded button has them.
    c.m_DarkShadowRGB = System(21);
    c.m_ShadowRGB = System(16);
    c.m_LightRGB = System(22);
    c.m_BorderRGB = 0x743C00;
    SetBacks(c, 0xFFFFFF, 0xE6EBEC, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF);
    switch (appearance) {
    case 0:  // 3d
        SetBacks(c, System(15), System(15), System(15), System(15), System(15));
        c.m_BorderRGB = System(20);
        break;
    case 1:  // flat
        SetBacks(c, System(15), 0xCFA8AF, 0xCFA8AF, 0xCFA8AF, System(15));
        c.m_BorderRGB = 0x7F0000;
        break;
    case 2:  // Shaped
        c.m_TransparentRGB = 0xFF00FF;
        break;
    case 3:  // Windows XP
        switch (themeIndex) {
        case 1: SetBacks(c, 0xF6FFFF, 0xDBEEF3, 0xF6FFFF, 0xF6FFFF, 0xF6FFFF); c.m_BorderRGB = 0x066237; break;
        case 2: SetBacks(c, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF); c.m_BorderRGB = 0x743C00; break;
        case 3: SetBacks(c, 0xECDED5, 0xECDED5, 0xECDED5, 0xECDED5, 0xECDED5); c.m_BorderRGB = 0x82502D; break;
        default: break;
        }
        break;
    case 4:  // Explorer XP
        SetBacks(c, container, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF);
        c.m_BorderRGB = 0xC3CECE;
        break;
    case 5:  // Office 2003
        c.m_BorderRGB = 0x743C00;
        switch (themeIndex) {
        case 1: SetBacks(c, 0xA1D6C7, 0xA1D6C7, 0xCCF4FF, 0xA1D6C7, 0xA1D6C7); break;
        case 2: SetBacks(c, 0xDDCDCD, 0xDDCDCD, 0xCCF4FF, 0xDDCDCD, 0xDDCDCD); break;
        case 3: SetBacks(c, 0xEDE9EB, 0xD4AF99, 0xE5CFC2, 0xE5CFC2, 0xEDE9EB); break;
        default: SetBacks(c, 0xF5D1B6, 0xF5D1B6, 0xCCF4FF, 0xF5D1B6, 0xF5D1B6); break;
        }
        break;
    case 6:  // Office 2007
        SetBacks(c, 0xE9D0BC, 0x3C8CFB, 0x67D7FF, 0xE9D0BC, 0xE9D0BC);
        c.m_BorderRGB = 0xE4BCA0;
        break;
    case 7:  // Vista Sunrise
        SetBacks(c, 0xDDDDDD, 0xEFD198, 0xFDE6BE, 0xDDDDDD, 0xDDDDDD);
        c.m_BorderRGB = 0x707070;
        break;
    case 8:  // Vista Sunset
        SetBacks(c, 0xFFD1AD, 0x3C8CFB, 0x67D7FF, 0xFFD1AD, 0xFFD1AD);
        c.m_BorderRGB = 0xCF9365;
        break;
    case 9:  // Gradient: the back colours a Windows XP button leaves behind
        c.m_BorderRGB = 0x743C00;
        break;
    default:
        break;
    }
    return c;
}

// The preset Depth of each appearance.
inline std::int16_t SampleDepth(std::int32_t appearance) { return appearance == 7 ? 1 : 2; }

inline const char* AppearanceName(std::int32_t appearance) {
    static const char* const names[] = {"3d",          "flat",          "shaped",
                                        "windowsxp",   "explorerxp",    "office2003",
                                        "office2007",  "vistasunrise",  "vistasunset",
                                        "gradient"};
    return appearance >= 0 && appearance < 10 ? names[appearance] : "unknown";
}

// The visual states the gallery and the golden renderings show.
enum class SampleState {
    Released,
    Hover,
    Focus,
    Pressed,       // pressed under the pointer, with the focus
    ToggledOn,     // Toggle Mode, ToggleValue True, pointer away
    ToggledHover,  // Toggle Mode, ToggleValue True, pointer over
    ZonePressed,   // DropDown Mode, press in the drop-down zone
    Disabled,
};

inline const char* StateName(SampleState s) {
    switch (s) {
    case SampleState::Released: return "released";
    case SampleState::Hover: return "hover";
    case SampleState::Focus: return "focus";
    case SampleState::Pressed: return "pressed";
    case SampleState::ToggledOn: return "toggled";
    case SampleState::ToggledHover: return "toggledhover";
    case SampleState::ZonePressed: return "zonepressed";
    case SampleState::Disabled: return "disabled";
    }
    return "?";
}

// appearanceMode 0 Standard or 2 DropDown; the toggled states use Toggle
// Mode and the zone press DropDown Mode whatever is asked.
inline FaceState MakeSampleState(std::int32_t appearance, SampleState s, std::int32_t appearanceMode,
                                 std::int32_t width, std::int32_t height,
                                 std::int32_t themeIndex = 0) {
    FaceState f;
    f.width = width;
    f.height = height;
    f.appearance = appearance;
    f.appearanceMode = appearanceMode;
    f.depth = SampleDepth(appearance);
    f.themeIndex = themeIndex;
    switch (s) {
    case SampleState::Released: break;
    case SampleState::Hover: f.mouseOver = kTrue; break;
    case SampleState::Focus: f.hasFocus = kTrue; break;
    case SampleState::Pressed:
        f.pressed = kTrue;
        f.mouseOver = kTrue;
        f.hasFocus = kTrue;
        break;
    case SampleState::ToggledOn:
        f.appearanceMode = 1;
        f.toggleValue = kTrue;
        f.hasFocus = kTrue;
        break;
    case SampleState::ToggledHover:
        f.appearanceMode = 1;
        f.toggleValue = kTrue;
        f.mouseOver = kTrue;
        f.hasFocus = kTrue;
        break;
    case SampleState::ZonePressed:
        f.appearanceMode = 2;
        f.pressed = kTrue;
        f.mouseOver = kTrue;
        f.hasFocus = kTrue;
        f.inDropDown = kTrue;
        break;
    case SampleState::Disabled: f.enabled = false; break;
    }
    return f;
}

// DrawFace's choice of renderer.
inline bool UsesDownFace(const FaceState& f) {
    return f.pressed != 0 || (f.appearanceMode == 1 && f.toggleValue != 0);
}

// One repaint's face: a fresh bitmap filled with m_TransparentRGB, then the
// renderer DrawFace would choose. Returns the pixels as colours, row by row.
inline std::vector<COLORREF> RenderFace(const FaceState& state, ColorCache& colors,
                                        std::vector<COLORREF>& ramp, VBool drawBorder) {
    std::vector<COLORREF> out;
    gdi::HDC dc = gdi::CreateCompatibleDC({});
    gdi::HBITMAP bitmap = gdi::CreateCompatibleBitmap({}, state.width, state.height);
    gdi::HBITMAP old = gdi::SelectObject(dc, bitmap);
    Painter painter(dc);
    painter.DrawRectangle(0, 0, state.width, state.height, 1, colors.m_TransparentRGB,
                          colors.m_TransparentRGB, 0);
    FaceTarget target{painter, colors, ramp};
    if (UsesDownFace(state))
        DrawFaceDown(state, target, drawBorder);
    else
        DrawFaceUp(state, target, drawBorder);
    const gdi::PixelView view = gdi::GetBitmapPixels(bitmap);
    out.reserve(view.pixels.size());
    for (std::uint32_t p : view.pixels) out.push_back(gdi::ColorFromPixel(p) & 0xFFFFFFu);
    gdi::SelectObject(dc, old);
    gdi::DeleteObject(bitmap);
    gdi::DeleteDC(dc);
    return out;
}

// A sample as a button shows it: a zone press follows a hovered released
// paint, whose ramp the Windows XP zone press reads.
inline std::vector<COLORREF> RenderSample(std::int32_t appearance, SampleState s,
                                          std::int32_t appearanceMode, std::int32_t width,
                                          std::int32_t height, VBool drawBorder,
                                          std::int32_t themeIndex = 0) {
    ColorCache colors = SampleColors(appearance, themeIndex);
    std::vector<COLORREF> ramp;
    const FaceState state = MakeSampleState(appearance, s, appearanceMode, width, height, themeIndex);
    if (s == SampleState::ZonePressed) {
        FaceState hovered = state;
        hovered.pressed = kFalse;
        hovered.inDropDown = kFalse;
        RenderFace(hovered, colors, ramp, drawBorder);
    }
    return RenderFace(state, colors, ramp, drawBorder);
}

}  // namespace vemmix::samples
