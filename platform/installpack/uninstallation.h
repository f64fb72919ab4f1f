#pragma once

#include <filesystem>
#include <vector>

#include "installpack/installlog.h"

namespace installpack {

// What an uninstallation left behind, for the message that says where.
struct UninstallReport {
    std::filesystem::path destination;
    std::vector<std::filesystem::path> kept;  // files changed since or not installed
};

// Removes what one installation made, as its log records it: its own files
// while unchanged, its shortcuts, its folders once empty and its records
// while they hold what it wrote. Shared files lose one count and go only
// when no product counts them any more. Nothing else is touched.
class Uninstallation {
public:
    // Reads the log in the installation's folder; throws EInstallError.
    explicit Uninstallation(std::filesystem::path destination);

    const InstallLog& Log() const { return log_; }
    // Throws EInstallError when the machine records cannot be written; the
    // files are gone by then, the records unchanged.
    UninstallReport Run();

private:
    void RemoveFile(const InstallLog::Entry& entry, UninstallReport& report) const;
    void ReleaseSharedFile(const InstallLog::Entry& entry, class MachineRecords& records) const;
    void RemoveRecord(const InstallLog::Entry& entry, MachineRecords& records) const;

    std::filesystem::path destination_;
    InstallLog log_;
};

}  // namespace installpack
