#pragma once

#include <span>

// How the charts turn a series into gauge fills and bar sizes. The charts
// rescale their series in place, as the pass hands each series to its chart
// last.

// The level charts' gauges run from 0 (the lower bound) to 100 (the upper).
// When the bounds are equal there is no range to scale to: every value
// becomes 0, so the gauges show empty.
void ScaleLevelSeries(std::span<float> values, float Max, float Min);

// The change charts' bars are 121 pixels for the bound M.
void ScaleChangeSeries(std::span<float> values, float M);

// A rescaled value as a gauge's progress: truncated toward zero and kept
// within 0 to 100, which the gauge would clamp to anyway.
int GaugeProgress(float scaled);

// The zero line of the change charts, in pixels from the page's top.
inline constexpr int kZeroLine = 144;

// Where a change bar lies: a rise stands on the zero line, a fall or no
// change hangs from it.
struct BarGeometry {
    int Height;
    int Top;

    friend bool operator==(const BarGeometry&, const BarGeometry&) = default;
};

BarGeometry BarOf(float scaled);

// The WeekDayArray element that the day chart's rectangle K (1 for Sunday to
// 7 for Saturday) shows, when the newest entry fell on day of week dow (1
// for Sunday to 7 for Saturday).
int WeekDayElement(int dow, int K);
