#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "db/paradox/tableimage.h"

namespace db::paradox {

// Parses a whole .db file (keyed or not, levels 3 to 7) from memory; records
// come out in chain order, which for a keyed table is key order. Throws
// EDBEngineError "<displayName>: <problem>" for anything else: not a Paradox
// table, damaged, unsupported version, password protected, a field type it
// cannot read (BLOBs, BCD). Never reads outside `db`, never loops, and
// allocates no more than the size of `db` warrants.
TableImage ReadTable(std::span<const std::byte> db, const std::string& displayName);

}  // namespace db::paradox
