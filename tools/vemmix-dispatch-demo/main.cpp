// Drives a Zorvane the way a late-binding host does: it creates the button
// from its program identifier through the class factory, then knows it only
// by names. Every property is read, set and read again through
// GetIDOfName/Invoke, the methods are called, and the events arrive at one
// generic handler that describes them from the type library and changes a
// by-reference argument. Exit status 0 when every call answered as expected.
#include <cstdio>
#include <string>
#include <vector>

#include <vemmix/Control.h>
#include <vemmix/StdObjects.h>
#include <vemmix/TypeInfo.h>
#include <vemmix/headless/HeadlessContainer.h>

using namespace vemmix;
using typelib::ValueType;

namespace {

int g_failures = 0;
// The class's type information, as the control answers it.
const typelib::TypeInfo* g_type = nullptr;
// A line announcing a call is open when its events start printing.
bool g_lineOpen = false;

void CloseLine() {
    if (g_lineOpen) std::printf("\n");
    g_lineOpen = false;
}

std::string Utf8(std::u16string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        std::uint32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Describe(const Variant& v, ValueType hint = ValueType::Void) {
    char buffer[64];
    switch (v.type()) {
        case Variant::Type::Empty: return "Empty";
        case Variant::Type::Int16: return std::to_string(*v.get_if<std::int16_t>());
        case Variant::Type::Int32:
            if (hint == ValueType::Colour) {
                std::snprintf(buffer, sizeof buffer, "&H%08X",
                              static_cast<std::uint32_t>(*v.get_if<std::int32_t>()));
                return buffer;
            }
            return std::to_string(*v.get_if<std::int32_t>());
        case Variant::Type::Single:
            std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(*v.get_if<float>()));
            return buffer;
        case Variant::Type::Double:
            std::snprintf(buffer, sizeof buffer, "%g", *v.get_if<double>());
            return buffer;
        case Variant::Type::Bool: return v.get_if<BoolValue>()->value ? "True" : "False";
        case Variant::Type::String: return "\"" + Utf8(*v.get_if<std::u16string>()) + "\"";
        case Variant::Type::Font: {
            const FontRef& f = *v.get_if<FontRef>();
            if (!f) return "Nothing";
            std::snprintf(buffer, sizeof buffer, " %.2f%s", f->Size(), f->Bold() ? " bold" : "");
            return "Font(" + Utf8(f->Name()) + buffer + ")";
        }
        case Variant::Type::Picture: {
            const PictureRef& p = *v.get_if<PictureRef>();
            if (!p) return "Nothing";
            std::snprintf(buffer, sizeof buffer, "Picture(type %d, %d x %d HIMETRIC)",
                          static_cast<int>(p->type), p->widthHimetric, p->heightHimetric);
            return buffer;
        }
        case Variant::Type::DataObject: return *v.get_if<DataObjectRef>() ? "DataObject" : "Nothing";
        case Variant::Type::Error: return "Error " + std::to_string(v.get_if<ErrorValue>()->code);
    }
    return "?";
}

// A new value for a property of each type.
Variant NewValue(const typelib::Member& m, std::size_t index) {
    const auto n = static_cast<std::int32_t>(index);
    switch (m.type) {
        case ValueType::Colour: return Variant(std::int32_t{0x00203040 + n});
        case ValueType::Int16: return Variant(static_cast<std::int16_t>(2 + n % 4));
        case ValueType::Int32: return Variant(std::int32_t{5 + n % 3});
        case ValueType::Enum: return Variant(std::int32_t{1 + n % 2});
        case ValueType::Bool: return Variant::Boolean(true);
        case ValueType::String: return Variant(u"Late bound");
        case ValueType::Font: {
            FontDescription f;
            f.name = u"Tahoma";
            f.size = 9;
            f.bold = true;
            return Variant(MakeFont(f));
        }
        case ValueType::Picture: {
            const std::vector<std::uint32_t> pixels(16 * 16, 0x00FF8000);
            PictureRef p = MakeBitmapPicture(16, 16, pixels);
            return Variant(p ? p : MakeEmptyPicture());
        }
        default: return Variant();
    }
}

void Expect(bool ok, const std::string& what) {
    if (!ok) {
        ++g_failures;
        std::printf("  !! unexpected: %s\n", what.c_str());
    }
}

// The host's one event handler: every event, described from the type library.
std::int32_t OnEvent(std::int32_t dispid, std::span<Variant> args) {
    const typelib::Event* e = g_type->FindEvent(dispid);
    CloseLine();
    std::printf("  event %d %s(", dispid, e ? Utf8(e->name).c_str() : "?");
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool named = e && i < e->args.size();
        std::printf("%s%s As %s = %s", i ? ", " : "", named ? Utf8(e->args[i].name).c_str() : "?",
                    named ? Utf8(typelib::TypeName(e->args[i].type)).c_str() : "?",
                    Describe(args[i]).c_str());
    }
    std::printf(")\n");
    Expect(e && e->args.size() == args.size(), "event arguments differ from the type library");
    // A handler may change its by-reference arguments: make KeyAscii upper case.
    if (dispid == 4 && !args.empty()) {
        if (const auto* key = args[0].get_if<std::int16_t>(); key && *key >= 'a' && *key <= 'z') {
            const std::int16_t upper = static_cast<std::int16_t>(*key - 32);
            std::printf("    handler sets KeyAscii %d -> %d\n", *key, upper);
            args[0] = Variant(upper);
        }
    }
    return 0;
}

