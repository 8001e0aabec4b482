// The class factory of the control library and its entry point: containers
// create controls by the program identifier a saved form names, or by the
// class identifier, whether they linked the library or loaded it.
#include <array>

#include <vemmix/Control.h>
#include <vemmix/ControlLibrary.h>
#include <vemmix/Version.h>

#include "control/TypeLibrary.h"
#include "control/Zorvane.h"

namespace vemmix {

namespace {

std::unique_ptr<Control> CreateZorvane(ControlSite& site) { return std::make_unique<Zorvane>(site); }

constexpr std::array<ControlClass, 1> kClasses = {{
    {typelib::kProgId, typelib::kClassId, &CreateZorvane, &typelib::kTypeInfo},
}};

const ControlLibraryInfo kLibrary = {
    kControlLibraryAbiVersion, typelib::kLibraryName, u"" VEMMIX_VERSION_STRING, kClasses};

}  // namespace

std::unique_ptr<Control> CreateControl(std::u16string_view classId, ControlSite& site,
                                       std::int32_t* error) {
    const auto guid = ParseGuid(classId);
    for (const ControlClass& c : kClasses) {
        if (typelib::NamesEqual(classId, c.progId) || (guid && *guid == c.classId)) {
            if (error) *error = errors::kNone;
            return c.create(site);
        }
    }
    if (error) *error = errors::kCannotCreateObject;
    return nullptr;
}

}  // namespace vemmix

const vemmix::ControlLibraryInfo* vemmix_control_library() { return &vemmix::kLibrary; }
