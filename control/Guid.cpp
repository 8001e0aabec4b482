#include <vemmix/Guid.h>

namespace vemmix {

namespace {

constexpr char16_t kHex[] = u"0123456789ABCDEF";

void AppendHex(std::u16string& out, std::uint64_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out.push_back(kHex[(value >> shift) & 0xF]);
}

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Reads `digits` hex digits at `pos`; false if any is not a hex digit.
bool ReadHex(std::u16string_view text, std::size_t pos, int digits, std::uint64_t& value) {
    value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = HexValue(text[pos + static_cast<std::size_t>(i)]);
        if (d < 0) return false;
        value = (value << 4) | static_cast<std::uint64_t>(d);
    }
    return true;
}

}  // namespace

std::u16string ToString(const Guid& guid) {
    std::u16string out;
    out.reserve(38);
    out.push_back(u'{');
    AppendHex(out, guid.data1, 8);
    out.push_back(u'-');
    AppendHex(out, guid.data2, 4);
    out.push_back(u'-');
    AppendHex(out, guid.data3, 4);
    out.push_back(u'-');
    AppendHex(out, guid.data4[0], 2);
    AppendHex(out, guid.data4[1], 2);
    out.push_back(u'-');
    for (std::size_t i = 2; i < 8; ++i) AppendHex(out, guid.data4[i], 2);
    out.push_back(u'}');
    return out;
}

std::optional<Guid> ParseGuid(std::u16string_view text) {
    if (text.size() == 38 && text.front() == u'{' && text.back() == u'}')
        text = text.substr(1, 36);
    // xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx
    if (text.size() != 36 || text[8] != u'-' || text[13] != u'-' || text[18] != u'-' ||
        text[23] != u'-')
        return std::nullopt;
    Guid guid;
    std::uint64_t v = 0;
    if (!ReadHex(text, 0, 8, v)) return std::nullopt;
    guid.data1 = static_cast<std::uint32_t>(v);
    if (!ReadHex(text, 9, 4, v)) return std::nullopt;
    guid.data2 = static_cast<std::uint16_t>(v);
    if (!ReadHex(text, 14, 4, v)) return std::nullopt;
    guid.data3 = static_cast<std::uint16_t>(v);
    static constexpr std::size_t kBytePos[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (std::size_t i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePos[i], 2, v)) return std::nullopt;
        guid.data4[i] = static_cast<std::uint8_t>(v);
    }
    return guid;
}

}  // namespace vemmix
