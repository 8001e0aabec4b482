// One input script (data/shared-input.script describes its lines) run in
// the headless container and in the Qt container. The headless run turns
// each step into the notifications the Qt container sends for it (its
// documented translation: focus before the press, the second press of a
// double click as DblClick, modifier keys as keys of their own, Tab and
// the arrows through the tab order, Alt+key as the access key), so the two
// logs must agree line for line.
#pragma once

#include <optional>
#include <vector>

#include <QRect>
#include <QString>
#include <QStringList>

namespace vemmix::qt::test {

struct ScriptButton {
    QString name;
    QRect geometry;
    std::vector<std::pair<QString, QString>> properties;
};

struct ScriptStep {
    int line = 0;
    QString verb;
    QStringList args;
};

struct InputScript {
    QSize formSize{320, 160};
    std::vector<ScriptButton> buttons;
    std::vector<std::pair<QString, QString>> tooltips;  // control, text
    std::vector<ScriptStep> steps;  // after "show"

    // nullopt with `error` ("line 12: …") for a script that does not parse.
    static std::optional<InputScript> Read(const QString& path, QString* error);
};

// The log of each run, with each run of MouseOver lines shortened to one:
// how many ticks of a real timer find the pointer resting on a button
// depends on the clock.
QStringList RunHeadless(const InputScript& script);
QStringList RunQt(const InputScript& script);

}  // namespace vemmix::qt::test
