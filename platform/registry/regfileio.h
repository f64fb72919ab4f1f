#pragma once

#include <filesystem>

#include "registry/regtree.h"

// Reading and replacing registry files on disk.
namespace registry {

// The tree in the file. A missing file is an empty tree. A file that cannot
// be parsed is renamed to a backup beside it ("<file>.bak", or "<file>.bak.N"
// when older backups exist) and also counts as empty: it is never deleted.
// Throws std::system_error when the file exists but cannot be read.
RegTree LoadRegFile(const std::filesystem::path& file);

// Replaces the file with the tree, atomically: the text goes to a temporary
// file in the same folder, is flushed to disk and renamed over the file, so a
// reader sees the old file or the new one, never a torn one. Creates the
// folder when it is missing. Throws std::system_error when the folder cannot
// be created or written, and RegFileError when the tree cannot be written.
void SaveRegFile(const std::filesystem::path& file, const RegTree& tree);

}  // namespace registry
