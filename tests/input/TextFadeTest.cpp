// The text fade: colour sequences tick by tick, cycle limits, the start and
// stop conditions of every TextFadeEvents value, and long-running fades.
#include "tests/input/InputFixture.h"

#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::test {
namespace {

class TextFade : public InputTest {
protected:
    void Colours(OleColor fore, OleColor to, std::int16_t speed) {
        btn().SetForeColor(fore);
        btn().SetTextFadeToColor(to);
        btn().SetTextFadeSpeed(speed);
        form.ClearLog();
    }
    // Black to red at `speed`, started.
    void StartBlackToRed(std::int16_t speed) {
        Colours(0x000000, 0x0000FF, speed);
        btn().TextFade_Start();
    }
    // The red component after each of `ticks` fade ticks of the clock.
    std::vector<std::int32_t> RedPerTick(int ticks) {
        std::vector<std::int32_t> reds;
        for (int i = 0; i < ticks; ++i) {
            Tick(50);
            reds.push_back(btn().Fade().r);
        }
        return reds;
    }
    // Runs each input of the script language, whatever it writes.
    void DoAll(const std::vector<std::string>& inputs) {
        for (const std::string& input : inputs) Do(input);
    }
    // `ticks` fade timer ticks straight into the button; the log is cleared
    // every `clearEvery` ticks so that long fades stay small.
    void FadeTicks(int ticks, int clearEvery) {
        for (int i = 0; i < ticks; ++i) {
            btn().TimerTick(TimerId::Fading);
            if (i % clearEvery == 0) form.ClearLog();
        }
    }
};

TEST_F(TextFade, BlackToRedAtSpeed10) {
    StartBlackToRed(10);
    EXPECT_EQ(btn().Fade().dR, 26);  // 25.5 rounds to even
    EXPECT_EQ(btn().Fade().dG, 0);
    EXPECT_EQ(RedPerTick(13), (std::vector<std::int32_t>{26, 52, 78, 104, 130, 156, 182, 208, 234,
                                                         255,  // clamped from 260
                                                         255,  // the 11th tick turns
                                                         229, 203}));
}

TEST_F(TextFade, Speed3RedTo100) {
    Colours(0x000000, 0x000064, 3);
    btn().TextFade_Start();
    EXPECT_EQ(btn().Fade().dR, 33);
    EXPECT_EQ(RedPerTick(10), (std::vector<std::int32_t>{33, 66, 99, 132, 99, 66, 33, 0, 33, 66}));
}

TEST_F(TextFade, EveryTickRepaintsAndStepsAllThreeComponents) {
    Colours(0x00FFFFFF, 0x00102030, 5);
    btn().TextFade_Start();
    const TextFadeState& f = btn().Fade();
    // (0x30 - 255) / 5 = -41.4, (0x20 - 255) / 5 = -44.6, (0x10 - 255) / 5 = -47.8
    EXPECT_EQ(f.dR, -41);
    EXPECT_EQ(f.dG, -45);
    EXPECT_EQ(f.dB, -48);
    const std::size_t mark = Mark();
    Tick(50);
    EXPECT_EQ(ScriptLines(mark), (std::vector<std::string>{"repaint up"}));
    EXPECT_EQ(f.r, 214);
    EXPECT_EQ(f.g, 210);
    EXPECT_EQ(f.b, 207);
}

TEST_F(TextFade, CycleLimitOneStopsAfterTwoHalfCyclesWithOneTextFadeEnd) {
    Colours(0x000000, 0x0000FF, 10);
    btn().SetTextFadeCycle(1);
    form.ClearLog();
    btn().TextFade_Start();
    const std::size_t mark = Mark();
    Tick(21 * 50);
    EXPECT_TRUE(btn().IsFading());
    EXPECT_EQ(Count(ScriptLines(mark), "event TextFadeEnd"), 0);
    const std::size_t last = Mark();
    Tick(50);  // the 22nd tick ends the second half cycle
    EXPECT_EQ(ScriptLines(last),
              (std::vector<std::string>{"event TextFadeEnd", "repaint up", "repaint up"}));
    EXPECT_FALSE(btn().IsFading());
    Tick(1000);
    EXPECT_EQ(Count(ScriptLines(mark), "event TextFadeEnd"), 1);
}

TEST_F(TextFade, CycleLimitThreeRunsSixHalfCycles) {
    Colours(0x000000, 0x0000FF, 2);
    btn().SetTextFadeCycle(3);
    btn().TextFade_Start();
    Tick(6 * 3 * 50 - 50);
    EXPECT_TRUE(btn().IsFading());
    Tick(50);
    EXPECT_FALSE(btn().IsFading());
}

TEST_F(TextFade, StartWhileRunningDoesNothing) {
    StartBlackToRed(10);
    Tick(150);
    const TextFadeState before = btn().Fade();
    const std::size_t mark = Mark();
    EXPECT_EQ(btn().TextFade_Start(), 0);
    EXPECT_TRUE(ScriptLines(mark).empty());
    EXPECT_EQ(btn().Fade().r, before.r);
    EXPECT_EQ(btn().Fade().stepCounter, before.stepCounter);
    Tick(50);
    EXPECT_EQ(btn().Fade().r, 104);
}

TEST_F(TextFade, StopWhileStoppedRaisesNothing) {
    const std::size_t mark = Mark();
    EXPECT_EQ(btn().TextFade_Stop(), 0);
    EXPECT_TRUE(ScriptLines(mark).empty());
}

TEST_F(TextFade, ForcedStopRaisesTextFadeEndAndRepaints) {
    StartBlackToRed(10);
    Tick(100);
    Run({
        {"fadestop", {"event TextFadeEnd", "repaint up"}},
        {"tick 200", {}},
    });
}

TEST_F(TextFade, RestartResetsColourAndCounters) {
    StartBlackToRed(10);
    Tick(150);
    btn().TextFade_Stop();
    btn().TextFade_Start();
    EXPECT_EQ(btn().Fade().r, 0);
    EXPECT_EQ(btn().Fade().stepCounter, 0);
    EXPECT_EQ(RedPerTick(1), (std::vector<std::int32_t>{26}));
}

TEST_F(TextFade, TextFadeEndHandlerMayStartAgain) {
    Colours(0x000000, 0x0000FF, 1);
    btn().SetTextFadeCycle(1);
    int ends = 0;
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "TextFadeEnd" && ++ends == 1) btn().TextFade_Start();
        return 0;
    });
    btn().TextFade_Start();
    Tick(4 * 50);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(btn().IsFading());
    EXPECT_EQ(btn().Fade().halfCycleCounter, 0);
    Tick(4 * 50);
    EXPECT_EQ(ends, 2);
    EXPECT_FALSE(btn().IsFading());
}

