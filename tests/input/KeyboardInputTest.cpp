// Keys and focus: Click at key down, arguments changed by the host, arrow
// keys moving the focus, the focus flags.
#include "tests/input/InputFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

using KeyboardInput = InputTest;

TEST_F(KeyboardInput, SpaceClicksAtKeyDownWithoutThePressedLook) {
    Run({
        {"key 32",   {"event KeyDown(32,0)", "event Click", "repaint up"}},
        {"flags",    {"flags: MouseDown"}},
        {"keyup 32", {"event KeyUp(32,0)", "repaint up"}},
        {"flags",    {"flags: none"}},
    });
}

TEST_F(KeyboardInput, EnterClicksAtKeyDownAndShowsPressedUntilKeyUp) {
    Run({
        {"key 13",   {"event KeyDown(13,0)", "event Click", "repaint down"}},
        {"flags",    {"flags: Pressed MouseDown"}},
        // auto-repeat clicks again
        {"key 13",   {"event KeyDown(13,0)", "event Click", "repaint down"}},
        {"keyup 13", {"event KeyUp(13,0)", "repaint up"}},
        {"flags",    {"flags: none"}},
    });
}

TEST_F(KeyboardInput, OtherKeysRaiseOnlyTheirEvents) {
    Run({
        {"key 65",   {"event KeyDown(65,0)"}},
        {"press 97", {"event KeyPress(97)"}},
        {"keyup 65", {"event KeyUp(65,0)"}},
    });
}

TEST_F(KeyboardInput, ToggleModeFlipsAfterClickByKeys) {
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    form.ClearLog();
    std::vector<VBool> toggleDuringClick;
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "Click") toggleDuringClick.push_back(btn().ToggleValue());
        return 0;
    });
    Run({
        {"key 32",   {"event KeyDown(32,0)", "event Click", "repaint down"}},  // toggled on
        {"keyup 32", {"event KeyUp(32,0)", "repaint down"}},
        {"key 13",   {"event KeyDown(13,0)", "event Click", "repaint down"}},  // pressed
        {"keyup 13", {"event KeyUp(13,0)", "repaint up"}},
        {"flags",    {"flags: none"}},
    });
    EXPECT_EQ(toggleDuringClick, (std::vector<VBool>{kFalse, kTrue}));
}

TEST_F(KeyboardInput, KeyDownHandlerZeroingKeyCodePreventsTheClick) {
    OnEvent([&](const std::string& event, std::span<Variant> args) {
        if (event == "KeyDown" || event == "KeyUp") args[0] = Variant(std::int16_t{0});
        return 0;
    });
    Run({
        {"key 32", {"event KeyDown(0,0)"}},
        {"key 13", {"event KeyDown(0,0)"}},
        {"flags",  {"flags: none"}},
    });
    EXPECT_EQ(lastKeyCode, 0);  // written back to the container's variable
}

TEST_F(KeyboardInput, KeyUpHandlerZeroingKeyCodePreventsTheRelease) {
    bool zero = false;
    OnEvent([&](const std::string& event, std::span<Variant> args) {
        if (event == "KeyUp" && zero) args[0] = Variant(std::int16_t{0});
        return 0;
    });
    Run({{"key 13", {"event KeyDown(13,0)", "event Click", "repaint down"}}});
    zero = true;
    Run({
        {"keyup 13", {"event KeyUp(0,0)"}},
        {"flags",    {"flags: Pressed MouseDown"}},
    });
    EXPECT_EQ(lastKeyCode, 0);
}

TEST_F(KeyboardInput, KeyDownHandlerMayTurnAnyKeyIntoEnter) {
    OnEvent([&](const std::string& event, std::span<Variant> args) {
        if (event == "KeyDown") args[0] = Variant(std::int16_t{13});
        return 0;
    });
    Run({{"key 65", {"event KeyDown(13,0)", "event Click", "repaint down"}}});
}

TEST_F(KeyboardInput, KeyPressHandlerChangesKeyAscii) {
    OnEvent([&](const std::string& event, std::span<Variant> args) {
        if (event == "KeyPress") args[0] = Variant(std::int16_t{0});
        return 0;
    });
    Run({{"press 97", {"event KeyPress(0)"}}});
    EXPECT_EQ(lastKeyAscii, 0);
}

// The key-down handler ignores errors of host handlers and goes on.
TEST_F(KeyboardInput, HostErrorsDoNotStopTheKeyDownHandler) {
    OnEvent([&](const std::string&, std::span<Variant>) { return 5; });
    Run({
        {"key 13", {"event KeyDown(13,0)", "event Click", "repaint down"}},
        {"flags",  {"flags: Pressed MouseDown"}},
    });
    EXPECT_EQ(btn().Value(), kFalse);
}

class ArrowKeys : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        AddButton(form, u"Other", {0, 40, 100, 70});
        Do("focus");
        form.ClearLog();
    }
};

TEST_F(ArrowKeys, RightAndDownMoveTheFocusForward) {
    for (const char* key : {"key 39", "key 40"}) {
        SCOPED_TRACE(key);
        Do("focus");
        form.ClearLog();
        const std::vector<std::string> lines = Do(key);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], std::string("event KeyDown(") + (key + 4) + ",0)");
        EXPECT_EQ(lines[1], "focus next");
        EXPECT_EQ(Count(lines, "event Click"), 0);
        EXPECT_EQ(form.focus(), form.Find(u"Other"));
    }
}

TEST_F(ArrowKeys, LeftAndUpMoveTheFocusBack) {
    for (const char* key : {"key 37", "key 38"}) {
        SCOPED_TRACE(key);
        Do("focus");
        form.ClearLog();
        const std::vector<std::string> lines = Do(key);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], std::string("event KeyDown(") + (key + 4) + ",0)");
        EXPECT_EQ(lines[1], "focus previous");
        EXPECT_EQ(Count(lines, "event Click"), 0);
    }
}

TEST_F(ArrowKeys, LosingTheFocusClearsPressedAndRepaints) {
    Run({
        {"key 13", {"event KeyDown(13,0)", "event Click", "repaint down"}},
        {"blur",   {"repaint up", "repaint up"}},  // LostFocus, then ExitFocus
        {"flags",  {"flags: MouseDown"}},
    });
}

TEST_F(KeyboardInput, FocusGainedAndLost) {
    Run({
        {"focus", {"repaint focus"}},
        {"flags", {"flags: HasFocus"}},
        {"blur",  {"repaint up", "repaint up"}},
        {"flags", {"flags: none"}},
    });
}

}  // namespace
}  // namespace vemmix::test
