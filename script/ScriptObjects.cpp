#include "script/ScriptObjects.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QJSEngine>
#include <QJSValueIterator>

#include <vemmix/Errors.h>
#include <vemmix/TypeInfo.h>
#include <vemmix/host/Limits.h>

#include "script/Bridge.h"
#include "script/ScriptForm.h"

namespace vemmix::script {

namespace {

std::u16string_view View(const QString& text) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

QString FromU16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The name of a fixed member list that `name` names without regard to
// case; empty when none does.
template <std::size_t N>
std::u16string_view FindName(const QString& name, const std::u16string_view (&names)[N]) {
    for (std::u16string_view candidate : names)
        if (typelib::NamesEqual(View(name), candidate)) return candidate;
    return {};
}

// Event handlers nested deeper than a container allows (a handler that
// causes its own event again) are not run; the control gets "out of stack
// space". Each form's container bounds its own controls; this bounds the
// handlers of all the script's forms together, which share one engine.
constexpr int kMaxHandlerDepth = kMaxEventNesting;

}  // namespace

// ---- arguments ------------------------------------------------------------------------------

Arguments::Arguments(Bridge& bridge, const QJSValue& arguments, QString source)
    : m_Bridge(bridge), m_Arguments(arguments), m_Source(std::move(source)) {
    m_Size = std::clamp(arguments.property(QStringLiteral("length")).toInt(), 0, 64);
}

bool Arguments::Has(int i) const { return i < m_Size && !At(i).isUndefined(); }

QJSValue Arguments::At(int i) const {
    return i < m_Size ? m_Arguments.property(static_cast<quint32>(i)) : QJSValue();
}

void Arguments::Fail(std::int32_t number, const QString& message) const {
    throw ScriptError{number, MessageOf(number) + QStringLiteral(": ") + message, m_Source};
}

void Arguments::Count(int min, int max) const {
    if (m_Size < min || m_Size > max)
        Fail(errors::kWrongArgumentCount,
             min == max ? QStringLiteral("%1 takes %2 arguments, not %3").arg(m_Source).arg(min).arg(m_Size)
                        : QStringLiteral("%1 takes %2 to %3 arguments, not %4").arg(m_Source).arg(min).arg(max).arg(m_Size));
    for (int i = 0; i < min; ++i)
        if (!Has(i)) Fail(errors::kWrongArgumentCount, QStringLiteral("argument %1 of %2 is missing").arg(i + 1).arg(m_Source));
}

QString Arguments::Text(int i) const {
    const QJSValue v = At(i);
    if (!v.isString())
        Fail(errors::kTypeMismatch, QStringLiteral("argument %1 of %2 is not a text").arg(i + 1).arg(m_Source));
    return v.toString();
}

double Arguments::Number(int i) const {
    const QJSValue v = At(i);
    if (!v.isNumber() || !std::isfinite(v.toNumber()))
        Fail(errors::kTypeMismatch, QStringLiteral("argument %1 of %2 is not a finite number").arg(i + 1).arg(m_Source));
    return v.toNumber();
}

std::int16_t Arguments::Int16(int i) const {
    const std::int32_t n = Int32(i);
    if (n < std::numeric_limits<std::int16_t>::min() || n > std::numeric_limits<std::int16_t>::max())
        Fail(errors::kOverflow, QStringLiteral("argument %1 of %2 is beyond -32768 to 32767").arg(i + 1).arg(m_Source));
    return static_cast<std::int16_t>(n);
}

std::int32_t Arguments::Int32(int i) const {
    const std::optional<std::int32_t> n = ToInt32(Value(i));
    if (!n) {
        if (At(i).isNumber())
            Fail(errors::kOverflow, QStringLiteral("argument %1 of %2 is beyond the 32-bit range").arg(i + 1).arg(m_Source));
        Fail(errors::kTypeMismatch, QStringLiteral("argument %1 of %2 is not a number").arg(i + 1).arg(m_Source));
    }
    return *n;
}

bool Arguments::Bool(int i) const {
    const QJSValue v = At(i);
    if (!v.isBool())
        Fail(errors::kTypeMismatch, QStringLiteral("argument %1 of %2 is not true or false").arg(i + 1).arg(m_Source));
    return v.toBool();
}

char16_t Arguments::Character(int i) const {
    const QJSValue v = At(i);
    if (v.isString() && v.toString().size() == 1) return v.toString().at(0).unicode();
    if (v.isNumber()) {
        const std::int32_t code = Int32(i);
        if (code >= 0 && code <= 0xFFFF) return static_cast<char16_t>(code);
    }
    Fail(errors::kTypeMismatch,
         QStringLiteral("argument %1 of %2 is not one character or a character code").arg(i + 1).arg(m_Source));
}

Variant Arguments::Value(int i) const {
    const std::optional<Variant> v = m_Bridge.ToVariant(At(i), true);
    if (!v) Fail(errors::kTypeMismatch, QStringLiteral("argument %1 of %2 is not a value of the automation interface").arg(i + 1).arg(m_Source));
    return *v;
}

// ---- the proxy's entry points --------------------------------------------------------------

ScriptObject::ScriptObject(Bridge& bridge) : m_Bridge(bridge) {}
ScriptObject::~ScriptObject() = default;

QJSValue ScriptObject::get(const QString& name) {
    try {
        switch (Kind(name)) {
        case MemberKind::Unknown: return m_Bridge.unknownMarker();
        case MemberKind::Method: return m_Bridge.methodMarker();
        case MemberKind::Property: return Get(name);
        }
    } catch (const ScriptError& error) {
        m_Bridge.Throw(error);
    }
    return {};
}

void ScriptObject::set(const QString& name, const QJSValue& value) {
    try {
        Set(name, value);
    } catch (const ScriptError& error) {
        m_Bridge.Throw(error);
    }
}

QJSValue ScriptObject::call(const QString& name, const QJSValue& arguments) {
    try {
        return Call(name, Arguments(m_Bridge, arguments, SourceOf(name)));
    } catch (const ScriptError& error) {
        m_Bridge.Throw(error);
    }
    return {};
}

bool ScriptObject::has(const QString& name) {
    try {
        return Kind(name) != MemberKind::Unknown;
    } catch (const ScriptError&) {
        return false;
    }
}

void ScriptObject::fail(const QString& name) {
    m_Bridge.Throw(ScriptError{errors::kUnknownMember, MessageOf(errors::kUnknownMember), SourceOf(name)});
}

void ScriptObject::on(const QJSValue& event, const QJSValue& handler) {
    try {
        On(event, handler);
    } catch (const ScriptError& error) {
        m_Bridge.Throw(error);
    }
}

void ScriptObject::off(const QJSValue& event, const QJSValue& handler) {
    try {
        Off(event, handler);
    } catch (const ScriptError& error) {
        m_Bridge.Throw(error);
    }
}

void ScriptObject::On(const QJSValue&, const QJSValue&) {
    throw ScriptError{errors::kUnknownMember, MessageOf(errors::kUnknownMember), SourceOf(QStringLiteral("on"))};
}

void ScriptObject::Off(const QJSValue&, const QJSValue&) {
    throw ScriptError{errors::kUnknownMember, MessageOf(errors::kUnknownMember), SourceOf(QStringLiteral("off"))};
}

// ---- controls ---------------------------------------------------------------------------------

ControlObject::ControlObject(Bridge& bridge, ScriptForm& form, Control& control)
    : ScriptObject(bridge), m_Form(form), m_Control(control) {}

QString ControlObject::Reference() const { return m_Form.Reference(m_Control); }

QString ControlObject::Describe() const {
    return QStringLiteral("[%1 %2]").arg(m_Form.ClassName(m_Control), Reference());
}

QString ControlObject::SourceOf(const QString& name) const { return Reference() + QLatin1Char('.') + name; }

void ControlObject::Fail(std::int32_t number, const QString& name) const {
    throw ScriptError{number, MessageOf(number), SourceOf(name)};
}

std::int32_t ControlObject::DispatchId(const QString& name, const QString& source) const {
    std::int32_t dispid = 0;
    if (const std::int32_t error = m_Control.GetIDOfName(View(name), dispid)) Fail(error, source);
    return dispid;
}

MemberKind ControlObject::Kind(const QString& name) {
    std::int32_t dispid = 0;
    if (m_Control.GetIDOfName(View(name), dispid) != errors::kNone) return MemberKind::Unknown;
    const typelib::Member* member = m_Control.GetTypeInfo().FindMember(dispid);
    return member && member->IsMethod() ? MemberKind::Method : MemberKind::Property;
}

QJSValue ControlObject::Get(const QString& name) {
    const std::int32_t dispid = DispatchId(name, name);
    Variant result;
    if (const std::int32_t error = m_Control.Invoke(dispid, InvokeKind::PropertyGet, {}, result)) Fail(error, name);
    return m_Bridge.FromVariant(result);
}

void ControlObject::Set(const QString& name, const QJSValue& value) {
    const std::int32_t dispid = DispatchId(name, name);
    std::optional<Variant> v = m_Bridge.ToVariant(value, false);
    if (!v) Fail(errors::kTypeMismatch, name);
    // an object is stored itself, as a script's Set does
    const Variant::Type type = v->type();
    const bool object = type == Variant::Type::Font || type == Variant::Type::Picture ||
                        type == Variant::Type::DataObject;
    Variant ignored;
    if (const std::int32_t error = m_Control.Invoke(
            dispid, object ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut, std::span<Variant>(&*v, 1), ignored))
        Fail(error, name);
}

QJSValue ControlObject::Call(const QString& name, const Arguments& arguments) {
    const std::int32_t dispid = DispatchId(name, name);
    std::vector<Variant> args;
    for (int i = 0; i < arguments.size(); ++i) {
        std::optional<Variant> v = m_Bridge.ToVariant(arguments.At(i), true);
        if (!v) Fail(errors::kTypeMismatch, name);
        args.push_back(std::move(*v));
    }
    Variant result;
    if (const std::int32_t error = m_Control.Invoke(dispid, InvokeKind::Method, args, result)) Fail(error, name);
    return m_Bridge.FromVariant(result);
}

std::int32_t ControlObject::EventId(const QJSValue& event) const {
    if (!event.isString())
        throw ScriptError{errors::kTypeMismatch, MessageOf(errors::kTypeMismatch) + QStringLiteral(": the event is named by a text"),
                          SourceOf(QStringLiteral("on"))};
    const typelib::Event* found = m_Control.GetTypeInfo().FindEvent(View(event.toString()));
    if (!found)
        throw ScriptError{errors::kUnknownMember,
                          MessageOf(errors::kUnknownMember) +
                              QStringLiteral(": %1 raises no event \"%2\"").arg(Reference(), event.toString().left(80)),
                          SourceOf(QStringLiteral("on"))};
    return found->dispid;
}

void ControlObject::On(const QJSValue& event, const QJSValue& handler) {
    const std::int32_t dispid = EventId(event);
    if (!handler.isCallable())
        throw ScriptError{errors::kTypeMismatch, MessageOf(errors::kTypeMismatch) + QStringLiteral(": a handler is a function"),
                          SourceOf(QStringLiteral("on"))};
    m_Handlers.emplace_back(dispid, handler);
}

void ControlObject::Off(const QJSValue& event, const QJSValue& handler) {
    if (event.isUndefined()) {
        m_Handlers.clear();
        return;
    }
    const std::int32_t dispid = EventId(event);
    std::erase_if(m_Handlers, [&](const auto& h) {
        return h.first == dispid && (handler.isUndefined() || h.second.strictlyEquals(handler));
    });
}

std::int32_t ControlObject::Raise(std::int32_t dispid, std::span<Variant> args) {
    if (m_Bridge.Stopping()) return errors::kNone;
    std::vector<QJSValue> handlers;
    for (const auto& [id, handler] : m_Handlers)
        if (id == dispid) handlers.push_back(handler);
    if (handlers.empty()) return errors::kNone;
    const typelib::Event* event = m_Control.GetTypeInfo().FindEvent(dispid);
    const QString eventName = event ? FromU16(event->name) : QString::number(dispid);
    const QString who = QStringLiteral("the %1 handler of %2").arg(eventName, Reference());

    int& depth = m_Bridge.handlerDepth();
    if (depth >= kMaxHandlerDepth) {
        m_Bridge.Warn(QStringLiteral("%1 was not run: handlers are nested %2 deep; the control takes it as error %3")
                          .arg(who)
                          .arg(kMaxHandlerDepth)
                          .arg(errors::kOutOfStackSpace));
        return errors::kOutOfStackSpace;
    }
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
        Depth(const Depth&) = delete;
        Depth& operator=(const Depth&) = delete;
    } nested(depth);

