// The type information of a control class: its automation interface
// (members with dispatch identifiers, accessors, value types and help
// strings), its event interface, its enumerations and records, and its
// identity. A container or a scripting host reads it from the control
// (Control::GetTypeInfo) or from the control library's entry point, so that
// it can browse, bind and describe any control without knowing its class.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include <vemmix/Export.h>
#include <vemmix/Guid.h>

namespace vemmix::typelib {

// ---- types --------------------------------------------------------------------
// Value types on the automation boundary. Colour is a 32-bit OLE colour,
// Enum a 32-bit value of the enumeration the member names.
enum class ValueType : std::uint8_t {
    Void, Colour, Int16, Int32, Single, Bool, String, Font, Picture, DataObject, Enum
};

// The accessor functions of a member: a property getter alone, getter and
// setter (let), getter and by-reference setter (set, for font and picture
// objects: the object itself is stored, not a copy), or a method.
enum class Access : std::uint8_t { Get, GetPut, GetPutRef, Method };


// ---- members ------------------------------------------------------------------
struct Member {
    std::u16string_view name;
    std::int32_t dispid;
    Access access;
    ValueType type;
    std::u16string_view enumName;  // for ValueType::Enum
    bool readOnly;                 // documented read-only (a setter, if any, fails)
    bool windowHeld;               // held by the control's window, not by the button
    std::u16string_view helpString;  // empty: none

    constexpr bool IsMethod() const { return access == Access::Method; }
};

// ---- events -------------------------------------------------------------------
// Every event argument is passed by reference: the host's handler may change
// it and the button reads back what the handler left.
struct EventArg {
    std::u16string_view name;
    ValueType type;
};

struct Event {
    std::u16string_view name;
    std::int32_t dispid;
    std::span<const EventArg> args;
    std::u16string_view helpString;  // empty: none
};

// ---- enumerations and records -----------------------------------------------------
// Each member's value is its position, from 0; the names, spaces included,
// are the type library's.
struct Enumeration {
    std::u16string_view name;
    std::span<const std::u16string_view> members;
};

// Declared by the library; no member of the interface uses it.
struct RecordField {
    std::u16string_view name;
    ValueType type;
};
struct Record {
    std::u16string_view name;
    std::span<const RecordField> fields;
};

// ---- a control class ----------------------------------------------------------------
struct VEMMIX_EXPORT TypeInfo {
    std::u16string_view libraryName{};
    Guid libraryId{};
    std::u16string_view className{};
    Guid classId{};
    std::u16string_view progId{};
    std::u16string_view interfaceName{};       // the default (dual) interface
    Guid interfaceId{};
    std::u16string_view eventInterfaceName{};  // the default source interface
    Guid eventInterfaceId{};
    std::span<const Member> members{};         // in interface order
    std::span<const Event> events{};           // in dispatch-identifier order
    std::span<const Enumeration> enumerations{};
    std::span<const Record> records{};
    std::span<const std::u16string_view> propertyPages{};

    // The member of a name (without regard to case) or of a dispatch
    // identifier; null when there is none. Likewise events and enumerations.
    const Member* FindMember(std::u16string_view name) const;
    const Member* FindMember(std::int32_t dispid) const;
    const Event* FindEvent(std::u16string_view name) const;
    const Event* FindEvent(std::int32_t dispid) const;
    const Enumeration* FindEnumeration(std::u16string_view name) const;
};

// Names the type library uses for the value types ("OLE_COLOR", "Integer" …).
VEMMIX_EXPORT std::u16string_view TypeName(ValueType type);

// ---- names ----------------------------------------------------------------------------
// Equality of member and class names as the library compares them: ASCII
// letters without regard to case, every other character exactly.
VEMMIX_EXPORT bool NamesEqual(std::u16string_view a, std::u16string_view b);

}  // namespace vemmix::typelib
