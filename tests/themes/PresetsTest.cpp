// Appearance presets and theme colours, seen from outside the button: the
// properties and cache entries each Appearance / AppearanceThemes change
// leaves, the exact notifications in order, and m_ThemeIndex.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <vemmix/Enums.h>
#include "control/Zorvane.h"
#include <vemmix/headless/HeadlessContainer.h>
#include "base/Color.h"
#include "tests/support/PersistedProperties.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

using ::testing::ElementsAreArray;

// The value an assignment gives; kContainerBack: the container's back
// colour, translated.
constexpr std::int64_t kContainerBack = INT64_MIN;
constexpr std::int64_t S(int n) { return SystemColorRef(n); }

struct Step {
    std::string name;
    std::int64_t value;
};
using Steps = std::vector<Step>;

// ---- expectations, as the button's documentation gives them ------------------

// Notified preset assignments per appearance, in order.
const std::map<int, Steps>& PresetSteps() {
    static const std::map<int, Steps> presets = {
        {0, {{"BorderDrawEvent", 0}, {"DepthEvent", 3}, {"DepthMode", 0}, {"Depth", 2},
             {"BackColor", S(15)}, {"BackColorDown", S(15)}, {"BackColorOver", S(15)},
             {"BackColorFocus", S(15)}, {"BackColorDisabled", S(15)}, {"BorderColor", S(20)}}},
        {1, {{"BorderDrawEvent", 6}, {"DepthEvent", 3}, {"DepthMode", 0}, {"Depth", 2},
             {"BackColor", S(15)}, {"BackColorDown", 0x00CFA8AF}, {"BackColorOver", 0x00CFA8AF},
             {"BackColorFocus", 0x00CFA8AF}, {"BackColorDisabled", S(15)},
             {"BorderColor", 0x007F0000}}},
        {2, {{"ForeColor", S(18)}, {"ForeColorDisabled", S(19)}, {"ForeColorOver", 0x00C66938},
             {"ForeColorFocus", 0x00C66938}, {"ForeColorDown", 0x00C66938},
             {"TransparentColor", 0x00FF00FF}, {"DepthEvent", 3}, {"DepthMode", 1}, {"Depth", 2}}},
        {3, {{"TransparentColor", kContainerBack}, {"BorderDrawEvent", 0}, {"ShowFocus", -1},
             {"DepthEvent", 1}, {"BorderColor", 0x00743C00}}},
        {4, {{"TransparentColor", kContainerBack}, {"BorderDrawEvent", 6},
             {"BackColor", kContainerBack}, {"BackColorDown", 0x00FFFFFF},
             {"BackColorOver", 0x00FFFFFF}, {"BackColorFocus", 0x00FFFFFF},
             {"BackColorDisabled", 0x00FFFFFF}, {"BorderColor", 0x00C3CECE}, {"DepthEvent", 1},
             {"ShowFocus", 0}}},
        {5, {{"BorderDrawEvent", 0}, {"ShowFocus", 0}, {"DepthEvent", 1},
             {"BorderColor", 0x00743C00}}},
        {6, {{"TransparentColor", kContainerBack}, {"BorderDrawEvent", 0}, {"DepthEvent", 1},
             {"ShowFocus", 0}}},
        {7, {{"BorderDrawEvent", 0}, {"Depth", 1}, {"ShowFocus", 0}, {"DepthEvent", 3},
             {"BorderColor", 0x00707070}}},
        {8, {{"BorderDrawEvent", 0}, {"ShowFocus", -1}, {"DepthEvent", 1},
             {"BorderColor", 0x00CF9365}}},
        {9, {{"TransparentColor", kContainerBack}, {"BorderDrawEvent", 0}, {"ShowFocus", 0},
             {"DepthEvent", 3}, {"BorderColor", 0x00743C00}}},
    };
    return presets;
}

Steps PresetOf(int appearance) {
    const auto it = PresetSteps().find(appearance);
    return it == PresetSteps().end() ? Steps{} : it->second;
}

