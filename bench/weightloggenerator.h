#pragma once

#include <cstddef>
#include <filesystem>

#include "db/paradox/tableimage.h"

// Weight logs of any length for the benchmarks and the page pictures: one
// entry a day, with a weight that drifts and wobbles from day to day the way
// a real one does. The same length always gives the same log.
namespace bench {

// Yesterday leaves today's entry to be made; Today has it made already.
enum class LastEntry { Yesterday, Today };

db::paradox::TableImage GenerateWeightLog(std::size_t days, LastEntry last = LastEntry::Yesterday);

// Writes the log as `<folder>/<name>.db` with its index; returns the .db path.
std::filesystem::path WriteWeightLog(const std::filesystem::path& folder, const char* name,
                                     std::size_t days, LastEntry last = LastEntry::Yesterday);

}  // namespace bench
