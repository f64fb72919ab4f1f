#include "installpack/installation.h"

#include <system_error>

#include "installpack/archivereader.h"
#include "installpack/installrun.h"

namespace installpack {

namespace fs = std::filesystem;

std::string FolderName(const std::string& destDir) {
    std::string name = destDir;
    while (!name.empty() && (name.front() == '\\' || name.front() == '/')) {
        name.erase(name.begin());
    }
    while (!name.empty() && (name.back() == '\\' || name.back() == '/')) {
        name.pop_back();
    }
    return name;
}

Installation::Installation(const InstallDefinition& definition, InstallPlaces places,
                           fs::path archiveFolder)
    : definition_(definition),
      places_(std::move(places)),
      archiveFolder_(std::move(archiveFolder)) {}

fs::path Installation::DefaultDestination() const {
    const FileGroup& main = definition_.groups.front();
    return GroupFolder(main, places_.programFiles / FolderName(main.destDir));
}

fs::path Installation::GroupFolder(const FileGroup& group, const fs::path& destination) const {
    switch (group.destDirType) {
        case DestDirType::BDEDLLDir:
            return places_.engineFolder;
        case DestDirType::ProgramFilesDir:
        case DestDirType::ContainerDestDir:
            break;
    }
    return destination;
}

std::uint64_t Installation::SpaceRequired(const std::set<std::string>& groups) const {
    std::uint64_t bytes = 0;
    for (const FileGroup& group : definition_.groups) {
        if (groups.contains(group.groupName)) {
            for (const ArchiveEntryInfo& entry : ListArchive(archiveFolder_ / group.archiveName)) {
                bytes += entry.size;
            }
        }
    }
    return bytes;
}

std::uint64_t Installation::SpaceAvailable(const fs::path& destination) {
    fs::path existing = destination;
    std::error_code error;
    while (!existing.empty() && !fs::exists(existing, error)) {
        existing = existing.parent_path();
    }
    const fs::space_info space = fs::space(existing.empty() ? fs::path("/") : existing, error);
    return error ? 0 : space.available;
}

InstallOutcome Installation::Run(const InstallChoices& choices, CopyProgress& progress) {
    InstallRun run(*this, definition_, archiveFolder_, choices, progress);
    return run.Execute() ? InstallOutcome::Completed : InstallOutcome::Cancelled;
}

}  // namespace installpack
