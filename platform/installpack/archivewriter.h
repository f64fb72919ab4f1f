#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace installpack {

struct ArchiveSource {
    std::string name;                  // the entry's name in the archive
    std::filesystem::path sourceFile;  // its content, mode and date
};

// Writes a group's archive (a gzip-compressed tar file): every source file
// under its name, keeping its permissions and modification date, in the
// order given. Throws EInstallError naming the file that failed.
void WriteArchive(const std::filesystem::path& archive, const std::vector<ArchiveSource>& sources);

}  // namespace installpack
