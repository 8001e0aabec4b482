// The limits of what the host reads from files, in one place. A saved form
// or a picture beyond any of them is refused with an error naming the
// limit; docs/forms.md lists them for the people who write forms.
#pragma once

#include <cstdint>

namespace vemmix::host::limits {

// A form file, and a picture file a form refers to.
constexpr std::int64_t kMaxFormFileBytes = 32 * 1024 * 1024;
constexpr std::int64_t kMaxPictureFileBytes = 16 * 1024 * 1024;

// Counts.
constexpr int kMaxControls = 1024;          // controls on one form
constexpr int kMaxMenus = 64;               // popup menus of one form
constexpr int kMaxMenuItems = 256;          // items of one menu
constexpr int kMaxProperties = 256;         // keys of one property set
constexpr int kMaxFrameDepth = 16;          // frames inside frames

// Texts, in UTF-16 code units.
constexpr int kMaxTextLength = 65535;       // any text value
constexpr int kMaxKeyLength = 64;           // a property key
constexpr int kMaxNameLength = 40;          // a control, menu or form name
constexpr int kMaxFontNameLength = 255;

// Geometry, in pixels.
constexpr int kMaxFormSize = 8192;          // client width and height of a form
constexpr int kMaxControlSize = 8192;       // width and height of a control
// The windows of all the controls of a form together (each holds an image
// of its size).
constexpr std::int64_t kMaxWindowPixels = 64 * 1024 * 1024;
constexpr int kMaxPosition = 32767;         // |left| and |top| of a control
constexpr int kMaxIndex = 32767;            // control array index, tab index

// Fonts, in points.
constexpr double kMinFontPoints = 1;
constexpr double kMaxFontPoints = 2048;

// Pictures: per side, per picture, and all the pictures of one form.
constexpr int kMaxPictureSide = 4096;
constexpr std::int64_t kMaxPicturePixels = 16 * 1024 * 1024;
constexpr std::int64_t kMaxFormPicturePixels = 64 * 1024 * 1024;

}  // namespace vemmix::host::limits
