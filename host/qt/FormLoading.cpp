// Saved forms in a FormWindow: the controls made through the registry and
// given their sets as the headless host gives them (host/FormControls.h),
// and what the windows do not hold kept beside them for the save.
#include <vemmix/qt/FormLoading.h>

#include <algorithm>
#include <numeric>

#include <vemmix/Errors.h>
#include <vemmix/host/FormControls.h>
#include <vemmix/qt/ControlWindow.h>

namespace vemmix::qt {

namespace {

// What a loaded form keeps beside its windows.
class LoadedForm final : public QObject {
    Q_OBJECT

public:
    explicit LoadedForm(QObject* parent) : QObject(parent) {}
    QString baseDirectory;
    std::shared_ptr<host::PictureSources> pictures;
};

// What a loaded control keeps beside its window, and goes with it.
class LoadedControl final : public QObject {
    Q_OBJECT

public:
    LoadedControl(QObject* parent, int tabIndex) : QObject(parent), tabIndex(tabIndex) {}
    int tabIndex;
    std::optional<host::PropertySet> placeholderSet;  // the set as read, for a placeholder
};

template <typename T>
T* Kept(const QObject& owner) {
    return owner.findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
}

bool IsClass(const QString& className, const char* native) {
    return className.compare(QLatin1String(native), Qt::CaseInsensitive) == 0;
}

// Shown with its parent unless hidden on purpose.
bool Visible(const QWidget& widget) {
    return !(widget.testAttribute(Qt::WA_WState_ExplicitShowHide) && widget.testAttribute(Qt::WA_WState_Hidden));
}

}  // namespace

bool LoadForm(FormWindow& window, const host::FormDocument& document, const host::ControlRegistry& registry,
              QStringList* problems, QString* error) {
    const auto fail = [error](const QString& text) {
        if (error) *error = text;
        return false;
    };
    if (!window.controls().empty() || !window.menus().empty() || Kept<LoadedForm>(window))
        return fail(QStringLiteral("the window already holds a form; a form loads into an empty window"));
    if (std::optional<host::FormError> unsound = host::CheckForm(document)) {
        if (unsound->file.isEmpty()) unsound->file = document.form.name;
        return fail(unsound->Text());
    }

    const host::FormSettings& settings = document.form;
    auto* loaded = new LoadedForm(&window);
    loaded->baseDirectory = document.baseDirectory;
    loaded->pictures = document.pictures ? document.pictures : std::make_shared<host::PictureSources>();

    window.setObjectName(settings.name);
    window.setWindowTitle(settings.title);
    window.resize(settings.width, settings.height);
    window.setBackColor(settings.backColor);
    window.setAmbientFont(settings.font);
    window.setUserMode(!settings.designMode);
    window.setVisualStyle(settings.visualStyle);

    // While loading, a class that cannot be made gets its placeholder.
    std::int32_t failure = errors::kNone;
    window.setControlFactory([&](std::u16string_view classId, ControlSite& site, std::int32_t*) {
        const QString className = QString::fromUtf16(classId.data(), static_cast<qsizetype>(classId.size()));
        std::unique_ptr<Control> control = host::CreateFormControl(className, registry, site, &failure);
        return control ? std::move(control) : host::MakePlaceholder(site, className, failure);
    });

    const std::size_t count = document.controls.size();
    const auto indexOf = [&](const QString& reference) -> std::optional<std::size_t> {
        const host::FormControl* found = reference.isEmpty() ? nullptr : document.Find(reference);
        if (!found) return std::nullopt;
        return static_cast<std::size_t>(found - document.controls.data());
    };
    std::vector<ControlWindow*> windows(count, nullptr);
    for (std::size_t i = 0; i < count; ++i) {
        const host::FormControl& record = document.controls[i];
        const QString location = QStringLiteral("controls[%1]").arg(i);
        // a frame made already holds it at once; one made later takes it below
        const std::optional<std::size_t> frame = indexOf(record.parent);
        QWidget* parent = frame && *frame < i ? windows[*frame] : nullptr;
        failure = errors::kNone;
        ControlWindow* w = window.AddControl(record.className.toStdU16String(), record.name,
                                             QRect(record.left, record.top, record.width, record.height), parent);
        windows[i] = w;
        w->setIndex(record.index);
        auto* kept = new LoadedControl(w, record.tabIndex);
        if (IsClass(record.className, host::kFrameClass) || IsClass(record.className, host::kLabelClass)) {
            w->setTabStop(false);
            w->setFocusPolicy(Qt::NoFocus);
        }
        if (IsClass(record.className, host::kLabelClass)) w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setToolTipText(record.toolTipText);
        if (failure != errors::kNone) {
            kept->placeholderSet = record.properties;
            if (problems)
                *problems << QStringLiteral("%1.class: %2").arg(location, host::PlaceholderProblem(record.className, failure));
        } else {
            host::ReadControlProperties(*w->control(), record.properties, loaded->pictures, location, problems);
        }
    }
    window.setControlFactory([&registry](std::u16string_view classId, ControlSite& site, std::int32_t* error) {
        return host::CreateFormControl(QString::fromUtf16(classId.data(), static_cast<qsizetype>(classId.size())),
                                       registry, site, error);
    });

    for (std::size_t i = 0; i < count; ++i) {
        const host::FormControl& record = document.controls[i];
        if (const std::optional<std::size_t> frame = indexOf(record.parent); frame && *frame > i) {
            windows[i]->setParent(windows[*frame]);
            windows[i]->move(record.left, record.top);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!document.controls[i].visible)
            windows[i]->hide();
        else if (windows[i]->parentWidget()->isVisible())
            windows[i]->show();
    }

    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, {}, [&](std::size_t i) { return document.controls[i].tabIndex; });
    std::vector<ControlWindow*> tabOrder;
    for (std::size_t i : order) tabOrder.push_back(windows[i]);
    window.setTabOrder(tabOrder);
    if (const auto i = indexOf(settings.defaultControl)) window.setDefaultControl(windows[*i]);
    if (const auto i = indexOf(settings.cancelControl)) window.setCancelControl(windows[*i]);

