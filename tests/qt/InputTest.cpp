// Input in a real window, translated exactly: buttons, shift masks,
// coordinates, the double click, key codes, focus, Tab and the arrow keys,
// access keys, the default and cancel buttons, a disabled window.
#include <QTest>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

class InputTest : public QObject {
    Q_OBJECT

private slots:
    // ---- the translation, seen by a recording control --------------------------------

    void mouseButtonsShiftMasksAndCoordinates() {
        RecorderForm f;
        WindowInput& input = f.input;

        input.Move(QPointF(30.5, 20.25));
        input.Press(QPointF(30.5, 20.25), Qt::LeftButton, Qt::ShiftModifier);
        input.Move(QPointF(31, 21));
        input.Release(QPointF(31, 21), Qt::LeftButton, Qt::ControlModifier);
        input.Move(QPointF(12, 12));
        input.Press(QPointF(12, 12), Qt::RightButton, Qt::AltModifier);
        input.Release(QPointF(12, 12), Qt::RightButton);
        input.Press(QPointF(12, 12), Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        input.Release(QPointF(12, 12), Qt::MiddleButton);
        QCOMPARE(f.journal, QStringList({
            "rec MouseMove 0 0 20.5 10.25",
            "rec MouseDown 1 1 20.5 10.25",
            "rec MouseMove 1 0 21 11",
            "rec MouseUp 1 2 21 11",
            "rec MouseMove 0 0 2 2",
            "rec MouseDown 2 4 2 2",
            "rec MouseUp 2 0 2 2",
            "rec MouseDown 4 7 2 2",
            "rec MouseUp 4 0 2 2",
        }));
    }

    void aDragKeepsTheButtonsPointerOutsideItsWindow() {
        RecorderForm f;
        WindowInput& input = f.input;
        input.Move(QPointF(20, 20));
        f.journal.clear();
        input.Press(QPointF(20, 20));
        input.Move(QPointF(5, 80));
        input.Release(QPointF(5, 80));
        QCOMPARE(f.journal, QStringList({"rec MouseDown 1 0 10 10", "rec MouseMove 1 0 -5 70",
                                         "rec MouseUp 1 0 -5 70"}));
    }

    void theSecondPressOfADoubleClickIsDblClick() {
        RecorderForm f;
        WindowInput& input = f.input;
        input.Move(QPointF(20, 20));
        f.journal.clear();
        input.DoubleClick(QPointF(20, 20));
        QCOMPARE(f.journal, QStringList({"rec MouseDown 1 0 10 10", "rec MouseUp 1 0 10 10",
                                         "rec DblClick", "rec MouseUp 1 0 10 10"}));
    }

    void keysAreVirtualKeyCodesAndTypedCharacters() {
        RecorderForm f;
        WindowInput& input = f.input;

        input.Key(Qt::Key_Return);
        input.Key(Qt::Key_Escape);
        input.Key(Qt::Key_Space);
        input.Key(Qt::Key_F1);
        input.Key(Qt::Key_F12);
        input.Key(Qt::Key_A);
        input.Key(Qt::Key_7);
        input.Key(Qt::Key_Delete);
        input.Key(Qt::Key_Home);
        QCOMPARE(f.journal, QStringList({
            "rec KeyDown 13 0", "rec KeyPress 13", "rec KeyUp 13 0",
            "rec KeyDown 27 0", "rec KeyPress 27", "rec KeyUp 27 0",
            "rec KeyDown 32 0", "rec KeyPress 32", "rec KeyUp 32 0",
            "rec KeyDown 112 0", "rec KeyUp 112 0",
            "rec KeyDown 123 0", "rec KeyUp 123 0",
            "rec KeyDown 65 0", "rec KeyPress 97", "rec KeyUp 65 0",
            "rec KeyDown 55 0", "rec KeyPress 55", "rec KeyUp 55 0",
            "rec KeyDown 46 0", "rec KeyUp 46 0",
            "rec KeyDown 36 0", "rec KeyUp 36 0",
        }));
    }

    void modifierKeysCountInTheirOwnState() {
        RecorderForm f;
        // Shift+B: Shift goes down first, up last
        QTest::keyClick(QApplication::focusWidget(), 'B', Qt::ShiftModifier);
        QCOMPARE(f.journal, QStringList({"rec KeyDown 16 1", "rec KeyDown 66 1", "rec KeyPress 66",
                                         "rec KeyUp 66 1", "rec KeyUp 16 0"}));
        f.journal.clear();
        // Ctrl+C types the control character (as the platform reports it);
        // Alt+F4 types nothing
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::AltModifier);
        QCOMPARE(f.journal, QStringList({"rec KeyDown 17 2", "rec KeyDown 67 2", "rec KeyPress 3",
                                         "rec KeyUp 67 2", "rec KeyUp 17 0", "rec KeyDown 18 4",
                                         "rec KeyDown 115 4", "rec KeyUp 115 4", "rec KeyUp 18 0"}));
    }

