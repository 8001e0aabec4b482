// Qt's input as the control's notifications: mouse, keyboard, focus, drops,
// and the drags the control starts.
#include <vemmix/qt/ControlWindow.h>

#include <QApplication>
#include <QDrag>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <vemmix/qt/FormWindow.h>
#include <vemmix/qt/MimeDataObject.h>

#include "ControlProperties.h"
#include "DragMimeData.h"
#include "InputTranslation.h"
#include "PointerTracker.h"

namespace vemmix::qt {

namespace {

constexpr std::int16_t kLeft = 1;
constexpr std::int16_t kEscape = 27;
// What a drag the control starts allows until OLEStartDrag says otherwise.
constexpr std::int32_t kCopyOrMove = 3;

float X(const QPointF& p) { return static_cast<float>(p.x()); }
float Y(const QPointF& p) { return static_cast<float>(p.y()); }

// Client coordinates with the fraction of a pixel the platform gave, which
// the widget's copy of the event may have lost.
QPointF ClientPosition(const QWidget& window, const QMouseEvent& event) {
    return PointerTracker::Instance().PreciseGlobalPosition(event) - window.mapToGlobal(QPointF(0, 0));
}

bool HoldsLikeAPress(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

// ---- mouse ----------------------------------------------------------------------------

void ControlWindow::mousePressEvent(QMouseEvent* event) {
    const std::optional<std::int16_t> button = ButtonCode(event->button());
    if (!button || !m_Control) return;
    m_HeldButtons |= *button;
    // The left press that makes a double click: DblClick comes in its place.
    if (*button == kLeft && (event->flags() & Qt::MouseEventCreatedDoubleClick)) {
        ReportStates();
        return;
    }
    const QPointF at = ClientPosition(*this, *event);
    if (*button == kLeft) m_DragStart = at.toPoint();
    m_Control->MouseDown(*button, ShiftMask(event->modifiers()), X(at), Y(at));
    ReportStates();
}

void ControlWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the left button double-clicks; the others' second press was an
    // ordinary press.
    if (event->button() != Qt::LeftButton || !m_Control) return;
    m_Control->DblClick();
    ReportStates();
}

void ControlWindow::mouseReleaseEvent(QMouseEvent* event) {
    const std::optional<std::int16_t> button = ButtonCode(event->button());
    if (!button || !m_Control) return;
    m_HeldButtons &= ~*button;
    if (*button == kLeft) m_DragStart.reset();
    const QPointF at = ClientPosition(*this, *event);
    m_Control->MouseUp(*button, ShiftMask(event->modifiers()), X(at), Y(at));
    ReportStates();
}

void ControlWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!m_Control) return;
    const QPointF at = ClientPosition(*this, *event);
    m_Control->MouseMove(ButtonMask(event->buttons()), ShiftMask(event->modifiers()), X(at), Y(at));
    // an automatic drag starts once the pointer has gone the drag distance
    if (m_DragStart && (event->buttons() & Qt::LeftButton) &&
        (at.toPoint() - *m_DragStart).manhattanLength() >=
            QApplication::startDragDistance() &&
        OLEDragModeOf(*m_Control) == 1) {
        m_DragStart.reset();
        OLEDrag();
    }
}

void ControlWindow::clickAt(QPointF position) {
    if (!m_Control || !isEnabled() || !isVisible()) return;
    m_Form.setFocusControl(this);
    m_Control->MouseDown(kLeft, 0, X(position), Y(position));
    m_Control->MouseUp(kLeft, 0, X(position), Y(position));
    ReportStates();
}

// ---- keyboard ---------------------------------------------------------------------------

void ControlWindow::keyPressEvent(QKeyEvent* event) {
    if (!m_Control) return;
    // Escape belongs to the form's cancel button.
    if (event->key() == Qt::Key_Escape && m_Form.cancelControl()) {
        m_Form.DeliverAccessKey(m_Form.cancelControl(), kEscape);
        return;
    }
    if (HoldsLikeAPress(event->key())) m_HeldKey = event->key();
    std::int16_t keyCode = VirtualKey(*event);
    std::int16_t shift = KeyShiftMask(*event);
    m_Control->KeyDown(keyCode, shift);
    for (const QChar c : TypedText(*event)) {
        std::int16_t keyAscii = static_cast<std::int16_t>(c.unicode());
        m_Control->KeyPress(keyAscii);
    }
    ReportStates();
}

void ControlWindow::keyReleaseEvent(QKeyEvent* event) {
    // a held key repeats its press, never its release
    if (event->isAutoRepeat() || !m_Control) return;
    if (event->key() == m_HeldKey) m_HeldKey = 0;
    std::int16_t keyCode = VirtualKey(*event);
    std::int16_t shift = KeyShiftMask(*event);
    m_Control->KeyUp(keyCode, shift);
    ReportStates();
}

// ---- focus --------------------------------------------------------------------------------

void ControlWindow::focusInEvent(QFocusEvent*) { m_Form.ChangeFocus(this, false); }

// Another window becoming active, or a popup opening, leaves the focus
// where it is.
void ControlWindow::focusOutEvent(QFocusEvent* event) {
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    m_HeldKey = 0;
    if (m_Form.focusControl() == this) m_Form.ChangeFocus(nullptr, false);
}

