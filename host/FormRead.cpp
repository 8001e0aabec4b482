// Reading a saved form: the JSON is parsed by Qt, then every part is
// checked for its kind, its range and the limits before anything is
// handed over. The first problem ends the reading with an error that
// names the place.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <vemmix/host/Desktop.h>
#include <vemmix/host/Form.h>
#include <vemmix/host/Limits.h>
#include "JsonValues.h"
#include "Names.h"

namespace vemmix::host {

namespace {

using detail::Expected;
using detail::ValueProblem;

constexpr const char* kFormat = "vemmix-form";
constexpr int kVersion = 1;

QString Quoted(const QString& text) { return QLatin1Char('"') + text.left(80) + QLatin1Char('"'); }

// The location of `key` in the object at `location`; an empty key shows as
// "", so that every location names something.
QString Join(const QString& location, const QString& key) {
    const QString shown = key.isEmpty() ? QStringLiteral("\"\"") : key;
    return location.isEmpty() ? shown : location + QLatin1Char('.') + shown;
}

QString At(const QString& location, qsizetype index) {
    return location + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

bool IsKey(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return text.size() <= limits::kMaxKeyLength && pattern.match(text).hasMatch();
}

// "line 3, column 7" of a byte offset, columns counted in characters.
QString LineAndColumn(const QByteArray& json, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, json.size());
    const QByteArrayView before(json.constData(), offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const auto line = before.count('\n') + 1;
    const auto column = QString::fromUtf8(before.sliced(lineStart)).size() + 1;
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// What Qt's JSON reader does not keep: the order of an object's keys, and
// a key given twice (Qt keeps the last). It walks JSON that Qt has read
// already, so it need not check the grammar; depth is bounded by Qt's.
class KeyScanner {
public:
    explicit KeyScanner(const QByteArray& json) : m_P(json.constData()), m_End(json.constData() + json.size()) {}

    void Run() { Value({}, 0); }

    // The keys of controls[i].properties in the order of the file.
    std::map<qsizetype, QStringList> propertyKeys;
    // A key given a second time in its object, and where.
    std::optional<std::pair<QString, QString>> repeated;

private:
    void Space() {
        while (m_P < m_End && (*m_P == ' ' || *m_P == '\t' || *m_P == '\n' || *m_P == '\r')) ++m_P;
    }

    // A string at m_P, decoded.
    QString String() {
        ++m_P;  // the opening quote
        QByteArray utf8;
        QString text;
        const auto flush = [&] {
            text += QString::fromUtf8(utf8);
            utf8.clear();
        };
        while (m_P < m_End && *m_P != '"') {
            if (*m_P != '\\') {
                const char* from = m_P;
                while (m_P < m_End && *m_P != '"' && *m_P != '\\') ++m_P;
                utf8.append(from, m_P - from);
                continue;
            }
            ++m_P;
            const char e = m_P < m_End ? *m_P++ : 'u';
            switch (e) {
            case 'b': utf8.append('\b'); break;
            case 'f': utf8.append('\f'); break;
            case 'n': utf8.append('\n'); break;
            case 'r': utf8.append('\r'); break;
            case 't': utf8.append('\t'); break;
            case 'u':
                flush();
                if (m_End - m_P >= 4) text += QChar(static_cast<char16_t>(QByteArray(m_P, 4).toUShort(nullptr, 16)));
                m_P += std::min<qsizetype>(4, m_End - m_P);
                break;
            default: utf8.append(e); break;  // \" \\ \/
            }
        }
        ++m_P;  // the closing quote
        flush();
        return text;
    }

    void Value(const QString& path, int depth) {
        Space();
        if (m_P >= m_End) return;
        if (*m_P == '"') {
            String();
        } else if (*m_P == '{') {
            ++m_P;
            QStringList keys;
            for (;;) {
                Space();
                if (m_P >= m_End || *m_P == '}') break;
                if (*m_P == ',') {
                    ++m_P;
                    continue;
                }
                const QString key = String();
                const QString where = path.isEmpty() ? key : path + QLatin1Char('.') + key;
                if (keys.contains(key) && !repeated) repeated = std::make_pair(where, key);
                keys << key;
                Space();
                ++m_P;  // the colon
                Value(where, depth + 1);
            }
            ++m_P;
            static const QRegularExpression properties(QStringLiteral("^controls\\[(\\d+)\\]\\.properties$"));
            if (depth == 3)
                if (const auto match = properties.match(path); match.hasMatch())
                    propertyKeys[match.captured(1).toLongLong()] = keys;
        } else if (*m_P == '[') {
            ++m_P;
            for (qsizetype index = 0;; ++index) {
                Space();
                if (m_P >= m_End || *m_P == ']') break;
                if (*m_P == ',') ++m_P;
                Value(path + QStringLiteral("[%1]").arg(index), depth + 1);
            }
            ++m_P;
        } else {
            // a number, true, false or null
            while (m_P < m_End && *m_P != ',' && *m_P != '}' && *m_P != ']' && *m_P != ' ' && *m_P != '\n' &&
                   *m_P != '\r' && *m_P != '\t')
                ++m_P;
        }
    }

    const char* m_P;
    const char* m_End;
};

// One reading: the file's name, the folder pictures start at, the pixel
// budget of the form's pictures, and the first error.
class Reader {
public:
    Reader(QString file, QString base, std::map<qsizetype, QStringList> propertyKeys)
        : m_File(std::move(file)), m_Base(std::move(base)), m_PropertyKeys(std::move(propertyKeys)) {}

    std::optional<FormError> error;

    bool Fail(const QString& location, const QString& message) {
        if (!error) error = FormError{m_File, location, message};
        return false;
    }
    bool Fail(const QString& location, const ValueProblem& problem) {
        return Fail(location + problem.where, problem.message);
    }

    bool Document(const QJsonObject& root, FormDocument& doc);

private:
    bool Keys(const QJsonObject& object, const QString& location,
              std::initializer_list<const char*> known, std::initializer_list<const char*> required);
    bool Form(const QJsonValue& value, FormSettings& form);
    bool Control(const QJsonValue& value, const QString& location, qsizetype position, FormControl& out);
    bool Properties(const QJsonValue& value, const QString& location, const QStringList& order,
                    PropertySet& set, PictureSources& pictures);
    bool Menu(const QJsonValue& value, const QString& location, FormMenu& out);

    // Members of an object, each optional unless the object's Keys said so.
    bool Integer(const QJsonObject& o, const char* key, const QString& location, int min, int max, int* out);
    bool Text(const QJsonObject& o, const char* key, const QString& location, int maxLength, QString* out);
    bool Name(const QJsonObject& o, const char* key, const QString& location, QString* out);
    bool Bool(const QJsonObject& o, const char* key, const QString& location, bool* out);
    bool Array(const QJsonObject& o, const char* key, const QString& location, int maxCount, QJsonArray* out);

    QString m_File;
    QString m_Base;
    std::map<qsizetype, QStringList> m_PropertyKeys;  // in the order of the file
    std::int64_t m_PixelBudget = limits::kMaxFormPicturePixels;
};

bool Reader::Keys(const QJsonObject& object, const QString& location,
                  std::initializer_list<const char*> known, std::initializer_list<const char*> required) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (std::none_of(known.begin(), known.end(), [&](const char* k) { return it.key() == QLatin1String(k); })) {
            QStringList names;
            for (const char* k : known) names << QString::fromLatin1(k);
            return Fail(Join(location, it.key().left(80)),
                        QStringLiteral("unknown key (known keys: %1)").arg(names.join(QStringLiteral(", "))));
        }
    }
    for (const char* key : required)
        if (!object.contains(QLatin1String(key)))
            return Fail(location.isEmpty() ? QStringLiteral("document") : location,
                        QStringLiteral("the key \"%1\" is missing").arg(QLatin1String(key)));
    return true;
}

bool Reader::Integer(const QJsonObject& o, const char* key, const QString& location, int min, int max, int* out) {
    const QJsonValue value = o.value(QLatin1String(key));
    if (value.isUndefined()) return true;
    const QString where = Join(location, QLatin1String(key));
    if (!value.isDouble()) return Fail(where, Expected("a number", value));
    const double v = value.toDouble();
    if (v != std::floor(v))
        return Fail(where, QStringLiteral("%1 is not a whole number").arg(QString::number(v, 'g', 15)));
    if (v < min || v > max)
        return Fail(where, QStringLiteral("%1 is outside %2 to %3").arg(QString::number(v, 'g', 15)).arg(min).arg(max));
    *out = static_cast<int>(v);
    return true;
}

bool Reader::Text(const QJsonObject& o, const char* key, const QString& location, int maxLength, QString* out) {
    const QJsonValue value = o.value(QLatin1String(key));
    if (value.isUndefined()) return true;
    const QString where = Join(location, QLatin1String(key));
    if (!value.isString()) return Fail(where, Expected("a text", value));
    const QString text = value.toString();
    if (text.size() > maxLength)
        return Fail(where, QStringLiteral("a text of %1 characters is longer than %2").arg(text.size()).arg(maxLength));
    *out = text;
    return true;
}

bool Reader::Name(const QJsonObject& o, const char* key, const QString& location, QString* out) {
    QString text;
    if (!o.contains(QLatin1String(key))) return true;
    if (!Text(o, key, location, limits::kMaxTextLength, &text)) return false;
    if (!detail::IsName(text))
        return Fail(Join(location, QLatin1String(key)), detail::NotAName(text));
    *out = text;
    return true;
}

bool Reader::Bool(const QJsonObject& o, const char* key, const QString& location, bool* out) {
    const QJsonValue value = o.value(QLatin1String(key));
    if (value.isUndefined()) return true;
    if (!value.isBool()) return Fail(Join(location, QLatin1String(key)), Expected("a Boolean", value));
    *out = value.toBool();
    return true;
}

bool Reader::Array(const QJsonObject& o, const char* key, const QString& location, int maxCount, QJsonArray* out) {
    const QJsonValue value = o.value(QLatin1String(key));
    if (value.isUndefined()) return true;
    const QString where = Join(location, QLatin1String(key));
    if (!value.isArray()) return Fail(where, Expected("an array", value));
    *out = value.toArray();
    if (out->size() > maxCount)
        return Fail(where, QStringLiteral("%1 entries are more than the %2 allowed").arg(out->size()).arg(maxCount));
    return true;
}

bool Reader::Document(const QJsonObject& root, FormDocument& doc) {
    if (!Keys(root, {}, {"format", "version", "form", "controls", "menus"}, {"format", "version", "form"}))
        return false;
    const QJsonValue format = root.value(QLatin1String("format"));
    if (format != QJsonValue(QLatin1String(kFormat)))
        return Fail(QStringLiteral("format"),
                    format.isString() ? QStringLiteral("expected \"%1\", found %2").arg(QLatin1String(kFormat), Quoted(format.toString()))
                                      : Expected("the text \"vemmix-form\"", format));
    int version = 0;
    if (!Integer(root, "version", {}, 0, 1 << 30, &version)) return false;
    if (version != kVersion)
        return Fail(QStringLiteral("version"),
                    QStringLiteral("version %1 is not read here (this reader reads version %2)").arg(version).arg(kVersion));
    if (!Form(root.value(QLatin1String("form")), doc.form)) return false;

    QJsonArray controls;
    if (!Array(root, "controls", {}, limits::kMaxControls, &controls)) return false;
    doc.controls.resize(static_cast<std::size_t>(controls.size()));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QString location = At(QStringLiteral("controls"), i);
        if (!Control(controls[i], location, i, doc.controls[static_cast<std::size_t>(i)])) return false;
        if (!Properties(controls[i].toObject().value(QLatin1String("properties")),
                        Join(location, QStringLiteral("properties")), m_PropertyKeys[i],
                        doc.controls[static_cast<std::size_t>(i)].properties, *doc.pictures))
            return false;
    }

