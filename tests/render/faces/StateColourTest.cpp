// Each style paints with the state colour its prologue chose: a disabled
// button takes the disabled colour even while pressed or toggled on, a
// toggled-on button away from the pointer and a pressed button under the
// pointer take the down colour, and the released face prefers hover to
// focus. Every style is probed where its FaceColor shows.
#include <functional>

#include "tests/render/faces/FaceCanvas.h"

namespace vemmix::test {
namespace {

constexpr COLORREF kB = 0xC0D0E0;  // back
constexpr COLORREF kD = 0xB0C8D8;  // down
constexpr COLORREF kO = 0xA8B8C8;  // over
constexpr COLORREF kF = 0x98A8B8;  // focus
constexpr COLORREF kX = 0xE8E0D8;  // disabled
constexpr std::int32_t W = 24;
constexpr std::int32_t H = 12;

// Checks that the face painted into c used `face` as FaceColor.
using Probe = std::function<void(const FaceCanvas& c, COLORREF face)>;

Probe CentrePixel() {
    return [](const FaceCanvas& c, COLORREF face) { EXPECT_EQ(c.At(W / 2, H / 2), face); };
}
Probe LeftHighlight() {
    return [](const FaceCanvas& c, COLORREF face) { EXPECT_EQ(c.At(1, H / 2), face); };
}

struct StyleProbe {
    const char* name;
    std::int32_t appearance;
    Probe probe;
};

// Pressed faces that show FaceColor; Office 2003 (not royal), Office 2007
// and Vista Sunset name cache entries directly.
const StyleProbe kDownProbes[] = {
    {"ThreeD", 0, CentrePixel()},
    {"Flat", 1, CentrePixel()},
    {"WindowsXp", 3,
     [](const FaceCanvas& c, COLORREF face) { EXPECT_EQ(c.At(1, H / 2), Ramp(face, 0, 0, true)[19]); }},
    {"ExplorerXp", 4,
     [](const FaceCanvas& c, COLORREF face) {
         EXPECT_EQ(c.At(W / 2, H / 2), ShiftColor(face, -26, -26, -26));
     }},
    {"VistaSunrise", 7,
     [](const FaceCanvas& c, COLORREF face) {
         EXPECT_EQ(c.colors.m_DarkShadowRGB, ShiftColor(face, -108, -111, -100));
         EXPECT_EQ(c.ramp, Ramp(face, 10, 0, true));
     }},
    {"Gradient", 9, LeftHighlight()},
};

// Released faces that show FaceColor in every state (the ramp-based ones
// are checked through their ramp base below).
const StyleProbe kUpProbes[] = {
    {"ThreeD", 0, CentrePixel()},
    {"Flat", 1, CentrePixel()},
    {"WindowsXp", 3, LeftHighlight()},
    {"Gradient", 9, LeftHighlight()},
};

class StateColour : public ::testing::TestWithParam<StyleProbe> {
protected:
    FaceCanvas c{W, H};
    FaceState s;
    void SetUp() override {
        c.colors.m_BackRGB = kB;
        c.colors.m_DownRGB = kD;
        c.colors.m_OverRGB = kO;
        c.colors.m_FocusRGB = kF;
        c.colors.m_DisabledRGB = kX;
        s = TestState(GetParam().appearance, W, H);
    }
    void PaintDown() {
        c.Clear();
        c.ramp.clear();
        c.Down(s, kTrue);
    }
};

class StateColourDown : public StateColour {};
class StateColourUp : public StateColour {};

TEST_P(StateColourDown, DisabledWinsOverPressed) {
    s.enabled = false;
    s.pressed = kTrue;
    s.mouseOver = kTrue;
    PaintDown();
    GetParam().probe(c, kX);
}

TEST_P(StateColourDown, ToggledOnAwayFromPointerUsesDownColour) {
    s.appearanceMode = 1;
    s.toggleValue = kTrue;
    s.hasFocus = kTrue;
    PaintDown();
    GetParam().probe(c, kD);
}

TEST_P(StateColourDown, PressedUnderPointerUsesDownColour) {
    s.pressed = kTrue;
    s.mouseOver = kTrue;
    s.hasFocus = kTrue;
    PaintDown();
    GetParam().probe(c, kD);
}

TEST_P(StateColourUp, PrefersHoverToFocusAndDisabledToAll) {
    const struct {
        VBool over, focus;
        bool enabled;
        COLORREF want;
    } cases[] = {{kFalse, kFalse, true, kB}, {kFalse, kTrue, true, kF}, {kTrue, kTrue, true, kO},
                 {kTrue, kTrue, false, kX}};
    for (const auto& k : cases) {
        s.mouseOver = k.over;
        s.hasFocus = k.focus;
        s.enabled = k.enabled;
        c.Clear();
        c.Up(s, kTrue);
        GetParam().probe(c, k.want);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, StateColourDown, ::testing::ValuesIn(kDownProbes),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Styles, StateColourUp, ::testing::ValuesIn(kUpProbes),
                         [](const auto& info) { return std::string(info.param.name); });

// The ramp-based released faces take FaceColor as their ramp base where
// the style says so.
TEST(StateColourRamp, ReleasedFacesGenerateFromFaceColor) {
    struct Case {
        std::int32_t appearance;
        VBool over, focus;
        bool enabled;
        std::int32_t mode;
        COLORREF base;
    };
    const Case cases[] = {
        {3, kFalse, kTrue, true, 0, kF},  {3, kTrue, kTrue, false, 0, kX},
        {5, kFalse, kTrue, true, 1, kF},  {5, kFalse, kFalse, false, 1, kX},
        {6, kFalse, kTrue, true, 3, kF},  {6, kFalse, kFalse, false, 3, kX},
        {7, kFalse, kTrue, true, 8, kF},  {7, kTrue, kFalse, true, 9, kO},
        {7, kTrue, kFalse, false, 9, kX}, {8, kFalse, kTrue, true, 7, kF},
        {8, kTrue, kFalse, false, 4, kO},  // hovered: m_OverRGB named directly
        {9, kFalse, kTrue, true, 11, kF}, {9, kFalse, kFalse, false, 11, kX},
    };
    for (const Case& k : cases) {
        FaceCanvas c(W, H);
        c.colors.m_BackRGB = kB;
        c.colors.m_DownRGB = kD;
        c.colors.m_OverRGB = kO;
        c.colors.m_FocusRGB = kF;
        c.colors.m_DisabledRGB = kX;
        FaceState s = TestState(k.appearance, W, H);
        s.mouseOver = k.over;
        s.hasFocus = k.focus;
        s.enabled = k.enabled;
        c.Up(s, kTrue);
        EXPECT_EQ(c.ramp, Ramp(k.base, k.mode)) << "appearance " << k.appearance;
    }
}

TEST(StateColourRamp, OfficeRoyalDownToggledFillsWithFaceColor) {
    FaceCanvas c(W, H);
    c.colors.m_DisabledRGB = kX;
    FaceState s = TestState(5, W, H);
    s.themeIndex = 3;
    s.appearanceMode = 1;
    s.toggleValue = kTrue;
    s.enabled = false;
    c.Down(s, kTrue);
    EXPECT_EQ(c.At(W / 2, H / 2), kX);
}

}  // namespace
}  // namespace vemmix::test
