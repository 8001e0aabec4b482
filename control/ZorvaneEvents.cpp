// The one path by which the button raises its events.
#include "control/Zorvane.h"

namespace vemmix {

// A host handler may call back into the button (set Value True from Click,
// restart the fade from TextFadeEnd …), and that can raise the same event
// again from inside itself. Without a bound such a handler recurses until
// the stack is gone; with it, the raise that would go deeper than
// kMaxEventDepth is not made and reports "out of stack space" (28), which
// the calling path hands back to its own caller. The depth is restored on
// every way out of the handler, so the flags of the outer raises stay as
// their code leaves them.
std::int32_t Zorvane::RaiseEvent(std::int32_t dispid, std::span<Variant> args) {
    if (m_EventDepth >= kMaxEventDepth) return errors::kOutOfStackSpace;

    struct DepthScope {
        int& depth;
        explicit DepthScope(int& d) : depth(d) { ++depth; }
        ~DepthScope() { --depth; }
        DepthScope(const DepthScope&) = delete;
        DepthScope& operator=(const DepthScope&) = delete;
    } scope(m_EventDepth);

    return m_Site.RaiseEvent(dispid, args);
}

}  // namespace vemmix
