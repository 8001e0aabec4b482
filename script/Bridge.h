// The native side of the script's `host` object, and what the script
// objects share: the conversions between JavaScript values and automation
// values, the proxies, errors as exceptions, event handlers and warnings.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <QJSEngine>
#include <QJSValue>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vemmix/Control.h>
#include <vemmix/Variant.h>

#include "script/PathRule.h"
#include "script/ScriptError.h"
#include "script/ScriptForm.h"
#include "script/ScriptObjects.h"

namespace vemmix::script {

// The resource the host's own script is read from.
extern const char* const kBootstrapName;

struct BridgeOptions {
    QString scriptName;  // the script's path as given, for messages
    QStringList args;    // host.args
    bool untrusted = false;
    bool window = false;
};

class Bridge final : public QObject {
    Q_OBJECT

public:
    Bridge(QJSEngine& engine, ScriptDesktop& desktop, PathRule paths, BridgeOptions options);
    ~Bridge() override;

    // Runs bootstrap.js and gives the engine's global object `host` and
    // `print`; false, with `problem` set, when that fails.
    bool Start(QString* problem);

    // ---- bootstrap.js --------------------------------------------------------------------
    Q_INVOKABLE void init(const QJSValue& kit);
    Q_INVOKABLE QStringList functions() const;
    Q_INVOKABLE QJSValue invoke(const QString& function, const QJSValue& arguments);
    Q_INVOKABLE QJSValue constants();
    Q_INVOKABLE void print(const QString& text);

    // ---- for the script objects -------------------------------------------------------------
    QJSEngine& engine() { return m_Engine; }
    const PathRule& paths() const { return m_Paths; }
    const QJSValue& methodMarker() const { return m_Method; }
    const QJSValue& unknownMarker() const { return m_Unknown; }
    // The proxy of a native object, which the proxy then owns (fonts,
    // pictures, data) or which the bridge keeps (controls, forms).
    QJSValue Wrap(ScriptObject* object);
    // The native of a proxy; null for any other value.
    ScriptObject* Unwrap(const QJSValue& value) const;
    // The proxy of a control of an open form; null when there is none.
    QJSValue ControlValue(Control* control);
    ControlObject* FindControl(const Control& control) const;
    // Raises the error as an exception of the script.
    void Throw(const ScriptError& error);

    // A script value for the automation boundary; nullopt for a value that
    // has no such form (a plain object, a control, a form). Undefined is
    // Empty, or a missing argument when `argument` is set.
    std::optional<Variant> ToVariant(const QJSValue& value, bool argument) const;
    QJSValue FromVariant(const Variant& value);

    // Runs an event handler with `self` as `this` and `args` as its one
    // argument; what it threw (number 0 when it has none) or nothing.
    struct Thrown {
        std::int32_t number = 0;
        QString text;
        QString location;  // "script.js:12", or empty
    };
    std::optional<Thrown> RunHandler(const QJSValue& handler, const QJSValue& self, const QJSValue& args);
    // What the script threw.
    Thrown Describe(const QJSValue& thrown);
    // "script.js:12" of the first frame of the script in a stack, or empty.
    QString Location(const QString& stack) const;

    // True once the script is being stopped: no handler runs any more.
    bool Stopping() const { return m_Engine.isInterrupted(); }
    // Handlers running inside one another.
    int& handlerDepth() { return m_HandlerDepth; }
    // A warning on the standard error, each distinct text once.
    void Warn(const QString& text);
    // Takes `pixels` of windows from what all forms of the script may hold
    // together (ScriptError 7 when that is used up): a script cannot take
    // the machine's memory by opening form after form.
    void Reserve(std::int64_t pixels, const QString& source);
    // Gives back what a form or control that was not made had reserved.
    void Release(std::int64_t pixels) { m_WindowPixels -= pixels; }

private:
    using Function = QJSValue (Bridge::*)(const Arguments& arguments);
    struct FunctionRow {
        const char* name;
        Function function;
    };
    static const FunctionRow kFunctions[];

    // host.*
    QJSValue Form(const Arguments& a);
    QJSValue Load(const Arguments& a);
    QJSValue Font(const Arguments& a);
    QJSValue Picture(const Arguments& a);
    QJSValue MouseDown(const Arguments& a);
    QJSValue MouseUp(const Arguments& a);
    QJSValue MouseMove(const Arguments& a);
    QJSValue DblClick(const Arguments& a);
    QJSValue KeyDown(const Arguments& a);
    QJSValue KeyPress(const Arguments& a);
    QJSValue KeyUp(const Arguments& a);
    QJSValue Focus(const Arguments& a);
    QJSValue Tab(const Arguments& a);
    QJSValue AccessKey(const Arguments& a);
    QJSValue Pointer(const Arguments& a);
    QJSValue Advance(const Arguments& a);
    QJSValue Now(const Arguments& a);
    QJSValue Snapshot(const Arguments& a);
    QJSValue Pixel(const Arguments& a);
    QJSValue Events(const Arguments& a);
    QJSValue ClearEvents(const Arguments& a);

    // The control of argument i (424 when it is none).
    ControlObject& ControlArgument(const Arguments& a, int i);
    // The mouse notification of host.mouseDown/Up/Move.
    void Mouse(const Arguments& a, std::int16_t defaultButton,
               void (ScriptForm::*notify)(Control&, std::int16_t, std::int16_t, float, float));
    // The key notification of host.keyDown/Up.
    void Key(const Arguments& a, void (ScriptForm::*notify)(Control&, std::int16_t&, std::int16_t&));
    // The form made active by the last form opened or control used.
    ScriptForm& ActiveForm(const Arguments& a);
    // A form from a document; its proxy.
    QJSValue Open(host::FormDocument document, const QString& name, const QString& source);
    std::int32_t OnEvent(Control& control, std::int32_t dispid, std::span<Variant> args);
    // bootstrap.js's description {number, text, stack} of a thrown value
    Thrown FromDescription(const QJSValue& description) const;

    QJSEngine& m_Engine;
    ScriptDesktop& m_Desktop;
    PathRule m_Paths;
    BridgeOptions m_Options;

    QJSValue m_Method, m_Unknown, m_Wrap, m_Unwrap, m_MakeError, m_Describe, m_RunHandler;

    struct OpenForm {
        std::unique_ptr<ScriptForm> form;
        std::unique_ptr<FormObject> object;
        QJSValue proxy;
    };
    std::vector<OpenForm> m_Forms;
    struct ControlEntry {
        std::unique_ptr<ControlObject> object;
        QJSValue proxy;
    };
    std::map<const Control*, ControlEntry> m_Controls;
    ScriptForm* m_Active = nullptr;
    int m_HandlerDepth = 0;
    std::int64_t m_WindowPixels = 0;  // of every form opened and control added
    QSet<QString> m_Warned;
};

}  // namespace vemmix::script
