#include <vemmix/host/Desktop.h>

#include <QColor>
#include <QGuiApplication>
#include <QScreen>

namespace vemmix::host {

namespace {

// The palette role each system colour takes; Classic keeps the classic value.
enum class Source { Classic, Active, Inactive, Disabled };
struct RoleOf {
    Source group;
    QPalette::ColorRole role;
};
constexpr RoleOf kClassic{Source::Classic, QPalette::NoRole};

constexpr RoleOf kRoles[kSystemColorCount] = {
    /*  0 scroll bar            */ {Source::Active, QPalette::Button},
    /*  1 desktop               */ kClassic,
    /*  2 active caption        */ {Source::Active, QPalette::Highlight},
    /*  3 inactive caption      */ {Source::Inactive, QPalette::Highlight},
    /*  4 menu                  */ {Source::Active, QPalette::Window},
    /*  5 window                */ {Source::Active, QPalette::Base},
    /*  6 window frame          */ {Source::Active, QPalette::Shadow},
    /*  7 menu text             */ {Source::Active, QPalette::WindowText},
    /*  8 window text           */ {Source::Active, QPalette::Text},
    /*  9 caption text          */ {Source::Active, QPalette::HighlightedText},
    /* 10 active border         */ {Source::Active, QPalette::Button},
    /* 11 inactive border       */ {Source::Active, QPalette::Button},
    /* 12 application workspace */ {Source::Active, QPalette::Dark},
    /* 13 highlight             */ {Source::Active, QPalette::Highlight},
    /* 14 highlight text        */ {Source::Active, QPalette::HighlightedText},
    /* 15 button face           */ {Source::Active, QPalette::Button},
    /* 16 button shadow         */ {Source::Active, QPalette::Dark},
    /* 17 grey text             */ {Source::Disabled, QPalette::Text},
    /* 18 button text           */ {Source::Active, QPalette::ButtonText},
    /* 19 inactive caption text */ {Source::Inactive, QPalette::HighlightedText},
    /* 20 button highlight      */ {Source::Active, QPalette::Light},
    /* 21 3D dark shadow        */ {Source::Active, QPalette::Shadow},
    /* 22 3D light              */ {Source::Active, QPalette::Midlight},
    /* 23 tooltip text          */ {Source::Active, QPalette::ToolTipText},
    /* 24 tooltip background    */ {Source::Active, QPalette::ToolTipBase},
    /* 25                       */ kClassic,
    /* 26 hot-tracked item      */ {Source::Active, QPalette::Link},
    /* 27 active gradient       */ kClassic,
    /* 28 inactive gradient     */ kClassic,
    /* 29 menu highlight        */ {Source::Active, QPalette::Highlight},
    /* 30 menu bar              */ {Source::Active, QPalette::Window},
};

COLORREF ColorRefOf(const QColor& c) {
    return static_cast<COLORREF>(c.red()) | (static_cast<COLORREF>(c.green()) << 8) |
           (static_cast<COLORREF>(c.blue()) << 16);
}

VisualStyleName Named(const char16_t* themeFile, const char16_t* colorName) {
    return VisualStyleName{themeFile, colorName, u"NormalSize"};
}

constexpr const char16_t* kLuna = u"C:\\WINDOWS\\resources\\Themes\\Luna\\Luna.msstyles";
constexpr const char16_t* kRoyale = u"C:\\WINDOWS\\resources\\Themes\\Royale\\Royale.msstyles";

struct NamedStyle {
    const char* name;
    std::optional<VisualStyleName> (*answer)();
};

const NamedStyle kNamedStyles[] = {
    {"auto", [] { return DesktopVisualStyle(); }},
    {"none", []() -> std::optional<VisualStyleName> { return std::nullopt; }},
    {"blue", []() -> std::optional<VisualStyleName> { return Named(kLuna, u"NormalColor"); }},
    {"olive", []() -> std::optional<VisualStyleName> { return Named(kLuna, u"HomeStead"); }},
    {"silver", []() -> std::optional<VisualStyleName> { return Named(kLuna, u"Metallic"); }},
    {"royal", []() -> std::optional<VisualStyleName> { return Named(kRoyale, u"NormalColor"); }},
};

int RoundedDpi(qreal dpi) { return dpi >= 1 && dpi <= 10000 ? qRound(dpi) : 96; }

}  // namespace

PaletteSystemColors::PaletteSystemColors(const QPalette& palette) {
    for (int i = 0; i < kSystemColorCount; ++i) {
        const RoleOf& r = kRoles[i];
        switch (r.group) {
        case Source::Classic: m_Colors[i] = ClassicSystemColors().SystemColor(i).value_or(0); break;
        case Source::Active: m_Colors[i] = ColorRefOf(palette.color(QPalette::Active, r.role)); break;
        case Source::Inactive: m_Colors[i] = ColorRefOf(palette.color(QPalette::Inactive, r.role)); break;
        case Source::Disabled: m_Colors[i] = ColorRefOf(palette.color(QPalette::Disabled, r.role)); break;
        }
    }
}

std::optional<COLORREF> PaletteSystemColors::SystemColor(int index) const {
    if (index < 0 || index >= kSystemColorCount) return std::nullopt;
    return m_Colors[static_cast<std::size_t>(index)];
}

std::optional<VisualStyleSetting> ParseVisualStyle(QStringView text) {
    for (const NamedStyle& style : kNamedStyles)
        if (text.compare(QLatin1String(style.name), Qt::CaseInsensitive) == 0)
            return VisualStyleSetting{QString::fromLatin1(style.name), {}, {}, {}};
    return std::nullopt;
}

std::optional<VisualStyleName> VisualStyleFor(const VisualStyleSetting& setting) {
    if (setting.name.isEmpty())
        return VisualStyleName{setting.themeFile.toStdU16String(), setting.colorName.toStdU16String(),
                               setting.sizeName.toStdU16String()};
    for (const NamedStyle& style : kNamedStyles)
        if (setting.name.compare(QLatin1String(style.name), Qt::CaseInsensitive) == 0) return style.answer();
    return std::nullopt;
}

std::optional<VisualStyleName> DesktopVisualStyle() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
    const QColor highlight = QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const int hue = highlight.hsvHue();  // -1 for a grey
    if (hue < 0 || highlight.hsvSaturationF() < 0.25) return Named(kLuna, u"Metallic");
    if (hue >= 50 && hue < 170) return Named(kLuna, u"HomeStead");
    if (hue >= 250 && hue < 340) return Named(kRoyale, u"NormalColor");
    return Named(kLuna, u"NormalColor");
}

VisualStyleSetting EffectiveVisualStyle(const VisualStyleSetting& form, QString* problem) {
    if (!qEnvironmentVariableIsSet(kVisualStyleVariable)) return form;
    const QString value = qEnvironmentVariable(kVisualStyleVariable);
    if (const std::optional<VisualStyleSetting> setting = ParseVisualStyle(value)) return *setting;
    if (problem)
        *problem = QStringLiteral("%1: \"%2\" is not a visual style; the form's is used")
                       .arg(QLatin1String(kVisualStyleVariable), value);
    return form;
}

namespace {

const QScreen* ScreenOrPrimary(const QScreen* screen) {
    if (screen) return screen;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    return QGuiApplication::primaryScreen();
}

}  // namespace

int DesktopDpiX(const QScreen* screen) {
    screen = ScreenOrPrimary(screen);
    return screen ? RoundedDpi(screen->logicalDotsPerInchX()) : 96;
}

int DesktopDpiY(const QScreen* screen) {
    screen = ScreenOrPrimary(screen);
    return screen ? RoundedDpi(screen->logicalDotsPerInchY()) : 96;
}

}  // namespace vemmix::host
