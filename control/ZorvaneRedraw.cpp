// The repaint: the whole button is composed in an off-screen bitmap and
// copied to the window in one transfer. Also the background, the choice of
// face renderer and the window settings of the Shaped appearance.
#include "base/Steps.h"
#include "control/Zorvane.h"

#include <vemmix/TextRenderer.h>

namespace vemmix {

void Zorvane::Redraw() {
    if (m_Hidden == kTrue || m_Width == 0 || m_Height == 0) return;

    // memory context and bitmap
    gdi::HDC memDC;
    RunStep([&] { memDC = gdi::CreateCompatibleDC(gdi::HDC{}); });
    if (!memDC) return;
    gdi::HBITMAP bitmap;
    RunStep([&] { bitmap = gdi::CreateCompatibleBitmap(m_Site.WindowDC(), m_Width, m_Height); });
    if (!bitmap) {
        gdi::DeleteDC(memDC);
        return;
    }
    gdi::HBITMAP previousBitmap;
    RunStep([&] { previousBitmap = gdi::SelectObject(memDC, bitmap); });
    m_MemDC = memDC;
    RepaintScope repaint;  // out of memory in any step: no transfer, the window keeps its image
    RunStep([&] { gdi::SetTextRenderer(m_MemDC, &m_Site.GetPlatform().Text()); });
    RunStep([&] { gdi::SetDeviceResolution(m_MemDC, DpiX(), DpiY()); });
    RunStep([&] { gdi::SetTextRightToLeft(m_MemDC, m_Site.RightToLeft()); });

    // layers, each over the one before
    Painter painter(m_MemDC);
    RunStep([&] { DrawBackground(painter); });
    RunStep([&] { DrawFace(painter); });
    RunStep([&] { PlacePicture(painter); });
    if (m_AppearanceMode == ecAppearanceMode::DropDown)
        RunStep([&] { DrawDropDownMarker(painter); });
    RunStep([&] { DrawCaption(painter); });
    RunStep([&] { DrawFocus(painter); });

    // one transfer to the window
    RunStep([&] {
        gdi::BitBlt(m_Site.WindowDC(), 0, 0, m_Width, m_Height, memDC, 0, 0, gdi::SRCCOPY);
        m_Site.WindowImageChanged();
    });
    const bool drawn = repaint.End();

    // clean-up, also after failed drawing steps
    RunStep([&] { gdi::SelectObject(memDC, previousBitmap); });
    RunStep([&] { gdi::DeleteObject(bitmap); });
    RunStep([&] { gdi::DeleteDC(memDC); });

    // the visible shape follows the image just drawn
    if (drawn && m_Appearance == ecAppearance::Shaped)
        RunStep([&] { m_Site.SetMaskPicture(m_Site.Image()); });
}

// Whatever the face leaves undrawn keeps the transparent colour.
void Zorvane::DrawBackground(Painter& painter) {
    painter.DrawRectangle(0, 0, m_Width, m_Height, 1, m_TransparentRGB, m_TransparentRGB, 0);
}

void Zorvane::DrawFace(Painter& painter) {
    // A Shaped button is background, picture, caption and focus only.
    if (m_Appearance == ecAppearance::Shaped) return;

    const VBool drawBorder = ToVBool(EventConditionHolds(m_BorderDrawEvent));

    const FaceState state = MakeFaceState();
    FaceTarget target{painter, *this, ColorRamp};
    RunStep([&] {
        if (PressedLook())
            DrawFaceDown(state, target, drawBorder);
        else
            DrawFaceUp(state, target, drawBorder);
    });
}

FaceState Zorvane::MakeFaceState() const {
    FaceState state;
    state.width = m_Width;
    state.height = m_Height;
    state.appearance = m_Appearance;
    state.appearanceMode = m_AppearanceMode;
    state.toggleValue = m_ToggleValue;
    state.borderWidth = m_BorderWidth;
    state.dropDownWidth = m_DropDownWidth;
    state.depth = m_Depth;
    state.enabled = IsEnabled();
    state.pressed = m_Pressed;
    state.mouseOver = m_MouseOver;
    state.hasFocus = m_HasFocus;
    state.inDropDown = m_InDropDown;
    RunStep([&] { state.displayAsDefault = m_Site.AmbientDisplayAsDefault().value_or(false); });
    state.themeIndex = m_ThemeIndex;
    state.gradientType = m_GradientType;
    return state;
}

// Shaped: the window shows only the pixels of its persistent image that
// differ from the transparent colour, so it must keep that image (AutoRedraw)
// and be transparent elsewhere. Any other look is an opaque window painted
// on request.
void Zorvane::ApplyShapeMode() {
    if (m_Appearance == ecAppearance::Shaped) {
        RunStep([&] { m_Site.SetAutoRedraw(true); });
        RunStep([&] { m_Site.SetMaskColor(m_TransparentRGB); });
        RunStep([&] { m_Site.SetBackStyle(0); });
        RunStep([&] { Redraw(); });
    } else {
        RunStep([&] { m_Site.SetBackStyle(1); });
        RunStep([&] { m_Site.SetAutoRedraw(false); });
    }
}

}  // namespace vemmix