    // the arguments, by reference: one object whose fields the handlers change
    const std::size_t count = event ? std::min(args.size(), event->args.size()) : 0;
    QJSValue e = m_Bridge.engine().newObject();
    std::vector<QJSValue> given;
    for (std::size_t i = 0; i < count; ++i) {
        given.push_back(m_Bridge.FromVariant(args[i]));
        e.setProperty(FromU16(event->args[i].name), given.back());
    }

    std::int32_t error = errors::kNone;
    const QJSValue self = m_Bridge.ControlValue(&m_Control);
    for (const QJSValue& handler : handlers) {
        const std::optional<Bridge::Thrown> thrown = m_Bridge.RunHandler(handler, self, e);
        if (m_Bridge.Stopping()) return errors::kNone;
        if (thrown) {
            error = thrown->number != 0 ? thrown->number : errors::kInvalidArgument;
            m_Bridge.Warn(QStringLiteral("%1%2 failed: %3; the control takes it as error %4")
                              .arg(thrown->location.isEmpty() ? QString() : thrown->location + QStringLiteral(": "),
                                   who, thrown->text)
                              .arg(error));
            break;
        }
    }

    // what the handlers left, read back in the argument's own type
    for (std::size_t i = 0; i < count; ++i) {
        const typelib::EventArg& arg = event->args[i];
        const QString field = FromU16(arg.name);
        const QJSValue now = e.property(field);
        if (now.strictlyEquals(given[i])) continue;
        const std::optional<Variant> v = m_Bridge.ToVariant(now, false);
        std::optional<Variant> typed;
        if (v) {
            switch (arg.type) {
            case typelib::ValueType::Int16:
                if (auto n = ToInt16(*v)) typed = Variant(*n);
                break;
            case typelib::ValueType::Int32:
            case typelib::ValueType::Colour:
            case typelib::ValueType::Enum:
                if (auto n = ToInt32(*v)) typed = Variant(*n);
                break;
            case typelib::ValueType::Single:
                if (auto n = ToSingle(*v)) typed = Variant(*n);
                break;
            case typelib::ValueType::Bool:
                if (auto b = ToBool(*v)) typed = Variant(BoolValue{*b});
                break;
            case typelib::ValueType::DataObject:
                if (auto d = ToDataObject(*v)) typed = Variant(*d);
                break;
            default: typed = *v; break;
            }
        }
        if (typed) {
            args[i] = std::move(*typed);
            continue;
        }
        const std::int32_t refused = v && v->IsNumeric() ? errors::kOverflow : errors::kTypeMismatch;
        if (error == errors::kNone) error = refused;
        m_Bridge.Warn(QStringLiteral("%1 left %2 = %3, which is no %4 (error %5); it keeps its value")
                          .arg(who, field, now.toString().left(80), FromU16(typelib::TypeName(arg.type)))
                          .arg(refused));
    }
    return error;
}

