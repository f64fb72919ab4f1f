#include "installpack/uninstallation.h"

#include <algorithm>
#include <system_error>

#include "installpack/filedigest.h"
#include "installpack/machinerecords.h"

namespace installpack {

namespace fs = std::filesystem;

namespace {

bool HoldsFiles(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder, error) && !fs::is_empty(folder, error);
}

}  // namespace

Uninstallation::Uninstallation(fs::path destination)
    : destination_(std::move(destination)),
      log_(InstallLog::Load(destination_ / InstallLog::kFileName)) {}

UninstallReport Uninstallation::Run() {
    UninstallReport report{destination_, {}};
    MachineRecords records(log_.machineRecords);
    for (const InstallLog::Entry& entry : log_.entries) {
        if (entry.kind == InstallLog::Kind::File) {
            RemoveFile(entry, report);
        } else if (entry.kind == InstallLog::Kind::SharedFile) {
            ReleaseSharedFile(entry, records);
        }
    }
    for (const InstallLog::Entry& entry : log_.entries) {
        if (entry.kind == InstallLog::Kind::Record) {
            RemoveRecord(entry, records);
        }
    }
    std::error_code ignored;
    fs::remove(destination_ / InstallLog::kFileName, ignored);
    if (fs::is_directory(destination_, ignored)) {
        for (const fs::directory_entry& file : fs::directory_iterator(destination_, ignored)) {
            if (std::ranges::find(report.kept, file.path()) == report.kept.end()) {
                report.kept.push_back(file.path());
            }
        }
    }
    // Records left with nothing in them go, so the folders made for them can.
    if (records.HoldsValues()) {
        records.Save();
    } else {
        fs::remove(records.File(), ignored);
    }
    for (auto it = log_.entries.rbegin(); it != log_.entries.rend(); ++it) {
        if (it->kind == InstallLog::Kind::Folder) {
            fs::remove(it->path, ignored);  // only while empty
        }
    }
    std::ranges::sort(report.kept);
    return report;
}

void Uninstallation::RemoveFile(const InstallLog::Entry& entry, UninstallReport& report) const {
    std::error_code error;
    if (!fs::exists(entry.path, error)) {
        return;
    }
    if (FileDigest(entry.path) != entry.digest || !fs::remove(entry.path, error)) {
        report.kept.push_back(entry.path);
        return;
    }
    // The database engine leaves an empty lock file beside a table it has
    // opened; it goes with the table.
    fs::path lock = entry.path;
    lock += ".lck";
    if (fs::is_regular_file(lock, error) && fs::file_size(lock, error) == 0) {
        fs::remove(lock, error);
    }
}

void Uninstallation::ReleaseSharedFile(const InstallLog::Entry& entry,
                                       MachineRecords& records) const {
    const std::string name = entry.path.string();
    const std::uint32_t count = records.ReadDword(kSharedDllsKey, name).value_or(1);
    if (count > 1) {
        records.WriteDword(kSharedDllsKey, name, count - 1);
        return;
    }
    records.Remove(kSharedDllsKey, name);
    records.Remove(kFileVersionsKey, name);
    std::error_code ignored;
    fs::remove(entry.path, ignored);
}

void Uninstallation::RemoveRecord(const InstallLog::Entry& entry, MachineRecords& records) const {
    if (records.ReadString(entry.key, entry.name) != entry.value) {
        return;  // another installation has written it since
    }
    // The engine stays registered while another product's files keep it there.
    if (entry.key == kEngineKey && entry.name == kEngineFolderValue && HoldsFiles(entry.value)) {
        return;
    }
    records.Remove(entry.key, entry.name);
}

}  // namespace installpack
