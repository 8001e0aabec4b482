// Properties of a hosted control read through its automation interface: the
// few the container needs (for accessibility and the automatic drag), and
// any by name for the Button widget.
#pragma once

#include <cstdint>

#include <QString>

#include <vemmix/Control.h>

namespace vemmix::qt {

// A property's value as a 32-bit integer, a Boolean or a text; 0, False or
// empty when it cannot be read or converted.
std::int32_t IntegerProperty(Control& control, std::u16string_view name);
bool BoolProperty(Control& control, std::u16string_view name);
QString TextProperty(Control& control, std::u16string_view name);

// 0 Standard, 1 Toggle, 2 DropDown (ecAppearanceMode); 0 when unreadable.
std::int32_t AppearanceModeOf(Control& control);
bool ToggleValueOf(Control& control);
std::int32_t DropDownWidthOf(Control& control);
std::int16_t OLEDragModeOf(Control& control);
QString CaptionOf(Control& control);

// A caption as a screen reader says it: the access-key marker left out,
// a doubled ampersand read as one.
QString CaptionWithoutAccessKey(const QString& caption);

}  // namespace vemmix::qt
