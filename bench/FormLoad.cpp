// vemmix-formload: a form of many buttons loaded from a saved form and first
// painted, in a process of its own, as a program starting up does it.
// vemmix-bench starts it once per measurement.
//
//   vemmix-formload write FORM COUNT   writes a saved form of COUNT buttons
//                                      (120 x 32, the ten looks in turn, each
//                                      with its own caption) as FORM
//   vemmix-formload headless FORM      loads FORM into a host::HostedForm
//                                      (every button shown, so painted)
//   vemmix-formload qt FORM            loads FORM into a qt::FormWindow, shows
//                                      it, and waits until every button's
//                                      window with a shape to show has had
//                                      its first paint event
//
// Both loaders draw captions with the Qt text renderer on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise. When the form is painted
// the loader prints one line and flushes it at once, before anything is torn
// down:
//   painted startup=<ms> read=<ms> load=<ms> paint=<ms> cpu=<ms> heap_per_button=<bytes>
// the phases since main began: the application object, reading the file,
// creating and reading the controls, the first paint; then the CPU time
// the process has taken since it started, loading its libraries included
// (on a busy machine the wall-clock time also counts the moments other
// processes had the cores). heap_per_button is
// the heap each button holds once loaded, beyond its window's pixels (the Qt
// container only: the headless figure comes from vemmix-bench itself).
// Exits 1, saying why on stderr, when the form does not load whole.
#include <malloc.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_set>

#include <QApplication>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QRegion>

#include <vemmix/Control.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/HostedForm.h>
#include <vemmix/host/PropertySet.h>
#include <vemmix/host/QtTextRenderer.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

using namespace vemmix;
using namespace vemmix::host;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kButtonWidth = 120, kButtonHeight = 32, kColumns = 40;
constexpr int kAppearances = 10;
constexpr auto kPaintTimeout = std::chrono::seconds(20);

int Fail(const QString& text) {
    std::fprintf(stderr, "vemmix-formload: %s\n", qPrintable(text));
    return 1;
}

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The CPU time of this process so far, all its threads.
double CpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Heap() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// The phases of one load, printed when the form is painted.
struct Phases {
    Clock::time_point start = Clock::now(), app, read, loaded, painted;
    double heapPerButton = 0;

    void Print() const {
        std::printf("painted startup=%.3f read=%.3f load=%.3f paint=%.3f cpu=%.3f heap_per_button=%.0f\n",
                    Milliseconds(start, app), Milliseconds(app, read), Milliseconds(read, loaded),
                    Milliseconds(loaded, painted), CpuMilliseconds(), heapPerButton);
        std::fflush(stdout);
    }
};

// ---- the saved form -------------------------------------------------------------------

int WriteButtons(const QString& path, int count) {
    if (count < 1 || count > 100000) return Fail(QStringLiteral("COUNT must be 1 to 100000"));
    // The set a button writes with its defaults, from a button loaded with none.
    FormDocument one;
    one.form.visualStyle.name = QStringLiteral("none");
    one.form.width = kButtonWidth;
    one.form.height = kButtonHeight;
    FormControl record;
    record.className = QStringLiteral("Vemmix.Zorvane");
    record.name = QStringLiteral("cmd");
    record.width = kButtonWidth;
    record.height = kButtonHeight;
    one.controls.push_back(record);
    HostOptions options;
    options.deterministicText = true;
    options.dpi = 96;
    auto registry = std::make_shared<ControlRegistry>();
    QString loadError;
    if (!registry->Load(ControlRegistry::DefaultLibrary(), &loadError)) return Fail(loadError);
    FormError error;
    std::unique_ptr<HostedForm> form = HostedForm::Load(one, registry, options, &error);
    if (!form) return Fail(error.Text());
    const PropertySet defaults = form->Save().controls.front().properties;
    form.reset();

    FormDocument document = one;
    document.form.name = QStringLiteral("Buttons");
    document.form.width = kColumns * kButtonWidth;
    document.form.height = (count + kColumns - 1) / kColumns * kButtonHeight;
    document.controls.clear();
    for (int i = 0; i < count; ++i) {
        FormControl button = record;
        button.index = i;
        button.left = i % kColumns * kButtonWidth;
        button.top = i / kColumns * kButtonHeight;
        button.tabIndex = i;
        button.properties = defaults;
        button.properties.Set({QStringLiteral("Appearance"), QJsonValue(i % kAppearances), {}});
        button.properties.Set({QStringLiteral("Caption"), QJsonValue(QStringLiteral("Button %1").arg(i + 1)), {}});
        document.controls.push_back(std::move(button));
    }
    QString writeError;
    if (!WriteFormFile(document, path, &writeError)) return Fail(writeError);
    return 0;
}

