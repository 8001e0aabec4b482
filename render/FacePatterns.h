// The drawing context of one face paint and the patterns the styles share:
// the state colour, guarded drawing statements, ramp reads, the scan-line
// gradient, the corner step and the separator pair.
//
// A face is a sequence of statements that each either run completely or are
// skipped: a ramp index outside the ramp, a coordinate that does not fit in
// 32 bits or a 16-bit term that overflows skips that one statement and the
// next one runs. Every statement therefore goes through one of the guarded
// calls below (Line, Rect, Frame, Pixel), which take their colours as
// MaybeColor and their coordinates as 64-bit values and do nothing when a
// colour is absent or a coordinate is out of range.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/Color.h"
#include "base/Rounding.h"
#include "render/FaceRenderer.h"

namespace vemmix {

// A colour that a failing read (a ramp index out of range) leaves absent.
using MaybeColor = std::optional<COLORREF>;

// The shift of a colour that may be absent; absent stays absent.
inline MaybeColor Shift(MaybeColor c, std::int16_t dR, std::int16_t dG, std::int16_t dB) {
    if (!c) return std::nullopt;
    return ShiftColor(*c, dR, dG, dB);
}

// A coordinate formed in 64 bits that a 32-bit statement can take.
inline bool FitsInt32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// A term computed from 16-bit operands only; absent when it overflows.
inline std::optional<std::int16_t> Int16(std::int32_t value) {
    if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

enum class FaceKind { Up, Down };

// W, H, BW and DDW of a face paint. Coordinates are formed in 64 bits and a
// statement whose coordinate does not fit in 32 bits is skipped.
struct FaceGeometry {
    std::int64_t W = 0;    // m_Width
    std::int64_t H = 0;    // m_Height
    std::int16_t BW = 1;   // BorderWidth
    std::int64_t DDW = 0;  // DropDownWidth
};

class FacePatterns {
public:
    // Runs the common prologue: picks FaceColor for the released (Up) or the
    // pressed (Down) face. The step starts at 0.
    FacePatterns(const FaceState& state, FaceTarget& target, FaceKind kind);

    const FaceState& State() const { return m_State; }
    ColorCache& Colors() { return m_Colors; }
    const FaceGeometry& Geometry() const { return m_Geometry; }
    COLORREF FaceColor() const { return m_FaceColor; }
    void SetFaceColor(COLORREF c) { m_FaceColor = c; }

    bool Disabled() const { return !m_State.enabled; }
    bool Hovered() const { return m_State.mouseOver != 0; }
    bool Focused() const { return m_State.hasFocus != 0; }
    bool Pressed() const { return m_State.pressed != 0; }
    bool InDropDown() const { return m_State.inDropDown != 0; }
    bool DropDownMode() const;
    bool ToggleMode() const;
    // Toggle Mode with ToggleValue True.
    bool ToggledOn() const;

    // ---- guarded statements ------------------------------------------------
    // R[k]: absent when k lies outside the ramp.
    MaybeColor R(std::int64_t k) const;
    // R[index] with the index rounded half to even.
    // An index beyond any 64-bit value lies outside the ramp.
    MaybeColor RAt(double index) const { return R(RoundTo<std::int64_t>(index).value_or(-1)); }

    void Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, MaybeColor c,
              std::int16_t penWidth = 1);
    void Rect(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              std::int16_t penWidth, MaybeColor pen, MaybeColor fill);
    void Frame(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, MaybeColor c);
    void Pixel(std::int64_t x, std::int64_t y, MaybeColor c);

    // ---- ramp and gradient ---------------------------------------------------
    // Replaces the ramp. The pressed tables are chosen by m_Pressed or
    // ToggleValue, whatever the mode.
    void GenerateRamp(COLORREF base, std::int32_t mode);

    // step = k / divisor in single precision. A divisor of 0 fails the
    // statement and the step keeps its value: 0 at the start of the paint,
    // or the step of an earlier gradient of the same paint.
    void ComputeStep(std::int32_t k, std::int64_t divisor);
    float Step() const { return m_Step; }
    // The step times i, formed exactly from the single-precision step.
    double StepTimes(std::int64_t i) const { return static_cast<double>(m_Step) * static_cast<double>(i); }

    // Scan-line gradient: step = k / divisor, then for i = a to b a line
    // (x1, r0 + i) to (x2, r0 + i) in R[step x i]. x2 itself stays unpainted.
    void ScanLineGradient(std::int64_t r0, std::int64_t a, std::int64_t b, std::int64_t x1,
                          std::int64_t x2, std::int32_t k, std::int64_t divisor);
    // The same rows with the index 127 - step x i, using the current step.
    void ReversedRows(std::int64_t r0, std::int64_t a, std::int64_t b, std::int64_t x1,
                      std::int64_t x2);
    // For i = a to b, in order: Line(x1, row(i), x2, row(i), colour(i)).
    // The statements go to the surface in runs, which draws them as one
    // call each would.
    template <class RowFn, class ColourFn>
    void Rows(std::int64_t a, std::int64_t b, std::int64_t x1, std::int64_t x2, RowFn row,
              ColourFn colour) {
        if (!FitsInt32(x1) || !FitsInt32(x2)) return;  // every row is skipped
        constexpr int kRun = 64;
        gdi::RowLine run[kRun];
        int n = 0;
        for (std::int64_t i = a; i <= b; ++i) {
            const std::int64_t y = row(i);
            const MaybeColor c = colour(i);
            if (!c || !FitsInt32(y)) continue;  // a skipped statement
            run[n++] = gdi::RowLine{static_cast<std::int32_t>(y), *c};
            if (n == kRun) {
                DrawRun(x1, x2, run, n);
                n = 0;
            }
        }
        DrawRun(x1, x2, run, n);
    }

    // ---- shared shapes -------------------------------------------------------
    //   T . . . . T      T  m_TransparentRGB
    //   . c . . c .      c  the corner colour
    //   . . . . . .
    //   . c . . c .
    //   T . . . . T
    void CornerStep(MaybeColor c);
    // Two lines of width BW at W - DDW and W - DDW + BW, rows BW to H - BW.
    void SeparatorPair(MaybeColor a, MaybeColor b);

private:
    void DrawRun(std::int64_t x1, std::int64_t x2, const gdi::RowLine* rows, int count);

    const FaceState& m_State;
    ColorCache& m_Colors;
    const FaceGeometry m_Geometry;
    COLORREF m_FaceColor = 0;
    Painter& m_Painter;
    std::vector<COLORREF>& m_Ramp;
    float m_Step = 0.0f;
};

// ---- the style branches, one file per family --------------------------------
// ClassicFaces.cpp
void DrawThreeDUp(FacePatterns& f, bool drawBorder);
void DrawThreeDDown(FacePatterns& f, bool drawBorder);
void DrawFlatUp(FacePatterns& f, bool drawBorder);
void DrawFlatDown(FacePatterns& f, bool drawBorder);
// XpFaces.cpp
void DrawWindowsXpUp(FacePatterns& f);
void DrawWindowsXpDown(FacePatterns& f);
void DrawExplorerXpUp(FacePatterns& f);
void DrawExplorerXpDown(FacePatterns& f);
// OfficeFaces.cpp
void DrawOffice2003Up(FacePatterns& f, bool drawBorder);
void DrawOffice2003Down(FacePatterns& f, bool drawBorder);
void DrawOffice2007Up(FacePatterns& f, bool drawBorder);
void DrawOffice2007Down(FacePatterns& f, bool drawBorder);
// VistaFaces.cpp
void DrawVistaSunriseUp(FacePatterns& f, bool drawBorder);
void DrawVistaSunriseDown(FacePatterns& f, bool drawBorder);
void DrawVistaSunsetUp(FacePatterns& f, bool drawBorder);
void DrawVistaSunsetDown(FacePatterns& f, bool drawBorder);
void DrawGradientUp(FacePatterns& f);
void DrawGradientDown(FacePatterns& f);

}  // namespace vemmix
