// Every property of the button: the value set, the value read back, the
// change notifications in order and whether the setter repaints.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "CoreTestSupport.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

using coretest::Notifications;
using coretest::Repaints;
using headless::HeadlessForm;

struct SetterCase {
    const char* name;
    std::function<void(Zorvane&, HeadlessForm&)> arrange;  // starting state; may be empty
    std::function<void(Zorvane&)> set;
    std::function<Variant(const Zorvane&)> get;
    Variant expected;
    std::vector<std::string> notifications;
    bool repaints;
    // false: the setter also runs presets that notify more; the list is then
    // the start of what is notified.
    bool exact = true;
};

std::ostream& operator<<(std::ostream& os, const SetterCase& c) { return os << c.name; }

PictureRef TestPicture() {
    static const PictureRef picture = MakeEmptyPicture();
    return picture;
}
FontRef TestFont() {
    static const FontRef font = MakeFont(FontDescription{u"Arial", 12.0, true, false, false, false, 0});
    return font;
}

Variant I16(std::int16_t v) { return Variant(v); }
Variant I32(std::int32_t v) { return Variant(v); }
Variant Colour(std::uint32_t v) { return Variant(static_cast<OleColor>(v)); }

#define SET(Prop, value) [](Zorvane& b) { b.Set##Prop(value); }
#define GET(Prop) [](const Zorvane& b) { return Variant(b.Prop()); }
#define NONE {}

