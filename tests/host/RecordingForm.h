// A headless form populated with recording controls, for container tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <vemmix/headless/HeadlessContainer.h>
#include "tests/support/RecordingControl.h"

namespace vemmix::test {

class RecordingFormTest : public ::testing::Test {
protected:
    // A recording control named `name` whose calls go into `journal` as
    // "<name> <call>".
    headless::HeadlessSite& Add(const std::string& name, gdi::RECT bounds = {0, 0, 20, 20}) {
        std::u16string wide(name.begin(), name.end());
        headless::HeadlessSite* site = form.AddCustomControl(
            [this, name](ControlSite& s) {
                return std::make_unique<RecordingControl>(s, &journal, name);
            },
            wide, bounds);
        EXPECT_NE(site, nullptr);
        return *site;
    }
    RecordingControl& Control(headless::HeadlessSite& site) {
        return static_cast<RecordingControl&>(site.control());
    }
    // The journal from here on.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(journal);
        return taken;
    }

    // Declared first: the form's controls write into it until the form is gone.
    std::vector<std::string> journal;
    headless::HeadlessForm form;
};

}  // namespace vemmix::test
