#include "render/FaceRenderer.h"

#include <vemmix/Enums.h>

#include "render/FacePatterns.h"

namespace vemmix {

void DrawFaceUp(const FaceState& state, FaceTarget& target, VBool drawBorder) {
    if (state.width == 0 || state.height == 0) return;
    FacePatterns f(state, target, FaceKind::Up);
    const bool border = drawBorder != 0;
    switch (state.appearance) {
    case ecAppearance::ThreeD:       DrawThreeDUp(f, border); break;
    case ecAppearance::Flat:         DrawFlatUp(f, border); break;
    case ecAppearance::Shaped:       break;  // no face: pictures and mask only
    case ecAppearance::WindowsXP:    DrawWindowsXpUp(f); break;
    case ecAppearance::ExplorerXP:   DrawExplorerXpUp(f); break;
    case ecAppearance::Office2003:   DrawOffice2003Up(f, border); break;
    case ecAppearance::Office2007:   DrawOffice2007Up(f, border); break;
    case ecAppearance::VistaSunrise: DrawVistaSunriseUp(f, border); break;
    case ecAppearance::VistaSunset:  DrawVistaSunsetUp(f, border); break;
    case ecAppearance::Gradient:     DrawGradientUp(f); break;
    default:                         break;  // a stored value outside the enumeration
    }
}

void DrawFaceDown(const FaceState& state, FaceTarget& target, VBool drawBorder) {
    if (state.width == 0 || state.height == 0) return;
    FacePatterns f(state, target, FaceKind::Down);
    const bool border = drawBorder != 0;
    switch (state.appearance) {
    case ecAppearance::ThreeD:       DrawThreeDDown(f, border); break;
    case ecAppearance::Flat:         DrawFlatDown(f, border); break;
    case ecAppearance::Shaped:       break;
    case ecAppearance::WindowsXP:    DrawWindowsXpDown(f); break;
    case ecAppearance::ExplorerXP:   DrawExplorerXpDown(f); break;
    case ecAppearance::Office2003:   DrawOffice2003Down(f, border); break;
    case ecAppearance::Office2007:   DrawOffice2007Down(f, border); break;
    case ecAppearance::VistaSunrise: DrawVistaSunriseDown(f, border); break;
    case ecAppearance::VistaSunset:  DrawVistaSunsetDown(f, border); break;
    case ecAppearance::Gradient:     DrawGradientDown(f); break;
    default:                         break;
    }
}

}  // namespace vemmix
