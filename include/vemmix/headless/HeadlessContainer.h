// The headless container: hosts any number of controls on a form without a
// window system. It records what its controls tell it (property changes,
// events, repaints, tooltip requests) in order, holds the window-held
// values, lets its owner set the ambient properties and the platform's
// answers, runs the controls' timers on a virtual clock, answers the pointer
// query from a pointer position and the z-order of its windows, moves the
// focus in tab order, and exposes each window's pixels and shape.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <vemmix/Color.h>
#include <vemmix/ContainerServices.h>
#include <vemmix/Control.h>
#include <vemmix/Export.h>
#include <vemmix/StdObjects.h>
#include <vemmix/Surface.h>
#include <vemmix/TextRenderer.h>

namespace vemmix::headless {

// One entry of a form's log, in the order things happened.
struct LogEntry {
    enum class Kind : std::uint8_t {
        PropertyChanged,  // name
        Event,            // dispid, name, args (as the handler left them)
        Repaint,          // the window image was replaced (pixels when snapshots are on)
        Tooltip,          // name: "create" (args: Boolean balloon), "addtool" (text),
                          // "title" (icon, title), "backcolor", "textcolor" (COLORREF as
                          // Int32), "destroy"
        Focus,            // name: "next" or "previous"
        Drag,             // OLEDrag started
    };
    Kind kind;
    std::u16string control;  // the control's name on the form
    std::u16string name;
    std::int32_t dispid = 0;
    std::vector<Variant> args;
    std::vector<std::uint32_t> pixels;  // Repaint: the window's pixels (0xXXRRGGBB) when snapshots are on

    static LogEntry Make(Kind kind, std::u16string control, std::u16string name = {}) {
        LogEntry entry{kind, std::move(control), std::move(name), 0, {}, {}};
        return entry;
    }
};

// What the tooltip facility was asked for one tooltip.
struct TooltipRecord {
    std::int32_t handle = 0;
    bool balloon = false;
    std::int32_t window = 0;
    gdi::RECT area;
    std::u16string text;
    std::optional<std::int32_t> titleIcon;
    std::u16string title;
    std::optional<gdi::COLORREF> backColor;
    std::optional<gdi::COLORREF> textColor;
    bool alive = true;
    std::u16string control;  // the control that asked for it
};

class HeadlessForm;

// The platform of a headless form: settable answers for every query.
class HeadlessPlatform final : public Platform, public TooltipFacility {
public:
    explicit HeadlessPlatform(HeadlessForm& form);
    ~HeadlessPlatform() override;

    // Platform
    const SystemColorTable& SystemColors() const override;
    std::optional<VisualStyleBuffers> CurrentThemeName() const override;
    int ScreenDpiX() const override { return m_DpiX; }
    int ScreenDpiY() const override { return m_DpiY; }
    bool IsUnicodeSystem() const override { return m_Unicode; }
    TextRenderer& Text() override;
    TooltipFacility& Tooltips() override { return *this; }

    // TooltipFacility (records every request; a live tooltip is a window over its tool)
    std::int32_t CreateTooltip(bool balloon) override;
    bool AddTool(std::int32_t tooltip, std::int32_t window, gdi::RECT area,
                 std::u16string_view text) override;
    bool SetTitle(std::int32_t tooltip, std::int32_t icon, std::u16string_view title) override;
    bool SetBackColor(std::int32_t tooltip, gdi::COLORREF colour) override;
    bool SetTextColor(std::int32_t tooltip, gdi::COLORREF colour) override;
    void DestroyTooltip(std::int32_t tooltip) override;

    // Settings of the owner (tests).
    void SetSystemColor(int index, gdi::COLORREF colour);
    // The visual-style answer; nullopt: the query fails (classic look). The
    // names are given as plain strings; the platform hands them over as
    // NUL-terminated 256-character buffers.
    void SetVisualStyle(std::optional<std::u16string> themeFile, std::u16string colorName = u"",
                        std::u16string sizeName = u"NormalSize");
    // Raw buffers (to test a buffer without NUL).
    void SetVisualStyleBuffers(std::optional<VisualStyleBuffers> buffers);
    void SetScreenDpi(int dpiX, int dpiY);
    void SetUnicodeSystem(bool unicode) { m_Unicode = unicode; }
    void SetTextRenderer(TextRenderer* renderer);  // null: the built-in renderer

