// What the Qt container's tests share: a form on the offscreen screen, input
// delivered as the window system delivers it, a control that writes down
// every notification with its arguments, and the form's log as lines.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QEvent>
#include <QPointF>
#include <QStringList>

#include <vemmix/Control.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

class QWindow;

namespace vemmix::qt::test {

// A control that does nothing but note each notification with its
// arguments: "MouseDown 1 0 20.5 10", "KeyDown 13 0", "GotFocus" …
class RecordingControl final : public Control {
public:
    RecordingControl(ControlSite& site, QStringList& journal, QString name)
        : m_Site(site), m_Journal(journal), m_Name(std::move(name)) {}

    ControlSite& site() { return m_Site; }
    // Runs inside each notification's note, to act as a control would.
    std::function<void(const QString& call)> onCall;

    const typelib::TypeInfo& GetTypeInfo() const override;
    void Initialize() override { Note("Initialize"); }
    void InitProperties() override { Note("InitProperties"); }
    void ReadProperties(PropertyBag&) override { Note("ReadProperties"); }
    void WriteProperties(PropertyBag&) override { Note("WriteProperties"); }
    void Show() override { Note("Show"); }
    void Hide() override { Note("Hide"); }
    void Resize() override;
    void Paint() override;
    void Terminate() override { Note("Terminate"); }
    void AmbientChanged(std::u16string_view name) override;
    void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { Mouse("MouseDown", b, s, x, y); }
    void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { Mouse("MouseMove", b, s, x, y); }
    void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { Mouse("MouseUp", b, s, x, y); }
    void Click() override { Note("Click"); }
    void DblClick() override { Note("DblClick"); }
    void KeyDown(std::int16_t& k, std::int16_t& s) override { Note(QStringLiteral("KeyDown %1 %2").arg(k).arg(s)); }
    void KeyPress(std::int16_t& k) override { Note(QStringLiteral("KeyPress %1").arg(k)); }
    void KeyUp(std::int16_t& k, std::int16_t& s) override { Note(QStringLiteral("KeyUp %1 %2").arg(k).arg(s)); }
    void GotFocus() override { Note("GotFocus"); }
    void LostFocus() override { Note("LostFocus"); }
    void ExitFocus() override { Note("ExitFocus"); }
    void AccessKeyPress(std::int16_t& k) override { Note(QStringLiteral("AccessKeyPress %1").arg(k)); }
    void OLEDragOver(DataObjectRef&, std::int32_t& effect, std::int16_t& b, std::int16_t& s, float& x,
                     float& y, std::int16_t& state) override;
    void OLEDragDrop(DataObjectRef&, std::int32_t& effect, std::int16_t& b, std::int16_t& s, float& x,
                     float& y) override;
    void OLEGiveFeedback(std::int32_t& effect, VBool&) override { Note(QStringLiteral("OLEGiveFeedback %1").arg(effect)); }
    void OLEStartDrag(DataObjectRef&, std::int32_t& allowed) override;
    void OLESetData(DataObjectRef&, std::int16_t& format) override;
    void OLECompleteDrag(std::int32_t& effect) override { Note(QStringLiteral("OLECompleteDrag %1").arg(effect)); }
    void TimerTick(TimerId timer) override { Note(timer == TimerId::Over ? "TimerTick Over" : "TimerTick Fading"); }
    std::int32_t GetIDOfName(std::u16string_view, std::int32_t&) const override { return 438; }
    std::int32_t Invoke(std::int32_t, InvokeKind, std::span<Variant>, Variant&) override { return 438; }
    std::int32_t GetInterfaceSafetyOptions(const Guid&, std::uint32_t&, std::uint32_t&) override { return 0; }
    std::int32_t SetInterfaceSafetyOptions(const Guid&, std::uint32_t, std::uint32_t) override { return 0; }

    // What drag notifications do to their by-reference arguments.
    std::int32_t dropEffect = -1;     // OLEDragOver / OLEDragDrop set Effect to this unless -1
    std::int32_t allowedEffects = 3;  // OLEStartDrag sets AllowedEffects
    std::function<void(DataObjectRef&)> fillDrag;      // in OLEStartDrag
    std::function<void(DataObjectRef&, std::int16_t)> setData;  // in OLESetData
    DataObjectRef lastData;

private:
    void Mouse(const char* what, std::int16_t b, std::int16_t s, float x, float y);
    void Note(const QString& call);

    ControlSite& m_Site;
    QStringList& m_Journal;
    QString m_Name;
};

// A form on the offscreen screen, away from the pointer's rest position,
// with its log on.
class Form {
public:
    explicit Form(QSize size = {320, 160});
    ~Form();
    FormWindow& form() { return *m_Form; }
    FormWindow* operator->() { return m_Form.get(); }

    // A Zorvane button with properties set after InitProperties (numbers
    // as Int32, anything else as text).
    ControlWindow& Button(const QString& name, QRect geometry,
                          std::vector<std::pair<QString, QString>> properties = {});
    // A recording control; its notes go to `journal` as "<name> <call>".
    RecordingControl& Recorder(const QString& name, QRect geometry);
    QStringList journal;

    // Shows the form and waits until it is the active window.
    void Show();
    // Draws as a headless form does: the built-in text renderer, the
    // classic system colours, no visual style.
    void DrawAsHeadless();

private:
    std::unique_ptr<TextRenderer> m_BuiltinText;
    std::unique_ptr<FormWindow> m_Form;
};

// Sets a property through the control's automation interface; fails the
// test on an error.
void Set(ControlWindow& window, std::u16string_view name, Variant value);
Variant Get(ControlWindow& window, std::u16string_view name);

// Input as the window system delivers it, in form pixels: each call
// delivers at once, nothing else runs in between (no timer tick, no posted
// event).
class WindowInput {
public:
    explicit WindowInput(QWidget& form);
    void Move(QPointF position);
    void Press(QPointF position, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {});
    void Release(QPointF position, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers modifiers = {});
    // Move, press, release.
    void Click(QPointF position, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {});
    // Press, release, press, release within the double-click time.
    void DoubleClick(QPointF position);
    // A key pressed and released at the focus (or the form), with
    // modifier keys pressed before it and released after it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void KeyUp(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    // The pointer goes away from the application's windows.
    void Leave();

private:
    void Send(QPointF position, Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers modifiers);
    QWidget* KeyTarget() const;

    QWidget& m_Form;
    QWindow* m_Window;
    Qt::MouseButtons m_Held;
    int m_Timestamp = 1000000;
};

// A shown form with one recording control "rec" at (10, 10, 100, 30), the
// pointer's input, and an empty journal. `prepare` runs before the form
// is shown.
class RecorderForm : public Form {
public:
    explicit RecorderForm(const std::function<void(ControlWindow&)>& prepare = {});
    RecordingControl& rec;
    ControlWindow& window;
    WindowInput input;
};

// The form's log lines from `from` on, and only its event lines.
QStringList LogLines(const FormWindow& form, std::size_t from = 0);
QStringList EventLines(const FormWindow& form, std::size_t from = 0);
// Waits (processing events) until `done` or `ms` have passed; true if done.
bool WaitFor(const std::function<bool()>& done, int ms = 2000);

}  // namespace vemmix::qt::test
