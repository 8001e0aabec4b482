// Each style paints with the state colour its prologue chose: a disabled
// button takes the disabled colour even while pressed or toggled on, a
// toggled-on button away from the pointer and a pressed button under the
// pointer take the down colour, and the released face prefers hover to
// focus. Every style is probed where its FaceColor shows.
#include <functional>
#include <tuple>

#include "tests/render/faces/FaceTestSupport.h"

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

// Colours that tell the five states apart in every style.
void UseStateColours(FaceCanvas& c) {
    c.colors.m_BackRGB = kB;
    c.colors.m_DownRGB = kD;
    c.colors.m_OverRGB = kO;
    c.colors.m_FocusRGB = kF;
    c.colors.m_DisabledRGB = kX;
}


// A situation and the state colour the face must paint with.
struct Expected {
    const char* name;
    Situation situation;
    COLORREF want;
};

const Expected kDownSituations[] = {
    // name                                     {enabled, pressed, mode, toggle, over, focus}  colour
    {"DisabledWinsOverPressed",                 {false, T, 0, F, T, F}, kX},
    {"ToggledOnAwayFromPointerUsesDownColour",  {true,  F, 1, T, F, T}, kD},
    {"PressedUnderPointerUsesDownColour",       {true,  T, 0, F, T, T}, kD},
};

// The released face prefers hover to focus and disabled to all.
const Expected kUpSituations[] = {
    {"Rest",                 {true,  F, 0, F, F, F}, kB},
    {"Focus",                {true,  F, 0, F, F, T}, kF},
    {"HoverBeatsFocus",      {true,  F, 0, F, T, T}, kO},
    {"DisabledBeatsHover",   {false, F, 0, F, T, T}, kX},
};

using StyleAndSituation = std::tuple<StyleProbe, Expected>;

class StateColour : public ::testing::TestWithParam<StyleAndSituation> {
protected:
    FaceCanvas c{W, H};
    FaceState s;
    void SetUp() override {
        UseStateColours(c);
        s = TestState(Style().appearance, W, H);
        Apply(s, std::get<1>(GetParam()).situation);
    }
    const StyleProbe& Style() const { return std::get<0>(GetParam()); }
    void Check() const { Style().probe(c, std::get<1>(GetParam()).want); }
};

class StateColourDown : public StateColour {};
class StateColourUp : public StateColour {};

TEST_P(StateColourDown, PaintsWithTheChosenColour) {
    c.Clear();
    c.ramp.clear();
    c.Down(s, kTrue);
    Check();
}

TEST_P(StateColourUp, PaintsWithTheChosenColour) {
    c.Clear();
    c.Up(s, kTrue);
    Check();
}

std::string StyleAndSituationName(const ::testing::TestParamInfo<StyleAndSituation>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Styles, StateColourDown,
                         ::testing::Combine(::testing::ValuesIn(kDownProbes),
                                            ::testing::ValuesIn(kDownSituations)),
                         StyleAndSituationName);
INSTANTIATE_TEST_SUITE_P(Styles, StateColourUp,
                         ::testing::Combine(::testing::ValuesIn(kUpProbes),
                                            ::testing::ValuesIn(kUpSituations)),
                         StyleAndSituationName);

// The ramp-based released faces take FaceColor as their ramp base where
// the style says so.
struct RampCase {
    std::int32_t appearance;
    VBool over, focus;
    bool enabled;
    std::int32_t mode;
    COLORREF base;
};

const char* const kStyleNames[] = {"ThreeD",    "Flat",       "Shaped",       "WindowsXp",
                                   "ExplorerXp", "Office2003", "Office2007", "VistaSunrise",
                                   "VistaSunset", "Gradient"};

std::string RampCaseName(const ::testing::TestParamInfo<RampCase>& info) {
    const RampCase& k = info.param;
    std::string n = std::string(kStyleNames[k.appearance]) + "_";
    if (k.over) n += "Hover";
    if (k.focus) n += "Focus";
    if (!k.enabled) n += "Disabled";
    return n;
}

class StateColourRamp : public ::testing::TestWithParam<RampCase> {};

TEST_P(StateColourRamp, ReleasedFacesGenerateFromFaceColor) {
    const RampCase& k = GetParam();
    FaceCanvas c(W, H);
    UseStateColours(c);
    FaceState s = TestState(k.appearance, W, H);
    s.mouseOver = k.over;
    s.hasFocus = k.focus;
    s.enabled = k.enabled;
    c.Up(s, kTrue);
    EXPECT_EQ(c.ramp, Ramp(k.base, k.mode)) << "appearance " << k.appearance;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, StateColourRamp,
    ::testing::Values(
        RampCase{3, kFalse, kTrue, true, 0, kF},  RampCase{3, kTrue, kTrue, false, 0, kX},
        RampCase{5, kFalse, kTrue, true, 1, kF},  RampCase{5, kFalse, kFalse, false, 1, kX},
        RampCase{6, kFalse, kTrue, true, 3, kF},  RampCase{6, kFalse, kFalse, false, 3, kX},
        RampCase{7, kFalse, kTrue, true, 8, kF},  RampCase{7, kTrue, kFalse, true, 9, kO},
        RampCase{7, kTrue, kFalse, false, 9, kX}, RampCase{8, kFalse, kTrue, true, 7, kF},
        RampCase{8, kTrue, kFalse, false, 4, kO},  // hovered: m_OverRGB named directly
        RampCase{9, kFalse, kTrue, true, 11, kF}, RampCase{9, kFalse, kFalse, false, 11, kX}),
    RampCaseName);

TEST(StateColourRoyal, OfficeRoyalDownToggledFillsWithFaceColor) {
    FaceCanvas c(W, H);
    c.colors.m_DisabledRGB = kX;
    c.Down(StateOf(5, W, H).Theme(3).ToggledOn().Disabled(), kTrue);
    EXPECT_EQ(c.At(W / 2, H / 2), kX);
}

}  // namespace
}  // namespace vemmix::test