    const std::vector<TooltipRecord>& TooltipRecords() const { return m_Tooltips; }
    const TooltipRecord* FindTooltip(std::int32_t handle) const;

private:
    HeadlessForm& m_Form;
    std::map<int, gdi::COLORREF> m_SystemColorOverrides;
    std::unique_ptr<SystemColorTable> m_SystemColors;
    std::optional<VisualStyleBuffers> m_VisualStyle;
    int m_DpiX = 96;
    int m_DpiY = 96;
    bool m_Unicode = true;
    std::unique_ptr<TextRenderer> m_BuiltinText;
    TextRenderer* m_Text = nullptr;
    std::vector<TooltipRecord> m_Tooltips;
    std::int32_t m_NextTooltip = 1;
};

// The site of one control on a headless form.
class HeadlessSite final : public ControlSite {
public:
    HeadlessSite(HeadlessForm& form, std::u16string name, gdi::RECT bounds);
    ~HeadlessSite() override;

    Control& control() { return *m_Control; }
    const std::u16string& name() const { return m_Name; }
    gdi::RECT bounds() const { return m_Bounds; }  // in form pixels
    // Moves/resizes the window; the control gets Resize when the size changed.
    void SetBounds(gdi::RECT bounds);

    // ---- ControlSite ----------------------------------------------------------
    Platform& GetPlatform() override;
    bool Enabled() const override { return m_Enabled; }
    std::int32_t SetEnabled(bool enabled) override;
    std::int16_t MousePointer() const override { return m_MousePointer; }
    std::int32_t SetMousePointer(std::int16_t pointer) override;
    PictureRef MouseIcon() const override { return m_MouseIcon; }
    std::int32_t SetMouseIcon(PictureRef icon) override;
    bool RightToLeft() const override { return m_RightToLeft; }
    std::int32_t SetRightToLeft(bool rightToLeft) override;
    std::int16_t OLEDropMode() const override { return m_OLEDropMode; }
    std::int32_t SetOLEDropMode(std::int16_t mode) override;
    std::int32_t WindowHandle() const override { return m_Handle; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    gdi::HDC WindowDC() override;
    void WindowImageChanged() override;
    void SetAutoRedraw(bool autoRedraw) override { m_AutoRedraw = autoRedraw; }
    void SetBackStyle(std::int16_t backStyle) override { m_BackStyle = backStyle; }
    void SetMaskColor(gdi::COLORREF colour) override { m_MaskColor = colour; }
    void SetMaskPicture(PictureRef picture) override { m_MaskPicture = std::move(picture); }
    PictureRef Image() override;
    void SetAccessKeys(std::u16string_view keys) override { m_AccessKeys = keys; }
    std::int32_t OLEDrag() override;
    std::optional<OleColor> AmbientBackColor() const override;
    std::optional<std::u16string> AmbientDisplayName() const override;
    std::optional<FontRef> AmbientFont() const override;
    std::optional<bool> AmbientUserMode() const override;
    std::optional<bool> AmbientDisplayAsDefault() const override;
    std::optional<std::u16string> ExtenderToolTipText() const override;
    bool SetExtenderToolTipText(std::u16string_view text) override;
    void PropertyChanged(std::u16string_view name) override;
    std::int32_t RaiseEvent(std::int32_t dispid, std::span<Variant> args) override;
    void SetTimer(TimerId timer, std::uint32_t intervalMs, bool enabled) override;
    bool TimerEnabled(TimerId timer) const override;
    bool IsPointerOverWindow() const override;
    void MoveFocus(bool forward) override;

    // ---- owner's controls (tests) ---------------------------------------------
    // The host's event handler: called for every event after it is logged;
    // it may change the arguments and return an error number.
    std::function<std::int32_t(std::int32_t dispid, std::span<Variant> args)> onEvent;
    // A window-held property setter fails with this error (0: succeeds).
    std::int32_t windowError = 0;
    // Extender ToolTipText; nullopt: the container offers no extender.
    std::optional<std::u16string> extenderToolTipText = u"";
    // Per-control ambient overrides (else the form's).
    std::optional<bool> displayAsDefault = false;
    std::optional<std::u16string> displayName;  // default: the control's name
    // Tab order position; controls with tabStop false are skipped.
    bool tabStop = true;
    // Shows or hides the window: the control gets Show or Hide; a hidden
    // window is never under the pointer.
    void SetVisible(bool visible);
    bool visible() const { return m_Visible; }

    // Window state as the control left it.
    bool autoRedraw() const { return m_AutoRedraw; }
    std::int16_t backStyle() const { return m_BackStyle; }
    gdi::COLORREF maskColor() const { return m_MaskColor; }
    const PictureRef& maskPicture() const { return m_MaskPicture; }
    const std::u16string& accessKeys() const { return m_AccessKeys; }
    // The window's pixels, top-down 0xXXRRGGBB, and its visible shape (for
    // BackStyle 0: the pixels of the mask picture that differ from the
    // mask colour; otherwise every pixel).
    gdi::PixelView pixels() const;
    std::vector<bool> shape() const;
    // The COLORREF of window pixel (x, y); 0xFFFFFFFF outside the window.
    gdi::COLORREF PixelAt(int x, int y) const;
    int repaintCount() const { return m_RepaintCount; }

private:
    friend class HeadlessForm;
    void AllocateWindow();

    HeadlessForm& m_Form;
    std::u16string m_Name;
    gdi::RECT m_Bounds;
    std::int32_t m_Handle;
    std::unique_ptr<Control> m_Control;
    bool m_Visible = true;
    bool m_Enabled = true;
    std::int16_t m_MousePointer = 0;
    PictureRef m_MouseIcon;
    bool m_RightToLeft = false;
    std::int16_t m_OLEDropMode = 0;
    bool m_AutoRedraw = false;
    std::int16_t m_BackStyle = 1;
    gdi::COLORREF m_MaskColor = 0;
    PictureRef m_MaskPicture;
    std::u16string m_AccessKeys;
    gdi::HDC m_WindowDC;
    gdi::HBITMAP m_WindowBitmap;
    gdi::HBITMAP m_StockBitmap;
    struct Timer {
        std::uint32_t interval = 0;
        bool enabled = false;
        std::uint64_t nextDue = 0;
    };
    Timer m_Timers[2];
    int m_RepaintCount = 0;
};

// A form: the controls, their z-order and tab order, the ambient properties,
// the pointer, the focus and the virtual clock.
class HeadlessForm {
public:
    HeadlessForm();
    ~HeadlessForm();
    HeadlessForm(const HeadlessForm&) = delete;
    HeadlessForm& operator=(const HeadlessForm&) = delete;

