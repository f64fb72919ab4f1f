#include "installpack/machinerecords.h"

#include <algorithm>

#include <exception>

#include "installpack/einstallerror.h"
#include "registry/regfileio.h"
#include "registry/rootkey.h"

namespace installpack {

namespace {

std::string FullPath(const std::string& key) {
    return std::string(registry::RootKeyName(registry::RootKey::LocalMachine)) + "\\" + key;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool HasSubkeys(const registry::RegTree& tree, const std::string& path) {
    const std::string prefix = Lower(path) + "\\";
    for (const registry::RegKey& key : tree.keys) {
        if (Lower(key.path).starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

}  // namespace

MachineRecords::MachineRecords(std::filesystem::path file) : file_(std::move(file)) {
    try {
        tree_ = registry::LoadRegFile(file_);
    } catch (const std::exception& error) {
        throw EInstallError("The machine records '" + file_.string() +
                            "' cannot be read: " + error.what());
    }
}

const registry::RegValue* MachineRecords::Find(const std::string& key,
                                               const std::string& name) const {
    const registry::RegKey* found = tree_.Find(FullPath(key));
    return found == nullptr ? nullptr : found->Find(name);
}

std::optional<std::string> MachineRecords::ReadString(const std::string& key,
                                                      const std::string& name) const {
    const registry::RegValue* value = Find(key, name);
    if (value == nullptr || value->type != registry::kRegSz) {
        return std::nullopt;
    }
    std::string text(value->data.begin(), value->data.end());
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text;
}

std::optional<std::uint32_t> MachineRecords::ReadDword(const std::string& key,
                                                       const std::string& name) const {
    const registry::RegValue* value = Find(key, name);
    if (value == nullptr || value->type != registry::kRegDword || value->data.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) {
        number = (number << 8) | value->data[static_cast<std::size_t>(i)];
    }
    return number;
}

void MachineRecords::WriteString(const std::string& key, const std::string& name,
                                 const std::string& value) {
    tree_.Create(FullPath(key))
        .Set({name, registry::kRegSz, std::vector<std::uint8_t>(value.begin(), value.end())});
}

void MachineRecords::WriteDword(const std::string& key, const std::string& name,
                                std::uint32_t value) {
    std::vector<std::uint8_t> data(4);
    for (std::size_t i = 0; i < 4; ++i) {
        data[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    tree_.Create(FullPath(key)).Set({name, registry::kRegDword, std::move(data)});
}

void MachineRecords::Remove(const std::string& key, const std::string& name) {
    const std::string path = FullPath(key);
    const registry::RegKey* found = tree_.Find(path);
    if (found == nullptr) {
        return;
    }
    tree_.Create(path).Remove(name);
    if (tree_.Find(path)->values.empty() && !HasSubkeys(tree_, path)) {
        tree_.Remove(path);
    }
}

bool MachineRecords::HoldsValues() const {
    return std::ranges::any_of(tree_.keys,
                               [](const registry::RegKey& key) { return !key.values.empty(); });
}

void MachineRecords::Save() const {
    try {
        registry::SaveRegFile(file_, tree_);
    } catch (const std::exception& error) {
        throw EInstallError("The machine records '" + file_.string() +
                            "' cannot be written: " + error.what());
    }
}

}  // namespace installpack
