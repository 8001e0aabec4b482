// The platform's answers from the desktop: the palette mapped onto the
// system colours, the visual style a setting or the desktop gives and the
// theme the button detects from it, the environment's override, the
// resolution.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include <vemmix/Dispatch.h>
#include <vemmix/host/Desktop.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

using host::VisualStyleName;

COLORREF Ref(const QColor& c) {
    return static_cast<COLORREF>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

// A palette whose every role in every group has a colour of its own.
QPalette DistinctPalette() {
    QPalette palette;
    int n = 1;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
        {
            palette.setColor(group, static_cast<QPalette::ColorRole>(role), QColor(n * 3 % 256, n * 7 % 256, n));
            ++n;
        }
    return palette;
}

struct Row {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

TEST(Desktop, ThePaletteMapsOntoTheSystemColours) {
    const QPalette palette = DistinctPalette();
    const host::PaletteSystemColors colors(palette);
    const Row rows[] = {
        {0, QPalette::Active, QPalette::Button},         {2, QPalette::Active, QPalette::Highlight},
        {3, QPalette::Inactive, QPalette::Highlight},    {4, QPalette::Active, QPalette::Window},
        {5, QPalette::Active, QPalette::Base},           {6, QPalette::Active, QPalette::Shadow},
        {7, QPalette::Active, QPalette::WindowText},     {8, QPalette::Active, QPalette::Text},
        {9, QPalette::Active, QPalette::HighlightedText}, {10, QPalette::Active, QPalette::Button},
        {11, QPalette::Active, QPalette::Button},        {12, QPalette::Active, QPalette::Dark},
        {13, QPalette::Active, QPalette::Highlight},     {14, QPalette::Active, QPalette::HighlightedText},
        {15, QPalette::Active, QPalette::Button},        {16, QPalette::Active, QPalette::Dark},
        {17, QPalette::Disabled, QPalette::Text},        {18, QPalette::Active, QPalette::ButtonText},
        {19, QPalette::Inactive, QPalette::HighlightedText}, {20, QPalette::Active, QPalette::Light},
        {21, QPalette::Active, QPalette::Shadow},        {22, QPalette::Active, QPalette::Midlight},
        {23, QPalette::Active, QPalette::ToolTipText},   {24, QPalette::Active, QPalette::ToolTipBase},
        {26, QPalette::Active, QPalette::Link},          {29, QPalette::Active, QPalette::Highlight},
        {30, QPalette::Active, QPalette::Window},
    };
    for (const Row& row : rows)
        EXPECT_EQ(colors.SystemColor(row.index), Ref(palette.color(row.group, row.role))) << row.index;
    for (int classic : {1, 25, 27, 28}) EXPECT_EQ(colors.SystemColor(classic), ClassicSystemColors().SystemColor(classic));
    EXPECT_FALSE(colors.SystemColor(31));
    EXPECT_FALSE(colors.SystemColor(-1));
}

TEST(Desktop, NamedStylesAnswerAsThatDesktopWould) {
    const auto named = [](const char* name) { return host::VisualStyleFor(*host::ParseVisualStyle(QString::fromLatin1(name))); };
    EXPECT_EQ(named("blue")->colorName, u"NormalColor");
    EXPECT_EQ(named("Olive")->colorName, u"HomeStead");
    EXPECT_EQ(named("SILVER")->colorName, u"Metallic");
    EXPECT_NE(named("royal")->themeFile.find(u"Royale"), std::u16string::npos);
    EXPECT_FALSE(named("none"));
    EXPECT_FALSE(host::ParseVisualStyle(u"purple"));
    host::VisualStyleSetting names;
    names.name.clear();
    names.themeFile = QStringLiteral("X:\\Royal.msstyles");
    names.colorName = QStringLiteral("Metallic");
    EXPECT_EQ(host::VisualStyleFor(names), (VisualStyleName{u"X:\\Royal.msstyles", u"Metallic", u""}));
}

TEST(Desktop, TheDesktopsStyleFollowsItsHighlight) {
    const QPalette saved = QGuiApplication::palette();
    const auto with = [](QColor highlight) {
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::Highlight, highlight);
        QGuiApplication::setPalette(palette);
        return host::DesktopVisualStyle();
    };
    EXPECT_EQ(with(QColor(0x33, 0x99, 0xFF))->colorName, u"NormalColor");
    EXPECT_EQ(with(QColor(0x66, 0xAA, 0x33))->colorName, u"HomeStead");
    EXPECT_EQ(with(QColor(0x80, 0x80, 0x80))->colorName, u"Metallic");
    EXPECT_NE(with(QColor(0x99, 0x33, 0xCC))->themeFile.find(u"Royale"), std::u16string::npos);
    EXPECT_EQ(with(QColor(0xCC, 0x33, 0x33))->colorName, u"NormalColor");  // any other hue
    QGuiApplication::setPalette(saved);
}

TEST(Desktop, ResolutionIsTheScreens) {
    EXPECT_GT(host::DesktopDpiX(), 0);
    EXPECT_LT(host::DesktopDpiY(), 10000);
}

// ---- the button's theme detection under each style ---------------------------------

QByteArray XpForm(const char* style, int themes, int defaultThemes = 0) {
    return QStringLiteral(R"({"format": "vemmix-form", "version": 1,
        "form": {"width": 100, "height": 40, "visualStyle": "%1"},
        "controls": [{"class": "Vemmix.Zorvane", "name": "cmdA", "left": 0, "top": 0, "width": 90, "height": 30,
                      "properties": {"Caption": "Theme", "AppearanceThemes": %2, "DefaultThemes": %3}}]})")
        .arg(QLatin1String(style))
        .arg(themes)
        .arg(defaultThemes)
        .toUtf8();
}