    void aHeldKeyRepeatsItsPressNotItsRelease() {
        RecorderForm f;
        QWidget* focus = QApplication::focusWidget();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        for (QKeyEvent* event : {&down, &repeatUp, &repeatDown, &up}) QApplication::sendEvent(focus, event);
        QCOMPARE(f.journal, QStringList({"rec KeyDown 32 0", "rec KeyPress 32", "rec KeyDown 32 0",
                                         "rec KeyPress 32", "rec KeyUp 32 0"}));
    }

    void focusGainedLostAndLeft() {
        Form f;
        f.Recorder(QStringLiteral("a"), QRect(10, 10, 100, 30));
        f.Recorder(QStringLiteral("b"), QRect(120, 10, 100, 30));
        f.journal.clear();
        f.Show();
        // the first control in tab order has the focus when the form appears
        QVERIFY(f.journal.contains("a GotFocus"));
        QCOMPARE(f->focusControl(), f->Find(u"a"));
        f.journal.clear();

        // a click moves the focus before the press arrives
        WindowInput input(f.form());
        input.Click(QPointF(130, 20));
        QCOMPARE(f.journal, QStringList({"b MouseMove 0 0 10 10", "a LostFocus", "a ExitFocus",
                                         "b GotFocus", "b MouseDown 1 0 10 10", "b MouseUp 1 0 10 10"}));
        QCOMPARE(QApplication::focusWidget(), f->Find(u"b"));
    }

