// The parts of a form that refer to one another: names (one name space for
// controls, menus and menu items, shared by the elements of a control
// array), parents, and the default and cancel controls.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <QHash>

#include <vemmix/host/Form.h>
#include <vemmix/host/Limits.h>

namespace vemmix::host {

QString FormControl::Reference() const {
    return index ? QStringLiteral("%1(%2)").arg(name).arg(*index) : name;
}

const FormControl* FormDocument::Find(QStringView reference) const {
    for (const FormControl& control : controls)
        if (control.Reference().compare(reference, Qt::CaseInsensitive) == 0) return &control;
    return nullptr;
}

QString FormError::Text() const {
    return QStringLiteral("%1: %2: %3").arg(file, location, message);
}

namespace {

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// The holders of the form's names: a name is one single thing, or one
// control array whose elements differ by index.
class NameSpace {
public:
    // The error of adding `name` (with `index`) held at `location`.
    std::optional<FormError> Add(const QString& name, std::optional<int> index, const QString& location) {
        Holder& holder = m_Holders[name.toLower()];
        if (holder.location.isEmpty()) {
            holder = Holder{location, index.has_value(), {}};
            if (index) holder.indices.insert(*index, location);
            return std::nullopt;
        }
        if (!index || !holder.array)
            return FormError{{}, location + QStringLiteral(".name"),
                             QStringLiteral("%1 is already the name of %2").arg(Quoted(name), holder.location)};
        if (holder.indices.contains(*index))
            return FormError{{}, location + QStringLiteral(".index"),
                             QStringLiteral("%1 is already %2")
                                 .arg(Quoted(QStringLiteral("%1(%2)").arg(name).arg(*index)),
                                      holder.indices.value(*index))};
        holder.indices.insert(*index, location);
        return std::nullopt;
    }

private:
    struct Holder {
        QString location;  // of the first holder
        bool array = false;
        QHash<int, QString> indices;
    };
    QHash<QString, Holder> m_Holders;
};

bool IsFrame(const FormControl& control) {
    return control.className.compare(QLatin1String(kFrameClass), Qt::CaseInsensitive) == 0;
}

}  // namespace

std::optional<FormError> CheckForm(const FormDocument& doc) {
    const auto fail = [](QString location, QString message) {
        return std::optional<FormError>(FormError{{}, std::move(location), std::move(message)});
    };
    if (doc.controls.size() > static_cast<std::size_t>(limits::kMaxControls))
        return fail(QStringLiteral("controls"),
                    QStringLiteral("%1 entries are more than the %2 allowed").arg(doc.controls.size()).arg(limits::kMaxControls));

    // the ranges a file's reader checks, for a document made in code
    if (doc.form.width < 1 || doc.form.width > limits::kMaxFormSize || doc.form.height < 1 ||
        doc.form.height > limits::kMaxFormSize)
        return fail(QStringLiteral("form"), QStringLiteral("a form is 1 to %1 pixels wide and high").arg(limits::kMaxFormSize));
    std::int64_t windowPixels = 0;
    for (std::size_t i = 0; i < doc.controls.size(); ++i) {
        const FormControl& c = doc.controls[i];
        windowPixels += std::int64_t{std::max(0, c.width)} * std::max(0, c.height);
        if (windowPixels > limits::kMaxWindowPixels)
            return fail(QStringLiteral("controls[%1]").arg(i),
                        QStringLiteral("the windows of the controls up to this one have more than %1 pixels in all")
                            .arg(limits::kMaxWindowPixels));
        if (c.width < 0 || c.width > limits::kMaxControlSize || c.height < 0 || c.height > limits::kMaxControlSize ||
            std::abs(c.left) > limits::kMaxPosition || std::abs(c.top) > limits::kMaxPosition)
            return fail(QStringLiteral("controls[%1]").arg(i),
                        QStringLiteral("a control is 0 to %1 pixels wide and high, at most %2 pixels from its frame")
                            .arg(limits::kMaxControlSize).arg(limits::kMaxPosition));
    }

    NameSpace names;
    const auto controlAt = [](std::size_t i) { return QStringLiteral("controls[%1]").arg(i); };
    for (std::size_t i = 0; i < doc.controls.size(); ++i)
        if (auto error = names.Add(doc.controls[i].name, doc.controls[i].index, controlAt(i))) return error;
    for (std::size_t m = 0; m < doc.menus.size(); ++m) {
        const QString menu = QStringLiteral("menus[%1]").arg(m);
        if (auto error = names.Add(doc.menus[m].name, std::nullopt, menu)) return error;
        for (std::size_t k = 0; k < doc.menus[m].items.size(); ++k) {
            const MenuItem& item = doc.menus[m].items[k];
            if (auto error = names.Add(item.name, item.index, menu + QStringLiteral(".items[%1]").arg(k)))
                return error;
        }
    }

    // parents: frames, and no frame inside itself
    std::vector<int> parentOf(doc.controls.size(), -1);
    for (std::size_t i = 0; i < doc.controls.size(); ++i) {
        const FormControl& control = doc.controls[i];
        if (control.parent.isEmpty()) continue;
        const FormControl* parent = doc.Find(control.parent);
        const QString location = controlAt(i) + QStringLiteral(".parent");
        if (!parent) return fail(location, QStringLiteral("no control is named %1").arg(Quoted(control.parent)));
        if (!IsFrame(*parent))
            return fail(location, QStringLiteral("%1 is not a frame").arg(Quoted(control.parent)));
        parentOf[i] = static_cast<int>(parent - doc.controls.data());
    }
    for (std::size_t i = 0; i < doc.controls.size(); ++i) {
        std::vector<int> chain;  // i and its frames, innermost first
        for (int p = static_cast<int>(i); p >= 0; p = parentOf[static_cast<std::size_t>(p)]) {
            const auto repeated = std::find(chain.begin(), chain.end(), p);
            if (repeated != chain.end()) {
                QStringList names;
                for (auto it = repeated; it != chain.end(); ++it)
                    names << doc.controls[static_cast<std::size_t>(*it)].Reference();
                names << names.front();
                return fail(controlAt(static_cast<std::size_t>(p)) + QStringLiteral(".parent"),
                            QStringLiteral("%1 is inside itself (%2)")
                                .arg(Quoted(names.front()), names.join(QStringLiteral(" -> "))));
            }
            chain.push_back(p);
            if (chain.size() > static_cast<std::size_t>(limits::kMaxFrameDepth) + 1)
                return fail(controlAt(i) + QStringLiteral(".parent"),
                            QStringLiteral("frames are nested more than %1 deep").arg(limits::kMaxFrameDepth));
        }
    }

    if (!doc.form.defaultControl.isEmpty() && !doc.Find(doc.form.defaultControl))
        return fail(QStringLiteral("form.defaultControl"),
                    QStringLiteral("no control is named %1").arg(Quoted(doc.form.defaultControl)));
    if (!doc.form.cancelControl.isEmpty() && !doc.Find(doc.form.cancelControl))
        return fail(QStringLiteral("form.cancelControl"),
                    QStringLiteral("no control is named %1").arg(Quoted(doc.form.cancelControl)));
    return std::nullopt;
}

}  // namespace vemmix::host
