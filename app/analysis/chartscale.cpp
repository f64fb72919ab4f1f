#include "analysis/chartscale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLevelRange = 100.0;
constexpr double kTallestBar = 121.0;
constexpr int kDaysPerWeek = 7;

// Keeps a value that no bar or gauge can show from overflowing the integer
// conversion; anything beyond these ends draws the same.
constexpr float kPixelLimit = 1.0e6F;

int Truncated(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::fmax(-kPixelLimit, std::fmin(kPixelLimit, value)));
}

}  // namespace

void ScaleLevelSeries(std::span<float> values, float Max, float Min) {
    if (Max == Min) {
        for (float& v : values) {
            v = 0.0F;
        }
        return;
    }
    const auto scale =
        static_cast<float>(kLevelRange / (static_cast<double>(Max) - static_cast<double>(Min)));
    for (float& v : values) {
        v = static_cast<float>((static_cast<double>(v) - static_cast<double>(Min)) *
                               static_cast<double>(scale));
    }
}

void ScaleChangeSeries(std::span<float> values, float M) {
    const auto scale = static_cast<float>(kTallestBar / static_cast<double>(M));
    for (float& v : values) {
        v = static_cast<float>(static_cast<double>(v) * static_cast<double>(scale));
    }
}

int GaugeProgress(float scaled) {
    return std::clamp(Truncated(scaled), 0, 100);
}

BarGeometry BarOf(float scaled) {
    const int height = Truncated(std::fabs(scaled));
    return {height, scaled > 0.0F ? kZeroLine - height : kZeroLine};
}

int WeekDayElement(int dow, int K) {
    return K <= dow ? dow - K : dow - K + kDaysPerWeek;
}
