#include "themes/ColorRamp.h"

#include <algorithm>

#include <array>

namespace vemmix {

namespace {

// One cell of a ramp table: per-channel offsets, or the base colour copied as
// passed (high byte included), or no entry at all (an index beyond the
// mode's length, kept only so that tables sharing rows stay rectangular).
enum class EntryKind : std::uint8_t { Offset, Base, None };

struct RampEntry {
    std::int8_t dR = 0;
    std::int8_t dG = 0;
    std::int8_t dB = 0;
    EntryKind kind = EntryKind::Offset;
};

constexpr RampEntry base{0, 0, 0, EntryKind::Base};
constexpr RampEntry none{0, 0, 0, EntryKind::None};

constexpr std::array<std::size_t, 12> kRampLengths = {20, 25, 20, 18, 31, 31, 31, 31, 17, 17, 16, 128};

// The offsets follow no formula; they are the looks of the themed styles,
// one row per entry k, one column per table. An entry {0, 0, 0} is not the
// same as base: it drops a high byte that the base colour may carry.

// Mode 0: Windows XP and Explorer XP. Standard 3D and black have no table.
enum Mode0Column : std::size_t {
    Mode0Blue,
    Mode0Olive,
    Mode0SilverReleased,
    Mode0SilverPressed,
    Mode0RoyalReleased,
    Mode0RoyalPressed,
};
constexpr RampEntry kMode0[20][6] = {
    //          blue (0)            olive (1)           silver (2)          silver (2)          royal (3)           royal (3)
    //                                                  released            pressed/toggled     released            pressed/toggled
    /*  0 */ {{   0,    0,    0}, {   0,    0,    0},        base       ,        base       ,        base       ,        base       },
    /*  1 */ {{  -1,   -1,   -1}, {  -1,    0,   -4},        base       , { -83,  -84,  -66}, { +36,  +31,  +19}, { -94,  -76,  -50}},
    /*  2 */ {{  -3,   -3,   -4}, {  -1,   -2,   -7}, {  -2,   -2,   -2}, { -76,  -77,  -58}, { +30,  +26,  +19}, { -47,  -38,  -29}},
    /*  3 */ {{  -5,   -5,   -6}, {  -3,   -4,  -10}, {  -2,   -2,   -2}, { -71,  -72,  -53}, { +40,  +32,  +18}, { -42,  -33,  -25}},
    /*  4 */ {{  -7,   -7,   -9}, {  -5,   -6,  -13}, {  -7,   -3,   -2}, { -67,  -66,  -50}, { +38,  +31,  +17}, { -36,  -28,  -20}},
    /*  5 */ {{  -9,   -9,  -13}, {  -4,   -5,  -14}, {  -9,   -8,   -2}, { -64,  -63,  -50}, { +35,  +30,  +16}, { -26,  -20,  -14}},
    /*  6 */ {{ -10,  -10,  -14}, {  -4,   -6,  -15}, { -11,  -10,   -2}, { -64,  -63,  -50}, { +31,  +28,  +14}, { -20,  -15,  -10}},
    /*  7 */ {{ -11,  -11,  -15}, {  -5,   -8,  -16}, { -15,  -14,   -3}, { -59,  -58,  -45}, { +28,  +26,  +13}, { -14,   -9,   -5}},
    /*  8 */ {{ -12,  -12,  -16}, {  -6,   -9,  -17}, { -22,  -20,  -10}, { -54,  -52,  -41}, { +24,  +22,  +11}, {  -5,   -2,   -1}},
    /*  9 */ {{ -12,  -12,  -17}, {  -6,   -9,  -17}, { -22,  -20,  -10}, { -48,  -46,  -36}, { +20,  +19,   +9}, { +14,  +13,   +7}},
    /* 10 */ {{ -13,  -13,  -18}, {  -6,   -9,  -18}, { -28,  -26,  -15}, { -41,  -40,  -29}, { +20,  +19,   +9}, { +20,  +13,   +7}},
    /* 11 */ {{ -14,  -14,  -18}, {  -7,  -10,  -19}, { -33,  -32,  -19}, { -37,  -36,  -26}, { +14,  +13,   +7}, { +24,  +19,   +9}},
    /* 12 */ {{ -14,  -14,  -19}, {  -8,  -11,  -19}, { -38,  -37,  -24}, { -26,  -25,  -16}, {  -5,   -2,   -1}, { +28,  +22,  +11}},
    /* 13 */ {{ -15,  -15,  -20}, {  -8,  -11,  -20}, { -41,  -40,  -24}, { -17,  -16,   -9}, { -14,   -9,   -5}, { +31,  +26,  +13}},
    /* 14 */ {{ -15,  -15,  -21}, {  -9,  -12,  -21}, { -45,  -41,  -27}, { -10,   -8,   -2}, { -20,  -15,  -10}, { +35,  +28,  +14}},
    /* 15 */ {{ -15,  -15,  -20}, {  -9,  -12,  -22}, { -41,  -40,  -25}, {  -7,   -3,   -2}, { -26,  -20,  -14}, { +38,  +30,  +16}},
    /* 16 */ {{ -15,  -15,  -21}, {  -9,  -12,  -22}, { -45,  -46,  -27},        base       , { -36,  -28,  -20}, { +40,  +31,  +17}},
    /* 17 */ {{ -19,  -20,  -25}, { -12,  -17,  -27}, { -50,  -51,  -32},        base       , { -42,  -33,  -25}, { +40,  +32,  +18}},
    /* 18 */ {{ -29,  -32,  -41}, { -19,  -30,  -45}, { -57,  -58,  -40},        base       , { -47,  -38,  -29}, { +40,  +32,  +18}},
    /* 19 */ {{ -41,  -47,  -58}, { -28,  -46,  -71}, { -57,  -58,  -40},        base       , { -69,  -54,  -31}, { +40,  +32,  +18}},
};

// Mode 1: Office 2003. Standard 3D and black have no table.
constexpr RampEntry kMode1[25][4] = {
    //          blue (0)            olive (1)           silver (2)          royal (3)
    /*  0 */ {{ +41,  +27,    0}, { +45,  +33,  +61}, { +38,  +39,  +29}, { +15,  +17,  +13}},
    /*  1 */ {{ +40,  +26,   +8}, { +42,  +31,  +56}, { +37,  +37,  +28}, { +15,  +16,  +13}},
    /*  2 */ {{ +36,  +25,   +8}, { +38,  +28,  +51}, { +35,  +35,  +27}, { +14,  +16,  +12}},
    /*  3 */ {{ +34,  +24,   +8}, { +35,  +26,  +46}, { +33,  +34,  +25}, { +14,  +15,  +12}},
    /*  4 */ {{ +33,  +23,   +8}, { +31,  +23,  +41}, { +32,  +32,  +24}, { +13,  +15,  +11}},
    /*  5 */ {{ +31,  +22,   +8}, { +28,  +21,  +36}, { +30,  +30,  +23}, { +13,  +14,  +11}},
    /*  6 */ {{ +29,  +21,   +8}, { +24,  +18,  +31}, { +28,  +29,  +21}, { +12,  +13,  +11}},
    /*  7 */ {{ +27,  +20,   +7}, { +21,  +16,  +26}, { +26,  +27,  +20}, { +12,  +13,  +10}},
    /*  8 */ {{ +26,  +19,   +7}, { +17,  +13,  +21}, { +25,  +25,  +19}, { +11,  +12,  +10}},
    /*  9 */ {{ +24,  +18,   +7}, { +14,  +11,  +16}, { +23,  +24,  +17}, { +11,  +12,   +9}},
    /* 10 */ {{ +22,  +17,   +7}, { +10,   +8,  +10}, { +21,  +22,  +16}, { +10,  +11,   +9}},
    /* 11 */ {{ +21,  +16,   +7}, {  +7,   +6,   +7}, { +20,  +21,  +15}, { +10,  +11,   +9}},
    /* 12 */ {{ +20,  +16,   +7}, {  +7,   +6,   +7}, { +20,  +21,  +15}, { +10,  +10,   +9}},
    /* 13 */ {{ +14,  +10,   +4}, { +14,   +4,   +4}, { +13,  +14,  +10}, {  +9,  +10,   +8}},
    /* 14 */ {{  +7,   +5,   +2}, {  +2,   +2,   +2}, {  +7,   +7,   +5}, {  +8,   +9,   +7}},
    /* 15 */ {       base       ,        base       ,        base       , {  +7,   +8,   +6}},
    /* 16 */ {{  -6,   -5,   -3}, {  -2,   -2,   -2}, {  -6,   -6,   -5}, {  +6,   +7,   +6}},
    /* 17 */ {{ -13,  -10,   -5}, {  -4,   -4,   -4}, { -13,  -13,  -10}, {  +5,   +6,   +5}},
    /* 18 */ {{ -20,  -15,   -7}, {  -6,   -6,   -6}, { -19,  -20,  -15}, {  +5,   +5,   +4}},
    /* 19 */ {{ -26,  -20,  -10}, {  -8,   -8,   -8}, { -26,  -27,  -20}, {  +4,   +4,   +3}},
    /* 20 */ {{ -33,  -25,  -12}, { -10,  -10,  -10}, { -32,  -33,  -25}, {  +3,   +3,   +3}},
    /* 21 */ {{ -40,  -30,  -14}, { -12,  -12,  -12}, { -39,  -40,  -30}, {  +2,   +2,   +2}},
    /* 22 */ {{ -46,  -35,  -17}, { -14,  -14,  -14}, { -45,  -47,  -35}, {  +1,   +1,   +1}},
    /* 23 */ {{ -53,  -40,  -19}, { -16,  -16,  -16}, { -52,  -54,  -40},        base       },
    /* 24 */ {{-123, -112,  -89}, {-103,  -86,  -73}, { -81,  -81,  -73}, {  +3,   +4,   +3}},
};

// Modes 2 (Office 2003 hover and pressed) and 3 (Office 2007 released).
enum Mode2And3Column : std::size_t { Mode2, Mode3 };
constexpr RampEntry kModes2And3[20][2] = {
    //          mode 2              mode 3
    /*  0 */ {{   0,    0,    0}, {  +8,   +9,   +8}},
    /*  1 */ {{   0,   -2,   -3}, { +11,  +11,  +10}},
    /*  2 */ {{   0,   -4,   -5}, { +11,  +12,  +11}},
    /*  3 */ {{   0,   -6,   -8}, { +12,  +13,  +12}},
    /*  4 */ {{   0,   -8,  -11}, { +13,  +13,  +13}},
    /*  5 */ {{   0,  -10,  -14}, { +14,  +13,  +13}},
    /*  6 */ {{   0,  -12,  -16}, { +13,  +13,  +13}},
    /*  7 */ {{   0,  -14,  -19}, {  +4,   +4,   +4}},
    /*  8 */ {{   0,  -16,  -22}, {   0,    0,    0}},
    /*  9 */ {{   0,  -18,  -24}, {  +5,   +3,   +3}},
    /* 10 */ {{   0,  -20,  -26}, {  +5,   +4,   +4}},
    /* 11 */ {{   0,  -21,  -28}, {  +7,   +6,   +6}},
    /* 12 */ {{   0,  -23,  -31}, {  +9,   +7,   +7}},
    /* 13 */ {{   0,  -26,  -35}, {  +9,   +8,   +8}},
    /* 14 */ {{   0,  -28,  -38}, { +11,  +10,  +10}},
    /* 15 */ {{   0,  -31,  -41}, { +14,  +12,  +12}},
    /* 16 */ {{   0,  -33,  -45}, { +15,  +14,  +14}},
    /* 17 */ {{   0,  -35,  -48}, { +18,  +16,  +16}},
    /* 18 */ {{   0,  -38,  -51},        none       },
    /* 19 */ {{   0,  -40,  -55},        none       },
};

// Modes 4, 5 and 6: Office 2007 and Vista Sunset hovered, toggled, pressed.
enum Mode4To6Column : std::size_t { Mode4, Mode5, Mode6 };
constexpr RampEntry kModes4To6[31][3] = {
    //          mode 4              mode 5              mode 6
    /*  0 */ {{   0,  +39, +125}, {   0,  +46, +107}, {  +4,  +49,  +45}},
    /*  1 */ {{   0,  +37, +119}, {   0,  +43, +101}, {  +4,  +47,  +41}},
    /*  2 */ {{   0,  +35, +114}, {   0,  +40,  +96}, {  +4,  +46,  +38}},
    /*  3 */ {{   0,  +33, +108}, {   0,  +37,  +90}, {  +4,  +44,  +34}},
    /*  4 */ {{   0,  +31, +103}, {   0,  +35,  +85}, {  +4,  +43,  +31}},
    /*  5 */ {{   0,  +29,  +97}, {   0,  +32,  +79}, {  +4,  +41,  +27}},
    /*  6 */ {{   0,  +27,  +92}, {   0,  +29,  +74}, {  +4,  +40,  +24}},
    /*  7 */ {{   0,  +25,  +86}, {   0,  +27,  +69}, {  +4,  +38,  +20}},
    /*  8 */ {{   0,  +23,  +81}, {   0,  +24,  +63}, {  +4,  +37,  +17}},
    /*  9 */ {{   0,  +21,  +75}, {   0,  +21,  +58}, {  +4,  +35,  +13}},
    /* 10 */ {{   0,  +19,  +70}, {   0,  +19,  +52}, {  +4,  +34,  +10}},
    /* 11 */ {{   0,  +17,  +64}, {   0,  +16,  +47}, {  +4,  +32,   +6}},
    /* 12 */ {{   0,    0,    0}, {   0,    0,    0}, {   0,    0,    0}},
    /* 13 */ {{   0,    0,   +3}, {  -1,   +3,   +3}, {   0,   +3,   +2}},
    /* 14 */ {{   0,   +1,   +6}, {  -1,   +6,   +6}, {   0,   +7,   +4}},
    /* 15 */ {{   0,   +2,   +9}, {  -1,   +9,   +9}, {   0,  +11,   +6}},
    /* 16 */ {{   0,   +3,  +12}, {  -1,  +12,  +13}, {   0,  +15,   +9}},
    /* 17 */ {{   0,   +4,  +15}, {  -1,  +15,  +16}, {  +1,  +19,  +11}},
    /* 18 */ {{   0,   +5,  +18}, {  -1,  +18,  +19}, {  +1,  +23,  +13}},
    /* 19 */ {{   0,   +5,  +21}, {  -1,  +21,  +23}, {  +1,  +27,  +15}},
    /* 20 */ {{   0,   +6,  +24}, {  -1,  +24,  +26}, {  +1,  +31,  +18}},
    /* 21 */ {{   0,   +7,  +27}, {  -1,  +27,  +29}, {  +1,  +35,  +20}},
    /* 22 */ {{   0,   +8,  +31}, {  -1,  +30,  +33}, {  +2,  +39,  +22}},
    /* 23 */ {{   0,   +9,  +34}, {  -1,  +33,  +36}, {  +2,  +43,  +24}},
    /* 24 */ {{   0,  +10,  +37}, {  -1,  +36,  +39}, {  +2,  +47,  +27}},
    /* 25 */ {{   0,  +10,  +40}, {  -1,  +39,  +43}, {  +2,  +51,  +29}},
    /* 26 */ {{   0,  +11,  +43}, {  -1,  +42,  +46}, {  +2,  +55,  +31}},
    /* 27 */ {{   0,  +12,  +46}, {  -1,  +45,  +49}, {  +3,  +59,  +33}},
    /* 28 */ {{   0,  +13,  +49}, {  -1,  +48,  +53}, {  +3,  +63,  +36}},
    /* 29 */ {{   0,  +14,  +52}, {  -1,  +51,  +56}, {  +3,  +67,  +38}},
    /* 30 */ {{   0,  +15,  +55}, {  -1,  +54,  +59}, {  +3,  +71,  +40}},
};

// Mode 7: Vista Sunset released, by theme group.
enum Mode7Column : std::size_t { Mode7BlueRoyalStandard, Mode7OliveBlack, Mode7Silver };
constexpr RampEntry kMode7[31][3] = {
    //          blue (0), royal (3) olive (1),          silver (2)
    //          standard 3D (4)     black (5)
    /*  0 */ {{ +54,  +30,    0}, { +49,  +45,  +40}, { +38,  +39,  +41}},
    /*  1 */ {{ +51,  +28,    0}, { +46,  +43,  +38}, { +36,  +37,  +39}},
    /*  2 */ {{ +48,  +26,    0}, { +44,  +41,  +36}, { +34,  +35,  +37}},
    /*  3 */ {{ +45,  +25,    0}, { +42,  +39,  +34}, { +32,  +33,  +35}},
    /*  4 */ {{ +43,  +23,    0}, { +40,  +37,  +32}, { +30,  +32,  +33}},
    /*  5 */ {{ +40,  +22,    0}, { +37,  +35,  +30}, { +28,  +30,  +31}},
    /*  6 */ {{ +37,  +20,    0}, { +35,  +33,  +28}, { +26,  +28,  +29}},
    /*  7 */ {{ +34,  +18,    0}, { +33,  +31,  +27}, { +25,  +26,  +27}},
    /*  8 */ {{ +32,  +17,    0}, { +31,  +29,  +25}, { +23,  +25,  +25}},
    /*  9 */ {{ +29,  +15,    0}, { +28,  +27,  +23}, { +21,  +23,  +23}},
    /* 10 */ {{ +26,  +14,    0}, { +26,  +25,  +21}, { +19,  +21,  +21}},
    /* 11 */ {{ +23,  +12,    0}, { +24,  +23,  +19}, { +17,  +19,  +19}},
    /* 12 */ {{   0,    0,    0}, {   0,    0,    0}, {   0,    0,    0}},
    /* 13 */ {{  +1,    0,    0}, {  +1,   +1,    0}, {   0,    0,    0}},
    /* 14 */ {{  +2,   +1,    0}, {  +2,   +2,   +1}, {  +1,   +1,   +1}},
    /* 15 */ {{  +3,   +1,    0}, {  +3,   +3,   +2}, {  +2,   +2,   +2}},
    /* 16 */ {{  +4,   +2,    0}, {  +4,   +4,   +3}, {  +3,   +3,   +3}},
    /* 17 */ {{  +5,   +2,    0}, {  +5,   +5,   +4}, {  +4,   +4,   +4}},
    /* 18 */ {{  +6,   +3,    0}, {  +6,   +6,   +5}, {  +5,   +5,   +5}},
    /* 19 */ {{  +7,   +4,    0}, {  +8,   +7,   +6}, {  +5,   +6,   +6}},
    /* 20 */ {{  +8,   +4,    0}, {  +9,   +8,   +7}, {  +6,   +7,   +7}},
    /* 21 */ {{  +9,   +5,    0}, { +10,   +9,   +8}, {  +7,   +8,   +8}},
    /* 22 */ {{ +11,   +5,    0}, { +11,  +11,   +9}, {  +8,   +9,   +9}},
    /* 23 */ {{ +12,   +6,    0}, { +12,  +12,  +10}, {  +9,  +10,  +10}},
    /* 24 */ {{ +13,   +6,    0}, { +13,  +13,  +11}, { +10,  +11,  +11}},
    /* 25 */ {{ +14,   +7,    0}, { +15,  +14,  +12}, { +10,  +12,  +12}},
    /* 26 */ {{ +15,   +8,    0}, { +16,  +15,  +13}, { +11,  +13,  +13}},
    /* 27 */ {{ +16,   +8,    0}, { +17,  +16,  +14}, { +12,  +14,  +14}},
    /* 28 */ {{ +17,   +9,    0}, { +18,  +17,  +15}, { +13,  +15,  +15}},
    /* 29 */ {{ +18,   +9,    0}, { +19,  +18,  +16}, { +14,  +16,  +16}},
    /* 30 */ {{ +19,  +10,    0}, { +20,  +19,  +17}, { +15,  +17,  +17}},
};

// Modes 8, 9 and 10: Vista Sunrise released, hovered, pressed.
enum Mode8To10Column : std::size_t { Mode8, Mode9, Mode10 };
constexpr RampEntry kModes8To10[17][3] = {
    //          mode 8              mode 9              mode 10
    /*  0 */ {{ +21,  +21,  +21}, { +44,  +16,    0}, { +77,  +35,  +13}},
    /*  1 */ {{ +21,  +21,  +21}, { +42,  +16,    0}, { +77,  +35,  +13}},
    /*  2 */ {{ +20,  +20,  +20}, { +40,  +15,    0}, { +73,  +33,  +12}},
    /*  3 */ {{ +19,  +19,  +19}, { +38,  +14,   -1}, { +69,  +31,  +11}},
    /*  4 */ {{ +18,  +18,  +18}, { +35,  +13,   -1}, { +59,  +27,  +10}},
    /*  5 */ {{ +16,  +16,  +16}, { +32,  +12,   -1}, { +54,  +24,   +9}},
    /*  6 */ {{ +15,  +15,  +15}, { +30,  +11,   -1}, { +49,  +22,   +8}},
    /*  7 */ {{ +14,  +14,  +14}, { +27,  +10,   -1}, { +44,  +20,   +7}},
    /*  8 */ {{   0,    0,    0}, {   0,    0,    0}, {   0,    0,    0}},
    /*  9 */ {{  -2,   -2,   -2}, {  -2,   -1,   -1}, {  -5,   -3,   -2}},
    /* 10 */ {{  -3,   -3,   -3}, {  -5,   -3,   -2}, { -12,   -7,   -4}},
    /* 11 */ {{  -5,   -5,   -5}, {  -9,   -4,   -3}, { -25,  -15,  -10}},
    /* 12 */ {{  -7,   -7,   -7}, { -12,   -6,   -4}, { -32,  -20,  -13}},
    /* 13 */ {{  -9,   -9,   -9}, { -15,   -8,   -5}, { -38,  -24,  -16}},
    /* 14 */ {{ -11,  -11,  -11}, { -18,  -10,   -6}, { -43,  -27,  -18}},
    /* 15 */ {{ -12,  -12,  -12}, { -21,  -11,   -7}, { -48,  -30,  -20}},
    /* 16 */ {{ -14,  -14,  -14}, { -23,  -13,   -8},        none       },
};

// A column holds an entry for every index of its mode and none beyond it.
template <std::size_t Rows, std::size_t Columns>
constexpr bool ColumnFitsMode(const RampEntry (&table)[Rows][Columns], std::size_t column, std::int32_t mode) {
    const std::size_t length = kRampLengths[static_cast<std::size_t>(mode)];
    if (length > Rows) {
        return false;
    }
    for (std::size_t k = 0; k < Rows; ++k) {
        if ((table[k][column].kind == EntryKind::None) != (k >= length)) {
            return false;
        }
    }
    return true;
}

static_assert(ColumnFitsMode(kMode0, Mode0Blue, 0) && ColumnFitsMode(kMode0, Mode0Olive, 0) &&
              ColumnFitsMode(kMode0, Mode0SilverReleased, 0) && ColumnFitsMode(kMode0, Mode0SilverPressed, 0) &&
              ColumnFitsMode(kMode0, Mode0RoyalReleased, 0) && ColumnFitsMode(kMode0, Mode0RoyalPressed, 0));
static_assert(ColumnFitsMode(kMode1, 0, 1) && ColumnFitsMode(kMode1, 1, 1) && ColumnFitsMode(kMode1, 2, 1) &&
              ColumnFitsMode(kMode1, 3, 1));
static_assert(ColumnFitsMode(kModes2And3, Mode2, 2) && ColumnFitsMode(kModes2And3, Mode3, 3));
static_assert(ColumnFitsMode(kModes4To6, Mode4, 4) && ColumnFitsMode(kModes4To6, Mode5, 5) &&
              ColumnFitsMode(kModes4To6, Mode6, 6));
static_assert(ColumnFitsMode(kMode7, Mode7BlueRoyalStandard, 7) && ColumnFitsMode(kMode7, Mode7OliveBlack, 7) &&
              ColumnFitsMode(kMode7, Mode7Silver, 7));
static_assert(ColumnFitsMode(kModes8To10, Mode8, 8) && ColumnFitsMode(kModes8To10, Mode9, 9) &&
              ColumnFitsMode(kModes8To10, Mode10, 10));

// Fills the ramp (already sized to its mode) from one column of a table.
template <std::size_t Rows, std::size_t Columns>
void FillFromColumn(std::vector<COLORREF>& ramp, COLORREF baseColour, const RampEntry (&table)[Rows][Columns],
                    std::size_t column) {
    const RgbComponents c = SplitColor(baseColour);
    const std::size_t count = ramp.size() < Rows ? ramp.size() : Rows;
    for (std::size_t k = 0; k < count; ++k) {
        const RampEntry& entry = table[k][column];
        switch (entry.kind) {
        case EntryKind::Offset: {
            std::int32_t r = c.r + entry.dR;
            std::int32_t g = c.g + entry.dG;
            std::int32_t b = c.b + entry.dB;
            ramp[k] = ComposeColor(r, g, b);
            break;
        }
        case EntryKind::Base:
            ramp[k] = baseColour;
            break;
        case EntryKind::None:
            break;
        }
    }
}

// Gradient: the same shift on all three channels, d growing or shrinking
// with k by the direction: d = first + step x k.
void FillGradient(std::vector<COLORREF>& ramp, COLORREF baseColour, std::int32_t gradientType) {
    std::int32_t first = 0, step = 0;
    switch (gradientType) {
    case 0: first = 0, step = -1; break;     // colour towards dark
    case 1: first = -127, step = 1; break;   // dark towards colour
    case 2: first = 0, step = 1; break;      // colour towards light
    case 3: first = 127, step = -1; break;   // light towards colour
    default: return;                         // no direction: the ramp stays black
    }
    const RgbComponents c = SplitColor(baseColour);
    const auto channel = [](std::int32_t v) { return static_cast<COLORREF>(std::clamp(v, 0, 255)); };
    for (std::size_t k = 0; k < ramp.size(); ++k) {
        const std::int32_t d = first + step * static_cast<std::int32_t>(k);
        // ShiftColor(baseColour, d, d, d)
        ramp[k] = channel(c.r + d) | (channel(c.g + d) << 8) | (channel(c.b + d) << 16);
    }
}

}  // namespace

std::size_t RampLength(std::int32_t rampMode) {
    if (rampMode < 0 || rampMode >= static_cast<std::int32_t>(kRampLengths.size())) {
        return 0;
    }
    return kRampLengths[static_cast<std::size_t>(rampMode)];
}

void BuildColorRamp(std::vector<COLORREF>& ramp, COLORREF baseColour, std::int32_t rampMode,
                    const RampSelector& selector) {
    const std::size_t length = RampLength(rampMode);
    if (length == 0) {
        return;
    }
    ramp.assign(length, 0);

    // A theme without a table (standard 3D, black, or any value outside the
    // six themes) leaves the ramp black.
    switch (rampMode) {
    case 0:
        switch (selector.themeIndex) {
        case 0: FillFromColumn(ramp, baseColour, kMode0, Mode0Blue); break;
        case 1: FillFromColumn(ramp, baseColour, kMode0, Mode0Olive); break;
        case 2:
            FillFromColumn(ramp, baseColour, kMode0, selector.pressed ? Mode0SilverPressed : Mode0SilverReleased);
            break;
        case 3:
            FillFromColumn(ramp, baseColour, kMode0, selector.pressed ? Mode0RoyalPressed : Mode0RoyalReleased);
            break;
        default: break;
        }
        break;
    case 1:
        if (selector.themeIndex >= 0 && selector.themeIndex <= 3) {
            FillFromColumn(ramp, baseColour, kMode1, static_cast<std::size_t>(selector.themeIndex));
        }
        break;
    case 2: FillFromColumn(ramp, baseColour, kModes2And3, Mode2); break;
    case 3: FillFromColumn(ramp, baseColour, kModes2And3, Mode3); break;
    case 4: FillFromColumn(ramp, baseColour, kModes4To6, Mode4); break;
    case 5: FillFromColumn(ramp, baseColour, kModes4To6, Mode5); break;
    case 6: FillFromColumn(ramp, baseColour, kModes4To6, Mode6); break;
    case 7:
        switch (selector.themeIndex) {
        case 0:
        case 3:
        case 4: FillFromColumn(ramp, baseColour, kMode7, Mode7BlueRoyalStandard); break;
        case 1:
        case 5: FillFromColumn(ramp, baseColour, kMode7, Mode7OliveBlack); break;
        case 2: FillFromColumn(ramp, baseColour, kMode7, Mode7Silver); break;
        default: break;
        }
        break;
    case 8: FillFromColumn(ramp, baseColour, kModes8To10, Mode8); break;
    case 9: FillFromColumn(ramp, baseColour, kModes8To10, Mode9); break;
    case 10: FillFromColumn(ramp, baseColour, kModes8To10, Mode10); break;
    case 11: FillGradient(ramp, baseColour, selector.gradientType); break;
    default: break;
    }
}

}  // namespace vemmix
