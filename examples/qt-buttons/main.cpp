// A window with a few Zorvane buttons; every event they raise is printed,
// one line each, as the container's log writes it (MouseOver, which comes
// at every tick of the hover timer, once while it repeats):
//
//   cmdOK event MouseDown(1,0,41,12)
//   cmdOK event Click
//
// OK is the default button (Enter), Cancel the cancel button (Escape) and
// closes the window; Toggle keeps its state; More opens a menu from its
// drop-down zone and has a balloon tooltip; the round one is Shaped.
#include <cstdio>

#include <QApplication>

#include <vemmix/Dispatch.h>
#include <vemmix/Enums.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

using vemmix::Variant;
using vemmix::qt::ControlWindow;
using vemmix::qt::FormWindow;

namespace {

void Set(ControlWindow& window, std::u16string_view name, Variant value) {
    if (const std::int32_t error = vemmix::SetProperty(*window.control(), name, std::move(value)))
        std::fprintf(stderr, "%s: setting %s failed (error %d)\n", qPrintable(window.name()),
                     qPrintable(QString::fromUtf16(name.data(), name.size())), error);
}

// "cmdOK event MouseDown(1,0,41,12)"
std::string EventLine(ControlWindow& window, std::int32_t dispid, std::span<Variant> args) {
    const vemmix::typelib::Event* event = window.control()->GetTypeInfo().FindEvent(dispid);
    auto entry = vemmix::headless::LogEntry::Make(vemmix::headless::LogEntry::Kind::Event,
                                                  window.name().toStdU16String(),
                                                  event ? std::u16string(event->name) : u"?");
    entry.args.assign(args.begin(), args.end());
    return vemmix::headless::HeadlessForm::FormatLogEntry(entry);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FormWindow form;
    form.setWindowTitle(QStringLiteral("Vemmix – Zorvane buttons"));
    form.resize(380, 170);

    ControlWindow& ok = form.AddButton(QStringLiteral("cmdOK"), QRect(20, 20, 100, 32));
    Set(ok, u"Caption", u"&OK");
    ControlWindow& cancel = form.AddButton(QStringLiteral("cmdCancel"), QRect(140, 20, 100, 32));
    Set(cancel, u"Caption", u"&Cancel");
    Set(cancel, u"Appearance", vemmix::ecAppearance::Office2007);
    ControlWindow& toggle = form.AddButton(QStringLiteral("cmdToggle"), QRect(260, 20, 100, 32));
    Set(toggle, u"Caption", u"&Toggle");
    Set(toggle, u"Appearance", vemmix::ecAppearance::VistaSunrise);
    Set(toggle, u"AppearanceMode", vemmix::ecAppearanceMode::Toggle);
    ControlWindow& more = form.AddButton(QStringLiteral("cmdMore"), QRect(20, 80, 140, 32));
    Set(more, u"Caption", u"&More");
    Set(more, u"AppearanceMode", vemmix::ecAppearanceMode::DropDown);
    Set(more, u"ToolTipStyle", std::int32_t{1});  // balloon
    Set(more, u"ToolTipTitle", u"What's next ?");
    Set(more, u"ToolTipIcon", std::int32_t{1});  // information
    more.setToolTipText(QStringLiteral("Click here to see more..."));
    ControlWindow& shaped = form.AddButton(QStringLiteral("cmdShaped"), QRect(200, 80, 120, 60));
    Set(shaped, u"Caption", u"Shaped");
    Set(shaped, u"Appearance", vemmix::ecAppearance::Shaped);
    Set(shaped, u"ForeColor", std::int32_t{0x00C04000});

    form.setDefaultControl(&ok);
    form.setCancelControl(&cancel);
    form.AddMenu(QStringLiteral("mnuMore"), QStringLiteral("More"),
                 {{QStringLiteral("mnuItem"), 0, QStringLiteral("&First")},
                  {QStringLiteral("mnuItem"), 1, QStringLiteral("&Second")}});

    std::string last;
    form.onEvent = [&](ControlWindow& window, std::int32_t dispid, std::span<Variant> args) {
        const std::string line = EventLine(window, dispid, args);
        if (line != last || dispid != 9) std::printf("%s\n", line.c_str());  // 9: MouseOver
        last = line;
        std::fflush(stdout);
        if (dispid == 11 && &window == &more)  // DropDownClick: the menu below the button
            form.ShowPopupMenu(u"mnuMore", window.geometry().bottomLeft() + QPoint(0, 1));
        if (dispid == 1 && &window == &cancel) form.close();  // Click
        return 0;
    };
    form.onMenuItem = [](const QString& menu, const vemmix::qt::MenuEntry& item) {
        std::printf("%s menu %s(%d)\n", qPrintable(menu), qPrintable(item.name), item.index.value_or(-1));
        std::fflush(stdout);
    };
    form.show();
    return app.exec();
}
