// The XP faces: Windows XP (rounded, framed, ramp gradient with theme-shaded
// edges) and Explorer XP (flat at rest, the XP look only under the pointer).
// Neither looks at drawBorder. The hover and focus inner frames of Windows
// XP belong to the focus step of the repaint, not to the face.
#include <vemmix/Enums.h>

#include "render/FacePatterns.h"

namespace vemmix {
namespace {

// m_ThemeIndex is numbered as ecAppearanceThemesDefault.
constexpr std::int32_t kSilver = ecAppearanceThemesDefault::Silver;
constexpr std::int32_t kRoyal = ecAppearanceThemesDefault::Royal;

}  // namespace

void DrawWindowsXpUp(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    // 1. generate ramp
    f.GenerateRamp(face, 0);
    // 2. face gradient
    f.ScanLineGradient(0, 1, H - 4, 2, W - 1, 16, H - 5);
    // 3. rounded frame
    f.Frame(0, 0, W, H, c.m_BorderRGB);
    f.CornerStep(c.m_BorderRGB);
    // 4. bottom shading
    f.Line(1, H - 4, W - 1, H - 4, f.R(17));
    f.Line(1, H - 3, W - 1, H - 3, f.R(18));
    f.Line(2, H - 2, W - 2, H - 2, f.R(19));
    // 5. right shading
    switch (f.State().themeIndex) {
    case kSilver:
        f.Line(W - 2, 2, W - 2, H - 2, face);
        break;
    case kRoyal:
        f.Line(2, 1, W - 2, 1, f.R(0));
        f.Line(W - 2, 2, W - 2, H - 2, f.R(0));
        break;
    default:
        f.Line(W - 2, 2, W - 2, H - 2, f.R(16));
        f.Line(W - 3, 1, W - 3, H - 3, f.R(15));
        break;
    }
    // 6. left highlight
    f.Line(1, 2, 1, H - 2, face);
    // 7. zone separator
    if (f.DropDownMode()) f.SeparatorPair(c.m_BorderRGB, face);
}

void DrawWindowsXpDown(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();
    const COLORREF t = c.m_TransparentRGB;

    if (f.InDropDown()) {
        // The ramp is not generated: the zone press reads what the previous
        // paint left (normally the hovered released face). An empty or short
        // ramp skips every statement that reads past its end.
        // 1.1 main gradient
        f.ScanLineGradient(0, 1, H - 4, 2, W - DDW, 16, H - 5);
        // 1.2 left corners
        f.Frame(0, 0, W, H, c.m_BorderRGB);
        f.Pixel(1, 1, c.m_BorderRGB);
        f.Pixel(1, H - 2, c.m_BorderRGB);
        f.Pixel(0, 0, t);
        f.Pixel(0, H - 1, t);
        // 1.3 bottom shading
        f.Line(1, H - 4, W - 1, H - 4, f.R(17));
        f.Line(1, H - 3, W - 1, H - 3, f.R(18));
        f.Line(2, H - 2, W - 2, H - 2, f.R(19));
        f.Line(1, 2, 1, H - 2, face);
        // 1.4 zone box
        f.Rect(W - DDW, BW, W, H - BW, 1, c.m_BorderRGB, f.R(18));
        f.Pixel(W - 2, 1, c.m_BorderRGB);
        f.Pixel(W - 2, H - 2, c.m_BorderRGB);
        f.Pixel(W - 1, 0, t);
        f.Pixel(W - 1, H - 1, t);
        // 1.5 zone shading
        f.Line(W - DDW, 1, W - 2, 1, f.R(19));
        f.Line(W - DDW, 2, W - DDW, H - 2, f.R(19));
        f.Line(W - DDW, H - 3, W - 1, H - 3, f.R(13));
        f.Line(W - DDW, H - 2, W - 2, H - 2, f.R(9));
        // 1.6 zone separator
        f.SeparatorPair(c.m_BorderRGB, f.R(1));
        return;
    }

    const std::int32_t theme = f.State().themeIndex;
    if (theme == kSilver || theme == kRoyal) {
        // 2.1 generate ramp (the pressed table)
        f.GenerateRamp(face, 0);
        // 2.2 face gradient, entries 2 onwards
        f.ComputeStep(17, H - 2);
        f.Rows(3, H - 2, 2, W - 2, [](std::int64_t i) { return i; },
               [&](std::int64_t i) { return f.RAt(f.StepTimes(i - 1) + 2.0); });
        // 2.3 top rows
        f.Line(2, 1, W - 2, 1, f.R(0));
        f.Line(2, 2, W - 2, 2, f.R(1));
        // 2.4 rounded frame
        f.Frame(0, 0, W, H, c.m_BorderRGB);
        f.Pixel(1, 1, c.m_BorderRGB);
        f.Pixel(1, H - 2, c.m_BorderRGB);
        f.Pixel(W - 2, 1, c.m_BorderRGB);
        f.Pixel(W - 2, H - 2, c.m_BorderRGB);
        f.Pixel(2, 2, face);
        f.Pixel(2, H - 3, face);
        f.Pixel(0, 0, t);
        f.Pixel(0, H - 1, t);
        f.Pixel(W - 1, 0, t);
        f.Pixel(W - 1, H - 1, t);
        // 2.5 zone separator
        if (f.DropDownMode()) f.SeparatorPair(c.m_BorderRGB, face);
        return;
    }

    // 3.1 generate ramp
    f.GenerateRamp(face, 0);
    // 3.2 down fill: the down colour, also for a disabled button
    f.Rect(0, 0, W, H, 1, c.m_BorderRGB, c.m_DownRGB);
    // 3.3 rounded corners
    f.CornerStep(c.m_BorderRGB);
    // 3.4 inner shadow
    f.Line(2, 1, W - 2, 1, f.R(19));
    f.Line(2, 2, W - 2, 2, f.R(18));
    f.Line(1, 2, 1, H - 2, f.R(19));
    f.Line(2, 2, 2, H - 2, f.R(18));
    f.Line(2, H - 3, W - 1, H - 3, f.R(13));
    f.Line(2, H - 2, W - 2, H - 2, f.R(9));
    // 3.5 zone separator
    if (f.DropDownMode()) f.SeparatorPair(c.m_BorderRGB, f.R(9));
}

void DrawExplorerXpUp(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    if (!f.Hovered()) {
        // 2. flat rest: the back colour whatever the focus or enabled state
        f.Rect(0, 0, W, H, 1, c.m_BackRGB, c.m_BackRGB);
        return;
    }
    // 1.1 generate ramp
    f.GenerateRamp(face, 0);
    // 1.2 face gradient
    f.ScanLineGradient(0, 1, H - 4, 2, W - 1, 14, H - 5);
    // 1.3 rounded frame
    f.Frame(0, 0, W, H, c.m_BorderRGB);
    f.CornerStep(c.m_BorderRGB);
    // 1.4 edge shading
    f.Line(1, H - 4, W - 1, H - 4, f.R(15));
    f.Line(1, H - 3, W - 1, H - 3, f.R(16));
    f.Line(2, H - 2, W - 2, H - 2, f.R(17));
    f.Line(W - 2, 2, W - 2, H - 2, f.R(16));
    f.Line(W - 3, 1, W - 3, H - 3, f.R(15));
    f.Line(1, 2, 1, H - 2, face);
    // 1.5 zone separator
    if (f.DropDownMode()) f.SeparatorPair(c.m_BorderRGB, face);
}

void DrawExplorerXpDown(FacePatterns& f) {
    const auto [W, H, BW, DDW] = f.Geometry();
    const ColorCache& c = f.Colors();
    const COLORREF face = f.FaceColor();

    if (f.InDropDown()) {
        // 1.1 generate ramp
        f.GenerateRamp(face, 0);
        // 1.2 main gradient
        f.ScanLineGradient(0, 1, H - 4, 2, W - DDW + 2, 14, H - 5);
        // 1.3 rounded frame
        f.Frame(0, 0, W, H, c.m_BorderRGB);
        f.CornerStep(c.m_BorderRGB);
        // 1.4 main shading
        f.Line(1, H - 4, W - DDW, H - 4, f.R(15));
        f.Line(1, H - 3, W - DDW, H - 3, f.R(16));
        f.Line(2, H - 2, W - DDW, H - 2, f.R(17));
        f.Line(1, 2, 1, H - 2, face);
        // 1.5 sunken zone
        f.Rect(W - DDW, 0, W, H, 1, c.m_BorderRGB, ShiftColor(face, -30, -30, -30));
        f.Line(W - DDW, 1, W - 2, 1, ShiftColor(face, -41, -47, -58));
        f.Line(W - DDW, H - 2, W - 2, H - 2, ShiftColor(face, -12, -12, -17));
        // 1.6 zone separator
        f.SeparatorPair(c.m_BorderRGB, face);
        return;
    }
    // 2.1 darker fill
    f.Rect(0, 0, W, H, 1, c.m_BorderRGB, ShiftColor(face, -26, -26, -26));
    // 2.2 rounded corners
    f.CornerStep(c.m_BorderRGB);
    // 2.3 inner shadow
    f.Line(2, 1, W - 2, 1, ShiftColor(face, -41, -47, -58));
    f.Line(1, 2, 1, H - 2, ShiftColor(face, -41, -47, -58));
    f.Line(2, H - 3, W - 1, H - 3, ShiftColor(face, -15, -15, -21));
    f.Line(2, H - 2, W - 2, H - 2, ShiftColor(face, -12, -12, -17));
    // 2.4 zone separator
    if (f.DropDownMode()) f.SeparatorPair(c.m_BorderRGB, face);
}

}  // namespace vemmix
