#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace installpack {

// A copy of a shared file: its version when known ("1.0.2.0") and its date.
struct FileStamp {
    std::optional<std::string> version;
    std::chrono::system_clock::time_point modified;
};

// Whether the incoming copy should replace the one on the machine: a higher
// version wins; with equal or unknown versions the later date wins; a tie
// keeps the file already there.
bool IsNewer(const FileStamp& incoming, const FileStamp& installed);

// Compares dotted versions part by part as numbers, a missing part being 0:
// negative, zero or positive as a is lower, equal or higher than b.
int CompareVersions(const std::string& a, const std::string& b);

}  // namespace installpack
