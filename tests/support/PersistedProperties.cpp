#include "tests/support/PersistedProperties.h"

#include <algorithm>
#include <functional>

namespace vemmix::test {
namespace {

using K = PersistedKind;
using Getter = std::function<Variant(const Zorvane&)>;

struct Entry {
    PersistedKeyInfo info;
    Getter get;
};

template <class T>
Getter Num(T (Zorvane::*getter)() const) {
    return [getter](const Zorvane& z) { return Variant((z.*getter)()); };
}
Getter Flag(VBool (Zorvane::*getter)() const) {
    return [getter](const Zorvane& z) { return Variant(BoolValue{(z.*getter)()}); };
}
Getter Text(const std::u16string& (Zorvane::*getter)() const) {
    return [getter](const Zorvane& z) { return Variant((z.*getter)()); };
}

const std::vector<Entry>& Entries() {
    using Z = Zorvane;
    static const std::vector<Entry> entries = {
        {{u"BackColor", K::Int32}, Num(&Z::BackColor)},
        {{u"ForeColor", K::Int32}, Num(&Z::ForeColor)},
        {{u"Enabled", K::Boolean}, Flag(&Z::Enabled)},
        {{u"Font", K::Font}, Num(&Z::Font)},
        {{u"Appearance", K::Int32}, Num(&Z::Appearance)},
        {{u"MaskColor", K::Int32}, Num(&Z::MaskColor)},
        {{u"MouseIcon", K::Picture}, Num(&Z::MouseIcon)},
        {{u"MousePointer", K::Int16}, Num(&Z::MousePointer)},
        {{u"Picture", K::Picture}, Num(&Z::Picture)},
        {{u"RightToLeft", K::Boolean}, Flag(&Z::RightToLeft)},
        {{u"AppearanceMode", K::Int32}, Num(&Z::AppearanceMode)},
        {{u"AppearanceThemes", K::Int32}, Num(&Z::AppearanceThemes)},
        {{u"BackColorDown", K::Int32}, Num(&Z::BackColorDown)},
        {{u"BackColorOver", K::Int32}, Num(&Z::BackColorOver)},
        {{u"BackColorFocus", K::Int32}, Num(&Z::BackColorFocus)},
        {{u"BackColorDisabled", K::Int32}, Num(&Z::BackColorDisabled)},
        {{u"BorderColor", K::Int32}, Num(&Z::BorderColor)},
        {{u"BorderDrawEvent", K::Int32}, Num(&Z::BorderDrawEvent)},
        {{u"BorderWidth", K::Int16}, Num(&Z::BorderWidth)},
        {{u"TransparentColor", K::Int32}, Num(&Z::TransparentColor)},
        {{u"Caption", K::String}, Text(&Z::Caption)},
        {{u"CaptionAlignment", K::Int32}, Num(&Z::CaptionAlignment)},
        {{u"CaptionEffect", K::Int32}, Num(&Z::CaptionEffect)},
        {{u"CaptionEffectEvent", K::Int32}, Num(&Z::CaptionEffectEvent)},
        {{u"CaptionOffsetX", K::Int16}, Num(&Z::CaptionOffsetX)},
        {{u"CaptionOffsetY", K::Int16}, Num(&Z::CaptionOffsetY)},
        {{u"CaptionPosition", K::Int32}, Num(&Z::CaptionPosition)},
        {{u"DefaultThemes", K::Int32}, Num(&Z::DefaultThemes)},
        {{u"Depth", K::Int16}, Num(&Z::Depth)},
        {{u"DepthMode", K::Int32}, Num(&Z::DepthMode)},
        {{u"DepthEvent", K::Int32}, Num(&Z::DepthEvent)},
        {{u"DropDownPicture", K::Picture}, Num(&Z::DropDownPicture)},
        {{u"DropDownWidth", K::Int32}, Num(&Z::DropDownWidth)},
        {{u"ForeColorDisabled", K::Int32}, Num(&Z::ForeColorDisabled)},
        {{u"ForeColorOver", K::Int32}, Num(&Z::ForeColorOver)},
        {{u"ForeColorFocus", K::Int32}, Num(&Z::ForeColorFocus)},
        {{u"ForeColorDown", K::Int32}, Num(&Z::ForeColorDown)},
        {{u"PictureDisabled", K::Picture}, Num(&Z::PictureDisabled)},
        {{u"PictureDown", K::Picture}, Num(&Z::PictureDown)},
        {{u"PictureFocus", K::Picture}, Num(&Z::PictureFocus)},
        {{u"PictureOffsetX", K::Int16}, Num(&Z::PictureOffsetX)},
        {{u"PictureOffsetY", K::Int16}, Num(&Z::PictureOffsetY)},
        {{u"PictureOver", K::Picture}, Num(&Z::PictureOver)},
        {{u"PictureAlignment", K::Int32}, Num(&Z::PictureAlignment)},
        {{u"PictureStretch", K::Boolean}, Flag(&Z::PictureStretch)},
        {{u"PictureDisabledEffect", K::Int32}, Num(&Z::PictureDisabledEffect)},
        {{u"PictureFocusEffect", K::Int32}, Num(&Z::PictureFocusEffect)},
        {{u"PictureDownEffect", K::Int32}, Num(&Z::PictureDownEffect)},
        {{u"PictureOverEffect", K::Int32}, Num(&Z::PictureOverEffect)},
        {{u"ShowFocus", K::Boolean}, Flag(&Z::ShowFocus)},
        {{u"ToggleValue", K::Boolean}, Flag(&Z::ToggleValue)},
        {{u"ToolTipBackColor", K::Int32}, Num(&Z::ToolTipBackColor)},
        {{u"ToolTipForeColor", K::Int32}, Num(&Z::ToolTipForeColor)},
        {{u"ToolTipTitle", K::String}, Text(&Z::ToolTipTitle)},
        {{u"ToolTipStyle", K::Int32}, Num(&Z::ToolTipStyle)},
        {{u"ToolTipIcon", K::Int32}, Num(&Z::ToolTipIcon)},
        {{u"OLEDropMode", K::Int16}, Num(&Z::OLEDropMode)},
        {{u"OLEDragMode", K::Int16}, Num(&Z::OLEDragMode)},
        {{u"Value", K::Boolean}, Flag(&Z::Value)},
        {{u"GradientType", K::Int32}, Num(&Z::GradientType)},
        {{u"TextFadeToColor", K::Int32}, Num(&Z::TextFadeToColor)},
        {{u"TextFadeCycle", K::Int16}, Num(&Z::TextFadeCycle)},
        {{u"TextFadeEvents", K::Int32}, Num(&Z::TextFadeEvents)},
        {{u"TextFadeSpeed", K::Int16}, Num(&Z::TextFadeSpeed)},
    };
    return entries;
}

}  // namespace

const std::vector<PersistedKeyInfo>& PersistedKeys() {
    static const std::vector<PersistedKeyInfo> keys = [] {
        std::vector<PersistedKeyInfo> out;
        for (const Entry& e : Entries()) out.push_back(e.info);
        return out;
    }();
    return keys;
}

Variant PersistedValue(const Zorvane& button, std::u16string_view key) {
    for (const Entry& e : Entries())
        if (e.info.key == key) return e.get(button);
    return Variant();
}

bool SameValue(const Variant& a, const Variant& b) {
    if (const auto* f = a.get_if<FontRef>()) return b.get_if<FontRef>() && *f == *b.get_if<FontRef>();
    if (const auto* p = a.get_if<PictureRef>()) return b.get_if<PictureRef>() && *p == *b.get_if<PictureRef>();
    return PropertyBag::MatchesDefault(a, b);
}

std::vector<std::string> DifferingKeys(const Zorvane& a, const Zorvane& b,
                                       const std::vector<std::u16string>& ignore) {
    std::vector<std::string> differing;
    for (const Entry& e : Entries()) {
        if (std::find(ignore.begin(), ignore.end(), e.info.key) != ignore.end()) continue;
        const Variant va = e.get(a), vb = e.get(b);
        // exact kind and value: 0x80000012 must not come back as a double
        if (va.type() != vb.type() || !SameValue(va, vb)) differing.push_back(Narrow16(e.info.key));
    }
    return differing;
}

std::string Narrow16(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

}  // namespace vemmix::test