// name                          arrange  set                               get                         read back               notifications                                 repaints
const SetterCase kCases[] = {
    {"BackColor",                 NONE, SET(BackColor, 0x00112233),          GET(BackColor),             Colour(0x00112233),     {"BackColor"},                                 true},
    {"BackColorSystem",           NONE, SET(BackColor, SystemColorRef(15)),  GET(BackColor),             Colour(0x8000000F),     {"BackColor"},                                 true},
    {"ForeColor",                 NONE, SET(ForeColor, 0x00010203),          GET(ForeColor),             Colour(0x00010203),     {"ForeColor"},                                 true},
    {"EnabledFalse",              NONE, SET(Enabled, kFalse),                GET(Enabled),               I16(kFalse),            {"Enabled"},                                   true},
    {"EnabledAnyNonZero",         NONE, SET(Enabled, 1),                     GET(Enabled),               I16(kTrue),             {"Enabled"},                                   true},
    {"Font",                      NONE, [](Zorvane& b) { b.SetFont(TestFont()); }, [](const Zorvane& b) { return Variant(ToVBool(b.Font() == TestFont())); }, I16(kTrue), {"Font"}, true},
    {"Refresh",                   NONE, [](Zorvane& b) { b.Refresh(); },     [](const Zorvane&) { return Variant(); }, Variant(), {},                               true},
    {"AppearanceFlat",            NONE, SET(Appearance, 1),                  GET(Appearance),            I32(1),                 {"Appearance"},                                true, false},
    {"AppearanceOutOfRange",      NONE, SET(Appearance, 42),                 GET(Appearance),            I32(42),                {"Appearance"},                                true, false},
    {"DefaultThemesWhenDetected", [](Zorvane& b, HeadlessForm&) { b.SetAppearanceThemes(0); },
                                        SET(DefaultThemes, 2),               GET(DefaultThemes),         I32(2),                 {"DefaultThemes"},                             true, false},
    {"DefaultThemesWhenChosen",   [](Zorvane& b, HeadlessForm&) { b.SetAppearanceThemes(1); },
                                        SET(DefaultThemes, 2),               GET(DefaultThemes),         I32(2),                 {"DefaultThemes"},                             false},
    {"MaskColor",                 NONE, SET(MaskColor, 0x0000FF00),          GET(MaskColor),             Colour(0x0000FF00),     {"MaskColor"},                                 true},
    {"MouseIcon",                 NONE, [](Zorvane& b) { b.SetMouseIcon(TestPicture()); }, [](const Zorvane& b) { return Variant(ToVBool(b.MouseIcon() == TestPicture())); }, I16(kTrue), {"MouseIcon"}, false},
    {"MousePointer",              NONE, SET(MousePointer, 11),               GET(MousePointer),          I16(11),                {"MousePointer"},                              false},
    {"Picture",                   NONE, [](Zorvane& b) { b.SetPicture(TestPicture()); }, [](const Zorvane& b) { return Variant(ToVBool(b.Picture() == TestPicture())); }, I16(kTrue), {"Picture"}, true},
    {"PictureNone",               NONE, SET(Picture, nullptr),               [](const Zorvane& b) { return Variant(ToVBool(b.Picture() == nullptr)); }, I16(kTrue), {"Picture"}, true},
    {"RightToLeft",               NONE, SET(RightToLeft, kTrue),             GET(RightToLeft),           I16(kTrue),             {"RightToLeft"},                               true},
    {"AppearanceModeDropDown",    NONE, SET(AppearanceMode, 2),              GET(AppearanceMode),        I32(2),                 {"AppearanceMode"},                            true},
    {"AppearanceModeOutOfRange",  NONE, SET(AppearanceMode, 7),              GET(AppearanceMode),        I32(7),                 {"AppearanceMode"},                            true},
    {"AppearanceThemes",          NONE, SET(AppearanceThemes, 3),            GET(AppearanceThemes),      I32(3),                 {"AppearanceThemes"},                          true, false},
    {"BackColorDown",             NONE, SET(BackColorDown, 0x00445566),      GET(BackColorDown),         Colour(0x00445566),     {"BackColorDown"},                             true},
    {"BackColorOver",             NONE, SET(BackColorOver, 0x00445567),      GET(BackColorOver),         Colour(0x00445567),     {"BackColorOver"},                             true},
    {"BackColorFocus",            NONE, SET(BackColorFocus, 0x00445568),     GET(BackColorFocus),        Colour(0x00445568),     {"BackColorFocus"},                            true},
    {"BackColorDisabled",         NONE, SET(BackColorDisabled, 0x00445569),  GET(BackColorDisabled),     Colour(0x00445569),     {"BackColorDisabled"},                         true},
    {"BorderColor",               NONE, SET(BorderColor, 0x00FFFFFF),        GET(BorderColor),           Colour(0x00FFFFFF),     {"BorderColor"},                               true},
    {"BorderDrawEvent",           NONE, SET(BorderDrawEvent, 7),             GET(BorderDrawEvent),       I32(7),                 {"BorderDrawEvent"},                           true},
    {"BorderWidth",               NONE, SET(BorderWidth, 3),                 GET(BorderWidth),           I16(3),                 {"BorderWidth"},                               true},
    {"BorderWidthNegative",       NONE, SET(BorderWidth, -2),                GET(BorderWidth),           I16(-2),                {"BorderWidth"},                               true},
    {"TransparentColor",          NONE, SET(TransparentColor, 0x00ABCDEF),   GET(TransparentColor),      Colour(0x00ABCDEF),     {"TransparentColor"},                          true},
    {"Caption",                   NONE, SET(Caption, u"Hello"),              GET(Caption),               Variant(u"Hello"),      {"Caption"},                                   true},
    {"CaptionCutAtNul",           NONE, SET(Caption, std::u16string(u"Ab\0cd", 5)), GET(Caption),        Variant(u"Ab"),         {"Caption"},                                   true},
    {"CaptionEmpty",              NONE, SET(Caption, u""),                   GET(Caption),               Variant(u""),           {"Caption"},                                   true},
    {"CaptionAlignment",          NONE, SET(CaptionAlignment, 9),            GET(CaptionAlignment),      I32(9),                 {"CaptionAlignment"},                          true},
    {"CaptionEffect",             NONE, SET(CaptionEffect, 1),               GET(CaptionEffect),         I32(1),                 {"CaptionEffect"},                             true},
    {"CaptionEffectEvent",        NONE, SET(CaptionEffectEvent, 0),          GET(CaptionEffectEvent),    I32(0),                 {"CaptionEffectEvent"},                        true},
    {"CaptionOffsetX",            NONE, SET(CaptionOffsetX, -7),             GET(CaptionOffsetX),        I16(-7),                {"CaptionOffsetX"},                            true},
    {"CaptionOffsetY",            NONE, SET(CaptionOffsetY, 5),              GET(CaptionOffsetY),        I16(5),                 {"CaptionOffsetY"},                            true},
    {"CaptionPosition",           NONE, SET(CaptionPosition, 3),             GET(CaptionPosition),       I32(3),                 {"CaptionPosition"},                           true},
    {"Depth",                     NONE, SET(Depth, 4),                       GET(Depth),                 I16(4),                 {"Depth"},                                     true},
    {"DepthMode",                 NONE, SET(DepthMode, 2),                   GET(DepthMode),             I32(2),                 {"DepthMode"},                                 true},
    {"DepthEvent",                NONE, SET(DepthEvent, 6),                  GET(DepthEvent),            I32(6),                 {"DepthEvent"},                                true},
    {"DropDownWidth",             NONE, SET(DropDownWidth, 30),              GET(DropDownWidth),         I32(30),                {"DropDownWidth"},                             true},
    {"DropDownWidthZero",         NONE, SET(DropDownWidth, 0),               GET(DropDownWidth),         I32(1),                 {"DropDownWidth"},                             true},
    {"DropDownWidthNegative",     NONE, SET(DropDownWidth, -5),              GET(DropDownWidth),         I32(1),                 {"DropDownWidth"},                             true},
    {"DropDownWidthHuge",         NONE, SET(DropDownWidth, 100000),          GET(DropDownWidth),         I32(100),               {"DropDownWidth"},                             true},
    {"DropDownWidthIsWidth",      NONE, SET(DropDownWidth, 100),             GET(DropDownWidth),         I32(100),               {"DropDownWidth"},                             true},
    {"ForeColorDisabled",         NONE, SET(ForeColorDisabled, 0x00000011),  GET(ForeColorDisabled),     Colour(0x00000011),     {"ForeColorDisabled"},                         true},
    {"ForeColorOver",             NONE, SET(ForeColorOver, 0x00000012),      GET(ForeColorOver),         Colour(0x00000012),     {"ForeColorOver"},                             true},
    {"ForeColorFocus",            NONE, SET(ForeColorFocus, 0x00000013),     GET(ForeColorFocus),        Colour(0x00000013),     {"ForeColorFocus"},                            true},
    {"ForeColorDown",             NONE, SET(ForeColorDown, 0x00000014),      GET(ForeColorDown),         Colour(0x00000014),     {"ForeColorDown"},                             true},
    {"PictureAlignment",          NONE, SET(PictureAlignment, 8),            GET(PictureAlignment),      I32(8),                 {"PictureAlignment"},                          true},
    {"PictureDisabled",           [](Zorvane& b, HeadlessForm&) { b.SetPictureDisabledEffect(2); },
                                        [](Zorvane& b) { b.SetPictureDisabled(TestPicture()); }, GET(PictureDisabledEffect), I32(0), {"PictureDisabled", "PictureDisabledEffect"}, true},
    {"PictureDown",               [](Zorvane& b, HeadlessForm&) { b.SetPictureDownEffect(3); },
                                        [](Zorvane& b) { b.SetPictureDown(TestPicture()); }, GET(PictureDownEffect), I32(0), {"PictureDown", "PictureDownEffect"}, true},
    {"PictureFocus",              [](Zorvane& b, HeadlessForm&) { b.SetPictureFocusEffect(1); },
                                        [](Zorvane& b) { b.SetPictureFocus(TestPicture()); }, GET(PictureFocusEffect), I32(0), {"PictureFocus", "PictureFocusEffect"}, true},
    {"PictureOver",               [](Zorvane& b, HeadlessForm&) { b.SetPictureOverEffect(2); },
                                        [](Zorvane& b) { b.SetPictureOver(TestPicture()); }, GET(PictureOverEffect), I32(0), {"PictureOver", "PictureOverEffect"}, true},
    {"PictureOverNoObject",       [](Zorvane& b, HeadlessForm&) { b.SetPictureOverEffect(2); },
                                        SET(PictureOver, nullptr),           GET(PictureOverEffect),     I32(0),                 {"PictureOver", "PictureOverEffect"},          true},
    {"PictureOffsetX",            NONE, SET(PictureOffsetX, -3),             GET(PictureOffsetX),        I16(-3),                {"PictureOffsetX"},                            true},
    {"PictureOffsetY",            NONE, SET(PictureOffsetY, 9),              GET(PictureOffsetY),        I16(9),                 {"PictureOffsetY"},                            true},
    {"PictureStretchTrue",        [](Zorvane& b, HeadlessForm&) { b.SetCaptionPosition(1); },
                                        SET(PictureStretch, kTrue),          GET(CaptionPosition),       I32(4),                 {"PictureStretch", "CaptionPosition"},         true},
    {"PictureStretchFalse",       [](Zorvane& b, HeadlessForm&) { b.SetCaptionPosition(2); },
                                        SET(PictureStretch, kFalse),         GET(CaptionPosition),       I32(2),                 {"PictureStretch"},                            true},
    {"PictureDisabledEffectEnabled",  NONE, SET(PictureDisabledEffect, 1),   GET(PictureDisabledEffect), I32(1),                 {"PictureDisabledEffect"},                     false},
    {"PictureDisabledEffectDisabled", [](Zorvane& b, HeadlessForm&) { b.SetEnabled(kFalse); },
                                        SET(PictureDisabledEffect, 1),       GET(PictureDisabledEffect), I32(1),                 {"PictureDisabledEffect"},                     true},
    {"PictureDisabledEffectNoneDisabled", [](Zorvane& b, HeadlessForm&) { b.SetEnabled(kFalse); },
                                        SET(PictureDisabledEffect, 0),       GET(PictureDisabledEffect), I32(0),                 {"PictureDisabledEffect"},                     true},
    {"PictureFocusEffect",        NONE, SET(PictureFocusEffect, 2),          GET(PictureFocusEffect),    I32(2),                 {"PictureFocusEffect"},                        false},
    {"PictureDownEffect",         NONE, SET(PictureDownEffect, 3),           GET(PictureDownEffect),     I32(3),                 {"PictureDownEffect"},                         false},
    {"PictureOverEffect",         NONE, SET(PictureOverEffect, 1),           GET(PictureOverEffect),     I32(1),                 {"PictureOverEffect"},                         false},
    {"PictureOverEffectOutOfRange", NONE, SET(PictureOverEffect, 9),         GET(PictureOverEffect),     I32(9),                 {"PictureOverEffect"},                         false},
    {"DropDownPicture",           NONE, [](Zorvane& b) { b.SetDropDownPicture(TestPicture()); }, [](const Zorvane& b) { return Variant(ToVBool(b.DropDownPicture() == TestPicture())); }, I16(kTrue), {"DropDownPicture"}, true},
    {"ShowFocus",                 NONE, SET(ShowFocus, kTrue),               GET(ShowFocus),             I16(kTrue),             {"ShowFocus"},                                 true},
    {"ToolTipBackColor",          NONE, SET(ToolTipBackColor, 0x00E1FFFF),   GET(ToolTipBackColor),      Colour(0x00E1FFFF),     {"ToolTipBackColor"},                          false},
    {"ToolTipBackColorDefault",   NONE, SET(ToolTipBackColor, -1),           GET(ToolTipBackColor),      Colour(0xFFFFFFFF),     {"ToolTipBackColor"},                          false},
    {"ToolTipForeColor",          NONE, SET(ToolTipForeColor, 0x00000080),   GET(ToolTipForeColor),      Colour(0x00000080),     {"ToolTipForeColor"},                          false},
    {"ToolTipTitle",              NONE, SET(ToolTipTitle, u"Title"),         GET(ToolTipTitle),          Variant(u"Title"),      {"ToolTipTitle"},                              false},
    {"ToolTipStyle",              NONE, SET(ToolTipStyle, 1),                GET(ToolTipStyle),          I32(1),                 {"ToolTipStyle"},                              false},
    {"ToolTipIcon",               NONE, SET(ToolTipIcon, 3),                 GET(ToolTipIcon),           I32(3),                 {"ToolTipIcon"},                               false},
    {"OLEDropMode",               NONE, SET(OLEDropMode, 1),                 GET(OLEDropMode),           I16(1),                 {"OLEDropMode"},                               false},
    {"OLEDragMode",               NONE, SET(OLEDragMode, 1),                 GET(OLEDragMode),           I16(1),                 {"OLEDragMode"},                               false},
    {"GradientType",              NONE, SET(GradientType, 2),                GET(GradientType),          I32(2),                 {"GradientType"},                              true},
    {"TextFadeToColor",           NONE, SET(TextFadeToColor, 0x000000FF),    GET(TextFadeToColor),       Colour(0x000000FF),     {"TextFadeToColor"},                           false},
    {"TextFadeCycle",             NONE, SET(TextFadeCycle, 3),               GET(TextFadeCycle),         I16(3),                 {"TextFadeCycle"},                             false},
    {"TextFadeCycleNegative",     NONE, SET(TextFadeCycle, -5),              GET(TextFadeCycle),         I16(0),                 {"TextFadeCycle"},                             false},
    {"TextFadeEvents",            NONE, SET(TextFadeEvents, 4),              GET(TextFadeEvents),        I32(4),                 {"TextFadeEvents"},                            false},
    {"TextFadeSpeed",             NONE, SET(TextFadeSpeed, 50),              GET(TextFadeSpeed),         I16(50),                {"TextFadeSpeed"},                             false},
    {"TextFadeSpeedZero",         NONE, SET(TextFadeSpeed, 0),               GET(TextFadeSpeed),         I16(1),                 {"TextFadeSpeed"},                             false},
    {"TextFadeSpeedNegative",     NONE, SET(TextFadeSpeed, -3),              GET(TextFadeSpeed),         I16(1),                 {"TextFadeSpeed"},                             false},
    {"TextFadeSpeedHigh",         NONE, SET(TextFadeSpeed, 500),             GET(TextFadeSpeed),         I16(100),               {"TextFadeSpeed"},                             false},
};