    QJsonArray menus;
    if (!Array(root, "menus", {}, limits::kMaxMenus, &menus)) return false;
    doc.menus.resize(static_cast<std::size_t>(menus.size()));
    for (qsizetype i = 0; i < menus.size(); ++i)
        if (!Menu(menus[i], At(QStringLiteral("menus"), i), doc.menus[static_cast<std::size_t>(i)])) return false;
    return true;
}

bool Reader::Form(const QJsonValue& value, FormSettings& form) {
    const QString location = QStringLiteral("form");
    if (!value.isObject()) return Fail(location, Expected("an object", value));
    const QJsonObject o = value.toObject();
    if (!Keys(o, location,
              {"name", "title", "width", "height", "backColor", "font", "visualStyle", "defaultControl",
               "cancelControl", "mode"},
              {"width", "height"}))
        return false;
    if (!Name(o, "name", location, &form.name) || !Text(o, "title", location, limits::kMaxTextLength, &form.title) ||
        !Integer(o, "width", location, 1, limits::kMaxFormSize, &form.width) ||
        !Integer(o, "height", location, 1, limits::kMaxFormSize, &form.height) ||
        !Text(o, "defaultControl", location, limits::kMaxNameLength + 8, &form.defaultControl) ||
        !Text(o, "cancelControl", location, limits::kMaxNameLength + 8, &form.cancelControl))
        return false;
    ValueProblem problem;
    if (o.contains(QLatin1String("backColor"))) {
        const auto colour = detail::ReadColour(o.value(QLatin1String("backColor")), &problem);
        if (!colour) return Fail(Join(location, QStringLiteral("backColor")), problem);
        form.backColor = *colour;
    }
    if (o.contains(QLatin1String("font"))) {
        const auto font = detail::ReadFont(o.value(QLatin1String("font")), &problem);
        if (!font) return Fail(Join(location, QStringLiteral("font")), problem);
        form.font = *font;
    }
    const QJsonValue style = o.value(QLatin1String("visualStyle"));
    const QString styleLocation = Join(location, QStringLiteral("visualStyle"));
    if (style.isString()) {
        const auto setting = ParseVisualStyle(style.toString());
        if (!setting)
            return Fail(styleLocation, QStringLiteral("%1 is not a visual style (auto, none, blue, olive, silver, royal)")
                                           .arg(Quoted(style.toString())));
        form.visualStyle = *setting;
    } else if (style.isObject()) {
        const QJsonObject names = style.toObject();
        if (!Keys(names, styleLocation, {"themeFile", "colorName", "sizeName"}, {"themeFile"})) return false;
        VisualStyleSetting setting;
        setting.name.clear();
        if (!Text(names, "themeFile", styleLocation, 255, &setting.themeFile) ||
            !Text(names, "colorName", styleLocation, 255, &setting.colorName) ||
            !Text(names, "sizeName", styleLocation, 255, &setting.sizeName))
            return false;
        form.visualStyle = setting;
    } else if (!style.isUndefined()) {
        return Fail(styleLocation, Expected("a text or an object", style));
    }
    QString mode = QStringLiteral("run");
    if (!Text(o, "mode", location, 16, &mode)) return false;
    if (mode != QLatin1String("run") && mode != QLatin1String("design"))
        return Fail(Join(location, QStringLiteral("mode")),
                    QStringLiteral("%1 is not a mode (run, design)").arg(Quoted(mode)));
    form.designMode = mode == QLatin1String("design");
    return true;
}

bool Reader::Control(const QJsonValue& value, const QString& location, qsizetype position, FormControl& out) {
    if (!value.isObject()) return Fail(location, Expected("an object", value));
    const QJsonObject o = value.toObject();
    if (!Keys(o, location,
              {"class", "name", "index", "parent", "left", "top", "width", "height", "tabIndex", "visible",
               "toolTipText", "properties"},
              {"class", "name", "left", "top", "width", "height"}))
        return false;
    if (!Text(o, "class", location, 255, &out.className)) return false;
    static const QRegularExpression classPattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.]*$|^\\{[0-9A-Fa-f-]{36}\\}$"));
    if (!classPattern.match(out.className).hasMatch())
        return Fail(Join(location, QStringLiteral("class")),
                    QStringLiteral("%1 is not a class name (a program identifier such as \"Vemmix.Zorvane\", "
                                   "or a class identifier)").arg(Quoted(out.className)));
    out.tabIndex = static_cast<int>(std::min<qsizetype>(position, limits::kMaxIndex));
    int index = -1;
    if (!Name(o, "name", location, &out.name) || !Integer(o, "index", location, 0, limits::kMaxIndex, &index) ||
        !Text(o, "parent", location, limits::kMaxNameLength + 8, &out.parent) ||
        !Integer(o, "left", location, -limits::kMaxPosition, limits::kMaxPosition, &out.left) ||
        !Integer(o, "top", location, -limits::kMaxPosition, limits::kMaxPosition, &out.top) ||
        !Integer(o, "width", location, 0, limits::kMaxControlSize, &out.width) ||
        !Integer(o, "height", location, 0, limits::kMaxControlSize, &out.height) ||
        !Integer(o, "tabIndex", location, 0, limits::kMaxIndex, &out.tabIndex) ||
        !Bool(o, "visible", location, &out.visible) ||
        !Text(o, "toolTipText", location, limits::kMaxTextLength, &out.toolTipText))
        return false;
    if (index >= 0) out.index = index;
    return true;
}