// ---- forms --------------------------------------------------------------------------------------

FormObject::FormObject(Bridge& bridge, ScriptForm& form, QString name)
    : ScriptObject(bridge), m_Form(form), m_Name(std::move(name)) {}

QString FormObject::Describe() const { return QStringLiteral("[form %1]").arg(m_Name); }

MemberKind FormObject::Kind(const QString& name) {
    static const QStringList methods{QStringLiteral("add"), QStringLiteral("control"), QStringLiteral("controls"),
                                     QStringLiteral("save")};
    if (methods.contains(name)) return MemberKind::Method;
    if (name == QLatin1String("name") || name == QLatin1String("problems") || name == QLatin1String("focus"))
        return MemberKind::Property;
    return MemberKind::Unknown;
}

QJSValue FormObject::Get(const QString& name) {
    if (name == QLatin1String("name")) return m_Name;
    if (name == QLatin1String("focus")) return m_Bridge.ControlValue(m_Form.FocusControl());
    const QStringList problems = m_Form.Problems();
    QJSValue list = m_Bridge.engine().newArray(static_cast<uint>(problems.size()));
    for (int i = 0; i < problems.size(); ++i) list.setProperty(static_cast<quint32>(i), problems[i]);
    return list;
}

void FormObject::Set(const QString& name, const QJSValue&) {
    throw ScriptError{Kind(name) == MemberKind::Unknown ? errors::kUnknownMember : errors::kReadOnlyProperty,
                      MessageOf(Kind(name) == MemberKind::Unknown ? errors::kUnknownMember : errors::kReadOnlyProperty),
                      SourceOf(name)};
}