#undef SET
#undef GET
#undef NONE

class PropertySetter : public ::testing::TestWithParam<SetterCase> {
protected:
    HeadlessForm form;
};

TEST_P(PropertySetter, StoresNotifiesAndRepaints) {
    const SetterCase& c = GetParam();
    Zorvane& b = AddButton(form);
    if (c.arrange) c.arrange(b, form);
    form.ClearLog();

    c.set(b);

    EXPECT_EQ(c.get(b), c.expected);
    const std::vector<std::string> notified = Notifications(form);
    if (c.exact) {
        EXPECT_EQ(notified, c.notifications);
    } else {
        ASSERT_GE(notified.size(), c.notifications.size());
        EXPECT_EQ(std::vector<std::string>(notified.begin(),
                                           notified.begin() + static_cast<std::ptrdiff_t>(c.notifications.size())),
                  c.notifications);
    }
    if (c.repaints)
        EXPECT_GE(Repaints(form), 1);
    else
        EXPECT_EQ(Repaints(form), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryProperty, PropertySetter, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- colour cache -------------------------------------------------------------

struct ColourCase {
    const char* name;
    void (Zorvane::*set)(OleColor);
    gdi::COLORREF ColorCache::*entry;
};

const ColourCase kColourCases[] = {
    {"BackColor",         &Zorvane::SetBackColor,         &ColorCache::m_BackRGB},
    {"BackColorDown",     &Zorvane::SetBackColorDown,     &ColorCache::m_DownRGB},
    {"BackColorOver",     &Zorvane::SetBackColorOver,     &ColorCache::m_OverRGB},
    {"BackColorFocus",    &Zorvane::SetBackColorFocus,    &ColorCache::m_FocusRGB},
    {"BackColorDisabled", &Zorvane::SetBackColorDisabled, &ColorCache::m_DisabledRGB},
    {"BorderColor",       &Zorvane::SetBorderColor,       &ColorCache::m_BorderRGB},
    {"TransparentColor",  &Zorvane::SetTransparentColor,  &ColorCache::m_TransparentRGB},
    {"ForeColor",         &Zorvane::SetForeColor,         &ColorCache::m_ForeRGB},
    {"ForeColorDisabled", &Zorvane::SetForeColorDisabled, &ColorCache::m_ForeDisabledRGB},
    {"ForeColorOver",     &Zorvane::SetForeColorOver,     &ColorCache::m_ForeOverRGB},
    {"ForeColorFocus",    &Zorvane::SetForeColorFocus,    &ColorCache::m_ForeFocusRGB},
    {"ForeColorDown",     &Zorvane::SetForeColorDown,     &ColorCache::m_ForeDownRGB},
    {"MaskColor",         &Zorvane::SetMaskColor,         &ColorCache::m_MaskRGB},
    {"ToolTipBackColor",  &Zorvane::SetToolTipBackColor,  &ColorCache::m_ToolTipBackRGB},
    {"ToolTipForeColor",  &Zorvane::SetToolTipForeColor,  &ColorCache::m_ToolTipForeRGB},
    {"TextFadeToColor",   &Zorvane::SetTextFadeToColor,   &ColorCache::m_TextFadeToRGB},
};

class ColourSetter : public ::testing::TestWithParam<ColourCase> {
protected:
    HeadlessForm form;
};

// The property keeps the value as set; the cache holds its translation.
TEST_P(ColourSetter, KeepsTheReferenceAndCachesTheTranslation) {
    const ColourCase& c = GetParam();
    Zorvane& b = AddButton(form);
    form.platform().SetSystemColor(5, 0x00123456);

    (b.*c.set)(SystemColorRef(5));
    EXPECT_EQ(b.Colors().*c.entry, 0x00123456u);

    (b.*c.set)(0x00654321);
    EXPECT_EQ(b.Colors().*c.entry, 0x00654321u);

    (b.*c.set)(SystemColorRef(99));  // no such system colour
    EXPECT_EQ(b.Colors().*c.entry, 0u);

    // Nothing re-translates when the system colours change afterwards.
    (b.*c.set)(SystemColorRef(5));
    form.platform().SetSystemColor(5, 0x00000001);
    b.Refresh();
    EXPECT_EQ(b.Colors().*c.entry, 0x00123456u);
}

INSTANTIATE_TEST_SUITE_P(EveryColour, ColourSetter, ::testing::ValuesIn(kColourCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColourProperties, SystemReferenceIsKeptAsSet) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    b.SetForeColorOver(SystemColorRef(18));
    EXPECT_EQ(static_cast<std::uint32_t>(b.ForeColorOver()), 0x80000012u);
}

// ---- BorderColor edge colours -------------------------------------------------

struct EdgeCase {
    std::uint32_t border;
    gdi::COLORREF darkShadow, shadow, light;
};

TEST(BorderColor, DerivesEdgeColoursByChannelShift) {
    const EdgeCase cases[] = {
        {0x00FFFFFF, 0x00646F71, 0x0099A8AC, 0x00FFFFFF},
        {0x00743C00, 0x00000000, 0x000E0000, 0x00914C0E},
        {0x00000000, 0x00000000, 0x00000000, 0x001D100E},
        {0x00808080, 0x00000000, 0x001A292D, 0x009D908E},
    };
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.border);
        b.SetBorderColor(static_cast<OleColor>(c.border));
        EXPECT_EQ(b.Colors().m_BorderRGB, c.border);
        EXPECT_EQ(b.Colors().m_DarkShadowRGB, c.darkShadow);
        EXPECT_EQ(b.Colors().m_ShadowRGB, c.shadow);
        EXPECT_EQ(b.Colors().m_LightRGB, c.light);
    }
}

