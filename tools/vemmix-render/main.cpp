// vemmix-render FORM OUT.png [options]: a saved form, or one control of it,
// rendered headless to PNG, in a chosen state or as a contact sheet of all
// states.
#include <cstdio>
#include <memory>

#include <QCommandLineParser>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Desktop.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/HostedForm.h>

using namespace vemmix::host;

namespace {

constexpr int kMaxScale = 16;
// The most pixels an image written may have (256 MiB of memory).
constexpr qint64 kMaxImagePixels = 64 * 1024 * 1024;
// The contact sheet's spacing: between cells, and the label above each.
constexpr int kGap = 8, kLabel = 18;

void Say(const QString& text) { std::fprintf(stderr, "vemmix-render: %s\n", qPrintable(text)); }

int Fail(const QString& text) {
    Say(text);
    return 1;
}

// The states side by side, each under its name, on a grey sheet.
QImage ContactSheet(const std::vector<std::pair<QString, QImage>>& cells) {
    int cellWidth = 1, cellHeight = 1;
    for (const auto& [name, image] : cells) {
        cellWidth = std::max({cellWidth, image.width(), 110});
        cellHeight = std::max(cellHeight, image.height());
    }
    const int columns = std::clamp(1600 / (cellWidth + kGap), 1, static_cast<int>(cells.size()));
    const int rows = (static_cast<int>(cells.size()) + columns - 1) / columns;
    QImage sheet(kGap + columns * (cellWidth + kGap), kGap + rows * (kLabel + cellHeight + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x50, 0x50, 0x50));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int x = kGap + static_cast<int>(i % columns) * (cellWidth + kGap);
        const int y = kGap + static_cast<int>(i / columns) * (kLabel + cellHeight + kGap);
        painter.drawText(QRect(x, y, cellWidth, kLabel), Qt::AlignLeft | Qt::AlignVCenter, cells[i].first);
        painter.drawImage(x, y + kLabel, cells[i].second);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    // headless unless the caller chose a platform
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vemmix-render"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders a saved form (docs/forms.md), or one control of it, headless to a PNG image.\n"
        "A form that cannot be read ends the program with status 1 and one message naming the\n"
        "file and what is wrong; controls that load only in part are reported as warnings."));
    parser.addPositionalArgument(QStringLiteral("FORM"), QStringLiteral("The saved form (JSON)."));
    parser.addPositionalArgument(QStringLiteral("OUT.png"), QStringLiteral("The image to write."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption control(QStringLiteral("control"),
                                     QStringLiteral("Renders only the control NAME (\"cmdOK\", or \"cmdNav(2)\" "
                                                    "for an element of a control array)."),
                                     QStringLiteral("NAME"));
    const QCommandLineOption state(
        QStringLiteral("state"),
        QStringLiteral("The state to render the control (or every control) in: released, hover, focus, "
                       "pressed, dropdown-pressed, toggled (Toggle mode, ToggleValue True) or disabled. "
                       "Default: the form as loaded."),
        QStringLiteral("STATE"));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Renders a contact sheet of all seven states, each labelled."));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Enlarges the image N times (1 to 16), each pixel an N x N block."),
                                   QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption deterministic(
        QStringLiteral("deterministic-text"),
        QStringLiteral("Draws text with the built-in deterministic renderer (boxes, the same on every "
                       "machine) instead of real fonts."));
    const QCommandLineOption desktopColors(QStringLiteral("desktop-colors"),
                                           QStringLiteral("Takes the system colours from the desktop palette "
                                                          "instead of the classic table."));
    const QCommandLineOption visualStyle(
        QStringLiteral("visual-style"),
        QStringLiteral("Overrides the visual style of the form and of VEMMIX_VISUAL_STYLE: auto, none, blue, "
                       "olive, silver or royal."),
        QStringLiteral("STYLE"));
    const QCommandLineOption dpi(QStringLiteral("dpi"),
                                 QStringLiteral("The screen resolution in dots per inch (default: the desktop's)."),
                                 QStringLiteral("N"));
    const QCommandLineOption library(
        QStringLiteral("library"),
        QStringLiteral("Loads another control library (a file name or path) besides %1; may be repeated.")
            .arg(ControlRegistry::DefaultLibrary()),
        QStringLiteral("FILE"));
    parser.addOptions({help, control, state, sheet, scale, deterministic, desktopColors, visualStyle, dpi, library});

    if (!parser.parse(app.arguments())) {
        Say(parser.errorText());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2) {
        Say(QStringLiteral("expected FORM and OUT.png (see --help)"));
        return 2;
    }
    const QString formPath = arguments[0];
    const QString outPath = arguments[1];

    HostOptions options;
    options.deterministicText = parser.isSet(deterministic);
    options.desktopColors = parser.isSet(desktopColors);
    if (parser.isSet(visualStyle)) {
        options.visualStyle = ParseVisualStyle(parser.value(visualStyle));
        if (!options.visualStyle) {
            Say(QStringLiteral("--visual-style: \"%1\" is not auto, none, blue, olive, silver or royal")
                    .arg(parser.value(visualStyle)));
            return 2;
        }
    }
    if (parser.isSet(dpi)) {
        bool ok = false;
        options.dpi = parser.value(dpi).toInt(&ok);
        if (!ok || options.dpi < 24 || options.dpi > 960) {
            Say(QStringLiteral("--dpi: \"%1\" is not a resolution from 24 to 960").arg(parser.value(dpi)));
            return 2;
        }
    }
    bool scaleOk = false;
    const int factor = parser.value(scale).toInt(&scaleOk);
    if (!scaleOk || factor < 1 || factor > kMaxScale) {
        Say(QStringLiteral("--scale: \"%1\" is not a whole number from 1 to %2").arg(parser.value(scale)).arg(kMaxScale));
        return 2;
    }
    std::optional<ControlState> chosen;
    if (parser.isSet(state)) {
        chosen = ParseControlState(parser.value(state));
        if (!chosen) {
            Say(QStringLiteral("--state: \"%1\" is not released, hover, focus, pressed, dropdown-pressed, "
                               "toggled or disabled").arg(parser.value(state)));
            return 2;
        }
    }

    auto registry = std::make_shared<ControlRegistry>();
    QString loadError;
    if (!registry->Load(ControlRegistry::DefaultLibrary(), &loadError)) return Fail(loadError);
    for (const QString& file : parser.values(library))
        if (!registry->Load(file, &loadError)) return Fail(loadError);

    FormError error;
    std::optional<FormDocument> document = ReadFormFile(formPath, &error);
    if (!document) return Fail(error.Text());
    std::unique_ptr<HostedForm> form = HostedForm::Load(std::move(*document), registry, options, &error);
    if (!form) {
        error.file = formPath;
        return Fail(error.Text());
    }
    for (const QString& problem : form->problems()) Say(QStringLiteral("warning: %1: %2").arg(formPath, problem));

    const QString name = parser.value(control);
    if (parser.isSet(control) && !form->Find(name))
        return Fail(QStringLiteral("%1: no control is named \"%2\"").arg(formPath, name));
    // what is drawn is checked for size before it is drawn
    const FormControl* one = form->document().Find(name);
    const QSize cell = parser.isSet(control) ? QSize(one->width, one->height)
                                             : QSize(form->document().form.width, form->document().form.height);
    const qint64 cells = parser.isSet(sheet) ? static_cast<qint64>(kControlStates.size()) : 1;
    const qint64 pixels = cells * (cell.width() + kGap) * (cell.height() + kLabel + kGap) * factor * factor;
    if (pixels > kMaxImagePixels)
        return Fail(QStringLiteral("%1: the image would have more than %2 pixels").arg(formPath).arg(kMaxImagePixels));
    const auto render = [&](std::optional<ControlState> s) {
        if (parser.isSet(control)) return form->RenderControl(name, s.value_or(ControlState::Released));
        return s ? form->Render(*s) : form->Render();
    };
    QImage image;
    if (parser.isSet(sheet)) {
        std::vector<std::pair<QString, QImage>> cells;
        for (ControlState s : kControlStates) cells.emplace_back(StateName(s), render(s));
        image = ContactSheet(cells);
    } else {
        image = render(chosen);
    }
    if (image.isNull()) return Fail(QStringLiteral("%1: nothing to render").arg(formPath));
    if (factor > 1)
        image = image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
    if (!image.save(outPath, "PNG")) return Fail(QStringLiteral("%1: cannot be written").arg(outPath));
    return 0;
}
