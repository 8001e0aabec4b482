// The Vista and gradient faces: Vista Sunrise (rounded glass, inset ramp
// gradient, near-white inner highlights, a dark border derived from the
// state colour), Vista Sunset (full-width gradient between border rows or
// inside a frame) and Gradient (XP-like, from a 128-entry ramp, reversed
// when pressed).
#include "render/FacePatterns.h"

namespace vemmix {
namespace {

// Fixed colours of the Vista Sunrise face.
constexpr COLORREF kFocusRing = 0xFBD848;       //  72, 216, 251
constexpr COLORREF kTopHighlight = 0xFCFCFC;    // 252, 252, 252
constexpr COLORREF kBottomHighlight = 0xF3F3F3; // 243, 243, 243
constexpr COLORREF kSideHighlight = 0xF6F6F6;   // 246, 246, 246

// The dark border of a hovered or zone-pressed Vista Sunrise face.
COLORREF SunriseEdge(COLORREF c) { return ShiftColor(c, -130, -103, -76); }

// The four inner highlights of a released Vista Sunrise face.
void SunriseHighlights(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    f.Line(2, 1, W - 2, 1, kTopHighlight);
    f.Line(2, H - 2, W - 2, H - 2, kBottomHighlight);
    f.Line(W - 2, 2, W - 2, H - 2, kSideHighlight);
    f.Line(1, 2, 1, H - 2, kSideHighlight);
}

// Vista Sunset, released step 3: border rows, or a frame with drawBorder.
void SunsetBorder(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const COLORREF border = f.Colors().m_BorderRGB;
    if (drawBorder) {
        f.Frame(0, 0, W, H, border);
    } else {
        f.Line(0, 0, W, 0, border);
        f.Line(0, H - 1, W, H - 1, border);
    }
}

// Gradient, released steps 2 to 4: frame, corners and shading from the
// current ramp.
void GradientTrim(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const COLORREF border = f.Colors().m_BorderRGB;
    // 2. rounded frame
    f.Frame(0, 0, W, H, border);
    f.CornerStep(border);
    // 3. bottom shading
    f.Line(1, H - 4, W - 1, H - 4, Shift(f.R(127), -12, -15, -17));
    f.Line(1, H - 3, W - 1, H - 3, Shift(f.R(127), -22, -27, -33));
    f.Line(2, H - 2, W - 2, H - 2, Shift(f.R(127), -32, -37, -43));
    // 4. side shading
    f.Line(W - 2, 2, W - 2, H - 2, f.R(80));
    f.Line(W - 3, 1, W - 3, H - 3, f.R(79));
    f.Line(1, 2, 1, H - 2, f.FaceColor());
}

}  // namespace

void DrawVistaSunriseUp(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    if (!f.Hovered()) {
        // 1.1 inset gradient
        f.GenerateRamp(face, 8);
        f.ScanLineGradient(2, 0, H - 3, 2, W - 2, 16, H - 3);
        // 1.2 borderless: the two-pixel margin keeps the background
        if (!drawBorder) return;
        // 1.3 ring or highlights, then the edge
        COLORREF edge = c.m_BorderRGB;
        if (f.Focused()) {
            f.Frame(1, 1, W - 1, H - 1, kFocusRing);
            edge = SunriseEdge(c.m_OverRGB);
        } else {
            SunriseHighlights(f);
        }
        f.Frame(0, 0, W, H, edge);
        f.CornerStep(edge);
        if (f.DropDownMode()) f.SeparatorPair(edge, f.R(7));
        return;
    }
    // 2.1 hover gradient
    f.GenerateRamp(face, 9);
    f.ScanLineGradient(2, 0, H - 3, 2, W - 2, 16, H - 3);
    // 2.2 dark edge: written into the cache
    if (drawBorder) {
        c.m_DarkShadowRGB = SunriseEdge(face);
        f.Frame(0, 0, W, H, c.m_DarkShadowRGB);
        f.CornerStep(c.m_DarkShadowRGB);
        SunriseHighlights(f);
        if (f.DropDownMode()) f.SeparatorPair(c.m_DarkShadowRGB, f.R(7));
    }
}

void DrawVistaSunriseDown(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    if (f.InDropDown()) {
        // 1.1 hovered main part
        f.GenerateRamp(c.m_OverRGB, 9);
        f.ScanLineGradient(2, 0, H - 3, 2, W - DDW - 1, 16, H - 3);
        // 1.2 pressed zone
        f.GenerateRamp(c.m_DownRGB, 10);
        f.ScanLineGradient(2, 0, H - 2, W - DDW, W - 1, 15, H - 2);
        // 1.3 dark edge and highlights
        if (drawBorder) {
            c.m_DarkShadowRGB = SunriseEdge(face);
            f.Frame(0, 0, W, H, c.m_DarkShadowRGB);
            f.CornerStep(c.m_DarkShadowRGB);
            f.Line(2, 1, W - 2 - DDW, 1, kTopHighlight);
            f.Line(W - DDW + 1, 1, W - 2, 1, ShiftColor(c.m_DownRGB, 6, -33, -53));
            f.Line(2, H - 2, W - 2 - DDW, H - 2, kBottomHighlight);
            f.Line(W - 2, 2, W - 2, H - 2, ShiftColor(c.m_DownRGB, 2, -23, -36));
            f.Line(1, 2, 1, H - 2, kSideHighlight);
            if (f.DropDownMode()) f.SeparatorPair(c.m_DarkShadowRGB, f.R(15));
        }
        return;
    }

    // 2.1 generate ramp: toggled on under the pointer keeps the hover look
    if (f.ToggledOn() && f.Hovered())
        f.GenerateRamp(c.m_OverRGB, 9);
    else
        f.GenerateRamp(face, 10);
    // 2.2 pressed gradient
    f.ScanLineGradient(2, 0, H - 2, 2, W - 2, 15, H - 2);
    // 2.3 pressed edge: written into the cache
    if (drawBorder) {
        c.m_DarkShadowRGB = ShiftColor(face, -108, -111, -100);
        f.Frame(0, 0, W, H, c.m_DarkShadowRGB);
        f.CornerStep(c.m_DarkShadowRGB);
        f.Line(2, 1, W - 2, 1, ShiftColor(face, 6, -33, -53));
        f.Line(W - 2, 2, W - 2, H - 2, ShiftColor(face, 2, -23, -36));
        f.Line(1, 2, 1, H - 2, ShiftColor(face, 2, -23, -36));
        if (f.DropDownMode()) f.SeparatorPair(c.m_DarkShadowRGB, f.R(15));
    }
}

void DrawVistaSunsetUp(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();

    // 1. generate ramp
    if (f.Hovered())
        f.GenerateRamp(c.m_OverRGB, 4);
    else
        f.GenerateRamp(f.FaceColor(), 7);
    // 2. full gradient
    f.ScanLineGradient(1, 0, H - 2, 0, W, 30, H - 2);
    // 3. border rows
    SunsetBorder(f, drawBorder);
    // 4. zone separator, only under the pointer
    if (f.Hovered() && f.DropDownMode())
        f.Line(W - DDW, 1, W - DDW, H - 2, c.m_BorderRGB, BW);
}

void DrawVistaSunsetDown(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();

    if (f.InDropDown()) {
        // 1.1 hovered main part
        f.GenerateRamp(c.m_OverRGB, 4);
        f.ScanLineGradient(1, 0, H - 2, 0, W - DDW - 1, 30, H - 2);
        // 1.2 border rows
        SunsetBorder(f, drawBorder);
        // 1.3 pressed zone
        f.GenerateRamp(c.m_DownRGB, 6);
        f.ScanLineGradient(1, 0, H - 2, W - DDW, W - 1, 30, H - 2);
        // 1.4 zone separator, whatever the mode
        f.Line(W - DDW, 1, W - DDW, H - 2, c.m_BorderRGB, BW);
        return;
    }
    // 2.1 generate ramp: toggled on away from the pointer takes the shifted
    // down colour (the opposite condition to Office 2007)
    if (f.ToggledOn() && !f.Hovered())
        f.GenerateRamp(ShiftColor(c.m_DownRGB, 3, 31, 4), 5);
    else
        f.GenerateRamp(c.m_DownRGB, 6);
    // 2.2 full gradient
    f.ScanLineGradient(1, 0, H - 2, 0, W, 30, H - 2);
    // 2.3 border rows
    SunsetBorder(f, drawBorder);
    // 2.4 zone separator
    if (f.DropDownMode()) f.Line(W - DDW, 1, W - DDW, H - 2, c.m_BorderRGB, BW);
}

void DrawGradientUp(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const COLORREF border = f.Colors().m_BorderRGB;

    // 1. long gradient
    f.GenerateRamp(f.FaceColor(), 11);
    f.ScanLineGradient(1, 0, H - 3, 2, W - 3, 127, H - 3);
    // 2-4. frame and shading
    GradientTrim(f);
    // 5. zone separator
    if (f.DropDownMode()) f.SeparatorPair(border, f.FaceColor());
}

void DrawGradientDown(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const COLORREF border = f.Colors().m_BorderRGB;
    const COLORREF face = f.FaceColor();

    if (f.InDropDown()) {
        // 1. released main part
        f.GenerateRamp(f.Colors().m_BackRGB, 11);
        f.ScanLineGradient(1, 0, H - 3, 2, W - DDW, 127, H - 3);
        // reversed zone
        f.GenerateRamp(face, 11);
        f.ReversedRows(1, 0, H - 3, W - DDW, W - 3);
        // frame and shading, from the zone's ramp
        GradientTrim(f);
        // swapped separator, whatever the mode
        f.SeparatorPair(face, border);
        return;
    }
    // 2. reversed gradient
    f.GenerateRamp(face, 11);
    f.ComputeStep(127, H - 3);
    f.ReversedRows(1, 0, H - 3, 2, W - 3);
    // frame and shading
    GradientTrim(f);
    // zone separator
    if (f.DropDownMode()) f.SeparatorPair(border, face);
}

}  // namespace vemmix
