// The few properties of a hosted control the container reads through its
// automation interface: for accessibility, and for the automatic drag.
#pragma once

#include <cstdint>

#include <QString>

#include <vemmix/Control.h>

namespace vemmix::qt {

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
