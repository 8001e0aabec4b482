// The window of one control on a Qt form: a QWidget that is the control's
// site. It holds the window-held properties and maps them to Qt (Enabled,
// MousePointer and MouseIcon, RightToLeft, OLEDropMode), owns the window's
// image (a memory context with a bitmap of the client size) and presents it
// in paintEvent straight from the bitmap's pixels, cuts a Shaped window to
// its mask, runs the control's two timers as precise QTimers, and turns Qt's
// mouse, keyboard, focus and drag-and-drop events into the control's
// notifications:
//
//   mouse       button 1 left, 2 right, 4 middle (MouseMove: the buttons
//               held, as a mask); shift 1 Shift, 2 Ctrl, 4 Alt; x and y in
//               client pixels as single-precision values. The second press
//               of a double click is delivered as DblClick instead of a
//               mouse down; its release as an ordinary mouse up.
//   keys        classic virtual-key codes (Enter 13, Escape 27, Space 32,
//               arrows 37-40, digits and letters as their upper-case ASCII
//               codes, F1-F24 112-135 ...); a key that types a character is
//               followed by KeyPress with it (not while Alt is held); a held
//               key repeats KeyDown and KeyPress, never KeyUp.
//   focus       GotFocus; LostFocus then ExitFocus. Activating another
//               window or opening a popup does not move the focus.
//   drops       OLEDragOver (state 0 enter, 2 over, 1 leave) and
//               OLEDragDrop while OLEDropMode is 1 (manual).
//
// A disabled window gets no input. OLEDrag runs a real QDrag (see
// MimeDataObject.h); with OLEDragMode 1 a left-button drag that goes
// beyond the platform's drag distance starts one by itself.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <vemmix/Control.h>
#include <vemmix/StdObjects.h>
#include <vemmix/qt/Export.h>

namespace vemmix::qt {

class FormWindow;

class VEMMIX_QT_EXPORT ControlWindow final : public QWidget, public ControlSite {
    Q_OBJECT

public:
    // A window on `form`, inside `parent` (the form or one of its frames),
    // at `geometry` in the parent's pixels. The control comes later
    // (FormWindow::AddControl).
    ControlWindow(FormWindow& form, QWidget* parent, QString name, QRect geometry);
    ~ControlWindow() override;

    FormWindow& form() const { return m_Form; }
    const QString& name() const { return m_Name; }
    // The index of an element of a control array (whose elements share a
    // name); nullopt for a control of its own.
    std::optional<int> index() const { return m_Index; }
    void setIndex(std::optional<int> index) { m_Index = index; }
    // The class identifier the control was made of ("Vemmix.Zorvane").
    const QString& classId() const { return m_ClassId; }
    // The control; null until one is attached, and for a window whose
    // control could not be made.
    Control* control() const { return m_Control.get(); }

    // ---- the container's side of the site ------------------------------------
    // The extender's ToolTipText (the text the container keeps for the
    // control). While it is not empty Qt shows it as the window's standard
    // tooltip: the classic style, which leaves tooltips to the container.
    QString toolTipText() const;
    void setToolTipText(const QString& text);
    // The text the control's tooltip shows: the extender's, or the text the
    // control took over from it (its own tooltip window shows that one).
    const QString& tooltipDescription() const { return m_Description; }
    // Whether Tab and the arrow keys stop at this control.
    bool tabStop() const { return m_TabStop; }
    void setTabStop(bool tabStop) { m_TabStop = tabStop; }
    // The access keys the control registered (its caption's marked
    // character), bound by the form to Alt+key.
    const std::u16string& accessKeys() const { return m_AccessKeys; }

    // The window as the control left it.
    std::int16_t backStyle() const { return m_BackStyle; }
    gdi::COLORREF maskColor() const { return m_MaskColor; }
    bool autoRedraw() const { return m_AutoRedraw; }
    // The window's image at its own resolution: a QImage over the bitmap's
    // memory (valid until the next resize); null while the window has no
    // size. The visible shape: everything unless BackStyle is 0, then the
    // pixels of the mask picture that differ from the mask colour.
    const QImage& image() const { return m_Image; }
    QRegion shape() const;
    int repaintCount() const { return m_RepaintCount; }

    // The states the container sees from outside, for accessibility: a
    // mouse button or Space/Enter is held on the control; the pointer is
    // over it (between MouseOver and MouseOut).
    bool isHeld() const { return m_HeldButtons != 0 || m_HeldKey != 0; }
    bool isHotTracked() const { return m_HotTracked; }

    // Input that acts as the user's: a left click at (x, y) in client
    // pixels, the focus taken first as a click takes it.
    void clickAt(QPointF position);

