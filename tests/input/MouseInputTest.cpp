// Mouse down, up and double click: events in order, flags, and the face of
// each repaint.
#include "tests/input/InputFixture.h"

namespace vemmix::test {
namespace {

using MouseInput = InputTest;

TEST_F(MouseInput, LeftClickInsideRaisesDownClickUpAndValueIsTrueOnlyInsideClick) {
    std::vector<VBool> valueDuringClick;
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "Click") valueDuringClick.push_back(btn().Value());
        return 0;
    });
    Run({
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"flags",      {"flags: Pressed MouseDown"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
        {"flags",      {"flags: MouseDown"}},
    });
    EXPECT_EQ(valueDuringClick, (std::vector<VBool>{kTrue}));
    EXPECT_EQ(btn().Value(), kFalse);
}

TEST_F(MouseInput, ReleaseOutsideRaisesOnlyMouseUpAndReturnsToTheUpFace) {
    Run({
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 150 10",  {"event MouseUp(1,0,150,10)", "repaint up"}},
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 -1",   {"event MouseUp(1,0,10,-1)", "repaint up"}},
    });
}

// Both bounds of the release test are inclusive.
struct ReleasePoint {
    float x, y;
    bool clicks;
};

class ReleaseBounds : public InputTest, public ::testing::WithParamInterface<ReleasePoint> {};

TEST_P(ReleaseBounds, ClickOnlyInsideTheInclusiveClientRectangle) {
    const ReleasePoint p = GetParam();
    Do("down 10 10");
    const std::vector<std::string> lines = Do("up " + std::to_string(p.x) + " " + std::to_string(p.y));
    EXPECT_EQ(Count(lines, "event Click"), p.clicks ? 1 : 0);
    EXPECT_EQ(lines.back(), "repaint up");
}

INSTANTIATE_TEST_SUITE_P(Edges, ReleaseBounds,
                         ::testing::Values(
                             //          x       y      clicks
                             ReleasePoint{0.0f,   0.0f,  true},
                             ReleasePoint{100.0f, 30.0f, true},   // x = W, y = H
                             ReleasePoint{100.0f, 15.0f, true},
                             ReleasePoint{50.0f,  30.0f, true},
                             ReleasePoint{100.5f, 15.0f, false},
                             ReleasePoint{50.0f,  30.5f, false},
                             ReleasePoint{-0.5f,  15.0f, false},
                             ReleasePoint{50.0f,  -0.5f, false}));

class DropDownInput : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        btn().SetAppearanceMode(ecAppearanceMode::DropDown);
        btn().SetDropDownWidth(16);
        form.ClearLog();
    }
};

// Width 100, DropDownWidth 16: the zone starts right of x = 84.
TEST_F(DropDownInput, PressAt84IsOutsideTheZone) {
    Run({
        {"down 84 10", {"event MouseDown(1,0,84,10)", "repaint down"}},
        {"flags",      {"flags: Pressed MouseDown"}},
        {"up 84 10",   {"event Click", "event MouseUp(1,0,84,10)", "repaint up"}},
    });
}

TEST_F(DropDownInput, PressAt85IsInTheZone) {
    Run({
        {"down 85 10", {"event MouseDown(1,0,85,10)", "repaint down", "event DropDownClick"}},
        {"flags",      {"flags: Pressed MouseDown InDropDown"}},
        {"up 85 10",   {"event MouseUp(1,0,85,10)", "repaint up"}},
        {"flags",      {"flags: MouseDown InDropDown"}},
        // the next press outside the zone clears it
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
    });
}

TEST_F(DropDownInput, FractionalPressJustRightOfTheEdgeIsInTheZone) {
    Run({
        {"down 84.5 10", {"event MouseDown(1,0,84.5,10)", "repaint down", "event DropDownClick"}},
    });
}

TEST_F(DropDownInput, ZoneNeedsDropDownMode) {
    btn().SetAppearanceMode(ecAppearanceMode::Standard);
    form.ClearLog();
    Run({
        {"down 95 10", {"event MouseDown(1,0,95,10)", "repaint down"}},
        {"up 95 10",   {"event Click", "event MouseUp(1,0,95,10)", "repaint up"}},
    });
}

TEST_F(MouseInput, RightButtonPressesWithoutRepaintAndNeverClicks) {
    Run({
        {"down 10 10 2", {"event MouseDown(2,0,10,10)"}},
        {"flags",        {"flags: Pressed"}},
        {"up 10 10 2",   {"event MouseUp(2,0,10,10)", "repaint up"}},
        // a double click needs the last press to be a left one
        {"dbl",          {}},
        {"down 10 10 4", {"event MouseDown(4,0,10,10)"}},
        {"up 10 10 4",   {"event MouseUp(4,0,10,10)", "repaint up"}},
    });
}

