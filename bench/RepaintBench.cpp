// The button's repaint measured beside the buttons people pick instead, in
// one run: every repaint case of RepaintCases with the deterministic and
// with the Qt text renderer, a Fusion QPushButton and a style-sheet
// QPushButton rendered into a QImage, and the floor (filling a bitmap of the
// button's size and copying it to the window). At the end a table gives each
// case's time and its ratios to the Fusion button of the same state, size
// and content and to the floor of the same size, then every target with its
// measured figure. With --benchmark_repetitions the tables take the median
// repetition of each case.
//
// Also measured: the work of the timers of a page of fading buttons and of
// hover polling per second of virtual time, a form of 1,000 buttons loaded
// from a saved form and first painted in a fresh process (vemmix-formload,
// in the headless and in the Qt container), and the heap a button holds
// beyond its window.
//
// Own flags (before Google Benchmark's):
//   --markdown     print the summary tables in Markdown
//   --checksums    print "<case> <checksum>" for every built-in-text case and exit
//   --png=DIR      write every built-in-text case's window as DIR/<case>.png and exit
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <vemmix/Enums.h>
#include <vemmix/Surface.h>
#include <vemmix/host/QtTextRenderer.h>

#include "bench/RepaintCases.h"

namespace vemmix::bench {
namespace {

// ---- text renderers ------------------------------------------------------------
// Every repaint case runs once per variant: the deterministic built-in
// renderer and the desktop's, real fonts laid out and drawn by Qt.

const TextVariant& QtText() {
    static const TextVariant qtText{
        "qt", []() -> std::unique_ptr<TextRenderer> { return std::make_unique<host::QtTextRenderer>(); }};
    return qtText;
}

std::vector<const TextVariant*> TextVariants() { return {&BuiltinText(), &QtText()}; }

// ---- the peers ------------------------------------------------------------------

const char* const kStyleSheet =
    "QPushButton { border: 1px solid #003C74; border-radius: 3px;"
    "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #ECEBE6); }"
    "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #FFF0CF, stop:1 #F8B330); }"
    "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #E5E4DD, stop:1 #F0F0EA); }";

enum class Peer { Fusion, StyleSheet };

void BM_Peer(benchmark::State& st, Peer peer, ButtonState state, Size size, Content content) {
    static QStyle* const fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPushButton button(content == Content::None ? QString() : QStringLiteral("Caption"));
    button.setStyle(fusion);
    if (peer == Peer::StyleSheet) button.setStyleSheet(QString::fromLatin1(kStyleSheet));
    button.resize(size.width, size.height);
    if (state != ButtonState::Released) {
        button.setAttribute(Qt::WA_Hover, true);
        button.setAttribute(Qt::WA_UnderMouse, true);
    }
    if (state == ButtonState::Pressed) button.setDown(true);
    QImage image(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    button.render(&image);  // polish outside the measurement
    for (auto _ : st) {
        button.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

// ---- the floor: fill an off-screen bitmap, copy it to the window ------------------
// The least any off-screen repaint does, done the fastest way there is: the
// C library's memset and memcpy.

void BM_Floor(benchmark::State& st, Size size) {
    const std::size_t bytes = static_cast<std::size_t>(size.width) * size.height * 4;
    std::vector<unsigned char> offscreen(bytes), window(bytes);
    int value = 0;
    for (auto _ : st) {
        std::memset(offscreen.data(), value, bytes);
        std::memcpy(window.data(), offscreen.data(), bytes);
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
        value ^= 1;
    }
}

// ---- the button -------------------------------------------------------------------

void BM_Repaint(benchmark::State& st, RepaintCase c) {
    RepaintScene scene(c);
    const std::size_t objects = gdi::LiveObjectCount();
    for (auto _ : st) scene.Repaint();
    if (gdi::LiveObjectCount() != objects) st.SkipWithError("a drawing object outlived the repaint");
}

// A page of ten captioned buttons, the ten looks in turn, whose captions
// fade for ever (a step every 50 ms), the pointer resting on one of them
// (its hover timer polls every 10 ms): the timers' work for one second of
// virtual time. Its share of one core is the time per iteration over one
// second.
void BM_FadePage(benchmark::State& st, const TextVariant* text) {
    constexpr int kButtons = 10;
    std::unique_ptr<TextRenderer> renderer = text->make ? text->make() : nullptr;
    headless::HeadlessForm form;
    form.platform().SetTextRenderer(renderer.get());
    for (int i = 0; i < kButtons; ++i) {
        const std::u16string name = u"F" + std::u16string(1, static_cast<char16_t>(u'0' + i));
        const gdi::RECT bounds{0, 40 * i, 120, 40 * i + 32};
        Control& button = form.AddButton(name, bounds);
        PutProperty(button, u"Appearance", Variant(std::int32_t{i}));
        PutProperty(button, u"Caption", Variant(u"Fading"));
        PutProperty(button, u"TextFadeToColor", Variant(std::int32_t{0x00FF0000}));
        std::int32_t dispid = 0;
        Variant result;
        button.GetIDOfName(u"TextFade_Start", dispid);
        button.Invoke(dispid, InvokeKind::Method, {}, result);
    }
    // the pointer rests on the first button
    form.SetPointer(gdi::POINT{10, 10});
    form.sites().front()->control().MouseMove(0, 0, 10.0f, 10.0f);
    form.AdvanceTime(kOverIntervalMs);
    form.ClearLog();
    const int repaints = form.sites().front()->repaintCount();
    for (auto _ : st) {
        form.AdvanceTime(1000);
        form.ClearLog();
    }
    // every fade step repaints
    if (form.sites().front()->repaintCount() - repaints < static_cast<int>(st.iterations()) * 20)
        st.SkipWithError("the captions did not fade");
}

// The pointer resting on a Windows XP button with a caption: its hover
// timer polls every 10 ms, and nothing changes, so nothing repaints. The
// ticks' work for one second of virtual time.
void BM_HoverPoll(benchmark::State& st) {
    headless::HeadlessForm form;
    Control& button = form.AddButton(u"H", gdi::RECT{0, 0, 120, 32});
    PutProperty(button, u"Appearance", Variant(ecAppearance::WindowsXP));
    PutProperty(button, u"Caption", Variant(u"Caption"));
    form.SetPointer(gdi::POINT{10, 10});
    button.MouseMove(0, 0, 10.0f, 10.0f);
    form.AdvanceTime(kOverIntervalMs);
    form.ClearLog();
    const std::size_t objects = gdi::LiveObjectCount();
    for (auto _ : st) {
        form.AdvanceTime(1000);
        form.ClearLog();
    }
    if (gdi::LiveObjectCount() != objects) st.SkipWithError("a drawing object outlived a tick");
    if (!form.sites().front()->TimerEnabled(TimerId::Over)) st.SkipWithError("the hover timer stopped");
}

// ---- a form of many buttons, loaded in a fresh process -----------------------------------

constexpr int kFormButtons = 1000;

// vemmix-formload, beside this program.
std::string FormLoadProgram() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / "vemmix-formload").string();
}

// What one run of vemmix-formload gave.
struct ChildRun {
    std::string error;  // empty when it loaded and painted the form
    double seconds = 0;  // from starting the process to its "painted" line
    std::map<std::string, double> fields;  // the line's name=value pairs
    double maxResidentKb = 0;
};

ChildRun RunFormLoad(const std::vector<std::string>& arguments) {
    ChildRun run;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        run.error = "no pipe";
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    const std::string program = FormLoadProgram();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        run.error = "cannot start " + program;
        return run;
    }
    // the first line marks the moment the form is painted
    std::string line, rest;
    char buffer[512];
    bool lineDone = false;
    for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t i = 0; i < n; ++i) {
            if (lineDone) continue;
            if (buffer[i] == '\n') {
                lineDone = true;
                run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            } else {
                line.push_back(buffer[i]);
            }
        }
    }
    close(out[0]);
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    run.maxResidentKb = static_cast<double>(usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        run.error = program + " failed (see its message above)";
        return run;
    }
    if (arguments.front() == "write") return run;
    if (!lineDone || line.rfind("painted", 0) != 0) {
        run.error = "no \"painted\" line from " + program;
        return run;
    }
    for (std::size_t from = line.find(' '); from != std::string::npos;) {
        const std::size_t to = line.find(' ', from + 1);
        const std::string field = line.substr(from + 1, to == std::string::npos ? to : to - from - 1);
        const std::size_t equals = field.find('=');
        if (equals != std::string::npos)
            run.fields[field.substr(0, equals)] = std::strtod(field.c_str() + equals + 1, nullptr);
        from = to;
    }
    return run;
}