bool Reader::Properties(const QJsonValue& value, const QString& location, const QStringList& order,
                        PropertySet& set, PictureSources& pictures) {
    if (value.isUndefined()) return true;
    if (!value.isObject()) return Fail(location, Expected("an object", value));
    const QJsonObject o = value.toObject();
    if (o.size() > limits::kMaxProperties)
        return Fail(location, QStringLiteral("%1 keys are more than the %2 allowed").arg(o.size()).arg(limits::kMaxProperties));
    // in the order of the file (Qt's object has them sorted)
    const QStringList keys = order.size() == o.size() ? order : o.keys();
    for (const QString& key : keys) {
        const QString where = Join(location, key.left(80));
        if (!IsKey(key))
            return Fail(where, QStringLiteral("%1 is not a property key (a letter or underscore, then letters, "
                                              "digits or underscores, %2 characters at most)")
                                   .arg(Quoted(key)).arg(limits::kMaxKeyLength));
        if (const PropertySet::Entry* same = set.Find(key))
            return Fail(where, QStringLiteral("the key %1 is given already").arg(Quoted(same->key)));
        const QJsonValue v = o.value(key);
        PropertySet::Entry entry{key, v, nullptr};
        ValueProblem problem;
        switch (v.type()) {
        case QJsonValue::String:
            if (v.toString().size() > limits::kMaxTextLength)
                return Fail(where, QStringLiteral("a text of %1 characters is longer than %2")
                                       .arg(v.toString().size()).arg(limits::kMaxTextLength));
            break;
        case QJsonValue::Object:
            if (detail::IsPictureJson(v)) {
                entry.picture = detail::ReadPicture(v, m_Base, &m_PixelBudget, &problem);
                if (!entry.picture) return Fail(where, problem);
                pictures.Remember(entry.picture, v);
            } else if (!detail::ReadFont(v, &problem)) {
                return Fail(where, problem);
            }
            break;
        case QJsonValue::Array:
            return Fail(where, Expected("a number, a Boolean, a text, a font or a picture", v));
        default: break;
        }
        if ((key.compare(QLatin1String("_ExtentX"), Qt::CaseInsensitive) == 0 ||
             key.compare(QLatin1String("_ExtentY"), Qt::CaseInsensitive) == 0) &&
            !(v.isDouble() && v.toDouble() == std::floor(v.toDouble()) && std::fabs(v.toDouble()) <= 2147483647.0))
            return Fail(where, QStringLiteral("the container's extent is a whole number of HIMETRIC units"));
        set.Set(std::move(entry));
    }
    return true;
}