TEST(BorderColor, SystemHighlightGivesTheSystem3DColours) {
    HeadlessForm form;
    form.platform().SetSystemColor(20, 0x00EEEEEE);
    form.platform().SetSystemColor(21, 0x00111111);
    form.platform().SetSystemColor(22, 0x00DDDDDD);
    form.platform().SetSystemColor(16, 0x00777777);
    Zorvane& b = AddButton(form);

    b.SetBorderColor(SystemColorRef(20));
    EXPECT_EQ(b.Colors().m_BorderRGB, 0x00EEEEEEu);
    EXPECT_EQ(b.Colors().m_DarkShadowRGB, 0x00111111u);
    EXPECT_EQ(b.Colors().m_LightRGB, 0x00DDDDDDu);
    EXPECT_EQ(b.Colors().m_ShadowRGB, 0x00777777u);
}

TEST(BorderColor, AnotherSystemColourIsShiftedFromItsTranslation) {
    HeadlessForm form;
    form.platform().SetSystemColor(15, 0x00FFFFFF);
    Zorvane& b = AddButton(form);
    b.SetBorderColor(SystemColorRef(15));
    EXPECT_EQ(b.Colors().m_DarkShadowRGB, 0x00646F71u);
    EXPECT_EQ(b.Colors().m_ShadowRGB, 0x0099A8ACu);
    EXPECT_EQ(b.Colors().m_LightRGB, 0x00FFFFFFu);
}

