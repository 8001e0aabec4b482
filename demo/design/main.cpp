// demo-design-form: designs the DemoVemmix form frmMain as a form designer
// would and saves it.
//
//   demo-design-form OUTPUT.json [PICTURES]
//
// Each button is placed, then its properties are set one by one through
// the control's own setters (so that choosing a style applies its preset
// and its theme colours, and choosing a picture effect derives the picture)
// and the form is saved with what every button writes. The pictures are
// read from the folder PICTURES (by default "pictures" beside the output
// file) and saved as references to "pictures/<name>" beside the form.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonObject>

#include <vemmix/Dispatch.h>
#include <vemmix/Errors.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/HostedForm.h>
#include <vemmix/host/Pictures.h>

#include "FormDesign.h"

using namespace vemmix;
using namespace vemmix::host;

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "demo-design-form: %s\n", qPrintable(message));
    return 1;
}

QJsonValue JsonOf(const demo::design::Value& value) {
    using K = demo::design::Value::Kind;
    switch (value.kind) {
        case K::Text:
            return value.text;
        case K::Colour:
            return QStringLiteral("&H%1&")
                .arg(static_cast<quint32>(value.number), 8, 16, QChar('0'))
                .toUpper();
        case K::Number:
            return static_cast<qint64>(value.number);
        case K::Boolean:
            return value.number != 0;
        case K::Font: {
            QJsonObject font{{QStringLiteral("name"), QString::fromStdU16String(value.font.name)},
                             {QStringLiteral("size"), value.font.size}};
            if (value.font.bold) font.insert(QStringLiteral("bold"), true);
            if (value.font.italic) font.insert(QStringLiteral("italic"), true);
            return font;
        }
        case K::Picture:
            break;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3)
        return Fail(QStringLiteral("usage: demo-design-form OUTPUT.json [PICTURES]"));
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QDir formDir = QFileInfo(output).absoluteDir();
    const QDir pictureDir(argc == 3 ? QString::fromLocal8Bit(argv[2])
                                    : formDir.filePath(QStringLiteral("pictures")));

    const demo::design::Form design = demo::design::MainForm();

    // The form with every control placed; labels and frames get their
    // properties here, buttons through their setters below.
    FormDocument document;
    document.form = design.settings;
    document.baseDirectory = formDir.absolutePath();
    document.menus = design.menus;
    for (const demo::design::Control& c : design.controls) {
        FormControl record;
        record.className = c.className;
        record.name = c.name;
        record.index = c.index;
        record.parent = c.parent;
        record.left = c.geometry.left();
        record.top = c.geometry.top();
        record.width = c.geometry.width();
        record.height = c.geometry.height();
        record.toolTipText = c.toolTipText;
        if (c.className != QLatin1String("Vemmix.Zorvane"))
            for (const demo::design::Setting& s : c.settings)
                record.properties.Set({s.name, JsonOf(s.value), nullptr});
        document.controls.push_back(std::move(record));
    }
    const std::shared_ptr<PictureSources> sources = document.pictures;

    auto registry = std::make_shared<ControlRegistry>();
    QString loadError;
    if (!registry->Load(ControlRegistry::DefaultLibrary(), &loadError)) return Fail(loadError);
    HostOptions options;
    options.deterministicText = true;  // nothing is drawn that is kept
    FormError error;
    std::unique_ptr<HostedForm> form = HostedForm::Load(document, registry, options, &error);
    if (!form) return Fail(error.Text());

    for (const demo::design::Control& c : design.controls) {
        if (c.className != QLatin1String("Vemmix.Zorvane")) continue;
        FormControl probe;
        probe.name = c.name;
        probe.index = c.index;
        const QString reference = probe.Reference();
        headless::HeadlessSite* site = form->Find(reference);
        if (!site) return Fail(reference + QStringLiteral(": not on the form"));
        for (const demo::design::Setting& s : c.settings) {
            Variant value;
            using K = demo::design::Value::Kind;
            switch (s.value.kind) {
                case K::Text:
                    value = Variant(s.value.text.toStdU16String());
                    break;
                case K::Colour:
                case K::Number:
                    value = Variant(static_cast<std::int32_t>(s.value.number));
                    break;
                case K::Boolean:
                    value = Variant::Boolean(s.value.number != 0);
                    break;
                case K::Font:
                    value = Variant(MakeFont(s.value.font));
                    break;
                case K::Picture: {
                    const QString file = QStringLiteral("pictures/") + s.value.text;
                    QString pictureError;
                    const QString path = pictureDir.filePath(s.value.text);
                    PictureRef picture =
                        LoadPicture(path, &pictureError,
                                    s.value.number ? PictureKind::Icon : PictureKind::Bitmap);
                    if (!picture) return Fail(path + QStringLiteral(": ") + pictureError);
                    sources->Remember(picture,
                                      QJsonObject{{QStringLiteral("type"),
                                                   s.value.number ? QStringLiteral("icon")
                                                                  : QStringLiteral("bitmap")},
                                                  {QStringLiteral("file"), file}});
                    value = Variant(picture);
                    break;
                }
            }
            const std::int32_t result =
                SetProperty(site->control(), s.name.toStdU16String(), std::move(value));
            if (result != errors::kNone)
                return Fail(QStringLiteral("%1.%2: error %3").arg(reference, s.name).arg(result));
        }
    }
    if (!form->problems().isEmpty()) return Fail(form->problems().join(QLatin1Char('\n')));

    QString writeError;
    if (!WriteFormFile(form->Save(), output, &writeError)) return Fail(writeError);
    std::printf("%s\n", qPrintable(output));
    return 0;
}
