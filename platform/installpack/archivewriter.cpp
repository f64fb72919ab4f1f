#include "installpack/archivewriter.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <array>
#include <fstream>
#include <memory>

#include "installpack/einstallerror.h"

namespace installpack {

namespace {

using ArchivePtr = std::unique_ptr<archive, int (*)(archive*)>;
using EntryPtr = std::unique_ptr<archive_entry, void (*)(archive_entry*)>;

[[noreturn]] void Fail(archive* handle, const std::string& what) {
    const char* reason = archive_error_string(handle);
    throw EInstallError(what + (reason != nullptr ? std::string(": ") + reason : std::string()));
}

void AddFile(archive* handle, const ArchiveSource& source) {
    struct stat status {};
    if (::stat(source.sourceFile.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw EInstallError("The file '" + source.sourceFile.string() + "' cannot be read");
    }
    EntryPtr entry(archive_entry_new(), archive_entry_free);
    archive_entry_copy_stat(entry.get(), &status);
    archive_entry_set_pathname_utf8(entry.get(), source.name.c_str());
    archive_entry_set_uid(entry.get(), 0);
    archive_entry_set_gid(entry.get(), 0);
    if (archive_write_header(handle, entry.get()) != ARCHIVE_OK) {
        Fail(handle, "The archive entry '" + source.name + "' cannot be written");
    }
    std::ifstream in(source.sourceFile, std::ios::binary);
    std::array<char, 65536> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count > 0 && archive_write_data(handle, buffer.data(), count) < 0) {
            Fail(handle, "The archive entry '" + source.name + "' cannot be written");
        }
    }
    if (in.bad()) {
        throw EInstallError("The file '" + source.sourceFile.string() + "' cannot be read");
    }
}

}  // namespace

void WriteArchive(const std::filesystem::path& archivePath,
                  const std::vector<ArchiveSource>& sources) {
    ArchivePtr handle(archive_write_new(), archive_write_free);
    archive_write_set_format_pax_restricted(handle.get());
    archive_write_add_filter_gzip(handle.get());
    if (archive_write_open_filename(handle.get(), archivePath.c_str()) != ARCHIVE_OK) {
        Fail(handle.get(), "The archive '" + archivePath.string() + "' cannot be created");
    }
    for (const ArchiveSource& source : sources) {
        AddFile(handle.get(), source);
    }
    if (archive_write_close(handle.get()) != ARCHIVE_OK) {
        Fail(handle.get(), "The archive '" + archivePath.string() + "' cannot be written");
    }
}

}  // namespace installpack
