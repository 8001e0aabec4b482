// The three persistence notifications: InitProperties (a new button),
// ReadProperties (a saved one) and WriteProperties (saving).
//
// The 64 persisted keys live in one table below, in the order they are
// written; reading walks the same table with the two exceptions of its own
// order spelled out in ReadProperties. A value read goes straight into its
// member (no setter, so no clamp, no NUL cut, no edge colours, no effect
// pictures, no notification), except MouseIcon, which goes through its
// setter.
//
// A saved form is untrusted data: every value read is converted to the
// member's kind first and assigned whole only when it converts and passes
// the checks below; otherwise the member keeps what it had.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "base/Limits.h"
#include "base/Steps.h"
#include "base/Units.h"
#include "control/Zorvane.h"
#include <vemmix/Version.h>

namespace vemmix {
namespace {

// The kind of value a key holds in the bag.
enum class Kind : std::uint8_t { Int32, Int16, Boolean, String, Font, Picture };

// Keys whose value lives in the button's window, not in a member.
enum class WindowProperty : std::uint8_t { Enabled, MouseIcon, MousePointer, RightToLeft, OLEDropMode };

// The default passed with a key on both sides, with its own kind.
struct Default {
    enum class Source : std::uint8_t {
        Int32, Int16, Boolean, EmptyText, AmbientFont, AmbientDisplayName, NoObject
    };
    Source source;
    std::int32_t number = 0;
};
constexpr Default I32(std::int64_t v) { return {Default::Source::Int32, static_cast<std::int32_t>(v)}; }
constexpr Default I16(std::int16_t v) { return {Default::Source::Int16, v}; }
constexpr Default Bool(bool v) { return {Default::Source::Boolean, v ? -1 : 0}; }
constexpr Default kEmptyText{Default::Source::EmptyText};
constexpr Default kAmbientFont{Default::Source::AmbientFont};
constexpr Default kAmbientDisplayName{Default::Source::AmbientDisplayName};
constexpr Default kNoObject{Default::Source::NoObject};

// A colour written as the host writes it, 0x80000000 + n for system colour n.
constexpr std::int64_t Color(std::uint32_t value) { return static_cast<std::int32_t>(value); }

using Slot = std::variant<WindowProperty, std::int32_t Zorvane::*, std::int16_t Zorvane::*,
                          std::u16string Zorvane::*, FontHolder Zorvane::*, PictureRef Zorvane::*>;

struct KeyRow {
    int number;
    std::u16string_view key;
    Slot slot;
    Kind kind;
    Default defaultValue;
};

// Keys 1..60 are written before the extender's ToolTipText is given back,
// 61..64 after it.
constexpr int kLastKeyBeforeToolTipText = 60;
// Read out of table order: DefaultThemes comes right after DropDownWidth.
constexpr int kDropDownWidthKey = 33;
constexpr int kDefaultThemesKey = 28;
// Version is computed after ToggleValue has been read.
constexpr int kToggleValueKey = 51;

// ---- checks on untrusted values ---------------------------------------------
// The bounds are the library's (base/Limits.h). The empty picture (type
// None, size 0 x 0) is the one picture without a size.

bool AcceptableText(const std::u16string& text) { return text.size() <= kMaxTextLength; }

bool AcceptableFont(const FontRef& font) {
    if (!font) return true;  // no object
    const std::u16string& name = font->Name();
    if (name.empty() || name.size() > kMaxFontNameLength) return false;
    if (name.find(u'\0') != std::u16string::npos) return false;
    return std::isfinite(font->Size()) && font->Size() >= kMinFontPoints &&
           font->Size() <= kMaxFontPoints;
}

bool AcceptablePicture(const PictureRef& picture, int dpiX, int dpiY) {
    if (!picture) return true;  // no object
    const StdPicture& p = *picture;
    switch (p.type) {
    case PictureType::None: return p.widthHimetric == 0 && p.heightHimetric == 0;
    case PictureType::Bitmap:
    case PictureType::Metafile:
    case PictureType::Icon:
    case PictureType::EnhMetafile: break;
    default: return false;  // not a picture type at all
    }
    if (p.widthHimetric <= 0 || p.heightHimetric <= 0) return false;
    if (!AcceptablePixelSize(HimetricToPixels(p.widthHimetric, dpiX).value_or(0),
                             HimetricToPixels(p.heightHimetric, dpiY).value_or(0)))
        return false;
    if (p.type == PictureType::Bitmap && p.bitmap) {
        gdi::BITMAP info;
        if (gdi::GetObject(p.bitmap, &info) == 0) return false;
        if (!AcceptablePixelSize(info.bmWidth, std::abs(static_cast<std::int64_t>(info.bmHeight))))
            return false;
    }
    if (p.type == PictureType::Icon) {
        // the icon's arrays must cover its size, or drawing would read past them
        const gdi::Icon& icon = p.icon;
        if (!AcceptablePixelSize(icon.width, icon.height)) return false;
        const auto count = static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
        if (icon.pixels.size() != count) return false;
        if (!icon.hasAlpha && icon.andMask.size() != count) return false;
    }
    return true;
}

// ---- conversion of a value read ---------------------------------------------

using Converted = std::variant<std::int32_t, std::int16_t, std::u16string, FontRef, PictureRef>;

// A value converted to a key's kind, or why it could not be.
struct Conversion {
    std::optional<Converted> value;
    std::int32_t error = errors::kNone;
    std::u16string_view reason{};
};

Conversion Refused(std::int32_t error, std::u16string_view reason) { return {std::nullopt, error, reason}; }

Conversion Convert(const Variant& value, Kind kind, int dpiX, int dpiY) {
    // a number that does not fit overflows; anything else is of the wrong kind
    const std::int32_t numberError = ToDouble(value) ? errors::kOverflow : errors::kTypeMismatch;
    switch (kind) {
    case Kind::Int32:
        if (const auto v = ToInt32(value)) return {Converted(std::in_place_type<std::int32_t>, *v)};
        return Refused(numberError, u"not a 32-bit integer");
    case Kind::Int16:
        if (const auto v = ToInt16(value)) return {Converted(std::in_place_type<std::int16_t>, *v)};
        return Refused(numberError, u"not a 16-bit integer");
    case Kind::Boolean:
        if (const auto v = ToBool(value))
            return {Converted(std::in_place_type<std::int16_t>, ToVBool(*v != 0))};
        return Refused(errors::kTypeMismatch, u"not a Boolean");
    case Kind::String: {
        if (const auto* text = value.get_if<std::u16string>(); text && !AcceptableText(*text))
            return Refused(errors::kInvalidPropertyValue, u"a text longer than 65535 characters");
        auto v = ToString(value);
        if (!v) return Refused(errors::kTypeMismatch, u"not a text");
        return {Converted(std::in_place_type<std::u16string>, std::move(*v))};
    }
    case Kind::Font: {
        auto v = ToFont(value);
        if (!v) return Refused(errors::kTypeMismatch, u"not a font");
        if (!AcceptableFont(*v))
            return Refused(errors::kInvalidPropertyValue,
                           u"a font without a name of 1 to 255 characters or a size of 1 to 2048 points");
        return {Converted(std::in_place_type<FontRef>, std::move(*v))};
    }
    case Kind::Picture: {
        auto v = ToPicture(value);
        if (!v) return Refused(errors::kTypeMismatch, u"not a picture");
        if (!AcceptablePicture(*v, dpiX, dpiY))
            return Refused(errors::kInvalidPicture,
                           u"a picture without a size of 1 to 16384 pixels a side and 64 Mpixels in all");
        return {Converted(std::in_place_type<PictureRef>, std::move(*v))};
    }
    }
    return Refused(errors::kTypeMismatch, u"of no known kind");
}

// Each row's kind must fit its member: the table is checked when compiled.
template <std::size_t N>
constexpr bool TableIsConsistent(const KeyRow (&keys)[N]) {
    if (N != 64) return false;
    for (std::size_t i = 0; i < N; ++i) {
        const KeyRow& row = keys[i];
        if (row.number != static_cast<int>(i) + 1) return false;
        bool fits = false;
        switch (row.slot.index()) {
        case 0: {  // window property
            const WindowProperty w = std::get<WindowProperty>(row.slot);
            fits = (w == WindowProperty::Enabled || w == WindowProperty::RightToLeft)
                       ? row.kind == Kind::Boolean
                       : w == WindowProperty::MouseIcon ? row.kind == Kind::Picture
                                                        : row.kind == Kind::Int16;
            break;
        }
        case 1: fits = row.kind == Kind::Int32; break;
        case 2: fits = row.kind == Kind::Int16 || row.kind == Kind::Boolean; break;
        case 3: fits = row.kind == Kind::String; break;
        case 4: fits = row.kind == Kind::Font; break;
        case 5: fits = row.kind == Kind::Picture; break;
        }
        if (!fits) return false;
    }
    return true;
}

// Nothing is saved for the empty picture or no object.
bool IsNothingToSave(const PictureRef& picture) {
    return !picture || picture->type == PictureType::None;
}

}  // namespace

// The persisted keys and how each reaches its member.
class PersistedKeys {
public:
    static std::span<const KeyRow> Table() {
        using Z = Zorvane;
        using W = WindowProperty;
        using K = Kind;
        static constexpr KeyRow kKeys[] = {
            // #  key                      member / window property       kind        default
            { 1, u"BackColor",             &Z::m_BackColor,               K::Int32,   I32(0x00FFFFFF)},
            { 2, u"ForeColor",             &Z::m_ForeColor,               K::Int32,   I32(Color(0x80000012))},
            { 3, u"Enabled",               W::Enabled,                    K::Boolean, Bool(true)},
            { 4, u"Font",                  &Z::m_Font,                    K::Font,    kAmbientFont},
            { 5, u"Appearance",            &Z::m_Appearance,              K::Int32,   I32(3)},
            { 6, u"MaskColor",             &Z::m_MaskColor,               K::Int32,   I32(0x00FF00FF)},
            { 7, u"MouseIcon",             W::MouseIcon,                  K::Picture, kNoObject},
            { 8, u"MousePointer",          W::MousePointer,               K::Int16,   I16(0)},
            { 9, u"Picture",               &Z::m_Picture,                 K::Picture, kNoObject},
            {10, u"RightToLeft",           W::RightToLeft,                K::Boolean, Bool(false)},
            {11, u"AppearanceMode",        &Z::m_AppearanceMode,          K::Int32,   I32(0)},
            {12, u"AppearanceThemes",      &Z::m_AppearanceThemes,        K::Int32,   I32(0)},
            {13, u"BackColorDown",         &Z::m_BackColorDown,           K::Int32,   I32(0x00FFFFFF)},
            {14, u"BackColorOver",         &Z::m_BackColorOver,           K::Int32,   I32(0x00FFFFFF)},
            {15, u"BackColorFocus",        &Z::m_BackColorFocus,          K::Int32,   I32(0x00FFFFFF)},
            {16, u"BackColorDisabled",     &Z::m_BackColorDisabled,       K::Int32,   I32(0x00FFFFFF)},
            {17, u"BorderColor",           &Z::m_BorderColor,             K::Int32,   I32(0x00743C00)},
            {18, u"BorderDrawEvent",       &Z::m_BorderDrawEvent,         K::Int32,   I32(0)},
            {19, u"BorderWidth",           &Z::m_BorderWidth,             K::Int16,   I16(1)},
            {20, u"TransparentColor",      &Z::m_TransparentColor,        K::Int32,   I16(0)},
            {21, u"Caption",               &Z::m_Caption,                 K::String,  kAmbientDisplayName},
            {22, u"CaptionAlignment",      &Z::m_CaptionAlignment,        K::Int32,   I32(4)},
            {23, u"CaptionEffect",         &Z::m_CaptionEffect,           K::Int32,   I32(2)},
            {24, u"CaptionEffectEvent",    &Z::m_CaptionEffectEvent,      K::Int32,   I32(1)},
            {25, u"CaptionOffsetX",        &Z::m_CaptionOffsetX,          K::Int16,   I16(0)},
            {26, u"CaptionOffsetY",        &Z::m_CaptionOffsetY,          K::Int16,   I16(0)},
            {27, u"CaptionPosition",       &Z::m_CaptionPosition,         K::Int32,   I32(1)},
            {28, u"DefaultThemes",         &Z::m_DefaultThemes,           K::Int32,   I32(0)},
            {29, u"Depth",                 &Z::m_Depth,                   K::Int16,   I16(2)},
            {30, u"DepthMode",             &Z::m_DepthMode,               K::Int32,   I32(0)},
            {31, u"DepthEvent",            &Z::m_DepthEvent,              K::Int32,   I32(3)},
            {32, u"DropDownPicture",       &Z::m_DropDownPicture,         K::Picture, kNoObject},
            {33, u"DropDownWidth",         &Z::m_DropDownWidth,           K::Int32,   I16(16)},
            {34, u"ForeColorDisabled",     &Z::m_ForeColorDisabled,       K::Int32,   I32(Color(0x80000011))},
            {35, u"ForeColorOver",         &Z::m_ForeColorOver,           K::Int32,   I32(Color(0x80000012))},
            {36, u"ForeColorFocus",        &Z::m_ForeColorFocus,          K::Int32,   I32(Color(0x80000012))},
            {37, u"ForeColorDown",         &Z::m_ForeColorDown,           K::Int32,   I32(Color(0x80000012))},
            {38, u"PictureDisabled",       &Z::m_PictureDisabled,         K::Picture, kNoObject},
            {39, u"PictureDown",           &Z::m_PictureDown,             K::Picture, kNoObject},
            {40, u"PictureFocus",          &Z::m_PictureFocus,            K::Picture, kNoObject},
            {41, u"PictureOffsetX",        &Z::m_PictureOffsetX,          K::Int16,   I16(0)},
            {42, u"PictureOffsetY",        &Z::m_PictureOffsetY,          K::Int16,   I16(0)},
            {43, u"PictureOver",           &Z::m_PictureOver,             K::Picture, kNoObject},
            {44, u"PictureAlignment",      &Z::m_PictureAlignment,        K::Int32,   I32(3)},
            {45, u"PictureStretch",        &Z::m_PictureStretch,          K::Boolean, Bool(false)},
            {46, u"PictureDisabledEffect", &Z::m_PictureDisabledEffect,   K::Int32,   I32(1)},
            {47, u"PictureFocusEffect",    &Z::m_PictureFocusEffect,      K::Int32,   I32(0)},
            {48, u"PictureDownEffect",     &Z::m_PictureDownEffect,       K::Int32,   I32(0)},
            {49, u"PictureOverEffect",     &Z::m_PictureOverEffect,       K::Int32,   I32(0)},
            {50, u"ShowFocus",             &Z::m_ShowFocus,               K::Boolean, I16(0)},
            {51, u"ToggleValue",           &Z::m_ToggleValue,             K::Boolean, Bool(false)},
            {52, u"ToolTipBackColor",      &Z::m_ToolTipBackColor,        K::Int32,   I16(-1)},
            {53, u"ToolTipForeColor",      &Z::m_ToolTipForeColor,        K::Int32,   I16(-1)},
            {54, u"ToolTipTitle",          &Z::m_ToolTipTitle,            K::String,  kEmptyText},
            {55, u"ToolTipStyle",          &Z::m_ToolTipStyle,            K::Int32,   I32(0)},
            {56, u"ToolTipIcon",           &Z::m_ToolTipIcon,             K::Int32,   I32(1)},
            {57, u"OLEDropMode",           W::OLEDropMode,                K::Int16,   I16(0)},
            {58, u"OLEDragMode",           &Z::m_OLEDragMode,             K::Int16,   I16(0)},
            {59, u"Value",                 &Z::m_Value,                   K::Boolean, Bool(false)},
            {60, u"GradientType",          &Z::m_GradientType,            K::Int32,   I32(0)},
            {61, u"TextFadeToColor",       &Z::m_TextFadeToColor,         K::Int32,   I32(0x00FFFFFF)},
            {62, u"TextFadeCycle",         &Z::m_TextFadeCycle,           K::Int16,   I16(0)},
            {63, u"TextFadeEvents",        &Z::m_TextFadeEvents,          K::Int32,   I32(1)},
            {64, u"TextFadeSpeed",         &Z::m_TextFadeSpeed,           K::Int16,   I16(10)},
        };
        static_assert(TableIsConsistent(kKeys));
        return kKeys;
    }

