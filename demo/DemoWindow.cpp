#include "DemoWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QStringList>

#include <vemmix/Dispatch.h>
#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormLoading.h>

namespace demo {
namespace {

using vemmix::qt::ControlWindow;

// dispatch identifiers of the button's events
constexpr std::int32_t kClick = 1;
constexpr std::int32_t kDropDownClick = 11;
// How long a page runs before its picture is taken, so that the fading
// captions show a colour between their two.
constexpr int kScreenshotSettleMs = 400;

const char* const kPages[kPageCount] = {"fraMain", "fraAppearance", "fraMode", "fraPicture",
                                        "fraFade", "fraToolTip",    "fraOther"};

// Lines joined by carriage return and line feed.
QString Lines(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines) list << QString::fromUtf8(line);
    return list.join(QStringLiteral("\r\n"));
}

// A text built from code points.
QString FromCodePoints(std::initializer_list<char32_t> codePoints) {
    return QString::fromUcs4(codePoints.begin(), static_cast<qsizetype>(codePoints.size()));
}

void SetCaption(ControlWindow* window, const QString& caption) {
    if (window && window->control())
        vemmix::SetProperty(*window->control(), u"Caption",
                            vemmix::Variant(caption.toStdU16String()));
}

void CallMethod(ControlWindow* window, std::u16string_view method) {
    if (!window || !window->control()) return;
    vemmix::Variant result;
    vemmix::CallMethod(*window->control(), method, {}, result);
}

bool Is(const ControlWindow& window, const char* name) {
    return window.name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

}  // namespace

DemoWindow::DemoWindow() : m_Form(std::make_unique<vemmix::qt::FormWindow>()) {}

DemoWindow::~DemoWindow() = default;

std::unique_ptr<DemoWindow> DemoWindow::Create(const QString& formPath, QString* error) {
    const QString path = formPath.isEmpty() ? QString::fromLatin1(kBuiltInForm) : formPath;
    vemmix::host::FormError formError;
    std::optional<vemmix::host::FormDocument> document =
        vemmix::host::ReadFormFile(path, &formError);
    if (!document) {
        if (error) *error = formError.Text();
        return nullptr;
    }
    std::unique_ptr<DemoWindow> demo(new DemoWindow());
    QString loadError;
    if (!demo->m_Registry.Load(vemmix::host::ControlRegistry::DefaultLibrary(), &loadError)) {
        if (error) *error = loadError;
        return nullptr;
    }
    if (!vemmix::qt::LoadForm(*demo->m_Form, *document, demo->m_Registry, &demo->m_Problems,
                              &loadError)) {
        if (error) *error = path + QStringLiteral(": ") + loadError;
        return nullptr;
    }
    for (const char* page : kPages)
        if (!demo->Find(QString::fromLatin1(page))) {
            if (error)
                *error = path +
                         QStringLiteral(": the form has no page %1").arg(QString::fromLatin1(page));
            return nullptr;
        }
    DemoWindow* self = demo.get();
    demo->m_Form->onEvent = [self](ControlWindow& window, std::int32_t dispid,
                                   std::span<vemmix::Variant>) {
        return self->OnEvent(window, dispid);
    };
    demo->m_Form->onMenuItem = [self](const QString& menu, const vemmix::qt::MenuEntry& item) {
        self->OnMenuItem(menu, item);
    };
    demo->StartUp();
    return demo;
}

// The start-up steps of the form.
void DemoWindow::StartUp() {
    if (ControlWindow* first = Find(QStringLiteral("cmdNavigate"), 0); first && first->control())
        vemmix::SetProperty(*first->control(), u"ToggleValue", vemmix::Variant::Boolean(true));
    ShowPage(0);

    SetCaption(Find(QStringLiteral("lblInfo")),
               Lines({"The most rewarded button now available in version 5.",
                      "Always fast and robust ActiveX",
                      "now it supports 10 default buttons, 5 default themes, ",
                      "Vista look, Office 2007,", "Gradient, Text fade,..."}));
    SetCaption(Find(QStringLiteral("lblOther")),
               Lines({"- Set BackColor and Text color for each button state "
                      "(normal/disabled/focus/mouse over)",
                      "- Apply effect to caption like Shadow, engraved,..., for the events you "
                      "want (on focus, "
                      "on mouse over,...)",
                      "- Draw border, border size, color...",
                      "- Adjust caption and picture position in pixel",
                      "- Set on events if you want the caption and/or picture move",
                      "- Stretch picture to fit button", "- Showfocus or not", "- and more..."}));

    SetCaption(Find(QStringLiteral("cmdUnicode_Thai")),
               FromCodePoints({0x0E20, 0x0E32, 0x0E29, 0x0E32, 0x0E44, 0x0E17, 0x0E22}));
    SetCaption(Find(QStringLiteral("cmdUnicode_Hebrew")),
               FromCodePoints({0x05E2, 0x05D1, 0x05E8, 0x05D9, 0x05EA}));
    SetCaption(Find(QStringLiteral("cmdUnicode_Russian")),
               FromCodePoints({0x0420, 0x0443, 0x0441, 0x0441, 0x043A, 0x0438, 0x0439}));
    SetCaption(Find(QStringLiteral("cmdUnicode_Greek")),
               FromCodePoints({0x0395, 0x03BB, 0x03BB, 0x03B7, 0x03BD, 0x03B9, 0x03BA, 0x03AC}));

    CallMethod(Find(QStringLiteral("buttonFade")), u"TextFade_Start");
    CallMethod(Find(QStringLiteral("cmdNavigate"), 4), u"TextFade_Start");
}

void DemoWindow::ShowPage(int page) {
    if (m_Unloaded) return;
    m_Page = page;
    for (int i = 0; i < kPageCount; ++i)
        if (ControlWindow* nav = Find(QStringLiteral("cmdNavigate"), i); nav && nav->control())
            vemmix::SetProperty(*nav->control(), u"ToggleValue",
                                vemmix::Variant::Boolean(i == page));
    if (page >= 0 && page < kPageCount) {
        for (int i = 0; i < kPageCount; ++i)
            if (ControlWindow* frame = Find(QString::fromLatin1(kPages[i])))
                frame->setVisible(i == page);
        return;
    }
    if (page == kQuitPage) {
        m_Unloaded = true;
        m_Form->close();
        if (onUnload) onUnload();
    }
}

std::int32_t DemoWindow::OnEvent(ControlWindow& window, std::int32_t dispid) {
    if (dispid == kClick) {
        if (Is(window, "cmdNavigate") && window.index())
            ShowPage(*window.index());
        else if (Is(window, "cmdNav_Next"))
            ShowPage(m_Page + 1);
    } else if (dispid == kDropDownClick) {
        if (Is(window, "cmdNav_Next")) {
            QCoreApplication::processEvents();
            PopUpBelow(QStringLiteral("MNav"), window);
        } else if (Is(window, "cmdDropDown")) {
            PopUpBelow(QStringLiteral("MTest"), window);
        }
    }
    return 0;
}

void DemoWindow::OnMenuItem(const QString& menu, const vemmix::qt::MenuEntry& item) {
    if (menu.compare(QLatin1String("MNav"), Qt::CaseInsensitive) != 0 || !item.index) return;
    if (*item.index >= 0 && *item.index < static_cast<int>(kMenuItemPages.size()))
        ShowPage(kMenuItemPages[static_cast<std::size_t>(*item.index)]);
}

void DemoWindow::PopUpBelow(const QString& menu, const ControlWindow& window) {
    // the button's left edge and bottom, in the form's coordinates (inside
    // a frame: its position there plus the frame's)
    m_Form->ShowPopupMenu(menu, window.mapTo(m_Form.get(), QPoint(0, window.height())));
}

bool DemoWindow::WriteScreenshots(const QString& directory, QString* error) {
    if (!QDir().mkpath(directory)) {
        if (error) *error = QStringLiteral("%1: cannot make the folder").arg(directory);
        return false;
    }
    const int shown = m_Page;
    for (int page = 0; page < kPageCount; ++page) {
        ShowPage(page);
        QElapsedTimer running;
        running.start();
        while (running.elapsed() < kScreenshotSettleMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, kScreenshotSettleMs);
        const QString file = QDir(directory).filePath(QStringLiteral("page-%1.png").arg(page));
        if (!m_Form->grab().save(file, "PNG")) {
            if (error) *error = QStringLiteral("%1: cannot be written").arg(file);
            ShowPage(shown);
            return false;
        }
    }
    ShowPage(shown);
    return true;
}

}  // namespace demo
