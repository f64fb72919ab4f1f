#include "installpack/archivereader.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <fstream>

#include "installpack/einstallerror.h"

namespace installpack {

ArchiveReader::ArchiveReader(const std::filesystem::path& archivePath)
    : path_(archivePath), handle_(archive_read_new()) {
    archive_read_support_filter_all(handle_);
    archive_read_support_format_tar(handle_);
    if (archive_read_open_filename(handle_, archivePath.c_str(), 65536) != ARCHIVE_OK) {
        const std::string reason = archive_error_string(handle_) != nullptr
                                       ? archive_error_string(handle_)
                                       : "unknown error";
        archive_read_free(handle_);
        throw EInstallError("The archive '" + archivePath.string() +
                            "' cannot be opened: " + reason);
    }
}

ArchiveReader::~ArchiveReader() {
    archive_read_free(handle_);
}

void ArchiveReader::Fail(const std::string& what) const {
    const char* reason = archive_error_string(handle_);
    throw EInstallError("The archive '" + path_.string() + "' is damaged (" + what +
                        (reason != nullptr ? std::string(": ") + reason : std::string()) + ")");
}

std::optional<ArchiveEntryInfo> ArchiveReader::Next() {
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(handle_, &entry);
    if (status == ARCHIVE_EOF) {
        return std::nullopt;
    }
    if (status != ARCHIVE_OK) {
        Fail("reading an entry");
    }
    const char* name = archive_entry_pathname_utf8(entry);
    if (name == nullptr) {
        name = archive_entry_pathname(entry);
    }
    if (name == nullptr || archive_entry_filetype(entry) != AE_IFREG) {
        Fail("an entry that is not a file");
    }
    ArchiveEntryInfo info;
    info.name = name;
    info.size = static_cast<std::uint64_t>(archive_entry_size(entry));
    info.modified = std::chrono::system_clock::from_time_t(archive_entry_mtime(entry));
    info.permissions = static_cast<std::filesystem::perms>(archive_entry_perm(entry)) &
                       std::filesystem::perms::mask;
    return info;
}

bool ArchiveReader::Extract(const std::filesystem::path& file,
                            const std::function<bool(std::uint64_t)>& progress) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw EInstallError("The file '" + file.string() + "' cannot be created");
    }
    std::array<char, 65536> buffer{};
    for (;;) {
        const la_ssize_t count = archive_read_data(handle_, buffer.data(), buffer.size());
        if (count < 0) {
            Fail("reading '" + file.filename().string() + "'");
        }
        if (count == 0) {
            break;
        }
        out.write(buffer.data(), count);
        if (!out) {
            throw EInstallError("The file '" + file.string() +
                                "' cannot be written; the disk may be full");
        }
        if (!progress(static_cast<std::uint64_t>(count))) {
            return false;
        }
    }
    out.close();
    if (!out) {
        throw EInstallError("The file '" + file.string() +
                            "' cannot be written; the disk may be full");
    }
    return true;
}

std::vector<ArchiveEntryInfo> ListArchive(const std::filesystem::path& archivePath) {
    ArchiveReader reader(archivePath);
    std::vector<ArchiveEntryInfo> entries;
    while (std::optional<ArchiveEntryInfo> entry = reader.Next()) {
        entries.push_back(*entry);
    }
    return entries;
}

}  // namespace installpack
