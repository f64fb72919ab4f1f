#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct archive;

namespace installpack {

struct ArchiveEntryInfo {
    std::string name;
    std::uint64_t size = 0;
    std::chrono::system_clock::time_point modified;
    std::filesystem::perms permissions = std::filesystem::perms::none;
};

// Reads a group's archive entry by entry. Anything wrong with the archive
// (missing, truncated, corrupt) throws EInstallError.
class ArchiveReader {
public:
    explicit ArchiveReader(const std::filesystem::path& archive);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;

    // The next entry, or nothing at the end of the archive.
    std::optional<ArchiveEntryInfo> Next();
    // Writes the current entry's content to `file`, reporting each block's
    // size to `progress`; stops with false as soon as it returns false.
    bool Extract(const std::filesystem::path& file,
                 const std::function<bool(std::uint64_t)>& progress);

private:
    [[noreturn]] void Fail(const std::string& what) const;

    std::filesystem::path path_;
    archive* handle_;
};

// The entries of an archive, for the space it needs.
std::vector<ArchiveEntryInfo> ListArchive(const std::filesystem::path& archive);

}  // namespace installpack
