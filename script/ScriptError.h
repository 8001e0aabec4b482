// An error a script sees as an exception: an automation error number, its
// message and what failed. Thrown as a C++ exception inside the host and
// turned into a JavaScript exception at the boundary (ScriptObject, Bridge).
#pragma once

#include <cstdint>

#include <QString>

namespace vemmix::script {

// Numbers of the host's own errors, besides the control's (Errors.h).
namespace hosterrors {
constexpr std::int32_t kFileNotFound = 53;
constexpr std::int32_t kPermissionDenied = 70;
constexpr std::int32_t kPathAccess = 75;
constexpr std::int32_t kInvalidFileFormat = 321;
}  // namespace hosterrors

struct ScriptError {
    std::int32_t number;
    QString message;
    QString source;  // "cmdOK.Caption", "host.load"
};

// The control's message of an error number ("Type mismatch").
QString MessageOf(std::int32_t number);

}  // namespace vemmix::script
