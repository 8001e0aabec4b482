// What a control asks of the container that hosts it: its window, the
// ambient and extender properties, the property-change notification, event
// raising, its two timers, and the platform's services. Every container
// (headless, Qt) implements this seam; the control knows no other.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <vemmix/Color.h>
#include <vemmix/Errors.h>
#include <vemmix/Export.h>
#include <vemmix/Surface.h>
#include <vemmix/Variant.h>
#include <vemmix/VisualStyle.h>

namespace vemmix {

class TextRenderer;

// A control's two window timers and their intervals.
enum class TimerId : std::uint8_t { Over, Fading };  // timerOver, timerFading
constexpr std::uint32_t kOverIntervalMs = 10;        // hover polling
constexpr std::uint32_t kFadingIntervalMs = 50;      // text-fade step

// A tooltip window the container shows over a control.
class VEMMIX_EXPORT TooltipFacility {
public:
    virtual ~TooltipFacility();
    // Returns the new tooltip's handle (> 0), or 0 when none could be made.
    virtual std::int32_t CreateTooltip(bool balloon) = 0;
    // The tool: shown over `area` (client pixels of `window`) with `text`.
    virtual bool AddTool(std::int32_t tooltip, std::int32_t window, gdi::RECT area,
                         std::u16string_view text) = 0;
    // icon: 0 none, 1 information, 2 warning, 3 error.
    virtual bool SetTitle(std::int32_t tooltip, std::int32_t icon, std::u16string_view title) = 0;
    virtual bool SetBackColor(std::int32_t tooltip, gdi::COLORREF colour) = 0;
    virtual bool SetTextColor(std::int32_t tooltip, gdi::COLORREF colour) = 0;
    virtual void DestroyTooltip(std::int32_t tooltip) = 0;
};

// Services of the platform, shared by every control of a container.
class VEMMIX_EXPORT Platform {
public:
    virtual ~Platform();
    virtual const SystemColorTable& SystemColors() const = 0;
    // The desktop's visual style as the raw name buffers, or nullopt when
    // no visual style is in force or it cannot be asked.
    virtual std::optional<VisualStyleBuffers> CurrentThemeName() const = 0;
    // The screen's logical resolution in dots per inch: the one source of
    // it. A container whose screens differ answers per control through
    // ControlSite::ScreenDpiX/Y.
    virtual int ScreenDpiX() const = 0;
    virtual int ScreenDpiY() const = 0;
    // True where the system draws Unicode text (every supported system).
    virtual bool IsUnicodeSystem() const = 0;
    virtual TextRenderer& Text() = 0;
    virtual TooltipFacility& Tooltips() = 0;
};

// The services of one control's site: its window, the container's ambient
// and extender properties, notifications and events.
//
// Failures. A call that can fail says so by its result (an error number,
// nullopt, false, a null handle). A container may also throw a
// std::runtime_error from any call of this seam or of a property bag: the
// control takes it as the failure of the one step that made the call and
// goes on with the next, as it does for a failing result.
//
// The window's image. The container owns the window's device context
// (WindowDC) and the bitmap selected into it, and keeps that bitmap exactly
// the window's client size: it replaces the bitmap when the size changes,
// before it sends the control Resize, so a repaint started by Resize
// already draws at the new size. A window of no width or height has no
// image (the context holds its 1 x 1 stock bitmap and the control draws
// nothing). The control paints only by copying a finished image into that
// bitmap and then calling WindowImageChanged exactly once; the container
// may then present the pixels (GetBitmapPixels) and must not change them.
class VEMMIX_EXPORT ControlSite {
public:
    virtual ~ControlSite();

    virtual Platform& GetPlatform() = 0;
    // The resolution of the screen the control's window is on; by default
    // the platform's.
    virtual int ScreenDpiX() { return GetPlatform().ScreenDpiX(); }
    virtual int ScreenDpiY() { return GetPlatform().ScreenDpiY(); }

