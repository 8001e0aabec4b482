// Timers on the virtual clock: due ticks run in time order across all
// controls, a disabled timer never ticks, and the schedule survives a
// repeated enable with the same interval.
#include <gmock/gmock.h>

#include "tests/host/RecordingForm.h"

namespace vemmix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class VirtualClockTest : public RecordingFormTest {
protected:
    // Records "<name> <timer> @<time>" for every tick of the site's control.
    void StampTicks(headless::HeadlessSite& site, const std::string& name) {
        Control(site).onTick = [this, name](TimerId t) {
            stamps.push_back(name + (t == TimerId::Over ? " over @" : " fading @") +
                             std::to_string(form.now()));
        };
    }
    std::vector<std::string> stamps;
};

TEST_F(VirtualClockTest, TicksAtEveryIntervalUpToTheEndOfTheAdvance) {
    auto& a = Add("A");
    StampTicks(a, "A");
    a.SetTimer(TimerId::Over, 10, true);
    form.AdvanceTime(35);
    EXPECT_THAT(stamps, ElementsAre("A over @10", "A over @20", "A over @30"));
    EXPECT_EQ(form.now(), 35u);
    form.AdvanceTime(5);
    EXPECT_THAT(stamps, ElementsAre("A over @10", "A over @20", "A over @30", "A over @40"));
}

TEST_F(VirtualClockTest, SmallStepsGiveTheSameTicksAsOneLargeStep) {
    auto& a = Add("A");
    StampTicks(a, "A");
    a.SetTimer(TimerId::Fading, 50, true);
    for (int i = 0; i < 40; ++i) form.AdvanceTime(3);
    EXPECT_THAT(stamps, ElementsAre("A fading @50", "A fading @100"));
}

TEST_F(VirtualClockTest, TicksOfAllControlsRunInTimeOrderTiesByZOrderThenTimer) {
    auto& a = Add("A");
    auto& b = Add("B");
    StampTicks(a, "A");
    StampTicks(b, "B");
    b.SetTimer(TimerId::Over, 20, true);
    a.SetTimer(TimerId::Fading, 30, true);
    a.SetTimer(TimerId::Over, 60, true);
    form.AdvanceTime(60);
    EXPECT_THAT(stamps, ElementsAre("B over @20", "A fading @30", "B over @40", "A over @60",
                                    "A fading @60", "B over @60"));
}

TEST_F(VirtualClockTest, DisabledTimerNeverTicks) {
    auto& a = Add("A");
    StampTicks(a, "A");
    a.SetTimer(TimerId::Over, 10, false);
    form.AdvanceTime(100);
    EXPECT_THAT(stamps, IsEmpty());
    EXPECT_FALSE(a.TimerEnabled(TimerId::Over));

    a.SetTimer(TimerId::Over, 10, true);
    EXPECT_TRUE(a.TimerEnabled(TimerId::Over));
    form.AdvanceTime(15);
    a.SetTimer(TimerId::Over, 10, false);
    form.AdvanceTime(100);
    EXPECT_THAT(stamps, ElementsAre("A over @110"));
}

TEST_F(VirtualClockTest, ZeroIntervalNeverTicks) {
    auto& a = Add("A");
    StampTicks(a, "A");
    a.SetTimer(TimerId::Over, 0, true);
    form.AdvanceTime(1000);
    EXPECT_THAT(stamps, IsEmpty());
}

TEST_F(VirtualClockTest, ReenablingWithTheSameIntervalKeepsTheSchedule) {
    auto& a = Add("A");
    StampTicks(a, "A");
    a.SetTimer(TimerId::Over, 10, true);
    form.AdvanceTime(7);
    a.SetTimer(TimerId::Over, 10, true);  // every mouse move does this
    form.AdvanceTime(3);
    EXPECT_THAT(stamps, ElementsAre("A over @10"));
}

TEST_F(VirtualClockTest, ChangingTheIntervalRestartsFromNow) {
    auto& a = Add("A");
    StampTicks(a, "A");
    a.SetTimer(TimerId::Over, 10, true);
    form.AdvanceTime(7);
    a.SetTimer(TimerId::Over, 20, true);
    form.AdvanceTime(30);
    EXPECT_THAT(stamps, ElementsAre("A over @27"));
}

TEST_F(VirtualClockTest, TickHandlerMayStopItsOwnTimer) {
    auto& a = Add("A");
    Control(a).onTick = [&](TimerId t) { a.SetTimer(t, 10, false); };
    a.SetTimer(TimerId::Over, 10, true);
    form.AdvanceTime(100);
    EXPECT_THAT(Take(), ElementsAre("A Initialize", "A TimerTick Over"));
}

TEST_F(VirtualClockTest, TickHandlerMayStopATimerDueAtTheSameTime) {
    auto& a = Add("A");
    auto& b = Add("B");
    Control(a).onTick = [&](TimerId) { b.SetTimer(TimerId::Over, 10, false); };
    a.SetTimer(TimerId::Over, 10, true);
    b.SetTimer(TimerId::Over, 10, true);
    Take();
    form.AdvanceTime(20);
    EXPECT_THAT(Take(), ElementsAre("A TimerTick Over", "A TimerTick Over"));
}

TEST_F(VirtualClockTest, TickHandlerMayStartAnotherTimerFromTheTickTime) {
    auto& a = Add("A");
    StampTicks(a, "A");
    Control(a).onTick = [&](TimerId t) {
        stamps.push_back(std::string(t == TimerId::Over ? "over" : "fading") + " @" +
                         std::to_string(form.now()));
        if (t == TimerId::Over) {
            a.SetTimer(TimerId::Over, 10, false);
            a.SetTimer(TimerId::Fading, 50, true);
        }
    };
    a.SetTimer(TimerId::Over, 10, true);
    form.AdvanceTime(120);
    EXPECT_THAT(stamps, ElementsAre("over @10", "fading @60", "fading @110"));
}

TEST_F(VirtualClockTest, RemovedControlIsTerminatedAndNeverTicksAgain) {
    auto& a = Add("A");
    a.SetTimer(TimerId::Over, 10, true);
    form.AdvanceTime(10);
    form.RemoveControl(a);
    form.AdvanceTime(100);
    EXPECT_THAT(Take(), ElementsAre("A Initialize", "A TimerTick Over", "A Terminate"));
    EXPECT_EQ(form.Find(u"A"), nullptr);
}

TEST(HeadlessFormLifetime, ClosingTheFormTerminatesEveryControl) {
    std::vector<std::string> journal;
    {
        headless::HeadlessForm form;
        for (const char* name : {"A", "B"}) {
            std::string n = name;
            form.AddCustomControl(
                [&journal, n](ControlSite& s) {
                    return std::make_unique<RecordingControl>(s, &journal, n);
                },
                std::u16string(n.begin(), n.end()), {0, 0, 10, 10});
        }
    }
    EXPECT_THAT(journal, ElementsAre("A Initialize", "B Initialize", "A Terminate", "B Terminate"));
}

}  // namespace
}  // namespace vemmix::test
