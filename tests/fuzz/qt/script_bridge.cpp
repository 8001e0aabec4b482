// The scripting host's bridge, driven from fuzzed values: a QJSEngine with
// the host's objects (as vemmix-script makes it, untrusted, files confined
// to a folder of its own) and a form of two buttons, then up to 32
// steps: property gets and puts by name (any member of the button, a
// form's, a font's, another name) with values of every kind a script has
// (numbers at the edges, texts up to 65,536 characters, fonts, controls,
// objects, arrays, functions, what an earlier step returned), method calls
// with such arguments, the host's functions (input, time, pixels, events),
// and event handlers that change their arguments, throw, call back in,
// click the other button or let time pass. Each execution has half a
// second of script time.
//
// Checked: no exception escapes into C++, every error the host raises has
// a number from 1 to 65535 and a message, and after the steps (unless the
// time ran out) both buttons still answer and the form saves a form the
// reader takes.
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QJSEngine>
#include <QJSValue>
#include <QTemporaryDir>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>

#include "control/TypeLibrary.h"
#include "script/Bridge.h"
#include "script/Runner.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/qt/QtFuzz.h"

namespace {

using namespace vemmix;

constexpr double kScriptSeconds = 0.5;
constexpr int kMaxSteps = 32;

// The script's side: the form, what each step does, and the handlers.
constexpr const char* kKit = R"JS(
(function () {
    "use strict";
    const form = host.form({width: 240, height: 80});
    const a = form.add("Vemmix.Zorvane", "cmdA", {width: 100, height: 30});
    const b = form.add("Vemmix.Zorvane", "cmdB", {left: 110, width: 100, height: 30});
    let broken = "";
    // an error of the host: a number from 1 to 65535 and a message
    function attempt(f) {
        try {
            return f();
        } catch (e) {
            if (typeof e === "object" && e !== null && "number" in e && "source" in e) {
                const n = e.number;
                if (typeof n !== "number" || n < 1 || n > 65535 || n !== (n | 0) ||
                    typeof e.message !== "string" || e.message === "")
                    broken = "an error of the host without a number or a message: " + n;
            }
            return e;
        }
    }
    function handler(kind, field, value, target, name) {
        switch (kind) {
        case 0: return function (args) { args[field] = value; };
        case 1: return function () { throw value; };
        case 2: return function () { target[name] = value; };
        case 3: return function () { target[name](value); };
        case 4: return function () { host.mouseDown(target, 1, 0, 2, 2); host.mouseUp(target, 1, 0, 2, 2); };
        case 5: return function () { host.advance(typeof value === "number" ? value % 5000 : 100); };
        default: return function (args) { target.Caption = String(args && args[field]); };
        }
    }
    return {
        form: form, a: a, b: b,
        objects: [a, b, form],
        broken: function () { return broken; },
        get: function (o, n) { return attempt(function () { return o[n]; }); },
        set: function (o, n, v) { return attempt(function () { o[n] = v; }); },
        call: function (o, n, args) { return attempt(function () { return o[n].apply(o, args); }); },
        host: function (n, args) { return attempt(function () { return host[n].apply(null, args); }); },
        on: function (o, event, kind, field, value, target, name) {
            return attempt(function () { o.on(event, handler(kind, field, value, target, name)); });
        },
        off: function (o, event) { return attempt(function () { o.off(event); }); },
        font: function (settings) { return attempt(function () { return host.font(settings); }); },
        answer: function () { return typeof a.Caption === "string" && typeof b.Enabled === "boolean"; },
        save: function (path) { return attempt(function () { form.save(path); }); },
    };
})()
)JS";

const char* const kHostFunctions[] = {"mouseDown", "mouseUp",  "mouseMove", "dblClick", "keyDown", "keyPress",
                                      "keyUp",     "focus",    "tab",       "accessKey", "pointer", "advance",
                                      "now",       "pixel",    "events",    "clearEvents", "font",  "form",
                                      "snapshot",  "load",     "picture"};
const char* const kFormMembers[] = {"add", "control", "controls", "save", "name", "problems", "focus"};
const char* const kFontMembers[] = {"Name", "Size", "Bold", "Italic", "Underline", "Strikethrough", "Charset",
                                    "Type", "Width", "Height", "GetFormat", "GetData", "SetData", "Clear"};

// The folder of the files a script writes and reads.
const QString& Folder() {
    static const QTemporaryDir folder;
    static const QString path = folder.path();
    return path;
}

// Empties the folder when an input is done, so no input reads what another wrote.
struct Cleared {
    ~Cleared() {
        QDir folder(Folder());
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) folder.remove(name);
    }
};

