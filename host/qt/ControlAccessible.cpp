// The accessible interface of a control window.
#include "ControlAccessible.h"

#include <algorithm>

#include <vemmix/qt/ControlWindow.h>
#include <vemmix/qt/FormWindow.h>

#include "ControlProperties.h"

namespace vemmix::qt {

namespace {

constexpr std::int32_t kToggleMode = 1, kDropDownMode = 2;

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* window = qobject_cast<ControlWindow*>(object)) return new ControlAccessible(window);
    return nullptr;
}

}  // namespace

void InstallControlAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

ControlAccessible::ControlAccessible(ControlWindow* window)
    : QAccessibleWidget(window, QAccessible::Button) {}

ControlWindow* ControlAccessible::button() const { return static_cast<ControlWindow*>(widget()); }

QString ControlAccessible::text(QAccessible::Text t) const {
    Control* control = button()->control();
    switch (t) {
    case QAccessible::Name:
        return control ? CaptionWithoutAccessKey(CaptionOf(*control)) : QString();
    case QAccessible::Description: return button()->tooltipDescription();
    case QAccessible::Accelerator: {
        const std::u16string& keys = button()->accessKeys();
        if (keys.empty()) return {};
        return QStringLiteral("Alt+") + QString(QChar(keys.front())).toUpper();
    }
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    ControlWindow* w = button();
    state.focused = w->form().focusControl() == w;
    state.pressed = w->isHeld();
    state.hotTracked = w->isHotTracked();
    if (Control* control = w->control(); control && AppearanceModeOf(*control) == kToggleMode) {
        state.checkable = true;
        state.checked = ToggleValueOf(*control);
    }
    return state;
}

QStringList ControlAccessible::actionNames() const {
    QStringList names{pressAction()};
    Control* control = button()->control();
    const std::int32_t mode = control ? AppearanceModeOf(*control) : 0;
    if (mode == kToggleMode) names << toggleAction();
    if (mode == kDropDownMode) names << showMenuAction();
    return names;
}

// A click where the user would click: the middle of the button, left of a
// drop-down zone; the middle of the zone to show the menu.
void ControlAccessible::doAction(const QString& action) {
    ControlWindow* w = button();
    Control* control = w->control();
    if (!control || !actionNames().contains(action)) return;
    const double zone = AppearanceModeOf(*control) == kDropDownMode
                            ? std::clamp<double>(DropDownWidthOf(*control), 0, w->width())
                            : 0.0;
    const double y = w->height() / 2.0;
    if (action == showMenuAction()) w->clickAt(QPointF(w->width() - zone / 2.0, y));
    else w->clickAt(QPointF((w->width() - zone) / 2.0, y));
}

QStringList ControlAccessible::keyBindingsForAction(const QString& action) const {
    const QString accelerator = text(QAccessible::Accelerator);
    if (action == pressAction() && !accelerator.isEmpty()) return {accelerator};
    return {};
}

}  // namespace vemmix::qt