TEST_F(TextFade, NewSpeedChangesTheTurnAtOnceAndTheStepAtTheNextStart) {
    StartBlackToRed(10);
    Tick(100);                  // 26, 52
    btn().SetTextFadeSpeed(2);  // counter 2 is not greater than 2: one more tick up
    EXPECT_EQ(RedPerTick(3), (std::vector<std::int32_t>{78, 52, 26}));
    EXPECT_EQ(btn().Fade().dR, -26);
}

// ---- start and stop conditions ------------------------------------------------

// A TextFadeEvents value, what the user does, and whether that starts (or
// stops) the fade.
template <typename Trigger>
struct FadeCase {
    std::int32_t events;
    Trigger trigger;
    bool happens;
};

// Black to red at speed 10 with the case's TextFadeEvents.
template <typename Trigger>
class FadeBy : public TextFade, public ::testing::WithParamInterface<FadeCase<Trigger>> {
protected:
    const FadeCase<Trigger>& Prepare() {
        Colours(0x000000, 0x0000FF, 10);
        btn().SetTextFadeEvents(this->GetParam().events);
        return this->GetParam();
    }
};

enum class StartBy { Hover, HoverPressed, Focus };

// The inputs of each trigger; the pointer is over the button once the
// hover tick has found it there.
std::vector<std::string> Inputs(StartBy trigger) {
    switch (trigger) {
    case StartBy::Hover: return {"move 5 5", "tick 10"};
    case StartBy::HoverPressed:
        return {"down 5 5", "move 5 5", "tick 10"};  // already pressed when the pointer is found over the button
    case StartBy::Focus: return {"focus"};
    }
    return {};
}

