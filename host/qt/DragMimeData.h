// What a drag started by a control carries: a QMimeData that reads the
// control's data object (any DataObject) as the drop target asks for it,
// and asks the control to fill a format it announced without data
// (OLESetData) the first time a target wants that format.
#pragma once

#include <cstdint>
#include <functional>
#include <set>

#include <QMimeData>

#include <vemmix/StdObjects.h>

namespace vemmix::qt {

class DragMimeData final : public QMimeData {
public:
    using Request = std::function<void(DataObjectRef& data, std::int16_t format)>;
    DragMimeData(DataObjectRef data, Request request);

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    mutable DataObjectRef m_Data;
    Request m_Request;
    mutable std::set<std::int32_t> m_Requested;
};

}  // namespace vemmix::qt
