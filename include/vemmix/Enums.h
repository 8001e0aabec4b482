// The enumerations of the type library. Enumerated properties are stored as
// 32-bit integers without a range test, so the values are plain constants:
// a value outside an enumeration is kept and drawn by the default branch.
#pragma once

#include <cstdint>

namespace vemmix {

namespace ecAppearance {
constexpr std::int32_t ThreeD = 0, Flat = 1, Shaped = 2, WindowsXP = 3, ExplorerXP = 4,
                       Office2003 = 5, Office2007 = 6, VistaSunrise = 7, VistaSunset = 8,
                       Gradient = 9;
}
namespace ecAppearanceMode {
constexpr std::int32_t Standard = 0, Toggle = 1, DropDown = 2;
}
namespace ecAppearanceThemes {
constexpr std::int32_t AutoDetect = 0, Blue = 1, Olive = 2, Silver = 3, Royal = 4, Black = 5;
}
// Also the numbering of m_ThemeIndex.
namespace ecAppearanceThemesDefault {
constexpr std::int32_t Blue = 0, Olive = 1, Silver = 2, Royal = 3, Standard3D = 4, Black = 5;
}
namespace ecGradientType {
constexpr std::int32_t ColorTowardsDark = 0, DarkTowardsColor = 1, ColorTowardsLight = 2,
                       LightTowardsColor = 3;
}
namespace ecPictureEffect {
constexpr std::int32_t NoEffect = 0, Gray = 1, Lighter = 2, Darkness = 3;
}
namespace ecEvents {
constexpr std::int32_t Always = 0, Never = 1, OnFocus = 2, OnClick = 3, OnMouseOver = 4,
                       OnFocusOrMouseOver = 5, OnFocusOrMouseOverOrClick = 6;
}
namespace ecDepthMode {
constexpr std::int32_t CaptionAndPicture = 0, OnlyCaption = 1, OnlyPicture = 2;
}
namespace ecCaptionPos {
constexpr std::int32_t LeftOfPicture = 0, RightOfPicture = 1, TopOfPicture = 2,
                       BottomOfPicture = 3, AbovePicture = 4;
}
namespace ecAlignment {
constexpr std::int32_t TopLeft = 0, TopCenter = 1, TopRight = 2, MiddleLeft = 3,
                       MiddleCenter = 4, MiddleRight = 5, BottomLeft = 6, BottomCenter = 7,
                       BottomRight = 8;
}
namespace ecCaptionEffect {
constexpr std::int32_t Shadowed = 0, Embossed = 1, Engraved = 2;
}
namespace ecToolTipStyle {
constexpr std::int32_t Classic = 0, Balloon = 1, Rectangular = 2;
}
namespace ecToolTipIcon {
constexpr std::int32_t None = 0, Info = 1, Warning = 2, Error = 3;
}

}  // namespace vemmix
