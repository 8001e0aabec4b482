// The controls a container makes itself rather than through a control
// library: "Frame" (a caption over an etched border, holding other
// controls), "Label" (word-wrapped text) and the placeholder that stands
// in for a control whose class could not be created.
#pragma once

#include <cstdint>
#include <memory>

#include <QString>

#include <vemmix/Control.h>

namespace vemmix::host::detail {

// A Frame or Label for `className` (without regard to case); no object for
// any other class.
std::unique_ptr<Control> MakeNativeControl(QStringView className, ControlSite& site);
bool IsNativeClass(QStringView className);

// A visible stand-in: a framed box naming the class and the error.
std::unique_ptr<Control> MakePlaceholder(ControlSite& site, const QString& className, std::int32_t error);

}  // namespace vemmix::host::detail