// The saved form of kFormButtons buttons, written once per run into a
// folder of its own that main removes.
std::filesystem::path& FormFolder() {
    static std::filesystem::path folder;
    return folder;
}

const std::string& SavedForm(std::string* error) {
    static std::string path;
    if (!path.empty()) return path;
    char folder[] = "/tmp/vemmix-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        *error = "no temporary folder";
        return path;
    }
    FormFolder() = folder;
    const std::string file = std::string(folder) + "/buttons.json";
    const ChildRun written = RunFormLoad({"write", file, std::to_string(kFormButtons)});
    if (!written.error.empty()) {
        *error = written.error;
        return path;
    }
    path = file;
    return path;
}

// Each iteration starts a fresh process that loads the form and paints it;
// the time is from starting the process to the form painted.
void BM_FormLoad(benchmark::State& st, std::string container) {
    std::string error;
    const std::string& form = SavedForm(&error);
    if (form.empty()) {
        st.SkipWithError(error.c_str());
        return;
    }
    std::map<std::string, double> sums;
    double maxResident = 0;
    for (auto _ : st) {
        const ChildRun run = RunFormLoad({container, form});
        if (!run.error.empty()) {
            st.SkipWithError(run.error.c_str());
            return;
        }
        st.SetIterationTime(run.seconds);
        for (const auto& [key, value] : run.fields) sums[key] += value;
        maxResident = std::max(maxResident, run.maxResidentKb);
    }
    for (const auto& [key, value] : sums)
        st.counters[key] = benchmark::Counter(value, benchmark::Counter::kAvgIterations);
    st.counters["max_rss_kb"] = maxResident;
}

