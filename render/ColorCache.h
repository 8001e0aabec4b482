// The button's translated-colour cache: every colour the drawing code uses,
// already resolved to plain RGB. Setters, the load and the presets keep it
// current; the drawing code reads only these values, never the stored
// colour properties.
#pragma once

#include "render/Gdi.h"

namespace vemmix {

struct ColorCache {
    gdi::COLORREF m_BackRGB = 0;         // BackColor
    gdi::COLORREF m_DownRGB = 0;         // BackColorDown
    gdi::COLORREF m_OverRGB = 0;         // BackColorOver
    gdi::COLORREF m_FocusRGB = 0;        // BackColorFocus
    gdi::COLORREF m_DisabledRGB = 0;     // BackColorDisabled
    gdi::COLORREF m_BorderRGB = 0;       // BorderColor
    gdi::COLORREF m_DarkShadowRGB = 0;   // 3D edge colours derived with the border colour
    gdi::COLORREF m_ShadowRGB = 0;
    gdi::COLORREF m_LightRGB = 0;
    gdi::COLORREF m_TransparentRGB = 0;  // TransparentColor
    gdi::COLORREF m_ForeRGB = 0;         // ForeColor
    gdi::COLORREF m_ForeDisabledRGB = 0; // ForeColorDisabled
    gdi::COLORREF m_ForeOverRGB = 0;     // ForeColorOver
    gdi::COLORREF m_ForeFocusRGB = 0;    // ForeColorFocus
    gdi::COLORREF m_ForeDownRGB = 0;     // ForeColorDown
    gdi::COLORREF m_MaskRGB = 0;         // MaskColor
    gdi::COLORREF m_ToolTipBackRGB = 0;  // ToolTipBackColor
    gdi::COLORREF m_ToolTipForeRGB = 0;  // ToolTipForeColor
    gdi::COLORREF m_TextFadeToRGB = 0;   // TextFadeToColor
};

}  // namespace vemmix
