#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/engine.h"

namespace db::paradox {

// A whole Paradox table in memory: what the reader makes of a .db file and
// what the writers turn back into .db and .PX bytes. Besides fields and
// records it keeps the header facts a faithful rewrite needs; it holds no
// block layout, since every write packs the records anew.
struct TableImage {
    std::vector<FieldDef> fields;
    int keyFieldCount = 0;        // the first keyFieldCount fields form the key; 0: no key
    std::vector<Record> records;  // in key order (file order without a key)

    std::uint8_t version = 0x09;     // file version id; 0x09 is level 4
    std::uint8_t blockSizeCode = 2;  // data blocks of blockSizeCode KiB
    std::uint16_t codePage = 437;    // DOS code page of the text
    std::uint8_t sortOrder = 0;      // collation id of the sort order
    std::string sortOrderName = "ascii";
    std::uint8_t changeCounter = 2;  // the .db's save counter, copied into the .PX
    std::uint32_t updateTime = 0;    // last update, Unix seconds
};

// The change counter for the next save: one up, wrapping from 255 to 2 (a
// table with an index never holds less than 2).
void BumpChangeCounter(TableImage& table);

}  // namespace db::paradox
