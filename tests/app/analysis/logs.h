#pragma once

#include <cstddef>
#include <vector>

// Weight logs for the analysis tests, newest entry first, as the recalculation
// pass reads them.

// Changes by changePerDay each day up to the newest weight: a falling log has
// a negative change, so its older entries are heavier.
inline std::vector<double> SteadyLog(double newest, double changePerDay, std::size_t count = 66) {
    std::vector<double> log;
    for (std::size_t k = 0; k < count; ++k) {
        log.push_back(newest - changePerDay * static_cast<double>(k));
    }
    return log;
}

inline std::vector<double> FlatLog(double weight, std::size_t count = 66) {
    return std::vector<double>(count, weight);
}

// The weights as a 32-bit series, one element per entry.
inline std::vector<float> AsSeries(const std::vector<double>& log) {
    std::vector<float> series;
    for (const double weight : log) {
        series.push_back(static_cast<float>(weight));
    }
    return series;
}
