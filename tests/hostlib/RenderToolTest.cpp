// vemmix-render as a user runs it: the same pixels as the headless
// container for the same form, one control in a state, scaling, the
// contact sheet, and one clear message when the form cannot be loaded.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <vemmix/headless/HeadlessContainer.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun Render(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VEMMIX_RENDER), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return ToolRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
               QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

const QString kSameForm = DataPath(QStringLiteral("forms/render-equality.json"));

// The controls of render-equality.json, made on a headless form in code.
struct Made {
    const char16_t* name;
    gdi::RECT bounds;
    std::vector<std::pair<std::u16string, Variant>> properties;
};

std::vector<Made> SameControls() {
    return {
        {u"cmdA", {10, 10, 100, 40}, {{u"Appearance", std::int32_t{0}}, {u"Caption", u"&Alpha"}}},
        {u"cmdB", {110, 10, 210, 40}, {{u"Appearance", std::int32_t{3}}, {u"AppearanceMode", std::int32_t{2}}, {u"Caption", u"Bravo"}}},
        {u"cmdC", {10, 60, 130, 100}, {{u"Appearance", std::int32_t{2}}, {u"BackColor", std::int32_t{16744448}}, {u"Caption", u"Charlie"}}},
        {u"cmdD", {150, 60, 270, 100},
         {{u"Appearance", std::int32_t{7}}, {u"AppearanceMode", std::int32_t{1}}, {u"ToggleValue", Variant::Boolean(true)},
          {u"Caption", u"Delta"}}},
    };
}

headless::HeadlessSite* Add(headless::HeadlessForm& form, const Made& made, gdi::RECT bounds) {
    headless::HeadlessSite* site = form.AddControl(u"Vemmix.Zorvane", made.name, bounds);
    headless::MemoryPropertyBag bag;
    for (const auto& [key, value] : made.properties) bag.Set(key, value);
    site->control().ReadProperties(bag);
    site->control().Show();
    return site;
}

TEST(VemmixRender, GivesTheHeadlessContainersPixels) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("same.png"));
    const ToolRun run = Render({kSameForm, out, QStringLiteral("--deterministic-text"), QStringLiteral("--dpi"), QStringLiteral("96")});
    ASSERT_EQ(run.exitCode, 0) << Str(run.err);
    EXPECT_TRUE(run.err.isEmpty()) << Str(run.err);
    const QImage rendered(out);
    ASSERT_EQ(rendered.size(), QSize(300, 120));

    headless::HeadlessForm form;
    form.ambientBackColor = 12632256;
    QImage expected(300, 120, QImage::Format_RGB32);
    expected.fill(QColor(0xC0, 0xC0, 0xC0));
    for (const Made& made : SameControls()) {
        headless::HeadlessSite* site = Add(form, made, made.bounds);
        const gdi::PixelView view = site->pixels();
        const std::vector<bool> shape = site->shape();
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x)
                if (shape[static_cast<std::size_t>(y) * view.width + x])
                    expected.setPixel(made.bounds.left + x, made.bounds.top + y,
                                      0xFF000000u | view.pixels[static_cast<std::size_t>(y) * view.width + x]);
    }
    int differing = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 300; ++x) differing += Rgb(rendered, x, y) != Rgb(expected, x, y);
    EXPECT_EQ(differing, 0);
    // the shaped button's corners show the form
    EXPECT_EQ(Rgb(rendered, 10, 60), 0xC0C0C0u);
}

TEST(VemmixRender, OneControlInAStateIsTheHeadlessControlDrivenSo) {
    QTemporaryDir dir;
    const Made made = SameControls()[1];
    const int w = made.bounds.right - made.bounds.left, h = made.bounds.bottom - made.bounds.top;
    struct Case {
        const char* state;
        std::function<void(headless::HeadlessForm&, headless::HeadlessSite&)> drive;
    };
    const Case cases[] = {
        {"released", [](auto&, auto&) {}},
        {"hover", [&](headless::HeadlessForm& f, headless::HeadlessSite& s) {
             f.SetPointer(gdi::POINT{w / 2, h / 2});
             s.control().MouseMove(0, 0, w / 2, h / 2);
             f.AdvanceTime(10);
         }},
        {"pressed", [&](headless::HeadlessForm& f, headless::HeadlessSite& s) {
             f.SetPointer(gdi::POINT{w / 2, h / 2});
             s.control().MouseMove(0, 0, w / 2, h / 2);
             f.AdvanceTime(10);
             s.control().MouseDown(1, 0, w / 2, h / 2);
         }},
        {"dropdown-pressed", [&](headless::HeadlessForm& f, headless::HeadlessSite& s) {
             f.SetPointer(gdi::POINT{w - 8, h / 2});
             s.control().MouseMove(0, 0, w - 8, h / 2);
             f.AdvanceTime(10);
             s.control().MouseDown(1, 0, w - 8, h / 2);
         }},
        {"focus", [](headless::HeadlessForm& f, headless::HeadlessSite& s) { f.SetFocus(&s); }},
    };
    std::vector<std::vector<std::uint32_t>> seen;
    for (const Case& c : cases) {
        const QString out = dir.filePath(QLatin1String(c.state) + QStringLiteral(".png"));
        const ToolRun run = Render({kSameForm, out, QStringLiteral("--deterministic-text"), QStringLiteral("--control"),
                                QStringLiteral("cmdB"), QStringLiteral("--state"), QLatin1String(c.state)});
        ASSERT_EQ(run.exitCode, 0) << Str(run.err);
        const QImage rendered(out);
        ASSERT_EQ(rendered.size(), QSize(w, h)) << c.state;
        headless::HeadlessForm form;
        form.ambientBackColor = 12632256;
        headless::HeadlessSite* site = Add(form, made, gdi::RECT{0, 0, w, h});
        c.drive(form, *site);
        const gdi::PixelView view = site->pixels();
        int differing = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) differing += Rgb(rendered, x, y) != (view.pixels[static_cast<std::size_t>(y) * w + x] & 0x00FFFFFF);
        EXPECT_EQ(differing, 0) << c.state;
        seen.emplace_back(view.pixels.begin(), view.pixels.end());
    }
    // the presses show (a loaded set's defaults keep hover and focus plain)
    EXPECT_NE(seen[2], seen[0]);
    EXPECT_NE(seen[3], seen[0]);
    EXPECT_NE(seen[3], seen[2]);
}