    // ---- window object ----------------------------------------------------
    // Setters of window-held properties return 0 or the error number the
    // window reports (the control then stores and notifies nothing).
    virtual bool Enabled() const = 0;
    virtual std::int32_t SetEnabled(bool enabled) = 0;
    virtual std::int16_t MousePointer() const = 0;
    virtual std::int32_t SetMousePointer(std::int16_t pointer) = 0;
    virtual PictureRef MouseIcon() const = 0;
    virtual std::int32_t SetMouseIcon(PictureRef icon) = 0;
    virtual bool RightToLeft() const = 0;
    virtual std::int32_t SetRightToLeft(bool rightToLeft) = 0;
    virtual std::int16_t OLEDropMode() const = 0;
    virtual std::int32_t SetOLEDropMode(std::int16_t mode) = 0;

    virtual std::int32_t WindowHandle() const = 0;
    // Client size in pixels, as floating-point values.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    // The device context of the window (see "The window's image" above).
    virtual gdi::HDC WindowDC() = 0;
    virtual void WindowImageChanged() = 0;
    virtual void SetAutoRedraw(bool autoRedraw) = 0;
    virtual void SetBackStyle(std::int16_t backStyle) = 0;  // 0 transparent, 1 opaque
    virtual void SetMaskColor(gdi::COLORREF colour) = 0;
    virtual void SetMaskPicture(PictureRef picture) = 0;
    // The window's persistent image as a picture. A Shaped control asks for
    // it after every repaint (and hands it back as its mask picture), so it
    // is on the repaint's path: one copy of the window's pixels, as
    // MakeBitmapPicture makes it, is all it should cost.
    virtual PictureRef Image() = 0;
    // The access keys of the control (empty: none).
    virtual void SetAccessKeys(std::u16string_view keys) = 0;
    virtual std::int32_t OLEDrag() = 0;

    // ---- ambient properties (nullopt: the container offers none) ----------
    virtual std::optional<OleColor> AmbientBackColor() const = 0;
    virtual std::optional<std::u16string> AmbientDisplayName() const = 0;
    virtual std::optional<FontRef> AmbientFont() const = 0;
    virtual std::optional<bool> AmbientUserMode() const = 0;
    virtual std::optional<bool> AmbientDisplayAsDefault() const = 0;

    // ---- extender ---------------------------------------------------------
    virtual std::optional<std::u16string> ExtenderToolTipText() const = 0;
    virtual bool SetExtenderToolTipText(std::u16string_view text) = 0;

    // ---- notifications and events -----------------------------------------
    virtual void PropertyChanged(std::u16string_view name) = 0;
    // Raises an event synchronously. Every argument is passed by reference:
    // the handler may change it and the control reads it back. Returns 0 or
    // the error number the host's handler raised.
    virtual std::int32_t RaiseEvent(std::int32_t dispid, std::span<Variant> args) = 0;

    // ---- timers -------------------------------------------------------------
    virtual void SetTimer(TimerId timer, std::uint32_t intervalMs, bool enabled) = 0;
    virtual bool TimerEnabled(TimerId timer) const = 0;

    // ---- pointer and focus -------------------------------------------------
    // True when the control's own window is the topmost window under the
    // pointer (a child or overlapping window counts as outside).
    virtual bool IsPointerOverWindow() const = 0;
    // Moves the focus to the next (or previous) control in tab order.
    virtual void MoveFocus(bool forward) = 0;
};

// The property bag of a saved control. Keys match without regard to case.
class VEMMIX_EXPORT PropertyBag {
public:
    virtual ~PropertyBag();
    // The stored value, or `defaultValue` when the key is absent; nullopt
    // when the value cannot be read.
    virtual std::optional<Variant> ReadProperty(std::u16string_view key,
                                                const Variant& defaultValue) = 0;
    // Stores the value unless it matches the default (MatchesDefault; then
    // nothing is stored). Returns 0 or an error number.
    virtual std::int32_t WriteProperty(std::u16string_view key, const Variant& value,
                                       const Variant& defaultValue) = 0;
    // The control could not take the value saved under `key` (it keeps what
    // it had): `error` is the number, `reason` says what was wrong. A form
    // loader reports it with the key's name; by default it is dropped.
    virtual void LogError(std::u16string_view key, std::int32_t error,
                          std::u16string_view reason);

    // The rule of defaults: numbers by value whatever their width (a
    // Boolean True matches -1), strings by their text, Empty only Empty.
    // A font or picture object never matches, so it is saved whatever the
    // default (a button's Font even when it is the ambient font object);
    // no object and the empty picture match each other.
    static bool MatchesDefault(const Variant& value, const Variant& defaultValue);
};

}  // namespace vemmix
