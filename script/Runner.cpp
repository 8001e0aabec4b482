#include "script/Runner.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

#include <pthread.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJSEngine>

#include <vemmix/Control.h>
#include <vemmix/host/ControlRegistry.h>

#include "script/Bridge.h"
#include "script/PathRule.h"
#include "script/ScriptForm.h"

namespace vemmix::script {

namespace {

// The largest script read.
constexpr qint64 kMaxScriptBytes = 16 * 1024 * 1024;

void Say(const QString& text) {
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

// The last line of defence against the engine's own faults: some of its
// built-in functions recurse without the stack check its script functions
// have (String() of arrays nested 100000 deep), and would take the process
// down with a segmentation fault. The fault is caught on a stack of its
// own and the run ends as a failed script does: one line naming the script
// on the standard error, exit status 1. The messages are made beforehand,
// as a signal handler may only write and exit.
struct FaultReport {
    char outOfStack[600];
    char other[600];
    std::uintptr_t stackLow = 0, stackHigh = 0;  // the main thread's stack
};
FaultReport g_Fault;

void OnFault(int, siginfo_t* info, void*) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    // a fault just beneath the stack (its guard) or in it is the stack overflowing
    constexpr std::uintptr_t kGuard = 1024 * 1024;
    const bool stack = g_Fault.stackHigh != 0 && address + kGuard >= g_Fault.stackLow && address < g_Fault.stackHigh;
    const char* text = stack ? g_Fault.outOfStack : g_Fault.other;
    const ssize_t written = write(STDERR_FILENO, text, std::strlen(text));
    static_cast<void>(written);
    _exit(1);
}

void CatchEngineFaults(const QString& script) {
    const QByteArray name = script.toUtf8().left(200);
    std::snprintf(g_Fault.outOfStack, sizeof g_Fault.outOfStack,
                  "%s: stopped: the JavaScript engine ran out of stack in a built-in function (values nested too "
                  "deep, such as arrays inside arrays turned into text)\n",
                  name.constData());
    std::snprintf(g_Fault.other, sizeof g_Fault.other, "%s: stopped: the JavaScript engine failed\n", name.constData());
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
        void* low = nullptr;
        std::size_t size = 0;
        if (pthread_attr_getstack(&attributes, &low, &size) == 0) {
            g_Fault.stackLow = reinterpret_cast<std::uintptr_t>(low);
            g_Fault.stackHigh = g_Fault.stackLow + size;
        }
        pthread_attr_destroy(&attributes);
    }
    static char alternateStack[64 * 1024];
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack(&stack, nullptr);
    struct sigaction action{};
    action.sa_sigaction = OnFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    sigaction(SIGSEGV, &action, nullptr);
    sigaction(SIGBUS, &action, nullptr);
}

QString Seconds(double seconds) {
    return seconds == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(seconds);
}

}  // namespace

namespace {

// The process's resident memory, from the kernel's own count; 0 when it
// cannot be read.
std::size_t ResidentBytes() {
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file) return 0;
    unsigned long size = 0, resident = 0;
    const int read = std::fscanf(file, "%lu %lu", &size, &resident);
    std::fclose(file);
    return read == 2 ? resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) : 0;
}

}  // namespace

Watchdog::Watchdog(QJSEngine& engine, double seconds, std::size_t memoryBytes) {
    if (seconds <= 0 && memoryBytes == 0) return;
    m_Thread = std::thread([this, &engine, seconds, memoryBytes] {
        using Clock = std::chrono::steady_clock;
        const auto deadline = seconds > 0 ? Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                               std::chrono::duration<double>(seconds))
                                          : Clock::time_point::max();
        // the memory is looked at twenty times a second, the time exactly
        const auto look = memoryBytes > 0 ? std::chrono::milliseconds(50) : Clock::duration::max();
        std::unique_lock lock(m_Mutex);
        while (!m_Stopped) {
            const auto now = Clock::now();
            if (now >= deadline) m_Passed = Limit::Time;
            else if (memoryBytes > 0 && ResidentBytes() > memoryBytes) m_Passed = Limit::Memory;
            if (m_Passed != Limit::None) {
                engine.setInterrupted(true);
                return;
            }
            const auto next = deadline - now < look ? deadline : now + look;
            m_Done.wait_until(lock, next, [this] { return m_Stopped; });
        }
    });
}

Watchdog::~Watchdog() { Stop(); }

