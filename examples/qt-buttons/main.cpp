// A window with a few Zorvane buttons, loaded from a saved form
// (buttons.json beside this file, or the file given); every event they
// raise is printed, one line each, as the container's log writes it
// (MouseOver, which comes at every tick of the hover timer, once while it
// repeats):
//
//   cmdOK event MouseDown(1,0,41,12)
//   cmdOK event Click
//
// OK is the default button (Enter), Cancel the cancel button (Escape) and
// closes the window; Toggle keeps its state; More opens the form's menu
// from its drop-down zone and has a balloon tooltip; the star is a Shaped
// button cut to its picture.
//
//   qt-buttons [form.json] [--screenshot out.png]
//
// --screenshot puts the pointer on More, waits for its balloon, saves the
// screen around the window and quits (run it under Xvfb).
#include <cstdio>

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>
#include <vemmix/qt/FormWindow.h>
#include <vemmix/qt/TooltipWindow.h>

using vemmix::Variant;
using vemmix::qt::ControlWindow;
using vemmix::qt::FormWindow;

namespace {

// "cmdOK event MouseDown(1,0,41,12)"
std::string EventLine(ControlWindow& window, std::int32_t dispid, std::span<Variant> args) {
    const vemmix::typelib::Event* event = window.control()->GetTypeInfo().FindEvent(dispid);
    auto entry = vemmix::headless::LogEntry::Make(vemmix::headless::LogEntry::Kind::Event,
                                                  window.name().toStdU16String(),
                                                  event ? std::u16string(event->name) : u"?");
    entry.args.assign(args.begin(), args.end());
    return vemmix::headless::HeadlessForm::FormatLogEntry(entry);
}

// The screen around the form and its tooltips.
void SaveScreenshot(FormWindow& form, const QString& path) {
    QRect area = form.frameGeometry();
    for (const vemmix::qt::TooltipWindow* tip : form.tooltips())
        if (tip->isVisible()) area |= tip->frameGeometry();
    area.adjust(-8, -8, 8, 8);
    const QPixmap shot = form.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (!shot.save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString formFile = QStringLiteral(QT_BUTTONS_FORM), screenshot;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == u"--screenshot" && i + 1 < arguments.size())
            screenshot = arguments[++i];
        else
            formFile = arguments[i];
    }

    vemmix::host::ControlRegistry registry;
    QString error;
    if (!registry.Load(vemmix::host::ControlRegistry::DefaultLibrary(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    vemmix::host::FormError formError;
    const std::optional<vemmix::host::FormDocument> doc = vemmix::host::ReadFormFile(formFile, &formError);
    if (!doc) {
        std::fprintf(stderr, "%s\n", qPrintable(formError.Text()));
        return 1;
    }
    FormWindow form;
    QStringList problems;
    if (!vemmix::qt::LoadForm(form, *doc, registry, &problems, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    for (const QString& problem : problems) std::fprintf(stderr, "%s\n", qPrintable(problem));

    std::string last;
    form.onEvent = [&](ControlWindow& window, std::int32_t dispid, std::span<Variant> args) {
        const std::string line = EventLine(window, dispid, args);
        if (line != last || dispid != 9) std::printf("%s\n", line.c_str());  // 9: MouseOver
        last = line;
        std::fflush(stdout);
        if (dispid == 11 && window.name() == u"cmdMore")  // DropDownClick: the menu below the button
            form.ShowPopupMenu(u"mnuMore", window.geometry().bottomLeft() + QPoint(0, 1));
        if (dispid == 1 && window.name() == u"cmdCancel") form.close();  // Click
        return 0;
    };
    form.onMenuItem = [](const QString& menu, const vemmix::qt::MenuEntry& item) {
        std::printf("%s menu %s(%d)\n", qPrintable(menu), qPrintable(item.name), item.index.value_or(-1));
        std::fflush(stdout);
    };
    form.move(40, 40);
    form.show();
    if (!screenshot.isEmpty()) {
        ControlWindow* more = form.Find(u"cmdMore");
        QTimer::singleShot(500, &form, [more] {
            QCursor::setPos(more->mapToGlobal(QPoint(more->width() / 3, more->height() / 2)));
        });
        QTimer::singleShot(3000, &form, [&form, screenshot] {
            SaveScreenshot(form, screenshot);
            QApplication::quit();
        });
    }
    return app.exec();
}
