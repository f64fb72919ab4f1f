#pragma once

#include <string>

#include "db/paradox/tableimage.h"

// The one table layout Bodelog writes: a weight log, fields DATE (Date) and
// WEIGHT (Number), keyed on DATE, primary and unique.
namespace db::paradox {

// An empty weight log with the header facts of a new level-4 table.
TableImage NewWeightLog();

// Whether the fields and key are the weight log's (names compared ignoring case).
bool IsWeightLog(const TableImage& table);

// Refuses a table read from a file that is no usable weight log, with an
// EDBEngineError naming displayName: no primary key, other fields, or a
// blank DATE.
void CheckWeightLog(const TableImage& table, const std::string& displayName);

}  // namespace db::paradox
