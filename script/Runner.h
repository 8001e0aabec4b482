// Runs one script: the engine with nothing but the language and the
// host's objects, the bootstrap, the script itself under an optional
// time limit, and the report of how it ended.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

#include <QJSEngine>
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
    int memoryMegabytes = 1024;  // resident memory of the process; 0: no limit
};

// Interrupts the engine when `seconds` pass (never when 0) or when the
// process holds more than `memoryBytes` of resident memory (never when 0),
// unless stopped first: the script's time and memory limits.
class Watchdog {
public:
    enum class Limit { None, Time, Memory };

    Watchdog(QJSEngine& engine, double seconds, std::size_t memoryBytes = 0);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // True when a limit was passed; which one, `passed()` says.
    bool Stop();
    Limit passed() const { return m_Passed; }

private:
    std::mutex m_Mutex;
    std::condition_variable m_Done;
    bool m_Stopped = false;
    Limit m_Passed = Limit::None;
    std::thread m_Thread;
};

// The exit status: 0 when the script completed, 1 when it failed (an
// uncaught exception, a syntax error, the time limit), 2 when it could not
// be run at all.
int Run(const RunOptions& options);

}  // namespace vemmix::script
