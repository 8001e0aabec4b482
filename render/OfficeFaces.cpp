// The Office faces: Office 2003 (toolbar button: full-height gradient at
// rest, framed inner gradient under the pointer, warmer reversed gradient
// when pressed; flat outlined with the royal theme) and Office 2007 (glossy
// gradient with lightened top and bottom rows, darker border when pressed).
#include <vemmix/Enums.h>

#include "render/FacePatterns.h"

namespace vemmix {
namespace {

// m_ThemeIndex is numbered as ecAppearanceThemesDefault.
constexpr std::int32_t kRoyal = ecAppearanceThemesDefault::Royal;

// Office 2003 hovered, steps 1 and 2: the outer rows and edge columns from
// a mode-1 ramp of the back colour.
void Office2003OuterRows(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    // outer rows
    f.GenerateRamp(f.Colors().m_BackRGB, 1);
    f.Line(0, 0, W, 0, f.R(0));
    f.Line(0, 1, W, 1, f.R(1));
    f.Line(0, H - 2, W, H - 2, f.R(23));
    f.Line(0, H - 1, W, H - 1, f.R(24));
    // edge columns
    if (drawBorder) {
        f.Line(0, 1, 0, H - 1, f.R(0));
        f.Line(W - 1, 1, W - 1, H - 1, f.R(24));
    }
}

// Office 2003 hovered, steps 3 and 4: the inner gradient of the hover colour
// and its frame.
void Office2003HoverInset(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    // inner gradient
    f.GenerateRamp(f.Colors().m_OverRGB, 2);
    f.ScanLineGradient(2, 0, H - 6, 2, W - 2, 19, H - 4);
    // inner frame
    f.Frame(1, 2, W - 1, H - 2, f.Colors().m_BorderRGB);
}

// The pressed colour of the non-royal faces: the hover colour, warmer.
COLORREF Office2003PressedBase(const ColorCache& c) { return ShiftColor(c.m_OverRGB, 0, -31, -64); }

}  // namespace

void DrawOffice2003Up(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    // 1. royal, hovered or focused: flat outline
    if (f.State().themeIndex == kRoyal && (f.Hovered() || f.Focused())) {
        f.Rect(0, 0, W, H, BW, c.m_BorderRGB, face);
        if (f.DropDownMode() && drawBorder) f.Line(W - DDW, 0, W - DDW, H, c.m_BorderRGB, BW);
        return;
    }
    if (!f.Hovered()) {
        // 2.1 generate ramp
        f.GenerateRamp(face, 1);
        // 2.2 full gradient
        f.ScanLineGradient(0, 0, H - 1, 0, W, 24, H - 1);
        // 2.3 edge columns; 2.4 no separator
        if (drawBorder) {
            f.Line(0, 1, 0, H - 1, f.R(0));
            f.Line(W - 1, 1, W - 1, H - 1, f.R(24));
        }
        return;
    }
    // 3.1-3.2 outer rows
    Office2003OuterRows(f, drawBorder);
    // 3.3-3.4 hover inset
    Office2003HoverInset(f);
    // 3.5 zone separator
    if (f.DropDownMode()) f.Line(W - DDW, 2, W - DDW, H - 2, c.m_BorderRGB, BW);
}

void DrawOffice2003Down(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    // 1. royal: flat outlined rectangles
    if (f.State().themeIndex == kRoyal) {
        if (f.InDropDown()) {
            f.Rect(0, 0, W, H, BW, c.m_BorderRGB, c.m_OverRGB);
            f.Rect(W - DDW, 0, W, H, BW, c.m_BorderRGB, face);
            return;
        }
        f.Rect(0, 0, W, H, BW, c.m_BorderRGB, f.ToggledOn() ? face : c.m_DownRGB);
        if (f.DropDownMode() && drawBorder) f.Line(W - DDW, 0, W - DDW, H, c.m_BorderRGB, BW);
        return;
    }

    if (f.InDropDown()) {
        // 2.1 hovered main part
        Office2003OuterRows(f, drawBorder);
        Office2003HoverInset(f);
        // 2.2 zone gradient, bottom up
        f.GenerateRamp(Office2003PressedBase(c), 2);
        f.ComputeStep(19, H - 6);
        f.Rows(0, H - 7, W - DDW, W - 2, [h = H](std::int64_t i) { return h - 4 - i; },
               [&](std::int64_t i) { return f.RAt(f.StepTimes(i)); });
        // 2.3 zone separator, whatever the mode
        f.Line(W - DDW, 2, W - DDW, H - 2, c.m_BorderRGB, BW);
        return;
    }

    // 3.1 outer rows
    Office2003OuterRows(f, drawBorder);
    // 3.2 pressed gradient, bottom up
    f.GenerateRamp(Office2003PressedBase(c), 2);
    f.ComputeStep(19, H - 4);
    f.Rows(0, H - 6, 2, W - 2, [h = H](std::int64_t i) { return h - 3 - i; },
           [&](std::int64_t i) { return f.RAt(f.StepTimes(i)); });
    // 3.3 inner frame
    f.Frame(1, 2, W - 1, H - 2, c.m_BorderRGB);
    // 3.4 zone separator
    if (f.DropDownMode()) f.Line(W - DDW, 2, W - DDW, H - 2, c.m_BorderRGB, BW);
}

void DrawOffice2007Up(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    if (!f.Hovered()) {
        // 1.1 glossy gradient
        f.GenerateRamp(face, 3);
        f.ScanLineGradient(2, 0, H - 3, 0, W, 17, H - 3);
        // 1.2 light rows
        f.Line(0, 1, W, 1, Shift(f.R(0), 10, 10, 10));
        f.Line(0, H - 2, W, H - 2, Shift(f.R(17), 10, 10, 10));
        if (drawBorder) {
            // 1.3 framed edges
            f.Frame(0, 0, W, H, c.m_BorderRGB);
            f.Line(1, 2, 1, H - 2, ShiftColor(c.m_BackRGB, 20, 20, 20));
            f.Line(W - 2, 2, W - 2, H - 2, ShiftColor(c.m_BackRGB, 4, 4, 4));
            f.CornerStep(c.m_BorderRGB);
        } else {
            // 1.4 border rows
            f.Line(0, 0, W, 0, c.m_BorderRGB);
            f.Line(0, H - 1, W, H - 1, c.m_BorderRGB);
            f.Line(0, 2, 0, H - 2, ShiftColor(c.m_BackRGB, 20, 20, 20));
            f.Line(W - 1, 2, W - 1, H - 2, ShiftColor(c.m_BackRGB, 4, 4, 4));
        }
        // 1.5 no separator at rest
        return;
    }
    // 2.1 hover gradient
    f.GenerateRamp(c.m_OverRGB, 4);
    f.ScanLineGradient(1, 0, H - 3, 0, W, 30, H - 3);
    // 2.2 light rows
    f.Line(0, 1, W, 1, Shift(f.R(0), 10, 10, 10));
    f.Line(0, H - 2, W, H - 2, f.R(8));
    if (drawBorder) {
        // 2.3 framed edges
        f.Frame(0, 0, W, H, c.m_BorderRGB);
        f.Line(1, 2, 1, H - 2, f.R(11));
        f.Line(W - 2, 2, W - 2, H - 2, f.R(30));
        f.CornerStep(c.m_BorderRGB);
    } else {
        // 2.4 border rows
        f.Line(0, 0, W, 0, c.m_BorderRGB);
        f.Line(0, H - 1, W, H - 1, c.m_BorderRGB);
        f.Line(0, 2, 0, H - 2, ShiftColor(c.m_OverRGB, 20, 20, 20));
        f.Line(W - 1, 2, W - 1, H - 2, ShiftColor(c.m_OverRGB, 4, 4, 4));
    }
    // 2.5 zone separator
    if (f.DropDownMode()) f.Line(W - DDW, 1, W - DDW, H - 2, Shift(f.R(13), -10, -10, -10), BW);
}

void DrawOffice2007Down(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    ColorCache& c = f.Colors();

    // 1. pressed border: written into the cache, it stays until the next rebuild
    c.m_DarkShadowRGB = ShiftColor(c.m_DownRGB, -80, -30, -10);

    if (f.InDropDown()) {
        // 2.1 hovered main part
        f.GenerateRamp(c.m_OverRGB, 4);
        f.ScanLineGradient(1, 0, H - 3, 0, W - DDW, 30, H - 3);
        // 2.2 light rows
        f.Line(0, 1, W - DDW, 1, Shift(f.R(0), 10, 10, 10));
        f.Line(0, H - 2, W - DDW, H - 2, f.R(8));
        // 2.3 main edges
        if (drawBorder) {
            f.Frame(0, 0, W, H, c.m_BorderRGB);
            f.Line(1, 2, 1, H - 2, f.R(11));
            f.Line(W - 2, 2, W - 2, H - 2, c.m_DarkShadowRGB);
            f.CornerStep(c.m_BorderRGB);
        } else {
            f.Line(0, 0, W - DDW, 0, c.m_BorderRGB);
            f.Line(0, H - 1, W - DDW, H - 1, c.m_BorderRGB);
            f.Line(0, 2, 0, H - 2, ShiftColor(c.m_OverRGB, 20, 20, 20));
            f.Line(W - 1, 2, W - 1, H - 2, ShiftColor(c.m_OverRGB, 4, 4, 4));
        }
        // 2.4 zone gradient
        f.GenerateRamp(c.m_DownRGB, 6);
        f.ScanLineGradient(1, 0, H - 3, W - DDW, W - 2, 30, H - 3);
        // 2.5 zone rows
        f.Line(W - DDW, 1, W - 1, 1, Shift(f.R(0), -20, -20, -20));
        f.Line(W - DDW, H - 2, W - 1, H - 2, f.R(21));
        // 2.6 zone separator, whatever the mode
        f.Line(W - DDW, 1, W - DDW, H - 1, c.m_DarkShadowRGB, BW);
        return;
    }

    // 3.1 generate ramp: toggled on under the pointer takes the shifted down colour
    if (f.ToggledOn() && f.Hovered())
        f.GenerateRamp(ShiftColor(c.m_DownRGB, 3, 31, 4), 5);
    else
        f.GenerateRamp(c.m_DownRGB, 6);
    // 3.2 pressed gradient
    f.ScanLineGradient(2, 0, H - 4, 0, W - 1, 30, H - 4);
    if (drawBorder) {
        // 3.3 framed edges
        f.Line(2, 1, W - 2, 1, Shift(f.R(0), -20, -20, -20));
        f.Line(2, H - 2, W - 2, H - 2, f.R(21));
        f.Frame(0, 0, W, H, c.m_BorderRGB);
        f.Line(2, 0, W - 2, 0, c.m_DarkShadowRGB);
        f.Line(2, H - 1, W - 1, H - 1, c.m_DarkShadowRGB);
        f.CornerStep(c.m_BorderRGB);
    } else {
        // 3.4 border rows
        f.Line(0, 1, W - 1, 1, Shift(f.R(0), -20, -20, -20));
        f.Line(0, H - 2, W - 1, H - 2, f.R(21));
        f.Line(0, 0, W, 0, c.m_DarkShadowRGB);
        f.Line(0, H - 1, W, H - 1, c.m_DarkShadowRGB);
        f.Line(W - 1, 1, W - 1, H - 1, ShiftColor(c.m_DarkShadowRGB, 50, 50, 50));
    }
    // 3.5 zone separator
    if (f.DropDownMode()) f.Line(W - DDW, 1, W - DDW, H - 1, c.m_DarkShadowRGB, BW);
}

}  // namespace vemmix