    static const KeyRow& Row(int number) { return Table()[static_cast<std::size_t>(number - 1)]; }

    static void Write(Zorvane& z, PropertyBag& bag, const KeyRow& row) {
        const Variant value = ValueOf(z, row);
        if (row.kind == Kind::Picture && IsNothingToSave(*value.get_if<PictureRef>())) {
            // equal to itself: the bag keeps nothing for this key
            bag.WriteProperty(row.key, value, value);
            return;
        }
        bag.WriteProperty(row.key, value, DefaultOf(z, row));
    }

    // Reads a key into its member. A value the button cannot take leaves
    // the member as it was and is reported to the bag with the reason.
    static void Read(Zorvane& z, PropertyBag& bag, const KeyRow& row) {
        const std::optional<Variant> value = bag.ReadProperty(row.key, DefaultOf(z, row));
        if (!value) {
            bag.LogError(row.key, errors::kInvalidPropertyValue, u"the saved value cannot be read");
            return;
        }
        int dpiX = 96, dpiY = 96;
        if (row.kind == Kind::Picture) {
            RunStep([&] {
                dpiX = z.m_Site.ScreenDpiX();
                dpiY = z.m_Site.ScreenDpiY();
            });
            if (dpiX <= 0 || dpiX > 10000) dpiX = 96;
            if (dpiY <= 0 || dpiY > 10000) dpiY = 96;
        }
        Conversion converted = Convert(*value, row.kind, dpiX, dpiY);
        if (!converted.value) {
            bag.LogError(row.key, converted.error, converted.reason);
            return;
        }
        if (const std::int32_t error = Store(z, row.slot, std::move(*converted.value)))
            bag.LogError(row.key, error, u"the window refused the value");
    }

private:
    static Variant ValueOf(const Zorvane& z, const KeyRow& row) {
        if (const WindowProperty* w = std::get_if<WindowProperty>(&row.slot)) {
            switch (*w) {
            case WindowProperty::Enabled:      return Variant::Boolean(z.m_Site.Enabled());
            case WindowProperty::MouseIcon:    return Variant(z.MouseIcon());
            case WindowProperty::MousePointer: return Variant(z.m_Site.MousePointer());
            case WindowProperty::RightToLeft:  return Variant::Boolean(z.m_Site.RightToLeft());
            case WindowProperty::OLEDropMode:  return Variant(z.m_Site.OLEDropMode());
            }
        }
        return std::visit(
            [&](auto slot) -> Variant {
                using T = decltype(slot);
                if constexpr (std::is_same_v<T, WindowProperty>) {
                    return Variant();
                } else if constexpr (std::is_same_v<T, std::int16_t Zorvane::*>) {
                    if (row.kind == Kind::Boolean) return Variant(BoolValue{z.*slot});
                    return Variant(z.*slot);
                } else if constexpr (std::is_same_v<T, FontHolder Zorvane::*>) {
                    return Variant((z.*slot).get());
                } else {
                    return Variant(z.*slot);
                }
            },
            row.slot);
    }

