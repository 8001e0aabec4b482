// vemmix-script [options] SCRIPT [ARGS...]: runs a JavaScript program
// against forms of controls (docs/scripting.md).
#include <cstdio>

#include <QCommandLineParser>
#ifdef VEMMIX_SCRIPT_WINDOWS
#include <QApplication>
#else
#include <QGuiApplication>
#endif

#include "script/Runner.h"

namespace {

void Say(const QString& text) { std::fprintf(stderr, "vemmix-script: %s\n", qPrintable(text)); }

// Qt's own chatter (a missing runtime folder, font fallbacks) is no
// business of the script's; only its critical messages are shown.
void QtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) Say(QStringLiteral("qt: ") + message);
}

// Whether --window comes before the script's path: the platform is chosen
// before the application, and so before the options are parsed.
bool WantsWindows(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--window") return true;
        if (a == "--timeout" || a == "--library" || a == "--dpi") {
            ++i;
            continue;
        }
        if (!a.startsWith('-')) return false;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // headless unless windows are asked for or the caller chose a platform
    if (!WantsWindows(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QtMessages);
#ifdef VEMMIX_SCRIPT_WINDOWS
    QApplication app(argc, argv);  // the windows are widgets
#else
    QGuiApplication app(argc, argv);
#endif
    QCoreApplication::setApplicationName(QStringLiteral("vemmix-script"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs a JavaScript program against forms of Vemmix controls (docs/scripting.md): headless on a virtual\n"
        "clock by default. Exit status 0 when the script completes; 1 with the message and the script's file\n"
        "and line on an uncaught exception, a syntax error or the time limit; 2 when it cannot be run."));
    parser.addPositionalArgument(QStringLiteral("SCRIPT"), QStringLiteral("The script (UTF-8)."));
    parser.addPositionalArgument(QStringLiteral("ARGS"), QStringLiteral("Given to the script as host.args."),
                                 QStringLiteral("[ARGS...]"));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption untrusted(
        QStringLiteral("untrusted"),
        QStringLiteral("Runs the script as untrusted: every control must declare itself safe for untrusted "
                       "callers and data (IObjectSafety) or it is refused, and files are named relative to the "
                       "script's folder and must stay inside it."));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Stops the script after SECONDS (a positive number)."),
                                     QStringLiteral("SECONDS"));
    const QCommandLineOption memory(
        QStringLiteral("memory"),
        QStringLiteral("Stops the script when the program holds more than MB megabytes of memory (16 to 65536; "
                       "default 1024; 0: no limit)."),
        QStringLiteral("MB"));
#ifdef VEMMIX_SCRIPT_WINDOWS
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Runs the forms in real windows; time passes in real time."));
#else
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Real windows: not in this build (the script stops with status 2)."));
#endif
    const QCommandLineOption library(QStringLiteral("library"),
                                     QStringLiteral("Loads another control library (a file name or path); may be "
                                                    "repeated."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption deterministic(
        QStringLiteral("deterministic-text"),
        QStringLiteral("Draws text with the built-in deterministic renderer (boxes, the same on every machine)."));
    const QCommandLineOption dpi(QStringLiteral("dpi"),
                                 QStringLiteral("The screen resolution in dots per inch (default 96)."),
                                 QStringLiteral("N"), QStringLiteral("96"));
    parser.addOptions({help, untrusted, timeout, memory, window, library, deterministic, dpi});

    if (!parser.parse(app.arguments())) {
        Say(parser.errorText());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        Say(QStringLiteral("expected SCRIPT (see --help)"));
        return 2;
    }

    vemmix::script::RunOptions options;
    options.script = positional.first();
    options.args = positional.mid(1);
    options.libraries = parser.values(library);
    options.untrusted = parser.isSet(untrusted);
    options.window = parser.isSet(window);
    options.deterministicText = parser.isSet(deterministic);
    bool ok = false;
    options.dpi = parser.value(dpi).toInt(&ok);
    if (!ok || options.dpi < 24 || options.dpi > 960) {
        Say(QStringLiteral("--dpi: \"%1\" is not a resolution from 24 to 960").arg(parser.value(dpi)));
        return 2;
    }
    if (parser.isSet(timeout)) {
        options.timeoutSeconds = parser.value(timeout).toDouble(&ok);
        if (!ok || !(options.timeoutSeconds > 0) || options.timeoutSeconds > 86400) {
            Say(QStringLiteral("--timeout: \"%1\" is not a number of seconds from 0 to 86400").arg(parser.value(timeout)));
            return 2;
        }
    }
    if (parser.isSet(memory)) {
        options.memoryMegabytes = parser.value(memory).toInt(&ok);
        if (!ok || (options.memoryMegabytes != 0 && (options.memoryMegabytes < 16 || options.memoryMegabytes > 65536))) {
            Say(QStringLiteral("--memory: \"%1\" is not a number of megabytes from 16 to 65536, or 0")
                    .arg(parser.value(memory)));
            return 2;
        }
    }
#ifndef VEMMIX_SCRIPT_WINDOWS
    if (options.window) {
        Say(QStringLiteral("--window: not available: this build has no Qt container (Qt 6 Widgets); scripts run "
                           "their forms headless, on the virtual clock; run the script without --window"));
        return 2;
    }
#endif
    return vemmix::script::Run(options);
}