TEST(VemmixRender, ScalesByWholePixels) {
    QTemporaryDir dir;
    const QString one = dir.filePath(QStringLiteral("one.png")), three = dir.filePath(QStringLiteral("three.png"));
    ASSERT_EQ(Render({kSameForm, one, QStringLiteral("--control"), QStringLiteral("cmdA")}).exitCode, 0);
    ASSERT_EQ(Render({kSameForm, three, QStringLiteral("--control"), QStringLiteral("cmdA"), QStringLiteral("--scale"),
                      QStringLiteral("3")}).exitCode, 0);
    const QImage a(one), b(three);
    ASSERT_EQ(b.size(), a.size() * 3);
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) ASSERT_EQ(b.pixel(x, y), a.pixel(x / 3, y / 3)) << x << "," << y;
}

TEST(VemmixRender, AContactSheetShowsEveryState) {
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("sheet.png"));
    const ToolRun run = Render({kSameForm, sheet, QStringLiteral("--sheet"), QStringLiteral("--control"), QStringLiteral("cmdD")});
    ASSERT_EQ(run.exitCode, 0) << Str(run.err);
    const QImage image(sheet);
    EXPECT_GE(image.width(), 7 * 120);
    EXPECT_GE(image.height(), 40 + 12);
    const ToolRun whole = Render({kSameForm, sheet, QStringLiteral("--sheet")});
    ASSERT_EQ(whole.exitCode, 0) << Str(whole.err);
    EXPECT_GE(QImage(sheet).width(), 300 * 4);
}

TEST(VemmixRender, AFormItCannotLoadEndsItWithOneMessage) {
    QTemporaryDir dir;
    const QString form = DataPath(QStringLiteral("forms/hostile/cyclic-parents.json"));
    const ToolRun run = Render({form, dir.filePath(QStringLiteral("x.png"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Str(run.err), Str(QStringLiteral("vemmix-render: ") + form +
                                QStringLiteral(": controls[0].parent: \"fraA\" is inside itself (fraA -> fraB -> fraA)\n")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.png"))));

    const ToolRun missing = Render({QStringLiteral("/nonexistent.json"), dir.filePath(QStringLiteral("x.png"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(Str(missing.err), "vemmix-render: /nonexistent.json: file: cannot be opened (No such file or directory)\n");

    const ToolRun unknown = Render({kSameForm, dir.filePath(QStringLiteral("x.png")), QStringLiteral("--control"), QStringLiteral("cmdZ")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(Str(unknown.err), Str(QStringLiteral("vemmix-render: ") + kSameForm + QStringLiteral(": no control is named \"cmdZ\"\n")));

    const ToolRun badState = Render({kSameForm, dir.filePath(QStringLiteral("x.png")), QStringLiteral("--state"), QStringLiteral("asleep")});
    EXPECT_EQ(badState.exitCode, 2);
    EXPECT_TRUE(badState.err.startsWith(QStringLiteral("vemmix-render: --state: \"asleep\""))) << Str(badState.err);
}

TEST(VemmixRender, PlaceholdersAreWarnedAboutAndDrawn) {
    QTemporaryDir dir;
    const ToolRun run = Render({DataPath(QStringLiteral("forms/every-key.json")), dir.filePath(QStringLiteral("every.png"))});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("warning:")) && run.err.contains(QStringLiteral("Acme.Gauge"))) << Str(run.err);
}

TEST(VemmixRender, HelpNamesEveryOption) {
    const ToolRun run = Render({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--control", "--state", "--sheet", "--scale", "--deterministic-text", "--desktop-colors",
                               "--visual-style", "--dpi", "--library", "released", "dropdown-pressed", "toggled"})
        EXPECT_TRUE(run.out.contains(QLatin1String(option))) << option;
}

}  // namespace
}  // namespace vemmix::hosttest