// Heap bytes a captioned button holds once shown, beyond its window's
// pixels, averaged over a form of many; the headless site's own share
// (its name, timers, log entries) is included.
std::optional<double> BytesPerButton(Size size) {
    constexpr int kButtons = 200;
    auto heap = [] {
        const struct mallinfo2 info = mallinfo2();
        return static_cast<double>(info.uordblks + info.hblkhd);
    };
    auto form = std::make_unique<headless::HeadlessForm>();
    const double before = heap();
    for (int i = 0; i < kButtons; ++i) {
        Control& button = form->AddButton(u"M", gdi::RECT{0, 0, size.width, size.height});
        PutProperty(button, u"Caption", Variant(u"Caption"));
    }
    form->ClearLog();
    const double after = heap();
    const double window = static_cast<double>(size.width) * size.height * 4;
    return (after - before) / kButtons - window;
}

void BM_Memory(benchmark::State& st, Size size) {
    const std::optional<double> bytes = BytesPerButton(size);
    for (auto _ : st) benchmark::DoNotOptimize(bytes);
    if (bytes) st.counters["bytes_per_button"] = *bytes;
}

// ---- the summary ---------------------------------------------------------------------

struct Measured {
    double nanoseconds = 0;  // per iteration: CPU time, or the manual time where one is set
    std::map<std::string, double> counters;
};

std::vector<std::string> Split(const std::string& name) {
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t to = name.find('/', from);
        parts.push_back(name.substr(from, to - from));
        if (to == std::string::npos) break;
        from = to + 1;
    }
    return parts;
}

