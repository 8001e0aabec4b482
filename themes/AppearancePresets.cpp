// The property presets of each appearance and the theme colours of the
// XP-family appearances (Windows XP, Office 2003, Office 2007, Vista Sunrise,
// Vista Sunset), and the detection of the desktop's theme they may ask for.
//
// Both routines write through to the stored properties, so a preset's
// values become the button's own and are saved with it. Each change is
// notified under the property's name, in the order of the tables; the few
// "quiet" assignments are the ones the container must not hear about.
// Neither routine repaints: the callers do.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/Steps.h"
#include "control/Zorvane.h"
#include "themes/ThemeDetection.h"

namespace vemmix {
namespace {

constexpr OleColor Sys(int index) { return SystemColorRef(index); }

// What the preset and theme tables assign to. EdgeColors is the three 3D
// edge colours of the cache (no property of their own), set from the
// system colours 21, 22 and 16 into m_DarkShadowRGB, m_LightRGB and
// m_ShadowRGB, never notified.
enum class Prop : std::uint8_t {
    None,
    BackColor, BackColorDown, BackColorOver, BackColorFocus, BackColorDisabled, BorderColor,
    TransparentColor, ForeColor, ForeColorDisabled, ForeColorOver, ForeColorFocus,
    ForeColorDown,
    BorderDrawEvent, DepthEvent, DepthMode, Depth, ShowFocus,
    CaptionPosition, CaptionAlignment, PictureAlignment,
    EdgeColors,
};

struct Assignment {
    Prop prop = Prop::None;
    std::int32_t value = 0;
    bool containerBack = false;  // the value is the container's back colour, translated
    bool notify = true;
};

constexpr Assignment Set(Prop prop, std::int32_t value) { return {prop, value, false, true}; }
constexpr Assignment Quiet(Prop prop, std::int32_t value) { return {prop, value, false, false}; }
constexpr Assignment ContainerBack(Prop prop) { return {prop, 0, true, true}; }
constexpr Assignment SystemEdges() { return {Prop::EdgeColors, 0, false, false}; }

using enum Prop;

// ---- appearance presets ------------------------------------------------------

struct PresetRow {
    std::int32_t appearance;
    std::array<Assignment, 12> steps;  // in order; the unused tail is Prop::None
};

constexpr OleColor kFace = Sys(15);  // COLOR_3DFACE

constexpr PresetRow kPresets[] = {
    {ecAppearance::ThreeD,
     {Set(BorderDrawEvent, ecEvents::Always), Set(DepthEvent, ecEvents::OnClick),
      Set(DepthMode, ecDepthMode::CaptionAndPicture), Set(Depth, 2),
      Set(BackColor, kFace), Set(BackColorDown, kFace), Set(BackColorOver, kFace),
      Set(BackColorFocus, kFace), Set(BackColorDisabled, kFace), Set(BorderColor, Sys(20)),
      SystemEdges()}},
    {ecAppearance::Flat,
     {Set(BorderDrawEvent, ecEvents::OnFocusOrMouseOverOrClick), Set(DepthEvent, ecEvents::OnClick),
      Set(DepthMode, ecDepthMode::CaptionAndPicture), Set(Depth, 2),
      Set(BackColor, kFace), Set(BackColorDown, 0x00CFA8AF), Set(BackColorOver, 0x00CFA8AF),
      Set(BackColorFocus, 0x00CFA8AF), Set(BackColorDisabled, kFace), Set(BorderColor, 0x007F0000),
      SystemEdges()}},
    {ecAppearance::Shaped,
     {Quiet(CaptionPosition, ecCaptionPos::AbovePicture),
      Quiet(CaptionAlignment, ecAlignment::MiddleCenter),
      Quiet(PictureAlignment, ecAlignment::MiddleCenter),
      Set(ForeColor, Sys(18)), Set(ForeColorDisabled, Sys(19)), Set(ForeColorOver, 0x00C66938),
      Set(ForeColorFocus, 0x00C66938), Set(ForeColorDown, 0x00C66938),
      Set(TransparentColor, 0x00FF00FF), Set(DepthEvent, ecEvents::OnClick),
      Set(DepthMode, ecDepthMode::OnlyCaption), Set(Depth, 2)}},
    {ecAppearance::WindowsXP,
     {ContainerBack(TransparentColor), Set(BorderDrawEvent, ecEvents::Always),
      Set(ShowFocus, kTrue), Set(DepthEvent, ecEvents::Never), Set(BorderColor, 0x00743C00)}},
    {ecAppearance::ExplorerXP,
     {ContainerBack(TransparentColor), Set(BorderDrawEvent, ecEvents::OnFocusOrMouseOverOrClick),
      ContainerBack(BackColor), Set(BackColorDown, 0x00FFFFFF), Set(BackColorOver, 0x00FFFFFF),
      Set(BackColorFocus, 0x00FFFFFF), Set(BackColorDisabled, 0x00FFFFFF),
      Set(BorderColor, 0x00C3CECE), Set(DepthEvent, ecEvents::Never), Set(ShowFocus, kFalse)}},
    {ecAppearance::Office2003,
     {Set(BorderDrawEvent, ecEvents::Always), Set(ShowFocus, kFalse),
      Set(DepthEvent, ecEvents::Never), Set(BorderColor, 0x00743C00)}},
    {ecAppearance::Office2007,
     {ContainerBack(TransparentColor), Set(BorderDrawEvent, ecEvents::Always),
      Set(DepthEvent, ecEvents::Never), Set(ShowFocus, kFalse)}},
    {ecAppearance::VistaSunrise,
     {Set(BorderDrawEvent, ecEvents::Always), Set(Depth, 1), Set(ShowFocus, kFalse),
      Set(DepthEvent, ecEvents::OnClick), Set(BorderColor, 0x00707070)}},
    {ecAppearance::VistaSunset,
     {Set(BorderDrawEvent, ecEvents::Always), Set(ShowFocus, kTrue),
      Set(DepthEvent, ecEvents::Never), Set(BorderColor, 0x00CF9365)}},
    {ecAppearance::Gradient,
     {ContainerBack(TransparentColor), Set(BorderDrawEvent, ecEvents::Always),
      Set(ShowFocus, kFalse), Set(DepthEvent, ecEvents::OnClick), Set(BorderColor, 0x00743C00)}},
};

// ---- theme colours -----------------------------------------------------------

// The fixed colours of each XP-family style, set before the theme's.
struct FixedColoursRow {
    std::int32_t appearance;
    std::array<Assignment, 3> steps;
};

constexpr FixedColoursRow kFixedColours[] = {
    {ecAppearance::WindowsXP,    {}},
    {ecAppearance::Office2003,   {Set(BorderColor, 0x00743C00), Set(BackColorOver, 0x00CCF4FF)}},
    {ecAppearance::Office2007,   {Set(BackColorDown, 0x003C8CFB), Set(BackColorOver, 0x0067D7FF)}},
    {ecAppearance::VistaSunrise, {Set(BackColorDown, 0x00EFD198), Set(BackColorOver, 0x00FDE6BE)}},
    {ecAppearance::VistaSunset,
     {Set(BackColorDown, 0x003C8CFB), Set(BackColorOver, 0x0067D7FF), Set(BorderColor, 0x00CF9365)}},
};

enum class Theme : std::uint8_t { Blue, Olive, Silver, Royal, Black, Standard3D };

struct WindowsXpRow {
    Theme theme;
    OleColor back, down, over, focus, disabled, border;
    std::int32_t themeIndex;
};

// Windows XP
constexpr WindowsXpRow kWindowsXp[] = {
    // theme         BackColor   BackColorDown BackColorOver BackColorFocus BackColorDisabled BorderColor m_ThemeIndex
    {Theme::Blue,   0x00FFFFFF, 0x00E6EBEC,   0x00FFFFFF,   0x00FFFFFF,    0x00FFFFFF,       0x00743C00, 0},
    {Theme::Olive,  0x00F6FFFF, 0x00DBEEF3,   0x00F6FFFF,   0x00F6FFFF,    0x00F6FFFF,       0x00066237, 1},
    {Theme::Silver, 0x00FFFFFF, 0x00FFFFFF,   0x00FFFFFF,   0x00FFFFFF,    0x00FFFFFF,       0x00743C00, 2},
    {Theme::Royal,  0x00ECDED5, 0x00ECDED5,   0x00ECDED5,   0x00ECDED5,    0x00ECDED5,       0x0082502D, 3},
    {Theme::Black,  0x00EFEFEF, 0x00EFEFEF,   0x00EFEFEF,   0x00EFEFEF,    0x00EFEFEF,       0x00743C00, 2},
};

struct Office2003Row {
    Theme theme;
    OleColor back, down;
    std::optional<OleColor> over;  // only the royal theme sets it again
    OleColor focus, disabled;
    std::int32_t themeIndex;
};

constexpr std::nullopt_t kNotSet = std::nullopt;

// Office 2003 (standard 3D is taken as blue)
constexpr Office2003Row kOffice2003[] = {
    // theme         BackColor   BackColorDown BackColorOver BackColorFocus BackColorDisabled m_ThemeIndex
    {Theme::Blue,   0x00F5D1B6, 0x00F5D1B6,   kNotSet,      0x00F5D1B6,    0x00F5D1B6,       0},
    {Theme::Olive,  0x00A1D6C7, 0x00A1D6C7,   kNotSet,      0x00A1D6C7,    0x00A1D6C7,       1},
    {Theme::Silver, 0x00DDCDCD, 0x00DDCDCD,   kNotSet,      0x00DDCDCD,    0x00DDCDCD,       2},
    {Theme::Royal,  0x00EDE9EB, 0x00D4AF99,   0x00E5CFC2,   0x00E5CFC2,    0x00EDE9EB,       3},
    {Theme::Black,  0x00C1BBB7, 0x00C1BBB7,   kNotSet,      0x00C1BBB7,    0x00C1BBB7,       2},
};

struct Office2007SunriseRow {
    Theme theme;
    OleColor office2007Back, office2007Border, sunriseBack, sunriseBorder;
    std::int32_t themeIndex;
};

// Office 2007 and Vista Sunrise (royal is taken as blue): BackColor,
// BackColorFocus and BackColorDisabled receive Back, then BorderColor.
constexpr Office2007SunriseRow kOffice2007Sunrise[] = {
    // theme         Office 2007 Back  Border      Vista Sunrise Back Border     m_ThemeIndex
    {Theme::Blue,   0x00E9D0BC,       0x00E4BCA0, 0x00DDDDDD,        0x00707070, 0},
    {Theme::Olive,  0x00B1E6D7,       0x00518677, 0x00B1E6D7,        0x00518677, 1},
    {Theme::Silver, 0x00EEEAE7,       0x00CCCBCB, 0x00E1D7D5,        0x00808080, 2},
    {Theme::Black,  0x00D7D5CE,       0x00C7C4BC, 0x00D1CBC7,        0x00303030, 5},
};

struct VistaSunsetRow {
    Theme theme;
    OleColor back;
    std::int32_t themeIndex;
};

// Vista Sunset (royal is taken as blue): BackColor, BackColorFocus and
// BackColorDisabled receive Back.
constexpr VistaSunsetRow kVistaSunset[] = {
    // theme         Back        m_ThemeIndex
    {Theme::Blue,   0x00FFD1AD, 0},
    {Theme::Olive,  0x0091C6B7, 1},
    {Theme::Silver, 0x00D1C7C5, 2},
    {Theme::Black,  0x00D1CBC7, 5},
};

template <class Row, std::size_t N>
const Row* FindRow(const Row (&table)[N], Theme theme) {
    for (const Row& row : table)
        if (row.theme == theme) return &row;
    return nullptr;
}

template <class Row, std::size_t N>
const Row* FindAppearance(const Row (&table)[N], std::int32_t appearance) {
    for (const Row& row : table)
        if (row.appearance == appearance) return &row;
    return nullptr;
}

// AppearanceThemes 1..5 name a theme; 0 leaves it to detection.
std::optional<Theme> ChosenTheme(std::int32_t appearanceThemes) {
    switch (appearanceThemes) {
    case ecAppearanceThemes::Blue:   return Theme::Blue;
    case ecAppearanceThemes::Olive:  return Theme::Olive;
    case ecAppearanceThemes::Silver: return Theme::Silver;
    case ecAppearanceThemes::Royal:  return Theme::Royal;
    case ecAppearanceThemes::Black:  return Theme::Black;
    default:                         return std::nullopt;
    }
}

// A detected m_ThemeIndex; a value outside the enumeration is taken as blue.
Theme DetectedTheme(std::int32_t themeIndex) {
    switch (themeIndex) {
    case ecAppearanceThemesDefault::Olive:      return Theme::Olive;
    case ecAppearanceThemesDefault::Silver:     return Theme::Silver;
    case ecAppearanceThemesDefault::Royal:      return Theme::Royal;
    case ecAppearanceThemesDefault::Standard3D: return Theme::Standard3D;
    case ecAppearanceThemesDefault::Black:      return Theme::Black;
    default:                                    return Theme::Blue;
    }
}

}  // namespace

// The one place that knows which member each table column names.
class PresetTables {
public:
    static void Apply(Zorvane& z, std::span<const Assignment> steps) {
        for (const Assignment& step : steps) RunStep([&] { Apply(z, step); });
    }

