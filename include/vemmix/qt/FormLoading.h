// Saved forms (vemmix/host/Form.h) in a FormWindow: loading one into an
// empty window and saving the window's form again.
//
// A loaded form keeps what its windows do not hold themselves (where
// relative picture paths start, the pictures' sources, the tab indexes read, the property sets of placeholders), so a
// load -> save -> load round trip is lossless. Frames and labels are
// control windows of the host's own "Frame" and "Label" classes; a label
// is windowless (the pointer and the focus pass through it).
#pragma once

#include <QString>
#include <QStringList>

#include <vemmix/host/ControlRegistry.h>
#include <vemmix/host/Form.h>
#include <vemmix/qt/Export.h>
#include <vemmix/qt/FormWindow.h>

namespace vemmix::qt {

// Builds an empty `window` from a saved form: the form's settings (name as
// the object name, title, client size, back colour, font, visual-style
// setting, user mode), its frames, labels and controls in creation order,
// each made through `registry` by class (Initialize, then ReadProperties
// from its property set, InitProperties when it has none) with its array
// index, frame, position, visibility and the extender's tooltip text; the
// tab order by tabIndex (ties in creation order); the default and cancel
// controls; the popup menus. From then on the window makes its controls
// through `registry`, which must outlive it.
//
// A control whose class cannot be created becomes a visible placeholder
// that keeps its property set. Problems of single controls (a placeholder,
// a key a control refused) are appended to `problems` (may be null), one
// line each, located as form errors are. Returns false, with `error` (may
// be null) naming what is wrong, when the document cannot be loaded at all
// (it is unsound, or the window is not empty); the window is then left as
// it was.
VEMMIX_QT_EXPORT bool LoadForm(FormWindow& window, const host::FormDocument& document,
                               const host::ControlRegistry& registry,
                               QStringList* problems = nullptr, QString* error = nullptr);

// The form as it is now, ready for host::WriteForm: each control writes its
// properties after the container's _ExtentX and _ExtentY; a placeholder
// gives back the set it was read with. Frames and labels added with
// FormWindow::AddFrame and AddLabel are not part of it.
VEMMIX_QT_EXPORT host::FormDocument SaveForm(const FormWindow& window);

}  // namespace vemmix::qt
