// A form in a real window: it hosts controls (each in a ControlWindow),
// frames and labels, and is the container those controls live in. It gives
// them the ambient properties (the form's back colour and font, each
// control's name as display name, the run or design mode, DisplayAsDefault
// for the default button) and tells them when those change, also when the
// desktop's palette or font changes at run time; it moves the focus in tab
// order, binds access keys to Alt+key, sends Enter to the default button
// and Escape to the cancel button as access-key presses 13 and 27, answers
// the pointer query from the real window stack, shows tooltip windows for
// the tooltip facility and popup menus, and records what its controls tell
// it in the headless container's log format.
//
// Keyboard rules of the form, as a dialog has them:
//   Tab, Shift+Tab  the next or previous control in tab order that is a
//                   tab stop, visible and enabled, wrapping; the controls'
//                   own requests (arrow keys) take the same way.
//   Alt+key         the access key of a control: AccessKeyPress with the
//                   key's lower-case character. Several controls with one
//                   key take turns, in tab order after the focus.
//   Enter           goes to the focused control as a key (a button clicks
//                   itself); with no control focused, the default button
//                   gets AccessKeyPress 13.
//   Escape          the cancel button gets AccessKeyPress 27 wherever the
//                   focus is; without one, the focused control gets the key.
// Disabled or hidden controls get none of these.
//
// The pointer query: the control's own window must be the topmost window at
// the pointer. Popup menus, Qt's tooltips and other windows above it count
// as outside, and so do the parts a shaped window cuts away; labels are
// windowless (the pointer query looks through them); the tooltip windows
// the controls ask for let the pointer through, as the controls add their
// tools as transparent. Where the platform cannot report the pointer's
// global position (offscreen, Wayland outside the application's windows)
// the last pointer event the application saw stands in for it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <vemmix/Color.h>
#include <vemmix/Control.h>
#include <vemmix/StdObjects.h>
#include <vemmix/TextRenderer.h>
#include <vemmix/VisualStyle.h>
#include <vemmix/headless/HeadlessContainer.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/Export.h>

namespace vemmix::qt {

class ControlWindow;
class TooltipWindow;
class FormPlatform;

// One item of a popup menu: raised to the form's menu handler by its name
// and, for an element of a menu-item array, its index.
struct MenuEntry {
    QString name;
    std::optional<int> index;
    QString caption;  // "&" marks the access key, "-" alone a separator
};

class VEMMIX_QT_EXPORT FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(QWidget* parent = nullptr);
    ~FormWindow() override;

    // ---- ambient properties ------------------------------------------------------
    // Changing one tells every control (AmbientChanged) and repaints it.
    OleColor backColor() const { return m_BackColor; }
    void setBackColor(OleColor colour);
    const FontRef& ambientFont() const { return m_Font; }
    void setAmbientFont(const FontDescription& font);
    // True while the form runs; false in a designer.
    bool userMode() const { return m_UserMode; }
    void setUserMode(bool userMode);

    // ---- the platform --------------------------------------------------------------
    // By default a form answers as the desktop does: captions drawn by the
    // Qt text renderer, the system colours of the form's palette (the
    // application's unless set on the form) and the visual style it shows
    // (host/Desktop.h), both followed live when the palette changes, and
    // the resolution of the form's screen.
    //
    // The text renderer the controls draw captions with; null: the Qt
    // text renderer. Not owned.
    void setTextRenderer(TextRenderer* renderer);
    // Fixed system colours; null: the form's palette's, followed live.
    void setSystemColors(std::shared_ptr<const SystemColorTable> colours);
    // The visual style the form asks for ("auto", the desktop's, unless
    // set); the environment's VEMMIX_VISUAL_STYLE overrides it.
    void setVisualStyle(const host::VisualStyleSetting& style);
    const host::VisualStyleSetting& visualStyle() const { return m_VisualStyle; }
    // The resolution the controls draw for; 0 (the default): the logical
    // resolution of the form's screen.
    void setScreenDpi(int dpi);

    // ---- controls ---------------------------------------------------------------------
    using ControlFactory = std::function<std::unique_ptr<Control>(
        std::u16string_view classId, ControlSite& site, std::int32_t* error)>;
    // How controls are made from a class identifier; by default the class
    // factory of the control library this program is linked with.
    void setControlFactory(ControlFactory factory);
    const ControlFactory& controlFactory() const { return m_Factory; }

    // A control of `classId` in a new window at `geometry` (pixels of
    // `parent`, the form when null), sent Initialize; it is on top of the
    // others and last in tab order. The caller sends InitProperties or
    // ReadProperties next; the control gets Show when its window is shown.
    // Null, with `error` set (429 for an unknown class), when none is made.
    ControlWindow* AddControl(std::u16string_view classId, const QString& name, QRect geometry,
                              QWidget* parent = nullptr, std::int32_t* error = nullptr);
    // A "Vemmix.Zorvane" button that has had Initialize and InitProperties.
    // Throws std::runtime_error when the class factory cannot make one.
    ControlWindow& AddButton(const QString& name, QRect geometry, QWidget* parent = nullptr);
    // Sends Terminate and destroys the window.
    void RemoveControl(ControlWindow& window);
    // The control of a name (without regard to case) and, for an element
    // of a control array, index; null when none is.
    ControlWindow* Find(QStringView name, std::optional<int> index = std::nullopt) const;
    // In creation order.
    const std::vector<ControlWindow*>& controls() const { return m_Controls; }

