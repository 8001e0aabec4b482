// The JSON of the values a form holds (colours, fonts, pictures) and the
// ordered JSON writer, shared by the form reader and writer and the
// property bag.
#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <vemmix/Color.h>
#include <vemmix/StdObjects.h>

namespace vemmix::host::detail {

// What is wrong with a value, and where below it (".size", or empty for
// the value itself).
struct ValueProblem {
    QString where;
    QString message;
};

// "a number", "a text", "a Boolean", "null", "an array", "an object".
QString KindOf(const QJsonValue& value);
// "expected a number, found a text"
QString Expected(const char* what, const QJsonValue& found);

// A colour: a number in the 32-bit range, or "&H" and 1 to 8 hexadecimal
// digits and "&" (the automation language's long literal, 0x00BBGGRR).
std::optional<OleColor> ReadColour(const QJsonValue& value, ValueProblem* problem);
std::optional<OleColor> ParseColourText(QStringView text);
QString ColourText(OleColor colour);  // "&H8000000F&"

// A font object: name and size required; bold, italic, underline,
// strikethrough (Booleans) and charset (0 to 255) optional.
std::optional<FontDescription> ReadFont(const QJsonValue& value, ValueProblem* problem);
QJsonObject FontJson(const FontDescription& font);

// A picture object. Relative file paths start at `baseDirectory`;
// `pixelBudget` (when given) is what the form's pictures may still take
// and is reduced by this one's pixels.
bool IsPictureJson(const QJsonValue& value);
PictureRef ReadPicture(const QJsonValue& value, const QString& baseDirectory,
                       std::int64_t* pixelBudget, ValueProblem* problem);
// An embedded picture: type, PNG data and, where the PNG's resolution does
// not give it, the HIMETRIC size. Empty for a picture that has no image.
QJsonObject PictureJson(const StdPicture& picture);
// A picture value with its file path made relative to another folder.
QJsonValue RebasePicture(const QJsonValue& value, const QString& from, const QString& to);

// Writes JSON with keys in the order given, indented by two spaces.
// Objects inside values (fonts, pictures) come with their keys in a fixed
// order: the known keys first, the rest sorted.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(const QString& key);
    void Value(const QJsonValue& value);
    void String(const QString& text);
    void Number(std::int64_t number);
    void Bool(bool value);
    QByteArray Finish();

private:
    void Separate();
    void Indent();
    void Open(char bracket);
    void Close(char bracket);
    void WriteString(const QString& text);

    QByteArray m_Out;
    int m_Depth = 0;
    bool m_First = true;     // nothing yet in the open object or array
    bool m_AfterKey = false;
};

}  // namespace vemmix::host::detail
