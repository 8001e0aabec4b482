#include "JsonValues.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include <QBuffer>
#include <QDir>
#include <QJsonArray>

#include <vemmix/host/Limits.h>
#include <vemmix/host/Pictures.h>
#include "PictureResolution.h"

namespace vemmix::host::detail {

namespace {

bool Fail(ValueProblem* problem, QString where, QString message) {
    if (problem) *problem = ValueProblem{std::move(where), std::move(message)};
    return false;
}

QString JoinKeys(std::initializer_list<const char*> keys) {
    QStringList names;
    for (const char* key : keys) names << QString::fromLatin1(key);
    return names.join(QStringLiteral(", "));
}

// Every key of `object` is one of `known`.
bool OnlyKnownKeys(const QJsonObject& object, std::initializer_list<const char*> known,
                   ValueProblem* problem) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        const bool isKnown = std::any_of(known.begin(), known.end(), [&](const char* k) {
            return it.key() == QLatin1String(k);
        });
        if (!isKnown)
            return Fail(problem, QLatin1Char('.') + it.key(),
                        QStringLiteral("unknown key (known keys: %1)").arg(JoinKeys(known)));
    }
    return true;
}

QString Number(double value) { return QString::number(value, 'g', 15); }

bool ReadBool(const QJsonObject& object, const char* key, bool* out, ValueProblem* problem) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) return true;
    if (!value.isBool())
        return Fail(problem, QLatin1Char('.') + QLatin1String(key), Expected("a Boolean", value));
    *out = value.toBool();
    return true;
}

// A whole number from `min` to `max`.
bool ReadInteger(const QJsonValue& value, const QString& where, std::int64_t min, std::int64_t max,
                 std::int64_t* out, ValueProblem* problem) {
    if (!value.isDouble()) return Fail(problem, where, Expected("a number", value));
    const double v = value.toDouble();
    if (v != std::floor(v)) return Fail(problem, where, Number(v) + QStringLiteral(" is not a whole number"));
    if (v < static_cast<double>(min) || v > static_cast<double>(max))
        return Fail(problem, where,
                    QStringLiteral("%1 is outside %2 to %3").arg(Number(v)).arg(min).arg(max));
    *out = static_cast<std::int64_t>(v);
    return true;
}

// The largest HIMETRIC size a picture may declare: its largest side at 1 dpi.
constexpr std::int64_t kMaxHimetric = std::int64_t{limits::kMaxPictureSide} * 2540;

struct PictureTypeName {
    const char* name;
    PictureType type;
};
constexpr PictureTypeName kPictureTypes[] = {
    {"empty", PictureType::None},       {"bitmap", PictureType::Bitmap},
    {"metafile", PictureType::Metafile}, {"icon", PictureType::Icon},
    {"enhmetafile", PictureType::EnhMetafile},
};

std::int64_t PixelCount(const StdPicture& picture) {
    if (picture.type == PictureType::Bitmap) {
        const gdi::PixelView view = gdi::GetBitmapPixels(picture.bitmap);
        return std::int64_t{view.width} * view.height;
    }
    if (picture.type == PictureType::Icon) return std::int64_t{picture.icon.width} * picture.icon.height;
    return 0;
}

}  // namespace

QString KindOf(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return QStringLiteral("a Boolean");
    case QJsonValue::Double: return QStringLiteral("a number");
    case QJsonValue::String: return QStringLiteral("a text");
    case QJsonValue::Array: return QStringLiteral("an array");
    case QJsonValue::Object: return QStringLiteral("an object");
    case QJsonValue::Undefined: break;
    }
    return QStringLiteral("nothing");
}

QString Expected(const char* what, const QJsonValue& found) {
    return QStringLiteral("expected %1, found %2").arg(QLatin1String(what), KindOf(found));
}

// ---- colours -------------------------------------------------------------------

