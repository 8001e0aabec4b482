// The fixture of the input tests: a flat 100 x 30 button whose face colour
// names its state, and a small script language so that each test reads as
// a table of input → exactly what the form saw.
//
//     Run({
//         {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
//         {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
//     });
//
// Inputs (coordinates in client pixels of the button, may be fractional):
//   down X Y [B]    mouse down (pointer moves there)     up X Y [B]   mouse up
//   move X Y        mouse move                            dbl          double click
//   key C           key down with KeyCode C               keyup C      key up
//   press A         key press with KeyAscii A             access A     access-key press
//   focus / blur    the form gives / takes the focus      tick MS      run the virtual clock
//   pointer X Y     the pointer moves without a message   away         the pointer leaves the form
//   value           Value = True                          fadestart / fadestop   TextFade_Start / _Stop
//   flags           writes "flags: …" with the True flags of the button
//
// Lines are the form's log lines without the "Zorvane1 " prefix; a repaint
// of Zorvane1 is written "repaint <face>", the face read from the window
// pixel (2, 2): up, down, over, focus or disabled (each state has its own
// back colour), else the colour in hex.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "control/Zorvane.h"
#include "tests/support/ButtonFixture.h"

namespace vemmix::test {

// Face colours of the fixture, one per state.
constexpr OleColor kUpColor = 0x000010;
constexpr OleColor kDownColor = 0x000020;
constexpr OleColor kOverColor = 0x000030;
constexpr OleColor kFocusColor = 0x000040;
constexpr OleColor kDisabledColor = 0x000050;

struct ScriptStep {
    std::string input;
    std::vector<std::string> expected;
};

class InputTest : public ButtonTest {
protected:
    void SetUp() override;

    // A flat face without border, caption, focus rectangle or fade: the
    // whole face shows the state colour. `fadeSpeed` false keeps the speed
    // as it is (a loaded value the setter would clamp).
    void UseKnownState(bool fadeSpeed = true);

    // Runs each step and checks the lines it produced, exactly and in order.
    void Run(const std::vector<ScriptStep>& steps);
    // Runs one input and returns its lines.
    std::vector<std::string> Do(const std::string& input);
    // Lines of the log from `mark` on, in the script's notation.
    std::vector<std::string> ScriptLines(std::size_t mark) const;

    // The host's event handler; names are the event names of the log.
    using Handler = std::function<std::int32_t(const std::string& event, std::span<Variant> args)>;
    void OnEvent(Handler handler);

    // Counts the events of a name in the lines.
    static int Count(const std::vector<std::string>& lines, const std::string& line);

    // What the last key input left in the container's variable.
    std::int16_t lastKeyCode = 0;
    std::int16_t lastKeyAscii = 0;
    std::int32_t lastError = 0;
};

}  // namespace vemmix::test