std::string Format(const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Keeps every repetition of every benchmark and prints, when the run ends,
// the table of cases and the table of targets from the median repetition.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    explicit SummaryReporter(bool markdown) : m_Markdown(markdown) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) m_Failed = true;
            if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            // CPU time: on a shared machine wall time also counts the
            // moments other processes had the core. A fresh process's
            // time is measured by hand, from its start to its paint.
            const bool manual = !run.run_name.time_type.empty();  // "manual_time"
            const double seconds = manual ? run.real_accumulated_time : run.cpu_accumulated_time;
            Measured m;
            m.nanoseconds = seconds * 1e9 / static_cast<double>(run.iterations);
            for (const auto& [key, counter] : run.counters) m.counters[key] = counter.value;
            const std::string name = run.run_name.function_name;
            auto [it, fresh] = m_Runs.try_emplace(name);
            it->second.push_back(std::move(m));
            if (fresh) m_Order.push_back(name);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (auto& [name, runs] : m_Runs) {
            std::sort(runs.begin(), runs.end(),
                      [](const Measured& a, const Measured& b) { return a.nanoseconds < b.nanoseconds; });
            m_Results[name] = runs[(runs.size() - 1) / 2];  // the median (the lower of two)
        }
        PrintCases();
        PrintTargets();
    }

    bool Failed() const { return m_Failed; }

