// Saved forms in a FormWindow: what a load builds (controls, properties,
// frames, tab order, default and cancel, menus, the extender's text,
// placeholders), the save's round trip, and unsound documents refused
// whole.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <vemmix/Dispatch.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>
#include <vemmix/qt/FormWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

QString SourcePath(const QString& relative) {
    return QDir(QStringLiteral(VEMMIX_SOURCE_DIR)).filePath(relative);
}

const host::ControlRegistry& Registry() {
    static host::ControlRegistry* registry = [] {
        auto* r = new host::ControlRegistry;
        QString error;
        if (!r->Load(host::ControlRegistry::DefaultLibrary(), &error)) qFatal("%s", qPrintable(error));
        return r;
    }();
    return *registry;
}

host::FormDocument Read(const QString& path) {
    host::FormError error;
    std::optional<host::FormDocument> doc = host::ReadFormFile(path, &error);
    if (!doc) qFatal("%s", qPrintable(error.Text()));
    return std::move(*doc);
}

QString Text(ControlWindow& window, std::u16string_view property) {
    const std::optional<std::u16string> text = ToString(Get(window, property));
    return text ? QString::fromStdU16String(*text) : QStringLiteral("<not text>");
}

QStringList Names(const std::vector<ControlWindow*>& windows) {
    QStringList names;
    for (const ControlWindow* w : windows)
        names << (w->index() ? QStringLiteral("%1(%2)").arg(w->name()).arg(*w->index()) : w->name());
    return names;
}

host::FormDocument SmallForm() {
    host::FormDocument doc;
    doc.form.width = 200;
    doc.form.height = 100;
    return doc;
}

host::FormControl Record(const char* className, const char* name, QRect geometry) {
    host::FormControl record;
    record.className = QString::fromLatin1(className);
    record.name = QString::fromLatin1(name);
    record.left = geometry.left();
    record.top = geometry.top();
    record.width = geometry.width();
    record.height = geometry.height();
    return record;
}

// The bytes of a save, and the bytes after reading them back, loading and
// saving again.
struct RoundTrip {
    QByteArray first, second;
};

RoundTrip SaveTwice(const host::FormDocument& doc) {
    RoundTrip trip;
    FormWindow one;
    if (!LoadForm(one, doc, Registry())) qFatal("the form does not load");
    trip.first = host::WriteForm(SaveForm(one));
    host::FormError error;
    std::optional<host::FormDocument> again =
        host::ReadForm(trip.first, QStringLiteral("saved.json"), doc.baseDirectory, &error);
    if (!again) qFatal("%s", qPrintable(error.Text()));
    FormWindow two;
    if (!LoadForm(two, *again, Registry())) qFatal("the saved form does not load");
    trip.second = host::WriteForm(SaveForm(two));
    return trip;
}

}  // namespace