QJSValue FormObject::Call(const QString& name, const Arguments& a) {
    if (name == QLatin1String("add")) {
        a.Count(2, 3);
        host::FormControl record;
        record.className = a.Text(0);
        record.name = a.Text(1);
        record.width = 100;
        record.height = 30;
        record.tabIndex = static_cast<int>(m_Form.Controls().size());
        if (a.Has(2)) {
            const QJSValue options = a.At(2);
            if (!options.isObject() || options.isArray() || m_Bridge.Unwrap(options))
                a.Fail(errors::kTypeMismatch, QStringLiteral("the third argument of form.add is an object of options"));
            QJSValueIterator it(options);
            while (it.hasNext()) {
                it.next();
                const QString key = it.name();
                const QJSValue v = it.value();
                const auto whole = [&](int min, int max) {
                    if (!v.isNumber() || v.toNumber() != std::floor(v.toNumber()) || v.toNumber() < min || v.toNumber() > max)
                        a.Fail(errors::kInvalidArgument,
                               QStringLiteral("%1 is a whole number from %2 to %3").arg(key).arg(min).arg(max));
                    return static_cast<int>(v.toNumber());
                };
                if (key == QLatin1String("left")) record.left = whole(-host::limits::kMaxPosition, host::limits::kMaxPosition);
                else if (key == QLatin1String("top")) record.top = whole(-host::limits::kMaxPosition, host::limits::kMaxPosition);
                else if (key == QLatin1String("width")) record.width = whole(0, host::limits::kMaxControlSize);
                else if (key == QLatin1String("height")) record.height = whole(0, host::limits::kMaxControlSize);
                else if (key == QLatin1String("index")) record.index = whole(0, host::limits::kMaxIndex);
                else if (key == QLatin1String("parent") && v.isString()) record.parent = v.toString();
                else if (key == QLatin1String("visible") && v.isBool()) record.visible = v.toBool();
                else if (key == QLatin1String("toolTipText") && v.isString()) record.toolTipText = v.toString();
                else
                    a.Fail(errors::kInvalidArgument,
                           QStringLiteral("\"%1\" is not an option of form.add (left, top, width, height, index, "
                                          "parent, visible, toolTipText), or not of its kind")
                               .arg(key.left(80)));
            }
        }
        const std::int64_t pixels = std::int64_t{record.width} * record.height;
        m_Bridge.Reserve(pixels, a.source());
        host::FormError error;
        std::int32_t number = errors::kNone;
        Control* control = m_Form.Add(std::move(record), &error, &number);
        if (!control) m_Bridge.Release(pixels);
        if (!control) a.Fail(number, QStringLiteral("%1: %2").arg(error.location, error.message));
        return m_Bridge.ControlValue(control);
    }
    if (name == QLatin1String("control")) {
        a.Count(1, 2);
        const QString reference =
            a.Has(1) ? QStringLiteral("%1(%2)").arg(a.Text(0)).arg(a.Int32(1)) : a.Text(0);
        return m_Bridge.ControlValue(m_Form.Find(reference));
    }
    if (name == QLatin1String("controls")) {
        a.Count(0, 0);
        const std::vector<Control*> controls = m_Form.Controls();
        QJSValue list = m_Bridge.engine().newArray(static_cast<uint>(controls.size()));
        for (std::size_t i = 0; i < controls.size(); ++i)
            list.setProperty(static_cast<quint32>(i), m_Bridge.ControlValue(controls[i]));
        return list;
    }
    // save
    a.Count(1, 1);
    const QString given = a.Text(0);
    const QString path = m_Bridge.paths().Resolve(given, a.source());
    QString problem;
    if (!host::WriteFormFile(m_Form.Save(), path, &problem))
        a.Fail(hosterrors::kPathAccess, QStringLiteral("\"%1\" cannot be written (%2)").arg(given, problem));
    return {};
}

