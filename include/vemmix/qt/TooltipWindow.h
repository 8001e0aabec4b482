// A tooltip window a control asks its container for: a top-level tip,
// balloon (rounded, its tail pointing at the control) or rectangular, with
// an optional bold title beside the platform's information, warning or
// error icon, then the text; back and text colours of its own or the
// palette's tooltip colours.
//
// It watches its tool (an area of a control window): after the platform's
// hover delay with the pointer at rest over the area it shows itself; it
// hides when the pointer leaves the control or a mouse button is pressed
// (and stays hidden until the pointer has left), and it goes when the
// control destroys it. A tip with empty text never shows. The tip lets the
// pointer and clicks through to the control beneath it.
#pragma once

#include <cstdint>
#include <optional>

#include <QColor>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vemmix/qt/Export.h>

namespace vemmix::qt {

class ControlWindow;

class VEMMIX_QT_EXPORT TooltipWindow final : public QWidget {
    Q_OBJECT

public:
    TooltipWindow(std::int32_t handle, bool balloon);
    ~TooltipWindow() override;

    std::int32_t handle() const { return m_Handle; }
    bool balloon() const { return m_Balloon; }

    // The tool: `area` in client pixels of `window`.
    void setTool(ControlWindow* window, QRect area, const QString& text);
    ControlWindow* toolWindow() const { return m_Tool; }
    QRect toolArea() const { return m_Area; }
    const QString& text() const { return m_Text; }

    // icon: 0 none, 1 information, 2 warning, 3 error; any other value
    // shows no icon. An empty title shows neither title nor icon.
    void setTitle(int icon, const QString& title);
    int icon() const { return m_Icon; }
    const QString& title() const { return m_Title; }

    // Invalid colours: the palette's tooltip colours.
    void setBackColor(const QColor& colour);
    void setTextColor(const QColor& colour);
    QColor backColor() const;
    QColor textColor() const;

    // Shows the tip at once for a pointer at `globalPointer` (over the
    // tool), as the hover delay does when it runs out.
    void ShowFor(QPoint globalPointer);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout;
    Layout ComputeLayout() const;
    QPainterPath Outline(const Layout& layout) const;
    void Arm();
    void Disarm();

    std::int32_t m_Handle;
    bool m_Balloon;
    QPointer<ControlWindow> m_Tool;
    QRect m_Area;
    QString m_Text;
    int m_Icon = 0;
    QString m_Title;
    QColor m_BackColor;
    QColor m_TextColor;
    QTimer m_WakeUp;
    QPoint m_Pointer;
    bool m_Suppressed = false;  // after a press, until the pointer leaves
    bool m_TailUp = true;       // the tail on top (the tip below the tool)
    int m_TailX = 0;            // where the tail meets the tool, in tip pixels
};

}  // namespace vemmix::qt
