#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

// File operations of the driver that keep a table whole: a reader of the
// files ever sees either the old content or the new one, never a mix.
namespace db::paradox {

// The whole file; throws EDBEngineError naming the file when it cannot be read.
std::vector<std::byte> ReadWholeFile(const std::filesystem::path& path);

// Writes a temporary file beside `path` and renames it over `path`. The
// rename is atomic, so a crash leaves the old content or the new one. Not
// durable against a power cut until SyncToDisk.
void ReplaceFile(const std::filesystem::path& path, std::span<const std::byte> content);

// Flushes the files and the folder that holds them (their renames) to disk.
void SyncToDisk(std::span<const std::filesystem::path> files);

}  // namespace db::paradox