// ---- clamps that depend on the width ------------------------------------------

TEST(DropDownWidth, OnAButtonOfWidthZeroStoresZero) {
    HeadlessForm form;
    Zorvane& b = AddButton(form, u"Zorvane1", {0, 0, 0, 30});
    ASSERT_EQ(b.Width(), 0);
    b.SetDropDownWidth(16);
    EXPECT_EQ(b.DropDownWidth(), 0);
    b.SetDropDownWidth(-5);
    EXPECT_EQ(b.DropDownWidth(), 0);
}

TEST(DropDownWidth, ResizingNarrowerKeepsTheValue) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    b.SetAppearanceMode(ecAppearanceMode::DropDown);
    b.SetDropDownWidth(40);
    form.Find(u"Zorvane1")->SetBounds({0, 0, 20, 30});
    EXPECT_EQ(b.Width(), 20);
    EXPECT_EQ(b.DropDownWidth(), 40);
}

// ---- AppearanceMode and ToggleValue --------------------------------------------

TEST(AppearanceMode, ToggleModeResetsToggleValueWithoutNotifyingIt) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    b.SetToggleValue(kTrue);
    ASSERT_EQ(b.ToggleValue(), kTrue);
    form.ClearLog();

    b.SetAppearanceMode(ecAppearanceMode::Toggle);
    EXPECT_EQ(b.ToggleValue(), kFalse);
    EXPECT_EQ(Notifications(form), std::vector<std::string>{"AppearanceMode"});
}

