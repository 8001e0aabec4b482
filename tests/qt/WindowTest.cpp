// The control's window: its image presented as the control drew it, the
// Shaped window cut to its mask after every repaint, the lifecycle
// notifications, the window-held properties, the ambient properties and
// their changes, the timers.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <vemmix/Dispatch.h>
#include <vemmix/headless/HeadlessContainer.h>
#include <vemmix/host/Pictures.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

// The window as it is on the screen (the form's backing store), in the
// window's pixels.
QImage OnScreen(ControlWindow& window) {
    QWidget* top = window.window();
    const QImage shot = top->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return shot.copy(QRect(window.mapTo(top, QPoint(0, 0)), window.size()));
}

QRegion ExpectedShape(const QImage& image, gdi::COLORREF maskColor) {
    QRegion region;
    const QRgb mask = 0xFF000000u | gdi::PixelFromColor(maskColor);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) != mask) region += QRect(x, y, 1, 1);
    return region;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void theImageIsTheBitmapAndIsPresentedAsDrawn() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 90, 28), {{"Caption", "Hello"}});
        f.Show();
        // a QImage over the bitmap's own memory: no conversion per paint
        const gdi::PixelView view = gdi::GetBitmapPixels(gdi::GetCurrentBitmap(cmd.WindowDC()));
        QCOMPARE(static_cast<const void*>(cmd.image().constBits()), static_cast<const void*>(view.pixels.data()));
        QCOMPARE(cmd.image().size(), QSize(90, 28));
        QTRY_COMPARE(OnScreen(cmd), cmd.image().convertToFormat(QImage::Format_RGB32));
    }

    void theImageFollowsTheSizeBeforeResizeArrives() {
        Form f;
        RecordingControl& rec = f.Recorder(QStringLiteral("rec"), QRect(10, 10, 60, 20));
        ControlWindow& window = *f->Find(u"rec");
        QSize seen;
        rec.onCall = [&](const QString& call) {
            if (call == u"Resize") seen = QSize(int(window.ScaleWidth()), int(window.ScaleHeight()));
        };
        f.Show();
        f.journal.clear();
        window.resize(80, 25);
        QCOMPARE(f.journal, QStringList({"rec Resize"}));
        QCOMPARE(seen, QSize(80, 25));
        QCOMPARE(window.image().size(), QSize(80, 25));
        // a window of no size has no image, and gets no Paint
        window.resize(0, 25);
        QVERIFY(window.image().isNull());
    }

    void showHideAndPaint() {
        Form f;
        f.Recorder(QStringLiteral("rec"), QRect(10, 10, 60, 20));
        f.Show();
        QCOMPARE(f.journal.mid(0, 3), QStringList({"rec Initialize", "rec InitProperties", "rec Show"}));
        f.journal.clear();
        ControlWindow& window = *f->Find(u"rec");
        window.hide();
        window.show();
        // minimising the form neither hides nor shows its controls
        f->showMinimized();
        f->showNormal();
        QTest::qWait(20);
        QCOMPARE(f.journal.filter(QRegularExpression("Show|Hide")), QStringList({"rec Hide", "rec Show"}));
    }

    void anAmbientChangeIsToldAndRepainted() {
        Form f;
        f.Recorder(QStringLiteral("rec"), QRect(10, 10, 60, 20));
        f.Show();
        f.journal.clear();
        f->setBackColor(0x00336699);
        QTRY_COMPARE(f.journal, QStringList({"rec AmbientChanged BackColor", "rec Paint"}));
        f.journal.clear();

        // the desktop switching its palette and font
        const QPalette palette = QApplication::palette();
        QPalette dark = palette;
        dark.setColor(QPalette::Window, Qt::darkGray);
        QApplication::setPalette(dark);
        QTRY_VERIFY(f.journal.contains("rec AmbientChanged BackColor"));
        QApplication::setPalette(palette);
        f.journal.clear();
        const QFont font = QApplication::font();
        QFont big = font;
        big.setPointSize(font.pointSize() + 4);
        QApplication::setFont(big);
        QTRY_VERIFY(f.journal.contains("rec AmbientChanged Font"));
        QApplication::setFont(font);
    }

    void aButtonFollowsTheFormsBackColour() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 60, 20));
        f.Show();
        const std::size_t start = f->log().size();
        f->setBackColor(0x00336699);
        QCOMPARE(LogLines(f.form(), start), QStringList({"cmd notify TransparentColor"}));
        QCOMPARE(Get(cmd, u"TransparentColor"), Variant(std::int32_t{0x00336699}));
        QTRY_COMPARE(LogLines(f.form(), start).count("cmd repaint"), 1);
    }

    void ambientProperties() {
        Form f;
        ControlWindow& one = f.Button(QStringLiteral("one"), QRect(10, 10, 60, 20));
        ControlWindow& two = f.Button(QStringLiteral("two"), QRect(80, 10, 60, 20));
        f->setAmbientFont(FontDescription{u"Tahoma", 10, true});
        f->setDefaultControl(&two);
        f->setUserMode(false);
        QCOMPARE(one.AmbientDisplayName(), std::optional<std::u16string>(u"one"));
        QCOMPARE(one.AmbientBackColor(), std::optional<OleColor>(SystemColorRef(15)));
        QCOMPARE((*one.AmbientFont())->Name(), u"Tahoma");
        QCOMPARE(one.AmbientUserMode(), std::optional<bool>(false));
        QCOMPARE(one.AmbientDisplayAsDefault(), std::optional<bool>(false));
        QCOMPARE(two.AmbientDisplayAsDefault(), std::optional<bool>(true));
        // the caption of a new button is its name
        QCOMPARE(Get(one, u"Caption"), Variant(u"one"));
    }

    void windowHeldPropertiesMapToQt() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 60, 20));
        Set(cmd, u"Enabled", false);
        QVERIFY(!cmd.isEnabled());
        QCOMPARE(Get(cmd, u"Enabled"), Variant(false));
        Set(cmd, u"Enabled", true);

        Set(cmd, u"MousePointer", std::int16_t{11});
        QCOMPARE(cmd.cursor().shape(), Qt::WaitCursor);
        Set(cmd, u"MousePointer", std::int16_t{7});
        QCOMPARE(cmd.cursor().shape(), Qt::SizeVerCursor);
        std::vector<std::uint32_t> pixels(16 * 16, 0x00FF0000u);
        Set(cmd, u"MouseIcon", MakeBitmapPicture(16, 16, pixels));
        Set(cmd, u"MousePointer", std::int16_t{99});
        QCOMPARE(cmd.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(cmd.cursor().pixmap().toImage().pixel(3, 3), qRgb(255, 0, 0));
        Set(cmd, u"MousePointer", std::int16_t{0});
        QVERIFY(!cmd.testAttribute(Qt::WA_SetCursor));

        Set(cmd, u"RightToLeft", true);
        QCOMPARE(cmd.layoutDirection(), Qt::RightToLeft);
        Set(cmd, u"OLEDropMode", std::int16_t{1});
        QVERIFY(cmd.acceptDrops());
        Set(cmd, u"OLEDropMode", std::int16_t{2});
        QVERIFY(!cmd.acceptDrops());
    }

    void theTwoTimersArePreciseQTimers() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 60, 20),
                                      {{"TextFadeEvents", "0"}});
        f.Show();
        WindowInput input(f.form());
        input.Move(QPointF(20, 20));
        auto* over = cmd.findChild<QTimer*>(QStringLiteral("timerOver"));
        auto* fading = cmd.findChild<QTimer*>(QStringLiteral("timerFading"));
        QVERIFY(over && fading);
        QVERIFY(over->isActive());
        QCOMPARE(over->interval(), 10);
        QCOMPARE(over->timerType(), Qt::PreciseTimer);
        // the first tick over the button starts the fade (TextFadeEvents Always)
        QTRY_VERIFY(fading->isActive());
        QCOMPARE(fading->interval(), 50);
        QCOMPARE(fading->timerType(), Qt::PreciseTimer);
        // Terminate stops both
        cmd.control()->Terminate();
        QVERIFY(!over->isActive() && !fading->isActive());
    }

    void aShapedButtonIsCutToItsMaskAfterEveryRepaint() {
        Form f;
        f.DrawAsHeadless();
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 80, 24),
                                      {{"Appearance", "2"}, {"Caption", "Shape"}});
        f.Show();
        QCOMPARE(cmd.backStyle(), std::int16_t{0});
        QVERIFY(cmd.autoRedraw());
        const gdi::COLORREF transparent = static_cast<gdi::COLORREF>(*ToInt32(Get(cmd, u"TransparentColor")));
        QCOMPARE(cmd.maskColor(), TranslateColor(static_cast<OleColor>(transparent), ClassicSystemColors()));
        QVERIFY(!cmd.shape().isEmpty());
        QCOMPARE(cmd.mask(), ExpectedShape(cmd.image(), cmd.maskColor()));

        // a new caption, a new shape
        Set(cmd, u"Caption", u"Wider caption");
        QCOMPARE(cmd.mask(), ExpectedShape(cmd.image(), cmd.maskColor()));

        // the same as the headless container's shape, pixel for pixel
        headless::HeadlessForm reference;
        headless::HeadlessSite* site = reference.AddControl(u"Vemmix.Zorvane", u"cmd", {10, 10, 90, 34});
        site->control().InitProperties();
        SetProperty(site->control(), u"Appearance", std::int32_t{2});
        SetProperty(site->control(), u"Caption", std::u16string(u"Wider caption"));
        site->control().Show();
        reference.SetFocus(site);  // as the form's first control, it has the focus
        QCOMPARE(f->focusControl(), &cmd);
        const std::vector<bool> shape = site->shape();
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 80; ++x)
                QCOMPARE(cmd.mask().contains(QPoint(x, y)), bool(shape[std::size_t(y) * 80 + x]));

        // what the mask leaves out shows the form
        const QImage screen = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb formColour = screen.pixel(5, 5);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 80; ++x)
                if (!cmd.mask().contains(QPoint(x, y))) QCOMPARE(screen.pixel(10 + x, 10 + y), formColour);

        // another appearance: an opaque window again
        Set(cmd, u"Appearance", std::int32_t{1});
        QCOMPARE(cmd.backStyle(), std::int16_t{1});
        QVERIFY(cmd.mask().isEmpty());
        QCOMPARE(cmd.shape(), QRegion(cmd.rect()));
    }

    // MousePointer 99: the MouseIcon picture as the host converts pictures,
    // its alpha kept, its hot spot in the middle.
    void theMouseIconIsTheCursor() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 60, 20));
        QString error;
        const PictureRef icon =
            host::LoadPicture(QStringLiteral(VEMMIX_SOURCE_DIR "/docs/examples/pictures/tick.png"), &error);
        QVERIFY2(icon, qPrintable(error));
        QCOMPARE(icon->type, PictureType::Icon);
        Set(cmd, u"MouseIcon", icon);
        QVERIFY(!cmd.testAttribute(Qt::WA_SetCursor));  // not before MousePointer 99
        Set(cmd, u"MousePointer", std::int16_t{99});
        QCOMPARE(cmd.cursor().shape(), Qt::BitmapCursor);
        const QImage expected = host::ImageFromPicture(*icon).convertToFormat(QImage::Format_ARGB32);
        const QImage shown = cmd.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), expected.size());
        bool someClear = false, someOpaque = false;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                QCOMPARE(shown.pixel(x, y), expected.pixel(x, y));
                someClear = someClear || qAlpha(expected.pixel(x, y)) == 0;
                someOpaque = someOpaque || qAlpha(expected.pixel(x, y)) == 255;
            }
        QVERIFY(someClear && someOpaque);
        QCOMPARE(cmd.cursor().hotSpot(), QPoint(expected.width() / 2, expected.height() / 2));

        // a changed icon is the cursor at once; no icon: the container's pointer
        Set(cmd, u"MouseIcon", MakeBitmapPicture(8, 8, std::vector<std::uint32_t>(64, 0x000000FFu)));
        QCOMPARE(cmd.cursor().pixmap().size(), QSize(8, 8));
        QCOMPARE(cmd.cursor().pixmap().toImage().pixel(4, 4), qRgb(0, 0, 255));
        Set(cmd, u"MouseIcon", PictureRef());
        QVERIFY(!cmd.testAttribute(Qt::WA_SetCursor));
    }

    void aShapeWithoutPixelsShowsNothing() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 80, 24),
                                      {{"Appearance", "2"}, {"Caption", ""}, {"ShowFocus", "0"}});
        f.Show();
        QVERIFY(cmd.shape().isEmpty());
        QVERIFY(!cmd.mask().intersects(cmd.rect()));
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
