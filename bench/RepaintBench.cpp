// The button's repaint measured beside the buttons people pick instead, in
// one run: every repaint case of RepaintCases, a Fusion QPushButton and a
// style-sheet QPushButton rendered into a QImage, and the floor (filling a
// bitmap of the button's size and copying it to the window). At the end a
// table gives each case's time and its ratios to the Fusion button of the
// same state, size and content and to the floor of the same size; the
// table takes the CPU time of the fastest repetition when
// --benchmark_repetitions is given.
//
// Also measured: the work of the timers of a page of fading buttons per
// second of virtual time, and the heap a button holds beyond its window.
//
// Own flags (before Google Benchmark's):
//   --markdown     print the summary table in Markdown
//   --checksums    print "<case> <checksum>" for every built-in-text case and exit
//   --png=DIR      write every built-in-text case's window as DIR/<case>.png and exit
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <vemmix/Enums.h>
#include <vemmix/Surface.h>

#include "bench/RepaintCases.h"

namespace vemmix::bench {
namespace {

// ---- text renderers ------------------------------------------------------------
// Each renderer adds its variant here; every repaint case runs once per
// variant. The Qt renderer of the host library plugs in as
//     {"qt", [] { return std::unique_ptr<TextRenderer>(new qt::TextRenderer); }}
std::vector<const TextVariant*> TextVariants() { return {&BuiltinText()}; }

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

// A page of ten captioned buttons whose captions fade for ever, the pointer
// resting on one of them (its hover timer polls every 10 ms): the timers'
// work for one second of virtual time. Its share of one core is the time
// per iteration over one second.
void BM_FadePage(benchmark::State& st) {
    constexpr int kButtons = 10;
    headless::HeadlessForm form;
    for (int i = 0; i < kButtons; ++i) {
        const std::u16string name = u"F" + std::u16string(1, static_cast<char16_t>(u'0' + i));
        const gdi::RECT bounds{0, 40 * i, 120, 40 * i + 32};
        Control& button = form.AddButton(name, bounds);
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
    form.ClearLog();
    for (auto _ : st) {
        form.AdvanceTime(1000);
        form.ClearLog();
    }
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
    double nanoseconds = 0;  // per iteration, CPU time
    std::map<std::string, double> counters;
};

// Keeps the fastest run (or repetition) of every benchmark and prints the
// table when the run ends.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    explicit SummaryReporter(bool markdown) : m_Markdown(markdown) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) m_Failed = true;
            // Every repetition, or with --benchmark_report_aggregates_only
            // the "min" statistic (the fastest repetition).
            const bool wanted = run.run_type == Run::RT_Iteration || run.aggregate_name == "min";
            if (run.error_occurred || !wanted || run.iterations == 0) continue;
            // CPU time: on a shared machine wall time also counts the
            // moments other processes had the core.
            const double ns = run.cpu_accumulated_time * 1e9 / static_cast<double>(run.iterations);
            const std::string name = run.run_name.function_name;
            auto [it, fresh] = m_Results.try_emplace(name);
            if (fresh || ns < it->second.nanoseconds) it->second.nanoseconds = ns;
            for (const auto& [key, counter] : run.counters) it->second.counters[key] = counter.value;
            if (fresh) m_Order.push_back(name);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        PrintTable();
    }

    bool Failed() const { return m_Failed; }

private:
    const Measured* Find(const std::string& name) const {
        auto it = m_Results.find(name);
        return it == m_Results.end() ? nullptr : &it->second;
    }

    void Row(const std::string& name, double ns, const std::string& fusion, const std::string& floor) {
        char time[32];
        std::snprintf(time, sizeof time, "%.3f", ns / 1000.0);
        if (m_Markdown)
            std::printf("| %s | %s | %s | %s |\n", name.c_str(), time, fusion.c_str(), floor.c_str());
        else
            std::printf("%-48s %10s %10s %10s\n", name.c_str(), time, fusion.c_str(), floor.c_str());
    }

    static std::string Ratio(double ns, const Measured* base) {
        if (base == nullptr || base->nanoseconds <= 0) return "-";
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", ns / base->nanoseconds);
        return text;
    }

    void PrintTable() {
        std::printf("\n");
        if (m_Markdown) {
            std::printf("| case | time (µs) | × Fusion | × floor |\n|---|---:|---:|---:|\n");
        } else {
            std::printf("%-48s %10s %10s %10s\n", "case", "time (us)", "x Fusion", "x floor");
        }
        for (const std::string& name : m_Order) {
            const Measured& m = m_Results.at(name);
            // "<kind>/<rest>"
            const std::string kind = name.substr(0, name.find('/'));
            if (kind == "FadePage") {
                char share[32];
                std::snprintf(share, sizeof share, "%.3f%% core", m.nanoseconds / 1e9 * 100.0);
                Row(name, m.nanoseconds, "-", share);
                continue;
            }
            if (kind == "Memory") {
                auto it = m.counters.find("bytes_per_button");
                char bytes[32];
                std::snprintf(bytes, sizeof bytes, "%.0f B",
                              it == m.counters.end() ? 0.0 : it->second);
                if (m_Markdown)
                    std::printf("| %s | %s | - | - |\n", name.c_str(), bytes);
                else
                    std::printf("%-48s %10s %10s %10s\n", name.c_str(), bytes, "-", "-");
                continue;
            }
            // Repaint/<appearance>/<state>/<size>/<content>/<text>,
            // Fusion|StyleSheet/<state>/<size>/<content>, Floor/<size>
            std::vector<std::string> parts;
            for (std::size_t from = 0;;) {
                const std::size_t to = name.find('/', from);
                parts.push_back(name.substr(from, to - from));
                if (to == std::string::npos) break;
                from = to + 1;
            }
            std::string state, size, content;
            if (kind == "Repaint" && parts.size() >= 6) {
                state = parts[2], size = parts[3], content = parts[4];
            } else if ((kind == "Fusion" || kind == "StyleSheet") && parts.size() >= 4) {
                state = parts[1], size = parts[2], content = parts[3];
            } else if (kind == "Floor" && parts.size() >= 2) {
                size = parts[1];
            }
            const Measured* fusion = Find("Fusion/" + state + "/" + size + "/" + content);
            const Measured* floor = Find("Floor/" + size);
            Row(name, m.nanoseconds, kind == "Floor" ? "-" : Ratio(m.nanoseconds, fusion),
                Ratio(m.nanoseconds, floor));
        }
    }

    bool m_Markdown;
    bool m_Failed = false;
    std::map<std::string, Measured> m_Results;
    std::vector<std::string> m_Order;
};

double Fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// Every benchmark also reports its fastest repetition, which the summary
// takes: on a busy machine it is the least disturbed.
template <typename... Args>
benchmark::internal::Benchmark* Register(const std::string& name, Args&&... args) {
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Args>(args)...)
        ->ComputeStatistics("min", Fastest);
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
    Register("FadePage/10buttons/per-virtual-second", BM_FadePage)->Unit(benchmark::kMillisecond);
    for (const Size size : BenchSizes()) {
        benchmark::RegisterBenchmark(("Memory/" + SizeName(size.width, size.height)).c_str(),
                                     BM_Memory, size)
            ->Iterations(1);
    }
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
    return reporter.Failed() ? 1 : 0;
}
