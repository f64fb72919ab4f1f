#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/paradox/tableimage.h"

namespace db::paradox {

// Serialises a weight log to the bytes of its .db file, packed: records in
// key order, data blocks full but the last, chained in file order, no free
// blocks. tableName goes into the header (e.g. "John Doe.db"). The header
// keeps the image's version (level 3 tables become level 4), block size,
// code page, sort order and change counter. Throws EDBEngineError naming
// tableName for what it cannot write (see PlanWrite in writeplan.h), and
// "Key violation." for a duplicate DATE.
std::vector<std::byte> WriteTable(const TableImage& table, const std::string& tableName);

}  // namespace db::paradox
