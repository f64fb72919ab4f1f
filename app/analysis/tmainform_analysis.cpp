// The main window's recalculation pass: after every change of the weight log
// it rebuilds the series from the newest entries and redraws every analysis
// page, the traffic light and the goal forecast from them.
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <chrono>

#include "analysis/axislabels.h"
#include "analysis/chartscale.h"
#include "analysis/goalforecast.h"
#include "analysis/readouts.h"
#include "analysis/trafficlight.h"
#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "shell/tmainform.h"
#include "sysutils/numberformat.h"
#include "vcl/tedit.h"
#include "vcl/tgauge.h"
#include "vcl/tshape.h"

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ColourOf(Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

// Sunday is 1, Saturday 7.
int DayOfWeek(std::chrono::sys_days date) {
    return static_cast<int>(std::chrono::weekday{date}.c_encoding()) + 1;
}

template <std::size_t N>
void ShowLevels(const std::array<vcl::TGauge*, N>& gauges, auto valueOfGauge) {
    for (std::size_t i = 0; i < N; ++i) {
        gauges[i]->SetProgress(GaugeProgress(valueOfGauge(i)));
    }
}

void ShowBar(vcl::TShape* shape, float scaled) {
    const BarGeometry bar = BarOf(scaled);
    // Height first, then top, so the bar never spans both sides of the line.
    shape->resize(shape->width(), bar.Height);
    shape->move(shape->x(), bar.Top);
}

template <std::size_t N>
void ShowTexts(const std::array<QLabel*, N>& labels, const std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i) {
        labels[i]->setText(FromStd(texts[i]));
    }
}

// Reads the current record's weight, then moves back up to distance
// records; the move stops at the oldest.
double WeightThenBack(db::TTable& table, const db::TFloatField& weight, int distance) {
    const double value = weight.AsFloat();
    table.MoveBy(-distance);
    return value;
}

}  // namespace

void TMainForm::Table1AfterPost() {
    if (!Table1.Active() || Table1.IsEmpty()) {
        return;
    }
    Series s;
    MainAgoLabels();
    FillEntryArray(s.EntryArray, s.EntryMax, s.EntryMin);
    ::FillWeekArray(s.EntryArray, s.WeekArray, s.WeekMax);
    ::FillWeekDayArray(s.EntryArray, s.WeekDayArray, s.WeekDayMax);
    ::FillAvgArray(s.EntryArray, s.AvgArray, s.AvgMax, s.AvgMin);
    ::FillFutureArray(s.EntryArray, s.FutureArray, s.FutureMax, s.FutureMin);
    FutureDayLabels(s.EntryArray);
    LightUpdate(s.EntryArray);
    GoalUpdate(s.EntryArray);
    ChartWeekArray(s.WeekArray, s.WeekMax);
    ChartWeekDayArray(s.WeekDayArray, s.WeekDayMax);
    ChartAvgArray(s.AvgArray, s.AvgMax, s.AvgMin);
    ChartEntryArray(s.EntryArray, s.EntryMax, s.EntryMin);
    ChartFutureArray(s.FutureArray, s.FutureMax, s.FutureMin);
    LabelUpdate(s.EntryMax, s.EntryMin, s.AvgMax, s.AvgMin, s.WeekDayMax, s.WeekMax, s.FutureMax,
                s.FutureMin);
    // The goal in force replaces whatever was typed but not set.
    Edit2->setText(GoalLabel->text());
}

void TMainForm::FillEntryArray(std::span<float, kEntryArrayLength> EntryArray, float& EntryMax,
                               float& EntryMin) {
    // The grid must not follow the walk back through the entries.
    Table1.Last();
    Table1.DisableControls();
    std::array<double, kEntryArrayLength> newestWeights{};
    for (double& weight : newestWeights) {
        // Stepping back from the oldest entry stays on it.
        weight = WeightThenBack(Table1, *Table1WEIGHT, 1);
    }
    ::FillEntryArray(newestWeights, EntryArray, EntryMax, EntryMin);
    Table1.Last();
    Table1.EnableControls();
}

void TMainForm::MainAgoLabels() {
    Table1.Last();
    Table1.DisableControls();
    // Today, then 30, 60 and 365 entries back.
    const std::array<int, 4> moves{30, 30, 305, 0};
    for (std::size_t i = 0; i < MainEdit.size(); ++i) {
        const double weight = WeightThenBack(Table1, *Table1WEIGHT, moves[i]);
        MainEdit[i]->setText(FromStd(StoredWeightText(weight, DisplayUnit())));
    }
    Table1.Last();
    Table1.EnableControls();
}

