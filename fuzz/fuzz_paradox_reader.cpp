// Feeds arbitrary bytes to the Paradox reader and the index check. Besides
// crashes, hangs and leaks it traps when a weight log read from the bytes
// does not survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "db/paradox/indexcheck.h"
#include "db/paradox/indexwriter.h"
#include "db/paradox/tablereader.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"

namespace {

using db::paradox::TableImage;

// A table of three data blocks for the input to be checked against as an index.
const std::vector<std::byte>& GoodTable() {
    static const std::vector<std::byte> table = [] {
        TableImage image = db::paradox::NewWeightLog();
        for (std::int32_t day = 730120; day < 730520; ++day) {
            image.records.push_back({db::Date{day}, 150.0 + day % 7});
        }
        return db::paradox::WriteTable(image, "good.db");
    }();
    return table;
}

void CheckRewrite(const TableImage& table) {
    std::vector<std::byte> written;
    try {
        written = db::paradox::WriteTable(table, "fuzz.db");
    } catch (const db::EDBEngineError&) {
        return;  // blank dates, weights that are not finite: not ours to write
    }
    const TableImage again = db::paradox::ReadTable(written, "fuzz.db");
    if (again.records != table.records ||
        !db::paradox::IndexMatches(db::paradox::WriteIndex(table, "fuzz.PX"), written)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    try {
        const TableImage table = db::paradox::ReadTable(bytes, "fuzz.db");
        if (db::paradox::IsWeightLog(table)) {
            CheckRewrite(table);
        }
    } catch (const db::EDBEngineError&) {
    }
    db::paradox::IndexMatches(bytes, GoodTable());
    db::paradox::IndexMatches(bytes, bytes);
    return 0;
}
