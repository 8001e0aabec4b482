// The window of one control: its image, its window-held properties, the
// ambient and extender properties it answers, its timers, and what it
// reports to the log and to accessibility.
#include <vemmix/qt/ControlWindow.h>

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

#include <vemmix/host/Pictures.h>
#include <vemmix/qt/FormWindow.h>

#include "ControlAccessible.h"
#include "ControlProperties.h"
#include "FormPlatform.h"
#include "ImagePresentation.h"

namespace vemmix::qt {

namespace {

constexpr int TimerIndex(TimerId timer) { return timer == TimerId::Over ? 0 : 1; }
constexpr TimerId TimerOf(int index) { return index == 0 ? TimerId::Over : TimerId::Fading; }

// The event's name from the control's own type information.
std::u16string EventName(const Control* control, std::int32_t dispid) {
    if (const typelib::Event* event = control ? control->GetTypeInfo().FindEvent(dispid) : nullptr)
        return std::u16string(event->name);
    return u"Event" + QString::number(dispid).toStdU16String();
}

Qt::CursorShape CursorShapeOf(std::int16_t pointer) {
    switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;  // north-east to south-west
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;  // north-west to south-east
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;  // 1 arrow, 4 icon
    }
}

}  // namespace

ControlWindow::ControlWindow(FormWindow& form, QWidget* parent, QString name, QRect geometry)
    : QWidget(parent ? parent : &form),
      m_Form(form),
      m_Name(std::move(name)),
      m_Handle(form.NextHandle()) {
    setObjectName(m_Name);
    setGeometry(geometry);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // every pixel comes from the image
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);

    m_WindowDC = gdi::CreateCompatibleDC(gdi::HDC{});
    AllocateImage();
    for (int i = 0; i < 2; ++i) {
        // children of the window for whoever inspects it; members go first
        m_Timers[i].setParent(this);
        m_Timers[i].setObjectName(i == 0 ? QStringLiteral("timerOver") : QStringLiteral("timerFading"));
        m_Timers[i].setTimerType(Qt::PreciseTimer);
        connect(&m_Timers[i], &QTimer::timeout, this, [this, i] {
            if (!m_Control) return;
            m_Control->TimerTick(TimerOf(i));
            ReportStates();
        });
    }
    InstallControlAccessible();
}

ControlWindow::~ControlWindow() {
    for (QTimer& timer : m_Timers) timer.stop();
    // The control may still reach its site while it goes.
    m_Control.reset();
    m_Form.ControlGone(this);
    if (m_StockBitmap) gdi::SelectObject(m_WindowDC, m_StockBitmap);
    if (m_WindowBitmap) gdi::DeleteObject(m_WindowBitmap);
    if (m_WindowDC) gdi::DeleteDC(m_WindowDC);
}

void ControlWindow::AttachControl(std::unique_ptr<Control> control) {
    m_Control = std::move(control);
    m_Control->Initialize();
}

// ---- the window's image ----------------------------------------------------------------

void ControlWindow::AllocateImage() {
    m_Image = QImage();
    m_ImageValid = false;
    if (!m_WindowDC) return;
    const gdi::HBITMAP old = m_WindowBitmap;
    m_WindowBitmap = {};
    // A window of no size has no image; the stock bitmap stands in.
    if (width() > 0 && height() > 0)
        m_WindowBitmap = gdi::CreateCompatibleBitmap(gdi::HDC{}, width(), height());
    const gdi::HBITMAP previous =
        gdi::SelectObject(m_WindowDC, m_WindowBitmap ? m_WindowBitmap : m_StockBitmap);
    if (!m_StockBitmap) m_StockBitmap = previous;
    if (old) gdi::DeleteObject(old);
    if (!m_WindowBitmap) return;

    // The pixels (0xXXRRGGBB, top-down) stay where they are for the
    // bitmap's life: presented as they are, without a conversion.
    const gdi::PixelView view = gdi::GetBitmapPixels(m_WindowBitmap);
    m_Image = QImage(reinterpret_cast<const uchar*>(view.pixels.data()), view.width, view.height,
                     view.width * 4, QImage::Format_RGB32);
}

void ControlWindow::WindowImageChanged() {
    ++m_RepaintCount;
    m_ImageValid = true;
    if (m_Form.logging())
        m_Form.Append(headless::LogEntry::Make(headless::LogEntry::Kind::Repaint,
                                               m_Name.toStdU16String()));
    if (!m_InPaint) update();
}

PictureRef ControlWindow::Image() {
    if (!m_WindowBitmap) return nullptr;
    const gdi::PixelView view = gdi::GetBitmapPixels(m_WindowBitmap);
    std::vector<std::uint32_t> copy(view.pixels.begin(), view.pixels.end());
    for (std::uint32_t& p : copy) p &= 0x00FFFFFFu;
    return MakeBitmapPicture(view.width, view.height, copy, m_Form.platform().ScreenDpiX());
}

