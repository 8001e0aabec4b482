// The desktop's visual style as the platform reports it to the button.
#pragma once

#include <string>

namespace vemmix {

// What the desktop's visual-style query answers: the theme file name, the
// colour scheme name and the size name, each as the raw 256-character
// buffer the platform filled (the text ends at its first NUL). A platform
// answers nullopt instead when no visual style is in force or it cannot be
// asked.
struct VisualStyleBuffers {
    std::u16string themeFile, colorName, sizeName;
};

}  // namespace vemmix