bool Reader::Menu(const QJsonValue& value, const QString& location, FormMenu& out) {
    if (!value.isObject()) return Fail(location, Expected("an object", value));
    const QJsonObject o = value.toObject();
    if (!Keys(o, location, {"name", "caption", "items"}, {"name", "items"}) || !Name(o, "name", location, &out.name) ||
        !Text(o, "caption", location, limits::kMaxTextLength, &out.caption))
        return false;
    QJsonArray items;
    if (!Array(o, "items", location, limits::kMaxMenuItems, &items)) return false;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString where = At(Join(location, QStringLiteral("items")), i);
        if (!items[i].isObject()) return Fail(where, Expected("an object", items[i]));
        const QJsonObject item = items[i].toObject();
        MenuItem entry;
        int index = -1;
        if (!Keys(item, where, {"name", "index", "caption"}, {"name"}) || !Name(item, "name", where, &entry.name) ||
            !Integer(item, "index", where, 0, limits::kMaxIndex, &index) ||
            !Text(item, "caption", where, limits::kMaxTextLength, &entry.caption))
            return false;
        if (index >= 0) entry.index = index;
        out.items.push_back(std::move(entry));
    }
    return true;
}

}  // namespace

std::optional<FormDocument> ReadForm(const QByteArray& json, const QString& fileName,
                                     const QString& baseDirectory, FormError* error) {
    const auto fail = [&](QString location, QString message) -> std::optional<FormDocument> {
        if (error) *error = FormError{fileName, std::move(location), std::move(message)};
        return std::nullopt;
    };
    if (json.size() > limits::kMaxFormFileBytes)
        return fail(QStringLiteral("file"), QStringLiteral("larger than the %1 bytes a form file may have")
                                                .arg(limits::kMaxFormFileBytes));
    if (json.trimmed().isEmpty()) return fail(QStringLiteral("file"), QStringLiteral("is empty"));
    QJsonParseError parseError;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(LineAndColumn(json, parseError.offset), parseError.errorString());
    if (!parsed.isObject())
        return fail(QStringLiteral("document"), QStringLiteral("expected an object, found an array"));

    KeyScanner scanner(json);
    scanner.Run();
    if (scanner.repeated)
        return fail(scanner.repeated->first,
                    QStringLiteral("the key \"%1\" is given already").arg(scanner.repeated->second.left(80)));

    FormDocument doc;
    doc.baseDirectory = baseDirectory;
    Reader reader(fileName, baseDirectory, std::move(scanner.propertyKeys));
    if (!reader.Document(parsed.object(), doc)) {
        if (error) *error = *reader.error;
        return std::nullopt;
    }
    if (auto problem = CheckForm(doc)) {
        problem->file = fileName;
        if (error) *error = *problem;
        return std::nullopt;
    }
    return doc;
}

std::optional<FormDocument> ReadFormFile(const QString& path, FormError* error) {
    QFile file(path);
    const QFileInfo info(path);
    const auto fail = [&](QString message) -> std::optional<FormDocument> {
        if (error) *error = FormError{path, QStringLiteral("file"), std::move(message)};
        return std::nullopt;
    };
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot be opened (%1)").arg(file.errorString()));
    if (!info.isFile()) return fail(QStringLiteral("is not a file"));
    // one byte more than allowed tells a file that is too large
    const QByteArray json = file.read(limits::kMaxFormFileBytes + 1);
    if (json.size() > limits::kMaxFormFileBytes)
        return fail(QStringLiteral("larger than the %1 bytes a form file may have").arg(limits::kMaxFormFileBytes));
    return ReadForm(json, path, info.absolutePath(), error);
}

}  // namespace vemmix::host
