// Drag-and-drop data by format number over QMimeData.
#include <vemmix/qt/MimeDataObject.h>

#include "DragMimeData.h"

#include <algorithm>

#include <QMutex>
#include <QStringList>
#include <QUrl>

namespace vemmix::qt {

namespace {

const QString kText = QStringLiteral("text/plain");
const QString kUriList = QStringLiteral("text/uri-list");
const QString kNumberedPrefix = QStringLiteral("application/x-vemmix-format-");
constexpr std::int32_t kFirstRegistered = 0xC000;

// The MIME types met so far, numbered from 0xC000 in order: one table for
// the process, as a desktop keeps one for its clipboard formats.
struct Registry {
    QMutex mutex;
    QStringList types;
};
Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

bool IsText(const QString& mimeType) {
    return mimeType == kText || mimeType.startsWith(kText + u';');
}

QString StringOf(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A path is a local file; anything with a scheme is a URL (a drive letter
// is no scheme).
QUrl UrlOfPath(const std::u16string& file) {
    const QString path = StringOf(file);
    const QUrl url(path, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 ? url : QUrl::fromLocalFile(path);
}

bool IsEmpty(const DataValue& value) {
    return std::visit([](const auto& v) { return v.empty(); }, value);
}

}  // namespace

QString MimeTypeForFormat(std::int32_t format) {
    if (format == DataFormat::Text) return kText;
    if (format == DataFormat::Files) return kUriList;
    // 16-bit format arguments carry registered numbers as negative values
    const std::int32_t number = format < 0 ? (format & 0xFFFF) : format;
    if (number >= kFirstRegistered) {
        Registry& registry = TheRegistry();
        QMutexLocker lock(&registry.mutex);
        const qsizetype index = number - kFirstRegistered;
        if (index < registry.types.size()) return registry.types[index];
    }
    return kNumberedPrefix + QString::number(number);
}

std::int32_t FormatForMimeType(const QString& mimeType) {
    if (IsText(mimeType)) return DataFormat::Text;
    if (mimeType == kUriList) return DataFormat::Files;
    if (mimeType.startsWith(kNumberedPrefix)) {
        bool ok = false;
        const int number = mimeType.mid(kNumberedPrefix.size()).toInt(&ok);
        if (ok && number > 0 && number < kFirstRegistered) return number;
    }
    Registry& registry = TheRegistry();
    QMutexLocker lock(&registry.mutex);
    qsizetype index = registry.types.indexOf(mimeType);
    if (index < 0) {
        // beyond 16 bits a format number no longer fits the events
        if (registry.types.size() >= 0x10000 - kFirstRegistered) return 0;
        registry.types.append(mimeType);
        index = registry.types.size() - 1;
    }
    return kFirstRegistered + static_cast<std::int32_t>(index);
}

Qt::DropActions DropActionsFromEffect(std::int32_t effect) {
    Qt::DropActions actions;
    if (effect & 1) actions |= Qt::CopyAction;
    if (effect & 2) actions |= Qt::MoveAction;
    if (effect & 4) actions |= Qt::LinkAction;
    return actions;
}

std::int32_t EffectFromDropActions(Qt::DropActions actions) {
    std::int32_t effect = 0;
    if (actions & Qt::CopyAction) effect |= 1;
    if (actions & Qt::MoveAction) effect |= 2;
    if (actions & Qt::LinkAction) effect |= 4;
    return effect;
}

// ---- the data object ------------------------------------------------------------

MimeDataObject::MimeDataObject() = default;

MimeDataObject::MimeDataObject(const QMimeData& source) {
    for (const QString& format : source.formats()) m_Data.setData(format, source.data(format));
}

MimeDataObject::~MimeDataObject() = default;

bool MimeDataObject::HasFormat(std::int32_t format) const {
    // text only as text: QMimeData would read a URL list as text too
    if (format == DataFormat::Text)
        return std::ranges::any_of(m_Data.formats(), [](const QString& type) { return IsText(type); });
    if (format == DataFormat::Files) return m_Data.hasUrls();
    return m_Data.hasFormat(MimeTypeForFormat(format));
}

std::vector<std::int32_t> MimeDataObject::Formats() const {
    std::vector<std::int32_t> formats;
    for (const QString& mimeType : m_Data.formats()) {
        const std::int32_t format = FormatForMimeType(mimeType);
        if (format != 0 && std::find(formats.begin(), formats.end(), format) == formats.end())
            formats.push_back(format);
    }
    return formats;
}

std::optional<DataValue> MimeDataObject::GetData(std::int32_t format) const {
    if (!HasFormat(format)) return std::nullopt;
    if (format == DataFormat::Text) return m_Data.text().toStdU16String();
    if (format == DataFormat::Files) {
        std::vector<std::u16string> files;
        for (const QUrl& url : m_Data.urls())
            files.push_back((url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdU16String());
        return files;
    }
    const QByteArray bytes = m_Data.data(MimeTypeForFormat(format));
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool MimeDataObject::SetData(std::int32_t format, DataValue value) {
    if (format == DataFormat::Text) {
        const auto* text = std::get_if<std::u16string>(&value);
        if (!text) return false;
        m_Data.setText(StringOf(*text));
        return true;
    }
    if (format == DataFormat::Files) {
        const auto* files = std::get_if<std::vector<std::u16string>>(&value);
        if (!files) return false;
        QList<QUrl> urls;
        for (const std::u16string& file : *files) urls.append(UrlOfPath(file));
        m_Data.setUrls(urls);
        // an empty list still announces the format
        if (urls.isEmpty()) m_Data.setData(kUriList, QByteArray());
        return true;
    }
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value);
    if (!bytes) return false;
    m_Data.setData(MimeTypeForFormat(format),
                   QByteArray(reinterpret_cast<const char*>(bytes->data()),
                              static_cast<qsizetype>(bytes->size())));
    return true;
}

void MimeDataObject::Clear() { m_Data.clear(); }

// ---- the data of a drag -------------------------------------------------------------

DragMimeData::DragMimeData(DataObjectRef data, Request request)
    : m_Data(std::move(data)), m_Request(std::move(request)) {}

QStringList DragMimeData::formats() const {
    QStringList types;
    if (m_Data)
        for (const std::int32_t format : m_Data->Formats()) types.append(MimeTypeForFormat(format));
    return types;
}

bool DragMimeData::hasFormat(const QString& mimeType) const {
    return m_Data && m_Data->HasFormat(FormatForMimeType(mimeType));
}

QVariant DragMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
    const std::int32_t format = FormatForMimeType(mimeType);
    if (!m_Data || !m_Data->HasFormat(format)) return {};
    std::optional<DataValue> value = m_Data->GetData(format);
    // announced without data: the control fills it now, once
    if (value && IsEmpty(*value) && m_Request && m_Requested.insert(format).second) {
        m_Request(m_Data, static_cast<std::int16_t>(format));
        if (!m_Data) return {};
        value = m_Data->GetData(format);
    }
    if (!value) return {};

    if (const auto* text = std::get_if<std::u16string>(&*value)) {
        const QString string = StringOf(*text);
        if (type.id() == QMetaType::QString) return string;
        return string.toUtf8();
    }
    if (const auto* files = std::get_if<std::vector<std::u16string>>(&*value)) {
        QByteArray list;
        for (const std::u16string& file : *files) list += UrlOfPath(file).toEncoded() + "\r\n";
        return list;
    }
    const auto& bytes = std::get<std::vector<std::uint8_t>>(*value);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

}  // namespace vemmix::qt
