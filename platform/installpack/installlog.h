#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace installpack {

// What an installation created, kept beside the uninstaller so that it can
// remove exactly that. Files carry their digest at installation; shared
// files are counted rather than owned; records are removed only while they
// still hold what the installation wrote.
struct InstallLog {
    enum class Kind { File, SharedFile, Folder, Record };

    struct Entry {
        Kind kind = Kind::File;
        std::filesystem::path path;  // File, SharedFile, Folder
        std::string digest;          // File
        std::string key;             // Record
        std::string name;            // Record
        std::string value;           // Record, as written
    };

    std::string title;                     // "Bodelog V1.0"
    std::filesystem::path machineRecords;  // the records file the installation wrote
    std::vector<Entry> entries;            // in the order they were made

    // The log's file name in the destination folder.
    static constexpr const char* kFileName = "install.log";

    // Throws EInstallError when the file cannot be read or is not a log.
    static InstallLog Load(const std::filesystem::path& file);
    // The log as text, one entry a line.
    std::string ToText() const;
    static InstallLog FromText(const std::string& text);
};

}  // namespace installpack
