// The one path by which the button raises its events.
#include "control/Zorvane.h"

namespace vemmix {

// A host handler may call back into the button (set Value True from Click,
// restart the fade from TextFadeEnd …), and that can raise the same event
// again from inside itself. Without a bound such a handler recurses until
// the stack is gone; with it, the raise that would go deeper than
// kMaxEventDepth is not made and reports "out of stack space" (28), which
// the calling path hands back to its own caller. From then on every raise
// fails the same way until the outermost one has returned: a handler that
// ignores the error and raises again would otherwise fan out, each level
// doubling the work. The depth is restored on every way out of the handler,
// so the flags of the outer raises stay as their code leaves them. The
// container bounds the nesting across all its controls in the same way.
std::int32_t Zorvane::RaiseEvent(std::int32_t dispid, std::span<Variant> args) {
    const EventNesting::Scope scope(m_EventNesting);
    if (!scope.Entered()) return errors::kOutOfStackSpace;
    return m_Site.RaiseEvent(dispid, args);
}

}  // namespace vemmix