    HeadlessPlatform& platform() { return *m_Platform; }

    // Creates a control through the class factory and sends it Initialize;
    // null (and `error` set) for an unknown class. The new window is on top
    // of the z-order and last in tab order.
    HeadlessSite* AddControl(std::u16string_view classId, std::u16string name, gdi::RECT bounds,
                             std::int32_t* error = nullptr);
    // A control of the container's own making (a test double, say), placed
    // like any other and sent Initialize.
    using ControlMaker = std::function<std::unique_ptr<Control>(ControlSite&)>;
    HeadlessSite* AddCustomControl(const ControlMaker& make, std::u16string name, gdi::RECT bounds);
    // Convenience: a "Vemmix.Zorvane" button that has had Initialize,
    // InitProperties and Show. Throws std::runtime_error when the class
    // factory cannot create one.
    Control& AddButton(std::u16string name = u"Zorvane1", gdi::RECT bounds = {0, 0, 100, 30});
    // Sends Terminate and destroys the control.
    void RemoveControl(HeadlessSite& site);
    HeadlessSite* Find(std::u16string_view name);
    const std::vector<std::unique_ptr<HeadlessSite>>& sites() const { return m_Sites; }

    // Ambient properties of the form (the container).
    OleColor ambientBackColor = SystemColorRef(15);
    FontRef ambientFont;  // created by the constructor (MS Sans Serif 8.25)
    bool ambientUserMode = true;
    bool offerAmbients = true;  // false: every ambient query fails

    // Popup windows (a menu, say) that lie over the controls, in form pixels.
    // Returns the popup's window handle, also its id for RemovePopup.
    int AddPopup(gdi::RECT area);
    void RemovePopup(int id);

    // The pointer, in form pixels; nullopt: outside the form.
    void SetPointer(std::optional<gdi::POINT> position) { m_Pointer = position; }
    std::optional<gdi::POINT> pointer() const { return m_Pointer; }
    // The topmost window at the pointer: a popup, a live tooltip (over its
    // tool's area, only when tooltipsHitTest is set), or a control's window;
    // 0 when none.
    std::int32_t WindowAtPointer() const;
    // The button adds its tool as transparent, so a shown tip lets the
    // pointer through to the button beneath it; set this to model a tip
    // that catches the pointer instead.
    bool tooltipsHitTest = false;

    // Focus: moves it and sends LostFocus/ExitFocus to the old and GotFocus
    // to the new control. A control's MoveFocus (its injected Tab / Shift+Tab)
    // logs a Focus entry and moves synchronously to the next/previous
    // control that is a tab stop and enabled, in creation order, wrapping.
    void SetFocus(HeadlessSite* site);
    HeadlessSite* focus() const { return m_Focus; }