struct LateBound {
    Control& control;

    std::int32_t Id(std::u16string_view name) {
        std::int32_t id = 0;
        const std::int32_t error = control.GetIDOfName(name, id);
        Expect(error == 0, "GetIDOfName(" + Utf8(name) + ") gave " + std::to_string(error));
        return id;
    }
    std::int32_t Invoke(std::u16string_view name, InvokeKind kind, std::vector<Variant> args,
                        Variant& result) {
        return control.Invoke(Id(name), kind, args, result);
    }
};

}  // namespace

int main() {
    headless::HeadlessForm form;
    std::int32_t error = 0;
    headless::HeadlessSite* site =
        form.AddControl(u"Vemmix.Zorvane", u"Zorvane1", {10, 10, 130, 40}, &error);
    if (!site) {
        std::printf("cannot create Vemmix.Zorvane: error %d\n", error);
        return 1;
    }
    g_type = &site->control().GetTypeInfo();
    std::printf("created %s (class %s) by program identifier\n", Utf8(g_type->progId).c_str(),
                Utf8(ToString(g_type->classId)).c_str());
    std::int32_t unknown = 0;
    Expect(!CreateControl(u"Vemmix.Nothing", *site, &unknown) && unknown == errors::kCannotCreateObject,
           "an unknown program identifier must give 429");
    std::printf("unknown program identifier: error %d\n", unknown);

    Control& control = site->control();
    control.InitProperties();
    control.Show();
    site->onEvent = OnEvent;
    LateBound button{control};

    std::printf("\nproperties of %s, in interface order\n", Utf8(g_type->interfaceName).c_str());
    for (std::size_t i = 0; i < g_type->members.size(); ++i) {
        const typelib::Member& m = g_type->members[i];
        if (m.IsMethod()) continue;
        Variant before, after, ignored;
        Expect(button.Invoke(m.name, InvokeKind::PropertyGet, {}, before) == 0, "get " + Utf8(m.name));
        const Variant value = NewValue(m, i);
        const auto kind = m.access == typelib::Access::GetPutRef ? InvokeKind::PropertyPutRef
                                                                 : InvokeKind::PropertyPut;
        std::printf("%-22s %-10s %s -> %s %s", Utf8(m.name).c_str(),
                    Utf8(m.type == ValueType::Enum ? m.enumName : typelib::TypeName(m.type)).c_str(),
                    Describe(before, m.type).c_str(),
                    kind == InvokeKind::PropertyPutRef ? "Set" : "Let", Describe(value, m.type).c_str());
        g_lineOpen = true;
        const std::int32_t putError = button.Invoke(m.name, kind, {value}, ignored);
        Expect(button.Invoke(m.name, InvokeKind::PropertyGet, {}, after) == 0, "get " + Utf8(m.name));
        if (!g_lineOpen) std::printf("  ");  // events came in between
        g_lineOpen = false;
        if (putError) std::printf(" -> error %d", putError);
        std::printf(" -> %s\n", Describe(after, m.type).c_str());
        // Only the read-only members refuse; run time, so Version says 382.
        const std::int32_t expected = m.name == u"hwnd"      ? errors::kReadOnlyProperty
                                      : m.name == u"Version" ? errors::kNotSupportedAtRunTime
                                                             : errors::kNone;
        Expect(putError == expected, "put " + Utf8(m.name) + " gave " + std::to_string(putError));
    }

    std::printf("\nerrors a late-binding caller sees\n");
    {
        Variant r;
        const std::int32_t e1 = button.Invoke(u"BorderWidth", InvokeKind::PropertyPut, {Variant(u"wide")}, r);
        const std::int32_t e2 = button.Invoke(u"BorderWidth", InvokeKind::PropertyPut, {Variant(std::int32_t{70000})}, r);
        const std::int32_t e3 = button.Invoke(u"Refresh", InvokeKind::Method, {Variant(std::int16_t{1})}, r);
        std::int32_t id = 0;
        const std::int32_t e4 = control.GetIDOfName(u"NoSuchMember", id);
        std::printf("BorderWidth = \"wide\": %d; BorderWidth = 70000: %d; Refresh 1: %d; NoSuchMember: %d\n",
                    e1, e2, e3, e4);
        Expect(e1 == errors::kTypeMismatch && e2 == errors::kOverflow &&
                   e3 == errors::kWrongArgumentCount && e4 == errors::kUnknownMember,
               "error numbers");
    }

    std::printf("\nmethods\n");
    for (const typelib::Member& m : g_type->members) {
        if (!m.IsMethod()) continue;
        Variant r;
        std::printf("%s()", Utf8(m.name).c_str());
        g_lineOpen = true;
        const std::int32_t e = button.Invoke(m.name, InvokeKind::Method, {}, r);
        if (!g_lineOpen) std::printf(" ");
        g_lineOpen = false;
        std::printf(" -> %d\n", e);
        Expect(e == 0, "call " + Utf8(m.name));
    }

    std::printf("\nevents through the generic handler\n");
    {
        Variant r;
        std::printf("Value = True\n");
        button.Invoke(u"Value", InvokeKind::PropertyPut, {Variant::Boolean(true)}, r);
        std::int16_t key = 'a';
        std::printf("KeyPress 'a'\n");
        control.KeyPress(key);
        std::printf("  the button continued with KeyAscii %d\n", key);
        std::int16_t code = 65, shift = 0;
        std::printf("KeyDown / KeyUp\n");
        control.KeyDown(code, shift);
        control.KeyUp(code, shift);
        std::printf("pointer over the button, 30 ms\n");
        form.SetPointer(gdi::POINT{30, 20});
        control.MouseMove(0, 0, 20.0f, 10.0f);
        form.AdvanceTime(30);
        std::printf("pointer away, 30 ms\n");
        form.SetPointer(std::nullopt);
        form.AdvanceTime(30);
        std::printf("text fade of one cycle\n");
        button.Invoke(u"TextFadeCycle", InvokeKind::PropertyPut, {Variant(std::int16_t{1})}, r);
        button.Invoke(u"TextFadeSpeed", InvokeKind::PropertyPut, {Variant(std::int16_t{1})}, r);
        button.Invoke(u"TextFade_Start", InvokeKind::Method, {}, r);
        form.AdvanceTime(5000);
    }
    int events = 0;
    for (const auto& entry : form.log())
        if (entry.kind == headless::LogEntry::Kind::Event) ++events;
    std::printf("\n%d events received, %d unexpected answers\n", events, g_failures);
    Expect(events > 0, "no events arrived");
    return g_failures == 0 ? 0 : 1;
}
