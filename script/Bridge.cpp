#include "script/Bridge.h"

#include <cmath>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJSValueIterator>
#include <QSaveFile>

#include <vemmix/Errors.h>
#include <vemmix/host/Limits.h>
#include <vemmix/host/Pictures.h>

namespace vemmix::script {

const char* const kBootstrapName = ":/vemmix-script/bootstrap.js";

QString MessageOf(std::int32_t number) {
    switch (number) {
    case hosterrors::kFileNotFound: return QStringLiteral("File not found");
    case hosterrors::kPermissionDenied: return QStringLiteral("Permission denied");
    case hosterrors::kPathAccess: return QStringLiteral("Path/File access error");
    case hosterrors::kInvalidFileFormat: return QStringLiteral("Invalid file format");
    default: {
        const std::u16string_view text = errors::Message(number);
        return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    }
    }
}

namespace {

// The longest a script may let time pass in one call: a day.
constexpr double kMaxAdvanceMs = 24.0 * 60 * 60 * 1000;

// The window pixels all forms of one script may hold together: as many as
// one form may.
constexpr std::int64_t kMaxScriptWindowPixels = host::limits::kMaxWindowPixels;

QString FromU16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A form document from the form settings of a script (host.form, and the
// fonts of host.font), read as a saved form's settings are; nullopt with
// `error` saying which setting is wrong.
std::optional<host::FormDocument> ReadSettings(const QJsonObject& form, QString* error) {
    const QJsonObject root{{QStringLiteral("format"), QStringLiteral("vemmix-form")},
                           {QStringLiteral("version"), 1},
                           {QStringLiteral("form"), form}};
    host::FormError problem;
    std::optional<host::FormDocument> document =
        host::ReadForm(QJsonDocument(root).toJson(QJsonDocument::Compact), {}, {}, &problem);
    if (!document) *error = problem.location.mid(problem.location.indexOf(QLatin1Char('.')) + 1) +
                            QStringLiteral(": ") + problem.message;
    return document;
}

// The first picture file of a form (the "file" of an object in a property
// set) that the path rule does not allow, as "controls[1].properties.
// Picture.file: \"../x.png\""; empty when there is none, or when the file
// is no form (reading it then says why).
QString EscapingPicture(const QString& formPath, const PathRule& paths) {
    QFile file(formPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QJsonDocument json = QJsonDocument::fromJson(file.read(host::limits::kMaxFormFileBytes + 1));
    const QString folder = QFileInfo(formPath).absolutePath();
    const QJsonArray controls = json.object().value(QStringLiteral("controls")).toArray();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QJsonObject properties = controls[i].toObject().value(QStringLiteral("properties")).toObject();
        for (auto it = properties.begin(); it != properties.end(); ++it) {
            const QJsonValue picture = it.value().toObject().value(QStringLiteral("file"));
            if (picture.isString() && !paths.Allows(QDir(folder).filePath(picture.toString())))
                return QStringLiteral("controls[%1].properties.%2.file: \"%3\"")
                    .arg(i)
                    .arg(it.key(), picture.toString().left(200));
        }
    }
    return {};
}

// A setting of a script as JSON: a text, a number, true or false, null,
// and, `depth` levels deep, a plain object of them; Undefined for anything
// else (an array, a function, an object nested deeper), so that no
// script's object is walked further than a setting goes.
QJsonValue Json(const QJSValue& value, int depth) {
    if (value.isBool()) return value.toBool();
    if (value.isNumber()) return value.toNumber();
    if (value.isString()) return value.toString();
    if (value.isNull()) return QJsonValue::Null;
    if (depth <= 0 || !value.isObject() || value.isArray() || value.isCallable()) return QJsonValue::Undefined;
    QJsonObject object;
    QJSValueIterator it(value);
    while (it.hasNext()) {
        it.next();
        const QJsonValue member = Json(it.value(), depth - 1);
        if (member.isUndefined()) return QJsonValue::Undefined;
        object.insert(it.name(), member);
    }
    return object;
}

QJsonObject FontJson(const FontDescription& font) {
    return QJsonObject{{QStringLiteral("name"), FromU16(font.name)},
                       {QStringLiteral("size"), font.size},
                       {QStringLiteral("bold"), font.bold},
                       {QStringLiteral("italic"), font.italic},
                       {QStringLiteral("underline"), font.underline},
                       {QStringLiteral("strikethrough"), font.strikethrough},
                       {QStringLiteral("charset"), font.charset}};
}

}  // namespace

// ---- the host's functions, in the order of the documentation ---------------------------------------

const Bridge::FunctionRow Bridge::kFunctions[] = {
    {"form", &Bridge::Form},
    {"load", &Bridge::Load},
    {"font", &Bridge::Font},
    {"picture", &Bridge::Picture},
    {"mouseDown", &Bridge::MouseDown},
    {"mouseUp", &Bridge::MouseUp},
    {"mouseMove", &Bridge::MouseMove},
    {"dblClick", &Bridge::DblClick},
    {"keyDown", &Bridge::KeyDown},
    {"keyPress", &Bridge::KeyPress},
    {"keyUp", &Bridge::KeyUp},
    {"focus", &Bridge::Focus},
    {"tab", &Bridge::Tab},
    {"accessKey", &Bridge::AccessKey},
    {"pointer", &Bridge::Pointer},
    {"advance", &Bridge::Advance},
    {"now", &Bridge::Now},
    {"snapshot", &Bridge::Snapshot},
    {"pixel", &Bridge::Pixel},
    {"events", &Bridge::Events},
    {"clearEvents", &Bridge::ClearEvents},
};

Bridge::Bridge(QJSEngine& engine, ScriptDesktop& desktop, PathRule paths, BridgeOptions options)
    : m_Engine(engine), m_Desktop(desktop), m_Paths(std::move(paths)), m_Options(std::move(options)) {}

Bridge::~Bridge() {
    // the forms go first, and tell nobody
    for (OpenForm& open : m_Forms) open.form->SetEventHandler(nullptr);
    m_Controls.clear();
    m_Forms.clear();
}

bool Bridge::Start(QString* problem) {
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    QFile file(QString::fromLatin1(kBootstrapName));
    file.open(QIODevice::ReadOnly);
    const QJSValue bootstrap =
        m_Engine.evaluate(QString::fromUtf8(file.readAll()), QStringLiteral("qrc") + QString::fromLatin1(kBootstrapName));
    const QJSValue made = bootstrap.call({m_Engine.newQObject(this)});
    if (made.isError() || !made.isObject()) {
        *problem = made.toString();
        return false;
    }
    m_Engine.globalObject().setProperty(QStringLiteral("host"), made.property(QStringLiteral("host")));
    m_Engine.globalObject().setProperty(QStringLiteral("print"), made.property(QStringLiteral("print")));
    return true;
}

void Bridge::init(const QJSValue& kit) {
    m_Method = kit.property(QStringLiteral("method"));
    m_Unknown = kit.property(QStringLiteral("unknown"));
    m_Wrap = kit.property(QStringLiteral("wrap"));
    m_Unwrap = kit.property(QStringLiteral("unwrap"));
    m_MakeError = kit.property(QStringLiteral("makeError"));
    m_Describe = kit.property(QStringLiteral("describe"));
    m_RunHandler = kit.property(QStringLiteral("runHandler"));
}

QStringList Bridge::functions() const {
    QStringList names;
    for (const FunctionRow& row : kFunctions) names << QLatin1String(row.name);
    return names;
}

QJSValue Bridge::invoke(const QString& function, const QJSValue& arguments) {
    for (const FunctionRow& row : kFunctions) {
        if (function != QLatin1String(row.name)) continue;
        try {
            return (this->*row.function)(Arguments(*this, arguments, QStringLiteral("host.") + function));
        } catch (const ScriptError& error) {
            Throw(error);
            return {};
        }
    }
    return {};
}

QJSValue Bridge::constants() {
    QJSValue args = m_Engine.newArray(static_cast<uint>(m_Options.args.size()));
    for (int i = 0; i < m_Options.args.size(); ++i) args.setProperty(static_cast<quint32>(i), m_Options.args[i]);
    QJSValue constants = m_Engine.newObject();
    constants.setProperty(QStringLiteral("args"), args);
    constants.setProperty(QStringLiteral("untrusted"), m_Options.untrusted);
    constants.setProperty(QStringLiteral("window"), m_Options.window);
    return constants;
}

void Bridge::print(const QString& text) {
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fflush(stdout);
}

// ---- for the script objects -----------------------------------------------------------------------

QJSValue Bridge::Wrap(ScriptObject* object) {
    const bool owned = dynamic_cast<ControlObject*>(object) || dynamic_cast<FormObject*>(object);
    QJSEngine::setObjectOwnership(object, owned ? QJSEngine::CppOwnership : QJSEngine::JavaScriptOwnership);
    return m_Wrap.call({m_Engine.newQObject(object), object->IsControl()});
}

ScriptObject* Bridge::Unwrap(const QJSValue& value) const {
    if (!value.isObject()) return nullptr;
    const QJSValue native = m_Unwrap.call({value});
    return native.isQObject() ? qobject_cast<ScriptObject*>(native.toQObject()) : nullptr;
}

ControlObject* Bridge::FindControl(const Control& control) const {
    const auto it = m_Controls.find(&control);
    return it == m_Controls.end() ? nullptr : it->second.object.get();
}

QJSValue Bridge::ControlValue(Control* control) {
    if (!control) return QJSValue(QJSValue::NullValue);
    if (const auto it = m_Controls.find(control); it != m_Controls.end()) return it->second.proxy;
    for (OpenForm& open : m_Forms) {
        const std::vector<Control*> controls = open.form->Controls();
        if (std::find(controls.begin(), controls.end(), control) == controls.end()) continue;
        ControlEntry entry;
        entry.object = std::make_unique<ControlObject>(*this, *open.form, *control);
        entry.proxy = Wrap(entry.object.get());
        return m_Controls.emplace(control, std::move(entry)).first->second.proxy;
    }
    return QJSValue(QJSValue::NullValue);
}

void Bridge::Throw(const ScriptError& error) {
    m_Engine.throwError(m_MakeError.call({error.number, error.message, error.source}));
}

std::optional<Variant> Bridge::ToVariant(const QJSValue& value, bool argument) const {
    if (value.isUndefined()) return argument ? Variant::Missing() : Variant();
    if (value.isNull()) return Variant();
    if (value.isBool()) return Variant::Boolean(value.toBool());
    if (value.isNumber()) {
        const double d = value.toNumber();
        if (d == std::floor(d) && d >= std::numeric_limits<std::int32_t>::min() &&
            d <= std::numeric_limits<std::int32_t>::max())
            return Variant(static_cast<std::int32_t>(d));
        return Variant(d);
    }
    if (value.isString()) return Variant(value.toString().toStdU16String());
    ScriptObject* object = Unwrap(value);
    if (auto* font = dynamic_cast<FontObject*>(object)) return Variant(font->font());
    if (auto* picture = dynamic_cast<PictureObject*>(object)) return Variant(picture->picture());
    if (auto* data = dynamic_cast<DataObjectObject*>(object)) return Variant(data->data());
    return std::nullopt;
}

QJSValue Bridge::FromVariant(const Variant& value) {
    using T = Variant::Type;
    switch (value.type()) {
    case T::Empty: return {};
    case T::Int16: return *value.get_if<std::int16_t>();
    case T::Int32: return *value.get_if<std::int32_t>();
    case T::Single: return static_cast<double>(*value.get_if<float>());
    case T::Double: return *value.get_if<double>();
    case T::Bool: return value.get_if<BoolValue>()->value != kFalse;
    case T::String: return FromU16(*value.get_if<std::u16string>());
    case T::Font:
        if (const FontRef& font = *value.get_if<FontRef>()) return Wrap(new FontObject(*this, font));
        return QJSValue(QJSValue::NullValue);
    case T::Picture:
        if (const PictureRef& picture = *value.get_if<PictureRef>()) return Wrap(new PictureObject(*this, picture));
        return QJSValue(QJSValue::NullValue);
    case T::DataObject:
        if (const DataObjectRef& data = *value.get_if<DataObjectRef>()) return Wrap(new DataObjectObject(*this, data));
        return QJSValue(QJSValue::NullValue);
    case T::Error: return {};
    }
    return {};
}

std::optional<Bridge::Thrown> Bridge::RunHandler(const QJSValue& handler, const QJSValue& self, const QJSValue& args) {
    const QJSValue outcome = m_RunHandler.call({handler, self, args});
    if (outcome.isUndefined() || Stopping()) return std::nullopt;
    return FromDescription(outcome);
}

Bridge::Thrown Bridge::Describe(const QJSValue& thrown) { return FromDescription(m_Describe.call({thrown})); }

Bridge::Thrown Bridge::FromDescription(const QJSValue& description) const {
    Thrown thrown;
    thrown.number = description.property(QStringLiteral("number")).toInt();
    thrown.text = description.property(QStringLiteral("text")).toString();
    thrown.location = Location(description.property(QStringLiteral("stack")).toString());
    return thrown;
}

QString Bridge::Location(const QString& stack) const {
    // frames "function@url:line", innermost first; the script's own is the
    // first whose url is not the host's
    for (const QString& frame : stack.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype at = frame.indexOf(QLatin1Char('@'));
        const qsizetype colon = frame.lastIndexOf(QLatin1Char(':'));
        if (at < 0 || colon <= at) continue;
        const QString url = frame.mid(at + 1, colon - at - 1);
        if (url.endsWith(QLatin1String(kBootstrapName))) continue;
        return m_Options.scriptName + frame.mid(colon);
    }
    return {};
}

void Bridge::Warn(const QString& text) {
    if (m_Warned.contains(text)) return;
    m_Warned.insert(text);
    const QByteArray line = QStringLiteral("vemmix-script: warning: %1\n").arg(text).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

// ---- host functions --------------------------------------------------------------------------------

ControlObject& Bridge::ControlArgument(const Arguments& a, int i) {
    auto* control = dynamic_cast<ControlObject*>(Unwrap(a.At(i)));
    if (!control)
        a.Fail(errors::kObjectRequired, QStringLiteral("argument %1 of %2 is not a control").arg(i + 1).arg(a.source()));
    m_Active = &control->form();
    return *control;
}

ScriptForm& Bridge::ActiveForm(const Arguments& a) {
    if (!m_Active) a.Fail(errors::kInvalidArgument, QStringLiteral("no form is open"));
    return *m_Active;
}

void Bridge::Reserve(std::int64_t pixels, const QString& source) {
    if (pixels > kMaxScriptWindowPixels - m_WindowPixels)
        throw ScriptError{errors::kOutOfMemory,
                          QStringLiteral("%1: the forms of a script hold at most %2 pixels of windows together, "
                                         "and %3 are taken")
                              .arg(MessageOf(errors::kOutOfMemory))
                              .arg(kMaxScriptWindowPixels)
                              .arg(m_WindowPixels),
                          source};
    m_WindowPixels += pixels;
}

QJSValue Bridge::Open(host::FormDocument document, const QString& name, const QString& source) {
    // the form's own image and every control's window
    std::int64_t pixels = std::int64_t{document.form.width} * document.form.height;
    for (const host::FormControl& control : document.controls)
        pixels += std::int64_t{control.width} * control.height;
    Reserve(pixels, source);
    host::FormError error;
    std::unique_ptr<ScriptForm> form = m_Desktop.Open(std::move(document), &error);
    if (!form) {
        Release(pixels);
        const std::int32_t number =
            error.location.endsWith(QLatin1String(".class")) ? errors::kCannotCreateObject : errors::kInvalidArgument;
        throw ScriptError{number,
                          QStringLiteral("%1: %2: %3: %4").arg(MessageOf(number), name, error.location, error.message),
                          source};
    }
    for (const QString& problem : form->Problems()) Warn(QStringLiteral("%1: %2").arg(name, problem));
    form->SetEventHandler([this](Control& control, std::int32_t dispid, std::span<Variant> args) {
        return OnEvent(control, dispid, args);
    });
    OpenForm open;
    open.form = std::move(form);
    open.object = std::make_unique<FormObject>(*this, *open.form, name);
    open.proxy = Wrap(open.object.get());
    m_Active = open.form.get();
    m_Forms.push_back(std::move(open));
    return m_Forms.back().proxy;
}

std::int32_t Bridge::OnEvent(Control& control, std::int32_t dispid, std::span<Variant> args) {
    ControlObject* object = FindControl(control);
    return object ? object->Raise(dispid, args) : errors::kNone;
}

QJSValue Bridge::Form(const Arguments& a) {
    a.Count(0, 1);
    QJsonObject settings{{QStringLiteral("width"), 320}, {QStringLiteral("height"), 240}};
    if (a.Has(0)) {
        const QJSValue options = a.At(0);
        if (!options.isObject() || options.isArray() || Unwrap(options))
            a.Fail(errors::kTypeMismatch, QStringLiteral("the argument of host.form is an object of settings"));
        QJSValueIterator it(options);
        while (it.hasNext()) {
            it.next();
            const QString key = it.name();
            const QJSValue v = it.value();
            if (key == QLatin1String("userMode")) {
                if (!v.isBool()) a.Fail(errors::kTypeMismatch, QStringLiteral("userMode is true or false"));
                settings.insert(QStringLiteral("mode"), v.toBool() ? QStringLiteral("run") : QStringLiteral("design"));
            } else if (key == QLatin1String("font") && dynamic_cast<FontObject*>(Unwrap(v))) {
                settings.insert(key, FontJson(dynamic_cast<FontObject*>(Unwrap(v))->font()->Description()));
            } else if (key == QLatin1String("width") || key == QLatin1String("height") ||
                       key == QLatin1String("backColor") || key == QLatin1String("font") ||
                       key == QLatin1String("visualStyle") || key == QLatin1String("name") ||
                       key == QLatin1String("title")) {
                const QJsonValue json = Json(v, 1);
                if (json.isUndefined())
                    a.Fail(errors::kTypeMismatch,
                           QStringLiteral("%1 is a text, a number, or an object of them").arg(key));
                settings.insert(key, json);
            } else {
                a.Fail(errors::kInvalidArgument,
                       QStringLiteral("\"%1\" is not a setting of host.form (width, height, backColor, font, "
                                      "visualStyle, userMode, name, title)")
                           .arg(key.left(80)));
            }
        }
    }
    QString problem;
    std::optional<host::FormDocument> document = ReadSettings(settings, &problem);
    if (!document) a.Fail(errors::kInvalidArgument, problem);
    const QString name = document->form.name;
    return Open(std::move(*document), name, a.source());
}

QJSValue Bridge::Load(const Arguments& a) {
    a.Count(1, 1);
    const QString given = a.Text(0);
    const QString path = m_Paths.Resolve(given, a.source());
    if (!QFileInfo(path).isFile())
        a.Fail(hosterrors::kFileNotFound, QStringLiteral("\"%1\" is not a file").arg(given));
    // an untrusted script's form reads pictures from the script's folder
    // only: their paths are checked before anything is read
    if (m_Paths.confined()) {
        const QString escaping = EscapingPicture(path, m_Paths);
        if (!escaping.isEmpty())
            a.Fail(hosterrors::kPermissionDenied, QStringLiteral("%1: %2 lies outside the script's folder").arg(given, escaping));
    }
    host::FormError error;
    std::optional<host::FormDocument> document = host::ReadFormFile(path, &error);
    if (!document) {
        error.file = given;
        a.Fail(hosterrors::kInvalidFileFormat, error.Text());
    }
    return Open(std::move(*document), given, a.source());
}

QJSValue Bridge::Font(const Arguments& a) {
    a.Count(0, 1);
    QJsonObject font = FontJson(FontDescription{});
    if (a.Has(0)) {
        const QJSValue v = a.At(0);
        if (auto* object = dynamic_cast<FontObject*>(Unwrap(v))) {
            font = FontJson(object->font()->Description());
        } else {
            const QJsonValue json = Unwrap(v) ? QJsonValue::Undefined : Json(v, 1);
            if (!json.isObject())
                a.Fail(errors::kTypeMismatch,
                       QStringLiteral("the argument of host.font is a font or an object of settings (texts, "
                                      "numbers, true or false)"));
            const QJsonObject given = json.toObject();
            for (auto it = given.begin(); it != given.end(); ++it) font.insert(it.key(), it.value());
        }
    }
    QString problem;
    std::optional<host::FormDocument> document =
        ReadSettings(QJsonObject{{QStringLiteral("width"), 1}, {QStringLiteral("height"), 1}, {QStringLiteral("font"), font}},
                     &problem);
    if (!document) a.Fail(errors::kInvalidArgument, problem);
    return Wrap(new FontObject(*this, MakeFont(document->form.font)));
}

QJSValue Bridge::Picture(const Arguments& a) {
    a.Count(1, 2);
    const QString given = a.Text(0);
    host::PictureKind kind = host::PictureKind::FromImage;
    if (a.Has(1)) {
        const QString name = a.Text(1);
        if (name == QLatin1String("bitmap")) kind = host::PictureKind::Bitmap;
        else if (name == QLatin1String("icon")) kind = host::PictureKind::Icon;
        else a.Fail(errors::kInvalidArgument, QStringLiteral("a picture is a \"bitmap\" or an \"icon\", not \"%1\"").arg(name.left(40)));
    }
    const QString path = m_Paths.Resolve(given, a.source());
    if (!QFileInfo(path).isFile()) a.Fail(hosterrors::kFileNotFound, QStringLiteral("\"%1\" is not a file").arg(given));
    QString problem;
    PictureRef picture = host::LoadPicture(path, &problem, kind);
    if (!picture) a.Fail(errors::kInvalidPicture, QStringLiteral("\"%1\": %2").arg(given, problem));
    return Wrap(new PictureObject(*this, std::move(picture)));
}

void Bridge::Mouse(const Arguments& a, std::int16_t defaultButton,
                   void (ScriptForm::*notify)(Control&, std::int16_t, std::int16_t, float, float)) {
    a.Count(1, 5);
    ControlObject& control = ControlArgument(a, 0);
    const std::int16_t button = a.Has(1) ? a.Int16(1) : defaultButton;
    const std::int16_t shift = a.Has(2) ? a.Int16(2) : 0;
    const float x = a.Has(3) ? static_cast<float>(a.Number(3)) : 0.0f;
    const float y = a.Has(4) ? static_cast<float>(a.Number(4)) : 0.0f;
    (control.form().*notify)(control.control(), button, shift, x, y);
}

QJSValue Bridge::MouseDown(const Arguments& a) {
    Mouse(a, 1, &ScriptForm::MouseDown);
    return {};
}

QJSValue Bridge::MouseUp(const Arguments& a) {
    Mouse(a, 1, &ScriptForm::MouseUp);
    return {};
}

QJSValue Bridge::MouseMove(const Arguments& a) {
    Mouse(a, 0, &ScriptForm::MouseMove);
    return {};
}

QJSValue Bridge::DblClick(const Arguments& a) {
    a.Count(1, 1);
    ControlObject& control = ControlArgument(a, 0);
    control.form().DblClick(control.control());
    return {};
}

void Bridge::Key(const Arguments& a, void (ScriptForm::*notify)(Control&, std::int16_t&, std::int16_t&)) {
    a.Count(2, 3);
    ControlObject& control = ControlArgument(a, 0);
    std::int16_t keyCode = a.Int16(1);
    std::int16_t shift = a.Has(2) ? a.Int16(2) : 0;
    (control.form().*notify)(control.control(), keyCode, shift);
}

QJSValue Bridge::KeyDown(const Arguments& a) {
    Key(a, &ScriptForm::KeyDown);
    return {};
}

QJSValue Bridge::KeyPress(const Arguments& a) {
    a.Count(2, 2);
    ControlObject& control = ControlArgument(a, 0);
    std::int16_t keyAscii = static_cast<std::int16_t>(a.Character(1));
    control.form().KeyPress(control.control(), keyAscii);
    return {};
}

QJSValue Bridge::KeyUp(const Arguments& a) {
    Key(a, &ScriptForm::KeyUp);
    return {};
}

QJSValue Bridge::Focus(const Arguments& a) {
    a.Count(1, 1);
    if (a.At(0).isNull()) {
        ActiveForm(a).Focus(nullptr);
        return {};
    }
    ControlObject& control = ControlArgument(a, 0);
    if (!control.form().Focus(&control.control()))
        a.Fail(errors::kInvalidArgument,
               QStringLiteral("%1 cannot take the focus: it is disabled, hidden, or a frame or a label").arg(control.Reference()));
    return {};
}

QJSValue Bridge::Tab(const Arguments& a) {
    a.Count(0, 1);
    const bool forward = a.Has(0) ? a.Bool(0) : true;
    ActiveForm(a).Tab(forward);
    return {};
}

QJSValue Bridge::AccessKey(const Arguments& a) {
    a.Count(1, 1);
    const char16_t key = a.Character(0);
    return ControlValue(ActiveForm(a).AccessKey(key));
}

QJSValue Bridge::Pointer(const Arguments& a) {
    a.Count(1, 3);
    if (a.At(0).isNull()) {
        for (OpenForm& open : m_Forms) open.form->Pointer(nullptr, 0, 0);
        return {};
    }
    ControlObject& control = ControlArgument(a, 0);
    const int x = a.Has(1) ? a.Int32(1) : 0;
    const int y = a.Has(2) ? a.Int32(2) : 0;
    // the pointer is in one place: outside every other form
    for (OpenForm& open : m_Forms)
        if (open.form.get() != &control.form()) open.form->Pointer(nullptr, 0, 0);
    control.form().Pointer(&control.control(), x, y);
    return {};
}

QJSValue Bridge::Advance(const Arguments& a) {
    a.Count(1, 1);
    const double ms = a.Number(0);
    if (ms < 0 || ms > kMaxAdvanceMs)
        a.Fail(errors::kInvalidArgument,
               QStringLiteral("time passes from 0 to %1 milliseconds at a time").arg(static_cast<qint64>(kMaxAdvanceMs)));
    std::vector<ScriptForm*> forms;
    for (OpenForm& open : m_Forms) forms.push_back(open.form.get());
    m_Desktop.Advance(forms, static_cast<std::uint64_t>(std::llround(ms)), [this] { return Stopping(); });
    return {};
}

QJSValue Bridge::Now(const Arguments& a) {
    a.Count(0, 0);
    return static_cast<double>(m_Desktop.Now());
}

QJSValue Bridge::Snapshot(const Arguments& a) {
    a.Count(2, 3);
    std::optional<host::ControlState> state;
    if (a.Has(2)) {
        state = host::ParseControlState(a.Text(2));
        if (!state)
            a.Fail(errors::kInvalidArgument,
                   QStringLiteral("\"%1\" is not a state (released, hover, focus, pressed, dropdown-pressed, toggled, "
                                  "disabled)")
                       .arg(a.Text(2).left(40)));
    }
    ScriptObject* object = Unwrap(a.At(0));
    QImage image;
    if (auto* control = dynamic_cast<ControlObject*>(object))
        image = control->form().Image(&control->control(), state);
    else if (auto* form = dynamic_cast<FormObject*>(object))
        image = form->form().Image(nullptr, state);
    else
        a.Fail(errors::kObjectRequired, QStringLiteral("argument 1 of host.snapshot is not a control or a form"));
    const QString given = a.Text(1);
    const QString path = m_Paths.Resolve(given, a.source());
    if (image.isNull()) a.Fail(errors::kInvalidArgument, QStringLiteral("the window has no image (no width or height)"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        a.Fail(hosterrors::kPathAccess, QStringLiteral("\"%1\" cannot be written (%2)").arg(given, file.errorString()));
    return {};
}

QJSValue Bridge::Pixel(const Arguments& a) {
    a.Count(3, 3);
    ControlObject& control = ControlArgument(a, 0);
    const int x = a.Int32(1);
    const int y = a.Int32(2);
    const std::optional<COLORREF> colour = control.form().Pixel(control.control(), x, y);
    if (!colour)
        a.Fail(errors::kInvalidArgument, QStringLiteral("(%1, %2) lies outside the window of %3").arg(x).arg(y).arg(control.Reference()));
    return static_cast<double>(*colour & 0x00FFFFFFu);
}

QJSValue Bridge::Events(const Arguments& a) {
    a.Count(0, 1);
    std::vector<std::string> lines;
    if (a.Has(0)) {
        auto* form = dynamic_cast<FormObject*>(Unwrap(a.At(0)));
        if (!form) a.Fail(errors::kObjectRequired, QStringLiteral("argument 1 of host.events is not a form"));
        lines = form->form().LogLines();
    } else {
        for (OpenForm& open : m_Forms)
            for (std::string& line : open.form->LogLines()) lines.push_back(std::move(line));
    }
    QJSValue list = m_Engine.newArray(static_cast<uint>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        list.setProperty(static_cast<quint32>(i), QString::fromStdString(lines[i]));
    return list;
}

QJSValue Bridge::ClearEvents(const Arguments& a) {
    a.Count(0, 1);
    if (a.Has(0)) {
        auto* form = dynamic_cast<FormObject*>(Unwrap(a.At(0)));
        if (!form) a.Fail(errors::kObjectRequired, QStringLiteral("argument 1 of host.clearEvents is not a form"));
        form->form().ClearLog();
    } else {
        for (OpenForm& open : m_Forms) open.form->ClearLog();
    }
    return {};
}

}  // namespace vemmix::script
