// Hover tracking: the container reports mouse moves inside the window but
// not the pointer leaving it, so timerOver polls every 10 ms whether the
// button's own window is the topmost window under the pointer.
//
// State               timer     entered by                          left by
// Idle                disabled  creation; a tick finding it outside  mouse move; access key
// Tracking, not over  enabled   mouse move or access key             next tick
// Tracking, over      enabled   a tick finding the pointer over it   a tick finding it outside
#include "control/Zorvane.h"

namespace vemmix {
// Each step runs whatever the previous one's host handler reported. A window
// over the button (a menu opened from DropDownClick) counts as outside even
// though the pointer has not moved.
void Zorvane::HoverTick() {
    const VBool previous = m_MouseOver;
    if (!m_Site.IsPointerOverWindow()) {
        // a press held while leaving is drawn released; its mouse up falls
        // outside and clicks nothing
        m_MouseOver = kFalse;
        m_Pressed = kFalse;
        m_InDropDown = kFalse;
        TextFadeStop(false);
        m_Site.SetTimer(TimerId::Over, kOverIntervalMs, false);
        Redraw();
        RaiseEvent(EventId::MouseOut);
        DestroyTooltip();
        return;
    }
    m_MouseOver = kTrue;
    if (previous == kFalse) {
        TextFadeStart(false);
        Redraw();
    }
    // every tick while the pointer rests here, not only on entry
    RaiseEvent(EventId::MouseOver);
}

}  // namespace vemmix
