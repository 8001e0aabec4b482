#include <vemmix/Errors.h>

#include <algorithm>
#include <array>
#include <utility>

namespace vemmix::errors {

namespace {

// clang-format off
constexpr std::array<std::pair<std::int32_t, std::u16string_view>, 15> kMessages = {{
    {kNone,                  u""},
    {kInvalidArgument,       u"Invalid procedure call or argument"},
    {kOverflow,              u"Overflow"},
    {kOutOfMemory,           u"Out of memory"},
    {kTypeMismatch,          u"Type mismatch"},
    {kOutOfStackSpace,       u"Out of stack space"},
    {kInvalidPropertyValue,  u"Invalid property value"},
    {kNotSupportedAtRunTime, u"Set not supported at runtime"},
    {kReadOnlyProperty,      u"Set not supported (read-only property)"},
    {kNotPermitted,          u"Set not permitted"},
    {kObjectRequired,        u"Object required"},
    {kCannotCreateObject,    u"ActiveX component can't create object"},
    {kUnknownMember,         u"Object doesn't support this property or method"},
    {kWrongArgumentCount,    u"Wrong number of arguments or invalid property assignment"},
    {kInvalidPicture,        u"Invalid picture"},
}};
// clang-format on

}  // namespace

std::u16string_view Message(std::int32_t number) {
    const auto* row = std::find_if(kMessages.begin(), kMessages.end(),
                                   [number](const auto& r) { return r.first == number; });
    if (row != kMessages.end()) return row->second;
    return u"Application-defined or object-defined error";
}

}  // namespace vemmix::errors
