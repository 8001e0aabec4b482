#include <vemmix/Variant.h>

#include <array>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include <vemmix/ContainerServices.h>
#include <vemmix/StdObjects.h>

#include "base/Rounding.h"

namespace vemmix {

namespace {

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t'; }

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// "&H…" and "&O…" literals: a value that fits 16 bits is a 16-bit pattern
// (&HFFFF is -1), a larger one a 32-bit pattern (&H80000012 is a system
// colour), as the language's literals are typed.
std::optional<double> ParseRadix(std::u16string_view digits, int radix) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char16_t c : digits) {
        const int d = HexDigit(c);
        if (d < 0 || d >= radix) return std::nullopt;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    if (value <= 0xFFFFu) return static_cast<double>(static_cast<std::int16_t>(value));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// A numeric string: blanks around, an optional sign, then either a radix
// literal or decimal digits with an optional point and exponent (E or D).
// Parsing is independent of any locale.
std::optional<double> ParseNumber(std::u16string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    if (text.size() >= 2 && text[0] == u'&') {
        const char16_t r = text[1];
        if (r == u'H' || r == u'h') return ParseRadix(text.substr(2), 16);
        if (r == u'O' || r == u'o') return ParseRadix(text.substr(2), 8);
        return std::nullopt;
    }
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    // Copy into a narrow buffer, checking the shape as we go; a valid
    // number is short, a long string of digits only overflows anyway.
    std::array<char, 400> buffer{};
    std::size_t n = 0;
    std::size_t mantissaDigits = 0;
    bool point = false, exponent = false;
    std::size_t exponentDigits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (n + 1 >= buffer.size()) return std::nullopt;
        if (c >= u'0' && c <= u'9') {
            (exponent ? exponentDigits : mantissaDigits)++;
            buffer[n++] = static_cast<char>(c);
        } else if (c == u'.' && !point && !exponent) {
            point = true;
            buffer[n++] = '.';
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && !exponent &&
                   mantissaDigits > 0) {
            exponent = true;
            buffer[n++] = 'e';
            if (i + 1 < text.size() && (text[i + 1] == u'+' || text[i + 1] == u'-'))
                buffer[n++] = static_cast<char>(text[++i]);
        } else {
            return std::nullopt;
        }
    }
    if (mantissaDigits == 0 || (exponent && exponentDigits == 0)) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(buffer.data(), buffer.data() + n, value);
    if (ec != std::errc() || end != buffer.data() + n || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

const std::u16string* ConvertibleString(const Variant& v) {
    const auto* s = v.get_if<std::u16string>();
    return (s && s->size() <= kMaxStringLength) ? s : nullptr;
}

// The value of a number, a Boolean, Empty or a numeric string.
std::optional<double> NumberOf(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty: return 0.0;
        case Variant::Type::Int16: return *v.get_if<std::int16_t>();
        case Variant::Type::Int32: return *v.get_if<std::int32_t>();
        case Variant::Type::Single: return *v.get_if<float>();
        case Variant::Type::Double: return *v.get_if<double>();
        case Variant::Type::Bool: return v.get_if<BoolValue>()->value != 0 ? -1.0 : 0.0;
        case Variant::Type::String:
            if (const auto* s = ConvertibleString(v)) return ParseNumber(*s);
            return std::nullopt;
        default: return std::nullopt;
    }
}

// Rounds half to even and range-checks after rounding, so 32767.5
// overflows a 16-bit integer.
template <class Int>
std::optional<Int> RoundToInteger(std::optional<double> value) {
    if (!value) return std::nullopt;
    return RoundTo<Int>(*value);
}

template <class Ref>
std::optional<Ref> ToObject(const Variant& v) {
    if (v.IsEmpty()) return Ref{};
    if (const auto* r = v.get_if<Ref>()) return *r;
    // "No object" carries no type: a null reference of any kind is accepted.
    if (const auto* f = v.get_if<FontRef>(); f && !*f) return Ref{};
    if (const auto* p = v.get_if<PictureRef>(); p && !*p) return Ref{};
    if (const auto* d = v.get_if<DataObjectRef>(); d && !*d) return Ref{};
    return std::nullopt;
}

const void* ObjectAddress(const Variant& v) {
    if (const auto* f = v.get_if<FontRef>()) return f->get();
    if (const auto* p = v.get_if<PictureRef>()) return p->get();
    if (const auto* d = v.get_if<DataObjectRef>()) return d->get();
    return nullptr;
}

// No object, or the empty picture: what a saved set leaves out.
bool HoldsNoObject(const Variant& v) {
    if (const auto* p = v.get_if<PictureRef>(); p && *p) return (*p)->type == PictureType::None;
    return ObjectAddress(v) == nullptr;
}

bool IsObject(Variant::Type t) {
    return t == Variant::Type::Font || t == Variant::Type::Picture ||
           t == Variant::Type::DataObject;
}

// Shortest text with the significant digits of the type (15 for double,
// 7 for single), exponent written "E+20" / "E-05".
template <class Float>
std::u16string FormatFloat(Float value, int precision) {
    if (std::isnan(value)) return u"NaN";
    if (std::isinf(value)) return value < 0 ? u"-Infinity" : u"Infinity";
    if (value == 0) return u"0";  // negative zero too
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, precision);
    std::u16string text;
    if (ec != std::errc()) return text;
    for (const char* p = buffer.data(); p != end; ++p)
        text.push_back(*p == 'e' ? u'E' : static_cast<char16_t>(*p));
    return text;
}

std::u16string FormatInteger(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)ec;
    return std::u16string(buffer.data(), end);
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char16_t c) {
            return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
        };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

}  // namespace

