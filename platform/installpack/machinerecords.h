#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "registry/regtree.h"

namespace installpack {

// The keys every installation touches in the machine's records.
inline constexpr const char* kHelpKey = "SOFTWARE\\Microsoft\\Windows\\Help";
inline constexpr const char* kSharedDllsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
inline constexpr const char* kFileVersionsKey = "SOFTWARE\\Install Pack\\File Versions";
inline constexpr const char* kUninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr const char* kEngineKey = "SOFTWARE\\Database Engine";
inline constexpr const char* kEngineFolderValue = "DLLPATH";

// One machine-records file, read once, changed in memory and written back
// whole by Save, so that an installation changes the records all at once or
// not at all. Keys are paths below HKEY_LOCAL_MACHINE.
class MachineRecords {
public:
    // Throws EInstallError when the file exists but cannot be read.
    explicit MachineRecords(std::filesystem::path file);

    std::optional<std::string> ReadString(const std::string& key, const std::string& name) const;
    std::optional<std::uint32_t> ReadDword(const std::string& key, const std::string& name) const;
    void WriteString(const std::string& key, const std::string& name, const std::string& value);
    void WriteDword(const std::string& key, const std::string& name, std::uint32_t value);
    // Removes the value, and the key with it when nothing is left in it.
    void Remove(const std::string& key, const std::string& name);

    // Throws EInstallError when the file cannot be written.
    void Save() const;

    // True while some key still holds a value.
    bool HoldsValues() const;

    const std::filesystem::path& File() const { return file_; }

private:
    const registry::RegValue* Find(const std::string& key, const std::string& name) const;

    std::filesystem::path file_;
    registry::RegTree tree_;
};

}  // namespace installpack
