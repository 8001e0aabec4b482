// Hosting the button itself: creation by program identifier, the window it
// draws into, removal.
#include <gmock/gmock.h>

#include "tests/support/ButtonFixture.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix::test {
namespace {

TEST(ButtonHosting, UnknownClassGivesNoControl) {
    headless::HeadlessForm form;
    std::int32_t error = 0;
    EXPECT_EQ(form.AddControl(u"Vemmix.Nothing", u"X", {0, 0, 10, 10}, &error), nullptr);
    EXPECT_EQ(error, errors::kCannotCreateObject);
    EXPECT_TRUE(form.sites().empty());
}

TEST(ButtonHosting, ProgramIdentifierCreatesAZorvane) {
    headless::HeadlessForm form;
    std::int32_t error = -1;
    headless::HeadlessSite* site = form.AddControl(u"vemmix.zorvane", u"Zorvane1", {0, 0, 60, 20}, &error);
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(error, 0);
    ASSERT_NE(ZorvaneOf(*site), nullptr);
    EXPECT_EQ(ZorvaneOf(*site)->Width(), 60);
    EXPECT_EQ(ZorvaneOf(*site)->Height(), 20);
}

class ButtonWithoutAmbients : public ButtonTest {
protected:
    void ConfigureForm() override { form.offerAmbients = false; }
};

TEST_F(ButtonWithoutAmbients, IsStillCreatedAndDrawn) {
    EXPECT_EQ(site->AmbientDisplayName(), std::nullopt);
    EXPECT_EQ(btn().Width(), 100);
    EXPECT_GE(site->repaintCount(), 1);
    // without a display name the caption keeps its initial empty value
    EXPECT_EQ(btn().Caption(), u"");
}

class HostedButtonTest : public ButtonTest {
protected:
    HostedButtonTest() { buttonBounds = {10, 10, 50, 30}; }
};

TEST_F(HostedButtonTest, ShownButtonHasDrawnIntoItsWindow) {
    EXPECT_EQ(btn().Width(), 40);
    EXPECT_EQ(btn().Height(), 20);
    EXPECT_GE(site->repaintCount(), 1);
    EXPECT_EQ(btn().hWnd(), site->WindowHandle());
}

TEST_F(HostedButtonTest, ResizeReachesTheButton) {
    ResizeButton(70, 25);
    EXPECT_EQ(btn().Width(), 70);
    EXPECT_EQ(btn().Height(), 25);
    EXPECT_EQ(Pixels().width, 70);
}

TEST_F(HostedButtonTest, PointerHelpersUseClientCoordinates) {
    PointerAt(0, 0);
    EXPECT_TRUE(site->IsPointerOverWindow());
    PointerAt(40, 0);
    EXPECT_FALSE(site->IsPointerOverWindow());
    PointerAway();
    EXPECT_EQ(form.WindowAtPointer(), 0);
}

TEST_F(HostedButtonTest, RemovingTheButtonStopsItsTimers) {
    MouseMove(5, 5);
    EXPECT_TRUE(site->TimerEnabled(TimerId::Over));
    form.RemoveControl(*site);
    site = nullptr;
    form.AdvanceTime(100);
    EXPECT_TRUE(form.sites().empty());
}

TEST_F(HostedButtonTest, HoverFollowsThePointerQueryEvenUnderItsOwnTooltip) {
    site->extenderToolTipText = u"Saves the file";
    btn().SetToolTipStyle(1);
    const auto mark = Mark();
    MouseMove(5, 5);
    Tick(20);
    EXPECT_THAT(LinesSince(mark, "event"),
                ::testing::ElementsAre("Zorvane1 event MouseMove(0,0,5,5)", "Zorvane1 event MouseOver",
                                       "Zorvane1 event MouseOver"));
    const auto tips = LinesSince(mark, "tooltip");
    ASSERT_GE(tips.size(), 2u);
    EXPECT_EQ(tips[0], "Zorvane1 tooltip create balloon");
    EXPECT_EQ(tips[1], "Zorvane1 tooltip addtool \"Saves the file\"");
    EXPECT_THAT(tips, ::testing::Not(::testing::Contains("Zorvane1 tooltip destroy")));

    // a menu opening over the button counts as leaving it
    const auto left = Mark();
    const int menu = form.AddPopup({0, 0, 200, 200});
    Tick(10);
    EXPECT_THAT(LinesSince(left, "event"), ::testing::ElementsAre("Zorvane1 event MouseOut"));
    EXPECT_THAT(LinesSince(left, "tooltip"), ::testing::ElementsAre("Zorvane1 tooltip destroy"));
    EXPECT_FALSE(site->TimerEnabled(TimerId::Over));
    form.RemovePopup(menu);
}

}  // namespace
}  // namespace vemmix::test