std::optional<OleColor> ParseColourText(QStringView text) {
    if (text.size() < 4 || text.size() > 11) return std::nullopt;
    if (text[0] != u'&' || (text[1] != u'H' && text[1] != u'h') || text.back() != u'&')
        return std::nullopt;
    std::uint32_t value = 0;
    for (QChar c : text.mid(2, text.size() - 3)) {
        const char16_t u = c.unicode();
        const int digit = (u >= u'0' && u <= u'9')   ? u - u'0'
                          : (u >= u'a' && u <= u'f') ? u - u'a' + 10
                          : (u >= u'A' && u <= u'F') ? u - u'A' + 10
                                                     : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<OleColor>(value);
}

QString ColourText(OleColor colour) {
    return QStringLiteral("&H%1&").arg(static_cast<std::uint32_t>(colour), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<OleColor> ReadColour(const QJsonValue& value, ValueProblem* problem) {
    if (value.isString()) {
        if (const auto colour = ParseColourText(value.toString())) return colour;
        Fail(problem, {},
             QStringLiteral("\"%1\" is not a colour (a number, or \"&H\", 1 to 8 hexadecimal "
                            "digits and \"&\")").arg(value.toString().left(40)));
        return std::nullopt;
    }
    std::int64_t number = 0;
    if (!value.isDouble()) {
        Fail(problem, {}, Expected("a colour", value));
        return std::nullopt;
    }
    if (!ReadInteger(value, {}, std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max(), &number, problem))
        return std::nullopt;
    return static_cast<OleColor>(number);
}

// ---- fonts -----------------------------------------------------------------------

std::optional<FontDescription> ReadFont(const QJsonValue& value, ValueProblem* problem) {
    if (!value.isObject()) {
        Fail(problem, {}, Expected("a font object", value));
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    if (!OnlyKnownKeys(object,
                       {"name", "size", "bold", "italic", "underline", "strikethrough", "charset"},
                       problem))
        return std::nullopt;
    FontDescription font;
    const QJsonValue name = object.value(QLatin1String("name"));
    if (name.isUndefined()) {
        Fail(problem, {}, QStringLiteral("the key \"name\" is missing"));
        return std::nullopt;
    }
    if (!name.isString()) {
        Fail(problem, QStringLiteral(".name"), Expected("a text", name));
        return std::nullopt;
    }
    const QString text = name.toString();
    if (text.isEmpty() || text.size() > limits::kMaxFontNameLength || text.contains(QChar(0))) {
        Fail(problem, QStringLiteral(".name"),
             QStringLiteral("a font name has 1 to %1 characters and no NUL").arg(limits::kMaxFontNameLength));
        return std::nullopt;
    }
    font.name = text.toStdU16String();
    const QJsonValue size = object.value(QLatin1String("size"));
    if (size.isUndefined()) {
        Fail(problem, {}, QStringLiteral("the key \"size\" is missing"));
        return std::nullopt;
    }
    if (!size.isDouble()) {
        Fail(problem, QStringLiteral(".size"), Expected("a number", size));
        return std::nullopt;
    }
    font.size = size.toDouble();
    if (!(font.size >= limits::kMinFontPoints && font.size <= limits::kMaxFontPoints)) {
        Fail(problem, QStringLiteral(".size"),
             QStringLiteral("%1 is outside %2 to %3 points")
                 .arg(Number(font.size))
                 .arg(limits::kMinFontPoints)
                 .arg(limits::kMaxFontPoints));
        return std::nullopt;
    }
    if (!ReadBool(object, "bold", &font.bold, problem) ||
        !ReadBool(object, "italic", &font.italic, problem) ||
        !ReadBool(object, "underline", &font.underline, problem) ||
        !ReadBool(object, "strikethrough", &font.strikethrough, problem))
        return std::nullopt;
    const QJsonValue charset = object.value(QLatin1String("charset"));
    if (!charset.isUndefined()) {
        std::int64_t number = 0;
        // any character set a font object holds (its setter takes any
        // 16-bit value): what a control saves, a load takes
        if (!ReadInteger(charset, QStringLiteral(".charset"), std::numeric_limits<std::int16_t>::min(),
                         std::numeric_limits<std::int16_t>::max(), &number, problem))
            return std::nullopt;
        font.charset = static_cast<std::int16_t>(number);
    }
    return font;
}

QJsonObject FontJson(const FontDescription& font) {
    return QJsonObject{
        {QStringLiteral("name"), QString::fromStdU16String(font.name)},
        {QStringLiteral("size"), font.size},
        {QStringLiteral("bold"), font.bold},
        {QStringLiteral("italic"), font.italic},
        {QStringLiteral("underline"), font.underline},
        {QStringLiteral("strikethrough"), font.strikethrough},
        {QStringLiteral("charset"), font.charset},
    };
}

// ---- pictures ----------------------------------------------------------------------

bool IsPictureJson(const QJsonValue& value) {
    return value.isObject() && value.toObject().contains(QLatin1String("type"));
}

PictureRef ReadPicture(const QJsonValue& value, const QString& baseDirectory,
                       std::int64_t* pixelBudget, ValueProblem* problem) {
    if (!value.isObject()) {
        Fail(problem, {}, Expected("a picture object", value));
        return nullptr;
    }
    const QJsonObject object = value.toObject();
    if (!OnlyKnownKeys(object, {"type", "png", "bmp", "file", "widthHimetric", "heightHimetric"},
                       problem))
        return nullptr;

    // the type: named, or decided by the image
    std::optional<PictureType> type;
    const QJsonValue typeValue = object.value(QLatin1String("type"));
    if (!typeValue.isUndefined()) {
        if (!typeValue.isString()) {
            Fail(problem, QStringLiteral(".type"), Expected("a text", typeValue));
            return nullptr;
        }
        for (const PictureTypeName& t : kPictureTypes)
            if (typeValue.toString() == QLatin1String(t.name)) type = t.type;
        if (!type) {
            Fail(problem, QStringLiteral(".type"),
                 QStringLiteral("\"%1\" is not a picture type (empty, bitmap, icon, metafile, "
                                "enhmetafile)").arg(typeValue.toString().left(40)));
            return nullptr;
        }
    }
    const char* sources[] = {"png", "bmp", "file"};
    const char* source = nullptr;
    for (const char* s : sources) {
        if (!object.contains(QLatin1String(s))) continue;
        if (source) {
            Fail(problem, QLatin1Char('.') + QLatin1String(s),
                 QStringLiteral("a picture has one image: \"%1\" is given already").arg(QLatin1String(source)));
            return nullptr;
        }
        source = s;
    }
    std::optional<std::int64_t> himetric[2];
    const char* sizeKeys[] = {"widthHimetric", "heightHimetric"};
    for (int i = 0; i < 2; ++i) {
        const QJsonValue v = object.value(QLatin1String(sizeKeys[i]));
        if (v.isUndefined()) continue;
        std::int64_t number = 0;
        if (!ReadInteger(v, QLatin1Char('.') + QLatin1String(sizeKeys[i]), 1, kMaxHimetric, &number, problem))
            return nullptr;
        himetric[i] = number;
    }

    if (type == PictureType::None) {
        if (source || himetric[0] || himetric[1]) {
            Fail(problem, {}, QStringLiteral("the empty picture has no image and no size"));
            return nullptr;
        }
        return MakeEmptyPicture();
    }
    if (type == PictureType::Metafile || type == PictureType::EnhMetafile) {
        if (source) {
            Fail(problem, QLatin1Char('.') + QLatin1String(source),
                 QStringLiteral("a metafile picture is kept by its size only"));
            return nullptr;
        }
        if (!himetric[0] || !himetric[1]) {
            Fail(problem, {}, QStringLiteral("a metafile picture needs widthHimetric and heightHimetric"));
            return nullptr;
        }
        return MakeOtherPicture(*type, static_cast<std::int32_t>(*himetric[0]),
                                static_cast<std::int32_t>(*himetric[1]));
    }
    if (!source) {
        Fail(problem, {}, QStringLiteral("a picture needs its image: \"png\", \"bmp\" or \"file\""));
        return nullptr;
    }

    const PictureKind kind = !type ? PictureKind::FromImage
                             : type == PictureType::Icon ? PictureKind::Icon
                                                         : PictureKind::Bitmap;
    const QString where = QLatin1Char('.') + QLatin1String(source);
    const QJsonValue data = object.value(QLatin1String(source));
    if (!data.isString()) {
        Fail(problem, where, Expected("a text", data));
        return nullptr;
    }
    QString error;
    PictureRef picture;
    if (qstrcmp(source, "file") == 0) {
        const QString path = data.toString();
        if (path.isEmpty() || !QDir::isRelativePath(path) || path.contains(QChar(0))) {
            Fail(problem, where,
                 QStringLiteral("\"%1\" is not a path relative to the form").arg(path.left(200)));
            return nullptr;
        }
        if (baseDirectory.isEmpty()) {
            Fail(problem, where, QStringLiteral("a picture file needs the form's folder"));
            return nullptr;
        }
        picture = LoadPicture(QDir(baseDirectory).filePath(path), &error, kind);
        if (!picture) error = QStringLiteral("\"%1\": %2").arg(path.left(200), error);
    } else {
        const auto decoded = QByteArray::fromBase64Encoding(data.toString().toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || data.toString().contains(QChar(0))) {
            Fail(problem, where, QStringLiteral("not base64 data"));
            return nullptr;
        }
        picture = DecodePicture(*decoded, source, &error, kind);
    }
    if (!picture) {
        Fail(problem, where, error);
        return nullptr;
    }
    if (himetric[0]) picture->widthHimetric = static_cast<std::int32_t>(*himetric[0]);
    if (himetric[1]) picture->heightHimetric = static_cast<std::int32_t>(*himetric[1]);
    if (pixelBudget) {
        *pixelBudget -= PixelCount(*picture);
        if (*pixelBudget < 0) {
            Fail(problem, where,
                 QStringLiteral("the form's pictures have more than %1 pixels in all")
                     .arg(limits::kMaxFormPicturePixels));
            return nullptr;
        }
    }
    return picture;
}

QJsonObject PictureJson(const StdPicture& picture) {
    for (const PictureTypeName& t : kPictureTypes) {
        if (t.type != picture.type) continue;
        QJsonObject object{{QStringLiteral("type"), QLatin1String(t.name)}};
        if (picture.type == PictureType::None) return object;
        if (picture.type == PictureType::Metafile || picture.type == PictureType::EnhMetafile) {
            object.insert(QStringLiteral("widthHimetric"), picture.widthHimetric);
            object.insert(QStringLiteral("heightHimetric"), picture.heightHimetric);
            return object;
        }
        const QImage image = ImageFromPicture(picture);
        if (image.isNull()) return {};
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) return {};
        object.insert(QStringLiteral("png"), QString::fromLatin1(png.toBase64()));
        // what the PNG's resolution does not say
        const int dpiX = DpiOf(image.dotsPerMeterX());
        const int dpiY = DpiOf(image.dotsPerMeterY());
        if (HimetricFromPixels(image.width(), dpiX) != picture.widthHimetric)
            object.insert(QStringLiteral("widthHimetric"), picture.widthHimetric);
        if (HimetricFromPixels(image.height(), dpiY) != picture.heightHimetric)
            object.insert(QStringLiteral("heightHimetric"), picture.heightHimetric);
        return object;
    }
    return {};
}

QJsonValue RebasePicture(const QJsonValue& value, const QString& from, const QString& to) {
    if (!value.isObject() || from.isEmpty() || to.isEmpty()) return value;
    QJsonObject object = value.toObject();
    const QJsonValue file = object.value(QLatin1String("file"));
    if (!file.isString() || QDir(from) == QDir(to)) return value;
    const QString absolute = QDir(from).absoluteFilePath(file.toString());
    object.insert(QStringLiteral("file"), QDir(to).relativeFilePath(absolute));
    return object;
}

// ---- the writer ------------------------------------------------------------------------

namespace {

// The order of the keys of fonts and pictures.
constexpr const char* kKeyOrder[] = {"type", "png", "bmp", "file", "widthHimetric", "heightHimetric",
                                     "name", "size", "bold", "italic", "underline",
                                     "strikethrough", "charset"};

int KeyRank(const QString& key) {
    for (int i = 0; i < static_cast<int>(std::size(kKeyOrder)); ++i)
        if (key == QLatin1String(kKeyOrder[i])) return i;
    return static_cast<int>(std::size(kKeyOrder));
}

}  // namespace

void JsonWriter::Indent() { m_Out.append(QByteArray(2 * m_Depth, ' ')); }

void JsonWriter::Separate() {
    if (m_AfterKey) {
        m_AfterKey = false;
        return;
    }
    if (!m_First) m_Out.append(',');
    if (m_Depth > 0) {
        m_Out.append('\n');
        Indent();
    }
    m_First = false;
}

void JsonWriter::Open(char bracket) {
    Separate();
    m_Out.append(bracket);
    ++m_Depth;
    m_First = true;
}

void JsonWriter::Close(char bracket) {
    --m_Depth;
    if (!m_First) {
        m_Out.append('\n');
        Indent();
    }
    m_Out.append(bracket);
    m_First = false;
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(const QString& key) {
    Separate();
    WriteString(key);
    m_Out.append(": ");
    m_AfterKey = true;
}

void JsonWriter::String(const QString& text) {
    Separate();
    WriteString(text);
}

void JsonWriter::Number(std::int64_t number) {
    Separate();
    m_Out.append(QByteArray::number(static_cast<qlonglong>(number)));
}

void JsonWriter::Bool(bool value) {
    Separate();
    m_Out.append(value ? "true" : "false");
}

void JsonWriter::Value(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Bool: Bool(value.toBool()); return;
    case QJsonValue::String: String(value.toString()); return;
    case QJsonValue::Double: {
        const double v = value.toDouble();
        if (v == std::floor(v) && std::fabs(v) < 9007199254740992.0) {
            Number(static_cast<std::int64_t>(v));
        } else {
            Separate();
            m_Out.append(QByteArray::number(v, 'g', QLocale::FloatingPointShortest));
        }
        return;
    }
    case QJsonValue::Array:
        BeginArray();
        for (const QJsonValue& element : value.toArray()) Value(element);
        EndArray();
        return;
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        QStringList keys = object.keys();
        std::stable_sort(keys.begin(), keys.end(),
                         [](const QString& a, const QString& b) { return KeyRank(a) < KeyRank(b); });
        BeginObject();
        for (const QString& key : keys) {
            Key(key);
            Value(object.value(key));
        }
        EndObject();
        return;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined: break;
    }
    Separate();
    m_Out.append("null");
}

void JsonWriter::WriteString(const QString& text) {
    m_Out.append('"');
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'"': m_Out.append("\\\""); continue;
        case u'\\': m_Out.append("\\\\"); continue;
        case u'\b': m_Out.append("\\b"); continue;
        case u'\f': m_Out.append("\\f"); continue;
        case u'\n': m_Out.append("\\n"); continue;
        case u'\r': m_Out.append("\\r"); continue;
        case u'\t': m_Out.append("\\t"); continue;
        default: break;
        }
        const bool high = QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate();
        if (c < 0x20 || c == 0xFEFF || (QChar::isSurrogate(c) && !high)) {
            // control characters, surrogates without their pair, and the
            // byte-order mark (Qt's reader drops one that starts a string) escaped
            m_Out.append(QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0')).toLatin1());
            continue;
        }
        m_Out.append(QStringView(text).mid(i, high ? 2 : 1).toUtf8());
        if (high) ++i;
    }
    m_Out.append('"');
}

QByteArray JsonWriter::Finish() {
    m_Out.append('\n');
    return m_Out;
}

}  // namespace vemmix::host::detail
