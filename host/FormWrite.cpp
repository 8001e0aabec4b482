// Writing a saved form: fixed key order for the form's own parts, the
// property sets in the order their keys were written.
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <vemmix/host/Desktop.h>
#include <vemmix/host/Form.h>
#include "JsonValues.h"

namespace vemmix::host {

namespace {

using detail::JsonWriter;

void WriteText(JsonWriter& w, const char* key, const QString& text) {
    w.Key(QLatin1String(key));
    w.String(text);
}

void WriteNumber(JsonWriter& w, const char* key, std::int64_t number) {
    w.Key(QLatin1String(key));
    w.Number(number);
}

void WriteSettings(JsonWriter& w, const FormSettings& form) {
    w.Key(QStringLiteral("form"));
    w.BeginObject();
    WriteText(w, "name", form.name);
    WriteText(w, "title", form.title);
    WriteNumber(w, "width", form.width);
    WriteNumber(w, "height", form.height);
    WriteText(w, "backColor", detail::ColourText(form.backColor));
    w.Key(QStringLiteral("font"));
    w.Value(detail::FontJson(form.font));
    w.Key(QStringLiteral("visualStyle"));
    if (!form.visualStyle.name.isEmpty()) {
        w.String(form.visualStyle.name);
    } else {
        w.BeginObject();
        WriteText(w, "themeFile", form.visualStyle.themeFile);
        WriteText(w, "colorName", form.visualStyle.colorName);
        WriteText(w, "sizeName", form.visualStyle.sizeName);
        w.EndObject();
    }
    if (!form.defaultControl.isEmpty()) WriteText(w, "defaultControl", form.defaultControl);
    if (!form.cancelControl.isEmpty()) WriteText(w, "cancelControl", form.cancelControl);
    WriteText(w, "mode", form.designMode ? QStringLiteral("design") : QStringLiteral("run"));
    w.EndObject();
}

void WriteControl(JsonWriter& w, const FormControl& control, const QString& from, const QString& to) {
    w.BeginObject();
    WriteText(w, "class", control.className);
    WriteText(w, "name", control.name);
    if (control.index) WriteNumber(w, "index", *control.index);
    if (!control.parent.isEmpty()) WriteText(w, "parent", control.parent);
    WriteNumber(w, "left", control.left);
    WriteNumber(w, "top", control.top);
    WriteNumber(w, "width", control.width);
    WriteNumber(w, "height", control.height);
    WriteNumber(w, "tabIndex", control.tabIndex);
    w.Key(QStringLiteral("visible"));
    w.Bool(control.visible);
    if (!control.toolTipText.isEmpty()) WriteText(w, "toolTipText", control.toolTipText);
    w.Key(QStringLiteral("properties"));
    w.BeginObject();
    for (const PropertySet::Entry& entry : control.properties.entries()) {
        w.Key(entry.key);
        w.Value(detail::RebasePicture(entry.value, from, to));
    }
    w.EndObject();
    w.EndObject();
}

void WriteMenu(JsonWriter& w, const FormMenu& menu) {
    w.BeginObject();
    WriteText(w, "name", menu.name);
    WriteText(w, "caption", menu.caption);
    w.Key(QStringLiteral("items"));
    w.BeginArray();
    for (const MenuItem& item : menu.items) {
        w.BeginObject();
        WriteText(w, "name", item.name);
        if (item.index) WriteNumber(w, "index", *item.index);
        WriteText(w, "caption", item.caption);
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
}

}  // namespace

QByteArray WriteForm(const FormDocument& doc, const QString& baseDirectory) {
    const QString to = baseDirectory.isEmpty() ? doc.baseDirectory : baseDirectory;
    JsonWriter w;
    w.BeginObject();
    WriteText(w, "format", QStringLiteral("vemmix-form"));
    WriteNumber(w, "version", 1);
    WriteSettings(w, doc.form);
    w.Key(QStringLiteral("controls"));
    w.BeginArray();
    for (const FormControl& control : doc.controls) WriteControl(w, control, doc.baseDirectory, to);
    w.EndArray();
    w.Key(QStringLiteral("menus"));
    w.BeginArray();
    for (const FormMenu& menu : doc.menus) WriteMenu(w, menu);
    w.EndArray();
    w.EndObject();
    return w.Finish();
}

bool WriteFormFile(const FormDocument& doc, const QString& path, QString* error) {
    QSaveFile file(path);
    const QByteArray json = WriteForm(doc, QFileInfo(path).absolutePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        if (error) *error = QStringLiteral("%1: cannot be written (%2)").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace vemmix::host
