// Late binding by name through a control's dispatch entry point, as a
// script calls `b.Caption = "&OK"`: the name is resolved to its dispatch
// identifier, then Invoke runs the accessor. Each call returns 0 or the
// error number (438 for an unknown name; errors::Message words it).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include <vemmix/Control.h>
#include <vemmix/Export.h>
#include <vemmix/Variant.h>

namespace vemmix {

VEMMIX_EXPORT std::int32_t GetProperty(Control& control, std::u16string_view name,
                                       Variant& result);
// A font or picture object is stored by reference (the object itself).
VEMMIX_EXPORT std::int32_t SetProperty(Control& control, std::u16string_view name,
                                       Variant value);
VEMMIX_EXPORT std::int32_t CallMethod(Control& control, std::u16string_view name,
                                      std::span<Variant> args, Variant& result);

}  // namespace vemmix