TEST_F(MouseInput, RightPressAfterALeftClickClearsMouseDown) {
    Run({
        {"down 10 10",   {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",     {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
        {"down 10 10 2", {"event MouseDown(2,0,10,10)"}},
        {"flags",        {"flags: Pressed"}},
        {"up 10 10 2",   {"event MouseUp(2,0,10,10)", "repaint up"}},
    });
}

TEST_F(MouseInput, DoubleClickInsideRaisesDblClickAndASecondClick) {
    Run({
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
        {"dbl",        {"repaint down", "event DblClick"}},
        {"flags",      {"flags: MouseDown"}},  // pressed for the one repaint only
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
    });
}

TEST_F(DropDownInput, DoubleClickInTheZoneRaisesDropDownClickTwice) {
    Run({
        {"down 90 10", {"event MouseDown(1,0,90,10)", "repaint down", "event DropDownClick"}},
        {"up 90 10",   {"event MouseUp(1,0,90,10)", "repaint up"}},
        {"dbl",        {"repaint down", "event DropDownClick"}},
        {"up 90 10",   {"event MouseUp(1,0,90,10)", "repaint up"}},
    });
}

TEST_F(MouseInput, ToggleModeFlipsBeforeClickAndStaysDrawnPressedWhileOn) {
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    form.ClearLog();
    std::vector<VBool> toggleDuringClick;
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "Click") toggleDuringClick.push_back(btn().ToggleValue());
        return 0;
    });
    Run({
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint down"}},
        {"flags",      {"flags: MouseDown ToggleValue"}},
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
        // a double click flips twice
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint down"}},
        {"dbl",        {"repaint down", "event DblClick"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint up"}},
        {"flags",      {"flags: MouseDown"}},
    });
    EXPECT_EQ(toggleDuringClick, (std::vector<VBool>{kTrue, kFalse, kTrue, kFalse}));
}

TEST_F(MouseInput, EnteringToggleModeResetsToggleValue) {
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    btn().SetToggleValue(kTrue);
    btn().SetAppearanceMode(ecAppearanceMode::Standard);
    EXPECT_EQ(btn().ToggleValue(), kTrue);
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    EXPECT_EQ(btn().ToggleValue(), kFalse);
}

TEST_F(MouseInput, ToggleValueSetterNotifiesAndRepaintsWithoutEvents) {
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    form.ClearLog();
    const std::size_t mark = Mark();
    btn().SetToggleValue(kTrue);
    EXPECT_EQ(ScriptLines(mark), (std::vector<std::string>{"notify ToggleValue", "repaint down"}));
    EXPECT_EQ(btn().ToggleValue(), kTrue);
}

// The handler continues with the flags as the host left them.
TEST_F(MouseInput, ClickHandlerThatSetsPropertiesIsSeenByTheRestOfTheRelease) {
    btn().SetAppearanceMode(ecAppearanceMode::Toggle);
    form.ClearLog();
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "Click") btn().SetToggleValue(kFalse);  // undo the flip
        return 0;
    });
    Run({
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",   {"event Click", "notify ToggleValue", "repaint down",
                        "event MouseUp(1,0,10,10)", "repaint up"}},
        {"flags",      {"flags: MouseDown"}},
    });
}

TEST_F(MouseInput, MouseDownHandlerChangingButtonDecidesTheBranch) {
    OnEvent([&](const std::string& event, std::span<Variant> args) {
        if (event == "MouseDown") args[0] = Variant(std::int16_t{2});
        return 0;
    });
    Run({
        {"down 10 10", {"event MouseDown(2,0,10,10)"}},
        {"flags",      {"flags: Pressed"}},
    });
}

// Without error handling of its own the mouse handler ends where the host's
// error reaches it.
TEST_F(MouseInput, HostErrorEndsTheMouseHandler) {
    OnEvent([&](const std::string& event, std::span<Variant>) { return event == "MouseDown" ? 5 : 0; });
    Run({
        {"down 10 10", {"event MouseDown(1,0,10,10)"}},
        {"flags",      {"flags: none"}},
    });
}

TEST_F(MouseInput, PlainClickNotificationIsIgnored) {
    const std::size_t mark = Mark();
    btn().Click();
    EXPECT_TRUE(ScriptLines(mark).empty());
}

TEST_F(MouseInput, PressedFaceWinsOverHoverAndFocus) {
    Run({
        {"focus",      {"repaint focus"}},
        {"move 10 10", {"event MouseMove(0,0,10,10)"}},
        {"tick 10",    {"repaint over", "event MouseOver"}},
        {"down 10 10", {"event MouseDown(1,0,10,10)", "repaint down"}},
        {"up 10 10",   {"event Click", "event MouseUp(1,0,10,10)", "repaint over"}},
        {"away",       {}},
        {"tick 10",    {"repaint focus", "event MouseOut"}},
    });
}

}  // namespace
}  // namespace vemmix::test
