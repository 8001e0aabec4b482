// The conformance suite every text renderer must pass, whatever its fonts:
// the measuring call (DT_CALCRECT) and the drawing call agree on line
// breaks, alignment, prefix handling and clipping, and drawing keeps the
// pixel contract of the renderer interface.
//
// A renderer's tests instantiate it with a factory and the slack its
// glyphs need (antialiased or overhanging glyphs may ink a pixel or two
// outside the measured box):
//
//   INSTANTIATE_TEST_SUITE_P(Builtin, TextRendererConformance,
//       ::testing::Values(vemmix::conformance::RendererCase{
//           "Builtin", &vemmix::headless::MakeBuiltinTextRenderer, 0}),
//       vemmix::conformance::CaseName);
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <vemmix/Surface.h>
#include <vemmix/TextRenderer.h>

namespace vemmix::conformance {

struct RendererCase {
    std::string name;
    std::function<std::unique_ptr<TextRenderer>()> make;
    int slack = 0;  // pixels the ink may reach beyond the measured box
    // The face the renderer is asked for (its LOGFONT name and UTF-16 name).
    std::u16string face = u"Tahoma";
};

std::string CaseName(const ::testing::TestParamInfo<RendererCase>& info);

class TextRendererConformance : public ::testing::TestWithParam<RendererCase> {};

}  // namespace vemmix::conformance