// ---- drops (OLEDropMode 1) ----------------------------------------------------------------

namespace {

// The action for the effect the host left: the proposed one when allowed,
// else copy, move or link, in that order; none when the effect allows none.
Qt::DropAction ActionFor(const QDropEvent& event, std::int32_t effect) {
    const Qt::DropActions allowed = DropActionsFromEffect(effect) & event.possibleActions();
    if (allowed & event.proposedAction()) return event.proposedAction();
    for (const Qt::DropAction candidate : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction})
        if (allowed & candidate) return candidate;
    return Qt::IgnoreAction;
}

// A target that refuses a drop still hears of the drag while it lasts: the
// enter is taken whatever the effect, a move or a drop only with one.
void Answer(QDropEvent& event, std::int32_t effect, bool enter) {
    const Qt::DropAction action = ActionFor(event, effect);
    event.setDropAction(action);
    if (action != Qt::IgnoreAction || enter) event.accept();
    else event.ignore();
}

}  // namespace

std::int32_t ControlWindow::DragOver(const QDropEvent& event, std::int16_t state) {
    std::int32_t effect = EffectFromDropActions(event.possibleActions());
    std::int16_t button = ButtonMask(event.buttons());
    std::int16_t shift = ShiftMask(event.modifiers());
    float x = X(event.position());
    float y = Y(event.position());
    m_LastDragPosition = event.position();
    m_Control->OLEDragOver(m_DropData, effect, button, shift, x, y, state);
    return effect;
}

void ControlWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (m_OLEDropMode != 1 || !m_Control || !event->mimeData()) {
        event->ignore();
        return;
    }
    // one data object for the whole visit, whatever the handlers keep of it
    m_DropData = std::make_shared<MimeDataObject>(*event->mimeData());
    m_DropEffect = DragOver(*event, 0);
    Answer(*event, m_DropEffect, true);
}

void ControlWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_DropData || !m_Control) {
        event->ignore();
        return;
    }
    m_DropEffect = DragOver(*event, 2);
    Answer(*event, m_DropEffect, false);
}

void ControlWindow::dragLeaveEvent(QDragLeaveEvent*) { DragLeft(); }

// OLEDragOver in the leave state, as when the pointer leaves the window.
void ControlWindow::DragLeft() {
    if (!m_DropData || !m_Control) return;
    std::int32_t effect = 0;
    std::int16_t button = ButtonMask(QGuiApplication::mouseButtons());
    std::int16_t shift = ShiftMask(QGuiApplication::keyboardModifiers());
    float x = X(m_LastDragPosition);
    float y = Y(m_LastDragPosition);
    std::int16_t state = 1;
    m_Control->OLEDragOver(m_DropData, effect, button, shift, x, y, state);
    m_DropData.reset();
}

// A drop where the host allowed no effect is no drop: the drag leaves.
void ControlWindow::dropEvent(QDropEvent* event) {
    if (!m_DropData || !m_Control || ActionFor(*event, m_DropEffect) == Qt::IgnoreAction) {
        DragLeft();
        event->ignore();
        return;
    }
    std::int32_t effect = EffectFromDropActions(event->possibleActions());
    std::int16_t button = ButtonMask(event->buttons());
    std::int16_t shift = ShiftMask(event->modifiers());
    float x = X(event->position());
    float y = Y(event->position());
    DataObjectRef data = std::move(m_DropData);
    m_Control->OLEDragDrop(data, effect, button, shift, x, y);
    Answer(*event, effect, false);
}

// ---- drags the control starts ----------------------------------------------------------

// OLEStartDrag fills the data and the allowed effects (none: no drag);
// the drag runs; OLEGiveFeedback follows each change of the action the
// target would take; OLESetData fills a format announced without data when
// a target asks for it; OLECompleteDrag reports the effect.
std::int32_t ControlWindow::OLEDrag() {
    if (m_Form.logging())
        m_Form.Append(headless::LogEntry::Make(headless::LogEntry::Kind::Drag, m_Name.toStdU16String()));
    if (m_Dragging || !m_Control) return errors::kNone;
    m_Dragging = true;

    DataObjectRef data = std::make_shared<MimeDataObject>();
    std::int32_t allowed = kCopyOrMove;
    m_Control->OLEStartDrag(data, allowed);
    if (DropActionsFromEffect(allowed) == Qt::IgnoreAction) {
        m_Dragging = false;
        return errors::kNone;
    }

    QPointer<ControlWindow> self(this);
    auto* drag = new QDrag(this);
    drag->setMimeData(new DragMimeData(data, [self](DataObjectRef& d, std::int16_t format) {
        if (self && self->m_Control) self->m_Control->OLESetData(d, format);
    }));
    connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
        std::int32_t effect = EffectFromDropActions(action);
        VBool defaultCursors = kTrue;
        m_Control->OLEGiveFeedback(effect, defaultCursors);
    });
    // the drag may run an event loop of its own, in which the window can go
    const Qt::DropAction result = drag->exec(DropActionsFromEffect(allowed));
    if (!self) return errors::kNone;
    drag->deleteLater();
    m_Dragging = false;
    std::int32_t effect = EffectFromDropActions(result);
    m_Control->OLECompleteDrag(effect);
    return errors::kNone;
}

}  // namespace vemmix::qt
