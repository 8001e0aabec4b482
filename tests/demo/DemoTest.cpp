// DemoVemmix as a person uses it: the start-up state, the navigation
// buttons, "Next" and its navigation menu, the menu items, the Unicode
// captions, the screenshots and the saved form.
#include <algorithm>

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <vemmix/Dispatch.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>
#include <vemmix/qt/FormWindow.h>

#include "DemoWindow.h"
#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using demo::DemoWindow;

namespace {

const char* const kPages[] = {"fraMain", "fraAppearance", "fraMode", "fraPicture",
                              "fraFade", "fraToolTip",    "fraOther"};

std::unique_ptr<DemoWindow> Start() {
    QString error;
    std::unique_ptr<DemoWindow> demo = DemoWindow::Create({}, &error);
    if (!demo) qFatal("the demo did not start: %s", qPrintable(error));
    demo->form().move(40, 40);
    demo->form().show();
    if (!QTest::qWaitForWindowExposed(&demo->form())) qWarning("the form was not exposed");
    return demo;
}

QString Caption(ControlWindow& window) {
    const Variant value = test::Get(window, u"Caption");
    const std::u16string* text = value.get_if<std::u16string>();
    return text ? QString::fromStdU16String(*text) : QString();
}

bool Toggled(ControlWindow& window) {
    const Variant value = test::Get(window, u"ToggleValue");
    const BoolValue* b = value.get_if<BoolValue>();
    return b && b->value != 0;
}

// The page shown: the one frame visible, and only its navigation button
// pressed.
void CheckPage(DemoWindow& demo, int page) {
    QCOMPARE(demo.page(), page);
    for (int i = 0; i < demo::kPageCount; ++i) {
        ControlWindow* frame = demo.Find(QString::fromLatin1(kPages[i]));
        QVERIFY(frame);
        QCOMPARE(frame->isVisibleTo(&demo.form()), i == page);
        ControlWindow* nav = demo.Find(QStringLiteral("cmdNavigate"), i);
        QVERIFY(nav);
        QCOMPARE(Toggled(*nav), i == page);
    }
}

// The middle of a control, in form pixels.
QPointF Centre(DemoWindow& demo, const ControlWindow& window) {
    return QPointF(window.mapTo(&demo.form(), window.rect().center()));
}

// A point of "Next" left of its drop-down zone, and one inside it.
QPointF NextBody(DemoWindow& demo) {
    ControlWindow* next = demo.Find(QStringLiteral("cmdNav_Next"));
    return QPointF(next->mapTo(&demo.form(), QPoint(next->width() / 3, next->height() / 2)));
}
QPointF NextDropDown(DemoWindow& demo) {
    ControlWindow* next = demo.Find(QStringLiteral("cmdNav_Next"));
    return QPointF(next->mapTo(&demo.form(), QPoint(next->width() - 6, next->height() / 2)));
}

// The menu's top-left corner is at `corner` (global pixels), or as near as
// the screen lets it be.
void CheckMenuAt(const QMenu& menu, QPoint corner) {
    const QRect screen = menu.screen()->availableGeometry();
    QCOMPARE(menu.y(), corner.y());
    QCOMPARE(menu.x(), std::min(corner.x(), screen.right() + 1 - menu.width()));
}

// The built-in form, changed by `edit`, with its pictures, in `folder`;
// the file's path.
QString WriteForm(const QTemporaryDir& folder, const std::function<void(QJsonObject&)>& edit) {
    QDir(folder.path()).mkpath(QStringLiteral("pictures"));
    const QDir pictures(QStringLiteral(":/demo/pictures"));
    for (const QString& name : pictures.entryList(QDir::Files))
        QFile::copy(pictures.filePath(name), folder.filePath(QStringLiteral("pictures/") + name));
    QFile builtIn(QString::fromLatin1(demo::kBuiltInForm));
    if (!builtIn.open(QIODevice::ReadOnly)) qFatal("the built-in form cannot be read");
    QJsonObject form = QJsonDocument::fromJson(builtIn.readAll()).object();
    edit(form);
    const QString path = folder.filePath(QStringLiteral("form.json"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(form).toJson()) < 0)
        qFatal("%s cannot be written", qPrintable(path));
    return path;
}

QAction* MenuItem(DemoWindow& demo, int index) {
    QMenu* menu = demo.form().menu(u"MNav");
    if (!menu || index >= menu->actions().size()) return nullptr;
    return menu->actions().at(index);
}

}  // namespace

class DemoTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnPageZeroWithItsButtonPressedAndTwoFadesRunning() {
        auto demo = Start();
        CheckPage(*demo, 0);
        QCOMPARE(demo->form().windowTitle(), QStringLiteral("Vemmix \u2014 DemoVemmix"));

        // navigation button 0 is drawn pressed: its picture is that of
        // ToggleValue True, not that of False
        ControlWindow& first = *demo->Find(QStringLiteral("cmdNavigate"), 0);
        const QImage pressed = first.image().copy();
        test::Set(first, u"ToggleValue", Variant::Boolean(false));
        QVERIFY(first.image() != pressed);
        test::Set(first, u"ToggleValue", Variant::Boolean(true));
        QCOMPARE(first.image(), pressed);

        // the Fade navigation button fades, its neighbour does not
        ControlWindow& fade = *demo->Find(QStringLiteral("cmdNavigate"), 4);
        ControlWindow& still = *demo->Find(QStringLiteral("cmdNavigate"), 3);
        const QImage fade0 = fade.image().copy(), still0 = still.image().copy();
        QTest::qWait(400);
        QVERIFY(fade.image() != fade0);
        QCOMPARE(still.image(), still0);

        // so does buttonFade, once its page shows
        demo->ShowPage(4);
        ControlWindow& button = *demo->Find(QStringLiteral("buttonFade"));
        const QImage button0 = button.image().copy();
        QTest::qWait(400);
        QVERIFY(button.image() != button0);
    }

    void startUpFillsTheLabels() {
        auto demo = Start();
        const QString info = Caption(*demo->Find(QStringLiteral("lblInfo")));
        QCOMPARE(info.split(QStringLiteral("\r\n")).size(), 5);
        QVERIFY(info.startsWith(
            QStringLiteral("The most rewarded button now available in version 5.\r\n")));
        const QString other = Caption(*demo->Find(QStringLiteral("lblOther")));
        QCOMPARE(other.split(QStringLiteral("\r\n")).size(), 8);
        QVERIFY(other.endsWith(QStringLiteral("\r\n- and more...")));
    }

    void eachNavigationButtonShowsItsPage() {
        auto demo = Start();
        test::WindowInput input(demo->form());
        for (int page : {3, 1, 6, 5, 2, 4, 0, 0}) {
            input.Click(Centre(*demo, *demo->Find(QStringLiteral("cmdNavigate"), page)));
            CheckPage(*demo, page);
        }
    }

    void nextWalksThePagesAndEndsTheProgramAfterTheLast() {
        auto demo = Start();
        int unloads = 0;
        demo->onUnload = [&] { ++unloads; };
        test::WindowInput input(demo->form());
        for (int page = 1; page < demo::kPageCount; ++page) {
            input.Click(NextBody(*demo));
            CheckPage(*demo, page);
        }
        QVERIFY(demo->form().isVisible());
        input.Click(NextBody(*demo));
        QCOMPARE(demo->page(), demo::kQuitPage);
        QVERIFY(demo->unloaded());
        QCOMPARE(unloads, 1);
        QVERIFY(!demo->form().isVisible());
    }

    void theDropDownZoneOfNextOpensTheNavigationMenu() {
        auto demo = Start();
        test::WindowInput input(demo->form());
        input.Click(Centre(*demo, *demo->Find(QStringLiteral("cmdNavigate"), 2)));
        QMenu* menu = demo->form().menu(u"MNav");
        QVERIFY(menu);
        QVERIFY(!menu->isVisible());
        input.Click(NextDropDown(*demo));
        QTRY_VERIFY(menu->isVisible());
        CheckPage(*demo, 2);
        // at the button's left edge, just below it
        ControlWindow* next = demo->Find(QStringLiteral("cmdNav_Next"));
        CheckMenuAt(*menu, next->mapToGlobal(QPoint(0, next->height())));
        const QStringList captions = [&] {
            QStringList list;
            for (QAction* a : menu->actions()) list << a->text();
            return list;
        }();
        QCOMPARE(captions, (QStringList{"Main Info", "Appearance", "Mode", "Picture", "Fade",
                                        "Other", "Quit"}));
        menu->close();
    }

    void aMenuItemShowsThePageItNames() {
        auto demo = Start();
        for (int item = 0; item < 6; ++item) {
            QAction* action = MenuItem(*demo, item);
            QVERIFY(action);
            action->trigger();
            CheckPage(*demo, demo::kMenuItemPages[static_cast<std::size_t>(item)]);
        }
        CheckPage(*demo, 6);            // "Other"
        MenuItem(*demo, 6)->trigger();  // "Quit"
        QVERIFY(demo->unloaded());
        QVERIFY(!demo->form().isVisible());
    }

    void theDropDownButtonsOpenTheTestMenu() {
        auto demo = Start();
        demo->ShowPage(2);
        test::WindowInput input(demo->form());
        QMenu* menu = demo->form().menu(u"MTest");
        QVERIFY(menu);
        for (int i = 0; i < 4; ++i) {
            ControlWindow* button = demo->Find(QStringLiteral("cmdDropDown"), i);
            QVERIFY(button);
            input.Click(QPointF(
                button->mapTo(&demo->form(), QPoint(button->width() - 5, button->height() / 2))));
            QTRY_VERIFY(menu->isVisible());
            CheckMenuAt(*menu, button->mapToGlobal(QPoint(0, button->height())));
            menu->close();
            QTRY_VERIFY(!menu->isVisible());
        }
        CheckPage(*demo, 2);
    }

    void theUnicodeButtonsDrawTheirCaptions() {
        auto demo = Start();
        demo->ShowPage(5);
        const std::pair<const char*, std::u16string> languages[] = {
            {"cmdUnicode_Thai", u"\u0E20\u0E32\u0E29\u0E32\u0E44\u0E17\u0E22"},
            {"cmdUnicode_Hebrew", u"\u05E2\u05D1\u05E8\u05D9\u05EA"},
            {"cmdUnicode_Russian", u"\u0420\u0443\u0441\u0441\u043A\u0438\u0439"},
            {"cmdUnicode_Greek", u"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC"}};
        for (const auto& [name, caption] : languages) {
            ControlWindow& button = *demo->Find(QString::fromLatin1(name));
            const Variant value = test::Get(button, u"Caption");
            QVERIFY(value.get_if<std::u16string>());
            QVERIFY(*value.get_if<std::u16string>() == caption);
            // the glyphs: pixels of the caption area that differ from the
            // face without a caption
            const QImage withCaption = button.image().copy();
            test::Set(button, u"Caption", Variant(std::u16string()));
            const QImage face = button.image().copy();
            const QRect area(button.width() / 4, 0, button.width() / 2, button.height());
            int glyphPixels = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (withCaption.pixel(x, y) != face.pixel(x, y)) ++glyphPixels;
            QVERIFY2(glyphPixels > 100,
                     qPrintable(QStringLiteral("%1: %2 glyph pixels").arg(name).arg(glyphPixels)));
            // and nothing outside the middle half
            for (int y = 0; y < button.height(); ++y)
                for (int x : {2, button.width() - 3})
                    QCOMPARE(withCaption.pixel(x, y), face.pixel(x, y));
        }
    }

    void screenshotsAreWrittenForEveryPage() {
        auto demo = Start();
        demo->ShowPage(3);
        QTemporaryDir dir;
        QString error;
        QVERIFY2(demo->WriteScreenshots(dir.path(), &error), qPrintable(error));
        std::vector<QImage> pages;
        for (int page = 0; page < demo::kPageCount; ++page) {
            const QImage image(dir.filePath(QStringLiteral("page-%1.png").arg(page)));
            QVERIFY(!image.isNull());
            QCOMPARE(image.size(), demo->form().size() * demo->form().devicePixelRatio());
            for (const QImage& before : pages) QVERIFY(image != before);
            pages.push_back(image);
        }
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("page-7.png"))));
        CheckPage(*demo, 3);  // the page shown before is shown again
    }

    void anotherFormLoadsFromAFile() {
        QTemporaryDir folder;
        const QString path = WriteForm(folder, [](QJsonObject& form) {
            QJsonObject settings = form.value(QStringLiteral("form")).toObject();
            settings.insert(QStringLiteral("title"), QStringLiteral("Another form"));
            form.insert(QStringLiteral("form"), settings);
        });
        QString error;
        std::unique_ptr<DemoWindow> demo = DemoWindow::Create(path, &error);
        QVERIFY2(demo, qPrintable(error));
        QCOMPARE(demo->form().windowTitle(), QStringLiteral("Another form"));
        QVERIFY2(demo->problems().isEmpty(), qPrintable(demo->problems().join('\n')));
        CheckPage(*demo, 0);
    }

    void aFormThatCannotBeShownIsRefusedWithItsReason() {
        QString error;
        QVERIFY(!DemoWindow::Create(QStringLiteral("/nonexistent/form.json"), &error));
        QVERIFY2(error.startsWith(QStringLiteral("/nonexistent/form.json: ")), qPrintable(error));

        // a form without one of the seven pages
        QTemporaryDir folder;
        const QString path = WriteForm(folder, [](QJsonObject& form) {
            QJsonArray kept;
            for (const QJsonValue& control : form.value(QStringLiteral("controls")).toArray()) {
                const QJsonObject c = control.toObject();
                if (c.value(QStringLiteral("name")) != QStringLiteral("fraOther") &&
                    c.value(QStringLiteral("parent")) != QStringLiteral("fraOther"))
                    kept.append(c);
            }
            form.insert(QStringLiteral("controls"), kept);
        });
        QVERIFY(!DemoWindow::Create(path, &error));
        QCOMPARE(error, path + QStringLiteral(": the form has no page fraOther"));
    }

    void theFormLoadsSavesAndReloadsLosslessly() {
        QFile file(QString::fromLatin1(demo::kBuiltInForm));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        host::FormError error;
        std::optional<host::FormDocument> document = host::ReadForm(
            original, QStringLiteral("frmMain.json"), QStringLiteral(":/demo"), &error);
        QVERIFY2(document, qPrintable(error.Text()));

        host::ControlRegistry registry;
        QString loadError;
        QVERIFY2(registry.Load(host::ControlRegistry::DefaultLibrary(), &loadError),
                 qPrintable(loadError));
        FormWindow first;
        QStringList problems;
        QVERIFY2(LoadForm(first, *document, registry, &problems, &loadError),
                 qPrintable(loadError));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        const QByteArray saved = host::WriteForm(SaveForm(first));
        QCOMPARE(saved, original);

        std::optional<host::FormDocument> reread =
            host::ReadForm(saved, QStringLiteral("saved.json"), QStringLiteral(":/demo"), &error);
        QVERIFY2(reread, qPrintable(error.Text()));
        FormWindow second;
        QVERIFY2(LoadForm(second, *reread, registry, &problems, &loadError), qPrintable(loadError));
        QCOMPARE(host::WriteForm(SaveForm(second)), saved);
        QCOMPARE(second.controls().size(), first.controls().size());
    }
};

QTEST_MAIN(DemoTest)
#include "DemoTest.moc"
