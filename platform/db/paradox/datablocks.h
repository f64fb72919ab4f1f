#pragma once

#include <span>
#include <string>
#include <vector>

#include "db/paradox/blockreader.h"
#include "db/paradox/tableheader.h"

namespace db::paradox {

// The data blocks of a .db file in chain order, which for a keyed table is
// key order. Throws EDBEngineError naming displayName when the chain leaves
// the file, loops, or holds another number of records than the header says.
std::vector<Block> ReadDataBlocks(std::span<const std::byte> db, const TableHeader& header,
                                  const std::string& displayName);

}  // namespace db::paradox
