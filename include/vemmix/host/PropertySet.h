// A control's saved property set as a form file holds it, and the property
// bag a control reads and writes it through.
//
// A PropertySet keeps its keys in order (the order the control wrote them)
// and matches them without regard to case. Each value is kept as the JSON
// the file holds, so a set the container cannot interpret (a placeholder's)
// is written back as it came; pictures are decoded once, when the form is
// read, and remember the JSON they came from (PictureSources), so saving a
// loaded picture writes the same bytes again.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <vemmix/ContainerServices.h>
#include <vemmix/StdObjects.h>
#include <vemmix/TypeInfo.h>
#include <vemmix/Variant.h>
#include <vemmix/host/Export.h>

namespace vemmix::host {

// The JSON each decoded picture came from, by object: what a save writes
// for a picture a form loaded. Shared by every set read from one form.
class VEMMIX_HOST_EXPORT PictureSources {
public:
    void Remember(const PictureRef& picture, QJsonValue source);
    // The JSON `picture` was read from; nullopt for a picture made since.
    std::optional<QJsonValue> Find(const PictureRef& picture) const;

private:
    struct Source {
        std::weak_ptr<StdPicture> picture;
        QJsonValue json;
    };
    std::map<const StdPicture*, Source> m_Sources;
};

class VEMMIX_HOST_EXPORT PropertySet {
public:
    struct Entry {
        QString key;
        QJsonValue value;    // as the file holds it
        PictureRef picture;  // the decoded picture of a picture value
    };

    const std::vector<Entry>& entries() const { return m_Entries; }
    bool empty() const { return m_Entries.empty(); }
    const Entry* Find(QStringView key) const;
    // Replaces the value of a key in any case at its place, or appends it.
    void Set(Entry entry);
    void Remove(QStringView key);

    VEMMIX_HOST_EXPORT friend bool operator==(const PropertySet& a, const PropertySet& b);

private:
    std::vector<Entry> m_Entries;
};

// A problem with one key of a set: the control refused its value (it keeps
// what it had), or the bag could not give or store it.
struct PropertyProblem {
    QString key;
    std::int32_t error = 0;
    QString reason;
};

// The PropertyBag over a PropertySet. Numbers come out as 32-bit integers
// when they are whole and fit, else as doubles, and the control converts
// them to its member's width with its own range check; strings as UTF-16
// (a NUL inside stays data); true/false as Booleans; null as Empty; a font
// object as a new font object; a picture as its decoded object.
//
// With the control's type information, members of colour type are written
// as "&H80000012&" (the hexadecimal long literal of the automation
// language) and such texts are read back as the number; without it every
// number is written as a number.
class VEMMIX_HOST_EXPORT JsonPropertyBag final : public PropertyBag {
public:
    JsonPropertyBag(PropertySet& set, const typelib::TypeInfo* types,
                    std::shared_ptr<PictureSources> pictures);

    std::optional<Variant> ReadProperty(std::u16string_view key,
                                        const Variant& defaultValue) override;
    std::int32_t WriteProperty(std::u16string_view key, const Variant& value,
                               const Variant& defaultValue) override;
    void LogError(std::u16string_view key, std::int32_t error, std::u16string_view reason) override;

    // Everything refused or not stored, in order, one entry per key.
    const std::vector<PropertyProblem>& problems() const { return m_Problems; }

private:
    void Note(QString key, std::int32_t error, QString reason);
    bool IsColour(QStringView key) const;

    PropertySet& m_Set;
    const typelib::TypeInfo* m_Types;
    std::shared_ptr<PictureSources> m_Pictures;
    std::vector<PropertyProblem> m_Problems;
};

}  // namespace vemmix::host
