// What a script drives: forms of controls, either headless (the virtual
// clock, the default) or in real windows. The script host speaks to a form
// only through this seam, so each mode is one implementation of it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

#include <vemmix/Color.h>
#include <vemmix/Control.h>
#include <vemmix/Variant.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/HostedForm.h>

namespace vemmix::script {

// The host's handler of every event a form's controls raise: it may change
// the arguments (the control reads them back) and returns 0 or the error
// number of the handler.
using EventHandler = std::function<std::int32_t(Control& control, std::int32_t dispid, std::span<Variant> args)>;

class ScriptForm {
public:
    virtual ~ScriptForm() = default;

    // The controls in creation order, and one by reference ("cmdOK",
    // "cmdNav(2)", without regard to case); null when there is none.
    virtual std::vector<Control*> Controls() const = 0;
    virtual Control* Find(QStringView reference) const = 0;
    virtual QString Reference(const Control& control) const = 0;
    virtual QString ClassName(const Control& control) const = 0;
    // HostedForm::Add: null with `error` and `number` set when refused.
    virtual Control* Add(host::FormControl record, host::FormError* error, std::int32_t* number) = 0;
    virtual host::FormDocument Save() = 0;
    // What did not load as written (HostedForm::problems).
    virtual QStringList Problems() const = 0;
    virtual void SetEventHandler(EventHandler handler) = 0;

    // ---- input, as the container delivers it --------------------------------------
    // Mouse notifications put the pointer where they happen (client pixels
    // of the control); a disabled control gets no notification.
    void MouseDown(Control& control, std::int16_t button, std::int16_t shift, float x, float y) {
        if (PointerTo(control, x, y)) control.MouseDown(button, shift, x, y);
    }
    void MouseUp(Control& control, std::int16_t button, std::int16_t shift, float x, float y) {
        if (PointerTo(control, x, y)) control.MouseUp(button, shift, x, y);
    }
    void MouseMove(Control& control, std::int16_t button, std::int16_t shift, float x, float y) {
        if (PointerTo(control, x, y)) control.MouseMove(button, shift, x, y);
    }
    void DblClick(Control& control) {
        if (TakesInput(control)) control.DblClick();
    }
    // Keys go to `control` as to the control with the focus; the arguments
    // come back as the control left them.
    void KeyDown(Control& control, std::int16_t& keyCode, std::int16_t& shift) {
        if (TakesInput(control)) control.KeyDown(keyCode, shift);
    }
    void KeyPress(Control& control, std::int16_t& keyAscii) {
        if (TakesInput(control)) control.KeyPress(keyAscii);
    }
    void KeyUp(Control& control, std::int16_t& keyCode, std::int16_t& shift) {
        if (TakesInput(control)) control.KeyUp(keyCode, shift);
    }
    // The focus to `control` (null: to none); false when it cannot take it
    // (disabled, hidden, or a Frame or a Label).
    virtual bool Focus(Control* control) = 0;
    virtual Control* FocusControl() const = 0;
    virtual void Tab(bool forward) = 0;
    // The access key `key` (Enter 13 for the default button, Escape 27 for
    // the cancel button); the control that took it, or null.
    virtual Control* AccessKey(char16_t key) = 0;
    // The pointer at client pixel (x, y) of `control`, or outside every
    // window of the form (null).
    virtual void Pointer(Control* control, int x, int y) = 0;

    // ---- output ----------------------------------------------------------------------
    // The control's window (transparent where a shaped window is not), or
    // the whole form when `control` is null: as it is now, or with every
    // control driven into `state` on a form of its own
    // (HostedForm::Render).
    virtual QImage Image(Control* control, std::optional<host::ControlState> state) = 0;
    // The colour 0x00BBGGRR of a window pixel; nullopt outside the window.
    virtual std::optional<COLORREF> Pixel(Control& control, int x, int y) const = 0;
    virtual bool Enabled(const Control& control) const = 0;
    // The log of property changes, events, repaints, tooltips and focus
    // moves in the headless form's line format.
    virtual std::vector<std::string> LogLines() const = 0;
    virtual void ClearLog() = 0;

protected:
    // The pointer to client pixel (x, y) of the control's window, where a
    // mouse notification happens; whether the control takes input now.
    virtual bool PointerTo(const Control& control, float x, float y) = 0;
    // Whether the control's window takes input now: a disabled window gets
    // no mouse or key notifications.
    virtual bool TakesInput(const Control& control) const = 0;
};

// Where forms live and how time passes for them.
class ScriptDesktop {
public:
    virtual ~ScriptDesktop() = default;
    // A form from a document: null, with `error` set, when it is unsound or
    // a control is refused.
    virtual std::unique_ptr<ScriptForm> Open(host::FormDocument document, host::FormError* error) = 0;
    // Lets `milliseconds` pass for every form; stops early when `stop`
    // says so.
    virtual void Advance(std::span<ScriptForm* const> forms, std::uint64_t milliseconds,
                         const std::function<bool()>& stop) = 0;
    // Milliseconds since the script began, as the forms' timers count them.
    virtual std::uint64_t Now() const = 0;
};

// The headless desktop: each form on a headless form, all on one virtual
// clock that moves only in Advance.
std::unique_ptr<ScriptDesktop> MakeHeadlessDesktop(std::shared_ptr<const host::ControlRegistry> registry,
                                                   host::HostOptions options);

#ifdef VEMMIX_SCRIPT_WINDOWS
// The windowed desktop: each form in a real window of the Qt container,
// time passing in real time in Advance. Needs a QApplication.
std::unique_ptr<ScriptDesktop> MakeWindowDesktop(std::shared_ptr<const host::ControlRegistry> registry,
                                                 host::HostOptions options);
#endif

}  // namespace vemmix::script
