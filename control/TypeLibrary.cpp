#include "control/TypeLibrary.h"

#include <algorithm>

namespace vemmix::typelib {

namespace {

constexpr char16_t FoldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Identifiers are unique in each interface; checked once at compile time
// rather than trusted.
constexpr bool DispidsUnique() {
    for (std::size_t i = 0; i < kMembers.size(); ++i)
        for (std::size_t j = i + 1; j < kMembers.size(); ++j)
            if (kMembers[i].dispid == kMembers[j].dispid) return false;
    return true;
}
static_assert(DispidsUnique(), "two members share a dispatch identifier");

constexpr bool EventsInIdentifierOrder() {
    for (std::size_t i = 0; i < kEvents.size(); ++i)
        if (kEvents[i].dispid != static_cast<std::int32_t>(i + 1)) return false;
    return true;
}
static_assert(EventsInIdentifierOrder(), "events must be numbered 1 to 18 in table order");

}  // namespace

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

std::u16string_view TypeName(ValueType type) {
    switch (type) {
        case ValueType::Void: return u"void";
        case ValueType::Colour: return u"OLE_COLOR";
        case ValueType::Int16: return u"Integer";
        case ValueType::Int32: return u"Long";
        case ValueType::Single: return u"Single";
        case ValueType::Bool: return u"Boolean";
        case ValueType::String: return u"String";
        case ValueType::Font: return u"StdFont";
        case ValueType::Picture: return u"StdPicture";
        case ValueType::DataObject: return u"DataObject";
        case ValueType::Enum: return u"Long";
    }
    return u"";
}

const Member* FindMember(std::u16string_view name) { return kTypeInfo.FindMember(name); }
const Member* FindMember(std::int32_t dispid) { return kTypeInfo.FindMember(dispid); }
const Event* FindEvent(std::int32_t dispid) { return kTypeInfo.FindEvent(dispid); }
const Event* FindEvent(std::u16string_view name) { return kTypeInfo.FindEvent(name); }
const Enumeration* FindEnumeration(std::u16string_view name) {
    return kTypeInfo.FindEnumeration(name);
}

}  // namespace vemmix::typelib

namespace vemmix::typelib {

namespace {

template <class Row>
const Row* FindByName(std::span<const Row> rows, std::u16string_view name) {
    auto it = std::find_if(rows.begin(), rows.end(),
                           [name](const Row& r) { return NamesEqual(r.name, name); });
    return it == rows.end() ? nullptr : &*it;
}

template <class Row>
const Row* FindById(std::span<const Row> rows, std::int32_t dispid) {
    auto it = std::find_if(rows.begin(), rows.end(),
                           [dispid](const Row& r) { return r.dispid == dispid; });
    return it == rows.end() ? nullptr : &*it;
}

}  // namespace

const Member* TypeInfo::FindMember(std::u16string_view name) const { return FindByName(members, name); }
const Member* TypeInfo::FindMember(std::int32_t dispid) const { return FindById(members, dispid); }
const Event* TypeInfo::FindEvent(std::u16string_view name) const { return FindByName(events, name); }
const Event* TypeInfo::FindEvent(std::int32_t dispid) const { return FindById(events, dispid); }
const Enumeration* TypeInfo::FindEnumeration(std::u16string_view name) const {
    return FindByName(enumerations, name);
}

constinit const TypeInfo kTypeInfo = {
    kLibraryName, kLibraryId,        kClassName, kClassId,       kProgId,
    kInterfaceName, kInterfaceId,    kEventInterfaceName, kEventInterfaceId,
    kMembers,     kEvents,           kEnumerations, kRecords,     kPropertyPages,
};

}  // namespace vemmix::typelib
