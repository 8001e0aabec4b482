// A tooltip window of the tooltip facility: balloon or rectangular, title
// with icon, text, colours; shown after the hover delay over its tool.
#include <vemmix/qt/TooltipWindow.h>

#include <algorithm>

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <vemmix/qt/ControlWindow.h>

#include "PointerTracker.h"

namespace vemmix::qt {

namespace {

// Geometry of the tip, in pixels.
constexpr int kRectMargin = 4;      // text to border, rectangular
constexpr int kBalloonMargin = 10;  // text to border, balloon
constexpr int kRadius = 8;          // the balloon's corners
constexpr int kTailHeight = 14;
constexpr int kTailWidth = 16;
constexpr int kTailInset = 20;      // the tail's tip from the body's left edge
constexpr int kTitleGap = 6;        // icon to title, title to text
constexpr int kPointerDrop = 20;    // a rectangular tip under the pointer's arrow

QStyle::StandardPixmap IconPixmap(int icon) {
    switch (icon) {
    case 1: return QStyle::SP_MessageBoxInformation;
    case 2: return QStyle::SP_MessageBoxWarning;
    case 3: return QStyle::SP_MessageBoxCritical;
    default: return QStyle::SP_CustomBase;
    }
}

bool HasIcon(int icon) { return icon >= 1 && icon <= 3; }

QStringList Lines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return unified.split(u'\n');
}

QFont TitleFont() {
    QFont font = QToolTip::font();
    font.setBold(true);
    return font;
}

int IconSize() { return QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize); }

}  // namespace

struct TooltipWindow::Layout {
    QSize size;       // the window
    QRect body;       // the rounded or plain rectangle
    QRect icon;       // empty when there is none
    QPoint title;     // baseline origin of the title
    QPoint text;      // baseline origin of the first text line
    int lineHeight = 0;
};

TooltipWindow::TooltipWindow(std::int32_t handle, bool balloon)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput),
      m_Handle(handle),
      m_Balloon(balloon) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
    m_WakeUp.setSingleShot(true);
    m_WakeUp.setInterval(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
    connect(&m_WakeUp, &QTimer::timeout, this, [this] { ShowFor(m_Pointer); });
}

TooltipWindow::~TooltipWindow() {
    if (m_Tool) m_Tool->removeEventFilter(this);
}

void TooltipWindow::setTool(ControlWindow* window, QRect area, const QString& text) {
    if (m_Tool) m_Tool->removeEventFilter(this);
    m_Tool = window;
    m_Area = area;
    m_Text = text;
    if (!m_Tool) return;
    m_Tool->installEventFilter(this);
    // The move that made the tip came before the tip watched: if the
    // pointer rests over the tool already, the delay runs from now.
    if (const std::optional<QPoint> pointer = PointerTracker::Instance().Position()) {
        if (m_Area.contains(m_Tool->mapFromGlobal(*pointer))) {
            m_Pointer = *pointer;
            Arm();
        }
    }
}

void TooltipWindow::setTitle(int icon, const QString& title) {
    m_Icon = icon;
    m_Title = title;
    update();
}

void TooltipWindow::setBackColor(const QColor& colour) {
    m_BackColor = colour;
    update();
}

void TooltipWindow::setTextColor(const QColor& colour) {
    m_TextColor = colour;
    update();
}

QColor TooltipWindow::backColor() const {
    return m_BackColor.isValid() ? m_BackColor : QToolTip::palette().color(QPalette::ToolTipBase);
}

QColor TooltipWindow::textColor() const {
    return m_TextColor.isValid() ? m_TextColor : QToolTip::palette().color(QPalette::ToolTipText);
}

// ---- showing and hiding -----------------------------------------------------------

void TooltipWindow::Arm() {
    if (m_Suppressed || isVisible()) return;
    m_WakeUp.start();
}

void TooltipWindow::Disarm() {
    m_WakeUp.stop();
    hide();
}

bool TooltipWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_Tool) return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_Area.contains(mouse->position().toPoint())) {
            m_Pointer = mouse->globalPosition().toPoint();
            // the pointer must rest for the delay: each move starts it again
            if (!isVisible() && !m_Suppressed) m_WakeUp.start();
        } else {
            Disarm();
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Disarm();
        m_Suppressed = true;
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        Disarm();
        m_Suppressed = false;
        break;
    default: break;
    }
    return false;
}