TEST(AppearanceMode, StandardAndDropDownKeepToggleValue) {
    for (std::int32_t mode : {ecAppearanceMode::Standard, ecAppearanceMode::DropDown}) {
        HeadlessForm form;
        Zorvane& b = AddButton(form);
        b.SetToggleValue(kTrue);
        b.SetAppearanceMode(mode);
        EXPECT_EQ(b.ToggleValue(), kTrue) << mode;
    }
}

// ---- Boolean properties hold exactly -1 or 0 -----------------------------------

TEST(BooleanProperties, AnyNonZeroIsStoredAsTrue) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    b.SetShowFocus(1);
    EXPECT_EQ(b.ShowFocus(), kTrue);
    b.SetPictureStretch(7);
    EXPECT_EQ(b.PictureStretch(), kTrue);
    EXPECT_EQ(b.CaptionPosition(), ecCaptionPos::AbovePicture);
}

// ---- Version --------------------------------------------------------------------

TEST(Version, ReadsTheLibraryVersion) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    EXPECT_EQ(b.Version(), u"5.16");
}

TEST(Version, SettingFailsWith382WhileRunning) {
    HeadlessForm form;
    form.ambientUserMode = true;
    Zorvane& b = AddButton(form);
    const std::u16string before = b.Version();
    form.ClearLog();
    EXPECT_EQ(b.SetVersion(u"9.99"), errors::kNotSupportedAtRunTime);
    EXPECT_EQ(b.Version(), before);
    EXPECT_TRUE(form.log().empty());
}

