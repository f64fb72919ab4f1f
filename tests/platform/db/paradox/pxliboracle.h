#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "db/engine.h"

// pxlib, an implementation of the file format we did not write: the tests
// check our files against it and it writes tables for us to read. Test
// code only; the program never links it.
namespace pxlib {

struct Field {
    std::string name;
    int type = 0;  // the descriptor's type code
    int size = 0;  // bytes in the record
};

struct Table {
    std::vector<Field> fields;
    int keyFieldCount = 0;
    bool encrypted = false;
    std::vector<db::Record> records;  // left empty for encrypted tables and BLOB/BCD fields
};

// Reads a .db with pxlib. With `index`, pxlib finds the records through that
// .PX's block numbers and counts (PX_read_primary_index, PX_add_primary_index)
// instead of the chain. Throws std::runtime_error with pxlib's messages when
// pxlib refuses.
Table Read(const std::filesystem::path& db, const std::filesystem::path& index = {});

// One entry of a DATE-keyed .PX, read by opening the .PX as a table.
struct IndexEntry {
    db::FieldValue key;
    int block = 0;
    int count = 0;
    friend bool operator==(const IndexEntry&, const IndexEntry&) = default;
};

// The entries of all blocks of a DATE-keyed .PX, in the file's block order.
std::vector<IndexEntry> ReadIndexEntries(const std::filesystem::path& px);

// Writes a keyed DATE/WEIGHT table and its primary index with pxlib, records
// in the order given (pxlib does not sort).
void WriteWeightLog(const std::filesystem::path& db, const std::filesystem::path& px,
                    const std::vector<db::Record>& records);

}  // namespace pxlib
