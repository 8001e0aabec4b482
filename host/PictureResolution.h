// The resolution of an image as the pictures take it.
#pragma once

namespace vemmix::host::detail {

// Dots per inch from QImage's dots per meter; 96 when the image states no
// resolution (QImage then keeps its own default) or an absurd one.
int DpiOf(int dotsPerMeter);

}  // namespace vemmix::host::detail
