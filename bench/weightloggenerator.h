#pragma once

#include <cstddef>
#include <filesystem>

#include "db/paradox/tableimage.h"

// Weight logs of any length for the benchmarks: one entry a day, ending
// yesterday, with a weight that drifts the way a real one does.
namespace bench {

db::paradox::TableImage GenerateWeightLog(std::size_t days);

// Writes the log as `<folder>/<name>.db` with its index; returns the .db path.
std::filesystem::path WriteWeightLog(const std::filesystem::path& folder, const char* name,
                                     std::size_t days);

}  // namespace bench
