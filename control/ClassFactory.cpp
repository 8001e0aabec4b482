// The class factory of the control library: containers create controls by
// the program identifier a saved form names, or by the class identifier.
#include "control/Control.h"
#include "control/TypeLibrary.h"
#include "control/Zorvane.h"

namespace vemmix {

std::unique_ptr<Control> CreateControl(std::u16string_view classId, ControlSite& site,
                                       std::int32_t* error) {
    const bool byProgId = typelib::NamesEqual(classId, typelib::kProgId);
    const auto guid = byProgId ? std::nullopt : ParseGuid(classId);
    if (byProgId || (guid && *guid == typelib::kClassId)) {
        if (error) *error = errors::kNone;
        return std::make_unique<Zorvane>(site);
    }
    if (error) *error = errors::kCannotCreateObject;
    return nullptr;
}

}  // namespace vemmix
