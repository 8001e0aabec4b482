// Where the pointer is, for the pointer query. The platform's answer
// (QCursor::pos) when it has one; where it has not (offscreen, Wayland
// outside the application's windows), the position of the last pointer
// event the application saw, and no position once the pointer has left the
// application's windows.
#pragma once

#include <optional>

#include <QObject>
#include <QPoint>
#include <QPointF>

class QMouseEvent;

namespace vemmix::qt {

class PointerTracker final : public QObject {
public:
    // The application's tracker, watching every event from its first use.
    static PointerTracker& Instance();

    // The pointer's global position in logical pixels; nullopt when it is
    // outside the application's windows and the platform cannot say where.
    std::optional<QPoint> Position() const;

    // The global position of a widget's mouse event as precise as the
    // platform gave it: the widget's copy of an event may have lost the
    // fraction of a pixel its window's copy still has.
    QPointF PreciseGlobalPosition(const QMouseEvent& event) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PointerTracker();
    void Noted(std::optional<QPoint> position);

    std::optional<QPoint> m_LastEvent;
    std::optional<QPoint> m_BeforeLeave;  // where it was when it last left a window
    QPointF m_LastWindowEvent;  // the last window-level mouse event's position
    // What the platform reported when the last event came: a different
    // answer now means the platform knows of a later move.
    QPoint m_CursorAtLastEvent;
};

}  // namespace vemmix::qt