void ControlWindow::SetBackStyle(std::int16_t backStyle) {
    m_BackStyle = backStyle;
    UpdateShape();
}

void ControlWindow::SetMaskColor(gdi::COLORREF colour) {
    m_MaskColor = colour;
    UpdateShape();
}

void ControlWindow::SetMaskPicture(PictureRef picture) {
    m_MaskPicture = std::move(picture);
    UpdateShape();
}

QRegion ControlWindow::shape() const {
    if (m_BackStyle != 0) return QRegion(rect());
    return ShapeRegion(m_MaskPicture.get(), m_MaskColor, size());
}

// The window shows the shape only; Qt takes an empty mask for none at all,
// so a shape without pixels becomes one pixel outside the window.
void ControlWindow::UpdateShape() {
    if (m_BackStyle != 0) {
        clearMask();
        return;
    }
    const QRegion region = shape();
    setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
}

void ControlWindow::paintEvent(QPaintEvent*) {
    // An image never drawn since the window got it: the window must be
    // repainted.
    if (!m_ImageValid && m_Control) {
        m_InPaint = true;
        m_Control->Paint();
        m_InPaint = false;
    }
    QPainter painter(this);
    if (!m_ImageValid) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    PresentImage(painter, m_Image);
}

void ControlWindow::resizeEvent(QResizeEvent*) {
    if (size() == m_Image.size() || (m_Image.isNull() && (width() <= 0 || height() <= 0))) return;
    // the new bitmap first, so the repaint Resize starts draws at the new size
    AllocateImage();
    if (m_Control) m_Control->Resize();
    UpdateShape();
}

// Minimising and restoring the form (spontaneous events) neither hides nor
// shows the control.
void ControlWindow::showEvent(QShowEvent* event) {
    if (event->spontaneous() || !m_Control) return;
    m_Control->Show();
    ReportStates();
}

void ControlWindow::hideEvent(QHideEvent* event) {
    if (event->spontaneous() || !m_Control) return;
    m_Control->Hide();
}

// ---- window-held properties ---------------------------------------------------------

Platform& ControlWindow::GetPlatform() {
    m_Form.platform().SetCaller(this);
    return m_Form.platform();
}

std::int32_t ControlWindow::SetEnabled(bool enabled) {
    setEnabled(enabled);
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent report(this, changed);
        QAccessible::updateAccessibility(&report);
    }
    return errors::kNone;
}

std::int32_t ControlWindow::SetMousePointer(std::int16_t pointer) {
    m_MousePointer = pointer;
    ApplyCursor();
    return errors::kNone;
}

std::int32_t ControlWindow::SetMouseIcon(PictureRef icon) {
    m_MouseIcon = std::move(icon);
    ApplyCursor();
    return errors::kNone;
}

// 0 the container's pointer; 1 to 15 the standard shapes; 99 MouseIcon
// (its hot spot in the middle, as for an icon).
void ControlWindow::ApplyCursor() {
    if (m_MousePointer == 0) {
        unsetCursor();
        return;
    }
    if (m_MousePointer == 99) {
        const QImage icon = m_MouseIcon ? host::ImageFromPicture(*m_MouseIcon) : QImage();
        if (icon.isNull()) unsetCursor();
        else setCursor(QCursor(QPixmap::fromImage(icon)));
        return;
    }
    setCursor(CursorShapeOf(m_MousePointer));
}

std::int32_t ControlWindow::SetRightToLeft(bool rightToLeft) {
    setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    return errors::kNone;
}

std::int32_t ControlWindow::SetOLEDropMode(std::int16_t mode) {
    m_OLEDropMode = mode;
    // only a manual drop target hears of drags (OLEDragOver, OLEDragDrop)
    setAcceptDrops(mode == 1);
    return errors::kNone;
}

void ControlWindow::SetAccessKeys(std::u16string_view keys) {
    m_AccessKeys = keys;
    m_Form.UpdateAccessKeys();
}

// ---- ambient and extender properties -------------------------------------------------

std::optional<OleColor> ControlWindow::AmbientBackColor() const { return m_Form.backColor(); }
std::optional<std::u16string> ControlWindow::AmbientDisplayName() const {
    return m_Name.toStdU16String();
}
std::optional<FontRef> ControlWindow::AmbientFont() const { return m_Form.ambientFont(); }
std::optional<bool> ControlWindow::AmbientUserMode() const { return m_Form.userMode(); }
std::optional<bool> ControlWindow::AmbientDisplayAsDefault() const {
    return m_Form.defaultControl() == this;
}

QString ControlWindow::toolTipText() const { return QString::fromStdU16String(m_ToolTipText); }

