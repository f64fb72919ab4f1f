#include "db/paradox/tablefiles.h"

#include <system_error>

#include "db/engine.h"
#include "fileio/filereplace.h"

namespace db::paradox {

namespace {

template <typename Operation>
auto AsEngineError(Operation operation) {
    try {
        return operation();
    } catch (const std::system_error& error) {
        throw EDBEngineError(error.what());
    }
}

}  // namespace

std::vector<std::byte> ReadWholeFile(const std::filesystem::path& path) {
    return AsEngineError([&] { return fileio::ReadWholeFile(path); });
}

void ReplaceFile(const std::filesystem::path& path, std::span<const std::byte> content) {
    AsEngineError([&] { fileio::ReplaceFile(path, content, fileio::Durability::Deferred); });
}

void SyncToDisk(std::span<const std::filesystem::path> files) {
    AsEngineError([&] { fileio::SyncToDisk(files); });
}

}  // namespace db::paradox
