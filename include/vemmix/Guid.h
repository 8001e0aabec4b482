#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <vemmix/Export.h>

namespace vemmix {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};
    friend bool operator==(const Guid&, const Guid&) = default;
};

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}", upper-case hex.
VEMMIX_EXPORT std::u16string ToString(const Guid& guid);
// Parses the registry form (braces optional, any case); nullopt otherwise.
VEMMIX_EXPORT std::optional<Guid> ParseGuid(std::u16string_view text);

}  // namespace vemmix