TEST(Version, SettingFailsWith387InADesigner) {
    HeadlessForm form;
    form.ambientUserMode = false;
    Zorvane& b = AddButton(form);
    const std::u16string before = b.Version();
    form.ClearLog();
    EXPECT_EQ(b.SetVersion(u"9.99"), errors::kNotPermitted);
    EXPECT_EQ(b.Version(), before);
    EXPECT_TRUE(form.log().empty());
}

TEST(Version, UnknownUserModeCountsAsDesignTime) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    form.offerAmbients = false;
    EXPECT_EQ(b.SetVersion(u"1"), errors::kNotPermitted);
}

// ---- window-held properties -------------------------------------------------------

struct WindowHeldCase {
    const char* name;
    std::function<std::int32_t(Zorvane&)> set;
    std::function<bool(const Zorvane&)> unchanged;
};

TEST(WindowHeldProperties, WindowErrorReachesTheCallerWithNothingStoredOrNotified) {
    const PictureRef icon = MakeEmptyPicture();
    const WindowHeldCase cases[] = {
        {"Enabled", [](Zorvane& b) { return b.SetEnabled(kFalse); }, [](const Zorvane& b) { return b.Enabled() == kTrue; }},
        {"MousePointer", [](Zorvane& b) { return b.SetMousePointer(5); }, [](const Zorvane& b) { return b.MousePointer() == 0; }},
        {"MouseIcon", [&](Zorvane& b) { return b.SetMouseIcon(icon); }, [](const Zorvane& b) { return b.MouseIcon() == nullptr; }},
        {"RightToLeft", [](Zorvane& b) { return b.SetRightToLeft(kTrue); }, [](const Zorvane& b) { return b.RightToLeft() == kFalse; }},
        {"OLEDropMode", [](Zorvane& b) { return b.SetOLEDropMode(1); }, [](const Zorvane& b) { return b.OLEDropMode() == 0; }},
    };
    for (const WindowHeldCase& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessForm form;
        Zorvane& b = AddButton(form);
        form.Find(u"Zorvane1")->windowError = 70;
        form.ClearLog();
        EXPECT_EQ(c.set(b), 70);
        EXPECT_TRUE(c.unchanged(b));
        EXPECT_TRUE(form.log().empty());
    }
}

