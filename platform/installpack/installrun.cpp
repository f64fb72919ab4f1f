#include "installpack/installrun.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <system_error>

#include "installpack/archivereader.h"
#include "installpack/desktopentry.h"
#include "installpack/einstallerror.h"
#include "installpack/filedigest.h"
#include "installpack/sharedfile.h"

namespace installpack {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms kEntryPermissions =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kLauncherPermissions =
    kEntryPermissions | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

std::vector<const FileGroup*> GroupsInOrder(const InstallDefinition& definition) {
    std::vector<const FileGroup*> groups;
    for (const FileGroup& group : definition.groups) {
        groups.push_back(&group);
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const FileGroup* a, const FileGroup* b) { return a->order < b->order; });
    return groups;
}

std::chrono::system_clock::time_point ModifiedTime(const fs::path& file) {
    return std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(fs::last_write_time(file)));
}

// The old log of the destination, when a run installs over an earlier one.
std::set<fs::path> SharedFilesOfOldLog(const fs::path& destination) {
    std::set<fs::path> shared;
    const fs::path file = destination / InstallLog::kFileName;
    if (!fs::exists(file)) {
        return shared;
    }
    try {
        for (const InstallLog::Entry& entry : InstallLog::Load(file).entries) {
            if (entry.kind == InstallLog::Kind::SharedFile) {
                shared.insert(entry.path);
            }
        }
    } catch (const EInstallError&) {
        // A damaged old log counts nothing: the files are counted anew.
    }
    return shared;
}

std::string LinkStem(const std::string& linkName) {
    const std::size_t dot = linkName.rfind('.');
    return dot == std::string::npos ? linkName : linkName.substr(0, dot);
}

// "Bodelog V1.0" -> "bodelog-v1.0", for the menu's own file names.
std::string Slug(const std::string& text) {
    std::string slug;
    for (char c : text) {
        if (c >= 'A' && c <= 'Z') {
            slug += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.') {
            slug += c;
        } else if (!slug.empty() && slug.back() != '-') {
            slug += '-';
        }
    }
    return slug;
}

}  // namespace

InstallRun::InstallRun(const Installation& installation, const InstallDefinition& definition,
                       const fs::path& archiveFolder, const InstallChoices& choices,
                       CopyProgress& progress)
    : installation_(installation),
      definition_(definition),
      archiveFolder_(archiveFolder),
      choices_(choices),
      progress_(progress),
      records_(installation.Places().records.FileToWrite(registry::RootKey::LocalMachine)) {
    log_.title = definition.Title();
    log_.machineRecords = records_.File();
}

bool InstallRun::Execute() {
    if (choices_.destination.empty() || !choices_.destination.is_absolute()) {
        throw EInstallError("The destination folder must be a full path");
    }
    if (choices_.menuFolder.empty() || choices_.menuFolder.find('/') != std::string::npos) {
        throw EInstallError("The Start-menu folder name '" + choices_.menuFolder +
                            "' cannot be used");
    }
    if (!choices_.groups.contains(definition_.groups.front().groupName)) {
        throw EInstallError("The group '" + definition_.groups.front().groupName + "' is required");
    }
    countedBefore_ = SharedFilesOfOldLog(choices_.destination);
    totalSize_ = installation_.SpaceRequired(choices_.groups);
    if (totalSize_ > Installation::SpaceAvailable(choices_.destination)) {
        throw EInstallError("There is not enough free space on the disk for '" +
                            choices_.destination.string() + "'");
    }
    try {
        for (const FileGroup* group : GroupsInOrder(definition_)) {
            if (choices_.groups.contains(group->groupName)) {
                CopyGroup(*group);
            }
        }
        progress_.Status("Creating shortcuts...");
        MakeShortcuts();
        WriteUninstallRecord();
        // Logged like every folder the installation makes, for the uninstaller.
        journal_.MakeFolders(records_.File().parent_path());
        WriteLog();
        progress_.Status("Updating the machine records...");
        records_.Save();
    } catch (const Cancelled&) {
        journal_.Rollback();
        return false;
    } catch (const EInstallError&) {
        journal_.Rollback();
        throw;
    } catch (const std::exception& error) {
        journal_.Rollback();
        throw EInstallError(error.what());
    }
    journal_.Commit();
    return true;
}

