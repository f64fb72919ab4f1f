#include "calculators/bodycalculations.h"

#include <array>
#include <cstddef>

namespace calculators {

namespace {

// The calculator's conversions use these three constants only, never the
// display factor from pounds to kilograms.
constexpr double kPoundsPerKilogram = units::kPoundsPerKilogram;
constexpr double kMetresPerInch = units::kMetresPerInch;
constexpr double kInchesPerMetre = units::kInchesPerMetre;

struct BasalFormula {
    double constant;
    double perPound;
    double perInch;
    double perYear;
};

constexpr BasalFormula kMen{66.0, 6.22, 12.7, 6.8};
constexpr BasalFormula kWomen{65.0, 4.36, 8.11, 4.7};

constexpr std::array<double, 5> kActivityFactors{1.0, 1.3, 1.4, 1.6, 1.8};

}  // namespace

float BMI(units::UnitSystem unit, float weight, float height) {
    if (unit == units::UnitSystem::Imperial) {
        const double kilograms = weight / kPoundsPerKilogram;
        const double metres = height * kMetresPerInch;
        return static_cast<float>(kilograms / (metres * metres));
    }
    const double metres = height;
    return static_cast<float>(weight / (metres * metres));
}

float Basal(units::UnitSystem unit, std::uint8_t sex, float weight, float height, float age) {
    const BasalFormula& formula = sex == kMale ? kMen : kWomen;
    double pounds = weight;
    double inches = height;
    if (unit == units::UnitSystem::Metric) {
        pounds *= kPoundsPerKilogram;
        inches *= kInchesPerMetre;
    }
    return static_cast<float>(formula.constant + formula.perPound * pounds +
                              formula.perInch * inches - formula.perYear * age);
}

double ActivityFactor(int activityIndex) {
    if (activityIndex < 0 || activityIndex >= static_cast<int>(kActivityFactors.size())) {
        return 1.0;
    }
    return kActivityFactors[static_cast<std::size_t>(activityIndex)];
}

float DailyCalories(float basal, int activityIndex) {
    return static_cast<float>(basal * ActivityFactor(activityIndex));
}

}  // namespace calculators
