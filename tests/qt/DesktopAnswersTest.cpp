// A form answers as the desktop does unless told otherwise: captions drawn
// by the Qt text renderer, the system colours of its palette followed live,
// the visual style it asks for (the desktop's by default, the environment's
// over the form's), the resolution of its screen.
#include <QApplication>
#include <QDir>
#include <QTest>

#include <vemmix/Dispatch.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Desktop.h>
#include <vemmix/host/HostedForm.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>
#include <vemmix/qt/FormWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

std::shared_ptr<const host::ControlRegistry> Registry() {
    static const std::shared_ptr<const host::ControlRegistry> registry = [] {
        auto r = std::make_shared<host::ControlRegistry>();
        QString error;
        if (!r->Load(host::ControlRegistry::DefaultLibrary(), &error)) qFatal("%s", qPrintable(error));
        return r;
    }();
    return registry;
}

host::FormControl Button(const QString& name, QRect geometry, const QString& caption) {
    host::FormControl record;
    record.className = QStringLiteral("Vemmix.Zorvane");
    record.name = name;
    record.left = geometry.left();
    record.top = geometry.top();
    record.width = geometry.width();
    record.height = geometry.height();
    record.properties.Set({QStringLiteral("Caption"), QJsonValue(caption), {}});
    return record;
}

gdi::COLORREF ColorRefOf(const QColor& colour) {
    return static_cast<gdi::COLORREF>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

std::optional<std::u16string> ThemeColorName(ControlWindow& window) {
    const std::optional<VisualStyleBuffers> style = window.GetPlatform().CurrentThemeName();
    if (!style) return std::nullopt;
    return style->colorName;
}

// Restores the application's palette when it goes.
struct PaletteGuard {
    QPalette saved = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(saved); }
};

}  // namespace

class DesktopAnswersTest : public QObject {
    Q_OBJECT

private slots:
    // The same form drawn by the Qt container and by the host library with
    // the desktop's text and colours: the same pixels.
    void captionsAreDrawnByTheQtTextRenderer() {
        host::FormDocument doc;
        doc.form.width = 260;
        doc.form.height = 60;
        doc.form.visualStyle = host::VisualStyleSetting{QStringLiteral("blue"), {}, {}, {}};
        doc.controls = {Button(QStringLiteral("cmdA"), QRect(10, 10, 110, 32), QStringLiteral("First")),
                        Button(QStringLiteral("cmdB"), QRect(130, 10, 120, 32), QStringLiteral("ภาษาไทย &Wg"))};
        Form f;
        QVERIFY(LoadForm(f.form(), doc, *Registry()));
        f.Show();
        ControlWindow& cmd = *f->Find(u"cmdB");  // not the focus
        QVERIFY(QTest::qWaitFor([&] { return cmd.repaintCount() > 0; }));

        host::HostOptions options;
        options.desktopColors = true;
        options.dpi = cmd.GetPlatform().ScreenDpiY();
        host::FormError error;
        const auto hosted = host::HostedForm::Load(doc, Registry(), options, &error);
        QVERIFY(hosted);
        const QImage expected =
            hosted->RenderControl(u"cmdB", host::ControlState::Released).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(cmd.image().convertToFormat(QImage::Format_RGB32), expected);

        // and not by the built-in renderer
        options.deterministicText = true;
        const auto builtin = host::HostedForm::Load(doc, Registry(), options, &error);
        QVERIFY(builtin->RenderControl(u"cmdB", host::ControlState::Released).convertToFormat(QImage::Format_RGB32) !=
                expected);
    }

    void systemColoursFollowThePaletteLive() {
        PaletteGuard guard;
        Form f;
        RecordingControl& rec = f.Recorder(QStringLiteral("rec"), QRect(10, 10, 100, 30));
        f.Show();
        const SystemColorTable& colours = rec.site().GetPlatform().SystemColors();
        const QPalette palette = QApplication::palette();
        QCOMPARE(colours.SystemColor(15), std::optional(ColorRefOf(palette.color(QPalette::Button))));
        QCOMPARE(colours.SystemColor(18), std::optional(ColorRefOf(palette.color(QPalette::ButtonText))));

        f.journal.clear();
        QPalette changed = palette;
        changed.setColor(QPalette::Button, QColor(10, 20, 30));
        changed.setColor(QPalette::ButtonText, QColor(200, 100, 50));
        QApplication::setPalette(changed);
        QCoreApplication::processEvents();
        const SystemColorTable& now = rec.site().GetPlatform().SystemColors();
        QCOMPARE(now.SystemColor(15), std::optional<gdi::COLORREF>(0x1E140A));
        QCOMPARE(now.SystemColor(18), std::optional<gdi::COLORREF>(0x3264C8));
        QVERIFY(f.journal.contains(QStringLiteral("rec AmbientChanged BackColor")));
        // the form's back colour is button face: it shows the new one
        QTRY_COMPARE(f->grab().toImage().pixelColor(2, 2), QColor(10, 20, 30));

        // fixed colours stay
        f->setSystemColors(std::shared_ptr<const SystemColorTable>(std::shared_ptr<void>(), &ClassicSystemColors()));
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        QCOMPARE(rec.site().GetPlatform().SystemColors().SystemColor(15), ClassicSystemColors().SystemColor(15));
        // and null follows the palette again
        f->setSystemColors(nullptr);
        QCOMPARE(rec.site().GetPlatform().SystemColors().SystemColor(15),
                 std::optional(ColorRefOf(palette.color(QPalette::Button))));
    }