// The fixed colours of the XP-family styles.
Steps FixedOf(int appearance) {
    switch (appearance) {
    case 5: return {{"BorderColor", 0x00743C00}, {"BackColorOver", 0x00CCF4FF}};
    case 6: return {{"BackColorDown", 0x003C8CFB}, {"BackColorOver", 0x0067D7FF}};
    case 7: return {{"BackColorDown", 0x00EFD198}, {"BackColorOver", 0x00FDE6BE}};
    case 8:
        return {{"BackColorDown", 0x003C8CFB}, {"BackColorOver", 0x0067D7FF},
                {"BorderColor", 0x00CF9365}};
    default: return {};
    }
}

enum class T { Blue, Olive, Silver, Royal, Black, Standard3D };

struct ThemeResult {
    Steps steps;
    std::int32_t themeIndex;
};

// What a theme sets on a style (after the fixed colours).
ThemeResult ThemeOf(int appearance, T theme) {
    auto five = [](std::int64_t back, std::int64_t down, std::int64_t over, std::int64_t focus,
                   std::int64_t disabled) {
        return Steps{{"BackColor", back}, {"BackColorDown", down}, {"BackColorOver", over},
                     {"BackColorFocus", focus}, {"BackColorDisabled", disabled}};
    };
    auto withBorder = [](Steps s, std::int64_t border) {
        s.push_back({"BorderColor", border});
        return s;
    };
    auto backs = [](std::int64_t back) {
        return Steps{{"BackColor", back}, {"BackColorFocus", back}, {"BackColorDisabled", back}};
    };
    switch (appearance) {
    case 3:
        switch (theme) {
        case T::Blue:   return {withBorder(five(0xFFFFFF, 0xE6EBEC, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF), 0x743C00), 0};
        case T::Olive:  return {withBorder(five(0xF6FFFF, 0xDBEEF3, 0xF6FFFF, 0xF6FFFF, 0xF6FFFF), 0x066237), 1};
        case T::Silver: return {withBorder(five(0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF), 0x743C00), 2};
        case T::Royal:  return {withBorder(five(0xECDED5, 0xECDED5, 0xECDED5, 0xECDED5, 0xECDED5), 0x82502D), 3};
        case T::Black:  return {withBorder(five(0xEFEFEF, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF), 0x743C00), 2};
        default: break;
        }
        break;
    case 5: {
        auto four = [](std::int64_t back, std::int64_t down, std::int64_t focus, std::int64_t disabled) {
            return Steps{{"BackColor", back}, {"BackColorDown", down}, {"BackColorFocus", focus},
                         {"BackColorDisabled", disabled}};
        };
        switch (theme) {
        case T::Blue:
        case T::Standard3D: return {four(0xF5D1B6, 0xF5D1B6, 0xF5D1B6, 0xF5D1B6), 0};
        case T::Olive:      return {four(0xA1D6C7, 0xA1D6C7, 0xA1D6C7, 0xA1D6C7), 1};
        case T::Silver:     return {four(0xDDCDCD, 0xDDCDCD, 0xDDCDCD, 0xDDCDCD), 2};
        case T::Royal:      return {five(0xEDE9EB, 0xD4AF99, 0xE5CFC2, 0xE5CFC2, 0xEDE9EB), 3};
        case T::Black:      return {four(0xC1BBB7, 0xC1BBB7, 0xC1BBB7, 0xC1BBB7), 2};
        }
        break;
    }
    case 6:
        switch (theme) {
        case T::Blue:
        case T::Royal:  return {withBorder(backs(0xE9D0BC), 0xE4BCA0), 0};
        case T::Olive:  return {withBorder(backs(0xB1E6D7), 0x518677), 1};
        case T::Silver: return {withBorder(backs(0xEEEAE7), 0xCCCBCB), 2};
        case T::Black:  return {withBorder(backs(0xD7D5CE), 0xC7C4BC), 5};
        default: break;
        }
        break;
    case 7:
        switch (theme) {
        case T::Blue:
        case T::Royal:  return {withBorder(backs(0xDDDDDD), 0x707070), 0};
        case T::Olive:  return {withBorder(backs(0xB1E6D7), 0x518677), 1};
        case T::Silver: return {withBorder(backs(0xE1D7D5), 0x808080), 2};
        case T::Black:  return {withBorder(backs(0xD1CBC7), 0x303030), 5};
        default: break;
        }
        break;
    case 8:
        switch (theme) {
        case T::Blue:
        case T::Royal:  return {backs(0xFFD1AD), 0};
        case T::Olive:  return {backs(0x91C6B7), 1};
        case T::Silver: return {backs(0xD1C7C5), 2};
        case T::Black:  return {backs(0xD1CBC7), 5};
        default: break;
        }
        break;
    default: break;
    }
    return {{}, -1};
}

