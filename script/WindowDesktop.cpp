// The windowed desktop (--window): each form in a real window of the Qt
// container (FormWindow), time passing as the clock on the wall does.
// Input reaches a control as the container's notifications, as on the
// headless desktop, with the pointer moved to where a mouse notification
// happens, so that the controls' own pointer queries see it there.
#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include <vemmix/Errors.h>
#include <vemmix/headless/BuiltinTextRenderer.h>
#include <vemmix/host/FormControls.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>
#include <vemmix/qt/FormWindow.h>

#include "script/ScriptForm.h"

namespace vemmix::script {

namespace {

using qt::ControlWindow;
using qt::FormWindow;

bool IsContainerClass(const QString& className) {
    return className.compare(QLatin1String(host::kFrameClass), Qt::CaseInsensitive) == 0 ||
           className.compare(QLatin1String(host::kLabelClass), Qt::CaseInsensitive) == 0;
}

// "cmdNav(2)" as a name and an index.
std::pair<QString, std::optional<int>> SplitReference(QStringView reference) {
    const qsizetype open = reference.indexOf(QLatin1Char('('));
    if (open < 0 || !reference.endsWith(QLatin1Char(')'))) return {reference.toString(), std::nullopt};
    bool ok = false;
    const int index = reference.mid(open + 1, reference.size() - open - 2).toInt(&ok);
    if (!ok) return {reference.toString(), std::nullopt};
    return {reference.left(open).toString(), index};
}

class WindowScriptForm final : public ScriptForm {
public:
    WindowScriptForm(std::unique_ptr<FormWindow> window, std::shared_ptr<const host::ControlRegistry> registry,
                     host::HostOptions options, QStringList problems, TextRenderer* text)
        : m_Window(std::move(window)),
          m_Registry(std::move(registry)),
          m_Options(std::move(options)),
          m_Problems(std::move(problems)) {
        if (text) m_Window->setTextRenderer(text);
        if (m_Options.dpi > 0) m_Window->setScreenDpi(m_Options.dpi);
        m_Window->setLogging(true);
        m_Window->show();
    }
    ~WindowScriptForm() override { m_Window->onEvent = nullptr; }

    std::vector<Control*> Controls() const override {
        std::vector<Control*> controls;
        for (ControlWindow* w : m_Window->controls())
            if (w->control()) controls.push_back(w->control());
        return controls;
    }
    Control* Find(QStringView reference) const override {
        const auto [name, index] = SplitReference(reference);
        ControlWindow* w = m_Window->Find(name, index);
        return w ? w->control() : nullptr;
    }
    QString Reference(const Control& control) const override {
        const ControlWindow* w = WindowOf(control);
        if (!w) return {};
        return w->index() ? QStringLiteral("%1(%2)").arg(w->name()).arg(*w->index()) : w->name();
    }
    QString ClassName(const Control& control) const override {
        const ControlWindow* w = WindowOf(control);
        return w ? w->classId() : QString();
    }
    Control* Add(host::FormControl record, host::FormError* error, std::int32_t* number) override {
        // the form with it must be as sound as a form read from a file
        host::FormDocument document = qt::SaveForm(*m_Window);
        const QString location = QStringLiteral("controls[%1]").arg(document.controls.size());
        document.controls.push_back(record);
        const auto fail = [&](QString where, QString message, std::int32_t n) -> Control* {
            if (error) *error = host::FormError{{}, std::move(where), std::move(message)};
            if (number) *number = n;
            return nullptr;
        };
        if (auto problem = host::CheckForm(document)) return fail(problem->location, problem->message, errors::kInvalidArgument);

        QWidget* parent = nullptr;
        if (!record.parent.isEmpty()) {
            const auto [frame, index] = SplitReference(record.parent);
            parent = m_Window->Find(frame, index);
        }
        std::int32_t failure = errors::kNone;
        ControlWindow* w = m_Window->AddControl(record.className.toStdU16String(), record.name,
                                                QRect(record.left, record.top, record.width, record.height), parent,
                                                &failure);
        if (!w || !w->control())
            return fail(location + QStringLiteral(".class"),
                        QStringLiteral("\"%1\" cannot be created (error %2)").arg(record.className).arg(failure),
                        failure != errors::kNone ? failure : errors::kCannotCreateObject);
        if (m_Options.requiredSafety != 0 && !IsContainerClass(record.className)) {
            if (auto problem = host::CheckSafety(*w->control(), m_Options.requiredSafety)) {
                m_Window->RemoveControl(*w);
                return fail(location + QStringLiteral(".class"),
                            QStringLiteral("\"%1\" %2; it is refused").arg(record.className, *problem),
                            errors::kCannotCreateObject);
            }
        }
        w->setIndex(record.index);
        if (IsContainerClass(record.className)) w->setTabStop(false);
        w->setToolTipText(record.toolTipText);
        host::ReadControlProperties(*w->control(), record.properties, std::make_shared<host::PictureSources>(),
                                    location, &m_Problems);
        w->setVisible(record.visible);
        if (number) *number = errors::kNone;
        return w->control();
    }
    host::FormDocument Save() override { return qt::SaveForm(*m_Window); }
    QStringList Problems() const override { return m_Problems; }
    void SetEventHandler(EventHandler handler) override {
        m_Handler = std::move(handler);
        if (!m_Handler) {
            m_Window->onEvent = nullptr;
            return;
        }
        m_Window->onEvent = [this](ControlWindow& w, std::int32_t dispid, std::span<Variant> args) -> std::int32_t {
            return w.control() ? m_Handler(*w.control(), dispid, args) : errors::kNone;
        };
    }

