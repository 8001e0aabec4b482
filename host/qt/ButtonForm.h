// The form a Button hosts its control on: a FormWindow that is a part of
// another widget rather than a window of its own. The application's focus
// chain decides where Tab and the control's arrow keys go, showing it gives
// no focus, and it paints nothing, so the button's parent shows around a
// Shaped button.
#pragma once

#include <vemmix/qt/FormWindow.h>

namespace vemmix::qt {

class ButtonForm final : public FormWindow {
public:
    explicit ButtonForm(QWidget* parent) : FormWindow(parent) {}

protected:
    void showEvent(QShowEvent* event) override { QWidget::showEvent(event); }
    void paintEvent(QPaintEvent*) override {}

private:
    void MoveFocusFrom(ControlWindow*, bool forward) override {
        QWidget::focusNextPrevChild(forward);
    }
};

}  // namespace vemmix::qt
