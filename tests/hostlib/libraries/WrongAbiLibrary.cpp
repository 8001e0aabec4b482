// A control library that speaks another version of the interface.
#include <vemmix/ControlLibrary.h>

namespace {
const vemmix::ControlLibraryInfo kLibrary{vemmix::kControlLibraryAbiVersion + 998, u"Future", u"9.0", {}};
}  // namespace

extern "C" const vemmix::ControlLibraryInfo* vemmix_control_library() { return &kLibrary; }