    bool Focus(Control* control) override {
        if (!control) {
            m_Window->setFocusControl(nullptr);
            return true;
        }
        ControlWindow* w = WindowOf(*control);
        if (!w || !w->isEnabled() || !w->isVisible() || !w->tabStop()) return false;
        m_Window->setFocusControl(w);
        return m_Window->focusControl() == w;
    }
    Control* FocusControl() const override {
        ControlWindow* w = m_Window->focusControl();
        return w ? w->control() : nullptr;
    }
    void Tab(bool forward) override {
        QKeyEvent key(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                      forward ? Qt::NoModifier : Qt::ShiftModifier);
        QCoreApplication::sendEvent(m_Window.get(), &key);
    }
    Control* AccessKey(char16_t key) override {
        ControlWindow* target = nullptr;
        if (key == 13 || key == 27) {
            target = key == 13 ? m_Window->defaultControl() : m_Window->cancelControl();
        } else {
            // several controls with one key take turns, in tab order after the focus
            const std::vector<ControlWindow*> order = m_Window->tabOrder();
            const int count = static_cast<int>(order.size());
            int start = -1;
            for (int i = 0; i < count; ++i)
                if (order[static_cast<std::size_t>(i)] == m_Window->focusControl()) start = i;
            const QChar wanted = QChar(key).toLower();
            for (int step = 1; step <= count && !target; ++step) {
                ControlWindow* w = order[static_cast<std::size_t>((start + step) % count)];
                for (char16_t k : w->accessKeys())
                    if (QChar(k).toLower() == wanted && w->isEnabled() && w->isVisible()) target = w;
            }
        }
        if (!target || !target->control() || !target->isEnabled() || !target->isVisible()) return nullptr;
        std::int16_t keyAscii = static_cast<std::int16_t>(QChar(key).toLower().unicode());
        target->control()->AccessKeyPress(keyAscii);
        return target->control();
    }
    void Pointer(Control* control, int x, int y) override {
        const ControlWindow* w = control ? WindowOf(*control) : nullptr;
        QCursor::setPos(w ? w->mapToGlobal(QPoint(x, y)) : Outside());
    }