void InstallRun::CopyGroup(const FileGroup& group) {
    progress_.Status("Installing " + group.groupName + "...");
    const fs::path folder = installation_.GroupFolder(group, choices_.destination);
    journal_.MakeFolders(folder);
    ArchiveReader reader(archiveFolder_ / group.archiveName);
    std::set<std::string> found;
    while (std::optional<ArchiveEntryInfo> entry = reader.Next()) {
        CopyEntry(reader, *entry, group, folder);
        found.insert(entry->name);
    }
    for (const InstallFile& file : group.files) {
        if (!found.contains(file.fileName)) {
            throw EInstallError("The archive '" + group.archiveName + "' lacks '" + file.fileName +
                                "'");
        }
    }
    if (group.destDirType == DestDirType::BDEDLLDir) {
        WriteRecord(kEngineKey, kEngineFolderValue, folder.string());
    }
}

const InstallFile* InstallRun::FindFile(const FileGroup& group, const std::string& name) const {
    for (const InstallFile& file : group.files) {
        if (file.fileName == name) {
            return &file;
        }
    }
    return nullptr;
}

void InstallRun::CopyEntry(ArchiveReader& reader, const ArchiveEntryInfo& entry,
                           const FileGroup& group, const fs::path& folder) {
    const InstallFile* file = FindFile(group, entry.name);
    const bool packFile =
        std::ranges::find(definition_.packFiles, entry.name) != definition_.packFiles.end();
    if ((file == nullptr && !packFile) || entry.name.find('/') != std::string::npos) {
        throw EInstallError("The archive '" + group.archiveName + "' holds the unknown file '" +
                            entry.name + "'");
    }
    const fs::path target = folder / entry.name;
    progress_.FileStarted(entry.name, target);
    if (file != nullptr && file->shared) {
        CopySharedFile(reader, entry, *file, target);
    } else {
        CopyOwnFile(reader, entry, target);
    }
    installed_[file != nullptr ? file->component : entry.name] = target;
    if (file != nullptr && file->registerAsHelp) {
        WriteRecord(kHelpKey, entry.name, folder.string());
    }
}

void InstallRun::CopyOwnFile(ArchiveReader& reader, const ArchiveEntryInfo& entry,
                             const fs::path& target) {
    Extract(reader, entry, target);
    log_.entries.push_back({InstallLog::Kind::File, target, FileDigest(target), {}, {}, {}});
}

void InstallRun::CopySharedFile(ArchiveReader& reader, const ArchiveEntryInfo& entry,
                                const InstallFile& file, const fs::path& target) {
    const bool existed = fs::exists(target);
    const std::string versionValue = target.string();
    bool replace = !existed;
    if (existed) {
        const FileStamp incoming{
            file.version.empty() ? std::nullopt : std::optional<std::string>(file.version),
            entry.modified};
        const FileStamp present{records_.ReadString(kFileVersionsKey, versionValue),
                                ModifiedTime(target)};
        replace = IsNewer(incoming, present);
    }
    if (replace) {
        Extract(reader, entry, target);
        if (!file.version.empty()) {
            records_.WriteString(kFileVersionsKey, versionValue, file.version);
        }
    } else {
        Skip(entry);
    }
    RaiseCount(target, existed);
    log_.entries.push_back({InstallLog::Kind::SharedFile, target, {}, {}, {}, {}});
}

void InstallRun::RaiseCount(const fs::path& target, bool existedBefore) {
    if (countedBefore_.contains(target)) {
        return;  // installed over the same folder: this product already counts once
    }
    const std::optional<std::uint32_t> count = records_.ReadDword(kSharedDllsKey, target.string());
    // A file found without a count belongs to someone who never counted it:
    // count them too, so that uninstalling this product keeps it.
    const std::uint32_t before = count ? *count : (existedBefore ? 1U : 0U);
    records_.WriteDword(kSharedDllsKey, target.string(), before + 1);
}

void InstallRun::Extract(ArchiveReader& reader, const ArchiveEntryInfo& entry,
                         const fs::path& target) {
    const fs::path temporary = CopyJournal::TemporaryFor(target);
    std::uint64_t fileDone = 0;
    bool complete = false;
    try {
        complete = reader.Extract(temporary, [&](std::uint64_t bytes) {
            fileDone += bytes;
            totalDone_ += bytes;
            return progress_.Copied(fileDone, entry.size, totalDone_, totalSize_);
        });
        if (complete) {
            fs::permissions(temporary, entry.permissions);
            fs::last_write_time(temporary, std::chrono::file_clock::from_sys(entry.modified));
        }
    } catch (const std::filesystem::filesystem_error& error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw EInstallError("The file '" + target.string() +
                            "' cannot be written: " + error.code().message());
    } catch (...) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw;
    }
    if (!complete) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw Cancelled{};
    }
    journal_.Place(temporary, target);
}

