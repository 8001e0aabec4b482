// Access keys (including the form's default and cancel keys) and the Value
// property.
#include "tests/input/InputFixture.h"

#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::test {
namespace {

using AccessKey = InputTest;

// What every access-key press starts with.
const std::vector<std::string> kPress = {"event MouseDown(1,0,0,0)", "repaint down"};

std::vector<std::string> Then(std::vector<std::string> lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

struct AccessCase {
    const char16_t* caption;
    std::int16_t keyAscii;
    bool clicks;  // else the key is swallowed
};

class AccessKeys : public InputTest, public ::testing::WithParamInterface<AccessCase> {};

TEST_P(AccessKeys, ClickOrSwallow) {
    const AccessCase c = GetParam();
    btn().SetCaption(c.caption);
    form.ClearLog();
    const std::vector<std::string> lines = Do("access " + std::to_string(c.keyAscii));
    if (c.clicks) {
        EXPECT_EQ(lines, Then(kPress, {"repaint down", "event Click"}));
        EXPECT_EQ(lastKeyAscii, c.keyAscii);
    } else {
        EXPECT_EQ(lines, kPress);
        EXPECT_EQ(lastKeyAscii, 0);
    }
    EXPECT_TRUE(site->TimerEnabled(TimerId::Over));
}

INSTANTIATE_TEST_SUITE_P(Captions, AccessKeys,
                         ::testing::Values(
                             //        caption        KeyAscii   clicks
                             AccessCase{u"&Go",        'g',       true},   // lower case of the key
                             AccessCase{u"&Go",        'G',       true},   // the key as stored
                             AccessCase{u"&Go",        'o',       false},
                             AccessCase{u"R&&D &Go",   'g',       true},   // "&&" is literal
                             AccessCase{u"R&&D &Go",   'D',       false},
                             AccessCase{u"R&&D &Go",   'R',       false},
                             AccessCase{u"Save&",      'e',       false},  // trailing marker: no key
                             AccessCase{u"Save&",      27,        true},   // Escape always
                             AccessCase{u"A&&B",       'b',       false},
                             AccessCase{u"Plain",      'p',       false},
                             AccessCase{u"Plain",      27,        true},
                             AccessCase{u"&\u0394elta", 0x03B4,   true},   // Greek capital, typed small
                             AccessCase{u"&go",        'G',       false})); // only lower case is derived

TEST_F(AccessKey, AccessKeyInToggleModeFlipsBeforeClick) {
    btn().SetCaption(u"&Go");
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    form.ClearLog();
    std::vector<VBool> toggleDuringClick;
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "Click") toggleDuringClick.push_back(btn().ToggleValue());
        return 0;
    });
    Run({{"access 103", Then(kPress, {"repaint down", "event Click"})}});
    EXPECT_EQ(toggleDuringClick, (std::vector<VBool>{kTrue}));
}

// A loaded form sets the key at the end of ReadProperties; the press
// matches the key the container was given, not some other reading.
TEST_F(AccessKey, LoadedCaptionGivesTheKeyTheContainerHolds) {
    headless::MemoryPropertyBag bag;
    bag.Set(u"Caption", Variant(std::u16string(u"R&&D &Open")));
    btn().ReadProperties(bag);
    ASSERT_EQ(site->accessKeys(), u"O");
    form.ClearLog();
    EXPECT_EQ(Count(Do("access 111"), "event Click"), 1);  // 'o'
    EXPECT_EQ(lastKeyAscii, 111);
    EXPECT_EQ(Count(Do("access 100"), "event Click"), 0);  // 'd' of the literal "&&D"
    EXPECT_EQ(lastKeyAscii, 0);
}

TEST_F(AccessKey, EnterWithPointerElsewhereStaysPressedUntilTheNextTick) {
    Run({
        {"access 13", Then(kPress, {"event KeyDown(13,0)", "event Click", "repaint down"})},
        {"flags",     {"flags: Pressed MouseDown"}},
        // MouseOut although MouseOver was never raised
        {"tick 10",   {"repaint up", "event MouseOut"}},
        {"tick 10",   {}},
        {"flags",     {"flags: MouseDown"}},
    });
    EXPECT_FALSE(site->TimerEnabled(TimerId::Over));
}

TEST_F(AccessKey, EnterWithPointerOverReleasesAtOnce) {
    Run({
        {"move 5 5",  {"event MouseMove(0,0,5,5)"}},
        {"tick 10",   {"repaint over", "event MouseOver"}},
        {"access 13", Then(kPress, {"event KeyDown(13,0)", "event Click", "repaint down",
                                    "repaint over"})},
        {"flags",     {"flags: MouseOver"}},
        {"tick 10",   {"event MouseOver"}},
    });
}