    QImage Image(Control* control, std::optional<host::ControlState> state) override {
        if (state) {
            // each control driven into the state, on a headless form of its own
            host::HostOptions options = m_Options;
            options.requiredSafety = 0;
            std::unique_ptr<host::HostedForm> form = host::HostedForm::Load(Save(), m_Registry, options, nullptr);
            if (!form) return {};
            return control ? form->RenderControl(Reference(*control), *state) : form->Render(*state);
        }
        if (!control) return m_Window->grab().toImage();
        const ControlWindow* w = WindowOf(*control);
        return w ? w->image().copy() : QImage();
    }
    std::optional<COLORREF> Pixel(Control& control, int x, int y) const override {
        const ControlWindow* w = WindowOf(control);
        if (!w || !w->image().valid(x, y)) return std::nullopt;
        const QRgb rgb = w->image().pixel(x, y);
        return static_cast<COLORREF>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
    }
    bool Enabled(const Control& control) const override {
        const ControlWindow* w = WindowOf(control);
        return w && w->isEnabled();
    }
    std::vector<std::string> LogLines() const override { return m_Window->LogLines(); }
    void ClearLog() override { m_Window->ClearLog(); }

private:
    ControlWindow* WindowOf(const Control& control) const {
        for (ControlWindow* w : m_Window->controls())
            if (w->control() == &control) return w;
        return nullptr;
    }
    bool TakesInput(const Control& control) const override {
        const ControlWindow* w = WindowOf(control);
        return w && w->isEnabled();
    }
    bool PointerTo(const Control& control, float x, float y) override {
        const ControlWindow* w = WindowOf(control);
        if (!w) return false;
        QCursor::setPos(w->mapToGlobal(QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)))));
        return w->isEnabled();
    }
    // A point beside the form, outside its windows.
    QPoint Outside() const {
        const QRect frame = m_Window->frameGeometry();
        return QPoint(frame.right() + 40, frame.bottom() + 40);
    }

    std::unique_ptr<FormWindow> m_Window;
    std::shared_ptr<const host::ControlRegistry> m_Registry;
    host::HostOptions m_Options;
    QStringList m_Problems;
    EventHandler m_Handler;
};

class WindowDesktop final : public ScriptDesktop {
public:
    WindowDesktop(std::shared_ptr<const host::ControlRegistry> registry, host::HostOptions options)
        : m_Registry(std::move(registry)), m_Options(std::move(options)) {
        if (m_Options.deterministicText) m_Text = headless::MakeBuiltinTextRenderer();
        m_Clock.start();
    }

    std::unique_ptr<ScriptForm> Open(host::FormDocument document, host::FormError* error) override {
        // Safety comes before any property set is read: the form is first
        // brought up headless under the required safety, which refuses a
        // control before it reads its set.
        if (m_Options.requiredSafety != 0 &&
            !host::HostedForm::Load(document, m_Registry, m_Options, error))
            return nullptr;
        auto window = std::make_unique<FormWindow>();
        QStringList problems;
        QString failure;
        if (!qt::LoadForm(*window, document, *m_Registry, &problems, &failure)) {
            // "controls[3].name: …": the location, then the message
            const qsizetype colon = failure.indexOf(QLatin1String(": "));
            if (error)
                *error = colon > 0 ? host::FormError{{}, failure.left(colon), failure.mid(colon + 2)}
                                   : host::FormError{{}, QStringLiteral("form"), failure};
            return nullptr;
        }
        return std::make_unique<WindowScriptForm>(std::move(window), m_Registry, m_Options, std::move(problems),
                                                  m_Text.get());
    }

    // Real time passes: the windows' events and timers run, and `stop` is
    // asked every 20 ms.
    void Advance(std::span<ScriptForm* const>, std::uint64_t milliseconds,
                 const std::function<bool()>& stop) override {
        QEventLoop loop;
        QTimer end;
        end.setSingleShot(true);
        end.setTimerType(Qt::PreciseTimer);
        QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (stop && stop()) loop.quit();
        });
        end.start(static_cast<int>(std::min<std::uint64_t>(milliseconds, 24u * 60 * 60 * 1000)));
        check.start(20);
        loop.exec();
    }
    std::uint64_t Now() const override { return static_cast<std::uint64_t>(m_Clock.elapsed()); }

private:
    std::shared_ptr<const host::ControlRegistry> m_Registry;
    host::HostOptions m_Options;
    std::unique_ptr<TextRenderer> m_Text;
    QElapsedTimer m_Clock;
};

}  // namespace

std::unique_ptr<ScriptDesktop> MakeWindowDesktop(std::shared_ptr<const host::ControlRegistry> registry,
                                                 host::HostOptions options) {
    return std::make_unique<WindowDesktop>(std::move(registry), std::move(options));
}

}  // namespace vemmix::script