    static void ApplyTheme(Zorvane& z, Theme theme);

private:
    struct Target {
        Prop prop;
        std::u16string_view name;
        std::int32_t Zorvane::*wide;        // a colour or 32-bit property
        std::int16_t Zorvane::*narrow;      // a 16-bit property or Boolean
        COLORREF ColorCache::*cache;        // the cache entry of a colour property
    };

    static const Target& TargetOf(Prop prop) {
        using Z = Zorvane;
        static constexpr Target kTargets[] = {
            {None,              u"",                  nullptr,                  nullptr,         nullptr},
            {BackColor,         u"BackColor",         &Z::m_BackColor,          nullptr,         &Z::m_BackRGB},
            {BackColorDown,     u"BackColorDown",     &Z::m_BackColorDown,      nullptr,         &Z::m_DownRGB},
            {BackColorOver,     u"BackColorOver",     &Z::m_BackColorOver,      nullptr,         &Z::m_OverRGB},
            {BackColorFocus,    u"BackColorFocus",    &Z::m_BackColorFocus,     nullptr,         &Z::m_FocusRGB},
            {BackColorDisabled, u"BackColorDisabled", &Z::m_BackColorDisabled,  nullptr,         &Z::m_DisabledRGB},
            {BorderColor,       u"BorderColor",       &Z::m_BorderColor,        nullptr,         &Z::m_BorderRGB},
            {TransparentColor,  u"TransparentColor",  &Z::m_TransparentColor,   nullptr,         &Z::m_TransparentRGB},
            {ForeColor,         u"ForeColor",         &Z::m_ForeColor,          nullptr,         &Z::m_ForeRGB},
            {ForeColorDisabled, u"ForeColorDisabled", &Z::m_ForeColorDisabled,  nullptr,         &Z::m_ForeDisabledRGB},
            {ForeColorOver,     u"ForeColorOver",     &Z::m_ForeColorOver,      nullptr,         &Z::m_ForeOverRGB},
            {ForeColorFocus,    u"ForeColorFocus",    &Z::m_ForeColorFocus,     nullptr,         &Z::m_ForeFocusRGB},
            {ForeColorDown,     u"ForeColorDown",     &Z::m_ForeColorDown,      nullptr,         &Z::m_ForeDownRGB},
            {BorderDrawEvent,   u"BorderDrawEvent",   &Z::m_BorderDrawEvent,    nullptr,         nullptr},
            {DepthEvent,        u"DepthEvent",        &Z::m_DepthEvent,         nullptr,         nullptr},
            {DepthMode,         u"DepthMode",         &Z::m_DepthMode,          nullptr,         nullptr},
            {Depth,             u"Depth",             nullptr,                  &Z::m_Depth,     nullptr},
            {ShowFocus,         u"ShowFocus",         nullptr,                  &Z::m_ShowFocus, nullptr},
            {CaptionPosition,   u"CaptionPosition",   &Z::m_CaptionPosition,    nullptr,         nullptr},
            {CaptionAlignment,  u"CaptionAlignment",  &Z::m_CaptionAlignment,   nullptr,         nullptr},
            {PictureAlignment,  u"PictureAlignment",  &Z::m_PictureAlignment,   nullptr,         nullptr},
            {EdgeColors,        u"",                  nullptr,                  nullptr,         nullptr},
        };
        static_assert(std::size(kTargets) == static_cast<std::size_t>(EdgeColors) + 1);
        static_assert([] {
            for (std::size_t i = 0; i < std::size(kTargets); ++i)
                if (static_cast<std::size_t>(kTargets[i].prop) != i) return false;
            return true;
        }());
        return kTargets[static_cast<std::size_t>(prop)];
    }

