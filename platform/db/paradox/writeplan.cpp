#include "db/paradox/writeplan.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "db/paradox/byteorder.h"
#include "db/paradox/fieldcodec.h"
#include "db/paradox/headerlayout.h"
#include "db/paradox/tableerror.h"
#include "db/paradox/weightlog.h"

namespace db::paradox {

namespace {

[[noreturn]] void ThrowBadRecord(const std::string& tableName, std::size_t index,
                                 const std::string& problem) {
    ThrowTableError(tableName, "record " + std::to_string(index + 1) + problem);
}

StoredRecord Encode(const Record& record, std::size_t index, const std::string& tableName) {
    if (record.size() != 2) {
        ThrowBadRecord(tableName, index, " does not have two values");
    }
    const Date* date = std::get_if<Date>(&record[0]);
    if (date == nullptr) {
        ThrowBadRecord(tableName, index, ": DATE must be a date, not blank");
    }
    StoredRecord stored{};
    EncodeDate(*date, stored.data());
    if (const double* weight = std::get_if<double>(&record[1])) {
        if (!std::isfinite(*weight)) {
            ThrowBadRecord(tableName, index, ": WEIGHT must be a finite number");
        }
        EncodeNumber(*weight, stored.data() + kWeightLogKeySize);
    } else if (!std::holds_alternative<std::monostate>(record[1])) {
        ThrowBadRecord(tableName, index, ": WEIGHT must be a number");
    }
    return stored;
}

// Stored keys order as big-endian unsigned numbers.
bool KeyLess(const StoredRecord& a, const StoredRecord& b) {
    return LoadBE32(a.data()) < LoadBE32(b.data());
}

void SortByKey(std::vector<StoredRecord>& records) {
    if (!std::is_sorted(records.begin(), records.end(), KeyLess)) {
        std::stable_sort(records.begin(), records.end(), KeyLess);
    }
    const auto same = [](const StoredRecord& a, const StoredRecord& b) { return !KeyLess(a, b); };
    if (std::adjacent_find(records.begin(), records.end(), same) != records.end()) {
        throw EDBEngineError("Key violation.");
    }
}

}  // namespace

WritePlan PlanWrite(const TableImage& table, const std::string& tableName) {
    if (!IsWeightLog(table)) {
        ThrowTableError(
            tableName,
            "cannot write this table (only DATE and WEIGHT keyed on DATE can be written)");
    }
    WritePlan plan;
    // Our two field types exist since level 3; tables without the level-4
    // extension are written as level 4.
    plan.version =
        table.version >= header::kFirstExtendedVersion && table.version <= header::kLastVersion
            ? table.version
            : header::kLevel4Version;
    plan.blockSizeCode =
        table.blockSizeCode >= 1 && table.blockSizeCode <= header::kMaxBlockSizeCode
            ? table.blockSizeCode
            : std::uint8_t{2};
    plan.blockSize = std::size_t{plan.blockSizeCode} * 1024;
    plan.recordsPerBlock = (plan.blockSize - header::kBlockHeaderSize) / kWeightLogRecordSize;
    plan.records.reserve(table.records.size());
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        plan.records.push_back(Encode(table.records[i], i, tableName));
    }
    SortByKey(plan.records);
    if (plan.blockCount() > 0xFFFF) {
        ThrowTableError(tableName, "too many records for one table");
    }
    return plan;
}

}  // namespace db::paradox