void TMainForm::FutureDayLabels(std::span<const float, kEntryArrayLength> EntryArray) {
    const FutureDayValues trend = ComputeFutureDayValues(EntryArray);
    const units::UnitSystem unit = DisplayUnit();
    FutureEdit[3]->setText(FromStd(TrendText(trend.Today, unit)));
    FutureEdit[2]->setText(FromStd(TrendText(trend.In30Days, unit)));
    FutureEdit[1]->setText(FromStd(TrendText(trend.In60Days, unit)));
    FutureEdit[0]->setText(FromStd(TrendText(trend.In90Days, unit)));
}

void TMainForm::LightUpdate(std::span<const float, kEntryArrayLength> series) {
    const LightColours colours = ColoursOf(LitLight(series));
    RedLight->SetBrushColor(ColourOf(colours.RedLight));
    YellowLight->SetBrushColor(ColourOf(colours.YellowLight));
    GreenLight->SetBrushColor(ColourOf(colours.GreenLight));
}

void TMainForm::GoalUpdate(std::span<const float, kEntryArrayLength> series) {
    const double shown = sysutils::StrToFloat(GoalLabel->text().toStdString());
    const float goal = GoalPounds(shown, DisplayUnit() == units::UnitSystem::Metric);
    ReachedLabel->setText(FromStd(ReachedText(ForecastGoal(series, goal))));
}

void TMainForm::ChartWeekArray(std::span<float, kWeekArrayLength> WeekArray, float WeekMax) {
    ScaleChangeSeries(WeekArray, WeekMax);
    // The newest week stands on the right.
    for (std::size_t K = 1; K <= WeekShape.size(); ++K) {
        ShowBar(WeekShape[K - 1], WeekArray[kWeekArrayLength - K]);
    }
}

void TMainForm::ChartWeekDayArray(std::span<float, kWeekDayArrayLength> WeekDayArray,
                                  float WeekDayMax) {
    ScaleChangeSeries(WeekDayArray, WeekDayMax);
    Table1.Last();
    const int dow = DayOfWeek(Table1DATE->AsDateTime());
    for (int K = 1; K <= static_cast<int>(DayShape.size()); ++K) {
        ShowBar(DayShape[static_cast<std::size_t>(K - 1)],
                WeekDayArray[static_cast<std::size_t>(WeekDayElement(dow, K))]);
    }
}

void TMainForm::ChartAvgArray(std::span<float, kAvgArrayLength> AvgArray, float AvgMax,
                              float AvgMin) {
    ScaleLevelSeries(AvgArray, AvgMax, AvgMin);
    // The oldest average on the left, today's on the right.
    ShowLevels(AvgGauge, [&](std::size_t i) { return AvgArray[kAvgArrayLength - 1 - i]; });
}

void TMainForm::ChartEntryArray(std::span<float, kEntryArrayLength> EntryArray, float EntryMax,
                                float EntryMin) {
    const std::span<float> shown = EntryArray.first(EntryGauge.size());
    ScaleLevelSeries(shown, EntryMax, EntryMin);
    ShowLevels(EntryGauge, [&](std::size_t i) { return shown[shown.size() - 1 - i]; });
}

void TMainForm::ChartFutureArray(std::span<float, kFutureArrayLength> FutureArray, float FutureMax,
                                 float FutureMin) {
    ScaleLevelSeries(FutureArray, FutureMax, FutureMin);
    // Today's trend value on the left.
    ShowLevels(FGauge, [&](std::size_t i) { return FutureArray[i]; });
}

void TMainForm::LabelUpdate(float EntryMax, float EntryMin, float AvgMax, float AvgMin,
                            float WeekDayMax, float WeekMax, float FutureMax, float FutureMin) {
    const units::UnitSystem unit = DisplayUnit();
    ShowTexts(EntryChartLabels, LevelAxisLabels(EntryMax, EntryMin, unit));
    ShowTexts(AvgChartLabels, LevelAxisLabels(AvgMax, AvgMin, unit));
    ShowTexts(FChartLabels, LevelAxisLabels(FutureMax, FutureMin, unit));
    ShowTexts(WLabels, ChangeAxisLabels(WeekMax, unit));
    ShowTexts(DayLabels, ChangeAxisLabels(WeekDayMax, unit));
}
