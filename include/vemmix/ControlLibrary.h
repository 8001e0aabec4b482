// The entry point of a control library: a container that loads a library
// it was not linked against (dlopen) looks up kControlLibraryEntryName,
// checks the ABI version the library speaks, and creates controls by the
// program identifier a saved form names.
//
//   void* handle = dlopen("libvemmix.so.5", RTLD_NOW | RTLD_LOCAL);
//   auto entry = reinterpret_cast<vemmix::ControlLibraryEntry>(
//       dlsym(handle, vemmix::kControlLibraryEntryName));
//   const vemmix::ControlLibraryInfo* info = entry ? entry() : nullptr;
//   if (info && info->abiVersion == vemmix::kControlLibraryAbiVersion) …
//
// The interfaces a library and its container share (Control, ControlSite,
// Variant, the type information) are C++ classes: the ABI version changes
// whenever their layout does, and a container refuses a library whose
// version differs from its own.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include <vemmix/Control.h>
#include <vemmix/Export.h>
#include <vemmix/Guid.h>
#include <vemmix/TypeInfo.h>

namespace vemmix {

inline constexpr std::uint32_t kControlLibraryAbiVersion = 1;
inline constexpr const char* kControlLibraryEntryName = "vemmix_control_library";

// One creatable class of a control library.
struct ControlClass {
    std::u16string_view progId;  // "Vemmix.Zorvane"
    Guid classId;
    // A new control on `site`; it has not yet had Initialize.
    std::unique_ptr<Control> (*create)(ControlSite& site);
    const typelib::TypeInfo* typeInfo;
};

struct ControlLibraryInfo {
    std::uint32_t abiVersion;       // kControlLibraryAbiVersion of the library
    std::u16string_view name;       // "Vemmix"
    std::u16string_view version;    // "5.1.6"
    std::span<const ControlClass> classes;
};

using ControlLibraryEntry = const ControlLibraryInfo* (*)();

}  // namespace vemmix

extern "C" {
// The library's description; valid for as long as the library is loaded.
VEMMIX_EXPORT const vemmix::ControlLibraryInfo* vemmix_control_library();
}
