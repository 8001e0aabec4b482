// Properties read through the control's dispatch interface.
#include "ControlProperties.h"

#include <vemmix/Dispatch.h>

namespace vemmix::qt {

namespace {

std::int32_t IntegerOf(Control& control, std::u16string_view name) {
    Variant value;
    if (GetProperty(control, name, value) != errors::kNone) return 0;
    return ToInt32(value).value_or(0);
}

}  // namespace

std::int32_t AppearanceModeOf(Control& control) { return IntegerOf(control, u"AppearanceMode"); }
bool ToggleValueOf(Control& control) { return IntegerOf(control, u"ToggleValue") != 0; }
std::int32_t DropDownWidthOf(Control& control) { return IntegerOf(control, u"DropDownWidth"); }
std::int16_t OLEDragModeOf(Control& control) {
    return static_cast<std::int16_t>(IntegerOf(control, u"OLEDragMode"));
}

QString CaptionOf(Control& control) {
    Variant value;
    if (GetProperty(control, u"Caption", value) != errors::kNone) return {};
    const std::optional<std::u16string> text = ToString(value);
    return text ? QString::fromStdU16String(*text) : QString();
}

QString CaptionWithoutAccessKey(const QString& caption) {
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            // "&&" is one ampersand; a single one marks the next character
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                name += u'&';
                ++i;
            }
            continue;
        }
        name += caption[i];
    }
    return name;
}

}  // namespace vemmix::qt
