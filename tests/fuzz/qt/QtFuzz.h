// What the fuzz targets that link Qt share: the application they need (on
// the offscreen platform unless the environment names another) and the
// report of a broken invariant, the control registry.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QGuiApplication>

#include <vemmix/host/ControlRegistry.h>

namespace vemmix::fuzz {

// The application sees only the program's name: the fuzzer's options are
// not Qt's to take.
inline void StartQt(char* program) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own chatter (fonts, plugins) is no finding
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char* argv[] = {program, nullptr};
    static QGuiApplication application(argc, argv);
}

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The registry with the package's own control library, loaded once.
inline std::shared_ptr<const host::ControlRegistry> Registry() {
    static const std::shared_ptr<const host::ControlRegistry> registry = [] {
        auto r = std::make_shared<host::ControlRegistry>();
        QString problem;
        if (!r->Load(host::ControlRegistry::DefaultLibrary(), &problem))
            Fail(("the control library does not load: " + problem.toStdString()).c_str());
        return r;
    }();
    return registry;
}

}  // namespace vemmix::fuzz