class FormLoadingTest : public QObject {
    Q_OBJECT

private slots:
    void theWelcomeFormLoadsWhole() {
        const host::FormDocument doc = Read(SourcePath(QStringLiteral("docs/examples/welcome.json")));
        FormWindow form;
        QStringList problems;
        QString error;
        QVERIFY(LoadForm(form, doc, Registry(), &problems, &error));
        QVERIFY(error.isEmpty());

        QCOMPARE(form.objectName(), QStringLiteral("frmWelcome"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Vemmix - welcome"));
        QCOMPARE(form.size(), QSize(440, 300));
        QCOMPARE(form.backColor(), SystemColorRef(15));
        QCOMPARE(form.ambientFont()->Description().name, std::u16string(u"Tahoma"));
        QVERIFY(form.userMode());
        QCOMPARE(form.controls().size(), doc.controls.size());
        QCOMPARE(Names(form.controls()),
                 QStringList({"lblInfo", "fraLanguages", "cmdLanguage(0)", "cmdLanguage(1)", "cmdLanguage(2)",
                              "cmdLanguage(3)", "cmdNext", "cmdToggle", "cmdPicture", "cmdWrap", "cmdOK",
                              "cmdCancel", "gauge"}));

        // control arrays share a name; names match without regard to case
        ControlWindow* russian = form.Find(u"cmdlanguage", 2);
        QVERIFY(russian);
        QCOMPARE(russian->index(), std::optional<int>(2));
        QCOMPARE(form.Find(u"cmdLanguage"), nullptr);
        QCOMPARE(form.Find(u"cmdLanguage", 4), nullptr);
        QCOMPARE(russian->classId(), QStringLiteral("Vemmix.Zorvane"));
        QCOMPARE(Text(*russian, u"Caption"), QStringLiteral("Русский"));
        QCOMPARE(ToInt32(Get(*russian, u"Appearance")), std::optional<std::int32_t>(7));
        QCOMPARE(ToBool(Get(*form.Find(u"cmdLanguage", 1), u"RightToLeft")), std::optional<VBool>(kTrue));
        QCOMPARE(ToBool(Get(*form.Find(u"cmdToggle"), u"ToggleValue")), std::optional<VBool>(kTrue));

        // frames hold their controls at their places
        ControlWindow* frame = form.Find(u"fraLanguages");
        QCOMPARE(frame->classId(), QStringLiteral("Frame"));
        QCOMPARE(Text(*frame, u"Caption"), QStringLiteral("Unicode captions"));
        QCOMPARE(russian->parentWidget(), frame);
        QCOMPARE(russian->geometry(), QRect(12, 98, 176, 32));
        QCOMPARE(form.Find(u"cmdNext")->parentWidget(), &form);
        QCOMPARE(form.Find(u"cmdNext")->geometry(), QRect(228, 56, 200, 36));

        // frames and labels take no focus; a label lets the pointer through
        ControlWindow* label = form.Find(u"lblInfo");
        QVERIFY(label->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QVERIFY(!label->tabStop());
        QVERIFY(!frame->tabStop());
        QVERIFY(!frame->testAttribute(Qt::WA_TransparentForMouseEvents));

        // the extender's text, default and cancel, tab order, menus
        QCOMPARE(form.Find(u"cmdNext")->toolTipText(), QStringLiteral("Click here to see more..."));
        QCOMPARE(form.defaultControl(), form.Find(u"cmdOK"));
        QCOMPARE(form.cancelControl(), form.Find(u"cmdCancel"));
        QCOMPARE(form.Find(u"cmdOK")->AmbientDisplayAsDefault(), std::optional<bool>(true));
        QCOMPARE(Names(form.tabOrder()), Names(form.controls()));
        QCOMPARE(form.menus().size(), std::size_t{1});
        QCOMPARE(form.menus()[0].name, QStringLiteral("MNav"));
        QCOMPARE(form.menus()[0].caption, QStringLiteral("Navigate"));
        QCOMPARE(form.menus()[0].items.size(), std::size_t{3});
        QCOMPARE(form.menus()[0].items[2].name, QStringLiteral("MNav_"));
        QCOMPARE(form.menus()[0].items[2].index, std::optional<int>(2));
        QCOMPARE(form.menu(u"mnav")->actions().size(), 3);
        QCOMPARE(form.menu(u"MNav")->actions()[1]->text(), QStringLiteral("Appearance"));

        // a class no library has: a placeholder that is shown and reported
        ControlWindow* gauge = form.Find(u"gauge");
        QVERIFY(gauge && gauge->control());
        QCOMPARE(gauge->classId(), QStringLiteral("Acme.Gauge"));
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(QStringLiteral("controls[12].class: \"Acme.Gauge\" cannot be created (error 429")),
                 qPrintable(problems[0]));

        // shown: every control gets Show, the first tab stop the focus
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(gauge->isVisible());
        QVERIFY(russian->isVisible());
        QCOMPARE(form.focusControl(), form.Find(u"cmdLanguage", 0));
    }

    void everyKeyOfTheFormIsTaken() {
        const host::FormDocument doc = Read(SourcePath(QStringLiteral("tests/data/forms/every-key.json")));
        FormWindow form;
        QVERIFY(LoadForm(form, doc, Registry()));
        QVERIFY(!form.userMode());  // "mode": "design"
        QCOMPARE(form.backColor(), OleColor{0x00C0C0C0});
        QCOMPARE(form.ambientFont()->Description().size, 9.0);
        QCOMPARE(form.windowTitle(), QStringLiteral("Every key — עברית"));
        QCOMPARE(form.defaultControl(), form.Find(u"cmdEvery"));
        QCOMPARE(form.cancelControl(), form.Find(u"cmdPlain", 3));
        // by tabIndex: gauge 0, cmdEvery 1, cmdPlain(3) 2, lblNote 3, fraBox 4
        QCOMPARE(Names(form.tabOrder()),
                 QStringList({"gauge", "cmdEvery", "cmdPlain(3)", "lblNote", "fraBox"}));
        // an invisible control stays hidden when the form shows
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(!form.Find(u"cmdPlain", 3)->isVisible());
        QVERIFY(form.Find(u"cmdEvery")->isVisible());
        QCOMPARE(form.Find(u"cmdEvery")->toolTipText(), QStringLiteral("Every key ✓"));
        QCOMPARE(ToInt32(Get(*form.Find(u"cmdEvery"), u"MousePointer")), std::optional<std::int32_t>(11));
        QCOMPARE(form.Find(u"cmdEvery")->MousePointer(), std::int16_t{11});
        QCOMPARE(form.menus().size(), std::size_t{2});
        QCOMPARE(form.menus()[1].items[0].index, std::nullopt);
    }

    void aSaveKeepsWhatWasLoaded() {
        const host::FormDocument doc = Read(SourcePath(QStringLiteral("tests/data/forms/every-key.json")));
        FormWindow form;
        QVERIFY(LoadForm(form, doc, Registry()));
        const host::FormDocument saved = SaveForm(form);
        QCOMPARE(saved.form.name, doc.form.name);
        QCOMPARE(saved.form.title, doc.form.title);
        QCOMPARE(saved.form.width, doc.form.width);
        QCOMPARE(saved.form.height, doc.form.height);
        QCOMPARE(saved.form.backColor, doc.form.backColor);
        QVERIFY(saved.form.font == doc.form.font);
        QVERIFY(saved.form.visualStyle == doc.form.visualStyle);
        QCOMPARE(saved.form.defaultControl, doc.form.defaultControl);
        QCOMPARE(saved.form.cancelControl, doc.form.cancelControl);
        QCOMPARE(saved.form.designMode, doc.form.designMode);
        QCOMPARE(saved.controls.size(), doc.controls.size());
        for (std::size_t i = 0; i < doc.controls.size(); ++i) {
            const host::FormControl& a = doc.controls[i];
            const host::FormControl& b = saved.controls[i];
            QCOMPARE(b.className, a.className);
            QCOMPARE(b.Reference(), a.Reference());
            QCOMPARE(b.parent, a.parent);
            QCOMPARE(QRect(b.left, b.top, b.width, b.height), QRect(a.left, a.top, a.width, a.height));
            QCOMPARE(b.tabIndex, a.tabIndex);
            QCOMPARE(b.visible, a.visible);
            QCOMPARE(b.toolTipText, a.toolTipText);
            QVERIFY(b.properties.Find(u"_ExtentX") || b.className == QStringLiteral("Acme.Gauge"));
        }
        // the placeholder gives its set back as read
        QVERIFY(saved.controls[4].properties == doc.controls[4].properties);
        QCOMPARE(saved.menus.size(), doc.menus.size());
        QCOMPARE(saved.menus[0].items[0].caption, QStringLiteral("Main Δ"));
        // a picture read from a file is written as its path again
        QVERIFY(host::WriteForm(saved).contains("\"file\": \"pictures/tick.png\""));
    }

    void aRoundTripIsLossless_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("welcome") << SourcePath(QStringLiteral("docs/examples/welcome.json"));
        const QDir forms(SourcePath(QStringLiteral("tests/data/forms")));
        for (const QString& name : forms.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << forms.filePath(name);
    }
    void aRoundTripIsLossless() {
        QFETCH(QString, path);
        const RoundTrip trip = SaveTwice(Read(path));
        QVERIFY(!trip.first.isEmpty());
        QCOMPARE(trip.second, trip.first);
    }

    void aChangeIsSaved() {
        FormWindow form;
        QVERIFY(LoadForm(form, Read(SourcePath(QStringLiteral("docs/examples/welcome.json"))), Registry()));
        Set(*form.Find(u"cmdNext"), u"Caption", Variant(std::u16string(u"Onward")));
        form.Find(u"cmdNext")->setToolTipText(QStringLiteral("Go on"));
        form.Find(u"cmdCancel")->move(300, 250);
        form.Find(u"cmdWrap")->hide();
        form.setTabOrder({form.Find(u"cmdOK"), form.Find(u"cmdNext")});
        form.setDefaultControl(form.Find(u"cmdLanguage", 3));
        const host::FormDocument saved = SaveForm(form);
        const host::FormControl* next = saved.Find(u"cmdNext");
        QCOMPARE(next->properties.Find(u"Caption")->value.toString(), QStringLiteral("Onward"));
        QCOMPARE(next->toolTipText, QStringLiteral("Go on"));
        QCOMPARE(saved.Find(u"cmdCancel")->left, 300);
        QCOMPARE(saved.Find(u"cmdCancel")->top, 250);
        QVERIFY(!saved.Find(u"cmdWrap")->visible);
        QCOMPARE(saved.form.defaultControl, QStringLiteral("cmdLanguage(3)"));
        // the tab indexes read (0 to 12), in the new order
        QCOMPARE(saved.Find(u"cmdOK")->tabIndex, 0);
        QCOMPARE(saved.Find(u"cmdNext")->tabIndex, 1);
        QCOMPARE(saved.Find(u"lblInfo")->tabIndex, 2);
        QCOMPARE(saved.Find(u"gauge")->tabIndex, 12);
    }

    void aFrameAfterItsControlsStillHoldsThem() {
        host::FormDocument doc = SmallForm();
        host::FormControl button = Record("Vemmix.Zorvane", "cmdIn", QRect(5, 15, 60, 20));
        button.parent = QStringLiteral("fraLate");
        host::FormControl frame = Record("Frame", "fraLate", QRect(20, 10, 150, 80));
        frame.tabIndex = 1;
        doc.controls = {button, frame};
        FormWindow form;
        QVERIFY(LoadForm(form, doc, Registry()));
        ControlWindow* in = form.Find(u"cmdIn");
        QCOMPARE(in->parentWidget(), form.Find(u"fraLate"));
        QCOMPARE(in->geometry(), QRect(5, 15, 60, 20));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(in->isVisible());
        QCOMPARE(in->mapTo(&form, QPoint(0, 0)), QPoint(25, 25));
        // an empty set: InitProperties, so the caption is the control's name
        QCOMPARE(Text(*in, u"Caption"), QStringLiteral("cmdIn"));
        const host::FormDocument saved = SaveForm(form);
        QCOMPARE(saved.controls[0].parent, QStringLiteral("fraLate"));
        QCOMPARE(saved.controls[0].left, 5);
    }

    void aRefusedValueIsAProblemAndTheRestLoads() {
        host::FormDocument doc = SmallForm();
        host::FormControl button = Record("Vemmix.Zorvane", "cmd", QRect(0, 0, 80, 24));
        button.properties.Set({QStringLiteral("Depth"), QJsonValue(QStringLiteral("deep")), {}});
        button.properties.Set({QStringLiteral("Caption"), QJsonValue(QStringLiteral("Still here")), {}});
        doc.controls = {button};
        FormWindow form;
        QStringList problems;
        QVERIFY(LoadForm(form, doc, Registry(), &problems));
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(QStringLiteral("controls[0].properties.Depth: refused (error 13")),
                 qPrintable(problems[0]));
        QCOMPARE(Text(*form.Find(u"cmd"), u"Caption"), QStringLiteral("Still here"));
    }

    void anUnsoundDocumentLeavesTheWindowEmpty_data() {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("duplicate name") << 0 << QStringLiteral("controls[7].name");
        QTest::newRow("parent not a frame") << 1 << QStringLiteral("controls[2].parent");
        QTest::newRow("frame in itself") << 2 << QStringLiteral("controls[1].parent");
        QTest::newRow("unknown default") << 3 << QStringLiteral("form.defaultControl");
        QTest::newRow("unknown cancel") << 4 << QStringLiteral("form.cancelControl");
        QTest::newRow("form too large") << 5 << QStringLiteral("form");
        QTest::newRow("control too large") << 6 << QStringLiteral("controls[6]");
        QTest::newRow("menu name taken") << 7 << QStringLiteral("menus[0].name");
    }
    void anUnsoundDocumentLeavesTheWindowEmpty() {
        QFETCH(int, damage);
        QFETCH(QString, expected);
        host::FormDocument doc = Read(SourcePath(QStringLiteral("docs/examples/welcome.json")));
        switch (damage) {
        case 0: doc.controls[7].name = QStringLiteral("CMDNEXT"); break;
        case 1: doc.controls[2].parent = QStringLiteral("cmdNext"); break;
        case 2: doc.controls[1].parent = QStringLiteral("fraLanguages"); break;
        case 3: doc.form.defaultControl = QStringLiteral("cmdNone"); break;
        case 4: doc.form.cancelControl = QStringLiteral("cmdLanguage(9)"); break;
        case 5: doc.form.width = 100000; break;
        case 6: doc.controls[6].width = 9000; break;
        case 7: doc.menus[0].name = QStringLiteral("gauge"); break;
        }
        FormWindow form;
        form.setObjectName(QStringLiteral("untouched"));
        QStringList problems;
        QString error;
        QVERIFY(!LoadForm(form, doc, Registry(), &problems, &error));
        QVERIFY2(error.startsWith(QStringLiteral("frmWelcome: ") + expected + QStringLiteral(": ")), qPrintable(error));
        QVERIFY(problems.isEmpty());
        QVERIFY(form.controls().empty());
        QVERIFY(form.menus().empty());
        QVERIFY(form.findChildren<QWidget*>().isEmpty());
        QCOMPARE(form.objectName(), QStringLiteral("untouched"));
        QCOMPARE(form.windowTitle(), QString());
    }

    void everyHostileFileIsRefusedBeforeAWindowSeesIt() {
        const QDir hostile(SourcePath(QStringLiteral("tests/data/forms/hostile")));
        const QStringList files = hostile.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 40);
        for (const QString& name : files) {
            host::FormError error;
            QVERIFY2(!host::ReadFormFile(hostile.filePath(name), &error), qPrintable(name));
            QVERIFY2(!error.message.isEmpty(), qPrintable(name));
        }
    }

