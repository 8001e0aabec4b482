// A button on a screen of device-pixel ratio 2 (QT_SCALE_FACTOR=2): it
// draws in its own pixels as everywhere, and each of them covers exactly 2
// x 2 device pixels of its colour. At a fractional ratio the image stays
// within the colours of the pixels each device pixel covers.
#include <QSet>
#include <QTest>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

#include "QtTestSupport.h"

using namespace vemmix;
using namespace vemmix::qt;
using namespace vemmix::qt::test;

namespace {

QRgb Opaque(QRgb p) { return p | 0xFF000000u; }

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void eachPixelIsATwoByTwoSquare() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 90, 28),
                                      {{"Caption", "&Crisp"}, {"Appearance", "3"}});
        f.Show();
        QCOMPARE(cmd.devicePixelRatio(), 2.0);
        // the button draws at its own size, as on any screen
        QCOMPARE(cmd.ScaleWidth(), 90.0);
        QCOMPARE(cmd.image().size(), QSize(90, 28));

        const QImage shot = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), f->size() * 2);
        const QImage& image = cmd.image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb expected = Opaque(image.pixel(x, y));
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        QCOMPARE(Opaque(shot.pixel(2 * (10 + x) + dx, 2 * (10 + y) + dy)), expected);
            }
    }

    void aShapedButtonIsCutAlongItsPixels() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(10, 10, 90, 28),
                                      {{"Appearance", "2"}, {"Caption", "Shape"}});
        f.Show();
        const QImage shot = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb form = shot.pixel(4, 4);
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 90; ++x) {
                const QRgb expected = cmd.mask().contains(QPoint(x, y)) ? Opaque(cmd.image().pixel(x, y)) : form;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        QCOMPARE(Opaque(shot.pixel(2 * (10 + x) + dx, 2 * (10 + y) + dy)), expected);
            }
    }

    void aFractionalRatioBlursNoFurtherThanANeighbour() {
        Form f;
        ControlWindow& cmd = f.Button(QStringLiteral("cmd"), QRect(0, 0, 60, 24), {{"Caption", "Sharp"}});
        f.Show();
        QImage target(90, 36, QImage::Format_RGB32);
        target.setDevicePixelRatio(1.5);
        cmd.render(&target);
        const QImage& image = cmd.image();
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                // the 1 x pixels the device pixel's area touches
                const int x0 = int(x / 1.5), x1 = std::min(image.width() - 1, int((x + 1) / 1.5 - 1e-9));
                const int y0 = int(y / 1.5), y1 = std::min(image.height() - 1, int((y + 1) / 1.5 - 1e-9));
                int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
                for (int sy = std::max(0, y0 - 1); sy <= std::min(image.height() - 1, y1 + 1); ++sy)
                    for (int sx = std::max(0, x0 - 1); sx <= std::min(image.width() - 1, x1 + 1); ++sx) {
                        const QColor c(image.pixel(sx, sy));
                        const int v[3] = {c.red(), c.green(), c.blue()};
                        for (int i = 0; i < 3; ++i) {
                            low[i] = std::min(low[i], v[i]);
                            high[i] = std::max(high[i], v[i]);
                        }
                    }
                const QColor got(target.pixel(x, y));
                const int g[3] = {got.red(), got.green(), got.blue()};
                for (int i = 0; i < 3; ++i) QVERIFY(g[i] >= low[i] - 1 && g[i] <= high[i] + 1);
            }
        // the uneven edges are blended, not doubled unevenly
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(Opaque(image.pixel(x, y)));
        int blended = 0;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) blended += !colours.contains(Opaque(target.pixel(x, y)));
        QVERIFY(blended > 0);
        // a pixel in the middle of a plain area keeps its colour exactly
        QCOMPARE(Opaque(target.pixel(45, 3)), Opaque(image.pixel(30, 2)));
    }
};

QTEST_MAIN(HiDpiTest)
#include "HiDpiTest.moc"
