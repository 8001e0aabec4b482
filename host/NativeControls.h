// The controls a container makes itself rather than through a control
// library: "Frame" (a caption over an etched border, holding other
// controls) and "Label" (word-wrapped text). The placeholder that stands
// in for a control whose class could not be created is public
// (FormControls.h).
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

}  // namespace vemmix::host::detail
