// The Qt text renderer passes the conformance suite every renderer must
// pass. Antialiased glyphs may shade a pixel or two beyond the measured box.
#include <vemmix/host/QtTextRenderer.h>

#include "tests/conformance/TextRendererConformance.h"

namespace vemmix::conformance {

INSTANTIATE_TEST_SUITE_P(
    Qt, TextRendererConformance,
    ::testing::Values(
        RendererCase{"Tahoma", [] { return std::make_unique<host::QtTextRenderer>(); }, 2, u"Tahoma"},
        RendererCase{"DejaVuSans", [] { return std::make_unique<host::QtTextRenderer>(); }, 2,
                     u"DejaVu Sans"}),
    CaseName);

}  // namespace vemmix::conformance