    void aFormLoadsOnlyIntoAnEmptyWindow() {
        const host::FormDocument doc = Read(SourcePath(QStringLiteral("docs/examples/welcome.json")));
        FormWindow form;
        QVERIFY(LoadForm(form, doc, Registry()));
        const std::size_t count = form.controls().size();
        QString error;
        QVERIFY(!LoadForm(form, doc, Registry(), nullptr, &error));
        QCOMPARE(error, QStringLiteral("the window already holds a form; a form loads into an empty window"));
        QCOMPARE(form.controls().size(), count);

        Form other;
        other.Button(QStringLiteral("cmd"), QRect(0, 0, 50, 20));
        QVERIFY(!LoadForm(other.form(), doc, Registry(), nullptr, &error));
        QCOMPARE(other->controls().size(), std::size_t{1});
    }

    void aLoadedFormMakesNewControlsThroughTheRegistry() {
        FormWindow form;
        QVERIFY(LoadForm(form, Read(SourcePath(QStringLiteral("docs/examples/welcome.json"))), Registry()));
        std::int32_t error = -1;
        ControlWindow* label = form.AddControl(u"Label", QStringLiteral("lblMore"), QRect(0, 0, 40, 20), nullptr, &error);
        QVERIFY(label);
        QCOMPARE(error, 0);
        QCOMPARE(label->classId(), QStringLiteral("Label"));
        QVERIFY(!form.AddControl(u"Acme.Gauge", QStringLiteral("g2"), QRect(0, 0, 40, 20), nullptr, &error));
        QCOMPARE(error, 429);
    }
};

QTEST_MAIN(FormLoadingTest)
#include "FormLoadingTest.moc"
