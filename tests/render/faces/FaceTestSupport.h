// Button states named by what the user did, and checks that read a face
// back against a colour ramp row by row.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "tests/render/faces/FaceCanvas.h"

namespace vemmix::test {

// Short names for the flags in tables of states.
constexpr VBool T = kTrue;
constexpr VBool F = kFalse;

constexpr COLORREF kGrey = 0x808080;  // a base that no ramp offset clamps

// Entries of rows 1 to 16 of a gradient of step 16 / 15.
constexpr int kSixteenOverFifteen[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17};

// A face state built up step by step:
//     c.Down(StateOf(kFlat, 10, 4).ZonePress(4));
class StateOf {
public:
    StateOf(std::int32_t appearance, std::int32_t w, std::int32_t h)
        : m_State(TestState(appearance, w, h)) {}

    // DropDown mode, with the zone width left as it is or set.
    StateOf& DropDown() { return Set(&FaceState::appearanceMode, 2); }
    StateOf& DropDown(std::int32_t dropDownWidth) {
        DropDown();
        return Set(&FaceState::dropDownWidth, dropDownWidth);
    }
    // Pressed in the drop-down zone.
    StateOf& ZonePress(std::int32_t dropDownWidth) {
        DropDown(dropDownWidth);
        return ZonePress();
    }
    StateOf& ZonePress() {
        DropDown();
        Pressed();
        return Set(&FaceState::inDropDown, kTrue);
    }
    // Toggle mode, switched on.
    StateOf& ToggleMode() { return Set(&FaceState::appearanceMode, 1); }
    StateOf& ToggledOn() {
        ToggleMode();
        return Set(&FaceState::toggleValue, kTrue);
    }
    StateOf& Pressed() { return Set(&FaceState::pressed, kTrue); }
    StateOf& Hovered(bool on = true) { return Set(&FaceState::mouseOver, on ? kTrue : kFalse); }
    StateOf& Focused() { return Set(&FaceState::hasFocus, kTrue); }
    StateOf& Disabled() { return Set(&FaceState::enabled, false); }
    StateOf& AsDefault() { return Set(&FaceState::displayAsDefault, true); }
    StateOf& Theme(std::int32_t index) { return Set(&FaceState::themeIndex, index); }
    StateOf& Depth(std::int16_t depth) { return Set(&FaceState::depth, depth); }
    StateOf& BorderWidth(std::int16_t width) { return Set(&FaceState::borderWidth, width); }

    operator const FaceState&() const { return m_State; }

private:
    template <typename T, typename V>
    StateOf& Set(T FaceState::*member, V value) {
        m_State.*member = static_cast<T>(value);
        return *this;
    }
    FaceState m_State;
};

// What the user has done, as the flags a face reads to pick FaceColor.
struct Situation {
    bool enabled = true;
    VBool pressed = kFalse;
    std::int32_t mode = 0;  // AppearanceMode
    VBool toggleValue = kFalse;
    VBool over = kFalse;
    VBool focus = kFalse;
};

inline void Apply(FaceState& s, const Situation& k) {
    s.enabled = k.enabled;
    s.pressed = k.pressed;
    s.appearanceMode = k.mode;
    s.toggleValue = k.toggleValue;
    s.mouseOver = k.over;
    s.hasFocus = k.focus;
}

// The ramp entry that row i of a scan-line gradient reads: the float step
// times i (plus a start entry), in double, rounded half to even.
inline std::int64_t GradientEntry(float step, std::int32_t i, double start = 0.0) {
    return RoundHalfEven(static_cast<double>(step) * i + start);
}

// One pixel and the colour it must have.
struct PixelProbe {
    std::int32_t x;
    std::int32_t y;
    COLORREF want;
};

inline void ExpectPixels(const FaceCanvas& c, std::initializer_list<PixelProbe> probes) {
    for (const PixelProbe& p : probes)
        EXPECT_EQ(c.At(p.x, p.y), p.want) << "pixel (" << p.x << "," << p.y << ")";
}

// Column x, rows y0 + direction * i for i = first..last, shows ramp entry
// GradientEntry(step, i): direction -1 for a gradient drawn bottom up.
inline void ExpectGradientColumn(const FaceCanvas& c, std::int32_t x, std::int32_t y0,
                                 std::int32_t first, std::int32_t last,
                                 const std::vector<COLORREF>& ramp, float step,
                                 std::int32_t direction = 1) {
    for (std::int32_t i = first; i <= last; ++i) {
        const std::int32_t y = y0 + direction * i;
        EXPECT_EQ(c.At(x, y), ramp[GradientEntry(step, i)]) << "x " << x << " y " << y << " i " << i;
    }
}

// Column x, rows 1 to n, shows ramp[entries[row - 1]].
template <std::size_t N>
void ExpectRowEntries(const FaceCanvas& c, std::int32_t x, const int (&entries)[N], std::size_t n,
                      const std::vector<COLORREF>& ramp) {
    for (std::size_t row = 1; row <= n && row <= N; ++row)
        EXPECT_EQ(c.At(x, static_cast<std::int32_t>(row)), ramp[entries[row - 1]]) << "row " << row;
}

// A toggled-on face whose down colour is `down`, hovered or not: it keeps
// `want` as its ramp and its rows firstRow + i, i = 0..9, take entry 3i.
inline void ExpectToggledOnGradient(std::int32_t appearance, std::int32_t w, std::int32_t h,
                                    COLORREF down, bool hovered, std::int32_t firstRow,
                                    const std::vector<COLORREF>& want) {
    FaceCanvas c(w, h);
    c.colors.m_DownRGB = down;
    c.Down(StateOf(appearance, w, h).ToggledOn().Hovered(hovered), kTrue);
    EXPECT_EQ(c.ramp, want);
    ExpectGradientColumn(c, 5, firstRow, 0, 9, want, 30.0f / 10.0f);
}

// A canvas, a state and the shared patterns of one paint into them.
struct PatternPaint {
    explicit PatternPaint(const FaceState& state, FaceKind kind = FaceKind::Up,
                          std::vector<COLORREF> startRamp = {})
        : canvas(state.width, state.height),
          s(state),
          target(WithRamp(canvas, std::move(startRamp)).Target()),
          f(s, target, kind) {}

    FaceCanvas canvas;
    FaceState s;
    FaceTarget target;
    FacePatterns f;

private:
    static FaceCanvas& WithRamp(FaceCanvas& c, std::vector<COLORREF> ramp) {
        c.ramp = std::move(ramp);
        return c;
    }
};

}  // namespace vemmix::test