QString FromU16(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

class Driver {
public:
    Driver(fuzz::Input& in, QJSEngine& engine, const QJSValue& kit) : m_In(in), m_Engine(engine), m_Kit(kit) {
        m_Objects = {kit.property(QStringLiteral("a")), kit.property(QStringLiteral("b")),
                     kit.property(QStringLiteral("form"))};
    }

    void Step() {
        switch (m_In.In(0, 9)) {
        case 0: case 1: Keep(Do("get", {Object(), Name()})); break;
        case 2: case 3: Keep(Do("set", {Object(), Name(), Value()})); break;
        case 4: Keep(Do("call", {Object(), Name(), Arguments()})); break;
        case 5: case 6: Keep(Do("host", {QString::fromLatin1(m_In.Pick<const char*>(kHostFunctions)), Arguments()})); break;
        case 7: {
            const QJSValue event = m_In.Bool() ? QJSValue(EventName()) : Value();
            Do("on", {Control(), event, m_In.In(0, 6), Field(), Value(), Control(), Name()});
            break;
        }
        case 8: Do("off", {Control(), m_In.Bool() ? QJSValue(EventName()) : Value()}); break;
        default: Keep(Do("font", {Value()})); break;
        }
    }

private:
    QJSValue Do(const char* what, const QJSValueList& args) {
        return m_Kit.property(QString::fromLatin1(what)).call(args);
    }
    void Keep(const QJSValue& value) {
        if (value.isObject()) m_Kept = value;
    }

    QJSValue Object() {
        switch (m_In.In(0, 4)) {
        case 0: return m_Objects[2];
        case 1: return m_Kept.isUndefined() ? m_Objects[0] : m_Kept;
        default: return Control();
        }
    }
    QJSValue Control() { return m_Objects[m_In.In(0, 1)]; }

    QString Name() {
        switch (m_In.In(0, 7)) {
        case 0: return QString::fromLatin1(m_In.Pick<const char*>(kFormMembers));
        case 1: return QString::fromLatin1(m_In.Pick<const char*>(kFontMembers));
        case 2: return FromU16(m_In.Text());
        case 3: return EventName();
        default: {
            QString name = FromU16(m_In.Pick<typelib::Member>(typelib::kMembers).name);
            return m_In.Bool() ? name.toLower() : name;
        }
        }
    }
    QString EventName() { return FromU16(m_In.Pick<typelib::Event>(typelib::kEvents).name); }
    QString Field() {
        const typelib::Event& event = m_In.Pick<typelib::Event>(typelib::kEvents);
        if (event.args.empty() || m_In.In(0, 7) == 0) return FromU16(m_In.Text());
        return FromU16(m_In.Pick<typelib::EventArg>(event.args).name);
    }

    QJSValue Value() {
        switch (m_In.In(0, 14)) {
        case 0: return QJSValue();
        case 1: return QJSValue(QJSValue::NullValue);
        case 2: return QJSValue(m_In.Bool());
        case 3: case 4: return QJSValue(m_In.Number());
        case 5: return QJSValue(m_In.Double());
        case 6: {
            static const double kEdges[] = {0.5, -0.0, 1e308, -1e308, 4294967296.0, 2147483648.0, 65536.0,
                                            std::numeric_limits<double>::quiet_NaN(),
                                            std::numeric_limits<double>::infinity(),
                                            -std::numeric_limits<double>::infinity()};
            return QJSValue(m_In.Pick<double>(kEdges));
        }
        case 7: case 8: return QJSValue(FromU16(m_In.Text()));
        case 9: return Control();
        case 10: return m_Objects[2];
        case 11: return m_Kept;
        case 12: {
            QJSValue object = m_Engine.newObject();
            const int n = m_In.In(0, 3);
            for (int i = 0; i < n; ++i) object.setProperty(m_In.Bool() ? FromU16(m_In.Text()) : QStringLiteral("size"), Value());
            return object;
        }
        case 13: {
            QJSValue array = m_Engine.newArray();
            const int n = m_In.In(0, 3);
            for (int i = 0; i < n; ++i) array.setProperty(static_cast<quint32>(i), Value());
            return array;
        }
        default: return Do("font", {QJSValue()});
        }
    }
    QJSValue Arguments() {
        QJSValue array = m_Engine.newArray();
        const int n = m_In.In(0, 5);
        for (int i = 0; i < n; ++i) array.setProperty(static_cast<quint32>(i), Value());
        return array;
    }

    fuzz::Input& m_In;
    QJSEngine& m_Engine;
    QJSValue m_Kit;
    std::vector<QJSValue> m_Objects;
    QJSValue m_Kept;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    fuzz::StartQt((*argv)[0]);
    fuzz::Registry();
    Folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    host::HostOptions options;
    options.deterministicText = true;
    options.dpi = 96;
    options.requiredSafety = kSafeForUntrustedCaller | kSafeForUntrustedData;
    std::unique_ptr<script::ScriptDesktop> desktop = script::MakeHeadlessDesktop(fuzz::Registry(), options);
    QJSEngine engine;
    script::BridgeOptions bridgeOptions;
    bridgeOptions.scriptName = QStringLiteral("fuzz.js");
    bridgeOptions.untrusted = true;
    // the files a step names lie in a folder of the fuzzer's, emptied for each input
    Cleared cleared;
    script::Bridge bridge(engine, *desktop, script::PathRule(Folder(), true), bridgeOptions);
    QString problem;
    if (!bridge.Start(&problem)) fuzz::Fail(("the host does not start: " + problem.toStdString()).c_str());
    const QJSValue kit = engine.evaluate(QString::fromLatin1(kKit));
    if (kit.isError()) fuzz::Fail(("the kit does not start: " + kit.toString().toStdString()).c_str());

    script::Watchdog watchdog(engine, kScriptSeconds);
    Driver driver(in, engine, kit);
    for (int step = 0; step < kMaxSteps && !in.Empty() && !engine.isInterrupted(); ++step) driver.Step();
    const QString broken = kit.property(QStringLiteral("broken")).call().toString();
    if (!broken.isEmpty()) fuzz::Fail(broken.toStdString().c_str());
    if (engine.isInterrupted()) return 0;
    if (!kit.property(QStringLiteral("answer")).call().toBool()) fuzz::Fail("a button no longer answers");

    // what the form saves, the reader takes
    const QJSValue saved = kit.property(QStringLiteral("save")).call({QStringLiteral("saved.json")});
    if (engine.isInterrupted()) return 0;
    if (!saved.isUndefined()) fuzz::Fail(("the form cannot be saved: " + saved.toString().toStdString()).c_str());
    host::FormError error;
    if (!host::ReadFormFile(QDir(Folder()).filePath(QStringLiteral("saved.json")), &error))
        fuzz::Fail(("the form saves a form the reader refuses: " + error.Text().toStdString()).c_str());
    return 0;
}
