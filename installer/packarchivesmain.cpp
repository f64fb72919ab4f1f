// packarchives <output folder> <source folder>...: writes the group
// archives of Install1 into the output folder. Each group's files go in in
// their Order, the pack's own files right after the uninstaller; a file is
// taken from the first source folder that holds it.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

#include "install1definition.h"
#include "installpack/archivewriter.h"
#include "installpack/einstallerror.h"

namespace {

namespace fs = std::filesystem;
using installpack::ArchiveSource;
using installpack::EInstallError;

fs::path Find(const std::string& name, const std::vector<fs::path>& folders) {
    for (const fs::path& folder : folders) {
        if (fs::is_regular_file(folder / name)) {
            return folder / name;
        }
    }
    throw EInstallError("no source folder holds '" + name + "'");
}

std::vector<ArchiveSource> SourcesOf(const installpack::FileGroup& group,
                                     const installpack::InstallDefinition& definition,
                                     const std::vector<fs::path>& folders) {
    std::vector<installpack::InstallFile> files = group.files;
    std::ranges::stable_sort(files, {}, &installpack::InstallFile::order);
    std::vector<ArchiveSource> sources;
    for (const installpack::InstallFile& file : files) {
        sources.push_back({file.fileName, Find(file.fileName, folders)});
        if (file.uninstaller) {
            for (const std::string& packFile : definition.packFiles) {
                sources.push_back({packFile, Find(packFile, folders)});
            }
        }
    }
    return sources;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: packarchives <output folder> <source folder>...\n";
        return 2;
    }
    try {
        const fs::path output = argv[1];
        const std::vector<fs::path> folders(argv + 2, argv + argc);
        const installpack::InstallDefinition definition = Install1Definition("", "");
        fs::create_directories(output);
        for (const installpack::FileGroup& group : definition.groups) {
            installpack::WriteArchive(output / group.archiveName,
                                      SourcesOf(group, definition, folders));
        }
    } catch (const std::exception& error) {
        std::cerr << "packarchives: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
