#include "registry/registry.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <sstream>
#include <vector>

#include "registry/registrybackend.h"

namespace registry {

namespace {

// The levels of a key path, without the empty ones that leading, trailing
// or doubled backslashes make.
std::vector<std::string> Levels(const std::string& path) {
    std::vector<std::string> levels;
    std::istringstream in(path);
    for (std::string level; std::getline(in, level, '\\');) {
        if (!level.empty()) {
            levels.push_back(level);
        }
    }
    return levels;
}

std::string Joined(const std::vector<std::string>& levels) {
    std::string path;
    for (const std::string& level : levels) {
        path += path.empty() ? level : "\\" + level;
    }
    return path;
}

std::string Quoted(const std::string& name) {
    return "'" + name + "'";
}

}  // namespace

TRegistry::TRegistry(RootKey root) : TRegistry(root, RegistryLocations::FromEnvironment()) {}

TRegistry::TRegistry(RootKey root, const RegistryLocations& locations)
    : backend_(MakeRegistryBackend(root, locations)) {}

TRegistry::~TRegistry() {
    CloseKey();
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    std::vector<std::string> levels;
    if (currentPath_ && !key.starts_with('\\')) {
        levels = Levels(*currentPath_);
    }
    std::ranges::copy(Levels(key), std::back_inserter(levels));
    const std::string path = Joined(levels);
    if (!backend_->OpenKey(path, canCreate)) {
        return false;
    }
    currentPath_ = path;
    return true;
}

void TRegistry::CloseKey() {
    backend_->CloseKey();
    currentPath_.reset();
}

std::optional<RegValue> TRegistry::Query(const std::string& name) const {
    if (!currentPath_) {
        return std::nullopt;
    }
    return backend_->QueryValue(name);
}

RegValue TRegistry::ReadValue(const std::string& name) const {
    std::optional<RegValue> value = Query(name);
    if (!value) {
        throw ERegistryException("Failed to get data for " + Quoted(name));
    }
    return std::move(*value);
}

bool TRegistry::ValueExists(const std::string& name) const {
    return Query(name).has_value();
}

RegDataType TRegistry::GetDataType(const std::string& name) const {
    const std::optional<RegValue> value = Query(name);
    if (!value) {
        return RegDataType::None;
    }
    switch (value->type) {
        case kRegSz:
            return RegDataType::String;
        case kRegExpandSz:
            return RegDataType::ExpandString;
        case kRegDword:
            return RegDataType::Integer;
        case kRegBinary:
            return RegDataType::Binary;
        default:
            return RegDataType::Unknown;
    }
}

int TRegistry::GetDataSize(const std::string& name) const {
    const std::optional<RegValue> value = Query(name);
    return value ? static_cast<int>(value->data.size()) : -1;
}

std::string TRegistry::ReadString(const std::string& name) const {
    const RegValue value = ReadValue(name);
    if (value.type != kRegSz && value.type != kRegExpandSz) {
        throw ERegistryException("Invalid data type for " + Quoted(name));
    }
    const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

int TRegistry::ReadInteger(const std::string& name) const {
    const RegValue value = ReadValue(name);
    if (value.type != kRegDword || value.data.size() != 4) {
        throw ERegistryException("Invalid data type for " + Quoted(name));
    }
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(value.data[i]) << (8 * i);
    }
    return static_cast<int>(bits);
}

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int size) const {
    const RegValue value = ReadValue(name);
    if (value.type != kRegBinary) {
        throw ERegistryException("Invalid data type for " + Quoted(name));
    }
    if (size < 0 || value.data.size() > static_cast<std::size_t>(size)) {
        throw ERegistryException("Failed to get data for " + Quoted(name));
    }
    if (!value.data.empty()) {
        std::memcpy(buffer, value.data.data(), value.data.size());
    }
    return static_cast<int>(value.data.size());
}

void TRegistry::Put(RegValue value) {
    if (!currentPath_ || !backend_->SetValue(value)) {
        throw ERegistryException("Failed to set data for " + Quoted(value.name));
    }
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    Put({name, kRegSz, {value.begin(), value.end()}});
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    Put({name, kRegExpandSz, {value.begin(), value.end()}});
}

void TRegistry::WriteInteger(const std::string& name, int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < 4; ++i) {
        data.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    Put({name, kRegDword, std::move(data)});
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int size) {
    if (size < 0) {
        throw ERegistryException("Failed to set data for " + Quoted(name));
    }
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    Put({name, kRegBinary, {bytes, bytes + size}});
}

}  // namespace registry
