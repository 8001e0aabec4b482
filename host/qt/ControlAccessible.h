// What assistive technology sees of a control window: a push button
// (checkable in Toggle Mode, with a "show menu" action in DropDown Mode)
// named by its caption, described by its tooltip text, with its states and
// actions that act as the user's input would.
#pragma once

#include <QAccessibleWidget>

namespace vemmix::qt {

class ControlWindow;

class ControlAccessible final : public QAccessibleWidget {
public:
    explicit ControlAccessible(ControlWindow* window);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    ControlWindow* button() const;
};

// Makes Qt's accessibility ask ControlAccessible for control windows; once
// per process, any number of calls.
void InstallControlAccessible();

}  // namespace vemmix::qt
