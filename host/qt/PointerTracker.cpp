// The pointer position from the platform, or from the last pointer event.
#include "PointerTracker.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QApplication>
#include <QWidget>

namespace vemmix::qt {

PointerTracker::PointerTracker() : QObject(QCoreApplication::instance()) {
    m_CursorAtLastEvent = QCursor::pos();
    QCoreApplication::instance()->installEventFilter(this);
}

PointerTracker& PointerTracker::Instance() {
    // Owned by the application object, so it goes with it; a new
    // application gets a new tracker.
    static QPointer<PointerTracker> tracker;
    if (!tracker) tracker = new PointerTracker;
    return *tracker;
}

std::optional<QPoint> PointerTracker::Position() const {
    const QPoint cursor = QCursor::pos();
    if (cursor != m_CursorAtLastEvent) return cursor;
    if (m_LastEvent) return m_LastEvent;
    // A popup opening under the pointer makes the window it was in report
    // it leaving; it is still where it was, over the popup.
    const QWidget* popup = QApplication::activePopupWidget();
    if (popup && m_BeforeLeave && popup->geometry().contains(*m_BeforeLeave)) return m_BeforeLeave;
    return std::nullopt;
}

QPointF PointerTracker::PreciseGlobalPosition(const QMouseEvent& event) const {
    const QPointF global = event.globalPosition();
    return m_LastWindowEvent.toPoint() == global.toPoint() ? m_LastWindowEvent : global;
}

void PointerTracker::Noted(std::optional<QPoint> position) {
    m_LastEvent = position;
    m_CursorAtLastEvent = QCursor::pos();
}

bool PointerTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // a window's event and then its widget's copy, or an event sent to
        // a widget directly
        if (watched->isWindowType() || watched->isWidgetType())
            Noted(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        if (watched->isWindowType()) m_LastWindowEvent = static_cast<QMouseEvent*>(event)->globalPosition();
        break;
    case QEvent::Enter:
        if (watched->isWindowType())
            Noted(static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::Leave:
        // The pointer left one of the application's windows; where it went
        // is unknown unless another window reports it entering.
        if (watched->isWindowType()) {
            if (m_LastEvent) m_BeforeLeave = m_LastEvent;
            Noted(std::nullopt);
        }
        break;
    default: break;
    }
    return false;
}

}  // namespace vemmix::qt
