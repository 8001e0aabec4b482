// DemoVemmix: the Zorvane button shown to a person, on one form of seven
// pages (DemoWindow.h).
//
//   DemoVemmix                     opens the window
//   DemoVemmix --form FILE         with another saved form
//   DemoVemmix --screenshot DIR    writes each page to DIR/page-N.png, offscreen, and exits
//
// Without a display (neither DISPLAY nor WAYLAND_DISPLAY set, and no
// QT_QPA_PLATFORM chosen) the program says so and writes the pictures to
// ./demo-screenshots instead.
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "DemoWindow.h"

namespace {

constexpr const char* kNoDisplayFolder = "demo-screenshots";

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

bool AsksForScreenshots(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 ||
            std::strncmp(argv[i], "--screenshot=", 13) == 0)
            return true;
    return false;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "DemoVemmix: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // The platform is chosen before the application exists.
    const bool display = HasDisplay();
    const bool screenshots = AsksForScreenshots(argc, argv);
    if (!display || screenshots) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DemoVemmix"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The demonstration program of the Vemmix button."));
    parser.addHelpOption();
    const QCommandLineOption formOption(
        QStringLiteral("form"),
        QStringLiteral("Loads the saved form FILE instead of the built-in frmMain."),
        QStringLiteral("FILE"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Renders each page offscreen to DIR/page-N.png (N = 0 to 6) and exits."),
        QStringLiteral("DIR"));
    parser.addOption(formOption);
    parser.addOption(screenshotOption);
    parser.process(app);

    QString folder = parser.value(screenshotOption);
    if (!screenshots && !display) {
        folder = QString::fromLatin1(kNoDisplayFolder);
        std::printf(
            "DemoVemmix: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); writing the "
            "pages as pictures to %s instead\n",
            qPrintable(QDir(folder).absolutePath()));
    }

    QString error;
    std::unique_ptr<demo::DemoWindow> demo =
        demo::DemoWindow::Create(parser.value(formOption), &error);
    if (!demo) return Fail(error);
    for (const QString& problem : demo->problems())
        std::fprintf(stderr, "DemoVemmix: warning: %s\n", qPrintable(problem));

    if (!folder.isEmpty()) {
        demo->form().show();
        if (!demo->WriteScreenshots(folder, &error)) return Fail(error);
        if (screenshots)
            std::printf("DemoVemmix: wrote page-0.png to page-6.png in %s\n",
                        qPrintable(QDir(folder).absolutePath()));
        return 0;
    }
    demo->form().show();
    return app.exec();
}