bool Watchdog::Stop() {
    {
        std::lock_guard lock(m_Mutex);
        m_Stopped = true;
    }
    m_Done.notify_all();
    if (m_Thread.joinable()) m_Thread.join();
    return m_Passed != Limit::None;
}

int Run(const RunOptions& options) {
    QFile file(options.script);
    if (!QFileInfo(options.script).isFile() || !file.open(QIODevice::ReadOnly)) {
        Say(QStringLiteral("vemmix-script: %1: cannot be read").arg(options.script));
        return 2;
    }
    const QByteArray bytes = file.read(kMaxScriptBytes + 1);
    if (bytes.size() > kMaxScriptBytes) {
        Say(QStringLiteral("vemmix-script: %1: larger than the %2 bytes a script may have").arg(options.script).arg(kMaxScriptBytes));
        return 2;
    }
    const QString source = QString::fromUtf8(bytes);

    auto registry = std::make_shared<host::ControlRegistry>();
    QString problem;
    if (!registry->Load(host::ControlRegistry::DefaultLibrary(), &problem)) {
        Say(QStringLiteral("vemmix-script: %1").arg(problem));
        return 2;
    }
    for (const QString& library : options.libraries)
        if (!registry->Load(library, &problem)) {
            Say(QStringLiteral("vemmix-script: --library: %1").arg(problem));
            return 2;
        }
    host::HostOptions hostOptions;
    hostOptions.deterministicText = options.deterministicText;
    hostOptions.dpi = options.dpi;
    // an untrusted script gets only controls safe for untrusted callers, and
    // the forms it loads are untrusted data
    if (options.untrusted) hostOptions.requiredSafety = kSafeForUntrustedCaller | kSafeForUntrustedData;
#ifdef VEMMIX_SCRIPT_WINDOWS
    std::unique_ptr<ScriptDesktop> desktop =
        options.window ? MakeWindowDesktop(registry, hostOptions) : MakeHeadlessDesktop(registry, hostOptions);
#else
    std::unique_ptr<ScriptDesktop> desktop = MakeHeadlessDesktop(registry, hostOptions);
#endif

    // Declared after the desktop and the engine, the bridge goes first: its
    // forms and values before the engine they live in.
    QJSEngine engine;
    BridgeOptions bridgeOptions;
    bridgeOptions.scriptName = options.script;
    bridgeOptions.args = options.args;
    bridgeOptions.untrusted = options.untrusted;
    bridgeOptions.window = options.window;
    Bridge bridge(engine, *desktop, PathRule(QFileInfo(options.script).absolutePath(), options.untrusted),
                  bridgeOptions);

    if (QString problem; !bridge.Start(&problem)) {
        Say(QStringLiteral("vemmix-script: the host cannot start: %1").arg(problem));
        return 2;
    }

    CatchEngineFaults(options.script);
    Watchdog watchdog(engine, options.timeoutSeconds, static_cast<std::size_t>(options.memoryMegabytes) << 20);
    QStringList trace;
    const QJSValue result = engine.evaluate(source, options.script, 1, &trace);
    // promise reactions the script left run now
    QCoreApplication::processEvents();
    if (watchdog.Stop()) {
        if (watchdog.passed() == Watchdog::Limit::Memory)
            Say(QStringLiteral("%1: stopped: the program took more than %2 MB of memory (--memory)")
                    .arg(options.script)
                    .arg(options.memoryMegabytes));
        else
            Say(QStringLiteral("%1: stopped: the script ran longer than %2 (--timeout)")
                    .arg(options.script, Seconds(options.timeoutSeconds)));
        return 1;
    }
    if (result.isError() || !trace.isEmpty()) {
        const Bridge::Thrown thrown = bridge.Describe(result);
        QString location = thrown.location;
        if (location.isEmpty() && !trace.isEmpty()) {
            // "function:line:column:url" of the innermost frame
            const QStringList parts = trace.first().split(QLatin1Char(':'));
            if (parts.size() >= 2) location = options.script + QLatin1Char(':') + parts[1];
        }
        // a thrown value that is no error object is named as what it is
        const QString what = result.isError() ? thrown.text : QStringLiteral("uncaught exception: ") + thrown.text;
        Say(QStringLiteral("%1: %2").arg(location.isEmpty() ? options.script : location, what));
        return 1;
    }
    return 0;
}

}  // namespace vemmix::script
