// Properties read through the control's dispatch interface.
#include "ControlProperties.h"

#include <vemmix/Dispatch.h>

namespace vemmix::qt {

std::int32_t IntegerProperty(Control& control, std::u16string_view name) {
    Variant value;
    if (GetProperty(control, name, value) != errors::kNone) return 0;
    return ToInt32(value).value_or(0);
}

bool BoolProperty(Control& control, std::u16string_view name) {
    return IntegerProperty(control, name) != 0;
}

QString TextProperty(Control& control, std::u16string_view name) {
    Variant value;
    if (GetProperty(control, name, value) != errors::kNone) return {};
    const std::optional<std::u16string> text = ToString(value);
    return text ? QString::fromStdU16String(*text) : QString();
}

std::int32_t AppearanceModeOf(Control& control) { return IntegerProperty(control, u"AppearanceMode"); }
bool ToggleValueOf(Control& control) { return BoolProperty(control, u"ToggleValue"); }
std::int32_t DropDownWidthOf(Control& control) { return IntegerProperty(control, u"DropDownWidth"); }
std::int16_t OLEDragModeOf(Control& control) {
    return static_cast<std::int16_t>(IntegerProperty(control, u"OLEDragMode"));
}

QString CaptionOf(Control& control) { return TextProperty(control, u"Caption"); }

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
