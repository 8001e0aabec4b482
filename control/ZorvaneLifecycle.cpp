// The framework's lifecycle notifications: creation, Initialize, Show,
// Hide, Resize, Paint and Terminate.
#include <cmath>
#include <limits>
#include <optional>

#include "base/Steps.h"
#include "control/Zorvane.h"

namespace vemmix {
// Every member starts 0, False, empty or without object (the initialisers
// of the class). The two timers belong to the container; they exist from
// now on with their intervals and stay off until hover or fade needs them.
Zorvane::Zorvane(ControlSite& site) : m_Site(site) {
    RunStep([&] { m_Site.SetTimer(TimerId::Over, kOverIntervalMs, false); });
    RunStep([&] { m_Site.SetTimer(TimerId::Fading, kFadingIntervalMs, false); });
}

// Font and picture references are released with the members.
Zorvane::~Zorvane() = default;

bool Zorvane::ReadClientSize() {
    const auto width = NearestPixels(m_Site.ScaleWidth());
    if (!width) return false;
    m_Width = *width;
    const auto height = NearestPixels(m_Site.ScaleHeight());
    if (!height) return false;
    m_Height = *height;
    return true;
}

void Zorvane::Initialize() {
    // size members
    if (!ReadClientSize()) return;

    // platform probe: False unless the platform answers that it draws Unicode
    m_Unicode = kFalse;
    RunStep([&] { m_Unicode = ToVBool(m_Site.GetPlatform().IsUnicodeSystem()); });
}

void Zorvane::Show() {
    // tooltip takeover: the button's own tooltip window shows the text; the
    // container's standard tooltip is switched off only while the form runs,
    // so a designer keeps showing and saving the text
    RunStep([&] {
        if (m_ToolTipStyle == ecToolTipStyle::Classic) return;
        const std::optional<std::u16string> text = m_Site.ExtenderToolTipText();
        if (!text || text->empty()) return;
        m_ToolTipText = *text;
        if (UserMode()) m_Site.SetExtenderToolTipText(u"");
    });
    RunStep([&] { m_Hidden = kFalse; });
    RunStep([&] { Redraw(); });
}

// Nothing is drawn until the next Show.
void Zorvane::Hide() { m_Hidden = kTrue; }

// DropDownWidth is left as it is, even when wider than the new size: its
// clamp applies only when it is set.
void Zorvane::Resize() {
    if (!ReadClientSize()) return;
    Redraw();
}

void Zorvane::Paint() { Redraw(); }

// No timer tick may reach a destroyed button.
void Zorvane::Terminate() {
    m_Site.SetTimer(TimerId::Over, kOverIntervalMs, false);
    m_Site.SetTimer(TimerId::Fading, kFadingIntervalMs, false);
    DestroyTooltip();
}

}  // namespace vemmix