private:
    const Measured* Find(const std::string& name) const {
        auto it = m_Results.find(name);
        return it == m_Results.end() ? nullptr : &it->second;
    }

    void Row(const std::vector<std::string>& cells) {
        if (m_Markdown) {
            std::printf("|");
            for (const std::string& cell : cells) std::printf(" %s |", cell.c_str());
        } else {
            for (std::size_t i = 0; i < cells.size(); ++i)
                std::printf(i == 0 ? "%-56s" : " %14s", cells[i].c_str());
        }
        std::printf("\n");
    }

    void Header(const std::vector<std::string>& cells, const std::string& alignment) {
        std::printf("\n");
        Row(cells);
        if (m_Markdown) std::printf("%s\n", alignment.c_str());
    }

    static std::string Ratio(double ns, const Measured* base) {
        if (base == nullptr || base->nanoseconds <= 0) return "-";
        return Format("%.2f", ns / base->nanoseconds);
    }

    // The Fusion button and the floor a case is compared with.
    const Measured* FusionFor(const std::vector<std::string>& parts) const {
        if (parts[0] == "Repaint" && parts.size() >= 6)
            return Find("Fusion/" + parts[2] + "/" + parts[3] + "/" + parts[4]);
        if (parts[0] == "StyleSheet" && parts.size() >= 4)
            return Find("Fusion/" + parts[1] + "/" + parts[2] + "/" + parts[3]);
        return nullptr;
    }
    const Measured* FloorFor(const std::vector<std::string>& parts) const {
        if (parts[0] == "Repaint" && parts.size() >= 6) return Find("Floor/" + parts[3]);
        if ((parts[0] == "Fusion" || parts[0] == "StyleSheet") && parts.size() >= 4)
            return Find("Floor/" + parts[2]);
        return nullptr;
    }

    static std::optional<double> CounterOf(const Measured* m, const std::string& key) {
        if (m == nullptr) return std::nullopt;
        auto it = m->counters.find(key);
        return it == m->counters.end() ? std::nullopt : std::optional<double>(it->second);
    }
    static std::string Counter(const Measured& m, const std::string& key, const char* format) {
        const std::optional<double> value = CounterOf(&m, key);
        return value ? Format(format, *value) : "-";
    }

    void PrintCases() {
        Header({"case", "time (us)", "x Fusion", "x floor"}, "|---|---:|---:|---:|");
        for (const std::string& name : m_Order) {
            const Measured& m = m_Results.at(name);
            const std::vector<std::string> parts = Split(name);
            const std::string& kind = parts[0];
            if (kind == "FadePage" || kind == "HoverPoll") {
                Row({name, Format("%.1f", m.nanoseconds / 1000.0), "-",
                     Format("%.3f%% core", m.nanoseconds / 1e9 * 100.0)});
            } else if (kind == "FormLoad") {
                Row({name, Format("%.0f", m.nanoseconds / 1000.0), "-", "-"});
            } else if (kind == "Memory") {
                Row({name, Counter(m, "bytes_per_button", "%.0f B"), "-", "-"});
            } else {
                Row({name, Format("%.3f", m.nanoseconds / 1000.0),
                     kind == "Floor" || kind == "Fusion" ? "-" : Ratio(m.nanoseconds, FusionFor(parts)),
                     kind == "Floor" ? "-" : Ratio(m.nanoseconds, FloorFor(parts))});
            }
        }
    }

    // The worst ratio to the floor over the repaint cases that `match`
    // picks, and the case that has it.
    std::pair<double, std::string> WorstToFloor(const std::function<bool(const std::vector<std::string>&)>& match) const {
        std::pair<double, std::string> worst{0, "-"};
        for (const auto& [name, m] : m_Results) {
            const std::vector<std::string> parts = Split(name);
            if (parts[0] != "Repaint" || parts.size() < 6 || !match(parts)) continue;
            const Measured* floor = FloorFor(parts);
            if (floor == nullptr || floor->nanoseconds <= 0) continue;
            const double ratio = m.nanoseconds / floor->nanoseconds;
            if (ratio > worst.first) worst = {ratio, name.substr(std::strlen("Repaint/"))};
        }
        return worst;
    }

    void Target(const std::string& target, std::optional<double> measured, const char* format,
                double limit, const std::string& note) {
        Row({target, measured ? Format(format, *measured) : "-", Format(format, limit),
             !measured ? "not measured" : *measured <= limit ? "met" : "NOT MET", note});
    }

    void PrintTargets() {
        Header({"target", "measured", "limit", "", "note"}, "|---|---:|---:|---|---|");
        auto time = [&](const std::string& name) -> std::optional<double> {
            const Measured* m = Find(name);
            return m ? std::optional<double>(m->nanoseconds) : std::nullopt;
        };
        {
            const auto xp = time("Repaint/WindowsXP/released/120x32/caption/qt");
            const auto fusion = time("Fusion/released/120x32/caption");
            Target("Windows XP, real-font caption, 120x32: x Fusion with caption",
                   xp && fusion ? std::optional<double>(*xp / *fusion) : std::nullopt, "%.2f", 0.5,
                   xp ? Format("%.2f us", *xp / 1000.0) : "");
        }
        {
            const auto [ratio, name] = WorstToFloor([](const std::vector<std::string>& p) {
                return p[3] == "120x32" && p[4] == "none";
            });
            Target("every look and state without caption, 120x32: x floor", ratio > 0 ? std::optional(ratio) : std::nullopt,
                   "%.2f", 5.0, "worst: " + name);
        }
        {
            const auto [ratio, name] = WorstToFloor([](const std::vector<std::string>& p) { return p[3] == "400x120"; });
            Target("every case, 400x120: x floor", ratio > 0 ? std::optional(ratio) : std::nullopt, "%.2f", 3.0,
                   "worst: " + name);
        }
        auto share = [&](const std::string& name) -> std::optional<double> {
            const auto ns = time(name);
            return ns ? std::optional<double>(*ns / 1e9 * 100.0) : std::nullopt;
        };
        Target("fade page, ten buttons, Qt text: % of one core", share("FadePage/10buttons/qt"), "%.3f", 0.5, "");
        Target("hover polling: % of one core", share("HoverPoll/1button"), "%.4f", 0.5, "");
        for (const char* container : {"headless", "qt"}) {
            const std::string name = std::string("FormLoad/") + container + "/1000buttons";
            const auto ns = time(name);
            const Measured* m = Find(name);
            Target(std::string("1,000 buttons from a saved form, first paint, fresh process, ") + container + ": ms",
                   ns ? std::optional<double>(*ns / 1e6) : std::nullopt, "%.1f", 100.0,
                   m ? "CPU " + Counter(*m, "cpu", "%.1f") + " ms; in main: startup " + Counter(*m, "startup", "%.1f") +
                           ", read " + Counter(*m, "read", "%.1f") + ", load " + Counter(*m, "load", "%.1f") +
                           ", paint " + Counter(*m, "paint", "%.1f") + " ms"
                     : "");
        }
        for (const Size size : BenchSizes()) {
            Target("heap per button beyond its window's pixels, headless, " + SizeName(size.width, size.height) + ": B",
                   CounterOf(Find("Memory/" + SizeName(size.width, size.height)), "bytes_per_button"), "%.0f",
                   8192, "");
        }
        Target("heap per button beyond its window's pixels, Qt container, 120x32: B",
               CounterOf(Find("FormLoad/qt/1000buttons"), "heap_per_button"), "%.0f", 8192,
               "control, site and widget");
    }

    bool m_Markdown;
    bool m_Failed = false;
    std::map<std::string, std::vector<Measured>> m_Runs;
    std::map<std::string, Measured> m_Results;
    std::vector<std::string> m_Order;
};

