// Error numbers that cross the automation boundary (0: success), and the
// message text a container shows for each.
#pragma once

#include <cstdint>
#include <string_view>

#include <vemmix/Export.h>

namespace vemmix::errors {

constexpr std::int32_t kNone = 0;
constexpr std::int32_t kInvalidArgument = 5;
constexpr std::int32_t kOverflow = 6;
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kTypeMismatch = 13;
constexpr std::int32_t kOutOfStackSpace = 28;
constexpr std::int32_t kInvalidPropertyValue = 380;
constexpr std::int32_t kNotSupportedAtRunTime = 382;
constexpr std::int32_t kReadOnlyProperty = 383;  // a property without a setter
constexpr std::int32_t kNotPermitted = 387;  // "setting not permitted" (design time)
constexpr std::int32_t kObjectRequired = 424;
constexpr std::int32_t kCannotCreateObject = 429;
constexpr std::int32_t kUnknownMember = 438;  // object doesn't support this property or method
constexpr std::int32_t kWrongArgumentCount = 450;
constexpr std::int32_t kInvalidPicture = 481;

// The message of an error number, as the automation language words it
// ("Type mismatch"); "Application-defined or object-defined error" for a
// number the table does not name.
VEMMIX_EXPORT std::u16string_view Message(std::int32_t number);

}  // namespace vemmix::errors
