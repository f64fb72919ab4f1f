// The engine's speed targets: reading a 100-year log (against pxlib reading
// the same file), one flushed post on a 10-year log, and a gap filling of
// 365 posts with one flush at the end.
#include <benchmark/benchmark.h>
#include <stdlib.h>

extern "C" {
#include <paradox.h>
}

#include <filesystem>
#include <string>

#include "db/paradox/paradoxtable.h"
#include "db/paradox/tablereader.h"
#include "fileio/filereplace.h"
#include "weightloggenerator.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kHundredYears = 36525;
constexpr std::size_t kTenYears = 3653;

// A scratch folder on the same disk as the build, so flushes are real.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::current_path() / "bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void OursReadHundredYears(benchmark::State& state) {
    const ScratchFolder folder;
    const auto db = bench::WriteWeightLog(folder.path(), "Century", kHundredYears);
    for (auto _ : state) {
        const auto image = db::paradox::ReadTable(fileio::ReadWholeFile(db), db.string());
        benchmark::DoNotOptimize(image.records.data());
    }
}
BENCHMARK(OursReadHundredYears)->Unit(benchmark::kMillisecond);

void PxlibReadHundredYears(benchmark::State& state) {
    const ScratchFolder folder;
    const auto db = bench::WriteWeightLog(folder.path(), "Century", kHundredYears);
    for (auto _ : state) {
        pxdoc_t* doc = PX_new();
        PX_open_file(doc, db.c_str());
        const int records = PX_get_num_records(doc);
        std::string buffer(static_cast<std::size_t>(PX_get_recordsize(doc)), '\0');
        double sum = 0;
        for (int i = 0; i < records; ++i) {
            PX_get_record(doc, i, buffer.data());
            long date = 0;
            double weight = 0;
            PX_get_data_long(doc, buffer.data(), 4, &date);
            PX_get_data_double(doc, buffer.data() + 4, 8, &weight);
            sum += weight + static_cast<double>(date);
        }
        benchmark::DoNotOptimize(sum);
        PX_close(doc);
        PX_delete(doc);
    }
}
BENCHMARK(PxlibReadHundredYears)->Unit(benchmark::kMillisecond);

db::Record DayAfter(const db::Table& table, int days) {
    const auto& newest = table.record(table.recordCount() - 1);
    return {db::Date{std::get<db::Date>(newest[0]).days + days}, 150.0};
}

void OneFlushedPostOnTenYears(benchmark::State& state) {
    const ScratchFolder folder;
    const auto db = bench::WriteWeightLog(folder.path(), "Decade", kTenYears);
    db::paradox::ParadoxTable table(db);
    for (auto _ : state) {
        table.insert(DayAfter(table, 1));
        table.flush();
        state.PauseTiming();
        table.remove(table.recordCount() - 1);
        state.ResumeTiming();
    }
}
BENCHMARK(OneFlushedPostOnTenYears)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void GapFillingOf365OnTenYears(benchmark::State& state) {
    const ScratchFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        const auto db = bench::WriteWeightLog(folder.path(), "Decade", kTenYears);
        db::paradox::ParadoxTable table(db);
        state.ResumeTiming();
        for (int day = 1; day <= 365; ++day) {
            table.insert(DayAfter(table, 1));
        }
        table.flush();
    }
}
BENCHMARK(GapFillingOf365OnTenYears)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
