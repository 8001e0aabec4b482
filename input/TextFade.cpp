// Text fade: timerFading moves the caption colour a fixed step per 50 ms
// tick from ForeColor towards TextFadeToColor, turns one step past the end
// of each half cycle, and stops after TextFadeCycle full cycles (0: never).
// The caption draws in the current colour while the timer runs.
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/Rounding.h"
#include "control/Zorvane.h"

namespace vemmix {
namespace {

constexpr std::int16_t kFallbackSpeed = 10;

// Only the cycle limit reads the half-cycle counter (half cycles / 2 >=
// TextFadeCycle, a 16-bit value), so holding it at twice the largest limit
// answers every limit test as an unbounded counter would, while an
// unlimited fade can run for ever without the counter overflowing.
constexpr std::int32_t kHalfCycleCeiling = 2 * std::numeric_limits<std::int16_t>::max();

// The colour step: the distance over the speed in floating point, rounded
// to nearest with halves to even (25.5 gives 26).
std::int32_t FadeStep(std::int32_t from, std::int32_t to, std::int16_t speed) {
    return static_cast<std::int32_t>(
        RoundHalfEven(static_cast<double>(to - from) / static_cast<double>(speed)));
}

}  // namespace

bool Zorvane::IsFading() const { return m_Site.TimerEnabled(TimerId::Fading); }

// A start raises nothing. A stop's TextFadeEnd handler may stop and start
// again, nesting; the raise that would nest too deep fails with 28, which
// goes back to the caller, as Value does with Click.
std::int32_t Zorvane::TextFade_Start() {
    TextFadeStart(true);
    return errors::kNone;
}

std::int32_t Zorvane::TextFade_Stop() {
    const std::int32_t error = TextFadeStop(true);
    return error == errors::kOutOfStackSpace ? error : errors::kNone;
}

// Event-driven starts come from focus gained and the first hover tick over
// the button; any one of the states of a combination starts the fade.
void Zorvane::TextFadeStart(bool forced) {
    if (IsFading()) return;
    if (!forced && !EventConditionHolds(m_TextFadeEvents)) return;

    TextFadeState& f = m_Fade;
    const RgbComponents from = SplitColor(m_ForeRGB);
    const RgbComponents to = SplitColor(m_TextFadeToRGB);
    f.r0 = from.r, f.g0 = from.g, f.b0 = from.b;
    f.r1 = to.r, f.g1 = to.g, f.b1 = to.b;
    if (m_TextFadeSpeed <= 0) m_TextFadeSpeed = kFallbackSpeed;  // a loaded value the setter never saw
    f.dR = FadeStep(f.r0, f.r1, m_TextFadeSpeed);
    f.dG = FadeStep(f.g0, f.g1, m_TextFadeSpeed);
    f.dB = FadeStep(f.b0, f.b1, m_TextFadeSpeed);
    f.stepCounter = 0;
    f.halfCycleCounter = 0;
    f.r = f.r0, f.g = f.g0, f.b = f.b0;
    m_Site.SetTimer(TimerId::Fading, kFadingIntervalMs, true);
}

// Event-driven stops come from focus leaving and the hover tick outside.
// Unlike the start, a combination keeps the fade only while all of its
// states hold, so losing any one of them stops it; Always and Never ignore
// event-driven stops altogether (EventStatesAllHold).
std::int32_t Zorvane::TextFadeStop(bool forced) {
    if (!IsFading()) return errors::kNone;
    if (!forced && EventStatesAllHold(m_TextFadeEvents)) return errors::kNone;

    m_Site.SetTimer(TimerId::Fading, kFadingIntervalMs, false);
    // a TextFadeEnd handler may start the fade again
    const std::int32_t error = RaiseEvent(EventId::TextFadeEnd);
    Redraw();  // the caption returns to its state colour
    return error;
}

// A half cycle is TextFadeSpeed + 1 ticks: the colour goes one step past
// the target (clamped) before it turns, and runs back from where it got to.
// The step counter is 32-bit because it reaches TextFadeSpeed + 1, which a
// 16-bit counter cannot hold at the largest speed.
void Zorvane::TextFadeTick() {
    TextFadeState& f = m_Fade;
    f.r = ClampComponent(f.r + f.dR);
    f.g = ClampComponent(f.g + f.dG);
    f.b = ClampComponent(f.b + f.dB);

    ++f.stepCounter;
    if (f.stepCounter > m_TextFadeSpeed) {
        f.dR = -f.dR;
        f.dG = -f.dG;
        f.dB = -f.dB;
        if (f.halfCycleCounter < kHalfCycleCeiling) ++f.halfCycleCounter;
        f.stepCounter = 0;
        if (m_TextFadeCycle > 0 && f.halfCycleCounter / 2 >= m_TextFadeCycle) TextFadeStop(true);
    }
    Redraw();
}

}  // namespace vemmix
