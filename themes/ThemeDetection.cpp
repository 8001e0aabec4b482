#include "themes/ThemeDetection.h"

namespace vemmix {

std::optional<std::u16string> TrimAtNull(std::u16string_view text) {
    const std::size_t nul = text.find(u'\0');
    if (nul == std::u16string_view::npos) {
        return std::nullopt;  // the cut would have a negative length
    }
    return std::u16string(text.substr(0, nul));
}

std::int32_t DetectSystemTheme(const std::optional<VisualStyleBuffers>& query, std::int32_t defaultThemes) {
    if (!query) {
        return defaultThemes;
    }
    // Every buffer is cut, the unused size name too; any one without a NUL
    // ends detection in the fallback.
    const std::optional<std::u16string> themeFile = TrimAtNull(query->themeFile);
    const std::optional<std::u16string> colorName = TrimAtNull(query->colorName);
    const std::optional<std::u16string> sizeName = TrimAtNull(query->sizeName);
    if (!themeFile || !colorName || !sizeName) {
        return defaultThemes;
    }

    // Only the first occurrence is looked at, and it counts only after the
    // first character: a name starting with "Royal" is not the royal style,
    // even when the word comes again later.
    const std::size_t royal = themeFile->find(u"Royal");
    if (royal != std::u16string::npos && royal >= 1) {
        return 3;
    }

    const std::u16string_view scheme = *colorName;
    if (scheme.starts_with(u"NormalColor")) {
        return 0;
    }
    if (scheme.starts_with(u"HomeStead")) {
        return 1;
    }
    if (scheme.starts_with(u"Metallic")) {
        return 2;
    }
    return 0;
}

}  // namespace vemmix
