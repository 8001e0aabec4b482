// The guard every step of the button's routines runs under, and the
// checked arithmetic that makes a step fail the way the button's original
// 16-bit integer code fails: a value that does not fit raises, the step is
// skipped, and the variable it would have set keeps its previous value.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <stdexcept>

#include "base/Rounding.h"

namespace vemmix {

// Raised by a checked operation; caught by RunStep.
struct StepFailed {};

// A repaint in progress on this thread. Outside a repaint a step that runs
// out of memory is skipped like any failing step: the value it would have
// set keeps what it had. Inside one, an image with a layer left out would
// be a wrong image, so the first exhaustion ends the repaint: every later
// step is skipped, and the repaint copies nothing to the window, which
// keeps its previous image.
class RepaintScope {
public:
    RepaintScope() noexcept : m_Outer(t_Current) { t_Current = this; }
    ~RepaintScope() { End(); }
    RepaintScope(const RepaintScope&) = delete;
    RepaintScope& operator=(const RepaintScope&) = delete;

    // True once a step of this repaint ran out of memory.
    bool Exhausted() const noexcept { return m_Exhausted; }
    // Ends the drawing: later steps (the clean-up) run whatever happened.
    // True when no step ran out of memory.
    bool End() noexcept {
        if (t_Current == this) t_Current = m_Outer;
        return !m_Exhausted;
    }

    static RepaintScope* Current() noexcept { return t_Current; }
    void MarkExhausted() noexcept { m_Exhausted = true; }

private:
    static inline thread_local RepaintScope* t_Current = nullptr;
    RepaintScope* m_Outer;
    bool m_Exhausted = false;
};

// Runs one step; a step that fails is skipped and the caller goes on. The
// failures a step may have: a checked value that does not fit (StepFailed),
// an ambient property the container does not offer (an empty optional's
// value()), a call into the container that failed (a std::runtime_error,
// as the container seam allows), memory it could not get (see
// RepaintScope). Anything else (a logic_error, a bad variant access) is a
// fault of the program, not of the step, and is not hidden: it ends the
// program here.
template <class Step>
void RunStep(Step&& step) noexcept {
    RepaintScope* const repaint = RepaintScope::Current();
    if (repaint && repaint->Exhausted()) return;
    try {
        step();
    } catch (const StepFailed&) {
    } catch (const std::bad_optional_access&) {
    } catch (const std::runtime_error&) {
    } catch (const std::bad_alloc&) {
        if (repaint) repaint->MarkExhausted();
    }
}

// A value stored into a 16-bit integer.
inline std::int16_t CheckedInt16(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw StepFailed{};
    return static_cast<std::int16_t>(value);
}

// A value stored into a 32-bit integer.
inline std::int32_t CheckedInt32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw StepFailed{};
    return static_cast<std::int32_t>(value);
}

// Floating point to integer (RoundTo), failing the step when the result
// does not fit.
inline std::int32_t Nearest32(double value) {
    if (const auto rounded = RoundTo<std::int32_t>(value)) return *rounded;
    throw StepFailed{};
}

inline std::int16_t Nearest16(double value) {
    if (const auto rounded = RoundTo<std::int16_t>(value)) return *rounded;
    throw StepFailed{};
}

// A floating-point size as whole pixels; nothing when the value is not
// finite or does not fit.
inline std::optional<std::int32_t> NearestPixels(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return RoundTo<std::int32_t>(value);
}

}  // namespace vemmix
