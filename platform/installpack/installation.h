#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "installpack/installdefinition.h"
#include "installpack/installplaces.h"

namespace installpack {

// What the user chose in the wizard, or the unattended options gave.
struct InstallChoices {
    std::filesystem::path destination;  // the main group's folder
    std::string menuFolder;             // the Start-menu folder's name
    std::set<std::string> groups;       // the group names to install
};

// Told of the copying as it goes, and asked whether to go on.
class CopyProgress {
public:
    virtual ~CopyProgress() = default;
    virtual void Status(const std::string& text) = 0;
    virtual void FileStarted(const std::string& fileName, const std::filesystem::path& target) = 0;
    // False cancels the installation.
    virtual bool Copied(std::uint64_t fileDone, std::uint64_t fileSize, std::uint64_t totalDone,
                        std::uint64_t totalSize) = 0;
};

enum class InstallOutcome { Completed, Cancelled };

// Carries out an installation definition: copies the chosen groups from
// their archives, keeps shared files and their counts, registers help
// files, records the engine's folder, makes the shortcuts and leaves a log
// for the uninstaller. A failed or cancelled run undoes all it did; the
// machine records are written once, at the very end.
class Installation {
public:
    Installation(const InstallDefinition& definition, InstallPlaces places,
                 std::filesystem::path archiveFolder);

    // The default destination: the base folder of the main group's type
    // with its DestDir.
    std::filesystem::path DefaultDestination() const;
    // The folder a group is installed into for a chosen destination.
    std::filesystem::path GroupFolder(const FileGroup& group,
                                      const std::filesystem::path& destination) const;
    // The bytes the chosen groups' files take. Throws EInstallError when an
    // archive cannot be read.
    std::uint64_t SpaceRequired(const std::set<std::string>& groups) const;
    // The bytes free where the destination would be made.
    static std::uint64_t SpaceAvailable(const std::filesystem::path& destination);

    // Throws EInstallError when it fails, after undoing what it did.
    InstallOutcome Run(const InstallChoices& choices, CopyProgress& progress);

    const InstallPlaces& Places() const { return places_; }

private:
    const InstallDefinition& definition_;
    InstallPlaces places_;
    std::filesystem::path archiveFolder_;
};

}  // namespace installpack
