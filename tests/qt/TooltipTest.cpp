// Tooltip windows for the tooltip facility: balloon or rectangular, title
// with the platform's icon, text, colours; shown after the hover delay,
// hidden on a press, destroyed when the pointer leaves; the classic style
// left to Qt's standard tooltip.
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>
#include <vemmix/qt/TooltipWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

// True when `part` (with alpha) drawn over `background` appears in `image`
// somewhere in `area`.
bool Contains(const QImage& image, const QPixmap& part, const QColor& background, QRect area) {
    QImage expected(part.size(), QImage::Format_RGB32);
    expected.fill(background);
    {
        QPainter painter(&expected);
        painter.drawPixmap(0, 0, part);
    }
    for (int y = area.top(); y + expected.height() <= std::min(area.bottom() + 1, image.height()); ++y)
        for (int x = area.left(); x + expected.width() <= std::min(area.right() + 1, image.width()); ++x)
            if (image.copy(x, y, expected.width(), expected.height()) == expected) return true;
    return false;
}

}  // namespace

class TooltipTest : public QObject {
    Q_OBJECT

private slots:
    void aBalloonWithTitleIconAndColours() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(20, 20, 100, 30),
                                      {{"ToolTipStyle", "1"}, {"ToolTipTitle", "Careful"}, {"ToolTipIcon", "2"},
                                       {"ToolTipBackColor", QString::number(0x00CCFFFF)},
                                       {"ToolTipForeColor", QString::number(0x00000080)}});
        cmd.setToolTipText(QStringLiteral("Hello\nworld"));
        f.Show();
        // the control took the text over: Qt's own tooltip shows nothing
        QCOMPARE(cmd.toolTipText(), QString());
        QCOMPARE(cmd.toolTip(), QString());
        QCOMPARE(cmd.tooltipDescription(), QStringLiteral("Hello\nworld"));

        WindowInput input(f.form());
        const std::size_t start = f->log().size();
        input.Move(QPointF(40, 30));
        QCOMPARE(LogLines(f.form(), start).filter(u"tooltip"),
                 QStringList({"cmd tooltip create balloon", "cmd tooltip addtool \"Hello\nworld\"",
                              "cmd tooltip title 2 \"Careful\"", "cmd tooltip backcolor 0x00CCFFFF",
                              "cmd tooltip textcolor 0x00000080"}));
        QCOMPARE(f->tooltips().size(), std::size_t{1});
        TooltipWindow* tip = f->tooltips().front();
        QVERIFY(tip->balloon());
        QCOMPARE(tip->toolWindow(), &cmd);
        QCOMPARE(tip->toolArea(), QRect(0, 0, 100, 30));
        QCOMPARE(tip->text(), QStringLiteral("Hello\nworld"));
        QCOMPARE(tip->title(), QStringLiteral("Careful"));
        QCOMPARE(tip->icon(), 2);
        QCOMPARE(tip->backColor(), QColor(0xFF, 0xFF, 0xCC));
        QCOMPARE(tip->textColor(), QColor(0x80, 0, 0));

        // after the hover delay, below the button with its tail on the edge
        QVERIFY(!tip->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 3000);
        const QRect button(f->mapToGlobal(QPoint(20, 20)), QSize(100, 30));
        QCOMPARE(tip->geometry().top(), button.bottom() + 1);
        QVERIFY(!tip->geometry().contains(f->mapToGlobal(QPoint(40, 30))));
        QVERIFY(!tip->mask().isEmpty());  // the balloon's shape
        QVERIFY(!tip->mask().contains(QPoint(0, 0)));  // a rounded corner

        // its contents: back colour, the warning icon, text in the text colour
        const QImage shot = tip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(shot.pixel(tip->width() / 2, tip->height() - 6)), tip->backColor());
        const int iconSize = tip->style()->pixelMetric(QStyle::PM_SmallIconSize);
        const QPixmap icon = tip->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize);
        QVERIFY(Contains(shot, icon, tip->backColor(), QRect(0, 0, 40, 60)));
        QVERIFY(!Contains(shot, tip->style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(iconSize, iconSize),
                          tip->backColor(), QRect(0, 0, 40, 60)));
        bool textColour = false;
        for (int y = 0; y < shot.height() && !textColour; ++y)
            for (int x = 0; x < shot.width() && !textColour; ++x)
                textColour = QColor(shot.pixel(x, y)) == tip->textColor();
        QVERIFY(textColour);

        // a press hides it; leaving the button destroys it
        input.Press(QPointF(40, 30));
        QVERIFY(!tip->isVisible());
        input.Release(QPointF(40, 30));
        QPointer<TooltipWindow> watched(tip);
        input.Leave();
        QTRY_VERIFY(!watched);
        QVERIFY(f->tooltips().empty());
        QVERIFY(LogLines(f.form(), start).contains("cmd tooltip destroy"));
    }

    void aRectangularTipInThePalettesColours() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(20, 20, 100, 30), {{"ToolTipStyle", "2"}});
        cmd.setToolTipText(QStringLiteral("Plain"));
        f.Show();
        WindowInput input(f.form());
        input.Move(QPointF(40, 30));
        TooltipWindow* tip = f->tooltips().front();
        QVERIFY(!tip->balloon());
        QCOMPARE(tip->title(), QString());
        QCOMPARE(tip->backColor(), QToolTip::palette().color(QPalette::ToolTipBase));
        QCOMPARE(tip->textColor(), QToolTip::palette().color(QPalette::ToolTipText));
        QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 3000);
        QVERIFY(tip->mask().isEmpty());
        QVERIFY(!tip->geometry().contains(f->mapToGlobal(QPoint(40, 30))));
        const QImage shot = tip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(shot.pixel(0, 0)), tip->textColor());  // the border
        QCOMPARE(QColor(shot.pixel(1, 1)), tip->backColor());
    }

    void aTipWithoutTextNeverShows() {
        Form f;
        f.Button(QStringLiteral("cmd"), QRect(20, 20, 100, 30), {{"ToolTipStyle", "1"}});
        f.Show();
        WindowInput input(f.form());
        input.Move(QPointF(40, 30));
        QCOMPARE(f->tooltips().size(), std::size_t{1});
        TooltipWindow* tip = f->tooltips().front();
        tip->ShowFor(f->mapToGlobal(QPoint(40, 30)));
        QVERIFY(!tip->isVisible());
    }

    void theClassicStyleLeavesItToQtsStandardTooltip() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(20, 20, 100, 30));
        cmd.setToolTipText(QStringLiteral("Classic"));
        f.Show();
        WindowInput input(f.form());
        input.Move(QPointF(40, 30));
        QVERIFY(f->tooltips().empty());
        QCOMPARE(cmd.toolTip(), QStringLiteral("Classic"));
        QHelpEvent help(QEvent::ToolTip, QPoint(20, 10), cmd.mapToGlobal(QPoint(20, 10)));
        QApplication::sendEvent(&cmd, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Classic"));
        QToolTip::hideText();
    }

    void aDesignerKeepsTheExtendersText() {
        Form f;
        f->setUserMode(false);
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(20, 20, 100, 30), {{"ToolTipStyle", "1"}});
        cmd.setToolTipText(QStringLiteral("Designed"));
        f.Show();
        QCOMPARE(cmd.toolTipText(), QStringLiteral("Designed"));
    }
};

QTEST_MAIN(TooltipTest)
#include "TooltipTest.moc"