template <typename... Args>
benchmark::internal::Benchmark* Register(const std::string& name, Args&&... args) {
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Args>(args)...);
}

void RegisterAll() {
    const ButtonState states[] = {ButtonState::Released, ButtonState::Hover, ButtonState::Pressed};
    for (const Size size : BenchSizes()) {
        Register(("Floor/" + SizeName(size.width, size.height)), BM_Floor, size);
        for (const Content content : {Content::None, Content::Caption}) {
            for (const ButtonState state : states) {
                const std::string key = std::string(StateName(state)) + "/" +
                                        SizeName(size.width, size.height) + "/" + ContentName(content);
                Register("Fusion/" + key, BM_Peer, Peer::Fusion, state, size, content);
                Register("StyleSheet/" + key, BM_Peer, Peer::StyleSheet, state, size, content);
            }
        }
    }
    for (const TextVariant* text : TextVariants()) {
        for (const RepaintCase& c : AllRepaintCases(*text))
            Register("Repaint/" + c.Name(), BM_Repaint, c);
    }
    for (const TextVariant* text : TextVariants())
        Register("FadePage/10buttons/" + text->name, BM_FadePage, text)->Unit(benchmark::kMillisecond);
    Register("HoverPoll/1button", BM_HoverPoll)->Unit(benchmark::kMillisecond);
    for (const char* container : {"headless", "qt"}) {
        Register(std::string("FormLoad/") + container + "/" + std::to_string(kFormButtons) + "buttons",
                 BM_FormLoad, std::string(container))
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    }
    for (const Size size : BenchSizes())
        Register("Memory/" + SizeName(size.width, size.height), BM_Memory, size)->Iterations(1);
}

int PrintChecksums() {
    for (const RepaintCase& c : AllRepaintCases(BuiltinText())) {
        RepaintScene scene(c);
        scene.Repaint();
        std::printf("%s %016" PRIx64 "\n", c.Name().c_str(), scene.Checksum());
    }
    return 0;
}

int WritePngs(const std::string& directory) {
    for (const RepaintCase& c : AllRepaintCases(BuiltinText())) {
        RepaintScene scene(c);
        scene.Repaint();
        const gdi::PixelView view = scene.site().pixels();
        QImage image(reinterpret_cast<const uchar*>(view.pixels.data()), view.width, view.height,
                     view.width * 4, QImage::Format_RGB32);
        std::string file = c.Name();
        std::replace(file.begin(), file.end(), '/', '_');
        if (!image.save(QString::fromStdString(directory + "/" + file + ".png"))) return 1;
    }
    return 0;
}

}  // namespace
}  // namespace vemmix::bench

int main(int argc, char** argv) {
    using namespace vemmix::bench;
    bool markdown = false;
    bool checksums = false;
    std::string pngDirectory;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--markdown") == 0)
            markdown = true;
        else if (std::strcmp(argv[i], "--checksums") == 0)
            checksums = true;
        else if (std::strncmp(argv[i], "--png=", 6) == 0)
            pngDirectory = argv[i] + 6;
        else
            args.push_back(argv[i]);
    }
    if (checksums) return PrintChecksums();

    // The peers render off screen; no display is needed.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (!pngDirectory.empty()) return WritePngs(pngDirectory);

    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    RegisterAll();
    SummaryReporter reporter(markdown);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    if (!FormFolder().empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(FormFolder(), ignored);
    }
    return reporter.Failed() ? 1 : 0;
}