using StartCase = FadeCase<StartBy>;
using FadeStart = FadeBy<StartBy>;

TEST_P(FadeStart, EventDrivenStart) {
    const StartCase& c = Prepare();
    DoAll(Inputs(c.trigger));
    EXPECT_EQ(btn().IsFading(), c.happens);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FadeStart,
    ::testing::Values(
        //        TextFadeEvents                             trigger                starts
        StartCase{ecEvents::Always,                    StartBy::Hover,        true},
        StartCase{ecEvents::Always,                    StartBy::Focus,        false},  // focus asks only for 2, 5, 6
        StartCase{ecEvents::Never,                     StartBy::Hover,        false},
        StartCase{ecEvents::Never,                     StartBy::HoverPressed, false},
        StartCase{ecEvents::Never,                     StartBy::Focus,        false},
        StartCase{ecEvents::OnFocus,                   StartBy::Hover,        false},
        StartCase{ecEvents::OnFocus,                   StartBy::Focus,        true},
        StartCase{ecEvents::OnClick,                   StartBy::Hover,        false},
        StartCase{ecEvents::OnClick,                   StartBy::HoverPressed, true},
        StartCase{ecEvents::OnClick,                   StartBy::Focus,        false},
        StartCase{ecEvents::OnMouseOver,               StartBy::Hover,        true},
        StartCase{ecEvents::OnMouseOver,               StartBy::Focus,        false},
        StartCase{ecEvents::OnFocusOrMouseOver,        StartBy::Hover,        true},
        StartCase{ecEvents::OnFocusOrMouseOver,        StartBy::Focus,        true},
        StartCase{ecEvents::OnFocusOrMouseOverOrClick, StartBy::Hover,        true},
        StartCase{ecEvents::OnFocusOrMouseOverOrClick, StartBy::HoverPressed, true},
        StartCase{ecEvents::OnFocusOrMouseOverOrClick, StartBy::Focus,        true},
        StartCase{7,                                   StartBy::Hover,        false}));

enum class StopBy { Leave, LeaveFocused, ExitFocus, ExitFocusOver };

// What leads up to a stop trigger, and the input whose lines are counted.
struct StopInputs {
    std::vector<std::string> before;
    std::string trigger;
};

StopInputs Inputs(StopBy trigger) {
    switch (trigger) {
    case StopBy::Leave: return {{"move 5 5", "tick 10", "away"}, "tick 10"};
    case StopBy::LeaveFocused: return {{"focus", "move 5 5", "tick 10", "away"}, "tick 10"};
    case StopBy::ExitFocus: return {{"focus"}, "blur"};
    case StopBy::ExitFocusOver: return {{"move 5 5", "tick 10", "focus"}, "blur"};
    }
    return {};
}

using StopCase = FadeCase<StopBy>;
using FadeStop = FadeBy<StopBy>;

