#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/paradox/tableimage.h"

namespace db::paradox {

// Serialises the primary index (.PX) of the .db that WriteTable makes of the
// same image: one entry per data block, in as many levels as the blocks
// need, root block first. indexName goes into the header (e.g.
// "John Doe.PX"). Refuses what WriteTable refuses, the same way.
std::vector<std::byte> WriteIndex(const TableImage& table, const std::string& indexName);

}  // namespace db::paradox
