#include "themes/ThemeDetection.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vemmix {
namespace {

// A name as the platform leaves it: written over a buffer of 256 spaces and
// ended by a NUL.
std::u16string Filled(std::u16string_view name) {
    std::u16string buffer(256, u' ');
    buffer.replace(0, name.size(), name);
    buffer[name.size()] = u'\0';
    return buffer;
}

// A buffer the platform never terminated.
std::u16string Unterminated(std::u16string_view name) {
    std::u16string buffer(256, u' ');
    buffer.replace(0, name.size(), name);
    return buffer;
}

const std::u16string kLuna = u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles";
const std::u16string kRoyale = u"C:\\WINDOWS\\resources\\Themes\\Royale\\Royale.msstyles";

TEST(TrimAtNull, CutsAtTheFirstNul) {
    EXPECT_EQ(TrimAtNull(std::u16string(u"abc\0def\0", 8)), u"abc");
    EXPECT_EQ(TrimAtNull(std::u16string(u"\0abc", 4)), u"");
    EXPECT_EQ(TrimAtNull(Filled(u"Metallic")), u"Metallic");
}

TEST(TrimAtNull, TextWithoutNulIsAnError) {
    EXPECT_EQ(TrimAtNull(u"abc"), std::nullopt);
    EXPECT_EQ(TrimAtNull(u""), std::nullopt);
    EXPECT_EQ(TrimAtNull(std::u16string(256, u' ')), std::nullopt);
}

struct DetectionRule {
    const char* name;
    std::optional<VisualStyleBuffers> query;
    std::int32_t defaultThemes;
    std::int32_t expected;
};

VisualStyleBuffers Style(std::u16string_view themeFile, std::u16string_view colorName,
                         std::u16string_view sizeName = u"NormalSize") {
    return {Filled(themeFile), Filled(colorName), Filled(sizeName)};
}

class ThemeDetection : public ::testing::TestWithParam<DetectionRule> {};

TEST_P(ThemeDetection, YieldsTheme) {
    const DetectionRule& rule = GetParam();
    EXPECT_EQ(DetectSystemTheme(rule.query, rule.defaultThemes), rule.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ThemeDetection,
    ::testing::Values(
        // the query fails: classic look, or no visual-styles interface
        DetectionRule{"NoStyleDefaultBlue", std::nullopt, 0, 0},
        DetectionRule{"NoStyleStandard3D", std::nullopt, 4, 4},
        DetectionRule{"NoStyleBlack", std::nullopt, 5, 5},
        DetectionRule{"NoStyleOutOfRangeDefaultKept", std::nullopt, 9, 9},
        // colour scheme names, case-sensitive prefixes
        DetectionRule{"NormalColor", Style(kLuna, u"NormalColor"), 5, 0},
        DetectionRule{"HomeStead", Style(kLuna, u"HomeStead"), 5, 1},
        DetectionRule{"Metallic", Style(kLuna, u"Metallic"), 5, 2},
        DetectionRule{"PrefixIsEnough", Style(kLuna, u"MetallicBlue"), 5, 2},
        DetectionRule{"LowerCaseMetallic", Style(kLuna, u"metallic"), 5, 0},
        DetectionRule{"HomesteadOtherCase", Style(kLuna, u"Homestead"), 5, 0},
        DetectionRule{"NotAtStart", Style(kLuna, u"XMetallic"), 5, 0},
        DetectionRule{"ShorterThanPrefix", Style(kLuna, u"Metal"), 5, 0},
        DetectionRule{"OtherScheme", Style(kLuna, u"Zune"), 5, 0},
        DetectionRule{"EmptyScheme", Style(kLuna, u""), 5, 0},
        // the theme file name: "Royal" after its first character wins
        DetectionRule{"RoyalInPath", Style(kRoyale, u"NormalColor"), 5, 3},
        DetectionRule{"RoyalBeatsScheme", Style(kRoyale, u"Metallic"), 5, 3},
        DetectionRule{"RoyalAtSecondCharacter", Style(u"xRoyal", u"HomeStead"), 5, 3},
        DetectionRule{"RoyalAtFirstCharacterIgnored", Style(u"Royal.msstyles", u"HomeStead"), 5, 1},
        DetectionRule{"FirstOccurrenceDecidesEvenIfRepeated", Style(u"Royale\\Royale.msstyles", u"Metallic"), 5, 2},
        DetectionRule{"RoyalLowerCaseIgnored", Style(u"C:\\Themes\\royale.msstyles", u"HomeStead"), 5, 1},
        DetectionRule{"RoyalInSchemeIgnored", Style(kLuna, u"Royal"), 5, 0},
        // only the text before the NUL counts
        DetectionRule{"RoyalAfterNulIgnored",
                      VisualStyleBuffers{std::u16string(u"Luna\0Royal\0", 11), Filled(u"HomeStead"), Filled(u"")}, 5, 1},
        DetectionRule{"SchemeAfterNulIgnored",
                      VisualStyleBuffers{Filled(kLuna), std::u16string(u"\0Metallic\0", 10), Filled(u"")}, 5, 0},
        // a buffer without NUL ends in the fallback, the unused size name too
        DetectionRule{"ThemeFileUnterminated",
                      VisualStyleBuffers{Unterminated(kRoyale), Filled(u"Metallic"), Filled(u"NormalSize")}, 4, 4},
        DetectionRule{"SchemeUnterminated",
                      VisualStyleBuffers{Filled(kLuna), Unterminated(u"Metallic"), Filled(u"NormalSize")}, 5, 5},
        DetectionRule{"SizeNameUnterminated",
                      VisualStyleBuffers{Filled(kLuna), Filled(u"Metallic"), Unterminated(u"NormalSize")}, 1, 1},
        DetectionRule{"EmptyBuffersHaveNoNul", VisualStyleBuffers{}, 4, 4}),
    [](const ::testing::TestParamInfo<DetectionRule>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vemmix