// ---- fonts ---------------------------------------------------------------------------------------

namespace {
constexpr std::u16string_view kFontMembers[] = {u"Name",      u"Size",          u"Bold",   u"Italic",
                                                u"Underline", u"Strikethrough", u"Charset"};
constexpr std::u16string_view kPictureMembers[] = {u"Type", u"Width", u"Height"};
constexpr std::u16string_view kDataMembers[] = {u"GetFormat", u"GetData", u"SetData", u"Clear"};
}  // namespace

FontObject::FontObject(Bridge& bridge, FontRef font) : ScriptObject(bridge), m_Font(std::move(font)) {}

QString FontObject::Describe() const {
    return QStringLiteral("[Font %1 %2]").arg(FromU16(m_Font->Name())).arg(m_Font->Size());
}

MemberKind FontObject::Kind(const QString& name) {
    return FindName(name, kFontMembers).empty() ? MemberKind::Unknown : MemberKind::Property;
}

QJSValue FontObject::Get(const QString& name) {
    const std::u16string_view member = FindName(name, kFontMembers);
    if (member == u"Name") return FromU16(m_Font->Name());
    if (member == u"Size") return m_Font->Size();
    if (member == u"Bold") return m_Font->Bold();
    if (member == u"Italic") return m_Font->Italic();
    if (member == u"Underline") return m_Font->Underline();
    if (member == u"Strikethrough") return m_Font->Strikethrough();
    return m_Font->Charset();
}

