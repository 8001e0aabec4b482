// A window with a few buttons; every event they raise is printed.
#include <cstdio>

#include <QApplication>

#include <vemmix/Dispatch.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vemmix::qt::FormWindow form;
    form.resize(320, 200);
    form.setLogging(true);
    auto& ok = form.AddButton(QStringLiteral("cmdOK"), QRect(20, 20, 120, 32));
    vemmix::SetProperty(*ok.control(), u"Caption", std::u16string(u"&OK"));
    form.onEvent = [](vemmix::qt::ControlWindow& window, std::int32_t dispid, std::span<vemmix::Variant>) {
        std::printf("%s event %d\n", qPrintable(window.name()), dispid);
        return 0;
    };
    form.show();
    return app.exec();
}
