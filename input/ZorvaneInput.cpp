// Mouse, keyboard, focus, access-key and drag-and-drop notifications: they
// set the visual-state flags, flip ToggleValue in Toggle Mode, raise the
// events of __Zorvane and repaint.
//
// Trigger                          m_Pressed  m_MouseDown m_InDropDown m_HasFocus repaint  events
// left down, outside zone          True       True        False                   yes      MouseDown
// left down in zone, DropDown      True       True        True                    yes      MouseDown, DropDownClick
// other button down                True       False                               no       MouseDown
// up inside, m_MouseDown, no zone  False                                          yes      Click, MouseUp
// up otherwise                     False                                          yes      MouseUp
// double click with m_MouseDown    True→False                                     pressed  DblClick or DropDownClick
// Space down                       False      True                                yes      KeyDown, Click
// Enter down                       True       True                                yes      KeyDown, Click
// Space or Enter up                False      False                               yes      KeyUp
// focus gained                                                         True       yes
// focus lost                       False                               False      yes
//
// Errors: the mouse, key-press, key-up and drag handlers have no handling of
// their own, so an error a host handler raises ends the handler there, as it
// would reach the framework. The key-down handler and the access-key handler
// after its mouse-down step ignore such errors and go on with the next step.
#include "control/Zorvane.h"

namespace vemmix {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kKeyEnter = 13, kKeyEscape = 27, kKeySpace = 32;
constexpr std::int16_t kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;

// Writes back an argument the host may have changed; a value it replaced by
// something that does not convert leaves the caller's variable as it was.
void ReadBack(const Variant& arg, std::int16_t& target) {
    if (auto v = ToInt16(arg)) target = *v;
}
void ReadBack(const Variant& arg, std::int32_t& target) {
    if (auto v = ToInt32(arg)) target = *v;
}
void ReadBack(const Variant& arg, float& target) {
    if (auto v = ToSingle(arg)) target = *v;
}
void ReadBackBool(const Variant& arg, VBool& target) {
    if (auto v = ToBool(arg)) target = *v;
}
void ReadBack(const Variant& arg, DataObjectRef& target) {
    if (const DataObjectRef* v = arg.get_if<DataObjectRef>()) target = *v;
}

// Lower case of one UTF-16 unit for the scripts a caption's access key is
// typed in: Basic Latin, Latin-1, Greek and Cyrillic capitals.
char16_t LowerCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
    if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0410 && c <= 0x042F) return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F) return static_cast<char16_t>(c + 0x50);
    return c;
}

bool IsKeyOf(std::int16_t keyAscii, char16_t key) {
    return static_cast<char16_t>(static_cast<std::uint16_t>(keyAscii)) == key;
}

}  // namespace

// ---- Value, ToggleValue, the shared steps -------------------------------------

std::int32_t Zorvane::RaiseClick() {
    m_Value = kTrue;
    const std::int32_t error = RaiseEvent(EventId::Click);
    m_Value = kFalse;
    return error;
}

// The bitwise complement, without notification or repaint: the handler that
// runs it repaints once at its end.
void Zorvane::ToggleStep() {
    if (m_AppearanceMode == ecAppearanceMode::Toggle)
        m_ToggleValue = static_cast<VBool>(~m_ToggleValue);
}

// Only a running form may click the button by program. A Click handler that
// sets Value again nests; the raise that would nest too deep fails with 28,
// which goes back to the caller instead of overflowing the stack.
std::int32_t Zorvane::SetValue(VBool value) {
    if (!UserMode()) return errors::kNotPermitted;
    m_Value = ToVBool(value != 0);
    NotifyChanged(u"Value");
    if (m_Value != kTrue) return errors::kNone;
    const std::int32_t error = RaiseClick();
    m_Value = kFalse;
    NotifyChanged(u"Value");
    return error == errors::kOutOfStackSpace ? error : errors::kNone;
}

void Zorvane::SetToggleValue(VBool value) {
    m_ToggleValue = ToVBool(value != 0);
    NotifyChanged(u"ToggleValue");
    Redraw();
}

// ---- mouse --------------------------------------------------------------------