bool Variant::IsNumeric() const {
    switch (type()) {
        case Type::Int16:
        case Type::Int32:
        case Type::Single:
        case Type::Double:
        case Type::Bool: return true;
        default: return false;
    }
}

std::optional<std::int16_t> ToInt16(const Variant& v) {
    return RoundToInteger<std::int16_t>(NumberOf(v));
}

std::optional<std::int32_t> ToInt32(const Variant& v) {
    return RoundToInteger<std::int32_t>(NumberOf(v));
}

std::optional<double> ToDouble(const Variant& v) { return NumberOf(v); }

std::optional<float> ToSingle(const Variant& v) {
    const auto d = NumberOf(v);
    if (!d) return std::nullopt;
    // Converting a finite double beyond the single range is undefined.
    if (std::isfinite(*d) && std::fabs(*d) > static_cast<double>(FLT_MAX)) return std::nullopt;
    return static_cast<float>(*d);
}

std::optional<VBool> ToBool(const Variant& v) {
    if (const auto* s = ConvertibleString(v)) {
        std::u16string_view text = *s;
        while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
        while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
        if (EqualsIgnoringCase(text, u"True")) return kTrue;
        if (EqualsIgnoringCase(text, u"False")) return kFalse;
    }
    const auto d = NumberOf(v);
    if (!d) return std::nullopt;
    return ToVBool(*d != 0.0);  // NaN is not zero: True
}

std::optional<std::u16string> ToString(const Variant& v) {
    switch (v.type()) {
        case Variant::Type::Empty: return std::u16string();
        case Variant::Type::Int16: return FormatInteger(*v.get_if<std::int16_t>());
        case Variant::Type::Int32: return FormatInteger(*v.get_if<std::int32_t>());
        case Variant::Type::Single: return FormatFloat(*v.get_if<float>(), 7);
        case Variant::Type::Double: return FormatFloat(*v.get_if<double>(), 15);
        case Variant::Type::Bool:
            return std::u16string(v.get_if<BoolValue>()->value != 0 ? u"True" : u"False");
        case Variant::Type::String:
            if (const auto* s = ConvertibleString(v)) return *s;
            return std::nullopt;
        default: return std::nullopt;
    }
}

std::optional<FontRef> ToFont(const Variant& v) { return ToObject<FontRef>(v); }
std::optional<PictureRef> ToPicture(const Variant& v) { return ToObject<PictureRef>(v); }

std::optional<DataObjectRef> ToDataObject(const Variant& v) { return ToObject<DataObjectRef>(v); }

// ---- the property bag's rule of defaults ------------------------------------------

void PropertyBag::LogError(std::u16string_view /*key*/, std::int32_t /*error*/,
                           std::u16string_view /*reason*/) {}

bool PropertyBag::MatchesDefault(const Variant& a, const Variant& b) {
    const auto ta = a.type(), tb = b.type();
    if (ta == Variant::Type::Empty || tb == Variant::Type::Empty) return ta == tb;
    if (a.IsNumeric() && b.IsNumeric()) return *NumberOf(a) == *NumberOf(b);
    if (ta == Variant::Type::String && tb == Variant::Type::String)
        return *a.get_if<std::u16string>() == *b.get_if<std::u16string>();
    // A font or a picture is saved whatever the default, the container's
    // ambient font object included; only nothing matches nothing.
    if (IsObject(ta) && IsObject(tb)) return HoldsNoObject(a) && HoldsNoObject(b);
    return false;
}

}  // namespace vemmix
