#include "themes/ColorRamp.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace vemmix {
namespace {

RampSelector Theme(std::int32_t theme, bool pressed = false) {
    RampSelector s;
    s.themeIndex = theme;
    s.pressed = pressed;
    return s;
}

RampSelector Gradient(std::int32_t type) {
    RampSelector s;
    s.gradientType = type;
    return s;
}

std::vector<COLORREF> Build(COLORREF base, std::int32_t mode, const RampSelector& selector) {
    std::vector<COLORREF> ramp;
    BuildColorRamp(ramp, base, mode, selector);
    return ramp;
}

// Mode 0 and the Office 2003 ramp.

TEST(ColorRamp, BlueXpFromWhite) {
    const auto ramp = Build(0xFFFFFF, 0, Theme(0));
    ASSERT_EQ(ramp.size(), 20u);
    EXPECT_EQ(ramp[0], 0xFFFFFFu);
    EXPECT_EQ(ramp[1], 0xFEFEFEu);
    EXPECT_EQ(ramp[19], 0xC5D0D6u);
}

TEST(ColorRamp, OliveOffice2003FromBlackClampsAtZero) {
    const auto ramp = Build(0x000000, 1, Theme(1));
    ASSERT_EQ(ramp.size(), 25u);
    EXPECT_EQ(ramp[0], 0x3D212Du);  // red 45, green 33, blue 61
    EXPECT_EQ(ramp[24], 0u);        // -103, -86, -73 all clamp
}

TEST(ColorRamp, VistaSunrisePressedClampsAt255PerChannel) {
    const auto ramp = Build(0x10C0F0, 10, Theme(0));
    ASSERT_EQ(ramp.size(), 16u);
    EXPECT_EQ(ramp[0], 0x1DE3FFu);  // red 240 + 77 clamps, no carry into green
}

TEST(ColorRamp, SilverXpReleasedAndPressed) {
    const auto released = Build(0xE6EBEC, 0, Theme(2, false));
    EXPECT_EQ(released[0], 0xE6EBECu);
    EXPECT_EQ(released[1], 0xE6EBECu);
    EXPECT_EQ(released[2], 0xE4E9EAu);

    const auto pressed = Build(0xE6EBEC, 0, Theme(2, true));
    EXPECT_EQ(pressed[0], 0xE6EBECu);
    EXPECT_EQ(pressed[1], 0xA49799u);
    for (std::size_t k = 16; k < 20; ++k) {
        EXPECT_EQ(pressed[k], 0xE6EBECu) << "entry " << k;
    }
}

TEST(ColorRamp, RoyalXpPressedDiffersFromReleased) {
    const COLORREF base = 0x808080;
    const auto released = Build(base, 0, Theme(3, false));
    const auto pressed = Build(base, 0, Theme(3, true));
    EXPECT_EQ(released[1], 0x939FA4u);  // +36, +31, +19
    EXPECT_EQ(pressed[1], 0x4E3422u);   // -94, -76, -50
    EXPECT_EQ(released[19], 0x614A3Bu); // -69, -54, -31
    EXPECT_EQ(pressed[19], 0x92A0A8u);  // +40, +32, +18
}

TEST(ColorRamp, PressedOnlyMattersForSilverAndRoyalXp) {
    for (std::int32_t theme : {0, 1}) {
        EXPECT_EQ(Build(0x6080A0, 0, Theme(theme, false)), Build(0x6080A0, 0, Theme(theme, true)))
            << "theme " << theme;
    }
    for (std::int32_t mode = 1; mode <= 11; ++mode) {
        for (std::int32_t theme = 0; theme <= 5; ++theme) {
            EXPECT_EQ(Build(0x6080A0, mode, Theme(theme, false)), Build(0x6080A0, mode, Theme(theme, true)))
                << "mode " << mode << " theme " << theme;
        }
    }
}

TEST(ColorRamp, ThemesWithoutXpOrOfficeTableGiveBlackRamps) {
    for (std::int32_t theme : {4, 5, 6, -1}) {
        for (bool pressed : {false, true}) {
            EXPECT_EQ(Build(0xFFFFFF, 0, Theme(theme, pressed)), std::vector<COLORREF>(20, 0u))
                << "theme " << theme;
        }
        EXPECT_EQ(Build(0xFFFFFF, 1, Theme(theme)), std::vector<COLORREF>(25, 0u)) << "theme " << theme;
    }
}

// Mode 7: blue, royal and standard 3D share a table; so do olive and black.

TEST(ColorRamp, VistaSunsetThemeGroups) {
    const COLORREF base = 0x405060;
    const auto blue = Build(base, 7, Theme(0));
    const auto olive = Build(base, 7, Theme(1));
    const auto silver = Build(base, 7, Theme(2));
    EXPECT_EQ(Build(base, 7, Theme(3)), blue);
    EXPECT_EQ(Build(base, 7, Theme(4)), blue);
    EXPECT_EQ(Build(base, 7, Theme(5)), olive);
    EXPECT_NE(blue, olive);
    EXPECT_NE(blue, silver);
    EXPECT_NE(olive, silver);
    EXPECT_EQ(blue[0], 0x406E96u);    // +54, +30, 0
    EXPECT_EQ(olive[0], 0x687D91u);   // +49, +45, +40
    EXPECT_EQ(silver[30], 0x51616Fu); // +15, +17, +17
    // Outside the six themes no group applies.
    EXPECT_EQ(Build(base, 7, Theme(6)), std::vector<COLORREF>(31, 0u));
}

TEST(ColorRamp, SingleTableModesIgnoreTheTheme) {
    for (std::int32_t mode : {2, 3, 4, 5, 6, 8, 9, 10}) {
        const auto blue = Build(0x336699, mode, Theme(0));
        for (std::int32_t theme : {1, 2, 3, 4, 5, 9}) {
            EXPECT_EQ(Build(0x336699, mode, Theme(theme)), blue) << "mode " << mode << " theme " << theme;
        }
    }
}

// Mode 11, the Gradient style.

TEST(ColorRamp, GradientTowardsDarkAndFromLight) {
    const auto dark = Build(0x808080, 11, Gradient(0));
    ASSERT_EQ(dark.size(), 128u);
    EXPECT_EQ(dark[0], 0x808080u);
    EXPECT_EQ(dark[127], 0x010101u);

    const auto fromLight = Build(0x808080, 11, Gradient(3));
    EXPECT_EQ(fromLight[0], 0xFFFFFFu);  // 128 + 127 clamps
    EXPECT_EQ(fromLight[127], 0x808080u);
}

TEST(ColorRamp, GradientDirections) {
    const COLORREF base = 0x204060;
    for (std::int32_t type = 0; type <= 3; ++type) {
        const auto ramp = Build(base, 11, Gradient(type));
        ASSERT_EQ(ramp.size(), 128u);
        for (std::int16_t k = 0; k < 128; ++k) {
            const std::int16_t d = type == 0 ? -k : type == 1 ? -(127 - k) : type == 2 ? k : 127 - k;
            ASSERT_EQ(ramp[k], ShiftColor(base, d, d, d)) << "type " << type << " entry " << k;
        }
    }
    EXPECT_EQ(Build(base, 11, Gradient(1))[0], 0u);        // -127 clamps every channel
    EXPECT_EQ(Build(base, 11, Gradient(2))[127], 0x9FBFDFu);
}

TEST(ColorRamp, GradientWithoutDirectionIsBlack) {
    for (std::int32_t type : {4, -1, 255}) {
        EXPECT_EQ(Build(0x808080, 11, Gradient(type)), std::vector<COLORREF>(128, 0u)) << "type " << type;
    }
}

// Lengths, replacement and the high byte.

TEST(ColorRamp, LengthOfEveryMode) {
    const std::size_t lengths[12] = {20, 25, 20, 18, 31, 31, 31, 31, 17, 17, 16, 128};
    for (std::int32_t mode = 0; mode < 12; ++mode) {
        EXPECT_EQ(RampLength(mode), lengths[mode]) << "mode " << mode;
        for (std::int32_t theme = 0; theme <= 6; ++theme) {
            EXPECT_EQ(Build(0x123456, mode, Theme(theme)).size(), lengths[mode])
                << "mode " << mode << " theme " << theme;
        }
    }
    for (std::int32_t mode : {-1, 12, 13, INT_MAX, INT_MIN}) {
        EXPECT_EQ(RampLength(mode), 0u) << "mode " << mode;
    }
}

TEST(ColorRamp, ModeOutsideRangeKeepsPreviousRamp) {
    std::vector<COLORREF> ramp;
    BuildColorRamp(ramp, 0x808080, 12, Theme(0));
    EXPECT_TRUE(ramp.empty());

    BuildColorRamp(ramp, 0x808080, 3, Theme(0));
    const std::vector<COLORREF> mode3 = ramp;
    ASSERT_EQ(mode3.size(), 18u);
    for (std::int32_t mode : {12, -1, 100}) {
        BuildColorRamp(ramp, 0x000000, mode, Theme(0));
        EXPECT_EQ(ramp, mode3) << "mode " << mode;
    }
}

TEST(ColorRamp, EachRequestReplacesTheWholeRamp) {
    std::vector<COLORREF> ramp;
    BuildColorRamp(ramp, 0xFFFFFF, 11, Gradient(0));
    BuildColorRamp(ramp, 0xFFFFFF, 0, Theme(4));  // no table: a fresh black ramp
    EXPECT_EQ(ramp, std::vector<COLORREF>(20, 0u));
    BuildColorRamp(ramp, 0xFFFFFF, 10, Theme(0));
    EXPECT_EQ(ramp, Build(0xFFFFFF, 10, Theme(0)));
}

TEST(ColorRamp, ReusesTheRampStorage) {
    std::vector<COLORREF> ramp;
    BuildColorRamp(ramp, 0x808080, 11, Gradient(0));
    const COLORREF* storage = ramp.data();
    for (std::int32_t mode = 0; mode < 12; ++mode) {
        BuildColorRamp(ramp, 0x808080, mode, Theme(2, true));
        EXPECT_EQ(ramp.data(), storage) << "mode " << mode;
    }
}

TEST(ColorRamp, BaseEntriesKeepTheHighByteZeroOffsetsDropIt) {
    const COLORREF base = 0x01E6EBEC;
    const auto silver = Build(base, 0, Theme(2, false));
    EXPECT_EQ(silver[0], 0x01E6EBECu);  // base
    EXPECT_EQ(silver[1], 0x01E6EBECu);  // base
    EXPECT_EQ(silver[2], 0x00E4E9EAu);  // -2, -2, -2

    const auto blue = Build(base, 0, Theme(0));
    EXPECT_EQ(blue[0], 0x00E6EBECu);    // 0, 0, 0

    EXPECT_EQ(Build(base, 1, Theme(0))[15], 0x01E6EBECu);  // base
    EXPECT_EQ(Build(base, 1, Theme(3))[23], 0x01E6EBECu);  // base
    EXPECT_EQ(Build(base, 3, Theme(0))[8], 0x00E6EBECu);   // 0, 0, 0
    EXPECT_EQ(Build(base, 11, Gradient(0))[0], 0x00E6EBECu);
}

// A few cells of every table, the first and the last entry of each column,
// so that a shifted or swapped row shows up.
struct Anchor {
    std::int32_t mode;
    RampSelector selector;
    std::size_t k;
    bool isBase;
    std::int32_t dR, dG, dB;
};

class RampAnchor : public ::testing::TestWithParam<Anchor> {};

TEST_P(RampAnchor, MatchesTable) {
    const Anchor& a = GetParam();
    const COLORREF probe = 0xAB808080;  // offsets never clamp around 128
    const auto ramp = Build(probe, a.mode, a.selector);
    ASSERT_LT(a.k, ramp.size());
    if (a.isBase) {
        EXPECT_EQ(ramp[a.k], probe);
    } else {
        std::int32_t r = 128 + a.dR, g = 128 + a.dG, b = 128 + a.dB;
        EXPECT_EQ(ramp[a.k], ComposeColor(r, g, b));
    }
}

constexpr bool kBase = true;
constexpr bool kOffset = false;

INSTANTIATE_TEST_SUITE_P(Tables, RampAnchor, ::testing::Values(
    Anchor{0, Theme(0), 0, kOffset, 0, 0, 0},          Anchor{0, Theme(0), 19, kOffset, -41, -47, -58},
    Anchor{0, Theme(1), 1, kOffset, -1, 0, -4},        Anchor{0, Theme(1), 19, kOffset, -28, -46, -71},
    Anchor{0, Theme(2), 1, kBase, 0, 0, 0},            Anchor{0, Theme(2), 19, kOffset, -57, -58, -40},
    Anchor{0, Theme(2, true), 15, kOffset, -7, -3, -2}, Anchor{0, Theme(2, true), 16, kBase, 0, 0, 0},
    Anchor{0, Theme(3), 0, kBase, 0, 0, 0},            Anchor{0, Theme(3), 12, kOffset, -5, -2, -1},
    Anchor{0, Theme(3, true), 10, kOffset, 20, 13, 7},  Anchor{0, Theme(3, true), 19, kOffset, 40, 32, 18},
    Anchor{1, Theme(0), 0, kOffset, 41, 27, 0},        Anchor{1, Theme(0), 24, kOffset, -123, -112, -89},
    Anchor{1, Theme(1), 13, kOffset, 14, 4, 4},        Anchor{1, Theme(1), 24, kOffset, -103, -86, -73},
    Anchor{1, Theme(2), 15, kBase, 0, 0, 0},           Anchor{1, Theme(2), 24, kOffset, -81, -81, -73},
    Anchor{1, Theme(3), 23, kBase, 0, 0, 0},           Anchor{1, Theme(3), 24, kOffset, 3, 4, 3},
    Anchor{2, Theme(0), 0, kOffset, 0, 0, 0},          Anchor{2, Theme(0), 19, kOffset, 0, -40, -55},
    Anchor{3, Theme(0), 0, kOffset, 8, 9, 8},          Anchor{3, Theme(0), 17, kOffset, 18, 16, 16},
    Anchor{4, Theme(0), 0, kOffset, 0, 39, 125},       Anchor{4, Theme(0), 30, kOffset, 0, 15, 55},
    Anchor{5, Theme(0), 0, kOffset, 0, 46, 107},       Anchor{5, Theme(0), 30, kOffset, -1, 54, 59},
    Anchor{6, Theme(0), 0, kOffset, 4, 49, 45},        Anchor{6, Theme(0), 30, kOffset, 3, 71, 40},
    Anchor{7, Theme(0), 11, kOffset, 23, 12, 0},       Anchor{7, Theme(0), 30, kOffset, 19, 10, 0},
    Anchor{7, Theme(1), 0, kOffset, 49, 45, 40},       Anchor{7, Theme(1), 30, kOffset, 20, 19, 17},
    Anchor{7, Theme(2), 0, kOffset, 38, 39, 41},       Anchor{7, Theme(2), 13, kOffset, 0, 0, 0},
    Anchor{8, Theme(0), 0, kOffset, 21, 21, 21},       Anchor{8, Theme(0), 16, kOffset, -14, -14, -14},
    Anchor{9, Theme(0), 3, kOffset, 38, 14, -1},       Anchor{9, Theme(0), 16, kOffset, -23, -13, -8},
    Anchor{10, Theme(0), 0, kOffset, 77, 35, 13},      Anchor{10, Theme(0), 15, kOffset, -48, -30, -20}));

// Every entry of every table, for bases that clamp: each entry is either the
// base itself or ComposeColor of the base's components plus a fixed offset
// per entry. The offsets are read from a build around 128, where nothing
// clamps and a base entry shows by its high byte.
struct RampCase {
    std::string name;
    std::int32_t mode;
    RampSelector selector;
};

std::vector<RampCase> AllRampCases() {
    std::vector<RampCase> cases;
    for (std::int32_t theme = 0; theme <= 5; ++theme) {
        for (bool pressed : {false, true}) {
            cases.push_back({"Mode0Theme" + std::to_string(theme) + (pressed ? "Pressed" : "Released"), 0,
                             Theme(theme, pressed)});
        }
        cases.push_back({"Mode1Theme" + std::to_string(theme), 1, Theme(theme)});
        cases.push_back({"Mode7Theme" + std::to_string(theme), 7, Theme(theme)});
    }
    for (std::int32_t mode : {2, 3, 4, 5, 6, 8, 9, 10}) {
        cases.push_back({"Mode" + std::to_string(mode), mode, Theme(0)});
    }
    for (std::int32_t type = 0; type <= 4; ++type) {
        cases.push_back({"Mode11Gradient" + std::to_string(type), 11, Gradient(type)});
    }
    return cases;
}

class RampOffsets : public ::testing::TestWithParam<RampCase> {};

TEST_P(RampOffsets, EntriesAreClampedOffsetsOfTheBase) {
    const RampCase& c = GetParam();
    const COLORREF probe = 0xAB808080;
    const auto reference = Build(probe, c.mode, c.selector);
    ASSERT_EQ(reference.size(), RampLength(c.mode));

    for (COLORREF base : {0x000000u, 0xFFFFFFu, 0x10C0F0u, 0xE6EBECu, 0x7F01FEu, 0x00FF00u}) {
        SCOPED_TRACE(::testing::Message() << "base 0x" << std::hex << base);
        const auto ramp = Build(base, c.mode, c.selector);
        ASSERT_EQ(ramp.size(), reference.size());
        const RgbComponents b = SplitColor(base);
        for (std::size_t k = 0; k < ramp.size(); ++k) {
            if (reference[k] == probe) {
                EXPECT_EQ(ramp[k], base) << "entry " << k;
                continue;
            }
            ASSERT_EQ(reference[k] >> 24, 0u) << "entry " << k;
            const RgbComponents offset = SplitColor(reference[k]);
            std::int32_t r = b.r + offset.r - 128;
            std::int32_t g = b.g + offset.g - 128;
            std::int32_t bl = b.b + offset.b - 128;
            if (reference[k] == 0) {
                // no table (no offset reaches -128): black whatever the base
                EXPECT_EQ(ramp[k], 0u) << "entry " << k;
            } else {
                EXPECT_EQ(ramp[k], ComposeColor(r, g, bl)) << "entry " << k;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllModes, RampOffsets, ::testing::ValuesIn(AllRampCases()),
                         [](const ::testing::TestParamInfo<RampCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vemmix
