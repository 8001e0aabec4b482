// The framework's notifications: Initialize, Show, Hide, Resize, Paint and
// Terminate.
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "tests/support/ZorvaneAccess.h"

namespace vemmix {
namespace {

using coretest::FailingProbePlatform;
using coretest::Notifications;
using coretest::Repaints;
using coretest::ScriptedSite;
using headless::HeadlessForm;
using headless::HeadlessSite;

// ---- creation and Initialize ---------------------------------------------------

TEST(Creation, TimersExistDisabledWithTheirIntervals) {
    HeadlessForm form;
    ScriptedSite site(form.platform());
    Zorvane b(site);
    ASSERT_EQ(site.timerCalls.size(), 2u);
    EXPECT_EQ(site.timerCalls[0].timer, TimerId::Over);
    EXPECT_EQ(site.timerCalls[0].interval, 10u);
    EXPECT_FALSE(site.timerCalls[0].enabled);
    EXPECT_EQ(site.timerCalls[1].timer, TimerId::Fading);
    EXPECT_EQ(site.timerCalls[1].interval, 50u);
    EXPECT_FALSE(site.timerCalls[1].enabled);
}

TEST(Creation, EveryMemberStartsEmpty) {
    HeadlessForm form;
    ScriptedSite site(form.platform());
    Zorvane b(site);
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Height(), 0);
    EXPECT_EQ(b.State().m_Pressed, kFalse);
    EXPECT_EQ(b.State().m_Hidden, kFalse);
    EXPECT_EQ(b.State().m_MouseOver, kFalse);
    EXPECT_EQ(b.IsUnicode(), kFalse);
    EXPECT_TRUE(b.ColorRampEntries().empty());
    EXPECT_TRUE(b.Caption().empty());
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_EQ(b.Colors().m_BackRGB, 0u);
    EXPECT_EQ(b.TooltipHandle(), 0);
    EXPECT_TRUE(site.notifications.empty());
    EXPECT_EQ(site.repaints, 0);
}

TEST(Initialize, RoundsTheScaleSizeHalfToEven) {
    const struct {
        double scale;
        std::int32_t pixels;
    } rows[] = {
        {100.5, 100}, {101.5, 102}, {99.4, 99}, {99.6, 100}, {0.5, 0}, {1.5, 2}, {2.5, 2}, {30.0, 30},
    };
    HeadlessForm form;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.scale);
        ScriptedSite site(form.platform());
        site.scaleWidth = row.scale;
        site.scaleHeight = row.scale;
        Zorvane b(site);
        b.Initialize();
        EXPECT_EQ(b.Width(), row.pixels);
        EXPECT_EQ(b.Height(), row.pixels);
    }
}

TEST(Initialize, DrawsNothingAndNotifiesNothing) {
    HeadlessForm form;
    ScriptedSite site(form.platform());
    site.SetSize(40, 20);
    Zorvane b(site);
    b.Initialize();
    EXPECT_EQ(site.repaints, 0);
    EXPECT_TRUE(site.notifications.empty());
}

TEST(Initialize, UnicodeFlagFollowsThePlatformProbe) {
    HeadlessForm form;
    for (bool unicode : {true, false}) {
        form.platform().SetUnicodeSystem(unicode);
        ScriptedSite site(form.platform());
        Zorvane b(site);
        b.Initialize();
        EXPECT_EQ(b.IsUnicode(), ToVBool(unicode));
    }
}

TEST(Initialize, AFailingProbeLeavesTheFlagFalse) {
    HeadlessForm form;
    FailingProbePlatform failing(form.platform());
    ScriptedSite site(form.platform());
    site.platformOverride = &failing;
    site.scaleWidth = 50;
    site.scaleHeight = 20;
    Zorvane b(site);
    b.Initialize();
    EXPECT_EQ(b.IsUnicode(), kFalse);
    EXPECT_EQ(b.Width(), 50);
}

TEST(Lifecycle, PaintBeforeTheFirstShowAlreadyDraws) {
    HeadlessForm form;
    ScriptedSite site(form.platform());
    site.SetSize(40, 20);
    Zorvane b(site);
    b.Initialize();
    b.Paint();
    EXPECT_EQ(site.repaints, 1);
}

// ---- Show and the tooltip takeover -----------------------------------------------

class ShowTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = &AddButton(form);
        site = form.Find(u"Zorvane1");
    }
    void ShowAgain() {
        button->Hide();
        form.ClearLog();
        button->Show();
    }
    HeadlessForm form;
    Zorvane* button = nullptr;
    HeadlessSite* site = nullptr;
};

TEST_F(ShowTest, RunModeTakesTheTextAndEmptiesTheExtender) {
    form.ambientUserMode = true;
    button->SetToolTipStyle(ecToolTipStyle::Balloon);
    site->extenderToolTipText = u"Hello";
    ShowAgain();
    EXPECT_EQ(button->ToolTipTextTaken(), u"Hello");
    EXPECT_EQ(site->extenderToolTipText, std::optional<std::u16string>(u""));
    EXPECT_EQ(Repaints(form), 1);
    EXPECT_TRUE(Notifications(form).empty());
}

