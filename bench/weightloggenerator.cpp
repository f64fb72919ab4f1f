#include "weightloggenerator.h"

#include <chrono>
#include <cmath>
#include <cstdint>

#include "db/paradox/indexwriter.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"
#include "fileio/filereplace.h"

namespace bench {

namespace {

// A day's wobble of up to a pound either way, the same for the same day.
double Wobble(std::size_t day) {
    std::uint32_t x = static_cast<std::uint32_t>(day) * 2654435761U;
    x ^= x >> 15;
    x *= 2246822519U;
    x ^= x >> 13;
    return static_cast<double>(x % 2001U) / 1000.0 - 1.0;
}

}  // namespace

db::paradox::TableImage GenerateWeightLog(std::size_t days, LastEntry last) {
    using namespace std::chrono;
    auto log = db::paradox::NewWeightLog();
    const auto today = floor<std::chrono::days>(system_clock::now());
    const auto newest = last == LastEntry::Today ? today : today - std::chrono::days{1};
    const db::Date first = db::ToEngineDate(newest - std::chrono::days{days - 1});
    log.records.reserve(days);
    for (std::size_t day = 0; day < days; ++day) {
        // Slow swings over months, a steady loss over the last 90 days, a
        // wobble each day.
        const std::size_t lossDays = day + 90 > days ? day + 90 - days : 0;
        const double drift =
            8.0 * std::sin(static_cast<double>(day) / 97.0) - 0.06 * static_cast<double>(lossDays);
        const double weight = std::round((182.0 + drift + Wobble(day)) * 10.0) / 10.0;
        log.records.push_back({db::Date{first.days + static_cast<std::int32_t>(day)}, weight});
    }
    return log;
}

std::filesystem::path WriteWeightLog(const std::filesystem::path& folder, const char* name,
                                     std::size_t days, LastEntry last) {
    const auto log = GenerateWeightLog(days, last);
    const auto db = folder / (std::string(name) + ".db");
    const auto px = folder / (std::string(name) + ".PX");
    fileio::ReplaceFile(db, db::paradox::WriteTable(log, db.filename().string()),
                        fileio::Durability::Durable);
    fileio::ReplaceFile(px, db::paradox::WriteIndex(log, px.filename().string()),
                        fileio::Durability::Durable);
    return db;
}

}  // namespace bench
