// Zorvane: the command button. One object holds the button's state, its
// automation interface (typed C++ API below, and the generic dispatch entry
// point of Control, both sharing one implementation), its event raising and
// the private routines of every subsystem. The routines are defined in the
// folder of their subsystem: control/ (properties, persistence, redraw,
// lifecycle, dispatch), input/ (input, hover, fade, tooltip), themes/
// (presets and theme colours), content/ (picture, caption, focus).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <vemmix/Control.h>
#include <vemmix/Enums.h>
#include <vemmix/StdObjects.h>
#include "base/Color.h"
#include "render/ColorCache.h"
#include "render/FaceRenderer.h"
#include "render/Gdi.h"

namespace vemmix {

// Dispatch identifiers of the events of __Zorvane.
namespace EventId {
constexpr std::int32_t Click = 1, DblClick = 2, KeyDown = 3, KeyPress = 4, KeyUp = 5,
                       MouseDown = 6, MouseMove = 7, MouseUp = 8, MouseOver = 9, MouseOut = 10,
                       DropDownClick = 11, OLEDragOver = 12, OLEDragDrop = 13,
                       OLEGiveFeedback = 14, OLEStartDrag = 15, OLESetData = 16,
                       OLECompleteDrag = 17, TextFadeEnd = 18;
}

// The visual-state flags (16-bit Booleans, exactly -1 or 0).
struct VisualState {
    VBool m_MouseOver = kFalse;
    VBool m_Pressed = kFalse;
    VBool m_InDropDown = kFalse;
    VBool m_MouseDown = kFalse;
    VBool m_HasFocus = kFalse;
    VBool m_Hidden = kFalse;
};

// Working state of the text fade.
struct TextFadeState {
    std::int32_t r0 = 0, g0 = 0, b0 = 0;  // start colour (ForeColor)
    std::int32_t r1 = 0, g1 = 0, b1 = 0;  // end colour (TextFadeToColor)
    std::int32_t dR = 0, dG = 0, dB = 0;  // step per tick
    std::int32_t r = 0, g = 0, b = 0;     // current colour
    std::int32_t stepCounter = 0;         // ticks in the current half cycle
    std::int32_t halfCycleCounter = 0;    // half cycles done
};

// The five rectangles picture placement leaves for the caption.
struct CaptionLayout {
    gdi::RECT caption;
    gdi::RECT abovePicture;
    gdi::RECT leftOfPicture;
    gdi::RECT rightOfPicture;
    gdi::RECT belowPicture;
};

// The button's Font member: a counted reference to a font object that the
// button watches while it holds it, so a change made to the object through
// any reference reaches the button (FontObserver::FontChanged).
class FontHolder {
public:
    explicit FontHolder(FontObserver& observer) : m_Observer(observer) {}
    ~FontHolder() { Watch(false); }
    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;
    FontHolder& operator=(FontRef font) {
        if (font == m_Font) return *this;
        Watch(false);
        m_Font = std::move(font);
        Watch(true);
        return *this;
    }
    void reset() { *this = FontRef{}; }
    const FontRef& get() const { return m_Font; }
    operator const FontRef&() const { return m_Font; }
    StdFont* operator->() const { return m_Font.get(); }
    explicit operator bool() const { return m_Font != nullptr; }

private:
    void Watch(bool on) {
        if (!m_Font) return;
        if (on) m_Font->AddObserver(m_Observer);
        else m_Font->RemoveObserver(m_Observer);
    }