    for (const host::FormMenu& menu : document.menus) {
        std::vector<MenuEntry> entries;
        for (const host::MenuItem& item : menu.items) entries.push_back(MenuEntry{item.name, item.index, item.caption});
        window.AddMenu(menu.name, menu.caption, entries);
    }
    return true;
}

host::FormDocument SaveForm(const FormWindow& window) {
    host::FormDocument doc;
    if (const LoadedForm* loaded = Kept<LoadedForm>(window)) {
        doc.baseDirectory = loaded->baseDirectory;
        doc.pictures = loaded->pictures;
    }
    host::FormSettings& settings = doc.form;
    if (!window.objectName().isEmpty()) settings.name = window.objectName();
    settings.title = window.windowTitle();
    settings.width = window.width();
    settings.height = window.height();
    settings.backColor = window.backColor();
    settings.font = window.ambientFont()->Description();
    settings.designMode = !window.userMode();
    settings.visualStyle = window.visualStyle();

    // tab indexes: those read, in the order the tab order has now; else positions
    const std::vector<ControlWindow*> tabOrder = window.tabOrder();
    std::vector<int> tabIndexes;
    for (ControlWindow* w : tabOrder)
        if (const LoadedControl* kept = Kept<LoadedControl>(*w)) tabIndexes.push_back(kept->tabIndex);
    if (tabIndexes.size() == tabOrder.size())
        std::ranges::sort(tabIndexes);
    else
        tabIndexes.clear();
    const auto tabIndexOf = [&](const ControlWindow* w) {
        const auto at = static_cast<std::size_t>(std::ranges::find(tabOrder, w) - tabOrder.begin());
        return tabIndexes.empty() ? static_cast<int>(at) : tabIndexes[at];
    };

    const std::vector<ControlWindow*>& controls = window.controls();
    const auto referenceOf = [&](const QWidget* w) -> QString {
        const auto at = std::ranges::find(controls, w);
        return at == controls.end() ? QString() : doc.controls[static_cast<std::size_t>(at - controls.begin())].Reference();
    };
    for (ControlWindow* w : controls) {
        host::FormControl record;
        record.className = w->classId();
        record.name = w->name();
        record.index = w->index();
        record.left = w->x();
        record.top = w->y();
        record.width = w->width();
        record.height = w->height();
        record.tabIndex = tabIndexOf(w);
        record.visible = Visible(*w);
        record.toolTipText = w->toolTipText();
        const LoadedControl* kept = Kept<LoadedControl>(*w);
        if (kept && kept->placeholderSet) {
            record.properties = *kept->placeholderSet;
        } else {
            const Platform& platform = w->GetPlatform();
            record.properties = host::WriteControlProperties(*w->control(), doc.pictures, w->width(), w->height(),
                                                             platform.ScreenDpiX(), platform.ScreenDpiY());
        }
        doc.controls.push_back(std::move(record));
    }
    // frames after all records are named
    for (std::size_t i = 0; i < controls.size(); ++i) doc.controls[i].parent = referenceOf(controls[i]->parentWidget());
    settings.defaultControl = referenceOf(window.defaultControl());
    settings.cancelControl = referenceOf(window.cancelControl());

    for (const FormWindow::PopupMenu& menu : window.menus()) {
        host::FormMenu saved{menu.name, menu.caption, {}};
        for (const MenuEntry& item : menu.items) saved.items.push_back(host::MenuItem{item.name, item.index, item.caption});
        doc.menus.push_back(std::move(saved));
    }
    return doc;
}

}  // namespace vemmix::qt

#include "FormLoading.moc"