    void theVisualStyleIsTheDesktopsUnlessTheFormAsks() {
        PaletteGuard guard;
        Form f;
        RecordingControl& rec = f.Recorder(QStringLiteral("rec"), QRect(10, 10, 100, 30));
        ControlWindow& window = *f->Find(u"rec");
        QCOMPARE(f->visualStyle().name, QStringLiteral("auto"));
        const std::optional<host::VisualStyleName> desktop = host::DesktopVisualStyle();
        QVERIFY(desktop);
        QCOMPARE(ThemeColorName(window), std::optional(desktop->colorName));

        // "auto" follows the desktop: an olive highlight is the olive scheme
        QPalette olive = QApplication::palette();
        olive.setColor(QPalette::Highlight, QColor::fromHsv(100, 200, 160));
        QApplication::setPalette(olive);
        QCoreApplication::processEvents();
        QCOMPARE(ThemeColorName(window), std::optional<std::u16string>(u"HomeStead"));

        f.journal.clear();
        f->setVisualStyle(host::VisualStyleSetting{QStringLiteral("royal"), {}, {}, {}});
        QVERIFY(window.GetPlatform().CurrentThemeName()->themeFile.ends_with(u"\\Royale.msstyles"));
        QVERIFY(f.journal.contains(QStringLiteral("rec AmbientChanged BackColor")));
        f->setVisualStyle(host::VisualStyleSetting{QStringLiteral("none"), {}, {}, {}});
        QCOMPARE(ThemeColorName(window), std::nullopt);
        f->setVisualStyle(host::VisualStyleSetting{{}, QStringLiteral("Own.msstyles"), QStringLiteral("Mine"),
                                                   QStringLiteral("NormalSize")});
        QCOMPARE(ThemeColorName(window), std::optional<std::u16string>(u"Mine"));

        // the environment overrides the form
        qputenv(host::kVisualStyleVariable, "silver");
        f->setVisualStyle(host::VisualStyleSetting{QStringLiteral("royal"), {}, {}, {}});
        qunsetenv(host::kVisualStyleVariable);
        QCOMPARE(ThemeColorName(window), std::optional<std::u16string>(u"Metallic"));
        QCOMPARE(f->visualStyle().name, QStringLiteral("royal"));  // what the form asked for is kept
        (void)rec;
    }

    void aLoadedFormAsksForItsVisualStyle() {
        host::FormDocument doc;
        doc.form.width = 100;
        doc.form.height = 50;
        doc.form.visualStyle = host::VisualStyleSetting{QStringLiteral("olive"), {}, {}, {}};
        doc.controls = {Button(QStringLiteral("cmd"), QRect(0, 0, 80, 24), QStringLiteral("Olive"))};
        FormWindow form;
        QVERIFY(LoadForm(form, doc, *Registry()));
        QCOMPARE(ThemeColorName(*form.Find(u"cmd")), std::optional<std::u16string>(u"HomeStead"));
        QCOMPARE(SaveForm(form).form.visualStyle.name, QStringLiteral("olive"));
    }

    void theResolutionIsTheScreens() {
        Form f;
        RecordingControl& rec = f.Recorder(QStringLiteral("rec"), QRect(10, 10, 100, 30));
        f.Show();
        Platform& platform = rec.site().GetPlatform();
        QCOMPARE(platform.ScreenDpiX(), host::DesktopDpiX(f->screen()));
        QCOMPARE(platform.ScreenDpiY(), host::DesktopDpiY(f->screen()));
        QCOMPARE(host::DesktopDpiX(f->screen()), qRound(f->screen()->logicalDotsPerInchX()));
        f->setScreenDpi(144);
        QCOMPARE(platform.ScreenDpiX(), 144);
        QCOMPARE(platform.ScreenDpiY(), 144);
    }
};

QTEST_MAIN(DesktopAnswersTest)
#include "DesktopAnswersTest.moc"
