#pragma once

#include <filesystem>
#include <string>

namespace installpack {

// A fingerprint of a file's content (size and 64-bit FNV-1a hash, as text),
// so that the uninstaller can tell a file it installed from one changed
// since. Not a security check. Empty when the file cannot be read.
std::string FileDigest(const std::filesystem::path& file);

}  // namespace installpack
