// The values that cross the automation boundary, the property bag and the
// event interface: 16/32-bit integers, single and double floats, 16-bit
// Booleans, strings, objects (fonts, pictures, drag-and-drop data) and
// error values.
//
// Construction is exact: a Variant is made implicitly only from the types
// it holds. A C++ `bool` becomes the 16-bit Boolean (True -1), never a
// number; a character is refused at compile time (write a string); any
// other arithmetic type must be converted by the caller first, with
// `Variant::FromInteger` for wider or unsigned integers.
//
// For a scripting host:
//   - an object argument is a FontRef, PictureRef or DataObjectRef; a null
//     reference of any of them is "no object" (VB's Nothing) and is
//     accepted wherever an object is;
//   - a missing optional argument is `Variant::Missing()`, the error value
//     kParamNotFound, as automation passes it; a member that takes no
//     optional argument answers it with error 450;
//   - an error value (`Variant::Error`) converts to nothing: a setter given
//     one fails with type mismatch (13).
#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include <vemmix/Boolean.h>
#include <vemmix/Export.h>

namespace vemmix {

class StdFont;
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

// The error alternative (VT_ERROR): an automation status code.
struct ErrorValue {
    std::int32_t code = 0;
    friend bool operator==(ErrorValue, ErrorValue) = default;
};

// The status code of an argument the caller left out (DISP_E_PARAMNOTFOUND).
inline constexpr std::int32_t kParamNotFound = static_cast<std::int32_t>(0x80020004u);

template <class T>
concept CharacterType = std::same_as<std::remove_cv_t<T>, char> ||
                        std::same_as<std::remove_cv_t<T>, signed char> ||
                        std::same_as<std::remove_cv_t<T>, unsigned char> ||
                        std::same_as<std::remove_cv_t<T>, wchar_t> ||
                        std::same_as<std::remove_cv_t<T>, char8_t> ||
                        std::same_as<std::remove_cv_t<T>, char16_t> ||
                        std::same_as<std::remove_cv_t<T>, char32_t>;

class Variant {
public:
    enum class Type : std::uint8_t {
        Empty, Int16, Int32, Single, Double, Bool, String, Font, Picture, DataObject, Error
    };

    Variant() = default;
    Variant(std::int16_t v) : m_Value(v) {}
    Variant(std::int32_t v) : m_Value(v) {}
    Variant(float v) : m_Value(v) {}
    Variant(double v) : m_Value(v) {}
    Variant(bool v) : m_Value(BoolValue{ToVBool(v)}) {}
    Variant(BoolValue v) : m_Value(v) {}
    Variant(ErrorValue v) : m_Value(v) {}
    Variant(std::u16string v) : m_Value(std::move(v)) {}
    Variant(const char16_t* v) : m_Value(std::u16string(v)) {}
    Variant(FontRef v) : m_Value(std::move(v)) {}
    Variant(PictureRef v) : m_Value(std::move(v)) {}
    Variant(DataObjectRef v) : m_Value(std::move(v)) {}

    // A character is not a value of the automation boundary.
    template <CharacterType C>
    Variant(C) = delete;
    // Nor is an integer of another width: convert it first (FromInteger).
    template <std::integral I>
        requires(!CharacterType<I> && !std::same_as<I, bool> && !std::same_as<I, std::int16_t> &&
                 !std::same_as<I, std::int32_t>)
    Variant(I) = delete;

    // An integer of any width: a 32-bit integer when it fits, else a double
    // (exact up to 2^53), as automation widens a value that overflows Long.
    template <std::integral I>
        requires(!CharacterType<I> && !std::same_as<I, bool>)
    static Variant FromInteger(I value) {
        if (std::in_range<std::int32_t>(value)) return Variant(static_cast<std::int32_t>(value));
        return Variant(static_cast<double>(value));
    }
    static Variant Boolean(bool b) { return Variant(BoolValue{ToVBool(b)}); }
    static Variant Error(std::int32_t code) { return Variant(ErrorValue{code}); }
    static Variant Missing() { return Error(kParamNotFound); }

    Type type() const { return static_cast<Type>(m_Value.index()); }
    bool IsEmpty() const { return type() == Type::Empty; }
    bool IsMissing() const;
    VEMMIX_EXPORT bool IsNumeric() const;  // Int16, Int32, Single, Double or Bool

    template <class T> const T* get_if() const { return std::get_if<T>(&m_Value); }
    template <class T> T* get_if() { return std::get_if<T>(&m_Value); }

    // The one equality: the same kind and the same value (objects by
    // identity). Conversions between kinds are the functions below.
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, BoolValue,
                 std::u16string, FontRef, PictureRef, DataObjectRef, ErrorValue>
        m_Value;
};

inline bool Variant::IsMissing() const {
    const auto* e = get_if<ErrorValue>();
    return e && e->code == kParamNotFound;
}

// Conversions with the automation rules: numbers and numeric strings
// convert (rounded half to even), Booleans are -1/0, a value out of the
// target's range or of another kind gives nullopt (the caller then keeps
// what it had). Strings longer than kMaxStringLength never convert.
constexpr std::size_t kMaxStringLength = 65535;
VEMMIX_EXPORT std::optional<std::int16_t> ToInt16(const Variant& v);
VEMMIX_EXPORT std::optional<std::int32_t> ToInt32(const Variant& v);
VEMMIX_EXPORT std::optional<float> ToSingle(const Variant& v);
VEMMIX_EXPORT std::optional<double> ToDouble(const Variant& v);
VEMMIX_EXPORT std::optional<VBool> ToBool(const Variant& v);  // non-zero number -> True
VEMMIX_EXPORT std::optional<std::u16string> ToString(const Variant& v);
VEMMIX_EXPORT std::optional<FontRef> ToFont(const Variant& v);        // Empty -> no object
VEMMIX_EXPORT std::optional<PictureRef> ToPicture(const Variant& v);  // Empty -> no object
VEMMIX_EXPORT std::optional<DataObjectRef> ToDataObject(const Variant& v);  // Empty -> no object

}  // namespace vemmix