TooltipWindow::Layout TooltipWindow::ComputeLayout() const {
    Layout layout;
    const QFontMetrics textMetrics(font());
    const QFontMetrics titleMetrics(TitleFont());
    const int margin = m_Balloon ? kBalloonMargin : kRectMargin;
    const bool titled = !m_Title.isEmpty();
    const int iconSize = titled && HasIcon(m_Icon) ? IconSize() : 0;

    int width = 0;
    int y = margin;
    if (titled) {
        const int titleHeight = std::max(titleMetrics.height(), iconSize);
        const int iconWidth = iconSize > 0 ? iconSize + kTitleGap : 0;
        if (iconSize > 0) layout.icon = QRect(margin, y + (titleHeight - iconSize) / 2, iconSize, iconSize);
        layout.title = QPoint(margin + iconWidth,
                              y + (titleHeight - titleMetrics.height()) / 2 + titleMetrics.ascent());
        width = iconWidth + titleMetrics.horizontalAdvance(m_Title);
        y += titleHeight + kTitleGap;
    }
    const QStringList lines = Lines(m_Text);
    layout.lineHeight = textMetrics.height();
    layout.text = QPoint(margin, y + textMetrics.ascent());
    for (const QString& line : lines) width = std::max(width, textMetrics.horizontalAdvance(line));
    y += layout.lineHeight * static_cast<int>(lines.size());

    layout.body = QRect(0, 0, width + 2 * margin, y + margin);
    if (m_Balloon) {
        layout.body.setWidth(std::max(layout.body.width(), kTailInset + kTailWidth + kRadius));
        layout.size = QSize(layout.body.width(), layout.body.height() + kTailHeight);
        // the tail on top: everything moves down by its height
        if (m_TailUp) {
            layout.body.translate(0, kTailHeight);
            layout.icon.translate(0, kTailHeight);
            layout.title += QPoint(0, kTailHeight);
            layout.text += QPoint(0, kTailHeight);
        }
    } else {
        layout.size = layout.body.size();
    }
    return layout;
}

QSize TooltipWindow::sizeHint() const { return ComputeLayout().size; }

// The balloon: the rounded body and the tail, one side of which is
// vertical at the tail's tip, leaning away from the nearer corner.
QPainterPath TooltipWindow::Outline(const Layout& layout) const {
    QPainterPath path;
    path.addRoundedRect(QRectF(layout.body).adjusted(0, 0, -1, -1), kRadius, kRadius);
    const int baseY = m_TailUp ? layout.body.top() : layout.body.bottom();
    const int tipY = m_TailUp ? 0 : layout.size.height() - 1;
    const int lean = m_TailX + kTailWidth < layout.size.width() - kRadius ? kTailWidth : -kTailWidth;
    QPolygonF tail;
    tail << QPointF(m_TailX, tipY) << QPointF(m_TailX, baseY) << QPointF(m_TailX + lean, baseY);
    path.addPolygon(tail);
    return path.simplified();
}

void TooltipWindow::ShowFor(QPoint globalPointer) {
    if (!m_Tool || m_Text.isEmpty() || m_Suppressed) return;
    const QRect tool(m_Tool->mapToGlobal(m_Area.topLeft()), m_Area.size());
    const QScreen* screen = m_Tool->screen();
    const QRect bounds = screen ? screen->availableGeometry() : QRect(tool.topLeft(), QSize(4096, 4096));

    QPoint origin;
    if (m_Balloon) {
        // the tail's tip touches the tool's edge below the pointer, so the
        // tip never lies under the pointer
        m_TailUp = true;
        QSize size = ComputeLayout().size;
        const int tipX = std::clamp(globalPointer.x(), tool.left(), tool.right());
        int top = tool.bottom() + 1;
        if (top + size.height() > bounds.bottom() + 1) {
            m_TailUp = false;
            size = ComputeLayout().size;
            top = tool.top() - size.height();
        }
        const int left = std::clamp(tipX - kTailInset, bounds.left(),
                                    std::max(bounds.left(), bounds.right() + 1 - size.width()));
        m_TailX = std::clamp(tipX - left, kRadius, std::max(kRadius, size.width() - kRadius - 1));
        origin = QPoint(left, top);
        resize(size);
    } else {
        const QSize size = ComputeLayout().size;
        int top = globalPointer.y() + kPointerDrop;
        if (top + size.height() > bounds.bottom() + 1) top = globalPointer.y() - size.height() - 4;
        const int left = std::clamp(globalPointer.x(), bounds.left(),
                                    std::max(bounds.left(), bounds.right() + 1 - size.width()));
        origin = QPoint(left, top);
        resize(size);
    }
    move(origin);

    if (m_Balloon) {
        // the window is the balloon's shape: body and tail
        QBitmap shape(size());
        shape.fill(Qt::color0);
        QPainter painter(&shape);
        painter.setPen(Qt::color1);
        painter.setBrush(Qt::color1);
        painter.drawPath(Outline(ComputeLayout()));
        painter.end();
        setMask(shape);
    }
    show();
    raise();
    update();
}

void TooltipWindow::paintEvent(QPaintEvent*) {
    const Layout layout = ComputeLayout();
    QPainter painter(this);
    painter.setPen(textColor());
    painter.setBrush(backColor());
    if (m_Balloon) {
        painter.drawPath(Outline(layout));
    } else {
        painter.drawRect(layout.body.adjusted(0, 0, -1, -1));
    }

    if (!m_Title.isEmpty()) {
        if (!layout.icon.isEmpty())
            painter.drawPixmap(layout.icon, style()->standardIcon(IconPixmap(m_Icon)).pixmap(layout.icon.size()));
        painter.setFont(TitleFont());
        painter.drawText(layout.title, m_Title);
    }
    painter.setFont(font());
    QPoint origin = layout.text;
    for (const QString& line : Lines(m_Text)) {
        painter.drawText(origin, line);
        origin.ry() += layout.lineHeight;
    }
}

}  // namespace vemmix::qt