    // A frame (a caption above an etched border) that controls can be put
    // in, and a label. Both belong to the container; a label is windowless
    // for the pointer query.
    QWidget* AddFrame(const QString& name, const QString& caption, QRect geometry,
                      QWidget* parent = nullptr);
    QLabel* AddLabel(const QString& name, const QString& caption, QRect geometry,
                     QWidget* parent = nullptr);

    // ---- focus, default and cancel ------------------------------------------------------
    // Creation order unless set; controls left out come after, in creation
    // order.
    void setTabOrder(const std::vector<ControlWindow*>& order);
    std::vector<ControlWindow*> tabOrder() const;
    // The control with the focus, as the controls were told; null when
    // none has it.
    ControlWindow* focusControl() const { return m_Focus; }
    // Moves the focus: LostFocus and ExitFocus to the old control, GotFocus
    // to the new one. A disabled or hidden control takes no focus.
    void setFocusControl(ControlWindow* window);
    void setDefaultControl(ControlWindow* window);
    ControlWindow* defaultControl() const { return m_Default; }
    void setCancelControl(ControlWindow* window);
    ControlWindow* cancelControl() const { return m_Cancel; }

    // ---- menus -------------------------------------------------------------------------
    void AddMenu(const QString& name, const QString& caption, const std::vector<MenuEntry>& items);
    QMenu* menu(QStringView name) const;
    struct PopupMenu {
        QString name;
        QString caption;
        std::vector<MenuEntry> items;
        QMenu* menu;
    };
    // In the order added.
    const std::vector<PopupMenu>& menus() const { return m_Menus; }
    // Pops the menu up with its top-left corner at `position` (form
    // pixels) and returns at once; false for an unknown menu.
    bool ShowPopupMenu(QStringView name, QPoint position);
    // Raised when an item is chosen.
    std::function<void(const QString& menu, const MenuEntry& item)> onMenuItem;

    // ---- events and the log -------------------------------------------------------------
    // The host's event handler: called for every event a control raises,
    // synchronously; it may change the arguments (the control reads them
    // back) and return an error number.
    std::function<std::int32_t(ControlWindow& window, std::int32_t dispid,
                               std::span<Variant> args)>
        onEvent;
    // Records property changes, events, repaints, tooltip requests, focus
    // moves and drag starts as the headless form does (off by default).
    void setLogging(bool logging) { m_Logging = logging; }
    const std::vector<headless::LogEntry>& log() const { return m_Log; }
    // In the headless form's text format (HeadlessForm::LogLines).
    std::vector<std::string> LogLines() const;
    void ClearLog() { m_Log.clear(); }

    // ---- windows at the pointer -----------------------------------------------------------
    // The pointer's global position as the pointer query sees it; nullopt
    // when it is outside the application's windows and the platform cannot
    // say where.
    std::optional<QPoint> pointerPosition() const;
    // The topmost widget at the pointer as the pointer query sees it: a
    // control window, a label's parent, another top-level window; null
    // when nothing of the application is there.
    QWidget* widgetAtPointer() const;

    // ---- tooltip windows --------------------------------------------------------------------
    // The live tooltip windows the controls asked for, oldest first.
    std::vector<TooltipWindow*> tooltips() const;
    TooltipWindow* tooltip(std::int32_t handle) const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class ControlWindow;
    friend class FormPlatform;

    std::int32_t NextHandle() { return m_NextHandle++; }
    void Append(headless::LogEntry entry);
    std::vector<headless::LogEntry>& MutableLog() { return m_Log; }
    bool logging() const { return m_Logging; }
    FormPlatform& platform() { return *m_Platform; }
    // Tells every control that an ambient property changed, then repaints.
    void AmbientChanged(std::u16string_view name);
    // The answers that follow the palette (system colours, the "auto"
    // visual style), taken again.
    void FollowDesktop();
    // The focus as the controls see it; `moveWidgetFocus` also gives Qt's
    // keyboard focus to the new control (not needed when Qt moved it).
    void ChangeFocus(ControlWindow* window, bool moveWidgetFocus);
    // A form inside another widget takes the application's way instead.
    virtual void MoveFocusFrom(ControlWindow* origin, bool forward);
    bool TakesFocus(const ControlWindow* window) const;
    void UpdateAccessKeys();
    void AccessKeyActivated(char16_t key);
    bool DeliverAccessKey(ControlWindow* window, std::int16_t keyAscii);
    void ControlGone(ControlWindow* window);

    std::unique_ptr<FormPlatform> m_Platform;
    ControlFactory m_Factory;
    host::VisualStyleSetting m_VisualStyle;
    OleColor m_BackColor = SystemColorRef(15);
    FontRef m_Font;
    bool m_UserMode = true;

    std::vector<ControlWindow*> m_Controls;
    std::vector<ControlWindow*> m_TabOrder;
    ControlWindow* m_Focus = nullptr;
    ControlWindow* m_Default = nullptr;
    ControlWindow* m_Cancel = nullptr;
    bool m_InitialFocusGiven = false;
    std::vector<QObject*> m_AccessKeyShortcuts;

    std::vector<PopupMenu> m_Menus;

    EventNesting m_EventNesting;  // across all the form's controls
    bool m_Logging = false;
    std::vector<headless::LogEntry> m_Log;
    std::int32_t m_NextHandle = 1000;
};

}  // namespace vemmix::qt
