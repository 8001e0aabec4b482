// Creation of controls by the program identifier a saved form names,
// through the entry point of control libraries loaded at run time by file
// name (dlopen), so a container hosts libraries it was not linked against.
//
// The registry keeps its libraries loaded until it goes: every control it
// created must be destroyed first.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include <QString>
#include <QStringList>

#include <vemmix/Control.h>
#include <vemmix/ControlLibrary.h>
#include <vemmix/host/Export.h>

namespace vemmix::host {

class VEMMIX_HOST_EXPORT ControlRegistry {
public:
    ControlRegistry();
    ~ControlRegistry();
    ControlRegistry(const ControlRegistry&) = delete;
    ControlRegistry& operator=(const ControlRegistry&) = delete;

    // The file name of this package's own control library
    // ("libvemmix.so.5").
    static QString DefaultLibrary();

    // Loads a control library by file name or path, looks up its entry
    // point and checks the ABI version it speaks. False, with `error`
    // saying why, when any of that fails; a library loaded already is not
    // loaded again.
    bool Load(const QString& fileName, QString* error);

    // A new control of the class a program identifier (without regard to
    // case) or class identifier ("{…}") names, from the first library that
    // has it; it has not had Initialize. No object, with `error` 429
    // (cannot create object), for a class no library has.
    std::unique_ptr<Control> Create(std::u16string_view classId, ControlSite& site,
                                    std::int32_t* error = nullptr) const;
    const ControlClass* Find(std::u16string_view classId) const;

    // The program identifiers of every class, library by library.
    QStringList ProgIds() const;

private:
    struct Library;
    std::vector<std::unique_ptr<Library>> m_Libraries;
};

}  // namespace vemmix::host