void FontObject::Set(const QString& name, const QJSValue& value) {
    const std::u16string_view member = FindName(name, kFontMembers);
    const auto fail = [&](std::int32_t number) {
        throw ScriptError{number, MessageOf(number), SourceOf(FromU16(member.empty() ? View(name) : member))};
    };
    if (member.empty()) fail(errors::kUnknownMember);
    const std::optional<Variant> v = m_Bridge.ToVariant(value, false);
    if (!v) fail(errors::kTypeMismatch);
    if (member == u"Name") {
        const auto text = ToString(*v);
        if (!text) fail(errors::kTypeMismatch);
        if (text->empty() || text->size() > static_cast<std::size_t>(host::limits::kMaxFontNameLength) ||
            text->find(u'\0') != std::u16string::npos)
            fail(errors::kInvalidPropertyValue);
        m_Font->SetName(*text);
    } else if (member == u"Size") {
        const auto size = ToDouble(*v);
        if (!size) fail(errors::kTypeMismatch);
        if (!(*size >= host::limits::kMinFontPoints && *size <= host::limits::kMaxFontPoints))
            fail(errors::kInvalidPropertyValue);
        m_Font->SetSize(*size);
    } else if (member == u"Charset") {
        const auto charset = ToInt16(*v);
        if (!charset) fail(errors::kTypeMismatch);
        if (*charset < 0 || *charset > 255) fail(errors::kInvalidPropertyValue);
        m_Font->SetCharset(*charset);
    } else {
        const auto flag = ToBool(*v);
        if (!flag) fail(errors::kTypeMismatch);
        const bool on = *flag != kFalse;
        if (member == u"Bold") m_Font->SetBold(on);
        else if (member == u"Italic") m_Font->SetItalic(on);
        else if (member == u"Underline") m_Font->SetUnderline(on);
        else m_Font->SetStrikethrough(on);
    }
}

QJSValue FontObject::Call(const QString& name, const Arguments&) {
    throw ScriptError{errors::kUnknownMember, MessageOf(errors::kUnknownMember), SourceOf(name)};
}

// ---- pictures ------------------------------------------------------------------------------------

PictureObject::PictureObject(Bridge& bridge, PictureRef picture)
    : ScriptObject(bridge), m_Picture(std::move(picture)) {}

QString PictureObject::Describe() const {
    return QStringLiteral("[Picture %1 %2x%3]")
        .arg(static_cast<int>(m_Picture->type))
        .arg(m_Picture->widthHimetric)
        .arg(m_Picture->heightHimetric);
}

