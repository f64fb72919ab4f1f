#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

// Reading a file whole and replacing it whole, so that a reader of the file
// ever sees either the old content or the new one, never a mix: the new
// content goes to a temporary file beside the old one and is renamed over it.
// Failures throw std::system_error carrying errno, its text naming the file.
namespace fileio {

std::vector<std::byte> ReadWholeFile(const std::filesystem::path& path);

enum class Durability {
    Deferred,  // survives the process being killed; SyncToDisk makes it durable
    Durable,   // also flushed to disk, rename included, before the call returns
};

// The replacement keeps the permissions of the file it replaces; a new file
// gets the usual ones for the user's umask.
void ReplaceFile(const std::filesystem::path& path, std::span<const std::byte> content,
                 Durability durability);

// Flushes the files and the folder that holds them (their renames) to disk.
// The files must share one folder.
void SyncToDisk(std::span<const std::filesystem::path> files);

}  // namespace fileio