// ---- the button -----------------------------------------------------------------

const std::map<std::string, COLORREF ColorCache::*>& CacheOf() {
    static const std::map<std::string, COLORREF ColorCache::*> cache = {
        {"BackColor", &ColorCache::m_BackRGB},
        {"BackColorDown", &ColorCache::m_DownRGB},
        {"BackColorOver", &ColorCache::m_OverRGB},
        {"BackColorFocus", &ColorCache::m_FocusRGB},
        {"BackColorDisabled", &ColorCache::m_DisabledRGB},
        {"BorderColor", &ColorCache::m_BorderRGB},
        {"TransparentColor", &ColorCache::m_TransparentRGB},
        {"ForeColor", &ColorCache::m_ForeRGB},
        {"ForeColorDisabled", &ColorCache::m_ForeDisabledRGB},
        {"ForeColorOver", &ColorCache::m_ForeOverRGB},
        {"ForeColorFocus", &ColorCache::m_ForeFocusRGB},
        {"ForeColorDown", &ColorCache::m_ForeDownRGB},
    };
    return cache;
}

std::u16string Wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

class PresetsTest : public ::testing::Test {
protected:
    headless::HeadlessForm form;
    Zorvane* button = nullptr;

    Zorvane& NewButton() {
        button = &AddButton(form);
        form.ClearLog();
        return *button;
    }

    std::vector<std::string> Notified() const {
        std::vector<std::string> names;
        for (const auto& e : const_cast<headless::HeadlessForm&>(form).log())
            if (e.kind == headless::LogEntry::Kind::PropertyChanged)
                names.push_back(test::Narrow16(e.name));
        return names;
    }

    COLORREF Translate(std::int64_t v) const {
        return TranslateColor(static_cast<OleColor>(v), ClassicSystemColors());
    }
    std::int64_t Resolve(std::int64_t v) const {
        return v == kContainerBack ? static_cast<std::int64_t>(Translate(form.ambientBackColor)) : v;
    }

    std::int32_t Get(const std::string& name) const {
        return ToInt32(test::PersistedValue(*button, Wide(name))).value();
    }

    // Every step's property holds the last value given to it; a colour's
    // cache entry holds its translation.
    void ExpectFinal(const Steps& steps) const {
        std::map<std::string, std::int64_t> last;
        for (const Step& s : steps) last[s.name] = Resolve(s.value);
        for (const auto& [name, value] : last) {
            EXPECT_EQ(Get(name), static_cast<std::int32_t>(value)) << name;
            if (auto it = CacheOf().find(name); it != CacheOf().end()) {
                EXPECT_EQ(button->Colors().*(it->second), Translate(value)) << name << " cache";
            }
        }
    }

    static std::vector<std::string> Names(const std::vector<Steps>& lists,
                                          std::vector<std::string> head = {}) {
        for (const Steps& list : lists)
            for (const Step& s : list) head.push_back(s.name);
        return head;
    }
};

// ---- appearance presets ----------------------------------------------------------

class PresetTableTest : public PresetsTest, public ::testing::WithParamInterface<int> {};

