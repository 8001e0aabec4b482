// The Designer plugin: it loads as Designer loads it, makes a Button, and
// a .ui file names the Button's properties as the type library does.
#include <memory>

#include <QBuffer>
#include <QFileInfo>
#include <QPluginLoader>
#include <QTest>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <vemmix/qt/Button.h>

using vemmix::qt::Button;

class DesignerPluginTest : public QObject {
    Q_OBJECT

private slots:
    void thePluginLoadsAndMakesAButton() {
        QPluginLoader loader(QStringLiteral(VEMMIX_DESIGNER_PLUGIN_FILE));
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
        QVERIFY(plugin);
        QCOMPARE(plugin->name(), QStringLiteral("vemmix::qt::Button"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("vemmix/qt/Button.h"));
        QVERIFY(!plugin->isContainer());
        QWidget parent;
        auto* button = qobject_cast<Button*>(plugin->createWidget(&parent));
        QVERIFY(button);
        QCOMPARE(button->parentWidget(), &parent);
        QVERIFY(plugin->domXml().contains(u"class=\"vemmix::qt::Button\""));
    }

    void aUiFileSetsThePropertiesByTheirNames() {
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(QStringLiteral(VEMMIX_DESIGNER_PLUGIN_FILE)).absolutePath());
        QVERIFY(loader.availableWidgets().contains(QStringLiteral("vemmix::qt::Button")));
        QByteArray ui = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="vemmix::qt::Button" name="cmdSave">
   <property name="geometry"><rect><x>10</x><y>10</y><width>90</width><height>28</height></rect></property>
   <property name="Caption"><string>&amp;Save</string></property>
   <property name="Appearance"><enum>vemmix::qt::Button::Office2007</enum></property>
   <property name="AppearanceMode"><enum>vemmix::qt::Button::ToggleMode</enum></property>
   <property name="BackColorOver"><color alpha="255"><red>255</red><green>0</green><blue>0</blue></color></property>
   <property name="ForeColor"><color alpha="127"><red>18</red><green>0</green><blue>0</blue></color></property>
   <property name="BorderWidth"><number>3</number></property>
   <property name="ShowFocus"><bool>false</bool></property>
  </widget>
 </widget>
</ui>)";
        QBuffer buffer(&ui);
        std::unique_ptr<QWidget> form(loader.load(&buffer));
        QVERIFY2(form, qPrintable(loader.errorString()));
        auto* button = form->findChild<Button*>(QStringLiteral("cmdSave"));
        QVERIFY(button);
        QCOMPARE(button->caption(), QStringLiteral("&Save"));
        QCOMPARE(button->appearance(), Button::Office2007);
        QCOMPARE(button->appearanceMode(), Button::ToggleMode);
        QCOMPARE(button->backColorOver(), QColor(255, 0, 0));
        QCOMPARE(button->foreColor(), vemmix::qt::SystemColor(18));
        QCOMPARE(button->borderWidth(), 3);
        QVERIFY(!button->showFocus());
        QCOMPARE(button->size(), QSize(90, 28));
    }
};

QTEST_MAIN(DesignerPluginTest)
#include "DesignerPluginTest.moc"
