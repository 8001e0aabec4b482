// The data object of drag and drop over QMimeData. Formats by number, as
// the control's events name them:
//
//   1  Text    text/plain, UTF-16 text
//   15 Files   text/uri-list, a list of paths: local files by their path,
//              any other URL as written
//   n  other   raw bytes under a MIME type: a type the data came with
//              (image/png, application/x-foo …) is numbered from 0xC000 on
//              in the order the process first meets it, as a desktop
//              registers clipboard formats; any other number n travels as
//              "application/x-vemmix-format-n".
//
// A format given empty data (empty text, no files, no bytes) is announced
// without data: a drag started by the control asks the control for it
// (OLESetData) only when a drop target wants it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QMimeData>
#include <QString>

#include <vemmix/StdObjects.h>
#include <vemmix/qt/Export.h>

namespace vemmix::qt {

class VEMMIX_QT_EXPORT MimeDataObject final : public DataObject {
public:
    MimeDataObject();
    // A copy of `source`'s data: the object stays valid after the drag
    // that carried it is over.
    explicit MimeDataObject(const QMimeData& source);
    ~MimeDataObject() override;

    bool HasFormat(std::int32_t format) const override;
    std::vector<std::int32_t> Formats() const override;
    std::optional<DataValue> GetData(std::int32_t format) const override;
    bool SetData(std::int32_t format, DataValue value) override;
    void Clear() override;

    const QMimeData& mimeData() const { return m_Data; }

private:
    QMimeData m_Data;  // formats in the order they were set
};

// The MIME type a format number travels as; the number a MIME type reads
// as (registering it when new). Text and Files have theirs.
VEMMIX_QT_EXPORT QString MimeTypeForFormat(std::int32_t format);
VEMMIX_QT_EXPORT std::int32_t FormatForMimeType(const QString& mimeType);

// Drop effects (0 none, 1 copy, 2 move, 4 link) and Qt's drop actions.
VEMMIX_QT_EXPORT Qt::DropActions DropActionsFromEffect(std::int32_t effect);
VEMMIX_QT_EXPORT std::int32_t EffectFromDropActions(Qt::DropActions actions);

}  // namespace vemmix::qt
