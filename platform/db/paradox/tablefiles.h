#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

// The driver's file operations: whole-file reads and atomic replacement
// (see fileio/filereplace.h), failing with the engine's error.
namespace db::paradox {

std::vector<std::byte> ReadWholeFile(const std::filesystem::path& path);

// Survives the process being killed once it returns; SyncToDisk makes it
// survive a power cut too.
void ReplaceFile(const std::filesystem::path& path, std::span<const std::byte> content);

void SyncToDisk(std::span<const std::filesystem::path> files);

}  // namespace db::paradox