MemberKind PictureObject::Kind(const QString& name) {
    return FindName(name, kPictureMembers).empty() ? MemberKind::Unknown : MemberKind::Property;
}

QJSValue PictureObject::Get(const QString& name) {
    const std::u16string_view member = FindName(name, kPictureMembers);
    if (member == u"Type") return static_cast<int>(m_Picture->type);
    if (member == u"Width") return m_Picture->widthHimetric;
    return m_Picture->heightHimetric;
}

void PictureObject::Set(const QString& name, const QJSValue&) {
    const std::int32_t number = Kind(name) == MemberKind::Unknown ? errors::kUnknownMember : errors::kReadOnlyProperty;
    throw ScriptError{number, MessageOf(number), SourceOf(name)};
}

QJSValue PictureObject::Call(const QString& name, const Arguments&) {
    throw ScriptError{errors::kUnknownMember, MessageOf(errors::kUnknownMember), SourceOf(name)};
}

// ---- drag data -----------------------------------------------------------------------------------

DataObjectObject::DataObjectObject(Bridge& bridge, DataObjectRef data) : ScriptObject(bridge), m_Data(std::move(data)) {}

MemberKind DataObjectObject::Kind(const QString& name) {
    return FindName(name, kDataMembers).empty() ? MemberKind::Unknown : MemberKind::Method;
}

QJSValue DataObjectObject::Get(const QString& name) {
    throw ScriptError{errors::kUnknownMember, MessageOf(errors::kUnknownMember), SourceOf(name)};
}

void DataObjectObject::Set(const QString& name, const QJSValue&) {
    throw ScriptError{errors::kUnknownMember, MessageOf(errors::kUnknownMember), SourceOf(name)};
}

QJSValue DataObjectObject::Call(const QString& name, const Arguments& a) {
    const std::u16string_view member = FindName(name, kDataMembers);
    if (member == u"GetFormat") {
        a.Count(1, 1);
        return m_Data->HasFormat(a.Int32(0));
    }
    if (member == u"GetData") {
        a.Count(1, 1);
        const std::optional<DataValue> data = m_Data->GetData(a.Int32(0));
        if (!data) return QJSValue(QJSValue::NullValue);
        if (const auto* text = std::get_if<std::u16string>(&*data)) return FromU16(*text);
        QJSValue list = m_Bridge.engine().newArray();
        quint32 i = 0;
        if (const auto* files = std::get_if<std::vector<std::u16string>>(&*data))
            for (const std::u16string& file : *files) list.setProperty(i++, FromU16(file));
        if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&*data))
            for (std::uint8_t byte : *bytes) list.setProperty(i++, byte);
        return list;
    }
    if (member == u"SetData") {
        a.Count(1, 2);
        const std::int32_t format = a.Has(1) ? a.Int32(1) : DataFormat::Text;
        const QJSValue v = a.At(0);
        DataValue value;
        if (v.isString()) {
            value = v.toString().toStdU16String();
        } else if (v.isArray()) {
            const int length = v.property(QStringLiteral("length")).toInt();
            std::vector<std::u16string> files;
            std::vector<std::uint8_t> bytes;
            for (int i = 0; i < length; ++i) {
                const QJSValue item = v.property(static_cast<quint32>(i));
                if (item.isString()) files.push_back(item.toString().toStdU16String());
                else if (item.isNumber() && item.toInt() >= 0 && item.toInt() <= 255 && item.toNumber() == item.toInt())
                    bytes.push_back(static_cast<std::uint8_t>(item.toInt()));
                else a.Fail(errors::kTypeMismatch, QStringLiteral("an array of data holds texts (files) or bytes"));
            }
            if (!files.empty() && !bytes.empty()) a.Fail(errors::kTypeMismatch, QStringLiteral("texts and bytes are not mixed"));
            if (bytes.empty()) value = std::move(files);
            else value = std::move(bytes);
        } else {
            a.Fail(errors::kTypeMismatch, QStringLiteral("data is a text or an array"));
        }
        if (!m_Data->SetData(format, std::move(value)))
            a.Fail(errors::kTypeMismatch, QStringLiteral("the data does not suit format %1").arg(format));
        return {};
    }
    a.Count(0, 0);
    m_Data->Clear();
    return {};
}

}  // namespace vemmix::script
