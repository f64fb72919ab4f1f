#include "weightloggenerator.h"

#include <chrono>
#include <cmath>

#include "db/paradox/indexwriter.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"
#include "fileio/filereplace.h"

namespace bench {

db::paradox::TableImage GenerateWeightLog(std::size_t days) {
    using namespace std::chrono;
    auto log = db::paradox::NewWeightLog();
    const auto yesterday = floor<std::chrono::days>(system_clock::now()) - std::chrono::days{1};
    const db::Date first = db::ToEngineDate(yesterday - std::chrono::days{days - 1});
    log.records.reserve(days);
    for (std::size_t day = 0; day < days; ++day) {
        const double drift = 12.0 * std::sin(static_cast<double>(day) / 97.0);
        const double weight = std::round((170.0 + drift) * 10.0) / 10.0;
        log.records.push_back({db::Date{first.days + static_cast<std::int32_t>(day)}, weight});
    }
    return log;
}

std::filesystem::path WriteWeightLog(const std::filesystem::path& folder, const char* name,
                                     std::size_t days) {
    const auto log = GenerateWeightLog(days);
    const auto db = folder / (std::string(name) + ".db");
    const auto px = folder / (std::string(name) + ".PX");
    fileio::ReplaceFile(db, db::paradox::WriteTable(log, db.filename().string()),
                        fileio::Durability::Durable);
    fileio::ReplaceFile(px, db::paradox::WriteIndex(log, px.filename().string()),
                        fileio::Durability::Durable);
    return db;
}

}  // namespace bench