std::int32_t Zorvane::MouseDownSteps(std::int16_t button, std::int16_t shift, float x,
                                     float y) {
    Variant args[] = {button, shift, x, y};
    if (const std::int32_t error = RaiseEvent(EventId::MouseDown, args)) return error;
    ReadBack(args[0], button);
    ReadBack(args[2], x);

    m_Pressed = kTrue;
    if (button != kLeftButton) {
        // the pressed look shows at the next repaint anything triggers
        m_MouseDown = kFalse;
        return errors::kNone;
    }
    m_MouseDown = kTrue;
    m_InDropDown = kFalse;
    // the zone: the rightmost DropDownWidth pixels, strictly right of the edge
    if (static_cast<double>(x) > static_cast<double>(m_Width) - m_DropDownWidth &&
        m_AppearanceMode == ecAppearanceMode::DropDown)
        m_InDropDown = kTrue;
    Redraw();
    if (m_InDropDown == kTrue) return RaiseEvent(EventId::DropDownClick);
    return errors::kNone;
}

void Zorvane::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    MouseDownSteps(button, shift, x, y);
}

void Zorvane::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    // both bounds inclusive: a release on x = m_Width still clicks
    const bool inside = x >= 0 && static_cast<double>(x) <= m_Width && y >= 0 &&
                        static_cast<double>(y) <= m_Height;
    if (inside && m_MouseDown == kTrue && m_InDropDown == kFalse) {
        ToggleStep();
        if (RaiseClick() != errors::kNone) return;
    }
    Variant args[] = {button, shift, x, y};
    if (RaiseEvent(EventId::MouseUp, args) != errors::kNone) return;
    m_Pressed = kFalse;  // m_MouseDown stays: the double click depends on it
    Redraw();
}

// The second press of a double click arrives here instead of a mouse down.
void Zorvane::DblClick() {
    if (m_MouseDown != kTrue) return;
    m_Pressed = kTrue;
    Redraw();
    m_Pressed = kFalse;  // the pressed look lasts this one repaint
    RaiseEvent(m_InDropDown == kTrue ? EventId::DropDownClick : EventId::DblClick);
}

// Every Click comes from mouse up, keys, access keys or Value.
void Zorvane::Click() {}

void Zorvane::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    // hover tracking; an enabled timer keeps its phase
    if (!m_Site.TimerEnabled(TimerId::Over)) m_Site.SetTimer(TimerId::Over, kOverIntervalMs, true);
    Variant args[] = {button, shift, x, y};
    if (RaiseEvent(EventId::MouseMove, args) != errors::kNone) return;
    ShowTooltip();
}

// ---- keyboard -----------------------------------------------------------------

// Click at key down, before the toggle step (mouse up toggles first); a held
// key clicks again at every repeat. Host errors are ignored here.
void Zorvane::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    Variant args[] = {keyCode, shift};
    RaiseEvent(EventId::KeyDown, args);
    ReadBack(args[0], keyCode);
    ReadBack(args[1], shift);

    switch (keyCode) {
    case kKeySpace:
        RaiseClick();
        ToggleStep();
        m_Pressed = kFalse;
        m_MouseDown = kTrue;
        Redraw();
        break;
    case kKeyEnter:
        RaiseClick();
        ToggleStep();
        m_Pressed = kTrue;
        m_MouseDown = kTrue;
        Redraw();
        break;
    case kKeyRight:
    case kKeyDown: m_Site.MoveFocus(true); break;
    case kKeyLeft:
    case kKeyUp: m_Site.MoveFocus(false); break;
    default: break;
    }
}

void Zorvane::KeyPress(std::int16_t& keyAscii) {
    Variant args[] = {keyAscii};
    RaiseEvent(EventId::KeyPress, args);
    ReadBack(args[0], keyAscii);
}

void Zorvane::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    Variant args[] = {keyCode, shift};
    const std::int32_t error = RaiseEvent(EventId::KeyUp, args);
    ReadBack(args[0], keyCode);
    ReadBack(args[1], shift);
    if (error != errors::kNone) return;
    if (keyCode == kKeySpace || keyCode == kKeyEnter) {
        m_Pressed = kFalse;
        m_MouseDown = kFalse;
        Redraw();
    }
}

// ---- focus --------------------------------------------------------------------

namespace {
// TextFadeEvents values that focus changes start and stop.
bool FocusDrivesFade(std::int32_t events) {
    return events == ecEvents::OnFocus || events == ecEvents::OnFocusOrMouseOver ||
           events == ecEvents::OnFocusOrMouseOverOrClick;
}
}  // namespace

void Zorvane::GotFocus() {
    m_HasFocus = kTrue;
    if (FocusDrivesFade(m_TextFadeEvents)) TextFadeStart(false);
    Redraw();
}

void Zorvane::LostFocus() {
    m_Pressed = kFalse;
    m_HasFocus = kFalse;
    Redraw();
}

