// Runs one script: the engine with nothing but the language and the
// host's objects, the bootstrap, the script itself under an optional
// time limit, and the report of how it ended.
#pragma once

#include <QString>
#include <QStringList>

namespace vemmix::script {

struct RunOptions {
    QString script;           // the script's path as given
    QStringList args;         // host.args
    QStringList libraries;    // control libraries besides the package's own
    bool untrusted = false;   // --untrusted
    bool window = false;      // --window
    bool deterministicText = false;
    int dpi = 96;
    double timeoutSeconds = 0;  // 0: no limit
};

// The exit status: 0 when the script completed, 1 when it failed (an
// uncaught exception, a syntax error, the time limit), 2 when it could not
// be run at all.
int Run(const RunOptions& options);

}  // namespace vemmix::script