TEST_P(PresetTableTest, SetsItsPropertiesInOrderAndLeavesTheRest) {
    const int appearance = GetParam();
    Zorvane& b = NewButton();
    b.SetAppearanceThemes(7);     // no theme: only the fixed colours follow the preset
    b.SetBorderColor(0x00FFFFFF);  // edge colours derived from white
    b.SetCaptionPosition(1);
    b.SetCaptionAlignment(0);
    b.SetPictureAlignment(0);
    const std::int32_t themeIndex = b.ThemeIndex();
    const ColorCache before = b.Colors();
    form.ClearLog();

    b.SetAppearance(appearance);

    const Steps preset = PresetOf(appearance);
    const Steps fixed = FixedOf(appearance);
    EXPECT_THAT(Notified(), ElementsAreArray(Names({preset, fixed}, {"Appearance"})));
    Steps all = preset;
    all.insert(all.end(), fixed.begin(), fixed.end());
    ExpectFinal(all);
    EXPECT_EQ(b.Appearance(), appearance);
    EXPECT_EQ(b.ThemeIndex(), themeIndex);

    // 3d and flat put the system 3D colours into the edge entries; every
    // other preset leaves the edges that the BorderColor setter derived
    const bool systemEdges = appearance == 0 || appearance == 1;
    EXPECT_EQ(b.Colors().m_DarkShadowRGB, systemEdges ? Translate(S(21)) : before.m_DarkShadowRGB);
    EXPECT_EQ(b.Colors().m_LightRGB, systemEdges ? Translate(S(22)) : before.m_LightRGB);
    EXPECT_EQ(b.Colors().m_ShadowRGB, systemEdges ? Translate(S(16)) : before.m_ShadowRGB);

    // Shaped moves caption and picture to the middle without telling anyone
    if (appearance == 2) {
        EXPECT_EQ(b.CaptionPosition(), 4);
        EXPECT_EQ(b.CaptionAlignment(), 4);
        EXPECT_EQ(b.PictureAlignment(), 4);
    } else {
        EXPECT_EQ(b.CaptionPosition(), 1);
        EXPECT_EQ(b.CaptionAlignment(), 0);
        EXPECT_EQ(b.PictureAlignment(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryAppearance, PresetTableTest,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1));

// ---- theme colours ----------------------------------------------------------------

// How the theme is chosen: AppearanceThemes 1..5, or detection with a
// desktop style or a failing query and DefaultThemes.
struct ThemeChoice {
    const char* label;
    std::int32_t appearanceThemes;
    std::optional<std::u16string> themeFile;  // detection only; nullopt: query fails
    std::u16string colorName;
    std::int32_t defaultThemes;
    T theme;  // the theme that results
};

const ThemeChoice kChoices[] = {
    {"Blue", 1, {}, u"", 0, T::Blue},
    {"Olive", 2, {}, u"", 0, T::Olive},
    {"Silver", 3, {}, u"", 0, T::Silver},
    {"Royal", 4, {}, u"", 0, T::Royal},
    {"Black", 5, {}, u"", 0, T::Black},
    {"DetectNormalColor", 0, u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles", u"NormalColor", 5, T::Blue},
    {"DetectHomeStead", 0, u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles", u"HomeStead", 5, T::Olive},
    {"DetectMetallic", 0, u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles", u"Metallic", 5, T::Silver},
    {"DetectRoyal", 0, u"C:\\WINDOWS\\resources\\Themes\\Royale\\Royale.msstyles", u"NormalColor", 5, T::Royal},
    {"DetectOtherScheme", 0, u"C:\\Themes\\Other.msstyles", u"metallic", 5, T::Blue},
    {"FailDefault0", 0, std::nullopt, u"", 0, T::Blue},
    {"FailDefault1", 0, std::nullopt, u"", 1, T::Olive},
    {"FailDefault2", 0, std::nullopt, u"", 2, T::Silver},
    {"FailDefault3", 0, std::nullopt, u"", 3, T::Royal},
    {"FailDefault4", 0, std::nullopt, u"", 4, T::Standard3D},
    {"FailDefault5", 0, std::nullopt, u"", 5, T::Black},
    {"FailDefault9", 0, std::nullopt, u"", 9, T::Blue},  // not a theme: taken as blue
};

void PrintTo(const ThemeChoice& c, std::ostream* os) { *os << c.label; }

class ThemeTableTest : public PresetsTest,
                       public ::testing::WithParamInterface<std::tuple<int, ThemeChoice>> {};

TEST_P(ThemeTableTest, SetsFixedThenThemeColoursAndThemeIndex) {
    const auto& [appearance, choice] = GetParam();
    Zorvane& b = NewButton();
    b.SetAppearanceThemes(7);
    b.SetAppearance(appearance);
    b.SetDefaultThemes(choice.defaultThemes);  // AppearanceThemes is not 0: no colour changes
    form.platform().SetVisualStyle(choice.themeFile, choice.colorName);
    form.ClearLog();

    b.SetAppearanceThemes(choice.appearanceThemes);

    const Steps fixed = FixedOf(appearance);
    if (choice.theme == T::Standard3D && appearance != 5) {
        // the plain 3d look instead, and no word about Appearance
        EXPECT_THAT(Notified(), ElementsAreArray(Names({fixed, PresetOf(0)}, {"AppearanceThemes"})));
        EXPECT_EQ(b.Appearance(), 0);
        EXPECT_EQ(b.ThemeIndex(), 4);
        ExpectFinal(PresetOf(0));
        EXPECT_EQ(b.Colors().m_DarkShadowRGB, Translate(S(21)));
        return;
    }
    const ThemeResult theme = ThemeOf(appearance, choice.theme);
    EXPECT_THAT(Notified(), ElementsAreArray(Names({fixed, theme.steps}, {"AppearanceThemes"})));
    Steps all = fixed;
    all.insert(all.end(), theme.steps.begin(), theme.steps.end());
    ExpectFinal(all);
    EXPECT_EQ(b.Appearance(), appearance);
    EXPECT_EQ(b.ThemeIndex(), theme.themeIndex);
}

INSTANTIATE_TEST_SUITE_P(
    XpFamily, ThemeTableTest,
    ::testing::Combine(::testing::Values(3, 5, 6, 7, 8), ::testing::ValuesIn(kChoices)),
    [](const auto& info) {
        return "Appearance" + std::to_string(std::get<0>(info.param)) + "_" +
               std::get<1>(info.param).label;
    });

// Every other appearance ignores the theme completely.
class OtherAppearanceThemeTest
    : public PresetsTest,
      public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(OtherAppearanceThemeTest, ChangesNothingButAppearanceThemes) {
    const auto& [appearance, themes] = GetParam();
    form.platform().SetVisualStyle(u"C:\\Themes\\Luna.msstyles", u"HomeStead");
    Zorvane& b = NewButton();
    ASSERT_EQ(b.ThemeIndex(), 1);  // olive, from the desktop
    b.SetAppearanceThemes(3);      // silver on Windows XP: index 2
    b.SetAppearance(appearance);
    const ColorCache before = b.Colors();
    const OleColor back = b.BackColor();
    form.ClearLog();

    b.SetAppearanceThemes(themes);

    EXPECT_THAT(Notified(), ElementsAreArray({std::string("AppearanceThemes")}));
    EXPECT_EQ(b.ThemeIndex(), 2);
    EXPECT_EQ(b.BackColor(), back);
    EXPECT_EQ(b.Colors().m_BackRGB, before.m_BackRGB);
    EXPECT_EQ(b.Colors().m_BorderRGB, before.m_BorderRGB);
}

INSTANTIATE_TEST_SUITE_P(NotXpFamily, OtherAppearanceThemeTest,
                         ::testing::Combine(::testing::Values(0, 1, 2, 4, 9, 11),
                                            ::testing::Values(0, 1, 2, 3, 4, 5, 7)));

// An AppearanceThemes outside 0..5 keeps the fixed colours only.
TEST_F(PresetsTest, UnknownAppearanceThemesStopsAfterTheFixedColours) {
    Zorvane& b = NewButton();
    b.SetAppearance(8);
    const std::int32_t themeIndex = b.ThemeIndex();
    b.SetBackColorDown(0x00010203);
    form.ClearLog();
    b.SetAppearanceThemes(6);
    EXPECT_THAT(Notified(), ElementsAreArray(Names({FixedOf(8)}, {"AppearanceThemes"})));
    EXPECT_EQ(b.BackColorDown(), 0x003C8CFB);
    EXPECT_EQ(b.ThemeIndex(), themeIndex);
}

// ---- detection through the button ---------------------------------------------------

struct DetectionCase {
    const char* label;
    std::optional<std::u16string> themeFile;
    std::u16string colorName;
    std::int32_t defaultThemes;
    std::int32_t themeIndex;
};

void PrintTo(const DetectionCase& c, std::ostream* os) { *os << c.label; }

class DetectionTest : public PresetsTest, public ::testing::WithParamInterface<DetectionCase> {};

// Office 2003 keeps every detected index (standard 3D is blue there but
// m_ThemeIndex is the row's), so detection is seen through Windows XP
// with a default of olive.
TEST_P(DetectionTest, GivesTheThemeIndex) {
    const DetectionCase& c = GetParam();
    Zorvane& b = NewButton();
    b.SetAppearanceThemes(7);
    b.SetDefaultThemes(c.defaultThemes);
    form.platform().SetVisualStyle(c.themeFile, c.colorName);
    b.SetAppearanceThemes(0);
    EXPECT_EQ(b.ThemeIndex(), c.themeIndex);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopStyles, DetectionTest,
    ::testing::Values(
        DetectionCase{"Normal", u"C:\\Luna\\Luna.msstyles", u"NormalColor", 1, 0},
        DetectionCase{"HomeStead", u"C:\\Luna\\Luna.msstyles", u"HomeStead", 0, 1},
        DetectionCase{"Metallic", u"C:\\Luna\\Luna.msstyles", u"Metallic", 0, 2},
        DetectionCase{"RoyalInPath", u"C:\\Themes\\Royale\\Royale.msstyles", u"Metallic", 0, 3},
        DetectionCase{"RoyalAtStart", u"Royale.msstyles", u"HomeStead", 0, 1},
        DetectionCase{"LowerCaseScheme", u"C:\\Luna.msstyles", u"metallic", 1, 0},
        DetectionCase{"ClassicLookOlive", std::nullopt, u"", 1, 1},
        DetectionCase{"ClassicLookSilver", std::nullopt, u"", 2, 2},
        DetectionCase{"ClassicLookRoyal", std::nullopt, u"", 3, 3}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(PresetsTest, BufferWithoutNulFallsBackToDefaultThemes) {
    Zorvane& b = NewButton();
    b.SetAppearanceThemes(7);
    b.SetDefaultThemes(2);
    form.platform().SetVisualStyleBuffers(VisualStyleBuffers{
        std::u16string(256, u'x'), std::u16string(u"NormalColor\0", 12), std::u16string(u"\0", 1)});
    b.SetAppearanceThemes(0);
    EXPECT_EQ(b.ThemeIndex(), 2);
    EXPECT_EQ(b.BackColor(), 0x00FFFFFF);
    EXPECT_EQ(b.BackColorDown(), 0x00FFFFFF);  // silver
}

TEST_F(PresetsTest, DetectionAsksTheDesktopAgainEveryTime) {
    Zorvane& b = NewButton();
    EXPECT_EQ(b.ThemeIndex(), 0);
    form.platform().SetVisualStyle(u"C:\\Luna.msstyles", u"HomeStead");
    b.SetDefaultThemes(3);  // AppearanceThemes 0: the colours are taken again
    EXPECT_EQ(b.ThemeIndex(), 1);
    EXPECT_EQ(b.BorderColor(), 0x00066237);
}

// ---- documented edge cases -----------------------------------------------------------

TEST_F(PresetsTest, ThreeDOnAWindowsXpButton) {
    Zorvane& b = NewButton();
    b.SetAppearance(0);
    EXPECT_EQ(b.BackColor(), SystemColorRef(15));
    EXPECT_EQ(b.Colors().m_BackRGB, Translate(S(15)));
    EXPECT_EQ(b.BorderDrawEvent(), 0);
    EXPECT_EQ(b.DepthEvent(), 3);
    EXPECT_EQ(b.DepthMode(), 0);
    EXPECT_EQ(b.Depth(), 2);
}

TEST_F(PresetsTest, BlackThemeIsGreyOnWindowsXpAndBlackOnOffice2007) {
    Zorvane& b = NewButton();
    b.SetAppearanceThemes(5);
    EXPECT_EQ(b.BackColor(), 0x00EFEFEF);
    EXPECT_EQ(b.ThemeIndex(), 2);
    b.SetAppearance(6);
    EXPECT_EQ(b.BackColor(), 0x00D7D5CE);
    EXPECT_EQ(b.ThemeIndex(), 5);
}

TEST_F(PresetsTest, RoyalIsBlueOnOffice2007AndVista) {
    for (int appearance : {6, 7, 8}) {
        Zorvane& b = NewButton();
        b.SetAppearance(appearance);
        const OleColor blue = b.BackColor();
        b.SetAppearanceThemes(2);
        ASSERT_NE(b.BackColor(), blue);
        b.SetAppearanceThemes(4);
        EXPECT_EQ(b.BackColor(), blue) << appearance;
        EXPECT_EQ(b.ThemeIndex(), 0) << appearance;
        form.RemoveControl(*form.sites().front());
    }
}

TEST_F(PresetsTest, NoDesktopThemeWithStandard3DDefault) {
    form.platform().SetVisualStyle(std::nullopt);
    for (int appearance : {3, 6, 7, 8}) {
        Zorvane& b = NewButton();
        b.SetAppearanceThemes(7);
        b.SetAppearance(appearance);
        b.SetDefaultThemes(4);
        form.ClearLog();
        b.SetAppearanceThemes(0);
        EXPECT_EQ(b.Appearance(), 0) << appearance;
        EXPECT_EQ(b.ThemeIndex(), 4) << appearance;
        EXPECT_EQ(b.BackColor(), SystemColorRef(15)) << appearance;
        EXPECT_THAT(Notified(), ::testing::Not(::testing::Contains("Appearance")));
        form.RemoveControl(*form.sites().front());
    }
    Zorvane& office = NewButton();
    office.SetAppearanceThemes(7);
    office.SetAppearance(5);
    office.SetDefaultThemes(4);
    office.SetAppearanceThemes(0);
    EXPECT_EQ(office.Appearance(), 5);
    EXPECT_EQ(office.BackColor(), 0x00F5D1B6);
    EXPECT_EQ(office.ThemeIndex(), 0);
}

TEST_F(PresetsTest, DefaultThemesWithAChosenThemeChangesNoColour) {
    form.platform().SetVisualStyle(std::nullopt);
    Zorvane& b = NewButton();
    b.SetAppearanceThemes(2);
    const ColorCache before = b.Colors();
    const OleColor back = b.BackColor();
    form.ClearLog();
    b.SetDefaultThemes(5);
    EXPECT_THAT(Notified(), ElementsAreArray({std::string("DefaultThemes")}));
    EXPECT_EQ(b.BackColor(), back);
    EXPECT_EQ(b.Colors().m_BackRGB, before.m_BackRGB);
    EXPECT_EQ(b.ThemeIndex(), 1);
}

TEST_F(PresetsTest, ExplorerXpTakesTheContainerColourAndKeepsTheThemeIndex) {
    form.ambientBackColor = 0x00123456;
    form.platform().SetVisualStyle(u"C:\\Luna.msstyles", u"Metallic");
    Zorvane& b = NewButton();
    ASSERT_EQ(b.ThemeIndex(), 2);
    form.platform().SetVisualStyle(u"C:\\Luna.msstyles", u"HomeStead");
    b.SetAppearance(4);
    EXPECT_EQ(b.BackColor(), 0x00123456);
    EXPECT_EQ(b.Colors().m_BackRGB, 0x00123456u);
    EXPECT_EQ(b.TransparentColor(), 0x00123456);
    EXPECT_EQ(b.ThemeIndex(), 2);
}

TEST_F(PresetsTest, ContainerColourIsStoredTranslated) {
    form.ambientBackColor = SystemColorRef(5);
    Zorvane& b = NewButton();
    b.SetAppearance(9);
    EXPECT_EQ(b.TransparentColor(), static_cast<OleColor>(Translate(S(5))));
}

TEST_F(PresetsTest, UnreadableContainerColourKeepsTheValueUntranslated) {
    Zorvane& b = NewButton();
    b.SetTransparentColor(SystemColorRef(5));
    b.SetBackColor(SystemColorRef(8));
    form.offerAmbients = false;
    form.ClearLog();
    b.SetAppearance(4);
    EXPECT_EQ(b.TransparentColor(), SystemColorRef(5));
    EXPECT_EQ(b.Colors().m_TransparentRGB, 0x80000005u);
    EXPECT_EQ(b.BackColor(), SystemColorRef(8));
    EXPECT_EQ(b.Colors().m_BackRGB, 0x80000008u);
    EXPECT_THAT(Notified(), ElementsAreArray(Names({PresetOf(4)}, {"Appearance"})));
}

}  // namespace
}  // namespace vemmix
