// Zorvane buttons as Qt widgets: a row of buttons in a layout, their
// signals connected to what the window shows.
//
//   Save   an Office 2007 button; clicked() writes to the status line
//   Bold   a toggle button; toggled(bool) makes the status line bold
//   More   a drop-down button; dropDownClicked() opens a menu below it
//   Quit   quits; its KeyPress slot takes away the letters typed at it,
//          as a host's handler may change an event's arguments
//
//   qt-widget [--smoke] [--screenshot out.png]
//
// --smoke clicks Save and Bold as the user would, checks what the window
// shows and quits: exit status 0 when all was as expected (it needs no
// screen: QT_QPA_PLATFORM=offscreen). --screenshot saves the window as it
// is drawn once Bold is on, and quits.
#include <cstdio>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

#include <vemmix/qt/Button.h>

using vemmix::qt::Button;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool smoke = app.arguments().contains(QStringLiteral("--smoke"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Vemmix buttons in a Qt layout"));
    auto* status = new QLabel(QStringLiteral("Click a button"));
    auto* save = new Button(QStringLiteral("&Save"));
    save->setAppearance(Button::Office2007);
    save->setToolTip(QStringLiteral("Saves nothing, but says so"));
    auto* bold = new Button(QStringLiteral("&Bold"));
    bold->setAppearanceMode(Button::ToggleMode);
    auto* more = new Button(QStringLiteral("&More"));
    more->setAppearanceMode(Button::DropDownMode);
    auto* quit = new Button(QStringLiteral("&Quit"));
    quit->setBackColorOver(QColor(255, 210, 210));

    auto* row = new QHBoxLayout;
    for (Button* button : {save, bold, more, quit}) row->addWidget(button);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(row);
    layout->addWidget(status);

    QMenu menu;
    for (const char* item : {"First", "Second", "Third"})
        menu.addAction(QString::fromLatin1(item), [status, item] {
            status->setText(QStringLiteral("Chose %1").arg(QString::fromLatin1(item)));
        });

    QObject::connect(save, &Button::clicked, status, [status] { status->setText(QStringLiteral("Saved")); });
    QObject::connect(bold, &Button::toggled, status, [status](bool on) {
        QFont font = status->font();
        font.setBold(on);
        status->setFont(font);
        status->setText(on ? QStringLiteral("Bold on") : QStringLiteral("Bold off"));
    });
    QObject::connect(more, &Button::clicked, status, [status] { status->setText(QStringLiteral("More")); });
    QObject::connect(more, &Button::dropDownClicked, &menu,
                     [&menu, more] { menu.popup(more->mapToGlobal(QPoint(0, more->height()))); });
    QObject::connect(quit, &Button::KeyPress, quit, [](qint16* keyAscii) {
        if (QChar(*keyAscii).isLetter()) *keyAscii = 0;
    });
    QObject::connect(quit, &Button::clicked, &app, &QApplication::quit);
    // every event of one button, as it comes
    QObject::connect(save, &Button::MouseDown, save, [](qint16* button, qint16* shift, float* x, float* y) {
        std::printf("Save: MouseDown(%d,%d,%g,%g)\n", *button, *shift, double(*x), double(*y));
    });
    QObject::connect(save, &Button::Click, save, [] { std::printf("Save: Click\n"); });

    window.show();
    if (const qsizetype at = app.arguments().indexOf(QStringLiteral("--screenshot"));
        at > 0 && at + 1 < app.arguments().size()) {
        const QString path = app.arguments().at(at + 1);
        QTimer::singleShot(100, &app, [&] {
            bold->click();
            if (!window.grab().save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            app.quit();
        });
        return app.exec();
    }
    if (!smoke) return app.exec();

    int failures = 0;
    const auto expect = [&](const QString& text) {
        if (status->text() == text) return;
        std::fprintf(stderr, "expected \"%s\", the window shows \"%s\"\n", qPrintable(text),
                     qPrintable(status->text()));
        ++failures;
    };
    QTimer::singleShot(0, &app, [&] {
        save->click();
        expect(QStringLiteral("Saved"));
        bold->click();
        expect(QStringLiteral("Bold on"));
        if (!status->font().bold()) ++failures;
        bold->click();
        expect(QStringLiteral("Bold off"));
        quit->click();
    });
    app.exec();
    std::printf("%s\n", failures ? "smoke test failed" : "smoke test passed");
    return failures ? 1 : 0;
}
