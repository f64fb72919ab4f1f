#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "db/paradox/tableimage.h"

namespace db::paradox {

// A weight-log record as stored: DATE then WEIGHT, 12 bytes.
inline constexpr std::size_t kWeightLogRecordSize = 12;
inline constexpr std::size_t kWeightLogKeySize = 4;
using StoredRecord = std::array<std::byte, kWeightLogRecordSize>;

// What the .db and .PX writers share: the records encoded in key order and
// how they pack into data blocks, so both files describe the same blocks.
struct WritePlan {
    std::uint8_t version = 0;
    std::uint8_t blockSizeCode = 0;
    std::size_t blockSize = 0;
    std::size_t recordsPerBlock = 0;
    std::vector<StoredRecord> records;

    std::size_t blockCount() const {
        return (records.size() + recordsPerBlock - 1) / recordsPerBlock;
    }
};

// The "as if loaded at this address" base of the header's stale pointers,
// which nothing reads but Paradox's own files always carry.
inline constexpr std::uint32_t kPointerBase = 0x10000000;

// Checks that the table is a weight log with writable values and plans its
// files. Throws EDBEngineError naming tableName for another layout, a blank
// DATE, a WEIGHT that is not finite or values of the wrong kind, and
// "Key violation." for two records with the same DATE. Records need not be
// in key order.
WritePlan PlanWrite(const TableImage& table, const std::string& tableName);

}  // namespace db::paradox
