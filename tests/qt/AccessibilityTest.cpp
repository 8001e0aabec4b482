// What assistive technology sees of a button: role, name, description,
// states, actions that act as the user's input, and the events that tell
// of changes.
#include <QAccessible>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

// The events accessibility was told of, as "<object> <kind>[ <states>]".
QStringList g_Events;

void Record(QAccessibleEvent* event) {
    const QObject* object = event->object();
    QString line = (object ? object->objectName() : QStringLiteral("?")) + u' ';
    switch (event->type()) {
    case QAccessible::NameChanged: line += QStringLiteral("name"); break;
    case QAccessible::DescriptionChanged: line += QStringLiteral("description"); break;
    case QAccessible::StateChanged: {
        const QAccessible::State changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        line += QStringLiteral("state");
        if (changed.checked) line += QStringLiteral(" checked");
        if (changed.pressed) line += QStringLiteral(" pressed");
        if (changed.hotTracked) line += QStringLiteral(" hot");
        if (changed.disabled) line += QStringLiteral(" disabled");
        break;
    }
    case QAccessible::Focus: line += QStringLiteral("focus"); break;
    default: return;
    }
    g_Events.append(line);
}

QAccessibleInterface* Of(QWidget& widget) { return QAccessible::queryAccessibleInterface(&widget); }

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(Record);
        // as a screen reader would
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    void init() { g_Events.clear(); }

    void aPushButtonNamedByItsCaption() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30), {{"Caption", "Save && &quit"}});
        cmd.setToolTipText(QStringLiteral("Saves, then quits"));
        f.Show();
        QAccessibleInterface* button = Of(cmd);
        QVERIFY(button && button->isValid());
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Save & quit"));
        QCOMPARE(button->text(QAccessible::Description), QStringLiteral("Saves, then quits"));
        QCOMPARE(button->text(QAccessible::Accelerator), QStringLiteral("Alt+Q"));
        QAccessibleActionInterface* actions = button->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList({QAccessibleActionInterface::pressAction()}));
        QCOMPARE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList({"Alt+Q"}));

        const QAccessible::State state = button->state();
        QVERIFY(state.focusable);
        QVERIFY(state.focused);
        QVERIFY(!state.checkable);
        QVERIFY(!state.disabled);

        Set(cmd, u"Caption", u"Other");
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Other"));
        QVERIFY(g_Events.contains("cmd name"));
        cmd.setToolTipText(QStringLiteral("Something else"));
        QVERIFY(g_Events.contains("cmd description"));
        Set(cmd, u"Enabled", false);
        QVERIFY(button->state().disabled);
        QVERIFY(g_Events.contains("cmd state disabled"));
    }

    void pressActsAsAClick() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30));
        f.Button(QStringLiteral("other"), QRect(120, 10, 100, 30));
        f.Show();
        f->setFocusControl(f->Find(u"other"));
        const std::size_t start = f->log().size();
        Of(cmd)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(EventLines(f.form(), start),
                 QStringList({"cmd event MouseDown(1,0,50,15)", "cmd event Click", "cmd event MouseUp(1,0,50,15)"}));
        // as a click, it takes the focus
        QCOMPARE(f->focusControl(), &cmd);
    }

    void aToggleButtonIsCheckable() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30), {{"AppearanceMode", "1"}});
        f.Show();
        QAccessibleInterface* button = Of(cmd);
        QVERIFY(button->state().checkable);
        QVERIFY(!button->state().checked);
        QCOMPARE(button->actionInterface()->actionNames(),
                 QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}));
        g_Events.clear();
        button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(button->state().checked);
        QCOMPARE(g_Events.filter(u"checked"), QStringList({"cmd state checked"}));

        // a real click toggles too, and says so
        g_Events.clear();
        WindowInput input(f.form());
        input.Click(QPointF(30, 20));
        QVERIFY(!button->state().checked);
        QCOMPARE(g_Events.filter(u"checked"), QStringList({"cmd state checked pressed"}));
        // and so does the property
        g_Events.clear();
        Set(cmd, u"ToggleValue", true);
        QVERIFY(button->state().checked);
        QCOMPARE(g_Events, QStringList({"cmd state checked"}));
    }

    void aDropDownButtonShowsItsMenu() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30),
                                      {{"AppearanceMode", "2"}, {"DropDownWidth", "20"}});
        f.Show();
        QAccessibleActionInterface* actions = Of(cmd)->actionInterface();
        QCOMPARE(actions->actionNames(),
                 QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::showMenuAction()}));
        std::size_t start = f->log().size();
        actions->doAction(QAccessibleActionInterface::showMenuAction());
        QCOMPARE(EventLines(f.form(), start).filter(u"Click"), QStringList({"cmd event DropDownClick"}));
        start = f->log().size();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(EventLines(f.form(), start),
                 QStringList({"cmd event MouseDown(1,0,40,15)", "cmd event Click", "cmd event MouseUp(1,0,40,15)"}));
    }

    void pressedAndHotTrackedFollowTheInput() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 100, 30));
        f.Show();
        QAccessibleInterface* button = Of(cmd);
        WindowInput input(f.form());
        input.Move(QPointF(30, 20));
        QTRY_VERIFY(button->state().hotTracked);
        input.Press(QPointF(30, 20));
        QVERIFY(button->state().pressed);
        input.Release(QPointF(30, 20));
        QVERIFY(!button->state().pressed);
        input.Leave();
        QTRY_VERIFY(!button->state().hotTracked);
        QVERIFY(g_Events.contains("cmd state hot"));
        QCOMPARE(g_Events.filter(u"pressed").size(), 2);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
