#include "db/paradox/weightlog.h"

#include <algorithm>
#include <cctype>
#include <variant>

#include "db/paradox/tableerror.h"

namespace db::paradox {

namespace {

bool SameName(const std::string& name, std::string_view expected) {
    return std::equal(name.begin(), name.end(), expected.begin(), expected.end(),
                      [](char a, char b) {
                          return std::toupper(static_cast<unsigned char>(a)) ==
                                 std::toupper(static_cast<unsigned char>(b));
                      });
}

}  // namespace

TableImage NewWeightLog() {
    TableImage table;
    table.fields = {{"DATE", FieldType::Date, 0}, {"WEIGHT", FieldType::Number, 0}};
    table.keyFieldCount = 1;
    return table;
}

bool IsWeightLog(const TableImage& table) {
    return table.keyFieldCount == 1 && table.fields.size() == 2 &&
           SameName(table.fields[0].name, "DATE") && table.fields[0].type == FieldType::Date &&
           SameName(table.fields[1].name, "WEIGHT") && table.fields[1].type == FieldType::Number;
}

void CheckWeightLog(const TableImage& table, const std::string& displayName) {
    if (table.keyFieldCount == 0) {
        ThrowTableError(displayName, "table has no primary key");
    }
    if (!IsWeightLog(table)) {
        ThrowTableError(displayName, "not a weight log (unexpected fields)");
    }
    const bool blankDate =
        std::any_of(table.records.begin(), table.records.end(), [](const Record& record) {
            return record.empty() || !std::holds_alternative<Date>(record[0]);
        });
    if (blankDate) {
        ThrowDamaged(displayName, "blank DATE");
    }
}

}  // namespace db::paradox
