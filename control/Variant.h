// The values that cross the automation boundary, the property bag and the
// event interface: 16/32-bit integers, single and double floats, 16-bit
// Booleans, strings and objects (fonts, pictures, drag-and-drop data).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "render/Boolean16.h"

namespace vemmix {

struct StdFont;
struct StdPicture;
class DataObject;
using FontRef = std::shared_ptr<StdFont>;
using PictureRef = std::shared_ptr<StdPicture>;
using DataObjectRef = std::shared_ptr<DataObject>;


// The Boolean alternative of a Variant, kept apart from a 16-bit integer.
struct BoolValue {
    VBool value = kFalse;
    friend bool operator==(BoolValue, BoolValue) = default;
};

class Variant {
public:
    enum class Type : std::uint8_t {
        Empty, Int16, Int32, Single, Double, Bool, String, Font, Picture, DataObject
    };

    Variant() = default;
    Variant(std::int16_t v) : m_Value(v) {}
    Variant(std::int32_t v) : m_Value(v) {}
    Variant(float v) : m_Value(v) {}
    Variant(double v) : m_Value(v) {}
    Variant(BoolValue v) : m_Value(v) {}
    Variant(std::u16string v) : m_Value(std::move(v)) {}
    Variant(const char16_t* v) : m_Value(std::u16string(v)) {}
    Variant(FontRef v) : m_Value(std::move(v)) {}
    Variant(PictureRef v) : m_Value(std::move(v)) {}
    Variant(DataObjectRef v) : m_Value(std::move(v)) {}

    static Variant Boolean(bool b) { return Variant(BoolValue{ToVBool(b)}); }

    Type type() const { return static_cast<Type>(m_Value.index()); }
    bool IsEmpty() const { return type() == Type::Empty; }
    bool IsNumeric() const;  // Int16, Int32, Single, Double or Bool

    template <class T> const T* get_if() const { return std::get_if<T>(&m_Value); }
    template <class T> T* get_if() { return std::get_if<T>(&m_Value); }

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, BoolValue,
                 std::u16string, FontRef, PictureRef, DataObjectRef>
        m_Value;
};

// Conversions with the automation rules: numbers and numeric strings
// convert (rounded half to even), Booleans are -1/0, a value out of the
// target's range or of another kind gives nullopt (the caller then keeps
// what it had). Strings longer than kMaxStringLength never convert.
constexpr std::size_t kMaxStringLength = 65535;
std::optional<std::int16_t> ToInt16(const Variant& v);
std::optional<std::int32_t> ToInt32(const Variant& v);
std::optional<float> ToSingle(const Variant& v);
std::optional<double> ToDouble(const Variant& v);
std::optional<VBool> ToBool(const Variant& v);          // non-zero number -> True
std::optional<std::u16string> ToString(const Variant& v);
std::optional<FontRef> ToFont(const Variant& v);        // Empty -> no object
std::optional<PictureRef> ToPicture(const Variant& v);  // Empty -> no object

// Equality for the rule of defaults: numbers by value whatever their width
// (a Boolean True equals -1), strings by their text, objects by identity.
bool ValuesEqual(const Variant& a, const Variant& b);

}  // namespace vemmix
