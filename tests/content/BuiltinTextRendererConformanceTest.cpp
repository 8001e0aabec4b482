// The built-in renderer passes the conformance suite every renderer must
// pass, exactly: its glyph boxes never leave the measured box.
#include <vemmix/headless/BuiltinTextRenderer.h>

#include "tests/conformance/TextRendererConformance.h"

namespace vemmix::conformance {

INSTANTIATE_TEST_SUITE_P(Builtin, TextRendererConformance,
                         ::testing::Values(RendererCase{"Builtin", &headless::MakeBuiltinTextRenderer, 0}),
                         CaseName);

}  // namespace vemmix::conformance
