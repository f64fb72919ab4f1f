#include "analysis/axislabels.h"

#include "sysutils/numberformat.h"

namespace {

// Short of two thirds and one third, as the axis has always been labelled.
constexpr double kTwoThirds = 0.6666;
constexpr double kOneThird = 0.3333;

std::string AxisText(double pounds, units::UnitSystem unit) {
    const double shown =
        unit == units::UnitSystem::Metric ? pounds * units::kKilogramsPerPound : pounds;
    return sysutils::FormatFloat("###0.0", shown);
}

}  // namespace

std::array<std::string, 5> LevelAxisLabels(float Max, float Min, units::UnitSystem unit) {
    const auto max = static_cast<double>(Max);
    const auto min = static_cast<double>(Min);
    return {AxisText(max, unit), AxisText(min + (max - min) * 0.75, unit),
            AxisText(min + (max - min) * 0.5, unit), AxisText(min + (max - min) * 0.25, unit),
            AxisText(min, unit)};
}

std::array<std::string, 6> ChangeAxisLabels(float M, units::UnitSystem unit) {
    const auto m = static_cast<double>(M);
    return {AxisText(m, unit),
            AxisText(m * kTwoThirds, unit),
            AxisText(m * kOneThird, unit),
            AxisText(0 - m * kOneThird, unit),
            AxisText(0 - m * kTwoThirds, unit),
            AxisText(0 - m, unit)};
}
