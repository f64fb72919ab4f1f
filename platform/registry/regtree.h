#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

// Value types as the registry numbers them.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// One value as stored: its type and its exact bytes. The texts of string
// types are held as UTF-8 bytes; whether they end in a zero byte is part of
// the data, so the size survives as written. An empty name is the key's
// unnamed value.
struct RegValue {
    std::string name;
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;

    friend bool operator==(const RegValue&, const RegValue&) = default;
};

// One key with its values in the order they were first written. Value names
// compare without regard to ASCII case, as the registry compares them.
struct RegKey {
    std::string path;  // full path from the root, e.g. "HKEY_CURRENT_USER\Software"
    std::vector<RegValue> values;

    const RegValue* Find(std::string_view name) const;
    // Replaces the value of that name, keeping the spelling it was first
    // written with, or appends it.
    void Set(RegValue value);
    void Remove(std::string_view name);

    friend bool operator==(const RegKey&, const RegKey&) = default;
};

// The keys of one registry file in file order. Key paths compare without
// regard to ASCII case.
struct RegTree {
    std::vector<RegKey> keys;

    const RegKey* Find(std::string_view path) const;
    // The key of that path, appended when it is missing.
    RegKey& Create(std::string_view path);
    // True when the key or one of its subkeys is present.
    bool Exists(std::string_view path) const;
    // Removes the key with all its subkeys.
    void Remove(std::string_view path);

    friend bool operator==(const RegTree&, const RegTree&) = default;
};

}  // namespace registry