    static void Apply(Zorvane& z, const Assignment& step) {
        if (step.prop == None) return;
        if (step.prop == EdgeColors) {
            z.m_DarkShadowRGB = z.Translate(Sys(21));  // COLOR_3DDKSHADOW
            z.m_LightRGB = z.Translate(Sys(22));       // COLOR_3DLIGHT
            z.m_ShadowRGB = z.Translate(Sys(16));      // COLOR_3DSHADOW
            return;
        }
        const Target& target = TargetOf(step.prop);
        if (target.cache) {
            OleColor& property = z.*target.wide;
            COLORREF& cache = z.*target.cache;
            if (step.containerBack) {
                std::optional<OleColor> ambient;
                RunStep([&] { ambient = z.m_Site.AmbientBackColor(); });
                if (ambient) {
                    property = static_cast<OleColor>(z.Translate(*ambient));
                    cache = z.Translate(property);
                } else {
                    // unreadable: the property keeps its value and its cache
                    // entry takes it untranslated; the container still hears of it
                    cache = static_cast<COLORREF>(property);
                }
            } else {
                property = step.value;
                cache = z.Translate(step.value);
            }
        } else if (target.wide) {
            z.*target.wide = step.value;
        } else {
            z.*target.narrow = static_cast<std::int16_t>(step.value);
        }
        if (step.notify) z.NotifyChanged(target.name);
    }
};

void PresetTables::ApplyTheme(Zorvane& z, Theme theme) {
    switch (z.m_Appearance) {
    case ecAppearance::WindowsXP: {
        const WindowsXpRow* row = FindRow(kWindowsXp, theme);
        if (!row) return;
        const Assignment steps[] = {Set(BackColor, row->back),   Set(BackColorDown, row->down),
                                    Set(BackColorOver, row->over), Set(BackColorFocus, row->focus),
                                    Set(BackColorDisabled, row->disabled),
                                    Set(BorderColor, row->border)};
        Apply(z, steps);
        z.m_ThemeIndex = row->themeIndex;
        return;
    }
    case ecAppearance::Office2003: {
        const Office2003Row* row =
            FindRow(kOffice2003, theme == Theme::Standard3D ? Theme::Blue : theme);
        if (!row) return;
        const Assignment over = row->over ? Set(BackColorOver, *row->over) : Assignment{};
        const Assignment steps[] = {Set(BackColor, row->back), Set(BackColorDown, row->down), over,
                                    Set(BackColorFocus, row->focus),
                                    Set(BackColorDisabled, row->disabled)};
        Apply(z, steps);
        z.m_ThemeIndex = row->themeIndex;
        return;
    }
    case ecAppearance::Office2007:
    case ecAppearance::VistaSunrise: {
        const Office2007SunriseRow* row =
            FindRow(kOffice2007Sunrise, theme == Theme::Royal ? Theme::Blue : theme);
        if (!row) return;
        const bool office = z.m_Appearance == ecAppearance::Office2007;
        const OleColor back = office ? row->office2007Back : row->sunriseBack;
        const OleColor border = office ? row->office2007Border : row->sunriseBorder;
        const Assignment steps[] = {Set(BackColor, back), Set(BackColorFocus, back),
                                    Set(BackColorDisabled, back), Set(BorderColor, border)};
        Apply(z, steps);
        z.m_ThemeIndex = row->themeIndex;
        return;
    }
    case ecAppearance::VistaSunset: {
        const VistaSunsetRow* row =
            FindRow(kVistaSunset, theme == Theme::Royal ? Theme::Blue : theme);
        if (!row) return;
        const Assignment steps[] = {Set(BackColor, row->back), Set(BackColorFocus, row->back),
                                    Set(BackColorDisabled, row->back)};
        Apply(z, steps);
        z.m_ThemeIndex = row->themeIndex;
        return;
    }
    default: return;
    }
}

void Zorvane::ApplyAppearancePreset() {
    if (const PresetRow* row = FindAppearance(kPresets, m_Appearance))
        PresetTables::Apply(*this, row->steps);
}

void Zorvane::ApplyThemeColors() {
    const FixedColoursRow* fixed = FindAppearance(kFixedColours, m_Appearance);
    if (!fixed) return;  // not an XP-family style
    PresetTables::Apply(*this, fixed->steps);

    Theme theme = Theme::Blue;
    if (m_AppearanceThemes == ecAppearanceThemes::AutoDetect) {
        DetectSystemTheme();
        theme = DetectedTheme(m_ThemeIndex);
    } else if (const std::optional<Theme> chosen = ChosenTheme(m_AppearanceThemes)) {
        theme = *chosen;
    } else {
        return;  // no such theme: the fixed colours stay, m_ThemeIndex too
    }

    // Without a desktop theme these styles fall back to the plain 3d look;
    // the container is not told of the appearance change, and m_ThemeIndex
    // keeps the detected 4.
    if (theme == Theme::Standard3D && m_Appearance != ecAppearance::Office2003) {
        m_Appearance = ecAppearance::ThreeD;
        ApplyAppearancePreset();
        return;
    }
    PresetTables::ApplyTheme(*this, theme);
}

void Zorvane::DetectSystemTheme() {
    try {
        m_ThemeIndex =
            vemmix::DetectSystemTheme(m_Site.GetPlatform().CurrentThemeName(), m_DefaultThemes);
    } catch (...) {
        m_ThemeIndex = m_DefaultThemes;
    }
}

}  // namespace vemmix
