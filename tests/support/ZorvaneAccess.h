// The tests reach the button's own C++ API behind the container's Control
// interface: they link the library's internals, so the object a headless
// site holds is the Zorvane class itself.
#pragma once

#include <stdexcept>
#include <string>

#include <vemmix/headless/HeadlessContainer.h>

#include "control/Zorvane.h"

namespace vemmix::headless {

// The button of a site; null for a control of another class.
inline Zorvane* ZorvaneOf(HeadlessSite& site) { return dynamic_cast<Zorvane*>(&site.control()); }

// A button that has had Initialize, InitProperties and Show.
inline Zorvane& AddButton(HeadlessForm& form, std::u16string name = u"Zorvane1",
                          gdi::RECT bounds = {0, 0, 100, 30}) {
    Zorvane* button = dynamic_cast<Zorvane*>(&form.AddButton(std::move(name), bounds));
    if (!button) throw std::runtime_error("the form's button is no Zorvane");
    return *button;
}

}  // namespace vemmix::headless
