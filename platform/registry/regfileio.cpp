#include "registry/regfileio.h"

#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "fileio/filereplace.h"
#include "registry/regfile.h"

namespace registry {

namespace fs = std::filesystem;

namespace {

// The file's text; nothing when it does not exist.
std::optional<std::string> ReadFileText(const fs::path& file) {
    try {
        const std::vector<std::byte> bytes = fileio::ReadWholeFile(file);
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    } catch (const std::system_error& error) {
        if (error.code() == std::errc::no_such_file_or_directory ||
            error.code() == std::errc::not_a_directory) {
            return std::nullopt;
        }
        throw;
    }
}

// The first backup name that does not hold an older backup.
fs::path BackupPath(const fs::path& file) {
    std::error_code error;
    fs::path backup = file.string() + ".bak";
    for (int n = 1; fs::exists(backup, error); ++n) {
        backup = file.string() + ".bak." + std::to_string(n);
    }
    return backup;
}

}  // namespace

RegTree LoadRegFile(const fs::path& file) {
    const std::optional<std::string> content = ReadFileText(file);
    if (!content) {
        return {};
    }
    try {
        return ParseRegFile(*content);
    } catch (const RegFileError&) {
        // Keep the user's values for repair; if even the rename fails, the
        // folder is not writable and nothing will replace the file either.
        std::error_code ignored;
        fs::rename(file, BackupPath(file), ignored);
        return {};
    }
}

void SaveRegFile(const fs::path& file, const RegTree& tree) {
    const std::string text = SerializeRegFile(tree);
    const fs::path folder = file.parent_path();
    std::error_code error;
    if (!folder.empty() && !fs::create_directories(folder, error) && error) {
        throw std::system_error(error, "cannot create " + folder.string());
    }
    fileio::ReplaceFile(file, std::as_bytes(std::span(text)), fileio::Durability::Durable);
}

}  // namespace registry