TEST(WindowHeldProperties, GetterReadsWhatTheWindowHolds) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    headless::HeadlessSite& site = *form.Find(u"Zorvane1");
    site.SetEnabled(false);
    site.SetMousePointer(3);
    site.SetRightToLeft(true);
    site.SetOLEDropMode(1);
    EXPECT_EQ(b.Enabled(), kFalse);
    EXPECT_EQ(b.MousePointer(), 3);
    EXPECT_EQ(b.RightToLeft(), kTrue);
    EXPECT_EQ(b.OLEDropMode(), 1);
    EXPECT_EQ(b.hWnd(), site.WindowHandle());
}

TEST(Methods, OLEDragStartsADragThroughTheWindow) {
    HeadlessForm form;
    Zorvane& b = AddButton(form);
    form.ClearLog();
    EXPECT_EQ(b.OLEDrag(), 0);
    ASSERT_EQ(form.log().size(), 1u);
    EXPECT_EQ(form.log()[0].kind, headless::LogEntry::Kind::Drag);
}

// ---- enumerated values out of range ----------------------------------------------

TEST(EnumeratedProperties, OutOfRangeValuesAreStoredAndRepaintWithoutFailing) {
    const std::int32_t values[] = {-1, 10, 99, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max()};
    using Setter = void (Zorvane::*)(std::int32_t);
    using Getter = std::int32_t (Zorvane::*)() const;
    const struct {
        const char* name;
        Setter set;
        Getter get;
    } properties[] = {
        {"Appearance", &Zorvane::SetAppearance, &Zorvane::Appearance},
        {"AppearanceMode", &Zorvane::SetAppearanceMode, &Zorvane::AppearanceMode},
        {"AppearanceThemes", &Zorvane::SetAppearanceThemes, &Zorvane::AppearanceThemes},
        {"BorderDrawEvent", &Zorvane::SetBorderDrawEvent, &Zorvane::BorderDrawEvent},
        {"CaptionAlignment", &Zorvane::SetCaptionAlignment, &Zorvane::CaptionAlignment},
        {"CaptionEffect", &Zorvane::SetCaptionEffect, &Zorvane::CaptionEffect},
        {"CaptionEffectEvent", &Zorvane::SetCaptionEffectEvent, &Zorvane::CaptionEffectEvent},
        {"CaptionPosition", &Zorvane::SetCaptionPosition, &Zorvane::CaptionPosition},
        {"DepthMode", &Zorvane::SetDepthMode, &Zorvane::DepthMode},
        {"DepthEvent", &Zorvane::SetDepthEvent, &Zorvane::DepthEvent},
        {"PictureAlignment", &Zorvane::SetPictureAlignment, &Zorvane::PictureAlignment},
        {"GradientType", &Zorvane::SetGradientType, &Zorvane::GradientType},
    };
    for (const auto& p : properties) {
        for (std::int32_t v : values) {
            SCOPED_TRACE(std::string(p.name) + " " + std::to_string(v));
            HeadlessForm form;
            Zorvane& b = AddButton(form);
            b.SetCaption(u"Text");
            const std::size_t liveBefore = gdi::LiveObjectCount();
            form.ClearLog();
            (b.*p.set)(v);
            EXPECT_EQ((b.*p.get)(), v);
            EXPECT_GE(Repaints(form), 1);
            b.Refresh();
            // Shaped keeps one mask picture; nothing else may survive.
            EXPECT_LE(gdi::LiveObjectCount(), liveBefore + 1);
        }
    }
}

}  // namespace
}  // namespace vemmix
