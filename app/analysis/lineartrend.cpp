#include "analysis/lineartrend.h"

#include <stdexcept>

namespace {

constexpr double kWindow = static_cast<double>(kTrendWindow);
constexpr double kOneTwentyFirst = 1.0 / kWindow;

// Each running sum is stored as a 32-bit float, so results depend on the
// order of accumulation, which is from the window's newest entry backwards.
float Accumulate(float sum, double term) {
    return static_cast<float>(static_cast<double>(sum) + term);
}

}  // namespace

float Slope(std::span<const float> series, std::size_t offset) {
    if (series.size() < offset + kTrendWindow) {
        throw std::out_of_range("Slope needs offset + 21 elements");
    }
    float sx = 0.0F;
    float sxx = 0.0F;
    float sy = 0.0F;
    float sxy = 0.0F;
    for (std::size_t x = 0; x < kTrendWindow; ++x) {
        const double dx = static_cast<double>(x);
        const double y = static_cast<double>(series[offset + x]);
        sx = Accumulate(sx, dx);
        sxx = Accumulate(sxx, dx * dx);
        sy = Accumulate(sy, y);
        sxy = Accumulate(sxy, dx * y);
    }
    const double numerator = kWindow * sxy - static_cast<double>(sx) * sy;
    const double denominator = kWindow * sxx - static_cast<double>(sx) * sx;
    // x grows towards older entries; negating gives the change forward in time.
    return static_cast<float>(-numerator / denominator);
}

float Intercept(std::span<const float> series) {
    const float slope = Slope(series, 0);
    float sx = 0.0F;
    float sy = 0.0F;
    for (std::size_t x = 0; x < kTrendWindow; ++x) {
        sx = Accumulate(sx, static_cast<double>(x));
        sy = Accumulate(sy, static_cast<double>(series[x]));
    }
    const auto mx = static_cast<float>(static_cast<double>(sx) * kOneTwentyFirst);
    const auto my = static_cast<float>(static_cast<double>(sy) * kOneTwentyFirst);
    return static_cast<float>(static_cast<double>(my) -
                              static_cast<double>(slope) * static_cast<double>(mx));
}

float LinearTrend(std::span<const float> series, int day) {
    const auto rise = static_cast<float>(static_cast<double>(Slope(series, 0)) * day);
    return static_cast<float>(static_cast<double>(rise) + static_cast<double>(Intercept(series)));
}