TEST_F(ShowTest, DesignModeCopiesTheTextAndTheExtenderKeepsIt) {
    form.ambientUserMode = false;
    button->SetToolTipStyle(ecToolTipStyle::Rectangular);
    site->extenderToolTipText = u"Hello";
    ShowAgain();
    EXPECT_EQ(button->ToolTipTextTaken(), u"Hello");
    EXPECT_EQ(site->extenderToolTipText, std::optional<std::u16string>(u"Hello"));
}

TEST_F(ShowTest, ClassicStyleLeavesTooltipsToTheContainer) {
    button->SetToolTipStyle(ecToolTipStyle::Classic);
    site->extenderToolTipText = u"Hello";
    ShowAgain();
    EXPECT_EQ(button->ToolTipTextTaken(), u"");
    EXPECT_EQ(site->extenderToolTipText, std::optional<std::u16string>(u"Hello"));
}

TEST_F(ShowTest, EmptyExtenderTextKeepsTheTextTakenBefore) {
    button->SetToolTipStyle(ecToolTipStyle::Balloon);
    site->extenderToolTipText = u"First";
    ShowAgain();
    ASSERT_EQ(button->ToolTipTextTaken(), u"First");
    // run mode emptied the extender; a second Show keeps what was taken
    ShowAgain();
    EXPECT_EQ(button->ToolTipTextTaken(), u"First");
}

TEST_F(ShowTest, NoExtenderOrNoAmbientsStillDraws) {
    button->SetToolTipStyle(ecToolTipStyle::Balloon);
    site->extenderToolTipText = std::nullopt;
    ShowAgain();
    EXPECT_EQ(button->ToolTipTextTaken(), u"");
    EXPECT_EQ(Repaints(form), 1);

    site->extenderToolTipText = u"Tip";
    form.offerAmbients = false;  // user mode unknown: the extender is left alone
    ShowAgain();
    EXPECT_EQ(button->ToolTipTextTaken(), u"Tip");
    EXPECT_EQ(site->extenderToolTipText, std::optional<std::u16string>(u"Tip"));
    EXPECT_EQ(Repaints(form), 1);
}

// ---- Hide, Resize, Paint -----------------------------------------------------------

TEST_F(ShowTest, HideStopsDrawingUntilTheNextShow) {
    button->Hide();
    EXPECT_EQ(button->State().m_Hidden, kTrue);
    form.ClearLog();
    button->SetBackColor(0x00FF0000);
    button->Paint();
    site->SetBounds({0, 0, 80, 25});
    EXPECT_EQ(Repaints(form), 0);
    EXPECT_EQ(button->Width(), 80);  // the size is still kept current
    button->Show();
    EXPECT_EQ(button->State().m_Hidden, kFalse);
    EXPECT_EQ(Repaints(form), 1);
}

TEST_F(ShowTest, ResizeTakesTheNewSizeAndRepaints) {
    form.ClearLog();
    site->SetBounds({10, 10, 70, 50});
    EXPECT_EQ(button->Width(), 60);
    EXPECT_EQ(button->Height(), 40);
    EXPECT_EQ(Repaints(form), 1);
    EXPECT_EQ(site->pixels().width, 60);
}

TEST_F(ShowTest, PaintRepaintsOnce) {
    form.ClearLog();
    button->Paint();
    EXPECT_EQ(Repaints(form), 1);
    EXPECT_TRUE(Notifications(form).empty());
}

TEST(Resize, FractionalSizesRoundHalfToEven) {
    HeadlessForm form;
    ScriptedSite site(form.platform());
    site.SetSize(40, 20);
    Zorvane b(site);
    b.Initialize();
    site.scaleWidth = 40.5;
    site.scaleHeight = 21.5;
    b.Resize();
    EXPECT_EQ(b.Width(), 40);
    EXPECT_EQ(b.Height(), 22);
}

// ---- Terminate -------------------------------------------------------------------

TEST_F(ShowTest, TerminateStopsBothTimers) {
    site->SetTimer(TimerId::Over, 10, true);
    site->SetTimer(TimerId::Fading, 50, true);
    button->Terminate();
    EXPECT_FALSE(site->TimerEnabled(TimerId::Over));
    EXPECT_FALSE(site->TimerEnabled(TimerId::Fading));
}

TEST_F(ShowTest, TerminateDestroysTheTooltipWindow) {
    button->SetToolTipStyle(ecToolTipStyle::Balloon);
    site->extenderToolTipText = u"Tip";
    ShowAgain();
    form.SetPointer(gdi::POINT{10, 10});
    button->MouseMove(0, 0, 10, 10);
    const std::int32_t tooltip = button->TooltipHandle();
    ASSERT_NE(tooltip, 0);
    button->Terminate();
    const headless::TooltipRecord* record = form.platform().FindTooltip(tooltip);
    ASSERT_NE(record, nullptr);
    EXPECT_FALSE(record->alive);
}

TEST(Terminate, RemovingAControlLeavesNoDrawingObject) {
    const std::size_t live = gdi::LiveObjectCount();
    {
        HeadlessForm form;
        Zorvane& b = AddButton(form);
        b.SetCaption(u"Bye");
        form.RemoveControl(*form.Find(u"Zorvane1"));
    }
    EXPECT_EQ(gdi::LiveObjectCount(), live);
}

}  // namespace
}  // namespace vemmix
