// The generic automation entry point of the button: names to dispatch
// identifiers through the type library, and Invoke, which binds each
// identifier to the typed API through one table. Every accessor here only
// converts arguments and results; what a property does is the typed setter's
// business, so the typed API and the dispatch path cannot drift apart.
//
// Invoke kinds, as a late-binding caller uses them:
//   property get        no arguments; a Method call of a property is a get too
//                       (`x = b.Caption()`)
//   property put (let)  one argument, converted with the automation rules;
//                       for Font and Picture properties an object or Empty is
//                       taken as a by-reference put, since a script assigns
//                       objects without a separate Set; any other value: 13
//   put by reference    one argument, Font and Picture properties only (438
//                       for the others: they have no such accessor)
//   method              no arguments; a PropertyGet of a method calls it too
//
// Errors: unknown identifier or accessor 438, wrong argument count 450 (a
// missing optional argument counts as one argument too many),
// a value of the wrong kind 13, a number out of range 6, a string longer
// than the conversion limit 380, a put of hwnd 383; what the typed setter
// returns (382/387 for Version and Value, the window's error for window-held
// properties, 28 for events nested too deep) passes through unchanged.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <type_traits>

#include "base/Rounding.h"
#include "control/TypeLibrary.h"
#include "control/Zorvane.h"

