#include "analysis/readouts.h"

#include "analysis/lineartrend.h"
#include "sysutils/numberformat.h"

FutureDayValues ComputeFutureDayValues(std::span<const float> EntryArray) {
    return {LinearTrend(EntryArray, 20), LinearTrend(EntryArray, 50), LinearTrend(EntryArray, 80),
            LinearTrend(EntryArray, 110)};
}

std::string StoredWeightText(double weight, units::UnitSystem unit) {
    if (unit == units::UnitSystem::Metric) {
        return sysutils::FormatFloat("###0.0", weight * units::kKilogramsPerPound);
    }
    return sysutils::FloatToStr(weight);
}

std::string TrendText(float pounds, units::UnitSystem unit) {
    const auto value = static_cast<double>(pounds);
    return sysutils::FormatFloat(
        "###0.0", unit == units::UnitSystem::Metric ? value * units::kKilogramsPerPound : value);
}
