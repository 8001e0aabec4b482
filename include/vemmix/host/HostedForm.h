// A saved form brought to life on a headless form: its controls created
// through the control registry (or, for "Frame" and "Label", by the
// container itself), their property sets read, the platform answering from
// the desktop, captions drawn by the Qt text renderer; then saved again,
// or rendered to an image in any state.
//
// A control whose class cannot be created loads as a visible placeholder
// that keeps its property set and writes it back unchanged; it and every
// key a control refused are reported by problems(). The headless form's
// tab order is the creation order.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QImage>
#include <QString>
#include <QStringList>

#include <vemmix/headless/HeadlessContainer.h>
#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Export.h>
#include <vemmix/host/Form.h>

namespace vemmix::host {

// The looks a control can be rendered in, driven the way a container
// drives it: the pointer over it (hover), the focus, a press in its middle
// (pressed) or in its drop-down zone at the right edge (dropdown-pressed),
// Toggle mode with ToggleValue True (toggled), Enabled False (disabled).
enum class ControlState { Released, Hover, Focus, Pressed, DropDownPressed, Toggled, Disabled };
inline constexpr std::array kControlStates = {
    ControlState::Released, ControlState::Hover,   ControlState::Focus,   ControlState::Pressed,
    ControlState::DropDownPressed, ControlState::Toggled, ControlState::Disabled};
// "released", "hover", "focus", "pressed", "dropdown-pressed", "toggled", "disabled".
VEMMIX_HOST_EXPORT QString StateName(ControlState state);
VEMMIX_HOST_EXPORT std::optional<ControlState> ParseControlState(QStringView name);

struct HostOptions {
    // The built-in deterministic text renderer instead of Qt's.
    bool deterministicText = false;
    // The desktop palette's system colours instead of the classic table.
    bool desktopColors = false;
    // Overrides both the environment (kVisualStyleVariable) and the form.
    std::optional<VisualStyleSetting> visualStyle;
    // Screen resolution in dots per inch; 0: the desktop's.
    int dpi = 0;
};

class VEMMIX_HOST_EXPORT HostedForm {
public:
    // The form with all its controls, shown; null with `error` set when
    // the document is unsound (CheckForm). `registry` stays alive as long
    // as the form.
    static std::unique_ptr<HostedForm> Load(FormDocument document,
                                            std::shared_ptr<const ControlRegistry> registry,
                                            const HostOptions& options, FormError* error);
    ~HostedForm();
    HostedForm(const HostedForm&) = delete;
    HostedForm& operator=(const HostedForm&) = delete;

    headless::HeadlessForm& form();
    // The document as it was loaded.
    const FormDocument& document() const;
    // What did not load as written, one line each, located as errors are
    // ("controls[3].properties.Depth: …").
    const QStringList& problems() const;

    // A control by its reference ("cmdOK", "cmdNav(2)"); null when none.
    headless::HeadlessSite* Find(QStringView reference);
    bool IsPlaceholder(QStringView reference) const;

    // The form as it is now: every control writes its properties again,
    // after the container's _ExtentX and _ExtentY; a placeholder gives its
    // set back as it was read.
    FormDocument Save();

    // The form as its windows show it now: its back colour, then each
    // visible control's window in creation order, the contents of a frame
    // over the frame and clipped by it.
    QImage Render();
    // The same with every control in `state`, each driven on a form of its
    // own so that states do not meet (one focus, one pointer).
    QImage Render(ControlState state);
    // One control's window in `state` (ARGB32, transparent where a shaped
    // window is not); a null image for an unknown reference.
    QImage RenderControl(QStringView reference, ControlState state);

private:
    struct Impl;
    explicit HostedForm(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_Impl;
};

}  // namespace vemmix::host
