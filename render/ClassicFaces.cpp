// The classic faces: 3d (raised system button) and flat (filled rectangle
// with an optional outline). Shaped has no face at all. No colour ramp.
//
// Terms formed from 16-bit operands only (2BW, o + hw, BW + o ...) are
// computed as checked 16-bit values; a statement that uses an overflowed
// term is skipped, as every failing statement is.
#include "render/FacePatterns.h"

namespace vemmix {
namespace {

// hw = BW / 2 rounded down.
std::int16_t HalfWidth(std::int16_t bw) {
    return static_cast<std::int16_t>(bw >= 0 ? bw / 2 : -((1 - bw) / 2));
}

}  // namespace

void DrawThreeDUp(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    // 1. default offset
    const std::int16_t o = f.State().displayAsDefault ? 1 : 0;
    const std::int16_t hw = HalfWidth(BW);

    if (drawBorder) {
        const auto oHw = Int16(o + hw);
        const auto bwO = Int16(BW + o);
        const auto bw1O = Int16(BW + 1 + o);
        // 2.1 top edge
        if (oHw) f.Line(o, *oHw, W - o - hw, *oHw, c.m_BorderRGB, BW);
        // 2.2 left edge
        if (oHw) f.Line(*oHw, *oHw, *oHw, H - o, c.m_BorderRGB, BW);
        // 2.3 right edge: one pixel further out than a mirror of the left
        if (oHw) f.Line(W - hw - o, *oHw, W - hw - o, H - BW - o, c.m_DarkShadowRGB, BW);
        // 2.4 bottom edge
        f.Line(W - hw - o, H - hw - o, o, H - hw - o, c.m_DarkShadowRGB, BW);
        if (bwO) {
            // 2.5 inner top
            f.Line(*bwO, *bwO, W - o - BW, *bwO, c.m_LightRGB);
            // 2.6 inner left
            f.Line(*bwO, *bwO, *bwO, H - o - BW, c.m_LightRGB);
            // 2.7 inner right
            f.Line(W - BW - o, *bwO, W - BW - o, H - BW - o, c.m_ShadowRGB);
        }
        // 2.8 inner bottom
        if (bwO) f.Line(W - BW - o, H - BW - o, *bwO, H - BW - o, c.m_ShadowRGB);
        // 2.9 interior fill
        if (bw1O) f.Rect(*bw1O, *bw1O, W - BW - 1 - o, H - BW - 1 - o, 1, face, face);
    } else {
        // 3. plain face
        f.Rect(o, o, W - o, H - o, 1, face, face);
    }

    // 4. default frame
    if (f.State().displayAsDefault) f.Frame(0, 0, W, H, c.m_DarkShadowRGB);

    // 5. drop-down separator, whatever drawBorder says
    if (f.DropDownMode()) {
        f.Line(W - DDW, 0, W - DDW, H, c.m_DarkShadowRGB, BW);
        f.Line(W - DDW + BW, 0, W - DDW + BW, H - BW, c.m_BorderRGB, BW);
    }
}

void DrawThreeDDown(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const auto twoBW = Int16(2 * BW);

    // 1. zone pressed: raised main part, sunken zone
    if (f.InDropDown()) {
        const COLORREF face = f.FaceColor();
        if (drawBorder) {
            // outer edges
            f.Frame(0, 0, W, H, c.m_BorderRGB);
            f.Frame(BW, BW, W, H, c.m_DarkShadowRGB);
            // inner edges
            f.Frame(BW, BW, W - BW, H - BW, c.m_LightRGB);
            if (twoBW) f.Frame(*twoBW, *twoBW, W - BW, H - BW, c.m_ShadowRGB);
            // main interior: filled rather than framed, so the pressed zone
            // does not hollow out the main part down to the background
            if (twoBW) f.Rect(*twoBW, *twoBW, W - *twoBW, H - *twoBW, 1, face, face);
            // zone outer
            f.Rect(W - DDW, 0, W, H, BW, c.m_DarkShadowRGB, c.m_DarkShadowRGB);
            // zone inner
            f.Rect(W - DDW + BW, BW, W - BW, H - BW, BW, c.m_ShadowRGB, c.m_ShadowRGB);
            // zone interior
            if (twoBW)
                f.Rect(W - DDW + *twoBW, *twoBW, W - *twoBW, H - *twoBW, 1, face, face);
        } else {
            // plain face
            f.Rect(0, 0, W, H, 1, face, face);
        }
        return;
    }

    // 2. toggled on: two-tone sunken edges
    if (f.ToggledOn()) {
        const COLORREF face = f.FaceColor();
        f.Frame(0, 0, W, H, c.m_DarkShadowRGB);
        f.Frame(BW, BW, W, H, c.m_BorderRGB);
        f.Frame(BW, BW, W - BW, H - BW, c.m_ShadowRGB);
        if (twoBW) f.Frame(*twoBW, *twoBW, W - BW, H - BW, c.m_LightRGB);
        if (twoBW) f.Rect(*twoBW, *twoBW, W - *twoBW, H - *twoBW, 1, face, face);
        return;
    }

    // 3. pushed: dark outer frame, shadow inner frame
    f.Frame(0, 0, W, H, c.m_DarkShadowRGB);
    f.Frame(BW, BW, W - BW, H - BW, c.m_ShadowRGB);
    if (f.ToggleMode()) f.SetFaceColor(c.m_DownRGB);
    const COLORREF face = f.FaceColor();
    if (twoBW) f.Rect(*twoBW, *twoBW, W - *twoBW, H - *twoBW, 1, face, face);
    // moved separator
    if (f.DropDownMode()) {
        const std::int64_t depth = f.State().depth;
        f.Line(W - DDW + depth, depth, W - DDW + depth, H, c.m_DarkShadowRGB, BW);
        f.Line(W - DDW + BW + depth, depth, W - DDW + BW + depth, H - BW, c.m_BorderRGB, BW);
    }
}

void DrawFlatUp(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    // 1. outlined face
    f.Rect(0, 0, W, H, BW, drawBorder ? c.m_BorderRGB : face, face);
    // 2. zone separator
    if (f.DropDownMode() && drawBorder) f.Line(W - DDW, 0, W - DDW, H, c.m_BorderRGB, BW);
}

void DrawFlatDown(FacePatterns& f, bool drawBorder) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    // 1. zone pressed
    if (f.InDropDown()) {
        if (drawBorder) {
            f.Rect(0, 0, W, H, BW, c.m_BorderRGB, face);
            f.Rect(W - DDW, 0, W, H, BW, c.m_DarkShadowRGB, face);
        } else {
            // filled rather than framed: every sibling face fills this area,
            // and a bare frame would show the background through the button
            f.Rect(0, 0, W, H, 1, face, face);
            f.Line(W - DDW, 0, W - DDW, H, c.m_DarkShadowRGB, BW);
        }
        return;
    }

    if (f.ToggledOn()) {
        // 2. toggled face
        f.Rect(0, 0, W, H, BW, c.m_BorderRGB, face);
    } else {
        // 3. pushed face
        f.Rect(0, 0, W, H, BW, drawBorder ? c.m_DarkShadowRGB : face, face);
    }
    // 4. zone separator
    if (f.DropDownMode() && drawBorder) f.Line(W - DDW, 0, W - DDW, H, c.m_DarkShadowRGB, BW);
}

}  // namespace vemmix
