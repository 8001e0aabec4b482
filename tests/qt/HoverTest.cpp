// Hover through the real timer and the pointer query against the real
// window stack: MouseOver while the pointer rests, one MouseOut when it
// leaves, a menu over the button counting as outside, the last pointer
// event standing in where the platform cannot say where the pointer is.
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QWindow>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>
#include <vemmix/qt/TooltipWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

bool Has(const FormWindow& form, std::size_t start, const QString& line) {
    return EventLines(form, start).contains(line);
}

// The events with each run of MouseOver shortened to one: how many ticks
// find the pointer over the button depends on the clock.
QStringList Collapsed(QStringList lines) {
    QStringList collapsed;
    for (const QString& line : lines)
        if (collapsed.isEmpty() || collapsed.last() != line || !line.endsWith(u"MouseOver"))
            collapsed.append(line);
    return collapsed;
}

}  // namespace

class HoverTest : public QObject {
    Q_OBJECT

private slots:
    void mouseOverRepeatsAndMouseOutComesOnce() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30));
        f.Show();
        WindowInput input(f.form());
        const std::size_t start = f->log().size();

        input.Move(QPointF(30, 20));
        QVERIFY(cmd.TimerEnabled(TimerId::Over));
        // MouseOver at every tick while the pointer rests on the button
        QVERIFY(WaitFor([&] { return EventLines(f.form(), start).count("cmd event MouseOver") >= 3; }));
        QVERIFY(cmd.isHotTracked());

        input.Leave();
        QVERIFY(WaitFor([&] { return Has(f.form(), start, "cmd event MouseOut"); }));
        QVERIFY(!cmd.TimerEnabled(TimerId::Over));
        QTest::qWait(50);
        QCOMPARE(Collapsed(LogLines(f.form(), start)),
                 QStringList({"cmd event MouseMove(0,0,20,10)", "cmd repaint", "cmd event MouseOver",
                              "cmd repaint", "cmd event MouseOut"}));
        QVERIFY(!cmd.isHotTracked());
    }

    void withoutThePlatformsAnswerTheLastPointerEventCounts() {
        Form f;
        f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30));
        f.Show();
        WindowInput input(f.form());
        const QPoint cursor = QCursor::pos();
        input.Move(QPointF(30, 20));
        QCOMPARE(QCursor::pos(), cursor);  // the platform knows nothing of the move
        QCOMPARE(f->pointerPosition(), std::optional<QPoint>(f->mapToGlobal(QPoint(30, 20))));
        QCOMPARE(f->widgetAtPointer(), f->Find(u"cmd"));

        // leaving the window: the pointer is nowhere the application knows
        const std::size_t start = f->log().size();
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(f->windowHandle(), &leave);
        QCOMPARE(f->pointerPosition(), std::nullopt);
        QVERIFY(WaitFor([&] { return Has(f.form(), start, "cmd event MouseOut"); }));
    }

    void thePlatformsAnswerWinsWhenItHasMoved() {
        Form f;
        f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30));
        f.Show();
        WindowInput input(f.form());
        input.Move(QPointF(30, 20));
        QCursor::setPos(f->mapToGlobal(QPoint(200, 100)));
        QCOMPARE(f->pointerPosition(), std::optional<QPoint>(f->mapToGlobal(QPoint(200, 100))));
        QCOMPARE(f->widgetAtPointer(), &f.form());
    }

    void aMenuOpenedFromDropDownClickCountsAsOutside() {
        Form f;
        f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30),
                 {{"AppearanceMode", "2"}, {"DropDownWidth", "16"}});
        f->AddMenu(QStringLiteral("mnu"), QStringLiteral("menu"),
                   {{QStringLiteral("one"), {}, QStringLiteral("One")}, {QStringLiteral("two"), {}, QStringLiteral("Two")}});
        const QPoint at(100, 20);  // in the drop-down zone
        f->onEvent = [&](ControlWindow&, std::int32_t dispid, std::span<Variant>) {
            if (dispid == 11) f->ShowPopupMenu(u"mnu", at);  // DropDownClick
            return 0;
        };
        f.Show();
        WindowInput input(f.form());
        input.Move(at);
        std::size_t start = f->log().size();
        QVERIFY(WaitFor([&] { return Has(f.form(), start, "cmd event MouseOver"); }));

        start = f->log().size();
        input.Press(at);
        QVERIFY(f->menu(u"mnu")->isVisible());
        QCOMPARE(f->widgetAtPointer(), f->menu(u"mnu"));
        // the pointer has not moved, yet it is outside now
        QVERIFY(WaitFor([&] { return Has(f.form(), start, "cmd event MouseOut"); }));
        QCOMPARE(Collapsed(EventLines(f.form(), start)),
                 QStringList({"cmd event MouseDown(1,0,90,10)", "cmd event DropDownClick", "cmd event MouseOut"}));
        f->menu(u"mnu")->close();
    }

    void aChosenMenuItemReachesTheMenuHandler() {
        Form f;
        f->AddMenu(QStringLiteral("mnu"), QStringLiteral("menu"),
                   {{QStringLiteral("item"), 0, QStringLiteral("&First")}, {QStringLiteral("-"), {}, QStringLiteral("-")},
                    {QStringLiteral("item"), 1, QStringLiteral("&Second")}});
        QStringList chosen;
        f->onMenuItem = [&](const QString& menu, const MenuEntry& item) {
            chosen << QStringLiteral("%1 %2(%3)").arg(menu, item.name).arg(item.index.value_or(-1));
        };
        f.Show();
        QVERIFY(f->ShowPopupMenu(u"MNU", QPoint(20, 20)));
        QMenu* menu = f->menu(u"mnu");
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), f->mapToGlobal(QPoint(20, 20)));
        QCOMPARE(menu->actions().size(), 3);
        QVERIFY(menu->actions()[1]->isSeparator());
        menu->actions()[2]->trigger();
        QCOMPARE(chosen, QStringList({"mnu item(1)"}));
        QVERIFY(!f->ShowPopupMenu(u"nothing", QPoint()));
    }

    void whatThePointerQueryLooksThrough() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30),
                                      {{"ToolTipStyle", "1"}});
        cmd.setToolTipText(QStringLiteral("tip"));
        f->AddLabel(QStringLiteral("lbl"), QStringLiteral("over the button"), QRect(60, 15, 100, 20));
        f.Show();
        WindowInput input(f.form());

        // a label is windowless
        input.Move(QPointF(70, 20));
        QCOMPARE(f->widgetAtPointer(), &cmd);

        // the button's own tooltip window lets the pointer through
        QCOMPARE(f->tooltips().size(), std::size_t{1});
        TooltipWindow* tip = f->tooltips().front();
        tip->ShowFor(f->mapToGlobal(QPoint(70, 20)));
        tip->move(f->mapToGlobal(QPoint(60, 15)));
        QVERIFY(tip->geometry().contains(f->mapToGlobal(QPoint(70, 20))));
        QCOMPARE(f->widgetAtPointer(), &cmd);

        // a hidden window is never under the pointer
        cmd.hide();
        QCOMPARE(f->widgetAtPointer(), &f.form());
    }

    void aShapedButtonIsOnlyWhereItsPixelsAre() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30),
                                      {{"Appearance", "2"}, {"Caption", "X"}});
        f.Show();
        WindowInput input(f.form());
        // a corner of a Shaped button without a picture shows nothing
        input.Move(QPointF(11, 11));
        QCOMPARE(f->widgetAtPointer(), &f.form());
        // a pixel of the caption is the button's
        QVERIFY(!cmd.shape().isEmpty());
        const QPoint visible = cmd.shape().begin()->topLeft();
        input.Move(cmd.mapTo(&f.form(), visible));
        QCOMPARE(f->widgetAtPointer(), &cmd);
    }
};

QTEST_MAIN(HoverTest)
#include "HoverTest.moc"
