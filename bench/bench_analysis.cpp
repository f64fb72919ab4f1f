// The recalculation pass's speed targets on a 10-year log: the arithmetic
// alone, the whole pass with every control it updates (offscreen, nothing
// painted), and the gap filling of 365 days with one pass per filled day.
#include <QApplication>
#include <QDialog>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <variant>

#include "analysis/chartscale.h"
#include "analysis/goalforecast.h"
#include "analysis/readouts.h"
#include "analysis/series.h"
#include "analysis/trafficlight.h"
#include "benchhome.h"
#include "shell/settingsstore.h"
#include "shell/tmainform.h"
#include "vcl/application.h"
#include "weightlog/ttodaysweightdlg.h"
#include "weightloggenerator.h"

namespace {

constexpr std::size_t kTenYears = 3653;

// Cancels every form, so the today check only fills the missing days.
class CancelEverything : public vcl::ModalResponder {
public:
    vcl::ModalResult RunForm(QDialog&) override { return vcl::ModalResult::Cancel; }
    vcl::ModalResult ShowMessage(const vcl::MessageRequest&) override {
        return vcl::ModalResult::OK;
    }
    std::optional<QString> ChooseFile(const vcl::OpenDialogRequest&) override { return {}; }
    void HelpCommand(const QString&, int, const QString&) override {}
};

// Stores the settings that open the log at the next activation.
void UseLog(const std::filesystem::path& log, bool autoEntry) {
    const SettingsStore settings;
    settings.SetRegInfo(1, log.string(), false, 0.0F);
    settings.SetRegInfo(2, "", autoEntry, 0.0F);
    settings.SetRegInfo(3, "", true, 0.0F);
    settings.SetRegInfo(4, log.stem().string(), false, 160.0F);
}

void PassArithmetic(benchmark::State& state) {
    const auto log = bench::GenerateWeightLog(kTenYears, bench::LastEntry::Today);
    std::array<double, kEntryArrayLength> newest{};
    for (std::size_t k = 0; k < newest.size(); ++k) {
        newest[k] = std::get<double>(log.records[log.records.size() - 1 - k][1]);
    }
    for (auto _ : state) {
        Series s = BuildSeries(newest);
        const FutureDayValues future = ComputeFutureDayValues(s.EntryArray);
        const TrafficLight light = LitLight(s.EntryArray);
        const GoalForecast goal = ForecastGoal(s.EntryArray, 160.0F);
        ScaleChangeSeries(s.WeekArray, s.WeekMax);
        ScaleChangeSeries(s.WeekDayArray, s.WeekDayMax);
        ScaleLevelSeries(s.AvgArray, s.AvgMax, s.AvgMin);
        ScaleLevelSeries(std::span<float>(s.EntryArray).first(30), s.EntryMax, s.EntryMin);
        ScaleLevelSeries(s.FutureArray, s.FutureMax, s.FutureMin);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(future);
        benchmark::DoNotOptimize(light);
        benchmark::DoNotOptimize(goal);
    }
}
BENCHMARK(PassArithmetic)->Unit(benchmark::kMicrosecond);

void PassWithControls(benchmark::State& state) {
    const bench::BenchHome home;
    UseLog(bench::WriteWeightLog(home.path(), "Pat", kTenYears, bench::LastEntry::Today), false);
    TMainForm form;
    MainForm = &form;
    form.FormActivate();
    for (auto _ : state) {
        form.Table1AfterPost();
    }
    MainForm = nullptr;
}
BENCHMARK(PassWithControls)->Unit(benchmark::kMicrosecond);

void GapFillingOf365WithPasses(benchmark::State& state) {
    CancelEverything responder;
    vcl::Application().SetResponder(&responder);
    for (auto _ : state) {
        state.PauseTiming();
        {
            const bench::BenchHome home;
            UseLog(bench::WriteWeightLog(home.path(), "Pat", kTenYears), false);
            TMainForm form;
            MainForm = &form;
            TTodaysWeightDlg todaysWeightDlg(&form);
            TodaysWeightDlg = &todaysWeightDlg;
            form.FormActivate();
            // The newest entry is yesterday: 365 days are missing before today.
            const auto today = form.Today() + std::chrono::days{365};
            form.Today = [today] { return today; };
            state.ResumeTiming();
            form.AddTodayButtonClick();
            state.PauseTiming();
            TodaysWeightDlg = nullptr;
            MainForm = nullptr;
        }
        state.ResumeTiming();
    }
    vcl::Application().SetResponder(nullptr);
}
BENCHMARK(GapFillingOf365WithPasses)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen: the controls are updated but nothing reaches a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    vcl::TApplication application;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
