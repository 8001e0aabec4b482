#include <vemmix/host/ControlRegistry.h>

#include <dlfcn.h>

#include <QFile>

#include <vemmix/Errors.h>
#include <vemmix/Guid.h>
#include <vemmix/TypeInfo.h>
#include <vemmix/Version.h>

namespace vemmix::host {

namespace {

// A library with more classes than this is taken as damaged.
constexpr std::size_t kMaxClasses = 1024;

QString FromView(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

struct ControlRegistry::Library {
    QString fileName;
    void* handle = nullptr;
    const ControlLibraryInfo* info = nullptr;

    ~Library() {
        if (handle) dlclose(handle);
    }
};

ControlRegistry::ControlRegistry() = default;
ControlRegistry::~ControlRegistry() = default;

QString ControlRegistry::DefaultLibrary() {
    return QStringLiteral("libvemmix.so.%1").arg(VEMMIX_VERSION_MAJOR);
}

bool ControlRegistry::Load(const QString& fileName, QString* error) {
    const auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("%1: %2").arg(fileName, why);
        return false;
    };
    auto library = std::make_unique<Library>();
    library->fileName = fileName;
    // A name without a slash is searched for as the dynamic loader does.
    library->handle = dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library->handle) {
        const char* why = dlerror();
        return fail(QStringLiteral("cannot be loaded (%1)").arg(QString::fromLocal8Bit(why ? why : "unknown")));
    }
    for (const auto& loaded : m_Libraries)
        if (loaded->handle == library->handle) return true;  // dlclose balances this dlopen

    dlerror();
    auto entry = reinterpret_cast<ControlLibraryEntry>(dlsym(library->handle, kControlLibraryEntryName));
    if (!entry)
        return fail(QStringLiteral("is not a control library (it has no %1)").arg(QLatin1String(kControlLibraryEntryName)));
    library->info = entry();
    if (!library->info) return fail(QStringLiteral("gave no description of its controls"));
    if (library->info->abiVersion != kControlLibraryAbiVersion)
        return fail(QStringLiteral("speaks version %1 of the control library interface; this container speaks version %2")
                        .arg(library->info->abiVersion)
                        .arg(kControlLibraryAbiVersion));
    if (library->info->classes.size() > kMaxClasses)
        return fail(QStringLiteral("describes %1 classes, more than a control library may").arg(library->info->classes.size()));
    for (const ControlClass& c : library->info->classes)
        if (!c.create || c.progId.empty())
            return fail(QStringLiteral("describes a class without a name or a way to create it"));
    m_Libraries.push_back(std::move(library));
    return true;
}

const ControlClass* ControlRegistry::Find(std::u16string_view classId) const {
    const std::optional<Guid> guid = classId.starts_with(u'{') ? ParseGuid(classId) : std::nullopt;
    for (const auto& library : m_Libraries) {
        for (const ControlClass& c : library->info->classes) {
            if (guid ? c.classId == *guid : typelib::NamesEqual(c.progId, classId)) return &c;
        }
    }
    return nullptr;
}

std::unique_ptr<Control> ControlRegistry::Create(std::u16string_view classId, ControlSite& site,
                                                 std::int32_t* error) const {
    const ControlClass* c = Find(classId);
    std::unique_ptr<Control> control = c ? c->create(site) : nullptr;
    if (error) *error = control ? errors::kNone : errors::kCannotCreateObject;
    return control;
}

QStringList ControlRegistry::ProgIds() const {
    QStringList ids;
    for (const auto& library : m_Libraries)
        for (const ControlClass& c : library->info->classes) ids << FromView(c.progId);
    return ids;
}

}  // namespace vemmix::host