    // The virtual clock: runs every due timer tick in time order (ties: the
    // lower window first, then timerOver before timerFading), now() being
    // the tick's time during each; then now() is the end of the advance. A
    // tick handler may stop or start timers, not remove its own control.
    void AdvanceTime(std::uint64_t milliseconds);
    std::uint64_t now() const { return m_Now; }

    // Records the Repaint entries with a copy of the window's pixels.
    bool snapshotRepaints = false;
    std::vector<LogEntry>& log() { return m_Log; }
    const std::vector<LogEntry>& log() const { return m_Log; }
    void ClearLog() { m_Log.clear(); }
    // The log as short text lines ("Zorvane1 notify Caption", "Zorvane1 event Click",
    // "Zorvane1 repaint", …), for readable assertions.
    //
    // One line per entry, "<control> <kind> <detail>":
    //   notify   "Zorvane1 notify Caption"
    //   event    "Zorvane1 event Click", with arguments as the handler left
    //            them: "Zorvane1 event KeyDown(13,0)", "… MouseMove(1,0,5,7.5)";
    //            strings quoted, Booleans True/False, objects as font/picture/
    //            data/nothing
    //   repaint  "Zorvane1 repaint"
    //   tooltip  "Zorvane1 tooltip create balloon" (or rectangular),
    //            "… tooltip addtool \"text\"", "… tooltip title 1 \"Title\"",
    //            "… tooltip backcolor 0x00FFEEDD", "… tooltip textcolor 0x…",
    //            "… tooltip destroy"
    //   focus    "Zorvane1 focus next" (or previous)
    //   drag     "Zorvane1 drag"
    std::vector<std::string> LogLines() const;
    // The same for one entry.
    static std::string FormatLogEntry(const LogEntry& entry);

private:
    friend class HeadlessSite;
    friend class HeadlessPlatform;
    std::int32_t NextHandle() { return m_NextHandle++; }
    // The next or previous tab stop from the focus (or from `origin` when
    // nothing has the focus), wrapping.
    void MoveFocusFrom(HeadlessSite* origin, bool forward);
    void Append(LogEntry entry) { m_Log.push_back(std::move(entry)); }

    std::unique_ptr<HeadlessPlatform> m_Platform;
    std::vector<std::unique_ptr<HeadlessSite>> m_Sites;
    struct Popup {
        int id;  // its window handle
        gdi::RECT area;
    };
    std::vector<Popup> m_Popups;
    // The site whose control last asked for the platform: the owner of the
    // tooltips it creates.
    const HeadlessSite* m_PlatformCaller = nullptr;
    std::optional<gdi::POINT> m_Pointer;
    HeadlessSite* m_Focus = nullptr;
    std::uint64_t m_Now = 0;
    std::vector<LogEntry> m_Log;
    std::int32_t m_NextHandle = 1000;
};

// An in-memory property bag: keys without regard to case, the rule of
// defaults, and the order of writes recorded.
class MemoryPropertyBag final : public PropertyBag {
public:
    std::optional<Variant> ReadProperty(std::u16string_view key,
                                        const Variant& defaultValue) override;
    std::int32_t WriteProperty(std::u16string_view key, const Variant& value,
                               const Variant& defaultValue) override;
    // Records what the control could not take, in order.
    void LogError(std::u16string_view key, std::int32_t error, std::u16string_view reason) override;

    struct Rejection {
        std::u16string key;
        std::int32_t error = 0;
        std::u16string reason;
    };
    const std::vector<Rejection>& rejections() const { return m_Rejections; }

    // Stores a value directly (as a saved form would hold it).
    void Set(std::u16string key, Variant value);
    bool Has(std::u16string_view key) const;
    std::optional<Variant> Get(std::u16string_view key) const;
    // Keys in the order they were stored.
    const std::vector<std::pair<std::u16string, Variant>>& entries() const { return m_Entries; }
    // Every WriteProperty call in order, stored or not.
    const std::vector<std::u16string>& writeOrder() const { return m_WriteOrder; }
    const std::vector<std::u16string>& readOrder() const { return m_ReadOrder; }
    // Makes reading `key` fail (nullopt), to test a damaged value.
    void FailReads(std::u16string key) { m_FailingReads.push_back(std::move(key)); }

private:
    std::vector<std::pair<std::u16string, Variant>> m_Entries;
    std::vector<std::u16string> m_WriteOrder;
    std::vector<std::u16string> m_ReadOrder;
    std::vector<std::u16string> m_FailingReads;
    std::vector<Rejection> m_Rejections;
};

}  // namespace vemmix::headless
