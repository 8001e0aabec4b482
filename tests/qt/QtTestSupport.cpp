#include "QtTestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <vemmix/Dispatch.h>
#include <vemmix/headless/BuiltinTextRenderer.h>

namespace vemmix::qt::test {

// ---- the recording control ------------------------------------------------------------

const typelib::TypeInfo& RecordingControl::GetTypeInfo() const {
    static const typelib::TypeInfo info{.libraryName = u"Test", .className = u"RecordingControl",
                                        .progId = u"Test.RecordingControl"};
    return info;
}

// Drawing is copying an image and saying so, as a control does.
void RecordingControl::Resize() {
    Note("Resize");
    m_Site.WindowImageChanged();
}

void RecordingControl::Paint() {
    Note("Paint");
    m_Site.WindowImageChanged();
}

void RecordingControl::AmbientChanged(std::u16string_view name) {
    Note(QStringLiteral("AmbientChanged ") + QString::fromUtf16(name.data(), name.size()));
}

void RecordingControl::Mouse(const char* what, std::int16_t b, std::int16_t s, float x, float y) {
    Note(QStringLiteral("%1 %2 %3 %4 %5").arg(what).arg(b).arg(s).arg(double(x)).arg(double(y)));
}

void RecordingControl::OLEDragOver(DataObjectRef& data, std::int32_t& effect, std::int16_t& b,
                                   std::int16_t& s, float& x, float& y, std::int16_t& state) {
    lastData = data;
    Note(QStringLiteral("OLEDragOver %1 %2 %3 %4 %5 %6")
             .arg(effect).arg(b).arg(s).arg(double(x)).arg(double(y)).arg(state));
    if (dropEffect != -1) effect = dropEffect;
}

void RecordingControl::OLEDragDrop(DataObjectRef& data, std::int32_t& effect, std::int16_t& b,
                                   std::int16_t& s, float& x, float& y) {
    lastData = data;
    Note(QStringLiteral("OLEDragDrop %1 %2 %3 %4 %5").arg(effect).arg(b).arg(s).arg(double(x)).arg(double(y)));
    if (dropEffect != -1) effect = dropEffect;
}

void RecordingControl::OLEStartDrag(DataObjectRef& data, std::int32_t& allowed) {
    Note(QStringLiteral("OLEStartDrag %1").arg(allowed));
    allowed = allowedEffects;
    if (fillDrag) fillDrag(data);
}

void RecordingControl::OLESetData(DataObjectRef& data, std::int16_t& format) {
    Note(QStringLiteral("OLESetData %1").arg(format));
    if (setData) setData(data, format);
}

void RecordingControl::Note(const QString& call) {
    m_Journal.append(m_Name + u' ' + call);
    if (call == u"Show") m_Site.WindowImageChanged();
    if (onCall) onCall(call);
}

// ---- the form -------------------------------------------------------------------------------

Form::Form(QSize size) : m_Form(std::make_unique<FormWindow>()) {
    m_Form->setLogging(true);
    m_Form->resize(size);
    // away from the pointer's rest position at the screen's corner
    m_Form->move(100, 100);
}

Form::~Form() = default;

void Form::DrawAsHeadless() {
    if (!m_BuiltinText) m_BuiltinText = headless::MakeBuiltinTextRenderer();
    m_Form->setTextRenderer(m_BuiltinText.get());
    m_Form->setSystemColors(std::shared_ptr<const SystemColorTable>(std::shared_ptr<void>(), &ClassicSystemColors()));
    m_Form->setVisualStyle(host::VisualStyleSetting{QStringLiteral("none"), {}, {}, {}});
}

ControlWindow& Form::Button(const QString& name, QRect geometry,
                            std::vector<std::pair<QString, QString>> properties) {
    ControlWindow& window = m_Form->AddButton(name, geometry);
    for (const auto& [key, value] : properties) {
        bool number = false;
        const int n = value.toInt(&number);
        Set(window, key.toStdU16String(), number ? Variant(std::int32_t{n}) : Variant(value.toStdU16String()));
    }
    return window;
}

RecordingControl& Form::Recorder(const QString& name, QRect geometry) {
    RecordingControl* made = nullptr;
    auto factory = [&](std::u16string_view, ControlSite& site, std::int32_t*) {
        auto control = std::make_unique<RecordingControl>(site, journal, name);
        made = control.get();
        return std::unique_ptr<Control>(std::move(control));
    };
    const FormWindow::ControlFactory previous = m_Form->controlFactory();
    m_Form->setControlFactory(factory);
    ControlWindow* window = m_Form->AddControl(u"Test.RecordingControl", name, geometry);
    m_Form->setControlFactory(previous);
    if (!window) qFatal("no recording control");
    window->control()->InitProperties();
    if (m_Form->isVisible()) window->show();
    return *made;
}

void Form::Show() {
    m_Form->show();
    m_Form->activateWindow();
    if (!QTest::qWaitForWindowActive(m_Form.get())) qWarning("the form did not become active");
}

void Set(ControlWindow& window, std::u16string_view name, Variant value) {
    const std::int32_t error = SetProperty(*window.control(), name, std::move(value));
    if (error != 0) qWarning("setting %s failed with %d", qPrintable(QString::fromUtf16(name.data(), name.size())), error);
}

Variant Get(ControlWindow& window, std::u16string_view name) {
    Variant value;
    GetProperty(*window.control(), name, value);
    return value;
}

// ---- input ----------------------------------------------------------------------------------

WindowInput::WindowInput(QWidget& form) : m_Form(form), m_Window(form.window()->windowHandle()) {
    // Qt drops a move to where the pointer already is: start from afar, so
    // that the first move of a test arrives even where another test left
    // the pointer.
    Move(QPointF(-1000, -1000));
}

void WindowInput::Send(QPointF position, Qt::MouseButton button, QEvent::Type type,
                       Qt::KeyboardModifiers modifiers) {
    const QPointF local = m_Form.mapTo(m_Form.window(), position);
    const QPointF global = m_Form.window()->mapToGlobal(local);
    qt_handleMouseEvent(m_Window, local, global, m_Held, button, type, modifiers, m_Timestamp);
}

void WindowInput::Move(QPointF position) {
    m_Timestamp += 1000;
    Send(position, Qt::NoButton, QEvent::MouseMove, {});
}

void WindowInput::Press(QPointF position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    m_Timestamp += 1000;  // beyond the double-click time
    m_Held |= button;
    Send(position, button, QEvent::MouseButtonPress, modifiers);
}

void WindowInput::Release(QPointF position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    m_Timestamp += 1;
    m_Held &= ~button;
    Send(position, button, QEvent::MouseButtonRelease, modifiers);
}

void WindowInput::Click(QPointF position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    Move(position);
    Press(position, button, modifiers);
    Release(position, button, modifiers);
}

void WindowInput::DoubleClick(QPointF position) {
    Press(position);
    Release(position);
    m_Timestamp += 1;
    m_Held |= Qt::LeftButton;
    Send(position, Qt::LeftButton, QEvent::MouseButtonPress, {});
    Release(position);
}

QWidget* WindowInput::KeyTarget() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : &m_Form;
}