// Sent after LostFocus; m_HasFocus is already False.
void Zorvane::ExitFocus() {
    if (FocusDrivesFade(m_TextFadeEvents)) TextFadeStop(false);
    Redraw();
}

// ---- access key ---------------------------------------------------------------

// Also sent for Enter and Escape when the button is its form's default or
// cancel button. A key that is neither is swallowed.
void Zorvane::AccessKeyPress(std::int16_t& keyAscii) {
    if (!IsEnabled()) return;
    // x = 0 never lies in the drop-down zone
    if (MouseDownSteps(kLeftButton, 0, 0.0f, 0.0f) != errors::kNone) return;

    // from here on host errors are ignored
    const std::u16string& key = m_AccessKey;
    const bool isAccessKey =
        !key.empty() && (IsKeyOf(keyAscii, LowerCase(key[0])) || IsKeyOf(keyAscii, key[0]));
    if (keyAscii == kKeyEnter) {
        std::int16_t keyCode = kKeyEnter, shift = 0;
        KeyDown(keyCode, shift);
        if (m_MouseOver == kTrue) {
            m_Pressed = kFalse;
            m_MouseDown = kFalse;
            Redraw();
        }
    } else if (keyAscii == kKeyEscape || isAccessKey) {
        ToggleStep();
        m_Pressed = kTrue;
        m_MouseDown = kTrue;
        Redraw();
        RaiseClick();
    } else {
        keyAscii = 0;
    }

    // the next tick clears the pressed look unless the pointer is over the button
    if (!m_Site.TimerEnabled(TimerId::Over)) m_Site.SetTimer(TimerId::Over, kOverIntervalMs, true);
}

// ---- drag and drop: each raises its event and does nothing else ---------------

void Zorvane::OLEDragOver(DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                          std::int16_t& shift, float& x, float& y, std::int16_t& state) {
    Variant args[] = {data, effect, button, shift, x, y, state};
    RaiseEvent(EventId::OLEDragOver, args);
    ReadBack(args[0], data);
    ReadBack(args[1], effect);
    ReadBack(args[2], button);
    ReadBack(args[3], shift);
    ReadBack(args[4], x);
    ReadBack(args[5], y);
    ReadBack(args[6], state);
}

void Zorvane::OLEDragDrop(DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                          std::int16_t& shift, float& x, float& y) {
    Variant args[] = {data, effect, button, shift, x, y};
    RaiseEvent(EventId::OLEDragDrop, args);
    ReadBack(args[0], data);
    ReadBack(args[1], effect);
    ReadBack(args[2], button);
    ReadBack(args[3], shift);
    ReadBack(args[4], x);
    ReadBack(args[5], y);
}

void Zorvane::OLEGiveFeedback(std::int32_t& effect, VBool& defaultCursors) {
    Variant args[] = {effect, Variant(BoolValue{defaultCursors})};
    RaiseEvent(EventId::OLEGiveFeedback, args);
    ReadBack(args[0], effect);
    ReadBackBool(args[1], defaultCursors);
}

void Zorvane::OLEStartDrag(DataObjectRef& data, std::int32_t& allowedEffects) {
    Variant args[] = {data, allowedEffects};
    RaiseEvent(EventId::OLEStartDrag, args);
    ReadBack(args[0], data);
    ReadBack(args[1], allowedEffects);
}

void Zorvane::OLESetData(DataObjectRef& data, std::int16_t& dataFormat) {
    Variant args[] = {data, dataFormat};
    RaiseEvent(EventId::OLESetData, args);
    ReadBack(args[0], data);
    ReadBack(args[1], dataFormat);
}

void Zorvane::OLECompleteDrag(std::int32_t& effect) {
    Variant args[] = {effect};
    RaiseEvent(EventId::OLECompleteDrag, args);
    ReadBack(args[0], effect);
}

// ---- container --------------------------------------------------------------------

// Whatever ambient changed, a button that is not Shaped takes the container's
// back colour as its transparent colour. No repaint.
void Zorvane::AmbientChanged(std::u16string_view) {
    if (m_Appearance == ecAppearance::Shaped) return;
    const std::optional<OleColor> back = m_Site.AmbientBackColor();
    if (!back) return;
    m_TransparentColor = static_cast<OleColor>(Translate(*back));
    m_TransparentRGB = static_cast<COLORREF>(m_TransparentColor);
    NotifyChanged(u"TransparentColor");
}

void Zorvane::TimerTick(TimerId timer) {
    switch (timer) {
    case TimerId::Over: HoverTick(); break;
    case TimerId::Fading: TextFadeTick(); break;
    }
}

}  // namespace vemmix
