#include "registry/regtree.h"

#include <algorithm>

namespace registry {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

// True for the key itself and for every key below it.
bool IsWithin(std::string_view path, std::string_view key) {
    if (path.size() == key.size()) {
        return SameName(path, key);
    }
    return path.size() > key.size() && path[key.size()] == '\\' &&
           SameName(path.substr(0, key.size()), key);
}

}  // namespace

const RegValue* RegKey::Find(std::string_view name) const {
    const auto it = std::find_if(values.begin(), values.end(),
                                 [&](const RegValue& v) { return SameName(v.name, name); });
    return it == values.end() ? nullptr : &*it;
}

void RegKey::Set(RegValue value) {
    const auto it = std::find_if(values.begin(), values.end(),
                                 [&](const RegValue& v) { return SameName(v.name, value.name); });
    if (it == values.end()) {
        values.push_back(std::move(value));
        return;
    }
    it->type = value.type;
    it->data = std::move(value.data);
}

void RegKey::Remove(std::string_view name) {
    std::erase_if(values, [&](const RegValue& v) { return SameName(v.name, name); });
}

const RegKey* RegTree::Find(std::string_view path) const {
    const auto it = std::find_if(keys.begin(), keys.end(),
                                 [&](const RegKey& k) { return SameName(k.path, path); });
    return it == keys.end() ? nullptr : &*it;
}

RegKey& RegTree::Create(std::string_view path) {
    const auto it = std::find_if(keys.begin(), keys.end(),
                                 [&](const RegKey& k) { return SameName(k.path, path); });
    if (it != keys.end()) {
        return *it;
    }
    keys.push_back(RegKey{std::string(path), {}});
    return keys.back();
}

bool RegTree::Exists(std::string_view path) const {
    return std::any_of(keys.begin(), keys.end(),
                       [&](const RegKey& k) { return IsWithin(k.path, path); });
}

void RegTree::Remove(std::string_view path) {
    std::erase_if(keys, [&](const RegKey& k) { return IsWithin(k.path, path); });
}

}  // namespace registry
