// The design of the DemoVemmix form frmMain: where each control goes and
// the properties set on it, in the order a person would set them in a
// designer. demo-design-form turns it into the saved form.
#pragma once

#include <optional>
#include <vector>

#include <QRect>
#include <QString>

#include <vemmix/StdObjects.h>
#include <vemmix/host/Form.h>

namespace demo::design {

struct Value {
    enum class Kind { Text, Colour, Number, Boolean, Font, Picture };
    Kind kind = Kind::Number;
    QString text;             // a text, or a picture's file in demo/pictures/
    std::int64_t number = 0;  // a number, a colour, a Boolean, or 1 for an icon picture
    vemmix::FontDescription font;
};

struct Setting {
    QString name;
    Value value;
};

struct Control {
    QString className;  // "Vemmix.Zorvane", "Frame" or "Label"
    QString name;
    std::optional<int> index;
    QString parent;
    QRect geometry;
    QString toolTipText;
    std::vector<Setting> settings;

    Control& Set(const QString& property, Value value) {
        settings.push_back({property, std::move(value)});
        return *this;
    }
};

struct Form {
    vemmix::host::FormSettings settings;
    std::vector<Control> controls;
    std::vector<vemmix::host::FormMenu> menus;
};

Form MainForm();

}  // namespace demo::design
