#include "render/FacePatterns.h"

#include <cmath>
#include <limits>

#include <vemmix/Enums.h>

#include "themes/ColorRamp.h"

namespace vemmix {
namespace {

constexpr std::int32_t kToggleMode = ecAppearanceMode::Toggle;
constexpr std::int32_t kDropDownMode = ecAppearanceMode::DropDown;

template <class... T>
bool AllFit32(T... v) {
    return (FitsInt32(v) && ...);
}

COLORREF PickFaceColor(const FaceState& s, const ColorCache& c, FaceKind kind) {
    if (!s.enabled) return c.m_DisabledRGB;
    if (kind == FaceKind::Down &&
        (s.pressed != 0 || (s.appearanceMode == kToggleMode && s.toggleValue != 0)))
        return c.m_DownRGB;
    if (s.mouseOver != 0) return c.m_OverRGB;
    if (s.hasFocus != 0) return c.m_FocusRGB;
    return c.m_BackRGB;
}

}  // namespace

FacePatterns::FacePatterns(const FaceState& state, FaceTarget& target, FaceKind kind)
    : m_State(state),
      m_Colors(target.colors),
      m_Geometry{state.width, state.height, state.borderWidth, state.dropDownWidth},
      m_FaceColor(PickFaceColor(state, target.colors, kind)),
      m_Painter(target.painter),
      m_Ramp(target.colorRamp) {}

bool FacePatterns::DropDownMode() const { return m_State.appearanceMode == kDropDownMode; }
bool FacePatterns::ToggleMode() const { return m_State.appearanceMode == kToggleMode; }
bool FacePatterns::ToggledOn() const { return ToggleMode() && m_State.toggleValue != 0; }

MaybeColor FacePatterns::R(std::int64_t k) const {
    if (k < 0 || k >= static_cast<std::int64_t>(m_Ramp.size())) return std::nullopt;
    return m_Ramp[static_cast<std::size_t>(k)];
}

void FacePatterns::Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                        MaybeColor c, std::int16_t penWidth) {
    if (!c || !AllFit32(x1, y1, x2, y2)) return;
    m_Painter.DrawLine(static_cast<std::int32_t>(x1), static_cast<std::int32_t>(y1),
                       static_cast<std::int32_t>(x2), static_cast<std::int32_t>(y2), penWidth, *c);
}

void FacePatterns::Rect(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                        std::int16_t penWidth, MaybeColor pen, MaybeColor fill) {
    if (!pen || !fill || !AllFit32(x1, y1, x2, y2)) return;
    m_Painter.DrawRectangle(static_cast<std::int32_t>(x1), static_cast<std::int32_t>(y1),
                            static_cast<std::int32_t>(x2), static_cast<std::int32_t>(y2),
                            penWidth, *pen, *fill, 0);
}

void FacePatterns::Frame(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                         MaybeColor c) {
    if (!c || !AllFit32(x1, y1, x2, y2)) return;
    m_Painter.FrameRectangle(static_cast<std::int32_t>(x1), static_cast<std::int32_t>(y1),
                             static_cast<std::int32_t>(x2), static_cast<std::int32_t>(y2), *c);
}

void FacePatterns::Pixel(std::int64_t x, std::int64_t y, MaybeColor c) {
    if (!c || !AllFit32(x, y)) return;
    m_Painter.SetPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), *c);
}

void FacePatterns::GenerateRamp(COLORREF base, std::int32_t mode) {
    const RampSelector selector{m_State.themeIndex,
                                m_State.pressed != 0 || m_State.toggleValue != 0,
                                m_State.gradientType};
    BuildColorRamp(m_Ramp, base, mode, selector);
}

void FacePatterns::ComputeStep(std::int32_t k, std::int64_t divisor) {
    if (divisor == 0) return;  // division by zero: the statement is skipped
    m_Step = static_cast<float>(static_cast<double>(k) / static_cast<double>(divisor));
}

void FacePatterns::DrawRun(std::int64_t x1, std::int64_t x2, const gdi::RowLine* rows, int count) {
    if (count > 0)
        m_Painter.DrawRows(static_cast<std::int32_t>(x1), static_cast<std::int32_t>(x2),
                           std::span<const gdi::RowLine>(rows, static_cast<std::size_t>(count)));
}

void FacePatterns::ScanLineGradient(std::int64_t r0, std::int64_t a, std::int64_t b,
                                    std::int64_t x1, std::int64_t x2, std::int32_t k,
                                    std::int64_t divisor) {
    ComputeStep(k, divisor);
    Rows(a, b, x1, x2, [r0](std::int64_t i) { return r0 + i; },
         [this](std::int64_t i) { return RAt(StepTimes(i)); });
}

void FacePatterns::ReversedRows(std::int64_t r0, std::int64_t a, std::int64_t b,
                                std::int64_t x1, std::int64_t x2) {
    Rows(a, b, x1, x2, [r0](std::int64_t i) { return r0 + i; },
         [this](std::int64_t i) { return RAt(127.0 - StepTimes(i)); });
}

void FacePatterns::CornerStep(MaybeColor c) {
    const auto [W, H, BW, DDW] = m_Geometry;
    Pixel(1, 1, c);
    Pixel(1, H - 2, c);
    Pixel(W - 2, 1, c);
    Pixel(W - 2, H - 2, c);
    const COLORREF t = m_Colors.m_TransparentRGB;
    Pixel(0, 0, t);
    Pixel(0, H - 1, t);
    Pixel(W - 1, 0, t);
    Pixel(W - 1, H - 1, t);
}

void FacePatterns::SeparatorPair(MaybeColor a, MaybeColor b) {
    const auto [W, H, BW, DDW] = m_Geometry;
    Line(W - DDW, BW, W - DDW, H - BW, a, BW);
    Line(W - DDW + BW, BW, W - DDW + BW, H - BW, b, BW);
}

}  // namespace vemmix