TEST_P(FadeStop, EventDrivenStop) {
    const StopCase& c = Prepare();
    btn().TextFade_Start();
    const StopInputs inputs = Inputs(c.trigger);
    DoAll(inputs.before);
    const std::size_t mark = Mark();
    Do(inputs.trigger);
    EXPECT_EQ(btn().IsFading(), !c.happens);
    EXPECT_EQ(Count(ScriptLines(mark), "event TextFadeEnd"), c.happens ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FadeStop,
    ::testing::Values(
        //       TextFadeEvents                             trigger                stops
        StopCase{ecEvents::Always,                    StopBy::Leave,         false},
        StopCase{ecEvents::Always,                    StopBy::ExitFocus,     false},
        StopCase{ecEvents::Never,                     StopBy::Leave,         false},
        StopCase{ecEvents::Never,                     StopBy::ExitFocus,     false},
        StopCase{ecEvents::OnFocus,                   StopBy::Leave,         true},
        StopCase{ecEvents::OnFocus,                   StopBy::LeaveFocused,  false},
        StopCase{ecEvents::OnFocus,                   StopBy::ExitFocus,     true},
        StopCase{ecEvents::OnClick,                   StopBy::Leave,         true},
        StopCase{ecEvents::OnClick,                   StopBy::ExitFocus,     false},  // focus asks only for 2, 5, 6
        StopCase{ecEvents::OnMouseOver,               StopBy::Leave,         true},
        StopCase{ecEvents::OnMouseOver,               StopBy::ExitFocusOver, false},
        StopCase{ecEvents::OnFocusOrMouseOver,        StopBy::Leave,         true},
        StopCase{ecEvents::OnFocusOrMouseOver,        StopBy::LeaveFocused,  true},   // both must hold to keep it
        StopCase{ecEvents::OnFocusOrMouseOver,        StopBy::ExitFocus,     true},
        StopCase{ecEvents::OnFocusOrMouseOver,        StopBy::ExitFocusOver, true},
        StopCase{ecEvents::OnFocusOrMouseOverOrClick, StopBy::LeaveFocused,  true},
        StopCase{ecEvents::OnFocusOrMouseOverOrClick, StopBy::ExitFocusOver, true},
        StopCase{7,                                   StopBy::Leave,         true}));

TEST_F(TextFade, OnMouseOverStartsOnEntryAndStopsOnLeave) {
    Colours(0x000000, 0x0000FF, 10);
    btn().SetTextFadeEvents(ecEvents::OnMouseOver);
    form.ClearLog();
    Run({
        {"move 5 5", {"event MouseMove(0,0,5,5)"}},
        {"tick 10",  {"repaint over", "event MouseOver"}},
        {"tick 40",  {"event MouseOver", "event MouseOver", "event MouseOver", "event MouseOver"}},
        // t = 60: the first fade tick comes after the hover tick of the same moment
        {"tick 10",  {"event MouseOver", "repaint over"}},
        {"away",     {}},
        {"tick 10",  {"event TextFadeEnd", "repaint up", "repaint up", "event MouseOut"}},
        {"tick 100", {}},
    });
}

// ---- values the setter never sees, and long fades -----------------------------

class LoadedFade : public TextFade {
protected:
    // A saved form's TextFadeSpeed goes into the member without the clamp.
    void Load(std::int16_t speed) {
        headless::MemoryPropertyBag bag;
        bag.Set(u"TextFadeSpeed", Variant(speed));
        btn().ReadProperties(bag);
        UseKnownState(false);
        btn().SetForeColor(0x000000);
        btn().SetTextFadeToColor(0x0000FF);
        form.snapshotRepaints = false;
        form.ClearLog();
    }
};

TEST_F(LoadedFade, SpeedZeroBecomesTenAtTheStart) {
    Load(0);
    ASSERT_EQ(btn().TextFadeSpeed(), 0);
    btn().TextFade_Start();
    EXPECT_EQ(btn().TextFadeSpeed(), 10);
    EXPECT_EQ(btn().Fade().dR, 26);
}

// At the largest speed the step counter reaches 32768 before the fade turns.
TEST_F(LoadedFade, SpeedOf32767TurnsAfter32768Ticks) {
    Load(32767);
    ASSERT_EQ(btn().TextFadeSpeed(), 32767);
    btn().SetTextFadeCycle(1);
    btn().TextFade_Start();
    EXPECT_EQ(btn().Fade().dR, 0);  // 255 / 32767 rounds to 0
    FadeTicks(32767, 4096);
    EXPECT_EQ(btn().Fade().stepCounter, 32767);
    EXPECT_EQ(btn().Fade().halfCycleCounter, 0);
    btn().TimerTick(TimerId::Fading);
    EXPECT_EQ(btn().Fade().stepCounter, 0);
    EXPECT_EQ(btn().Fade().halfCycleCounter, 1);
    EXPECT_TRUE(btn().IsFading());
    int ends = 0;
    OnEvent([&](const std::string& event, std::span<Variant>) {
        if (event == "TextFadeEnd") ++ends;
        return 0;
    });
    FadeTicks(32768, 4096);
    EXPECT_FALSE(btn().IsFading());
    EXPECT_EQ(ends, 1);
}

// An unlimited fade at speed 1 passes 32767 half cycles after about an
// hour; it keeps running and looking the same, and a cycle limit set later
// still compares with the true number of half cycles.
class LongFade : public TextFade {
protected:
    LongFade() { buttonBounds = {0, 0, 4, 4}; }
    void SetUp() override {
        TextFade::SetUp();
        form.snapshotRepaints = false;
    }
    // At speed 1 a half cycle is two ticks.
    void HalfCycles(int halves) {
        for (int half = 0; half < halves; ++half) {
            btn().TimerTick(TimerId::Fading);
            btn().TimerTick(TimerId::Fading);
            if (half % 10000 == 0) form.ClearLog();
        }
    }
};

TEST_F(LongFade, FortyThousandHalfCyclesKeepFadingAndLimitsStillWork) {
    StartBlackToRed(1);  // dR = 255: 255, 255 | 0, 0 | 255, 255 ...
    HalfCycles(40000);
    form.ClearLog();
    EXPECT_TRUE(btn().IsFading());
    EXPECT_EQ(btn().Fade().halfCycleCounter, 40000);
    // 40000 half cycles: an even number, so the colour is back at the start and rising
    EXPECT_EQ(btn().Fade().r, 0);
    EXPECT_EQ(btn().Fade().dR, 255);
    btn().SetTextFadeCycle(20001);
    btn().TimerTick(TimerId::Fading);
    EXPECT_EQ(btn().Fade().r, 255);
    btn().TimerTick(TimerId::Fading);
    // 40001 / 2 = 20000 < 20001: no stop at this turn, the next one stops
    EXPECT_EQ(btn().Fade().halfCycleCounter, 40001);
    EXPECT_TRUE(btn().IsFading());
    btn().TimerTick(TimerId::Fading);
    btn().TimerTick(TimerId::Fading);
    EXPECT_EQ(btn().Fade().halfCycleCounter, 40002);
    EXPECT_FALSE(btn().IsFading());
}

TEST_F(LongFade, HalfCycleCounterHoldsAtTwiceTheLargestLimit) {
    StartBlackToRed(1);
    HalfCycles(70000);
    EXPECT_TRUE(btn().IsFading());
    EXPECT_EQ(btn().Fade().halfCycleCounter, 2 * 32767);
    // still alternating every half cycle
    EXPECT_EQ(btn().Fade().r, 0);
    btn().TimerTick(TimerId::Fading);
    EXPECT_EQ(btn().Fade().r, 255);
    btn().TimerTick(TimerId::Fading);
    // the largest limit is reached, as with a counter that never stops counting
    btn().SetTextFadeCycle(32767);
    btn().TimerTick(TimerId::Fading);
    btn().TimerTick(TimerId::Fading);
    EXPECT_FALSE(btn().IsFading());
}

}  // namespace
}  // namespace vemmix::test
