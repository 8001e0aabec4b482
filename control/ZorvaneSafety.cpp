// IObjectSafety: the button is safe for untrusted callers and untrusted
// data on every interface, and keeps no safety state of its own.
#include "control/Zorvane.h"

namespace vemmix {
namespace {

constexpr std::uint32_t kAllSafetyOptions = kSafeForUntrustedCaller | kSafeForUntrustedData;

}  // namespace

// The interface identifier is not looked at: every interface, even one the
// button does not have, gets the same answer.
std::int32_t Zorvane::GetInterfaceSafetyOptions(const Guid& /*riid*/, std::uint32_t& supported,
                                                std::uint32_t& enabled) {
    supported = kAllSafetyOptions;
    enabled = kAllSafetyOptions;
    return 0;  // S_OK
}

// Whatever the container asks to enable is already enabled.
std::int32_t Zorvane::SetInterfaceSafetyOptions(const Guid& /*riid*/, std::uint32_t /*mask*/,
                                                std::uint32_t /*enabled*/) {
    return 0;  // S_OK
}

}  // namespace vemmix
