#include "base/Windows1252.h"

#include <cstdint>

namespace vemmix {
namespace {

// Bytes 0x80..0x9F of Windows-1252 and the characters they stand for. The
// five unassigned bytes round-trip the C1 control of the same value.
constexpr char16_t kHighControls[32] = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',  // 80
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',  // 88
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',  // 90
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',  // 98
};

char ToByte(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string ToWindows1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t unit : text) bytes.push_back(ToByte(unit));
    return bytes;
}

std::u16string FromWindows1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.push_back(b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : static_cast<char16_t>(b));
    }
    return text;
}

}  // namespace vemmix