void InstallRun::Skip(const ArchiveEntryInfo& entry) {
    totalDone_ += entry.size;
    if (!progress_.Copied(entry.size, entry.size, totalDone_, totalSize_)) {
        throw Cancelled{};
    }
}

void InstallRun::WriteRecord(const std::string& key, const std::string& name,
                             const std::string& value) {
    records_.WriteString(key, name, value);
    log_.entries.push_back({InstallLog::Kind::Record, {}, {}, key, name, value});
}

bool InstallRun::IsHelpFile(const std::string& component) const {
    for (const FileGroup& group : definition_.groups) {
        for (const InstallFile& file : group.files) {
            if (file.component == component && file.registerAsHelp) {
                return true;
            }
        }
    }
    return false;
}

// A program starts itself, a help file opens in the pack's help viewer and
// any other file in the desktop's program for it.
std::optional<DesktopEntry> InstallRun::EntryFor(const InstallLink& link) const {
    const auto target = installed_.find(link.objectLink);
    if (target == installed_.end()) {
        return std::nullopt;  // its group was not chosen
    }
    DesktopEntry entry{
        LinkStem(link.linkName), definition_.Title(), {}, choices_.destination.string()};
    const fs::path& file = target->second;
    const auto helpViewer = installed_.find("helpviewer");
    if (IsHelpFile(link.objectLink) && helpViewer != installed_.end()) {
        entry.command = {helpViewer->second.string(), file.string()};
    } else if ((fs::status(file).permissions() & fs::perms::owner_exec) != fs::perms::none) {
        entry.command = {file.string()};
    } else {
        entry.command = {"xdg-open", file.string()};
    }
    return entry;
}

void InstallRun::WriteEntry(const fs::path& file, const std::string& text, fs::perms permissions) {
    journal_.MakeFolders(file.parent_path());
    journal_.WriteFile(file, text, permissions);
    log_.entries.push_back({InstallLog::Kind::File, file, FileDigest(file), {}, {}, {}});
}

void InstallRun::MakeShortcuts() {
    const InstallPlaces& places = installation_.Places();
    std::vector<std::string> ids;
    for (const InstallLink& link : definition_.mainFolder.links) {
        if (std::optional<DesktopEntry> entry = EntryFor(link)) {
            const std::string fileName = LinkStem(link.linkName) + ".desktop";
            WriteEntry(places.applications / choices_.menuFolder / fileName, entry->ToText(),
                       kEntryPermissions);
            ids.push_back(choices_.menuFolder + "-" + fileName);
        }
    }
    if (!ids.empty()) {
        const std::string slug = Slug(definition_.companyName + " " + choices_.menuFolder);
        const std::string directory = slug + ".directory";
        WriteEntry(places.desktopDirectories / directory, DirectoryEntryText(choices_.menuFolder),
                   kEntryPermissions);
        WriteEntry(places.menusMerged / (slug + ".menu"),
                   MenuMergeText(choices_.menuFolder, directory, ids), kEntryPermissions);
    }
    for (const InstallLink& link : definition_.desktopLinks) {
        if (std::optional<DesktopEntry> entry = EntryFor(link)) {
            // Desktops start only entries marked executable.
            WriteEntry(places.desktop / (LinkStem(link.linkName) + ".desktop"), entry->ToText(),
                       kLauncherPermissions);
        }
    }
}

void InstallRun::WriteUninstallRecord() {
    const auto uninstaller = std::ranges::find_if(
        definition_.groups.front().files, [](const InstallFile& f) { return f.uninstaller; });
    if (uninstaller == definition_.groups.front().files.end() ||
        !installed_.contains(uninstaller->component)) {
        return;
    }
    const std::string key = std::string(kUninstallKey) + "\\" + definition_.Title();
    WriteRecord(key, "DisplayName", definition_.Title());
    WriteRecord(key, "UninstallString",
                QuoteExecArgument(installed_[uninstaller->component].string()));
    WriteRecord(key, "InstallLocation", choices_.destination.string());
}

void InstallRun::WriteLog() {
    for (const fs::path& folder : journal_.CreatedFolders()) {
        log_.entries.push_back({InstallLog::Kind::Folder, folder, {}, {}, {}, {}});
    }
    journal_.WriteFile(choices_.destination / InstallLog::kFileName, log_.ToText(),
                       kEntryPermissions);
}

}  // namespace installpack
