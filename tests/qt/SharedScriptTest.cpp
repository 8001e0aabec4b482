// One input script in the headless container and in the Qt container: the
// same event log, line for line.
#include <QTest>

#include "InputScript.h"

using namespace vemmix::qt::test;

class SharedScriptTest : public QObject {
    Q_OBJECT

private slots:
    void bothContainersLogTheSame() {
        QString error;
        const std::optional<InputScript> script =
            InputScript::Read(QStringLiteral(VEMMIX_QT_TEST_DATA "/shared-input.script"), &error);
        QVERIFY2(script, qPrintable(error));
        const QStringList headless = RunHeadless(*script);
        const QStringList qt = RunQt(*script);
        // the script reaches every kind of entry
        for (const char* kind : {" event Click", " event DblClick", " event DropDownClick", " event MouseOut",
                                 " event KeyPress", " focus next", " focus previous", " tooltip create",
                                 " tooltip destroy", " repaint", " notify "})
            QVERIFY2(!headless.filter(QString::fromLatin1(kind)).isEmpty(), kind);
        if (qEnvironmentVariableIsSet("VEMMIX_PRINT_LOG")) qInfo().noquote() << headless.join(u'\n');
        QCOMPARE(qt, headless);
    }
};

QTEST_MAIN(SharedScriptTest)
#include "SharedScriptTest.moc"