void ControlWindow::setToolTipText(const QString& text) {
    m_ToolTipText = text.toStdU16String();
    setToolTip(text);
    if (m_Description != text) {
        m_Description = text;
        if (QAccessible::isActive()) {
            QAccessibleEvent report(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&report);
        }
    }
}

// The control takes the text over for its own tooltip window: Qt's
// standard tooltip goes, the description stays.
bool ControlWindow::SetExtenderToolTipText(std::u16string_view text) {
    m_ToolTipText = text;
    const QString string = QString::fromStdU16String(m_ToolTipText);
    setToolTip(string);
    if (!string.isEmpty()) m_Description = string;
    return true;
}

// ---- notifications and events ----------------------------------------------------------

void ControlWindow::PropertyChanged(std::u16string_view name) {
    if (m_Form.logging())
        m_Form.Append(headless::LogEntry::Make(headless::LogEntry::Kind::PropertyChanged,
                                               m_Name.toStdU16String(), std::u16string(name)));
    if (name == u"ToggleValue" || name == u"AppearanceMode") ReportStates();
    if (QAccessible::isActive() && name == u"Caption") {
        QAccessibleEvent report(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&report);
    }
    emit propertyChanged(QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())));
}

std::int32_t ControlWindow::RaiseEvent(std::int32_t dispid, std::span<Variant> args) {
    // Nesting across the form's controls is bounded (kMaxEventNesting): the
    // raise that would go deeper, and every raise after it until the
    // outermost has returned, fails with 28 and reaches no handler.
    const EventNesting::Scope scope(m_Form.m_EventNesting);
    if (!scope.Entered()) return errors::kOutOfStackSpace;

    // hover, as the container sees it from the events
    if (dispid == 9) m_HotTracked = true;        // MouseOver
    else if (dispid == 10) m_HotTracked = false;  // MouseOut

    // The entry goes in first so that what the handler causes follows it;
    // its arguments are what the handler left.
    std::vector<headless::LogEntry>& log = m_Form.MutableLog();
    const std::size_t index = log.size();
    if (m_Form.logging()) {
        headless::LogEntry entry = headless::LogEntry::Make(
            headless::LogEntry::Kind::Event, m_Name.toStdU16String(), EventName(m_Control.get(), dispid));
        entry.dispid = dispid;
        m_Form.Append(std::move(entry));
    }
    std::int32_t error = errors::kNone;
    if (m_Form.onEvent) error = m_Form.onEvent(*this, dispid, args);
    if (m_Form.logging() && index < log.size()) log[index].args.assign(args.begin(), args.end());
    return error;
}

// ---- timers ----------------------------------------------------------------------------------

// Enabling a running timer with the same interval keeps its phase; an
// interval of 0 never fires, as with a form's timer.
void ControlWindow::SetTimer(TimerId timer, std::uint32_t intervalMs, bool enabled) {
    QTimer& t = m_Timers[TimerIndex(timer)];
    const int interval = static_cast<int>(std::min<std::uint32_t>(intervalMs, INT32_MAX));
    m_TimerEnabled[TimerIndex(timer)] = enabled;
    if (!enabled || interval == 0) {
        t.stop();
        t.setInterval(interval);
        return;
    }
    if (t.isActive() && t.interval() == interval) return;
    t.start(interval);
}

bool ControlWindow::TimerEnabled(TimerId timer) const {
    return m_TimerEnabled[TimerIndex(timer)];
}

// ---- pointer and focus ----------------------------------------------------------------------

bool ControlWindow::IsPointerOverWindow() const { return m_Form.widgetAtPointer() == this; }

void ControlWindow::MoveFocus(bool forward) {
    if (m_Form.logging())
        m_Form.Append(headless::LogEntry::Make(headless::LogEntry::Kind::Focus,
                                               m_Name.toStdU16String(), forward ? u"next" : u"previous"));
    m_Form.MoveFocusFrom(this, forward);
}

// ---- the states seen from outside ----------------------------------------------------------------------------

void ControlWindow::ReportStates() {
    if (!m_Control) return;
    Reported now;
    now.checked = AppearanceModeOf(*m_Control) == 1 && ToggleValueOf(*m_Control);
    now.pressed = isHeld();
    now.hot = m_HotTracked;
    const std::optional<Reported> before = m_Reported;
    m_Reported = now;
    if (before && before->checked == now.checked && before->pressed == now.pressed &&
        before->hot == now.hot)
        return;
    emit statesChanged();
    if (!before || !QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.checked = before->checked != now.checked;
    changed.pressed = before->pressed != now.pressed;
    changed.hotTracked = before->hot != now.hot;
    QAccessibleStateChangeEvent report(this, changed);
    QAccessible::updateAccessibility(&report);
}

}  // namespace vemmix::qt