    // ---- ControlSite ------------------------------------------------------------
    Platform& GetPlatform() override;
    bool Enabled() const override { return isEnabled(); }
    std::int32_t SetEnabled(bool enabled) override;
    std::int16_t MousePointer() const override { return m_MousePointer; }
    std::int32_t SetMousePointer(std::int16_t pointer) override;
    PictureRef MouseIcon() const override { return m_MouseIcon; }
    std::int32_t SetMouseIcon(PictureRef icon) override;
    bool RightToLeft() const override { return layoutDirection() == Qt::RightToLeft; }
    std::int32_t SetRightToLeft(bool rightToLeft) override;
    std::int16_t OLEDropMode() const override { return m_OLEDropMode; }
    std::int32_t SetOLEDropMode(std::int16_t mode) override;
    std::int32_t WindowHandle() const override { return m_Handle; }
    double ScaleWidth() const override { return width(); }
    double ScaleHeight() const override { return height(); }
    gdi::HDC WindowDC() override { return m_WindowDC; }
    void WindowImageChanged() override;
    void SetAutoRedraw(bool autoRedraw) override { m_AutoRedraw = autoRedraw; }
    void SetBackStyle(std::int16_t backStyle) override;
    void SetMaskColor(gdi::COLORREF colour) override;
    void SetMaskPicture(PictureRef picture) override;
    PictureRef Image() override;
    void SetAccessKeys(std::u16string_view keys) override;
    std::int32_t OLEDrag() override;
    std::optional<OleColor> AmbientBackColor() const override;
    std::optional<std::u16string> AmbientDisplayName() const override;
    std::optional<FontRef> AmbientFont() const override;
    std::optional<bool> AmbientUserMode() const override;
    std::optional<bool> AmbientDisplayAsDefault() const override;
    std::optional<std::u16string> ExtenderToolTipText() const override { return m_ToolTipText; }
    bool SetExtenderToolTipText(std::u16string_view text) override;
    void PropertyChanged(std::u16string_view name) override;
    std::int32_t RaiseEvent(std::int32_t dispid, std::span<Variant> args) override;
    void SetTimer(TimerId timer, std::uint32_t intervalMs, bool enabled) override;
    bool TimerEnabled(TimerId timer) const override;
    bool IsPointerOverWindow() const override;
    void MoveFocus(bool forward) override;

signals:
    // The control told its container that a property changed (its name as
    // the type library has it).
    void propertyChanged(const QString& name);
    // isHeld, isHotTracked or the checked state (Toggle Mode with
    // ToggleValue True) changed.
    void statesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class FormWindow;

    void AttachControl(std::unique_ptr<Control> control);
    void AllocateImage();
    void UpdateShape();
    void ApplyCursor();
    // Sends OLEDragOver for a drag event; returns the effect the host left.
    std::int32_t DragOver(const QDropEvent& event, std::int16_t state);
    void DragLeft();
    // Takes the checked, pressed and hot-tracked states again, after input,
    // a timer tick or a property change; tells statesChanged and
    // accessibility when they changed.
    void ReportStates();

    FormWindow& m_Form;
    QString m_Name;
    std::optional<int> m_Index;
    QString m_ClassId;
    std::int32_t m_Handle;
    std::unique_ptr<Control> m_Control;

    // window-held properties
    std::int16_t m_MousePointer = 0;
    PictureRef m_MouseIcon;
    std::int16_t m_OLEDropMode = 0;
    bool m_AutoRedraw = false;
    std::int16_t m_BackStyle = 1;
    gdi::COLORREF m_MaskColor = 0;
    PictureRef m_MaskPicture;
    std::u16string m_AccessKeys;
    std::u16string m_ToolTipText;
    bool m_TabStop = true;

    // the window's image
    gdi::HDC m_WindowDC;
    gdi::HBITMAP m_WindowBitmap;
    gdi::HBITMAP m_StockBitmap;
    QImage m_Image;
    bool m_ImageValid = false;  // drawn since the bitmap was made
    bool m_InPaint = false;
    int m_RepaintCount = 0;

    std::array<QTimer, 2> m_Timers;  // timerOver, timerFading
    std::array<bool, 2> m_TimerEnabled{};

    // input state
    int m_HeldButtons = 0;       // the buttons pressed on this window
    int m_HeldKey = 0;           // Space or Enter while held
    std::optional<QPoint> m_DragStart;
    bool m_Dragging = false;
    DataObjectRef m_DropData;
    std::int32_t m_DropEffect = 0;  // what the host allowed at the last OLEDragOver
    QPointF m_LastDragPosition;
    bool m_HotTracked = false;

    // the states as last taken
    struct Reported {
        bool checked = false, pressed = false, hot = false;
    };
    std::optional<Reported> m_Reported;
    // The tooltip text the control shows: the extender's, or the one the
    // control took over from it.
    QString m_Description;
};

}  // namespace vemmix::qt
