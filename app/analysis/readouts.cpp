#include "analysis/readouts.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "analysis/lineartrend.h"

MainAgoWeights ReadMainAgoWeights(std::span<const double> newestWeights) {
    if (newestWeights.empty()) {
        throw std::invalid_argument("ReadMainAgoWeights needs at least one entry");
    }
    // Moving back stops at the oldest entry.
    const std::size_t oldest = newestWeights.size() - 1;
    const auto at = [&](std::size_t index) { return newestWeights[std::min(index, oldest)]; };
    return {at(0), at(30), at(60), at(365)};
}

FutureDayValues ComputeFutureDayValues(std::span<const float> EntryArray) {
    return {LinearTrend(EntryArray, 20), LinearTrend(EntryArray, 50), LinearTrend(EntryArray, 80),
            LinearTrend(EntryArray, 110)};
}
