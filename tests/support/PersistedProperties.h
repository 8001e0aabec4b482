// The persisted property set of a button as the tests see it: the 64 keys
// in the order they are saved, each key's value read through the button's
// public getters (window-held ones through the window), and comparison of
// two buttons key by key.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <vemmix/Variant.h>
#include "control/Zorvane.h"

namespace vemmix::test {

enum class PersistedKind { Int32, Int16, Boolean, String, Font, Picture };

struct PersistedKeyInfo {
    std::u16string key;
    PersistedKind kind;
};

inline void PrintTo(const PersistedKeyInfo& k, std::ostream* os) {
    for (char16_t c : k.key) *os << static_cast<char>(c < 0x80 ? c : '?');
}

// The 64 keys in save order, with the kind of value saved.
const std::vector<PersistedKeyInfo>& PersistedKeys();

// The value of `key` as the button's getter gives it, with the key's kind
// (a Boolean as a Boolean Variant). Empty for an unknown key.
Variant PersistedValue(const Zorvane& button, std::u16string_view key);

// The same value: numbers by value whatever their width, strings by their
// text, objects by identity, Empty only Empty.
bool SameValue(const Variant& a, const Variant& b);

// Keys whose values differ between the two buttons (objects by identity).
std::vector<std::string> DifferingKeys(const Zorvane& a, const Zorvane& b,
                                       const std::vector<std::u16string>& ignore = {});

std::string Narrow16(std::u16string_view text);

}  // namespace vemmix::test