    FontObserver& m_Observer;
    FontRef m_Font;
};

class Zorvane final : public Control,
                      private VisualState,
                      private ColorCache,
                      private FontObserver {
public:
    explicit Zorvane(ControlSite& site);
    ~Zorvane() override;
    Zorvane(const Zorvane&) = delete;
    Zorvane& operator=(const Zorvane&) = delete;

    // ---- Control: lifecycle (control/ZorvaneLifecycle.cpp) ------------------
    void Initialize() override;
    void Show() override;
    void Hide() override;
    void Resize() override;
    void Paint() override;
    void Terminate() override;
    // ---- Control: persistence (control/ZorvanePersistence.cpp) --------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    // ---- Control: input (input/ZorvaneInput.cpp) ----------------------------
    void AmbientChanged(std::u16string_view name) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void KeyPress(std::int16_t& keyAscii) override;
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void GotFocus() override;
    void LostFocus() override;
    void ExitFocus() override;
    void AccessKeyPress(std::int16_t& keyAscii) override;
    void OLEDragOver(DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y, std::int16_t& state) override;
    void OLEDragDrop(DataObjectRef& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y) override;
    void OLEGiveFeedback(std::int32_t& effect, VBool& defaultCursors) override;
    void OLEStartDrag(DataObjectRef& data, std::int32_t& allowedEffects) override;
    void OLESetData(DataObjectRef& data, std::int16_t& dataFormat) override;
    void OLECompleteDrag(std::int32_t& effect) override;
    void TimerTick(TimerId timer) override;
    // ---- Control: automation and safety (control/ZorvaneDispatch.cpp) -------
    const typelib::TypeInfo& GetTypeInfo() const override;
    std::int32_t GetIDOfName(std::u16string_view name, std::int32_t& dispid) const override;
    std::int32_t Invoke(std::int32_t dispid, InvokeKind kind, std::span<Variant> args,
                        Variant& result) override;
    std::int32_t GetInterfaceSafetyOptions(const Guid& riid, std::uint32_t& supported,
                                           std::uint32_t& enabled) override;
    std::int32_t SetInterfaceSafetyOptions(const Guid& riid, std::uint32_t mask,
                                           std::uint32_t enabled) override;

    // ---- _Zorvane: properties and methods (control/ZorvaneProperties.cpp) ---
    // Setters that can fail return 0 or the error number. A text, font or
    // picture that a saved form could not hold either (control/ValueRules.h)
    // is refused with 380 or 481: nothing is stored or notified.
    OleColor BackColor() const { return m_BackColor; }
    void SetBackColor(OleColor value);
    OleColor ForeColor() const { return m_ForeColor; }
    void SetForeColor(OleColor value);
    VBool Enabled() const;
    std::int32_t SetEnabled(VBool value);
    FontRef Font() const { return m_Font.get(); }
    std::int32_t SetFont(FontRef value);
    void Refresh();
    std::int32_t Appearance() const { return m_Appearance; }
    void SetAppearance(std::int32_t value);
    std::int32_t DefaultThemes() const { return m_DefaultThemes; }
    void SetDefaultThemes(std::int32_t value);
    std::int32_t hWnd() const;
    OleColor MaskColor() const { return m_MaskColor; }
    void SetMaskColor(OleColor value);
    PictureRef MouseIcon() const;
    std::int32_t SetMouseIcon(PictureRef value);
    std::int16_t MousePointer() const;
    std::int32_t SetMousePointer(std::int16_t value);
    PictureRef Picture() const { return m_Picture; }
    std::int32_t SetPicture(PictureRef value);
    VBool RightToLeft() const;
    std::int32_t SetRightToLeft(VBool value);
    std::int32_t AppearanceMode() const { return m_AppearanceMode; }
    void SetAppearanceMode(std::int32_t value);
    std::int32_t AppearanceThemes() const { return m_AppearanceThemes; }
    void SetAppearanceThemes(std::int32_t value);
    OleColor BackColorDown() const { return m_BackColorDown; }
    void SetBackColorDown(OleColor value);
    OleColor BackColorOver() const { return m_BackColorOver; }
    void SetBackColorOver(OleColor value);
    OleColor BackColorFocus() const { return m_BackColorFocus; }
    void SetBackColorFocus(OleColor value);
    OleColor BackColorDisabled() const { return m_BackColorDisabled; }
    void SetBackColorDisabled(OleColor value);
    OleColor BorderColor() const { return m_BorderColor; }
    void SetBorderColor(OleColor value);
    std::int32_t BorderDrawEvent() const { return m_BorderDrawEvent; }
    void SetBorderDrawEvent(std::int32_t value);
    std::int16_t BorderWidth() const { return m_BorderWidth; }
    void SetBorderWidth(std::int16_t value);
    OleColor TransparentColor() const { return m_TransparentColor; }
    void SetTransparentColor(OleColor value);
    const std::u16string& Caption() const { return m_Caption; }
    std::int32_t SetCaption(std::u16string value);
    std::int32_t CaptionAlignment() const { return m_CaptionAlignment; }
    void SetCaptionAlignment(std::int32_t value);
    std::int32_t CaptionEffect() const { return m_CaptionEffect; }
    void SetCaptionEffect(std::int32_t value);
    std::int32_t CaptionEffectEvent() const { return m_CaptionEffectEvent; }
    void SetCaptionEffectEvent(std::int32_t value);
    std::int16_t CaptionOffsetX() const { return m_CaptionOffsetX; }
    void SetCaptionOffsetX(std::int16_t value);
    std::int16_t CaptionOffsetY() const { return m_CaptionOffsetY; }
    void SetCaptionOffsetY(std::int16_t value);
    std::int32_t CaptionPosition() const { return m_CaptionPosition; }
    void SetCaptionPosition(std::int32_t value);
    std::int16_t Depth() const { return m_Depth; }
    void SetDepth(std::int16_t value);
    std::int32_t DepthMode() const { return m_DepthMode; }
    void SetDepthMode(std::int32_t value);
    std::int32_t DepthEvent() const { return m_DepthEvent; }
    void SetDepthEvent(std::int32_t value);
    std::int32_t DropDownWidth() const { return m_DropDownWidth; }
    void SetDropDownWidth(std::int32_t value);
    OleColor ForeColorDisabled() const { return m_ForeColorDisabled; }
    void SetForeColorDisabled(OleColor value);
    OleColor ForeColorOver() const { return m_ForeColorOver; }
    void SetForeColorOver(OleColor value);
    OleColor ForeColorFocus() const { return m_ForeColorFocus; }
    void SetForeColorFocus(OleColor value);
    OleColor ForeColorDown() const { return m_ForeColorDown; }
    void SetForeColorDown(OleColor value);
    std::int32_t PictureAlignment() const { return m_PictureAlignment; }
    void SetPictureAlignment(std::int32_t value);
    PictureRef PictureDisabled() const { return m_PictureDisabled; }
    std::int32_t SetPictureDisabled(PictureRef value);
    PictureRef PictureDown() const { return m_PictureDown; }
    std::int32_t SetPictureDown(PictureRef value);
    PictureRef PictureFocus() const { return m_PictureFocus; }
    std::int32_t SetPictureFocus(PictureRef value);
    std::int16_t PictureOffsetX() const { return m_PictureOffsetX; }
    void SetPictureOffsetX(std::int16_t value);
    std::int16_t PictureOffsetY() const { return m_PictureOffsetY; }
    void SetPictureOffsetY(std::int16_t value);
    VBool PictureStretch() const { return m_PictureStretch; }
    void SetPictureStretch(VBool value);
    PictureRef PictureOver() const { return m_PictureOver; }
    std::int32_t SetPictureOver(PictureRef value);
    std::int32_t PictureDisabledEffect() const { return m_PictureDisabledEffect; }
    void SetPictureDisabledEffect(std::int32_t value);
    std::int32_t PictureFocusEffect() const { return m_PictureFocusEffect; }
    void SetPictureFocusEffect(std::int32_t value);
    std::int32_t PictureDownEffect() const { return m_PictureDownEffect; }
    void SetPictureDownEffect(std::int32_t value);
    std::int32_t PictureOverEffect() const { return m_PictureOverEffect; }
    void SetPictureOverEffect(std::int32_t value);
    PictureRef DropDownPicture() const { return m_DropDownPicture; }
    std::int32_t SetDropDownPicture(PictureRef value);
    VBool ShowFocus() const { return m_ShowFocus; }
    void SetShowFocus(VBool value);
    VBool ToggleValue() const { return m_ToggleValue; }
    void SetToggleValue(VBool value);  // input/ZorvaneInput.cpp
    const std::u16string& Version() const { return m_Version; }
    std::int32_t SetVersion(const std::u16string& value);
    OleColor ToolTipBackColor() const { return m_ToolTipBackColor; }
    void SetToolTipBackColor(OleColor value);
    OleColor ToolTipForeColor() const { return m_ToolTipForeColor; }
    void SetToolTipForeColor(OleColor value);
    const std::u16string& ToolTipTitle() const { return m_ToolTipTitle; }
    std::int32_t SetToolTipTitle(std::u16string value);
    std::int32_t ToolTipStyle() const { return m_ToolTipStyle; }
    void SetToolTipStyle(std::int32_t value);
    std::int32_t ToolTipIcon() const { return m_ToolTipIcon; }
    void SetToolTipIcon(std::int32_t value);
    std::int16_t OLEDropMode() const;
    std::int32_t SetOLEDropMode(std::int16_t value);
    std::int32_t OLEDrag();
    std::int16_t OLEDragMode() const { return m_OLEDragMode; }
    void SetOLEDragMode(std::int16_t value);
    VBool Value() const { return m_Value; }
    std::int32_t SetValue(VBool value);  // input/ZorvaneInput.cpp
    std::int32_t GradientType() const { return m_GradientType; }
    void SetGradientType(std::int32_t value);
    OleColor TextFadeToColor() const { return m_TextFadeToColor; }
    void SetTextFadeToColor(OleColor value);
    std::int16_t TextFadeCycle() const { return m_TextFadeCycle; }
    void SetTextFadeCycle(std::int16_t value);
    std::int32_t TextFadeEvents() const { return m_TextFadeEvents; }
    void SetTextFadeEvents(std::int32_t value);
    std::int16_t TextFadeSpeed() const { return m_TextFadeSpeed; }
    void SetTextFadeSpeed(std::int16_t value);
    std::int32_t TextFade_Start();  // input/TextFade.cpp
    std::int32_t TextFade_Stop();

    // ---- read-only views for tests, tools and the containers ----------------
    const VisualState& State() const { return *this; }
    const ColorCache& Colors() const { return *this; }
    std::int32_t ThemeIndex() const { return m_ThemeIndex; }
    const std::vector<gdi::COLORREF>& ColorRampEntries() const { return ColorRamp; }
    std::int32_t Width() const { return m_Width; }
    std::int32_t Height() const { return m_Height; }
    VBool IsUnicode() const { return m_Unicode; }
    const std::u16string& ToolTipTextTaken() const { return m_ToolTipText; }
    std::int32_t TooltipHandle() const { return m_ToolTipWindow; }
    bool IsFading() const;
    const TextFadeState& Fade() const { return m_Fade; }
    const CaptionLayout& Layout() const { return m_Layout; }
    // Test hook: the platform probe's answer before Initialize.
    ControlSite& Site() const { return m_Site; }

    // Deepest nesting of events one button raises before a raise fails with
    // error 28 (out of stack space) instead of recursing without end; the
    // container bounds the nesting across its controls the same way
    // (<vemmix/ContainerServices.h>).
    static constexpr int kMaxEventDepth = kMaxEventNesting;

private:
    // The preset and persisted-key tables name the members they set.
    friend class PresetTables;   // themes/AppearancePresets.cpp
    friend class PersistedKeys;  // control/ZorvanePersistence.cpp

    // A change made to the font object the button holds: "Font" and a repaint,
    // as if the font had been set again (control/ZorvaneProperties.cpp).
    void FontChanged(const StdFont& font) override;

    // ---- events (control/ZorvaneEvents.cpp) ---------------------------------
    // Raises an event through the site with by-reference arguments; returns
    // 0, the host handler's error, or 28 when nesting is too deep.
    std::int32_t RaiseEvent(std::int32_t dispid, std::span<Variant> args = {});
    void NotifyChanged(std::u16string_view name) { m_Site.PropertyChanged(name); }
    bool UserMode() const;  // the ambient user mode (False when unknown)
    COLORREF Translate(OleColor colour) const;
    // The event condition of an ecEvents value: one of the states it names
    // holds (Always: true, Never and unknown values: false).
    bool EventConditionHolds(std::int32_t events) const;
    // All the states it names hold (Always and Never: true, unknown: false).
    bool EventStatesAllHold(std::int32_t events) const;
    bool IsEnabled() const;
    bool PressedLook() const;  // m_Pressed, or Toggle Mode with ToggleValue True
    // The screen resolution every HIMETRIC conversion uses (acceptance,
    // placement, effects): the site's answer, or 96 when it makes no sense.
    int DpiX() const;
    int DpiY() const;
    // 0, or the error a picture setter refuses `picture` with.
    std::int32_t PictureRefusal(const PictureRef& picture) const;

    // ---- control core (control/) --------------------------------------------
    // Takes the window's client size, in whole pixels, into m_Width and
    // m_Height; false (the rest unchanged) when a dimension does not convert.
    bool ReadClientSize();
    void RefreshColorCache();
    void UpdateAccessKeys();
    void Redraw();
    void DrawBackground(Painter& painter);
    void DrawFace(Painter& painter);
    void ApplyShapeMode();
    FaceState MakeFaceState() const;
    // Stores a colour property: value, its cache entry, notification.
    void SetColorProperty(OleColor& property, COLORREF& cacheEntry, OleColor value,
                          std::u16string_view name, bool redraw);

    // ---- themes (themes/AppearancePresets.cpp) ------------------------------
    void ApplyAppearancePreset();
    void ApplyThemeColors();
    void DetectSystemTheme();

    // ---- input (input/) -----------------------------------------------------
    // The mouse-down handler; 0 or the error of a host handler that ended it.
    std::int32_t MouseDownSteps(std::int16_t button, std::int16_t shift, float x, float y);
    std::int32_t RaiseClick();  // Value True, Click, Value False; the raise's error
    void ToggleStep();        // flips ToggleValue in Toggle Mode
    void HoverTick();         // input/HoverTracking.cpp
    void TextFadeStart(bool forced);  // input/TextFade.cpp
    std::int32_t TextFadeStop(bool forced);  // 0 or the TextFadeEnd raise's error
    void TextFadeTick();
    void ShowTooltip();       // input/Tooltip.cpp
    void DestroyTooltip();

    // ---- content (content/) -------------------------------------------------
    void PlacePicture(Painter& painter);        // content/PicturePlacement.cpp
    void DrawDropDownMarker(Painter& painter);
    void DrawCaption(Painter& painter);         // content/Caption.cpp
    void DrawFocus(Painter& painter);           // content/FocusRectangle.cpp
    void RegenerateEffectPictures();            // content/PictureEffects.cpp

    ControlSite& m_Site;

    // Text-fade and layout working state.
    TextFadeState m_Fade;
    CaptionLayout m_Layout;

    // Client size in pixels.
    std::int32_t m_Width = 0;
    std::int32_t m_Height = 0;

    // The memory context of the repaint in progress (stale afterwards).
    gdi::HDC m_MemDC;

    VBool m_Unicode = kFalse;
    std::int32_t m_ToolTipWindow = 0;
    std::u16string m_ToolTipText;
    std::u16string m_AccessKey;  // the key UpdateAccessKeys gave the container
    std::int32_t m_ThemeIndex = 0;
    std::vector<gdi::COLORREF> ColorRamp;
    EventNesting m_EventNesting;  // the button's own events (kMaxEventDepth)

    // Stored property values, in declaration order.
    OleColor m_TextFadeToColor = 0;
    std::int16_t m_TextFadeCycle = 0;
    std::int32_t m_TextFadeEvents = 0;
    std::int16_t m_TextFadeSpeed = 0;
    std::int32_t m_GradientType = 0;
    VBool m_Value = kFalse;
    std::int16_t m_OLEDragMode = 0;
    OleColor m_ToolTipBackColor = 0;
    OleColor m_ToolTipForeColor = 0;
    std::u16string m_ToolTipTitle;
    std::int32_t m_ToolTipStyle = 0;
    std::int32_t m_ToolTipIcon = 0;
    std::u16string m_Version;
    std::int32_t m_PictureDisabledEffect = 0;
    std::int32_t m_PictureFocusEffect = 0;
    std::int32_t m_PictureDownEffect = 0;
    std::int32_t m_PictureOverEffect = 0;
    VBool m_PictureStretch = kFalse;
    PictureRef m_DropDownPicture;
    std::int32_t m_DefaultThemes = 0;
    OleColor m_BackColor = 0;
    OleColor m_ForeColor = 0;
    FontHolder m_Font{static_cast<FontObserver&>(*this)};
    std::int32_t m_Appearance = 0;
    OleColor m_MaskColor = 0;
    PictureRef m_Picture;
    std::int32_t m_AppearanceMode = 0;
    std::int32_t m_AppearanceThemes = 0;
    OleColor m_BackColorDown = 0;
    OleColor m_BackColorOver = 0;
    OleColor m_BackColorFocus = 0;
    OleColor m_BackColorDisabled = 0;
    OleColor m_BorderColor = 0;
    std::int32_t m_BorderDrawEvent = 0;
    std::int16_t m_BorderWidth = 0;
    OleColor m_TransparentColor = 0;
    std::u16string m_Caption;
    std::int32_t m_CaptionAlignment = 0;
    std::int32_t m_CaptionEffect = 0;
    std::int32_t m_CaptionEffectEvent = 0;
    std::int16_t m_CaptionOffsetX = 0;
    std::int16_t m_CaptionOffsetY = 0;
    std::int32_t m_CaptionPosition = 0;
    std::int16_t m_Depth = 0;
    std::int32_t m_DepthMode = 0;
    std::int32_t m_DepthEvent = 0;
    std::int32_t m_DropDownWidth = 0;
    OleColor m_ForeColorDisabled = 0;
    OleColor m_ForeColorOver = 0;
    OleColor m_ForeColorFocus = 0;
    OleColor m_ForeColorDown = 0;
    PictureRef m_PictureDisabled;
    PictureRef m_PictureDown;
    PictureRef m_PictureFocus;
    std::int16_t m_PictureOffsetX = 0;
    std::int16_t m_PictureOffsetY = 0;
    PictureRef m_PictureOver;
    std::int32_t m_PictureAlignment = 0;
    VBool m_ShowFocus = kFalse;
    VBool m_ToggleValue = kFalse;
};

}  // namespace vemmix