void WindowInput::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyPress(KeyTarget(), key, modifiers);
    // the release goes where the focus is now
    QTest::keyRelease(KeyTarget(), key, modifiers);
}

void WindowInput::KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyPress(KeyTarget(), key, modifiers);
}

void WindowInput::KeyUp(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyRelease(KeyTarget(), key, modifiers);
}

void WindowInput::Leave() {
    // somewhere no window of the application is
    QCursor::setPos(QPoint(5000, 5000));
}

RecorderForm::RecorderForm(const std::function<void(ControlWindow&)>& prepare)
    : rec(Recorder(QStringLiteral("rec"), QRect(10, 10, 100, 30))),
      window(*form().Find(u"rec")),
      input((prepare ? prepare(window) : void(), Show(), form())) {
    journal.clear();
}

// ---- the log ---------------------------------------------------------------------------------

QStringList LogLines(const FormWindow& form, std::size_t from) {
    QStringList lines;
    const std::vector<std::string> all = form.LogLines();
    for (std::size_t i = from; i < all.size(); ++i) lines.append(QString::fromStdString(all[i]));
    return lines;
}

QStringList EventLines(const FormWindow& form, std::size_t from) {
    QStringList events;
    for (const QString& line : LogLines(form, from))
        if (line.contains(u" event ")) events.append(line);
    return events;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }
    return true;
}

}  // namespace vemmix::qt::test
