// The properties and methods of _Zorvane: each setter stores the value and
// then, in this order, updates the colour cache, notifies the container,
// runs its side effects and repaints where the look depends on it. Also the
// small helpers every part of the button shares (colour translation, user
// mode, the event condition) and the colour cache and access-key routines.
#include <iterator>
#include <stdexcept>

#include "base/Limits.h"
#include "control/ValueRules.h"
#include "control/Zorvane.h"

namespace vemmix {
namespace {

constexpr OleColor kSystem3DHighlight = SystemColorRef(20);  // COLOR_3DHIGHLIGHT
constexpr OleColor kSystem3DDkShadow = SystemColorRef(21);   // COLOR_3DDKSHADOW
constexpr OleColor kSystem3DLight = SystemColorRef(22);      // COLOR_3DLIGHT
constexpr OleColor kSystem3DShadow = SystemColorRef(16);     // COLOR_3DSHADOW

constexpr std::int16_t kMinTextFadeSpeed = 1, kMaxTextFadeSpeed = 100;

// A Boolean stored by the button holds exactly -1 or 0.
constexpr VBool Normalised(VBool value) { return ToVBool(value != 0); }

}  // namespace

// ---- shared helpers ---------------------------------------------------------

bool Zorvane::UserMode() const {
    try {
        return m_Site.AmbientUserMode().value_or(false);
    } catch (...) {
        return false;
    }
}

COLORREF Zorvane::Translate(OleColor colour) const {
    return TranslateColor(colour, m_Site.GetPlatform().SystemColors());
}

namespace {

// The states each ecEvents value names: Always names every state (and holds
// without any), Never none.
struct NamedStates {
    bool always, focus, over, pressed;
};
// clang-format off
constexpr NamedStates kNamedStates[] = {
//   always  focus  over   pressed
    {true,   true,  true,  true },   // 0 Always
    {false,  false, false, false},   // 1 Never
    {false,  true,  false, false},   // 2 On Focus
    {false,  false, false, true },   // 3 On Click
    {false,  false, true,  false},   // 4 On Mouse Over
    {false,  true,  true,  false},   // 5 On Focus or Mouse Over
    {false,  true,  true,  true },   // 6 On Focus or Mouse Over or click
};
// clang-format on

const NamedStates* StatesOf(std::int32_t events) {
    if (events < 0 || events >= static_cast<std::int32_t>(std::size(kNamedStates))) return nullptr;
    return &kNamedStates[events];
}

}  // namespace

bool Zorvane::EventConditionHolds(std::int32_t events) const {
    const NamedStates* named = StatesOf(events);
    if (!named) return false;  // outside the enumeration: never
    return named->always || (named->focus && m_HasFocus == kTrue) ||
           (named->over && m_MouseOver == kTrue) || (named->pressed && m_Pressed == kTrue);
}

bool Zorvane::EventStatesAllHold(std::int32_t events) const {
    const NamedStates* named = StatesOf(events);
    if (!named) return false;
    if (named->always || events == ecEvents::Never) return true;
    return (!named->focus || m_HasFocus == kTrue) && (!named->over || m_MouseOver == kTrue) &&
           (!named->pressed || m_Pressed == kTrue);
}

bool Zorvane::IsEnabled() const { return m_Site.Enabled(); }

int Zorvane::DpiX() const {
    try {
        return UsableDpi(m_Site.ScreenDpiX());
    } catch (const std::runtime_error&) {
        return kDefaultDpi;
    }
}

int Zorvane::DpiY() const {
    try {
        return UsableDpi(m_Site.ScreenDpiY());
    } catch (const std::runtime_error&) {
        return kDefaultDpi;
    }
}

std::int32_t Zorvane::PictureRefusal(const PictureRef& picture) const {
    const auto refusal = CheckPicture(picture, DpiX(), DpiY());
    return refusal ? refusal->error : errors::kNone;
}

bool Zorvane::PressedLook() const {
    return m_Pressed != 0 ||
           (m_AppearanceMode == ecAppearanceMode::Toggle && m_ToggleValue == kTrue);
}

void Zorvane::SetColorProperty(OleColor& property, COLORREF& cacheEntry, OleColor value,
                               std::u16string_view name, bool redraw) {
    property = value;  // kept as set: a system colour stays a reference
    cacheEntry = Translate(value);
    NotifyChanged(name);
    if (redraw) Redraw();
}

// ---- colour cache and access keys ---------------------------------------------

void Zorvane::RefreshColorCache() {
    // theme in force
    switch (m_AppearanceThemes) {
    case ecAppearanceThemes::AutoDetect:
        switch (m_Appearance) {
        case ecAppearance::WindowsXP:
        case ecAppearance::Office2003:
        case ecAppearance::Office2007:
        case ecAppearance::VistaSunrise:
        case ecAppearance::VistaSunset: ApplyThemeColors(); break;
        default: break;
        }
        break;
    case ecAppearanceThemes::Blue:   m_ThemeIndex = ecAppearanceThemesDefault::Blue; break;
    case ecAppearanceThemes::Olive:  m_ThemeIndex = ecAppearanceThemesDefault::Olive; break;
    case ecAppearanceThemes::Silver: m_ThemeIndex = ecAppearanceThemesDefault::Silver; break;
    case ecAppearanceThemes::Royal:  m_ThemeIndex = ecAppearanceThemesDefault::Royal; break;
    case ecAppearanceThemes::Black:
        m_ThemeIndex = m_Appearance >= ecAppearance::Office2007 ? ecAppearanceThemesDefault::Black
                                                                : ecAppearanceThemesDefault::Silver;
        break;
    default: break;
    }

    // The 19 entries in cache order. After a load the three edge colours are
    // the system 3D colours whatever the border colour; only the BorderColor
    // setter derives them from it.
    m_BackRGB         = Translate(m_BackColor);
    m_DownRGB         = Translate(m_BackColorDown);
    m_OverRGB         = Translate(m_BackColorOver);
    m_FocusRGB        = Translate(m_BackColorFocus);
    m_DisabledRGB     = Translate(m_BackColorDisabled);
    m_BorderRGB       = Translate(m_BorderColor);
    m_DarkShadowRGB   = Translate(kSystem3DDkShadow);
    m_ShadowRGB       = Translate(kSystem3DShadow);
    m_LightRGB        = Translate(kSystem3DLight);
    m_TransparentRGB  = Translate(m_TransparentColor);
    m_ForeRGB         = Translate(m_ForeColor);
    m_ForeDisabledRGB = Translate(m_ForeColorDisabled);
    m_ForeOverRGB     = Translate(m_ForeColorOver);
    m_ForeFocusRGB    = Translate(m_ForeColorFocus);
    m_ForeDownRGB     = Translate(m_ForeColorDown);
    m_MaskRGB         = Translate(m_MaskColor);
    m_ToolTipBackRGB  = Translate(m_ToolTipBackColor);
    m_ToolTipForeRGB  = Translate(m_ToolTipForeColor);
    m_TextFadeToRGB   = Translate(m_TextFadeToColor);
}

// The access key is the character after the first single ampersand; "&&" is
// a literal ampersand and the search goes on after it. A marker that ends
// the caption gives an empty key.
void Zorvane::UpdateAccessKeys() {
    m_AccessKey.clear();
    m_Site.SetAccessKeys(u"");
    const std::u16string& caption = m_Caption;
    std::size_t marker = caption.find(u'&');
    while (marker != std::u16string::npos) {
        if (marker + 1 >= caption.size() || caption[marker + 1] != u'&') break;
        marker = caption.find(u'&', marker + 2);
    }
    if (marker == std::u16string::npos) return;
    m_AccessKey = caption.substr(marker + 1, 1);
    m_Site.SetAccessKeys(m_AccessKey);
}

// ---- _Zorvane ---------------------------------------------------------------

void Zorvane::SetBackColor(OleColor value) {
    SetColorProperty(m_BackColor, m_BackRGB, value, u"BackColor", true);
}

void Zorvane::SetForeColor(OleColor value) {
    SetColorProperty(m_ForeColor, m_ForeRGB, value, u"ForeColor", true);
}

VBool Zorvane::Enabled() const { return ToVBool(m_Site.Enabled()); }

// Window-held: the window keeps the value; a refusal reaches the caller
// with nothing notified.
std::int32_t Zorvane::SetEnabled(VBool value) {
    if (const std::int32_t error = m_Site.SetEnabled(value != 0)) return error;
    NotifyChanged(u"Enabled");
    Redraw();
    return 0;
}

std::int32_t Zorvane::SetFont(FontRef value) {
    if (const auto refusal = CheckFont(value)) return refusal->error;
    m_Font = std::move(value);
    NotifyChanged(u"Font");
    Redraw();
    return errors::kNone;
}

void Zorvane::FontChanged(const StdFont& /*font*/) {
    NotifyChanged(u"Font");
    Redraw();
}

void Zorvane::Refresh() { Redraw(); }

void Zorvane::SetAppearance(std::int32_t value) {
    m_Appearance = value;
    NotifyChanged(u"Appearance");
    ApplyAppearancePreset();
    ApplyThemeColors();
    ApplyShapeMode();
    Redraw();
}

// The default theme matters only while the theme is detected.
void Zorvane::SetDefaultThemes(std::int32_t value) {
    m_DefaultThemes = value;
    NotifyChanged(u"DefaultThemes");
    if (m_AppearanceThemes == ecAppearanceThemes::AutoDetect) {
        ApplyThemeColors();
        Redraw();
    }
}

std::int32_t Zorvane::hWnd() const { return m_Site.WindowHandle(); }

// The notification comes before the translation here; the effect pictures
// are made again with the new transparent colour.
void Zorvane::SetMaskColor(OleColor value) {
    m_MaskColor = value;
    NotifyChanged(u"MaskColor");
    m_MaskRGB = Translate(value);
    RegenerateEffectPictures();  // sets the scratch picture's back colour to m_MaskRGB
    Redraw();
}

PictureRef Zorvane::MouseIcon() const { return m_Site.MouseIcon(); }

std::int32_t Zorvane::SetMouseIcon(PictureRef value) {
    if (const std::int32_t error = PictureRefusal(value)) return error;
    if (const std::int32_t error = m_Site.SetMouseIcon(std::move(value))) return error;
    NotifyChanged(u"MouseIcon");
    return 0;
}

std::int16_t Zorvane::MousePointer() const { return m_Site.MousePointer(); }

std::int32_t Zorvane::SetMousePointer(std::int16_t value) {
    if (const std::int32_t error = m_Site.SetMousePointer(value)) return error;
    NotifyChanged(u"MousePointer");
    return 0;
}

std::int32_t Zorvane::SetPicture(PictureRef value) {
    if (const std::int32_t error = PictureRefusal(value)) return error;
    m_Picture = std::move(value);
    NotifyChanged(u"Picture");
    RegenerateEffectPictures();
    Redraw();
    return errors::kNone;
}

VBool Zorvane::RightToLeft() const { return ToVBool(m_Site.RightToLeft()); }

std::int32_t Zorvane::SetRightToLeft(VBool value) {
    if (const std::int32_t error = m_Site.SetRightToLeft(value != 0)) return error;
    NotifyChanged(u"RightToLeft");
    Redraw();
    return 0;
}

// Entering Toggle Mode starts released; ToggleValue is changed silently.
void Zorvane::SetAppearanceMode(std::int32_t value) {
    m_AppearanceMode = value;
    NotifyChanged(u"AppearanceMode");
    if (value == ecAppearanceMode::Toggle) m_ToggleValue = kFalse;
    Redraw();
}

void Zorvane::SetAppearanceThemes(std::int32_t value) {
    m_AppearanceThemes = value;
    NotifyChanged(u"AppearanceThemes");
    ApplyThemeColors();
    Redraw();
}

void Zorvane::SetBackColorDown(OleColor value) {
    SetColorProperty(m_BackColorDown, m_DownRGB, value, u"BackColorDown", true);
}

void Zorvane::SetBackColorOver(OleColor value) {
    SetColorProperty(m_BackColorOver, m_OverRGB, value, u"BackColorOver", true);
}

void Zorvane::SetBackColorFocus(OleColor value) {
    SetColorProperty(m_BackColorFocus, m_FocusRGB, value, u"BackColorFocus", true);
}

void Zorvane::SetBackColorDisabled(OleColor value) {
    SetColorProperty(m_BackColorDisabled, m_DisabledRGB, value, u"BackColorDisabled", true);
}

// The 3D edge colours go with the border: the system 3D colours for the
// system highlight, else the border colour shifted per channel (clamped).
void Zorvane::SetBorderColor(OleColor value) {
    m_BorderColor = value;
    m_BorderRGB = Translate(value);
    if (m_BorderColor == kSystem3DHighlight) {
        m_DarkShadowRGB = Translate(kSystem3DDkShadow);
        m_LightRGB = Translate(kSystem3DLight);
        m_ShadowRGB = Translate(kSystem3DShadow);
    } else {
        m_DarkShadowRGB = ShiftColor(m_BorderRGB, -142, -144, -155);
        m_ShadowRGB = ShiftColor(m_BorderRGB, -83, -87, -102);
        m_LightRGB = ShiftColor(m_BorderRGB, 14, 16, 29);
    }
    NotifyChanged(u"BorderColor");
    Redraw();
}

void Zorvane::SetBorderDrawEvent(std::int32_t value) {
    m_BorderDrawEvent = value;
    NotifyChanged(u"BorderDrawEvent");
    Redraw();
}

void Zorvane::SetBorderWidth(std::int16_t value) {
    m_BorderWidth = value;
    NotifyChanged(u"BorderWidth");
    Redraw();
}

// The window's mask colour follows only at the next ApplyShapeMode.
void Zorvane::SetTransparentColor(OleColor value) {
    SetColorProperty(m_TransparentColor, m_TransparentRGB, value, u"TransparentColor", true);
}

// A caption ends at its first NUL, as the text functions would read it.
std::int32_t Zorvane::SetCaption(std::u16string value) {
    if (const std::size_t nul = value.find(u'\0'); nul != std::u16string::npos) value.resize(nul);
    if (const auto refusal = CheckText(value)) return refusal->error;
    m_Caption = std::move(value);
    NotifyChanged(u"Caption");
    UpdateAccessKeys();
    Redraw();
    return errors::kNone;
}

void Zorvane::SetCaptionAlignment(std::int32_t value) {
    m_CaptionAlignment = value;
    NotifyChanged(u"CaptionAlignment");
    Redraw();
}

void Zorvane::SetCaptionEffect(std::int32_t value) {
    m_CaptionEffect = value;
    NotifyChanged(u"CaptionEffect");
    Redraw();
}

void Zorvane::SetCaptionEffectEvent(std::int32_t value) {
    m_CaptionEffectEvent = value;
    NotifyChanged(u"CaptionEffectEvent");
    Redraw();
}

void Zorvane::SetCaptionOffsetX(std::int16_t value) {
    m_CaptionOffsetX = value;
    NotifyChanged(u"CaptionOffsetX");
    Redraw();
}

void Zorvane::SetCaptionOffsetY(std::int16_t value) {
    m_CaptionOffsetY = value;
    NotifyChanged(u"CaptionOffsetY");
    Redraw();
}

void Zorvane::SetCaptionPosition(std::int32_t value) {
    m_CaptionPosition = value;
    NotifyChanged(u"CaptionPosition");
    Redraw();
}

void Zorvane::SetDepth(std::int16_t value) {
    m_Depth = value;
    NotifyChanged(u"Depth");
    Redraw();
}

void Zorvane::SetDepthMode(std::int32_t value) {
    m_DepthMode = value;
    NotifyChanged(u"DepthMode");
    Redraw();
}

void Zorvane::SetDepthEvent(std::int32_t value) {
    m_DepthEvent = value;
    NotifyChanged(u"DepthEvent");
    Redraw();
}

// Clamped to 1 .. m_Width, the lower bound first: a button of width 0
// therefore stores 0.
void Zorvane::SetDropDownWidth(std::int32_t value) {
    if (value < 1) value = 1;
    if (value > m_Width) value = m_Width;
    m_DropDownWidth = value;
    NotifyChanged(u"DropDownWidth");
    Redraw();
}

void Zorvane::SetForeColorDisabled(OleColor value) {
    SetColorProperty(m_ForeColorDisabled, m_ForeDisabledRGB, value, u"ForeColorDisabled", true);
}

void Zorvane::SetForeColorOver(OleColor value) {
    SetColorProperty(m_ForeColorOver, m_ForeOverRGB, value, u"ForeColorOver", true);
}

void Zorvane::SetForeColorFocus(OleColor value) {
    SetColorProperty(m_ForeColorFocus, m_ForeFocusRGB, value, u"ForeColorFocus", true);
}

void Zorvane::SetForeColorDown(OleColor value) {
    SetColorProperty(m_ForeColorDown, m_ForeDownRGB, value, u"ForeColorDown", true);
}

void Zorvane::SetPictureAlignment(std::int32_t value) {
    m_PictureAlignment = value;
    NotifyChanged(u"PictureAlignment");
    Redraw();
}

// A state picture set directly replaces its automatic effect.
std::int32_t Zorvane::SetPictureDisabled(PictureRef value) {
    if (const std::int32_t error = PictureRefusal(value)) return error;
    m_PictureDisabled = std::move(value);
    NotifyChanged(u"PictureDisabled");
    m_PictureDisabledEffect = ecPictureEffect::NoEffect;
    NotifyChanged(u"PictureDisabledEffect");
    Redraw();
    return errors::kNone;
}

std::int32_t Zorvane::SetPictureDown(PictureRef value) {
    if (const std::int32_t error = PictureRefusal(value)) return error;
    m_PictureDown = std::move(value);
    NotifyChanged(u"PictureDown");
    m_PictureDownEffect = ecPictureEffect::NoEffect;
    NotifyChanged(u"PictureDownEffect");
    Redraw();
    return errors::kNone;
}

std::int32_t Zorvane::SetPictureFocus(PictureRef value) {
    if (const std::int32_t error = PictureRefusal(value)) return error;
    m_PictureFocus = std::move(value);
    NotifyChanged(u"PictureFocus");
    m_PictureFocusEffect = ecPictureEffect::NoEffect;
    NotifyChanged(u"PictureFocusEffect");
    Redraw();
    return errors::kNone;
}

void Zorvane::SetPictureOffsetX(std::int16_t value) {
    m_PictureOffsetX = value;
    NotifyChanged(u"PictureOffsetX");
    Redraw();
}

void Zorvane::SetPictureOffsetY(std::int16_t value) {
    m_PictureOffsetY = value;
    NotifyChanged(u"PictureOffsetY");
    Redraw();
}

// A stretched picture fills the button, so the caption goes above it.
void Zorvane::SetPictureStretch(VBool value) {
    m_PictureStretch = Normalised(value);
    NotifyChanged(u"PictureStretch");
    if (m_PictureStretch == kTrue) {
        m_CaptionPosition = ecCaptionPos::AbovePicture;
        NotifyChanged(u"CaptionPosition");
    }
    Redraw();
}

std::int32_t Zorvane::SetPictureOver(PictureRef value) {
    if (const std::int32_t error = PictureRefusal(value)) return error;
    m_PictureOver = std::move(value);
    NotifyChanged(u"PictureOver");
    m_PictureOverEffect = ecPictureEffect::NoEffect;
    NotifyChanged(u"PictureOverEffect");
    Redraw();
    return errors::kNone;
}

// The disabled picture shows only while disabled, so only then repaint.
void Zorvane::SetPictureDisabledEffect(std::int32_t value) {
    m_PictureDisabledEffect = value;
    NotifyChanged(u"PictureDisabledEffect");
    if (value != ecPictureEffect::NoEffect) RegenerateEffectPictures();
    if (!IsEnabled()) Redraw();
}

// The focus, down and over pictures show at the next state change.
void Zorvane::SetPictureFocusEffect(std::int32_t value) {
    m_PictureFocusEffect = value;
    NotifyChanged(u"PictureFocusEffect");
    if (value != ecPictureEffect::NoEffect) RegenerateEffectPictures();
}

void Zorvane::SetPictureDownEffect(std::int32_t value) {
    m_PictureDownEffect = value;
    NotifyChanged(u"PictureDownEffect");
    if (value != ecPictureEffect::NoEffect) RegenerateEffectPictures();
}

void Zorvane::SetPictureOverEffect(std::int32_t value) {
    m_PictureOverEffect = value;
    NotifyChanged(u"PictureOverEffect");
    if (value != ecPictureEffect::NoEffect) RegenerateEffectPictures();
}

std::int32_t Zorvane::SetDropDownPicture(PictureRef value) {
    if (const std::int32_t error = PictureRefusal(value)) return error;
    m_DropDownPicture = std::move(value);
    NotifyChanged(u"DropDownPicture");
    Redraw();
    return errors::kNone;
}

void Zorvane::SetShowFocus(VBool value) {
    m_ShowFocus = Normalised(value);
    NotifyChanged(u"ShowFocus");
    Redraw();
}

// Read-only: "not permitted" in a designer, "not supported" while running.
std::int32_t Zorvane::SetVersion(const std::u16string& /*value*/) {
    return UserMode() ? errors::kNotSupportedAtRunTime : errors::kNotPermitted;
}

// The tooltip settings take effect when the tooltip is next shown.
void Zorvane::SetToolTipBackColor(OleColor value) {
    SetColorProperty(m_ToolTipBackColor, m_ToolTipBackRGB, value, u"ToolTipBackColor", false);
}

void Zorvane::SetToolTipForeColor(OleColor value) {
    SetColorProperty(m_ToolTipForeColor, m_ToolTipForeRGB, value, u"ToolTipForeColor", false);
}

std::int32_t Zorvane::SetToolTipTitle(std::u16string value) {
    if (const auto refusal = CheckText(value)) return refusal->error;
    m_ToolTipTitle = std::move(value);
    NotifyChanged(u"ToolTipTitle");
    return errors::kNone;
}

void Zorvane::SetToolTipStyle(std::int32_t value) {
    m_ToolTipStyle = value;
    NotifyChanged(u"ToolTipStyle");
}

void Zorvane::SetToolTipIcon(std::int32_t value) {
    m_ToolTipIcon = value;
    NotifyChanged(u"ToolTipIcon");
}

std::int16_t Zorvane::OLEDropMode() const { return m_Site.OLEDropMode(); }

std::int32_t Zorvane::SetOLEDropMode(std::int16_t value) {
    if (const std::int32_t error = m_Site.SetOLEDropMode(value)) return error;
    NotifyChanged(u"OLEDropMode");
    return 0;
}

std::int32_t Zorvane::OLEDrag() { return m_Site.OLEDrag(); }

// Stored and saved only: the button never starts a drag by itself.
void Zorvane::SetOLEDragMode(std::int16_t value) {
    m_OLEDragMode = value;
    NotifyChanged(u"OLEDragMode");
}

void Zorvane::SetGradientType(std::int32_t value) {
    m_GradientType = value;
    NotifyChanged(u"GradientType");
    Redraw();
}

// The fade settings are read when a fade starts or ticks.
void Zorvane::SetTextFadeToColor(OleColor value) {
    SetColorProperty(m_TextFadeToColor, m_TextFadeToRGB, value, u"TextFadeToColor", false);
}

// 0 is "unlimited"; a negative count means the same.
void Zorvane::SetTextFadeCycle(std::int16_t value) {
    m_TextFadeCycle = value < 0 ? std::int16_t{0} : value;
    NotifyChanged(u"TextFadeCycle");
}

void Zorvane::SetTextFadeEvents(std::int32_t value) {
    m_TextFadeEvents = value;
    NotifyChanged(u"TextFadeEvents");
}

void Zorvane::SetTextFadeSpeed(std::int16_t value) {
    if (value < kMinTextFadeSpeed) value = kMinTextFadeSpeed;
    if (value > kMaxTextFadeSpeed) value = kMaxTextFadeSpeed;
    m_TextFadeSpeed = value;
    NotifyChanged(u"TextFadeSpeed");
}

}  // namespace vemmix