    static Variant DefaultOf(const Zorvane& z, const KeyRow& row) {
        const Default& d = row.defaultValue;
        switch (d.source) {
        case Default::Source::Int32:   return Variant(d.number);
        case Default::Source::Int16:   return Variant(static_cast<std::int16_t>(d.number));
        case Default::Source::Boolean: return Variant::Boolean(d.number != 0);
        case Default::Source::EmptyText: return Variant(std::u16string());
        case Default::Source::AmbientFont: {
            std::optional<FontRef> font;
            RunStep([&] { font = z.m_Site.AmbientFont(); });
            return Variant(font.value_or(FontRef{}));
        }
        case Default::Source::AmbientDisplayName: {
            std::optional<std::u16string> name;
            RunStep([&] { name = z.m_Site.AmbientDisplayName(); });
            return Variant(name.value_or(std::u16string()));
        }
        case Default::Source::NoObject: return Variant(PictureRef{});
        }
        return Variant();
    }

    // Returns 0, or the error of the window that refused a window-held value.
    static std::int32_t Store(Zorvane& z, const Slot& slot, Converted value) {
        if (const WindowProperty* w = std::get_if<WindowProperty>(&slot)) {
            switch (*w) {
            case WindowProperty::Enabled:
                return z.m_Site.SetEnabled(std::get<std::int16_t>(value) != 0);
            case WindowProperty::MouseIcon:
                return z.SetMouseIcon(std::get<PictureRef>(std::move(value)));  // the setter notifies
            case WindowProperty::MousePointer:
                return z.m_Site.SetMousePointer(std::get<std::int16_t>(value));
            case WindowProperty::RightToLeft:
                return z.m_Site.SetRightToLeft(std::get<std::int16_t>(value) != 0);
            case WindowProperty::OLEDropMode:
                return z.m_Site.SetOLEDropMode(std::get<std::int16_t>(value));
            }
            return errors::kNone;
        }
        std::visit(
            [&](auto member) {
                using T = decltype(member);
                if constexpr (std::is_same_v<T, FontHolder Zorvane::*>) {
                    z.*member = std::get<FontRef>(std::move(value));
                } else if constexpr (!std::is_same_v<T, WindowProperty>) {
                    using Value = std::remove_reference_t<decltype(z.*member)>;
                    z.*member = std::get<Value>(std::move(value));
                }
            },
            slot);
        return errors::kNone;
    }
};

namespace {

// "5.16": major, a point, minor and revision without a separator.
std::u16string LibraryVersion() {
    const std::string text = std::to_string(VEMMIX_VERSION_MAJOR) + "." +
                             std::to_string(VEMMIX_VERSION_MINOR) +
                             std::to_string(VEMMIX_VERSION_PATCH);
    return std::u16string(text.begin(), text.end());
}

}  // namespace

void Zorvane::InitProperties() {
    // 1.
    m_BackColor = 0x00FFFFFF;
    m_ForeColor = SystemColorRef(18);
    // 2. the container's own font object, not a copy
    RunStep([&] { m_Font = m_Site.AmbientFont().value(); });
    // 3.
    m_Appearance = ecAppearance::WindowsXP;
    m_MaskColor = 0x00FF00FF;
    RunStep([&] { m_Picture = MakeEmptyPicture(); });
    // 4.
    m_AppearanceMode = ecAppearanceMode::Standard;
    m_AppearanceThemes = ecAppearanceThemes::AutoDetect;
    m_BackColorDown = m_BackColorOver = m_BackColorFocus = m_BackColorDisabled = 0x00FFFFFF;
    m_BorderColor = 0x00743C00;
    m_BorderDrawEvent = ecEvents::Always;
    m_BorderWidth = 1;
    // 5. stored translated: a plain colour, not a system-colour reference
    RunStep([&] {
        m_TransparentColor = static_cast<OleColor>(Translate(m_Site.AmbientBackColor().value()));
    });
    // 6.
    RunStep([&] { m_Caption = m_Site.AmbientDisplayName().value(); });
    // 7.
    m_CaptionAlignment = ecAlignment::MiddleCenter;
    m_CaptionEffect = ecCaptionEffect::Engraved;
    m_CaptionEffectEvent = ecEvents::Never;
    m_CaptionOffsetX = 0;
    m_CaptionOffsetY = 0;
    m_CaptionPosition = ecCaptionPos::RightOfPicture;
    m_DefaultThemes = ecAppearanceThemesDefault::Blue;
    m_Depth = 2;
    m_DepthMode = ecDepthMode::CaptionAndPicture;
    m_DepthEvent = ecEvents::OnClick;
    m_DropDownWidth = 16;
    m_DropDownPicture.reset();
    // 8.
    m_ForeColorDisabled = SystemColorRef(17);
    m_ForeColorOver = m_ForeColorFocus = m_ForeColorDown = SystemColorRef(18);
    m_PictureDisabled.reset();
    m_PictureDown.reset();
    m_PictureFocus.reset();
    m_PictureOffsetX = 0;
    m_PictureOffsetY = 0;
    m_PictureOver.reset();
    // 9.
    m_PictureStretch = kFalse;
    m_PictureDisabledEffect = ecPictureEffect::Gray;
    m_PictureFocusEffect = m_PictureDownEffect = m_PictureOverEffect = ecPictureEffect::NoEffect;
    m_PictureAlignment = ecAlignment::MiddleLeft;
    m_ShowFocus = kFalse;
    m_ToggleValue = kFalse;
    // 10.
    m_Version = LibraryVersion();
    // 11.
    m_ToolTipBackColor = -1;
    m_ToolTipForeColor = -1;
    m_ToolTipTitle.clear();
    m_ToolTipStyle = ecToolTipStyle::Classic;
    m_ToolTipIcon = ecToolTipIcon::Info;
    m_OLEDragMode = 0;
    m_Value = kFalse;
    m_GradientType = ecGradientType::ColorTowardsDark;
    m_TextFadeToColor = 0x00FFFFFF;
    m_TextFadeCycle = 0;
    m_TextFadeEvents = ecEvents::Never;
    m_TextFadeSpeed = 10;
    // 12. - 14. the presets notify what they change; nothing else is notified
    RunStep([&] { RefreshColorCache(); });
    RunStep([&] { ApplyAppearancePreset(); });
    RunStep([&] { ApplyThemeColors(); });
    RunStep([&] { ApplyShapeMode(); });
    // 15.
    RunStep([&] { ReadClientSize(); });
}

void Zorvane::ReadProperties(PropertyBag& bag) {
    const auto read = [&](const KeyRow& row) {
        RunStep([&] { PersistedKeys::Read(*this, bag, row); });
    };
    for (const KeyRow& row : PersistedKeys::Table()) {
        if (row.number == kDefaultThemesKey) continue;  // read after DropDownWidth
        read(row);
        if (row.number == kDropDownWidthKey) read(PersistedKeys::Row(kDefaultThemesKey));
        if (row.number == kToggleValueKey) m_Version = LibraryVersion();  // no key affects it
    }
    RunStep([&] { RefreshColorCache(); });
    RunStep([&] { ApplyShapeMode(); });
    RunStep([&] { UpdateAccessKeys(); });
}

void Zorvane::WriteProperties(PropertyBag& bag) {
    const auto write = [&](const KeyRow& row) {
        RunStep([&] { PersistedKeys::Write(*this, bag, row); });
    };
    const std::span<const KeyRow> keys = PersistedKeys::Table();
    for (const KeyRow& row : keys.first(kLastKeyBeforeToolTipText)) write(row);
    // Show may have emptied the extender's tooltip to show it in the
    // button's own window; giving it back lets the container save it.
    RunStep([&] {
        const std::optional<std::u16string> text = m_Site.ExtenderToolTipText();
        if (text && text->empty()) m_Site.SetExtenderToolTipText(m_ToolTipText);
    });
    for (const KeyRow& row : keys.subspan(kLastKeyBeforeToolTipText)) write(row);
}

}  // namespace vemmix