// The form after its button has applied its appearance again, which
// applies the colours of the theme in force (detected or chosen).
QImage Rendered(const QByteArray& json, host::HostOptions options = {}) {
    options.deterministicText = true;
    std::unique_ptr<host::HostedForm> form = Host(Parse(json), options);
    if (!form) return {};
    SetProperty(form->Find(u"cmdA")->control(), u"Appearance", Variant(std::int32_t{3}));
    return form->Render();
}

struct ThemeCase {
    const char* style;
    int themes;  // ecAppearanceThemes of the same colours
};

class DetectedTheme : public ::testing::TestWithParam<ThemeCase> {};

TEST_P(DetectedTheme, IsTheThemeOfTheStyle) {
    const QImage detected = Rendered(XpForm(GetParam().style, 0));
    const QImage chosen = Rendered(XpForm("blue", GetParam().themes));
    EXPECT_EQ(detected, chosen);
    if (GetParam().themes != 1) {
        EXPECT_NE(detected, Rendered(XpForm("blue", 0)));
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, DetectedTheme,
                         ::testing::Values(ThemeCase{"blue", 1}, ThemeCase{"olive", 2}, ThemeCase{"silver", 3},
                                           ThemeCase{"royal", 4}),
                         [](const auto& info) { return std::string(info.param.style); });

TEST(DetectedTheme, NoStyleTakesDefaultThemesBlackAmongThem) {
    EXPECT_EQ(Rendered(XpForm("none", 0, 1)), Rendered(XpForm("olive", 0)));
    EXPECT_EQ(Rendered(XpForm("none", 0, 0)), Rendered(XpForm("blue", 0)));
    EXPECT_NE(Rendered(XpForm("none", 0, 5)), Rendered(XpForm("none", 0, 0)));  // black
    EXPECT_NE(Rendered(XpForm("none", 0, 5)), Rendered(XpForm("none", 0, 2)));
}

TEST(DetectedTheme, TheEnvironmentOverridesTheFormAndTheCallerBoth) {
    const QImage olive = Rendered(XpForm("olive", 0));
    const QImage silver = Rendered(XpForm("silver", 0));
    qputenv(host::kVisualStyleVariable, "olive");
    EXPECT_EQ(Rendered(XpForm("blue", 0)), olive);
    host::HostOptions options;
    options.visualStyle = host::ParseVisualStyle(u"silver");
    EXPECT_EQ(Rendered(XpForm("blue", 0), options), silver);
    qputenv(host::kVisualStyleVariable, "plaid");
    std::unique_ptr<host::HostedForm> form = Host(Parse(XpForm("olive", 0)));
    ASSERT_TRUE(form);
    EXPECT_EQ(Str(form->problems().join(u'\n')), "VEMMIX_VISUAL_STYLE: \"plaid\" is not a visual style; the form's is used");
    EXPECT_EQ(form->Render(), Host(Parse(XpForm("olive", 0)))->Render());
    qunsetenv(host::kVisualStyleVariable);
}

TEST(Desktop, TheDesktopsColoursReachTheForm) {
    const QPalette saved = QGuiApplication::palette();
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0x12, 0x34, 0x56));
    QGuiApplication::setPalette(palette);
    host::HostOptions options;
    options.desktopColors = true;
    const QImage desktop = Rendered(XpForm("blue", 0), options);
    EXPECT_EQ(Rgb(desktop, 95, 35), 0x123456u);  // the form's back colour is button face
    EXPECT_NE(Rgb(Rendered(XpForm("blue", 0)), 95, 35), 0x123456u);
    QGuiApplication::setPalette(saved);
}

TEST(Desktop, TheResolutionSetsTheContainersExtent) {
    host::HostOptions options;
    options.dpi = 120;
    std::unique_ptr<host::HostedForm> form = Host(Parse(XpForm("blue", 0)), options);
    const host::FormDocument saved = form->Save();
    EXPECT_EQ(saved.controls[0].properties.Find(u"_ExtentX")->value.toInt(), HimetricFromPixels(90, 120));
    EXPECT_EQ(saved.controls[0].properties.Find(u"_ExtentY")->value.toInt(), HimetricFromPixels(30, 120));
}

}  // namespace
}  // namespace vemmix::hosttest