namespace vemmix {

namespace {

using typelib::ValueType;

// A colour is a 32-bit pattern: negative Longs (system colours) and the
// unsigned values 0 .. 0xFFFFFFFF (as a script writes 0x80000012) are both
// accepted.
std::optional<OleColor> ToColour(const Variant& v) {
    if (const auto asLong = ToInt32(v)) return *asLong;
    const auto d = ToDouble(v);
    if (!d || std::isnan(*d)) return std::nullopt;
    const double r = RoundHalfEven(*d);
    if (r < 0 || r > 4294967295.0) return std::nullopt;
    return static_cast<OleColor>(static_cast<std::uint32_t>(r));
}

// Conversion between a value type and its C++ type on the typed API.
template <ValueType T> struct Conv;
template <> struct Conv<ValueType::Colour> {
    static std::optional<OleColor> From(const Variant& v) { return ToColour(v); }
    static Variant To(OleColor c) { return Variant(static_cast<std::int32_t>(c)); }
};
template <> struct Conv<ValueType::Int16> {
    static std::optional<std::int16_t> From(const Variant& v) { return ToInt16(v); }
    static Variant To(std::int16_t i) { return Variant(i); }
};
template <> struct Conv<ValueType::Int32> {
    static std::optional<std::int32_t> From(const Variant& v) { return ToInt32(v); }
    static Variant To(std::int32_t i) { return Variant(i); }
};
template <> struct Conv<ValueType::Enum> : Conv<ValueType::Int32> {};
template <> struct Conv<ValueType::Bool> {
    static std::optional<VBool> From(const Variant& v) { return ToBool(v); }
    static Variant To(VBool b) { return Variant(BoolValue{b}); }
};
template <> struct Conv<ValueType::String> {
    static std::optional<std::u16string> From(const Variant& v) { return ToString(v); }
    static Variant To(const std::u16string& s) { return Variant(s); }
};
template <> struct Conv<ValueType::Font> {
    static std::optional<FontRef> From(const Variant& v) { return ToFont(v); }
    static Variant To(FontRef f) { return Variant(std::move(f)); }
};
template <> struct Conv<ValueType::Picture> {
    static std::optional<PictureRef> From(const Variant& v) { return ToPicture(v); }
    static Variant To(PictureRef p) { return Variant(std::move(p)); }
};

constexpr bool IsNumber(ValueType t) {
    return t == ValueType::Colour || t == ValueType::Int16 || t == ValueType::Int32 ||
           t == ValueType::Enum || t == ValueType::Bool;
}

// Why an argument did not convert to `type`.
std::int32_t ConversionError(ValueType type, const Variant& v) {
    if (const auto* s = v.get_if<std::u16string>(); s && s->size() > kMaxStringLength)
        return errors::kInvalidPropertyValue;
    if (IsNumber(type) && ToDouble(v)) return errors::kOverflow;
    return errors::kTypeMismatch;
}

// Calls a typed setter or method; those that cannot fail return void.
template <class Call>
std::int32_t Status(Call&& call) {
    if constexpr (std::is_void_v<decltype(call())>) {
        call();
        return errors::kNone;
    } else {
        return call();
    }
}

// The accessors of one member, bound to the typed API. `access` says
// which of the pointers are set (kept apart so a compile-time check can read
// it: comparing function addresses is not a constant expression everywhere).
struct Binding {
    ValueType type = ValueType::Void;
    typelib::Access access = typelib::Access::Method;
    Variant (*get)(const Zorvane&) = nullptr;
    std::int32_t (*put)(Zorvane&, const Variant&) = nullptr;
    std::int32_t (*call)(Zorvane&) = nullptr;
};

template <ValueType T, auto Getter>
Variant Get(const Zorvane& z) {
    return Conv<T>::To((z.*Getter)());
}

template <ValueType T, auto Setter>
std::int32_t Put(Zorvane& z, const Variant& v) {
    auto value = Conv<T>::From(v);
    if (!value) return ConversionError(T, v);
    return Status([&] { return (z.*Setter)(std::move(*value)); });
}

template <auto Fn>
std::int32_t Call(Zorvane& z) {
    return Status([&] { return (z.*Fn)(); });
}

template <ValueType T, auto Getter, auto Setter>
constexpr Binding Property() {
    constexpr bool object = T == ValueType::Font || T == ValueType::Picture;
    return {T, object ? typelib::Access::GetPutRef : typelib::Access::GetPut, &Get<T, Getter>,
            &Put<T, Setter>, nullptr};
}
template <ValueType T, auto Getter>
constexpr Binding GetOnly() {
    return {T, typelib::Access::Get, &Get<T, Getter>, nullptr, nullptr};
}
template <auto Fn>
constexpr Binding Method() {
    return {ValueType::Void, typelib::Access::Method, nullptr, nullptr, &Call<Fn>};
}

struct DispatchEntry {
    std::u16string_view name;
    Binding binding;
};

namespace rows {
using enum ValueType;
using Z = Zorvane;

// One row per member of _Zorvane, in interface order (the type library's).
// clang-format off
constexpr std::array<DispatchEntry, 70> kDispatch = {{
    {u"BackColor",             Property<Colour, &Z::BackColor, &Z::SetBackColor>()},
    {u"ForeColor",             Property<Colour, &Z::ForeColor, &Z::SetForeColor>()},
    {u"Enabled",               Property<Bool,   &Z::Enabled, &Z::SetEnabled>()},
    {u"Font",                  Property<Font,   &Z::Font, &Z::SetFont>()},
    {u"Refresh",               Method<&Z::Refresh>()},
    {u"Appearance",            Property<Enum,   &Z::Appearance, &Z::SetAppearance>()},
    {u"DefaultThemes",         Property<Enum,   &Z::DefaultThemes, &Z::SetDefaultThemes>()},
    {u"hwnd",                  GetOnly<Int32, &Z::hWnd>()},
    {u"MaskColor",             Property<Colour, &Z::MaskColor, &Z::SetMaskColor>()},
    {u"MouseIcon",             Property<Picture,&Z::MouseIcon, &Z::SetMouseIcon>()},
    {u"MousePointer",          Property<Int16,  &Z::MousePointer, &Z::SetMousePointer>()},
    {u"Picture",               Property<Picture,&Z::Picture, &Z::SetPicture>()},
    {u"RightToLeft",           Property<Bool,   &Z::RightToLeft, &Z::SetRightToLeft>()},
    {u"AppearanceMode",        Property<Enum,   &Z::AppearanceMode, &Z::SetAppearanceMode>()},
    {u"AppearanceThemes",      Property<Enum,   &Z::AppearanceThemes, &Z::SetAppearanceThemes>()},
    {u"BackColorDown",         Property<Colour, &Z::BackColorDown, &Z::SetBackColorDown>()},
    {u"BackColorOver",         Property<Colour, &Z::BackColorOver, &Z::SetBackColorOver>()},
    {u"BackColorFocus",        Property<Colour, &Z::BackColorFocus, &Z::SetBackColorFocus>()},
    {u"BackColorDisabled",     Property<Colour, &Z::BackColorDisabled, &Z::SetBackColorDisabled>()},
    {u"BorderColor",           Property<Colour, &Z::BorderColor, &Z::SetBorderColor>()},
    {u"BorderDrawEvent",       Property<Enum,   &Z::BorderDrawEvent, &Z::SetBorderDrawEvent>()},
    {u"BorderWidth",           Property<Int16,  &Z::BorderWidth, &Z::SetBorderWidth>()},
    {u"TransparentColor",      Property<Colour, &Z::TransparentColor, &Z::SetTransparentColor>()},
    {u"Caption",               Property<String, &Z::Caption, &Z::SetCaption>()},
    {u"CaptionAlignment",      Property<Enum,   &Z::CaptionAlignment, &Z::SetCaptionAlignment>()},
    {u"CaptionEffect",         Property<Enum,   &Z::CaptionEffect, &Z::SetCaptionEffect>()},
    {u"CaptionEffectEvent",    Property<Enum,   &Z::CaptionEffectEvent, &Z::SetCaptionEffectEvent>()},
    {u"CaptionOffsetX",        Property<Int16,  &Z::CaptionOffsetX, &Z::SetCaptionOffsetX>()},
    {u"CaptionOffsetY",        Property<Int16,  &Z::CaptionOffsetY, &Z::SetCaptionOffsetY>()},
    {u"CaptionPosition",       Property<Enum,   &Z::CaptionPosition, &Z::SetCaptionPosition>()},
    {u"Depth",                 Property<Int16,  &Z::Depth, &Z::SetDepth>()},
    {u"DepthMode",             Property<Enum,   &Z::DepthMode, &Z::SetDepthMode>()},
    {u"DepthEvent",            Property<Enum,   &Z::DepthEvent, &Z::SetDepthEvent>()},
    {u"DropDownWidth",         Property<Int32,  &Z::DropDownWidth, &Z::SetDropDownWidth>()},
    {u"ForeColorDisabled",     Property<Colour, &Z::ForeColorDisabled, &Z::SetForeColorDisabled>()},
    {u"ForeColorOver",         Property<Colour, &Z::ForeColorOver, &Z::SetForeColorOver>()},
    {u"ForeColorFocus",        Property<Colour, &Z::ForeColorFocus, &Z::SetForeColorFocus>()},
    {u"ForeColorDown",         Property<Colour, &Z::ForeColorDown, &Z::SetForeColorDown>()},
    {u"PictureAlignment",      Property<Enum,   &Z::PictureAlignment, &Z::SetPictureAlignment>()},
    {u"PictureDisabled",       Property<Picture,&Z::PictureDisabled, &Z::SetPictureDisabled>()},
    {u"PictureDown",           Property<Picture,&Z::PictureDown, &Z::SetPictureDown>()},
    {u"PictureFocus",          Property<Picture,&Z::PictureFocus, &Z::SetPictureFocus>()},
    {u"PictureOffsetX",        Property<Int16,  &Z::PictureOffsetX, &Z::SetPictureOffsetX>()},
    {u"PictureOffsetY",        Property<Int16,  &Z::PictureOffsetY, &Z::SetPictureOffsetY>()},
    {u"PictureStretch",        Property<Bool,   &Z::PictureStretch, &Z::SetPictureStretch>()},
    {u"PictureOver",           Property<Picture,&Z::PictureOver, &Z::SetPictureOver>()},
    {u"PictureDisabledEffect", Property<Enum,   &Z::PictureDisabledEffect, &Z::SetPictureDisabledEffect>()},
    {u"PictureFocusEffect",    Property<Enum,   &Z::PictureFocusEffect, &Z::SetPictureFocusEffect>()},
    {u"PictureDownEffect",     Property<Enum,   &Z::PictureDownEffect, &Z::SetPictureDownEffect>()},
    {u"PictureOverEffect",     Property<Enum,   &Z::PictureOverEffect, &Z::SetPictureOverEffect>()},
    {u"DropDownPicture",       Property<Picture,&Z::DropDownPicture, &Z::SetDropDownPicture>()},
    {u"ShowFocus",             Property<Bool,   &Z::ShowFocus, &Z::SetShowFocus>()},
    {u"ToggleValue",           Property<Bool,   &Z::ToggleValue, &Z::SetToggleValue>()},
    {u"Version",               Property<String, &Z::Version, &Z::SetVersion>()},
    {u"ToolTipBackColor",      Property<Colour, &Z::ToolTipBackColor, &Z::SetToolTipBackColor>()},
    {u"ToolTipForeColor",      Property<Colour, &Z::ToolTipForeColor, &Z::SetToolTipForeColor>()},
    {u"ToolTipTitle",          Property<String, &Z::ToolTipTitle, &Z::SetToolTipTitle>()},
    {u"ToolTipStyle",          Property<Enum,   &Z::ToolTipStyle, &Z::SetToolTipStyle>()},
    {u"ToolTipIcon",           Property<Enum,   &Z::ToolTipIcon, &Z::SetToolTipIcon>()},
    {u"OLEDropMode",           Property<Int16,  &Z::OLEDropMode, &Z::SetOLEDropMode>()},
    {u"OLEDrag",               Method<&Z::OLEDrag>()},
    {u"OLEDragMode",           Property<Int16,  &Z::OLEDragMode, &Z::SetOLEDragMode>()},
    {u"Value",                 Property<Bool,   &Z::Value, &Z::SetValue>()},
    {u"GradientType",          Property<Enum,   &Z::GradientType, &Z::SetGradientType>()},
    {u"TextFadeToColor",       Property<Colour, &Z::TextFadeToColor, &Z::SetTextFadeToColor>()},
    {u"TextFadeCycle",         Property<Int16,  &Z::TextFadeCycle, &Z::SetTextFadeCycle>()},
    {u"TextFadeEvents",        Property<Enum,   &Z::TextFadeEvents, &Z::SetTextFadeEvents>()},
    {u"TextFadeSpeed",         Property<Int16,  &Z::TextFadeSpeed, &Z::SetTextFadeSpeed>()},
    {u"TextFade_Start",        Method<&Z::TextFade_Start>()},
    {u"TextFade_Stop",         Method<&Z::TextFade_Stop>()},
}};
// clang-format on
}  // namespace rows

using rows::kDispatch;

// Each row must be the type library's row of the same position, with the
// accessors it declares.
constexpr bool MatchesTypeLibrary() {
    if (kDispatch.size() != typelib::kMembers.size()) return false;
    for (std::size_t i = 0; i < kDispatch.size(); ++i) {
        const typelib::Member& m = typelib::kMembers[i];
        const Binding& b = kDispatch[i].binding;
        if (kDispatch[i].name != m.name || b.type != m.type || b.access != m.access)
            return false;
    }
    return true;
}
static_assert(MatchesTypeLibrary(), "dispatch table and type library disagree");

constexpr std::int32_t kDispidUnknown = -1;

}  // namespace

const typelib::TypeInfo& Zorvane::GetTypeInfo() const { return typelib::kTypeInfo; }

std::int32_t Zorvane::GetIDOfName(std::u16string_view name, std::int32_t& dispid) const {
    const typelib::Member* member = typelib::FindMember(name);
    if (!member) {
        dispid = kDispidUnknown;
        return errors::kUnknownMember;
    }
    dispid = member->dispid;
    return errors::kNone;
}

std::int32_t Zorvane::Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args,
                             Variant& result) {
    result = Variant();
    const typelib::Member* member = typelib::FindMember(dispid);
    if (!member) return errors::kUnknownMember;
    const Binding& binding = kDispatch[typelib::IndexOf(*member)].binding;
    // No member takes an optional argument: a missing one is one too many.
    if (std::any_of(args.begin(), args.end(), [](const Variant& a) { return a.IsMissing(); }))
        return errors::kWrongArgumentCount;

    if (member->IsMethod()) {
        if (kind != InvokeKind::Method && kind != InvokeKind::PropertyGet)
            return errors::kUnknownMember;
        if (!args.empty()) return errors::kWrongArgumentCount;
        return binding.call(*this);
    }

    switch (kind) {
        case InvokeKind::Method:
        case InvokeKind::PropertyGet:
            if (!args.empty()) return errors::kWrongArgumentCount;
            result = binding.get(*this);
            return errors::kNone;
        case InvokeKind::PropertyPutRef:
            if (member->access == typelib::Access::GetPut) return errors::kUnknownMember;
            [[fallthrough]];
        case InvokeKind::PropertyPut:
            if (binding.access == typelib::Access::Get) return errors::kReadOnlyProperty;
            if (args.size() != 1) return errors::kWrongArgumentCount;
            return binding.put(*this, args[0]);
    }
    return errors::kUnknownMember;
}

}  // namespace vemmix
