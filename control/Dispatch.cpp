#include <vemmix/Dispatch.h>

namespace vemmix {

namespace {

std::int32_t InvokeByName(Control& control, std::u16string_view name, InvokeKind kind,
                          std::span<Variant> args, Variant& result) {
    std::int32_t dispid = 0;
    if (const std::int32_t error = control.GetIDOfName(name, dispid)) return error;
    return control.Invoke(dispid, kind, args, result);
}

bool IsObject(const Variant& v) {
    return v.type() == Variant::Type::Font || v.type() == Variant::Type::Picture ||
           v.type() == Variant::Type::DataObject;
}

}  // namespace

std::int32_t GetProperty(Control& control, std::u16string_view name, Variant& result) {
    return InvokeByName(control, name, InvokeKind::PropertyGet, {}, result);
}

std::int32_t SetProperty(Control& control, std::u16string_view name, Variant value) {
    const InvokeKind kind = IsObject(value) ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
    Variant ignored;
    return InvokeByName(control, name, kind, std::span<Variant>(&value, 1), ignored);
}

std::int32_t CallMethod(Control& control, std::u16string_view name, std::span<Variant> args,
                        Variant& result) {
    return InvokeByName(control, name, InvokeKind::Method, args, result);
}

}  // namespace vemmix
