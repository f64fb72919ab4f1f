#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "installpack/copyjournal.h"
#include "installpack/desktopentry.h"
#include "installpack/installation.h"
#include "installpack/installlog.h"
#include "installpack/machinerecords.h"

namespace installpack {

class ArchiveReader;
struct ArchiveEntryInfo;

// One run of an installation, from the first folder made to the records
// saved; Installation::Run makes one and throws it away.
class InstallRun {
public:
    InstallRun(const Installation& installation, const InstallDefinition& definition,
               const std::filesystem::path& archiveFolder, const InstallChoices& choices,
               CopyProgress& progress);

    // True when every step was done; false when the user cancelled.
    bool Execute();

private:
    struct Cancelled {};

    void CopyGroup(const FileGroup& group);
    void CopyEntry(ArchiveReader& reader, const ArchiveEntryInfo& entry, const FileGroup& group,
                   const std::filesystem::path& folder);
    const InstallFile* FindFile(const FileGroup& group, const std::string& name) const;
    void CopyOwnFile(ArchiveReader& reader, const ArchiveEntryInfo& entry,
                     const std::filesystem::path& target);
    void CopySharedFile(ArchiveReader& reader, const ArchiveEntryInfo& entry,
                        const InstallFile& file, const std::filesystem::path& target);
    void Extract(ArchiveReader& reader, const ArchiveEntryInfo& entry,
                 const std::filesystem::path& target);
    void Skip(const ArchiveEntryInfo& entry);
    void RaiseCount(const std::filesystem::path& target, bool existedBefore);
    void WriteRecord(const std::string& key, const std::string& name, const std::string& value);
    bool IsHelpFile(const std::string& component) const;
    std::optional<DesktopEntry> EntryFor(const InstallLink& link) const;
    void WriteEntry(const std::filesystem::path& file, const std::string& text,
                    std::filesystem::perms permissions);
    void MakeShortcuts();
    void WriteUninstallRecord();
    void WriteLog();

    const Installation& installation_;
    const InstallDefinition& definition_;
    std::filesystem::path archiveFolder_;
    const InstallChoices& choices_;
    CopyProgress& progress_;
    CopyJournal journal_;
    MachineRecords records_;
    InstallLog log_;
    std::set<std::filesystem::path>
        countedBefore_;  // shared files the old log of the folder counts
    std::map<std::string, std::filesystem::path> installed_;  // component -> file
    std::uint64_t totalSize_ = 0;
    std::uint64_t totalDone_ = 0;
};

}  // namespace installpack
