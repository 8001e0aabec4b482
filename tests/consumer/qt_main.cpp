// A program of a stranger's on the Qt container: a saved form read from
// JSON, loaded into a window on the offscreen platform, its button drawn.
#include <cstdio>

#include <QApplication>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vemmix::host::ControlRegistry registry;
    QString error;
    if (!registry.Load(vemmix::host::ControlRegistry::DefaultLibrary(), &error)) {
        std::printf("no control library: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray json = R"({"format": "vemmix-form", "version": 1,
        "form": {"width": 120, "height": 40},
        "controls": [{"class": "Vemmix.Zorvane", "name": "cmdOK", "left": 10, "top": 5,
                      "width": 100, "height": 30, "properties": {"Caption": "OK"}}]})";
    vemmix::host::FormError formError;
    const auto doc = vemmix::host::ReadForm(json, QStringLiteral("consumer.json"), {}, &formError);
    if (!doc) {
        std::printf("the form is not read: %s\n", qPrintable(formError.Text()));
        return 1;
    }
    vemmix::qt::FormWindow form;
    if (!vemmix::qt::LoadForm(form, *doc, registry, nullptr, &error)) {
        std::printf("the form does not load: %s\n", qPrintable(error));
        return 1;
    }
    form.show();
    QApplication::processEvents();
    const vemmix::qt::ControlWindow* ok = form.Find(u"cmdOK");
    if (!ok || ok->image().size() != QSize(100, 30)) {
        std::printf("no button drawn\n");
        return 1;
    }
    std::printf("Qt form with %zu control(s), saved as %lld bytes\n", form.controls().size(),
                static_cast<long long>(vemmix::host::WriteForm(vemmix::qt::SaveForm(form)).size()));
    return 0;
}
