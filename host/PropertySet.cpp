#include <vemmix/host/PropertySet.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include <vemmix/Errors.h>
#include <vemmix/host/Limits.h>
#include "JsonValues.h"

namespace vemmix::host {

// ---- pictures and their JSON ---------------------------------------------------

void PictureSources::Remember(const PictureRef& picture, QJsonValue source) {
    if (!picture) return;
    // forget the objects that are gone, so the map stays as small as the form
    std::erase_if(m_Sources, [](const auto& entry) { return entry.second.picture.expired(); });
    m_Sources[picture.get()] = Source{picture, std::move(source)};
}

std::optional<QJsonValue> PictureSources::Find(const PictureRef& picture) const {
    if (!picture) return std::nullopt;
    const auto it = m_Sources.find(picture.get());
    // the same address may belong to a new object once the old one is gone
    if (it == m_Sources.end() || it->second.picture.lock() != picture) return std::nullopt;
    return it->second.json;
}

// ---- the set --------------------------------------------------------------------------

const PropertySet::Entry* PropertySet::Find(QStringView key) const {
    for (const Entry& entry : m_Entries)
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) return &entry;
    return nullptr;
}

void PropertySet::Set(Entry entry) {
    for (Entry& existing : m_Entries) {
        if (existing.key.compare(entry.key, Qt::CaseInsensitive) == 0) {
            existing = std::move(entry);
            return;
        }
    }
    m_Entries.push_back(std::move(entry));
}

void PropertySet::Remove(QStringView key) {
    std::erase_if(m_Entries, [&](const Entry& e) { return e.key.compare(key, Qt::CaseInsensitive) == 0; });
}

bool operator==(const PropertySet& a, const PropertySet& b) {
    return std::equal(a.m_Entries.begin(), a.m_Entries.end(), b.m_Entries.begin(), b.m_Entries.end(),
                      [](const PropertySet::Entry& x, const PropertySet::Entry& y) {
                          return x.key == y.key && x.value == y.value;
                      });
}

// ---- the bag ------------------------------------------------------------------------------

JsonPropertyBag::JsonPropertyBag(PropertySet& set, const typelib::TypeInfo* types,
                                 std::shared_ptr<PictureSources> pictures)
    : m_Set(set), m_Types(types), m_Pictures(std::move(pictures)) {
    if (!m_Pictures) m_Pictures = std::make_shared<PictureSources>();
}

bool JsonPropertyBag::IsColour(QStringView key) const {
    if (!m_Types) return false;
    const typelib::Member* member = m_Types->FindMember(key.toString().toStdU16String());
    return member && member->type == typelib::ValueType::Colour;
}

void JsonPropertyBag::Note(QString key, std::int32_t error, QString reason) {
    for (const PropertyProblem& p : m_Problems)
        if (p.key.compare(key, Qt::CaseInsensitive) == 0) return;  // the first word on a key stands
    m_Problems.push_back(PropertyProblem{std::move(key), error, std::move(reason)});
}

void JsonPropertyBag::LogError(std::u16string_view key, std::int32_t error, std::u16string_view reason) {
    Note(QString::fromStdU16String(std::u16string(key)), error,
         QString::fromStdU16String(std::u16string(reason)));
}

std::optional<Variant> JsonPropertyBag::ReadProperty(std::u16string_view key16,
                                                     const Variant& defaultValue) {
    const QString key = QString::fromStdU16String(std::u16string(key16));
    const PropertySet::Entry* entry = m_Set.Find(key);
    if (!entry) return defaultValue;
    const QJsonValue& json = entry->value;
    const auto refuse = [&](const QString& reason) -> std::optional<Variant> {
        Note(entry->key, errors::kInvalidPropertyValue, reason);
        return std::nullopt;
    };
    switch (json.type()) {
    case QJsonValue::Null: return Variant();
    case QJsonValue::Bool: return Variant::Boolean(json.toBool());
    case QJsonValue::Double: {
        // whole numbers as the control's integers, the rest as they are
        const double v = json.toDouble();
        if (v == std::floor(v) && v >= std::numeric_limits<std::int32_t>::min() &&
            v <= std::numeric_limits<std::int32_t>::max())
            return Variant(static_cast<std::int32_t>(v));
        return Variant(v);
    }
    case QJsonValue::String: {
        const QString text = json.toString();
        if (IsColour(key))
            if (const auto colour = detail::ParseColourText(text)) return Variant(*colour);
        if (text.size() > limits::kMaxTextLength)
            return refuse(QStringLiteral("a text of %1 characters is longer than %2")
                              .arg(text.size())
                              .arg(limits::kMaxTextLength));
        return Variant(text.toStdU16String());
    }
    case QJsonValue::Object: {
        detail::ValueProblem problem;
        if (detail::IsPictureJson(json)) {
            if (entry->picture) return Variant(entry->picture);
            // a set made in code: its picture is decoded now
            PictureRef picture = detail::ReadPicture(json, {}, nullptr, &problem);
            if (!picture) return refuse(problem.message);
            m_Pictures->Remember(picture, json);
            return Variant(picture);
        }
        if (const auto font = detail::ReadFont(json, &problem)) return Variant(MakeFont(*font));
        return refuse(problem.message);
    }
    case QJsonValue::Array:
    case QJsonValue::Undefined: break;
    }
    return refuse(detail::Expected("a number, a Boolean, a text, a font or a picture", json));
}

std::int32_t JsonPropertyBag::WriteProperty(std::u16string_view key16, const Variant& value,
                                            const Variant& defaultValue) {
    const QString key = QString::fromStdU16String(std::u16string(key16));
    if (PropertyBag::MatchesDefault(value, defaultValue)) {
        m_Set.Remove(key);
        return errors::kNone;
    }
    const auto refuse = [&](const QString& reason) {
        Note(key, errors::kTypeMismatch, reason);
        return errors::kTypeMismatch;
    };
    PropertySet::Entry entry{key, QJsonValue(), nullptr};
    using T = Variant::Type;
    switch (value.type()) {
    case T::Empty: break;  // null
    case T::Int16:
    case T::Int32: {
        const std::int32_t number = value.type() == T::Int16 ? *value.get_if<std::int16_t>()
                                                              : *value.get_if<std::int32_t>();
        entry.value = IsColour(key) ? QJsonValue(detail::ColourText(number)) : QJsonValue(number);
        break;
    }
    case T::Single:
    case T::Double: {
        const double v = value.type() == T::Single ? *value.get_if<float>() : *value.get_if<double>();
        if (!std::isfinite(v)) return refuse(QStringLiteral("a number that is not finite cannot be saved"));
        entry.value = v;
        break;
    }
    case T::Bool: entry.value = value.get_if<BoolValue>()->value != kFalse; break;
    case T::String: entry.value = QString::fromStdU16String(*value.get_if<std::u16string>()); break;
    case T::Font:
        if (const FontRef& font = *value.get_if<FontRef>()) entry.value = detail::FontJson(font->Description());
        break;
    case T::Picture:
        if (const PictureRef& picture = *value.get_if<PictureRef>()) {
            if (auto source = m_Pictures->Find(picture)) {
                entry.value = *source;
            } else {
                const QJsonObject json = detail::PictureJson(*picture);
                if (json.isEmpty()) return refuse(QStringLiteral("the picture has no image to save"));
                entry.value = json;
                m_Pictures->Remember(picture, entry.value);
            }
            entry.picture = picture;
        }
        break;
    case T::DataObject:
    case T::Error: return refuse(QStringLiteral("a value of this kind cannot be saved"));
    }
    m_Set.Set(std::move(entry));
    return errors::kNone;
}

}  // namespace vemmix::host