// ---- the headless container ---------------------------------------------------------------

int LoadHeadless(Phases& phases, FormDocument document) {
    const std::size_t count = document.controls.size();

    auto registry = std::make_shared<ControlRegistry>();
    QString loadError;
    if (!registry->Load(ControlRegistry::DefaultLibrary(), &loadError)) return Fail(loadError);
    HostOptions options;
    options.dpi = 96;
    // Loading shows every control, and showing one paints it.
    FormError error;
    std::unique_ptr<HostedForm> form = HostedForm::Load(std::move(document), registry, options, &error);
    if (!form) return Fail(error.Text());
    phases.loaded = phases.painted = Clock::now();
    if (!form->problems().isEmpty()) return Fail(form->problems().join(QLatin1Char('\n')));
    std::size_t painted = 0;
    for (const auto& site : form->form().sites()) painted += site->repaintCount() > 0 ? 1 : 0;
    if (painted != count) return Fail(QStringLiteral("%1 of %2 buttons painted").arg(painted).arg(count));
    phases.Print();
    return 0;
}

// ---- the Qt container ------------------------------------------------------------------------

// Counts the control windows that have had a paint event.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<qt::ControlWindow*>(watched))
            m_Painted.insert(watched);
        return false;
    }
    std::size_t painted() const { return m_Painted.size(); }

private:
    std::unordered_set<QObject*> m_Painted;
};

int LoadQt(Phases& phases, const FormDocument& document) {
    const std::size_t count = document.controls.size();

    const double heapBefore = Heap();
    QtTextRenderer text;
    qt::FormWindow form;
    form.setTextRenderer(&text);
    form.setScreenDpi(96);
    form.setBackColor(document.form.backColor);
    form.setAmbientFont(document.form.font);
    form.resize(document.form.width, document.form.height);
    double pixels = 0;
    for (const FormControl& record : document.controls) {
        std::int32_t created = 0;
        qt::ControlWindow* window = form.AddControl(
            record.className.toStdU16String(), record.Reference(),
            QRect(record.left, record.top, record.width, record.height), nullptr, &created);
        if (window == nullptr || window->control() == nullptr)
            return Fail(QStringLiteral("%1 cannot be created (error %2)").arg(record.Reference()).arg(created));
        PropertySet copy = record.properties;
        JsonPropertyBag bag(copy, &window->control()->GetTypeInfo(), document.pictures);
        window->control()->ReadProperties(bag);
        if (!bag.problems().empty()) return Fail(record.Reference() + QStringLiteral(": a property was refused"));
        pixels += 4.0 * record.width * record.height;
    }
    phases.heapPerButton = (Heap() - heapBefore - pixels) / static_cast<double>(count);
    phases.loaded = Clock::now();

    PaintCounter counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    // Showing the form shows every control, and each draws its window's
    // image; the window system then paints every window that has a shape
    // to show (a Shaped button without a picture has none).
    form.show();
    std::size_t drawn = 0, shown = 0;
    for (const qt::ControlWindow* window : form.controls()) {
        drawn += window->repaintCount() > 0 ? 1 : 0;
        const QRegion mask = window->mask();
        shown += mask.isEmpty() || mask.intersects(window->rect()) ? 1 : 0;
    }
    const Clock::time_point deadline = Clock::now() + kPaintTimeout;
    while (counter.painted() < shown && Clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    phases.painted = Clock::now();
    QCoreApplication::instance()->removeEventFilter(&counter);
    if (drawn != count || counter.painted() != shown)
        return Fail(QStringLiteral("%1 of %2 buttons drawn, %3 of %4 with a shape painted")
                        .arg(drawn)
                        .arg(count)
                        .arg(counter.painted())
                        .arg(shown));
    phases.Print();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Phases phases;
    if (argc < 3) {
        std::fprintf(stderr, "usage: vemmix-formload write FORM COUNT | headless FORM | qt FORM\n");
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("write") && argc == 4) {
        QCoreApplication app(argc, argv);
        return WriteButtons(path, std::atoi(argv[3]));
    }
    const bool headless = mode == QLatin1String("headless");
    if (!headless && mode != QLatin1String("qt")) {
        std::fprintf(stderr, "vemmix-formload: unknown mode \"%s\"\n", argv[1]);
        return 2;
    }
    // the headless container draws captions with Qt too, but needs no widgets
    std::unique_ptr<QGuiApplication> app;
    if (headless)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    phases.app = Clock::now();
    FormError error;
    std::optional<FormDocument> document = ReadFormFile(path, &error);
    if (!document) return Fail(error.Text());
    phases.read = Clock::now();
    return headless ? LoadHeadless(phases, std::move(*document)) : LoadQt(phases, *document);
}
