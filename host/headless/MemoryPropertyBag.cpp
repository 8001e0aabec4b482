// An in-memory property bag with keys matched without regard to case.
#include <algorithm>

#include <vemmix/headless/HeadlessContainer.h>

namespace vemmix::headless {

namespace {

char16_t FoldCase(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

bool SameKey(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

}  // namespace

std::optional<Variant> MemoryPropertyBag::ReadProperty(std::u16string_view key,
                                                       const Variant& defaultValue) {
    m_ReadOrder.emplace_back(key);
    for (const std::u16string& failing : m_FailingReads)
        if (SameKey(failing, key)) return std::nullopt;
    if (auto value = Get(key)) return value;
    return defaultValue;
}

std::int32_t MemoryPropertyBag::WriteProperty(std::u16string_view key, const Variant& value,
                                              const Variant& defaultValue) {
    m_WriteOrder.emplace_back(key);
    if (PropertyBag::MatchesDefault(value, defaultValue)) {
        // A value equal to its default is not kept, not even from an earlier write.
        std::erase_if(m_Entries, [&](const auto& entry) { return SameKey(entry.first, key); });
        return errors::kNone;
    }
    Set(std::u16string(key), value);
    return errors::kNone;
}

void MemoryPropertyBag::Set(std::u16string key, Variant value) {
    for (auto& entry : m_Entries) {
        if (SameKey(entry.first, key)) {
            entry.second = std::move(value);
            return;
        }
    }
    m_Entries.emplace_back(std::move(key), std::move(value));
}

bool MemoryPropertyBag::Has(std::u16string_view key) const { return Get(key).has_value(); }

std::optional<Variant> MemoryPropertyBag::Get(std::u16string_view key) const {
    for (const auto& entry : m_Entries)
        if (SameKey(entry.first, key)) return entry.second;
    return std::nullopt;
}

void MemoryPropertyBag::LogError(std::u16string_view key, std::int32_t error,
                                 std::u16string_view reason) {
    m_Rejections.push_back({std::u16string(key), error, std::u16string(reason)});
}

}  // namespace vemmix::headless
