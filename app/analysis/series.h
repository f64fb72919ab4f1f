#pragma once

#include <array>
#include <cstddef>
#include <span>

// The five series the recalculation pass builds from the newest entries of
// the weight log, with the bounds that scale their charts. All values are
// pounds held as 32-bit floats; element 0 is always the newest. Plain
// arithmetic: the caller walks the log and hands over the weights it read.

inline constexpr std::size_t kEntryArrayLength = 66;
inline constexpr std::size_t kWeekArrayLength = 8;
inline constexpr std::size_t kWeekDayArrayLength = 7;
inline constexpr std::size_t kAvgArrayLength = 60;
inline constexpr std::size_t kFutureArrayLength = 61;

// Every maximum search starts at 0 and every minimum search at 9000, which is
// above any weight the log accepts.
inline constexpr float kMaxSeed = 0.0F;
inline constexpr float kMinSeed = 9000.0F;

// Fills EntryArray from the log's weights, newest first. A log shorter than
// the array repeats its oldest weight, as the walk back stops at the first
// record. Throws std::invalid_argument for an empty log.
void FillEntryArray(std::span<const double> newestWeights,
                    std::span<float, kEntryArrayLength> EntryArray, float& EntryMax,
                    float& EntryMin);

void FillWeekArray(std::span<const float, kEntryArrayLength> EntryArray,
                   std::span<float, kWeekArrayLength> WeekArray, float& WeekMax);

void FillWeekDayArray(std::span<const float, kEntryArrayLength> EntryArray,
                      std::span<float, kWeekDayArrayLength> WeekDayArray, float& WeekDayMax);

void FillAvgArray(std::span<const float, kEntryArrayLength> EntryArray,
                  std::span<float, kAvgArrayLength> AvgArray, float& AvgMax, float& AvgMin);

void FillFutureArray(std::span<const float, kEntryArrayLength> EntryArray,
                     std::span<float, kFutureArrayLength> FutureArray, float& FutureMax,
                     float& FutureMin);

// Everything one recalculation pass builds, before the charts rescale it.
struct Series {
    std::array<float, kEntryArrayLength> EntryArray{};
    std::array<float, kWeekArrayLength> WeekArray{};
    std::array<float, kWeekDayArrayLength> WeekDayArray{};
    std::array<float, kAvgArrayLength> AvgArray{};
    std::array<float, kFutureArrayLength> FutureArray{};
    float EntryMax = kMaxSeed;
    float EntryMin = kMinSeed;
    float WeekMax = kMaxSeed;
    float WeekDayMax = kMaxSeed;
    float AvgMax = kMaxSeed;
    float AvgMin = kMinSeed;
    float FutureMax = kMaxSeed;
    float FutureMin = kMinSeed;
};

// Seeds the bounds and runs the five builders in the pass's order.
Series BuildSeries(std::span<const double> newestWeights);
