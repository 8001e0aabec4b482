// A saved form: its own settings, its controls in creation order and its
// popup menus, read from and written to a JSON document (docs/forms.md).
//
// Reading is strict: a file that is not a well-formed form, or holds a
// value of the wrong kind or beyond the limits of Limits.h, is refused as a
// whole with one error naming the file and the place in it; a form is
// handed over only when all of it was read. Writing is stable: the same
// document gives the same bytes, and a form read back from its own bytes
// writes them again unchanged.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include <vemmix/Color.h>
#include <vemmix/StdObjects.h>
#include <vemmix/host/Export.h>
#include <vemmix/host/PropertySet.h>

namespace vemmix::host {

// The desktop's visual style as a form asks for it: "auto" (the desktop's),
// "none" (no visual style: each button takes its DefaultThemes), "blue",
// "olive", "silver", "royal", or the three names the query answers.
struct VisualStyleSetting {
    QString name = QStringLiteral("auto");  // empty when the names below are given
    QString themeFile, colorName, sizeName;
    friend bool operator==(const VisualStyleSetting&, const VisualStyleSetting&) = default;
};

struct FormSettings {
    QString name = QStringLiteral("Form1");
    QString title;
    int width = 0;   // client size in pixels
    int height = 0;
    OleColor backColor = SystemColorRef(15);
    FontDescription font;
    VisualStyleSetting visualStyle;
    QString defaultControl;  // a control's reference ("cmdOK", "cmdNav(2)"), or empty
    QString cancelControl;
    bool designMode = false;
};

struct VEMMIX_HOST_EXPORT FormControl {
    QString className;  // a program identifier ("Vemmix.Zorvane"), "Frame" or "Label"
    QString name;
    std::optional<int> index;  // within a control array
    QString parent;            // a frame's reference; empty: the form
    int left = 0, top = 0, width = 0, height = 0;  // pixels, in the parent
    int tabIndex = 0;
    bool visible = true;
    QString toolTipText;  // the extender's ToolTipText
    PropertySet properties;

    // "name", or "name(index)" for an element of a control array.
    QString Reference() const;
};

struct MenuItem {
    QString name;
    std::optional<int> index;
    QString caption;
};

struct FormMenu {
    QString name;
    QString caption;
    std::vector<MenuItem> items;
};

struct VEMMIX_HOST_EXPORT FormDocument {
    FormSettings form;
    std::vector<FormControl> controls;
    std::vector<FormMenu> menus;
    // Where relative picture paths start: the folder of the file read.
    QString baseDirectory;
    // The JSON of the pictures the form's sets hold.
    std::shared_ptr<PictureSources> pictures = std::make_shared<PictureSources>();

    const FormControl* Find(QStringView reference) const;
};

// Why a form could not be read: the file, the place in it ("controls[2].
// properties.Picture", or "line 3, column 7" for broken JSON) and what is
// wrong there.
struct VEMMIX_HOST_EXPORT FormError {
    QString file;
    QString location;
    QString message;
    // "file: location: message"
    QString Text() const;
};

// The class names a container makes itself rather than through a control
// library.
inline constexpr const char* kFrameClass = "Frame";
inline constexpr const char* kLabelClass = "Label";

VEMMIX_HOST_EXPORT std::optional<FormDocument> ReadFormFile(const QString& path, FormError* error);
// `fileName` names the data in errors; relative picture paths start at
// `baseDirectory`.
VEMMIX_HOST_EXPORT std::optional<FormDocument> ReadForm(const QByteArray& json,
                                                        const QString& fileName,
                                                        const QString& baseDirectory,
                                                        FormError* error);

// The checks between the parts of a form (names, parents, the default and
// cancel controls); ReadForm makes them, and so does a container given a
// document built in code. nullopt when the form is sound.
VEMMIX_HOST_EXPORT std::optional<FormError> CheckForm(const FormDocument& document);

// The document as JSON. A picture read from a file path is written as a
// path again, relative to `baseDirectory` (the folder the form is written
// to; the document's own when empty).
VEMMIX_HOST_EXPORT QByteArray WriteForm(const FormDocument& document,
                                        const QString& baseDirectory = {});
// Writes the file whole or not at all; false with `error` set on failure.
VEMMIX_HOST_EXPORT bool WriteFormFile(const FormDocument& document, const QString& path,
                                      QString* error);

}  // namespace vemmix::host
