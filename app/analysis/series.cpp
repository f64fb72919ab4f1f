#include "analysis/series.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "analysis/lineartrend.h"

namespace {

// Bounds are widened by 2 % of their own value so the extremes stay inside
// the level charts; the change charts get 0.001 so they never divide by 0.
constexpr double kMaxMargin = 1.02;
constexpr double kMinMargin = 0.98;
constexpr double kChangeMargin = 0.001;
constexpr double kFutureMargin = 3.0;

// Held at the highest precision the machine offers.
constexpr long double kOneSeventh = 1.0L / 7.0L;

constexpr std::size_t kDaysPerWeek = 7;

// Strict comparisons: a value equal to the bound leaves it as it is.
void UpdateBounds(float value, float& max, float& min) {
    if (value > max) {
        max = value;
    }
    if (value < min) {
        min = value;
    }
}

void UpdateAbsMax(float value, float& max) {
    if (std::fabs(value) > max) {
        max = std::fabs(value);
    }
}

void WidenLevelBounds(float& max, float& min) {
    max = static_cast<float>(static_cast<double>(max) * kMaxMargin);
    min = static_cast<float>(static_cast<double>(min) * kMinMargin);
}

float Difference(float newer, float older) {
    return static_cast<float>(static_cast<double>(newer) - static_cast<double>(older));
}

float Sum(float runningSum, float value) {
    return static_cast<float>(static_cast<double>(runningSum) + static_cast<double>(value));
}

}  // namespace

void FillEntryArray(std::span<const double> newestWeights,
                    std::span<float, kEntryArrayLength> EntryArray, float& EntryMax,
                    float& EntryMin) {
    if (newestWeights.empty()) {
        throw std::invalid_argument("FillEntryArray needs at least one entry");
    }
    const std::size_t oldest = newestWeights.size() - 1;
    for (std::size_t k = 0; k < kEntryArrayLength; ++k) {
        EntryArray[k] = static_cast<float>(newestWeights[std::min(k, oldest)]);
        UpdateBounds(EntryArray[k], EntryMax, EntryMin);
    }
    WidenLevelBounds(EntryMax, EntryMin);
}

void FillWeekArray(std::span<const float, kEntryArrayLength> EntryArray,
                   std::span<float, kWeekArrayLength> WeekArray, float& WeekMax) {
    for (std::size_t k = 0; k < kWeekArrayLength; ++k) {
        WeekArray[k] = Difference(EntryArray[kDaysPerWeek * k], EntryArray[kDaysPerWeek * (k + 1)]);
        UpdateAbsMax(WeekArray[k], WeekMax);
    }
    WeekMax = static_cast<float>(static_cast<double>(WeekMax) + kChangeMargin);
}

void FillWeekDayArray(std::span<const float, kEntryArrayLength> EntryArray,
                      std::span<float, kWeekDayArrayLength> WeekDayArray, float& WeekDayMax) {
    for (std::size_t d = 0; d < kWeekDayArrayLength; ++d) {
        float sum = 0.0F;
        for (std::size_t j = 0; j < kWeekArrayLength; ++j) {
            const std::size_t newer = kDaysPerWeek * j + d;
            sum = Sum(sum, Difference(EntryArray[newer], EntryArray[newer + kDaysPerWeek]));
        }
        WeekDayArray[d] = sum;
        UpdateAbsMax(sum, WeekDayMax);
    }
    WeekDayMax = static_cast<float>(static_cast<double>(WeekDayMax) + kChangeMargin);
}

void FillAvgArray(std::span<const float, kEntryArrayLength> EntryArray,
                  std::span<float, kAvgArrayLength> AvgArray, float& AvgMax, float& AvgMin) {
    for (std::size_t k = 0; k < kAvgArrayLength; ++k) {
        float sum = 0.0F;
        for (std::size_t i = k; i < k + kDaysPerWeek; ++i) {
            sum = Sum(sum, EntryArray[i]);
        }
        AvgArray[k] = static_cast<float>(static_cast<long double>(sum) * kOneSeventh);
        UpdateBounds(AvgArray[k], AvgMax, AvgMin);
    }
    WidenLevelBounds(AvgMax, AvgMin);
}

void FillFutureArray(std::span<const float, kEntryArrayLength> EntryArray,
                     std::span<float, kFutureArrayLength> FutureArray, float& FutureMax,
                     float& FutureMin) {
    for (std::size_t k = 0; k < kFutureArrayLength; ++k) {
        // Every second day from the newest entry (trend day 20) onwards.
        FutureArray[k] = LinearTrend(EntryArray, 20 + 2 * static_cast<int>(k));
        UpdateBounds(FutureArray[k], FutureMax, FutureMin);
    }
    WidenLevelBounds(FutureMax, FutureMin);
    FutureMax = static_cast<float>(static_cast<double>(FutureMax) + kFutureMargin);
    FutureMin = static_cast<float>(static_cast<double>(FutureMin) - kFutureMargin);
}

Series BuildSeries(std::span<const double> newestWeights) {
    Series s;
    FillEntryArray(newestWeights, s.EntryArray, s.EntryMax, s.EntryMin);
    FillWeekArray(s.EntryArray, s.WeekArray, s.WeekMax);
    FillWeekDayArray(s.EntryArray, s.WeekDayArray, s.WeekDayMax);
    FillAvgArray(s.EntryArray, s.AvgArray, s.AvgMax, s.AvgMin);
    FillFutureArray(s.EntryArray, s.FutureArray, s.FutureMax, s.FutureMin);
    return s;
}