    void anotherWindowOrAPopupLeavesTheFocusWhereItIs() {
        Form f;
        f.Recorder(QStringLiteral("a"), QRect(10, 10, 100, 30));
        f->AddMenu(QStringLiteral("mnu"), QStringLiteral("menu"), {{QStringLiteral("one"), {}, QStringLiteral("One")}});
        f.Show();
        f.journal.clear();
        QVERIFY(f->ShowPopupMenu(u"mnu", QPoint(10, 50)));
        QTRY_VERIFY(f->menu(u"mnu")->isVisible());
        f->menu(u"mnu")->close();
        QWidget other;
        other.setGeometry(600, 100, 50, 50);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.form()));
        QCOMPARE(f.journal.filter(u"Focus"), QStringList());
        QCOMPARE(f->focusControl(), f->Find(u"a"));
    }

    void tabAndTheControlsRequestsFollowTheTabOrder() {
        Form f;
        f.Recorder(QStringLiteral("a"), QRect(10, 10, 60, 30));
        RecordingControl& b = f.Recorder(QStringLiteral("b"), QRect(80, 10, 60, 30));
        f.Recorder(QStringLiteral("c"), QRect(150, 10, 60, 30));
        f.Recorder(QStringLiteral("d"), QRect(220, 10, 60, 30));
        f->Find(u"c")->setEnabled(false);
        f->setTabOrder({f->Find(u"d"), f->Find(u"a"), f->Find(u"b"), f->Find(u"c")});
        f.Show();
        QCOMPARE(f->focusControl(), f->Find(u"d"));
        WindowInput input(f.form());

        input.Key(Qt::Key_Tab);
        QCOMPARE(f->focusControl(), f->Find(u"a"));
        input.Key(Qt::Key_Tab);
        QCOMPARE(f->focusControl(), f->Find(u"b"));
        // c is disabled: from b the way wraps to d
        b.site().MoveFocus(true);
        QCOMPARE(f->focusControl(), f->Find(u"d"));
        QCOMPARE(QApplication::focusWidget(), f->Find(u"d"));
        input.Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(f->focusControl(), f->Find(u"b"));
        QCOMPARE(LogLines(f.form()).filter(u" focus "), QStringList({"b focus next"}));
    }

    void aDisabledWindowGetsNoInput() {
        Form f;
        f.Recorder(QStringLiteral("a"), QRect(10, 10, 60, 30));
        ControlWindow& b = *f->AddControl(u"Vemmix.Zorvane", QStringLiteral("b"), QRect(80, 10, 60, 30));
        b.control()->InitProperties();
        Set(b, u"Caption", u"&Busy");
        Set(b, u"Enabled", false);
        f.Show();
        WindowInput input(f.form());
        const std::size_t start = f->log().size();
        input.Click(QPointF(100, 20));
        input.DoubleClick(QPointF(100, 20));
        QTest::keyClick(&f.form(), Qt::Key_B, Qt::AltModifier);
        QCOMPARE(EventLines(f.form(), start), QStringList());
        QVERIFY(f->focusControl() != &b);
    }

    // ---- the button in the window ----------------------------------------------------------

    void clickDoubleClickAndRightButton() {
        Form f;
        f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30));
        f.Show();
        WindowInput input(f.form());
        input.Move(QPointF(30, 20));
        std::size_t start = f->log().size();
        input.Press(QPointF(30, 20));
        input.Release(QPointF(30, 20));
        QCOMPARE(EventLines(f.form(), start), QStringList({"cmd event MouseDown(1,0,20,10)", "cmd event Click",
                                                           "cmd event MouseUp(1,0,20,10)"}));
        start = f->log().size();
        input.DoubleClick(QPointF(30, 20));
        QCOMPARE(EventLines(f.form(), start),
                 QStringList({"cmd event MouseDown(1,0,20,10)", "cmd event Click", "cmd event MouseUp(1,0,20,10)",
                              "cmd event DblClick", "cmd event Click", "cmd event MouseUp(1,0,20,10)"}));
        start = f->log().size();
        input.Press(QPointF(30, 20), Qt::RightButton);
        input.Release(QPointF(30, 20), Qt::RightButton);
        QCOMPARE(EventLines(f.form(), start),
                 QStringList({"cmd event MouseDown(2,0,20,10)", "cmd event MouseUp(2,0,20,10)"}));
    }

    void theDropDownZone() {
        Form f;
        f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30),
                 {{"AppearanceMode", "2"}, {"DropDownWidth", "16"}});
        f.Show();
        WindowInput input(f.form());
        std::size_t start = f->log().size();
        input.Click(QPointF(10 + 85, 20));
        QCOMPARE(EventLines(f.form(), start).filter(u"Click"), QStringList({"cmd event DropDownClick"}));
        start = f->log().size();
        input.Click(QPointF(10 + 84, 20));
        QCOMPARE(EventLines(f.form(), start).filter(u"Click"), QStringList({"cmd event Click"}));
    }

    void spaceAndEnterClick() {
        Form f;
        f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30));
        f.Show();
        WindowInput input(f.form());
        const std::size_t start = f->log().size();
        input.Key(Qt::Key_Space);
        input.Key(Qt::Key_Return);
        QCOMPARE(EventLines(f.form(), start),
                 QStringList({"cmd event KeyDown(32,0)", "cmd event Click", "cmd event KeyPress(32)",
                              "cmd event KeyUp(32,0)", "cmd event KeyDown(13,0)", "cmd event Click",
                              "cmd event KeyPress(13)", "cmd event KeyUp(13,0)"}));
    }

    void arrowKeysMoveTheFocus() {
        Form f;
        f.Button(QStringLiteral("one"), QRect(10, 10, 60, 30));
        f.Button(QStringLiteral("two"), QRect(80, 10, 60, 30));
        f.Show();
        WindowInput input(f.form());
        const std::size_t start = f->log().size();
        input.Key(Qt::Key_Right);
        QCOMPARE(f->focusControl(), f->Find(u"two"));
        input.Key(Qt::Key_Down);
        QCOMPARE(f->focusControl(), f->Find(u"one"));
        input.Key(Qt::Key_Left);
        QCOMPARE(f->focusControl(), f->Find(u"two"));
        input.Key(Qt::Key_Up);
        QCOMPARE(f->focusControl(), f->Find(u"one"));
        QCOMPARE(LogLines(f.form(), start).filter(QRegularExpression(" focus | event Key")),
                 QStringList({"one event KeyDown(39,0)", "one focus next", "two event KeyUp(39,0)",
                              "two event KeyDown(40,0)", "two focus next", "one event KeyUp(40,0)",
                              "one event KeyDown(37,0)", "one focus previous", "two event KeyUp(37,0)",
                              "two event KeyDown(38,0)", "two focus previous", "one event KeyUp(38,0)"}));
    }

    void altAndTheAccessKey() {
        Form f;
        f.Button(QStringLiteral("one"), QRect(10, 10, 60, 30), {{"Caption", "&Open"}});
        ControlWindow& two = f.Button(QStringLiteral("two"), QRect(80, 10, 60, 30), {{"Caption", "Save && &quit"}});
        f.Show();
        QCOMPARE(two.accessKeys(), u"q");
        const std::size_t start = f->log().size();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(EventLines(f.form(), start).filter(u"two "),
                 QStringList({"two event MouseDown(1,0,0,0)", "two event Click"}));
        // the focus stays
        QCOMPARE(f->focusControl(), f->Find(u"one"));
    }

    void defaultAndCancelButtons() {
        Form f;
        ControlWindow& ok = f.Button(QStringLiteral("ok"), QRect(10, 10, 60, 30));
        ControlWindow& cancel = f.Button(QStringLiteral("cancel"), QRect(80, 10, 60, 30));
        f->setDefaultControl(&ok);
        f->setCancelControl(&cancel);
        QCOMPARE(ok.AmbientDisplayAsDefault(), std::optional<bool>(true));
        QCOMPARE(cancel.AmbientDisplayAsDefault(), std::optional<bool>(false));
        f.Show();
        WindowInput input(f.form());

        // Escape goes to the cancel button wherever the focus is
        std::size_t start = f->log().size();
        input.Key(Qt::Key_Escape);
        QCOMPARE(EventLines(f.form(), start),
                 QStringList({"cancel event MouseDown(1,0,0,0)", "cancel event Click", "ok event KeyUp(27,0)"}));

        // Enter with the focus on a button clicks that button
        start = f->log().size();
        f->setFocusControl(&cancel);
        input.Key(Qt::Key_Return);
        QCOMPARE(EventLines(f.form(), start).filter(u"Click"), QStringList({"cancel event Click"}));

        // with no control focused it goes to the default button
        f->setFocusControl(nullptr);
        start = f->log().size();
        input.Key(Qt::Key_Return);
        QCOMPARE(EventLines(f.form(), start),
                 QStringList({"ok event MouseDown(1,0,0,0)", "ok event KeyDown(13,0)", "ok event Click"}));
    }
};

QTEST_MAIN(InputTest)
#include "InputTest.moc"
