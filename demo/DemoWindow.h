// DemoVemmix: the form frmMain brought to life in a window, and the little
// code the program has of its own. Every button comes from the saved form
// (created from "Vemmix.Zorvane" with its stored property set); this class
// only navigates between the seven pages, fills a few texts at start-up and
// opens the two popup menus.
//
// Pages (frames; exactly one is visible), as the navigation buttons
// cmdNavigate(0..6) show them; page 7 ends the program:
//   0 fraMain  1 fraAppearance  2 fraMode  3 fraPicture  4 fraFade
//   5 fraToolTip  6 fraOther
//
// The navigation menu MNav has seven items MNav_(0..6): "Main Info",
// "Appearance", "Mode", "Picture", "Fade", "Other", "Quit". An item shows
// the page its caption names: items 0 to 4 show pages 0 to 4, item 5
// ("Other") page 6, item 6 ("Quit") ends the program. The ToolTip /
// Unicode page has no item of its own; "Next" and its navigation button
// lead there.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QString>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/FormWindow.h>

namespace demo {

inline constexpr int kPageCount = 7;
// The page number that ends the program.
inline constexpr int kQuitPage = 7;
// The page each item of MNav shows, by the item's index.
inline constexpr std::array<int, 7> kMenuItemPages = {0, 1, 2, 3, 4, 6, kQuitPage};

// The saved form compiled into the program.
inline constexpr const char* kBuiltInForm = ":/demo/frmMain.json";

class DemoWindow {
public:
    // Reads the form (the built-in one when `formPath` is empty), loads it
    // into a new window and runs the start-up steps. Null, with `error`
    // saying why, when the form cannot be read or loaded.
    static std::unique_ptr<DemoWindow> Create(const QString& formPath, QString* error);
    ~DemoWindow();
    DemoWindow(const DemoWindow&) = delete;
    DemoWindow& operator=(const DemoWindow&) = delete;

    vemmix::qt::FormWindow& form() { return *m_Form; }
    // What did not load as written, one line each.
    const QStringList& problems() const { return m_Problems; }

    // The page shown, 0 .. 6; 7 once the form has been unloaded.
    int page() const { return m_Page; }
    // Presses the navigation button of `page` and shows it; page 7 unloads
    // the form, which ends the program.
    void ShowPage(int page);
    bool unloaded() const { return m_Unloaded; }
    // Told when the form is unloaded.
    std::function<void()> onUnload;

    // A control, frame or label of the form by name and, for an element of
    // a control array, index; null when none.
    vemmix::qt::ControlWindow* Find(const QString& name,
                                    std::optional<int> index = std::nullopt) const {
        return m_Form->Find(name, index);
    }

    // Shows each page in turn and writes its picture to DIR/page-N.png;
    // the page shown before is shown again. False, with `error` set, when
    // a file cannot be written.
    bool WriteScreenshots(const QString& directory, QString* error);

private:
    DemoWindow();
    void StartUp();
    std::int32_t OnEvent(vemmix::qt::ControlWindow& window, std::int32_t dispid);
    void OnMenuItem(const QString& menu, const vemmix::qt::MenuEntry& item);
    // Pops `menu` up at the left edge of `window`, just below it.
    void PopUpBelow(const QString& menu, const vemmix::qt::ControlWindow& window);

    // declared first: the form's controls go before their library
    vemmix::host::ControlRegistry m_Registry;
    std::unique_ptr<vemmix::qt::FormWindow> m_Form;
    QStringList m_Problems;
    int m_Page = 0;
    bool m_Unloaded = false;
};

}  // namespace demo