TEST_F(AccessKey, AccessKeyWithPointerOverKeepsThePressedLook) {
    btn().SetCaption(u"&Go");
    form.ClearLog();
    Run({
        {"move 5 5",   {"event MouseMove(0,0,5,5)"}},
        {"tick 10",    {"repaint over", "event MouseOver"}},
        {"access 103", Then(kPress, {"repaint down", "event Click"})},
        {"tick 10",    {"event MouseOver"}},
        {"flags",      {"flags: Pressed MouseDown MouseOver"}},
        {"up 5 5",     {"event Click", "event MouseUp(1,0,5,5)", "repaint over"}},
    });
}

TEST_F(AccessKey, SwallowedKeyStillPressesUntilThePointerTickClearsIt) {
    btn().SetCaption(u"&Go");
    form.ClearLog();
    Run({
        {"access 120", kPress},
        {"tick 10",    {"repaint up", "event MouseOut"}},
    });
    EXPECT_EQ(lastKeyAscii, 0);
}

TEST_F(AccessKey, DisabledButtonIgnoresAccessKeys) {
    btn().SetCaption(u"&Go");
    btn().SetEnabled(kFalse);
    form.ClearLog();
    Run({{"access 103", {}}});
    EXPECT_EQ(lastKeyAscii, 'g');
    EXPECT_FALSE(site->TimerEnabled(TimerId::Over));
}

TEST_F(AccessKey, HostErrorsAfterThePressAreIgnored) {
    btn().SetCaption(u"&Go");
    form.ClearLog();
    OnEvent([&](const std::string& event, std::span<Variant>) { return event == "Click" ? 5 : 0; });
    Run({{"access 103", Then(kPress, {"repaint down", "event Click"})}});
    EXPECT_TRUE(site->TimerEnabled(TimerId::Over));
}

TEST_F(AccessKey, HostErrorInTheMouseDownStepEndsTheHandler) {
    btn().SetCaption(u"&Go");
    form.ClearLog();
    OnEvent([&](const std::string& event, std::span<Variant>) { return event == "MouseDown" ? 5 : 0; });
    Run({{"access 120", {"event MouseDown(1,0,0,0)"}}});
    EXPECT_EQ(lastKeyAscii, 'x');
}

// ---- Value ---------------------------------------------------------------------

using ValueProperty = InputTest;

TEST_F(ValueProperty, SettingTrueAtRunTimeRaisesExactlyOneClick) {
    std::vector<VBool> valueDuringClick;
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "Click") valueDuringClick.push_back(btn().Value());
        return 0;
    });
    Run({{"value", {"notify Value", "event Click", "notify Value"}}});
    EXPECT_EQ(lastError, 0);
    EXPECT_EQ(valueDuringClick, (std::vector<VBool>{kTrue}));
    EXPECT_EQ(btn().Value(), kFalse);
}

TEST_F(ValueProperty, SettingFalseOnlyStores) {
    const std::size_t mark = Mark();
    EXPECT_EQ(btn().SetValue(kFalse), 0);
    EXPECT_EQ(ScriptLines(mark), (std::vector<std::string>{"notify Value"}));
}

TEST_F(ValueProperty, SettingTrueInToggleModeDoesNotToggle) {
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    form.ClearLog();
    Run({{"value", {"notify Value", "event Click", "notify Value"}}});
    EXPECT_EQ(btn().ToggleValue(), kFalse);
}

// A Click handler that clicks again by program would recurse without end;
// the raise that nests too deep fails with "out of stack space" and the
// setter hands it back, leaving Value False.
TEST_F(ValueProperty, ClickHandlerSettingValueAgainEndsWithError28) {
    int clicks = 0;
    OnEvent([&](const std::string& event, std::span<Variant>) -> std::int32_t {
        if (event != "Click") return 0;
        ++clicks;
        return btn().SetValue(kTrue);
    });
    Do("value");
    EXPECT_EQ(lastError, errors::kOutOfStackSpace);
    EXPECT_EQ(clicks, Zorvane::kMaxEventDepth);
    EXPECT_EQ(btn().Value(), kFalse);
    // the button still works afterwards
    OnEvent([](const std::string&, std::span<Variant>) { return 0; });
    Run({{"value", {"notify Value", "event Click", "notify Value"}}});
    EXPECT_EQ(lastError, 0);
}

class ValueAtDesignTime : public InputTest {
protected:
    void ConfigureForm() override { form.ambientUserMode = false; }
};

TEST_F(ValueAtDesignTime, SettingFailsWith387AndChangesNothing) {
    Run({{"value", {}}});
    EXPECT_EQ(lastError, errors::kNotPermitted);
    EXPECT_EQ(btn().SetValue(kFalse), errors::kNotPermitted);
    EXPECT_EQ(btn().Value(), kFalse);
}

}  // namespace
}  // namespace vemmix::test
