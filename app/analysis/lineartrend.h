#pragma once

#include <cstddef>
#include <span>

// The least-squares trend line through 21 consecutive entries of a series
// (element 0 the newest). Slopes are pounds per day forward in time, so a
// positive slope means a rising weight. The trend day axis starts at
// series[20]: day 20 is the newest entry, day 20 + d lies d days after it.

inline constexpr std::size_t kTrendWindow = 21;

// Throws std::out_of_range when the series holds fewer than offset + 21
// elements.
float Slope(std::span<const float> series, std::size_t offset);

float Intercept(std::span<const float> series);

float LinearTrend(std::span<const float> series, int day);
