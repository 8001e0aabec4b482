// The names a form gives its controls, menus and menu items.
#pragma once

#include <QString>

namespace vemmix::host::detail {

// A letter, then letters, digits or underscores; kMaxNameLength at most.
bool IsName(const QString& text);
// Why `text` is not a name: "\"9x\" is not a name (a letter, then …)".
QString NotAName(const QString& text);

}  // namespace vemmix::host::detail
