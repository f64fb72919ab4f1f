#pragma once

#include <cstdint>

#include "shell/units.h"

// The calculator's arithmetic: body-mass index, basal metabolic rate and the
// activity factor. Entries are in the units of the system in force; the
// results are single precision, as the page shows them.
namespace calculators {

// The sex flag of Basal: 1 selects the formula for men, any other value
// the one for women.
inline constexpr std::uint8_t kMale = 1;
inline constexpr std::uint8_t kFemale = 0;

// Weight in pounds or kilograms, height in inches or metres.
float BMI(units::UnitSystem unit, float weight, float height);

// Calories per day; not clamped, so extreme entries can give a negative rate.
float Basal(units::UnitSystem unit, std::uint8_t sex, float weight, float height, float age);

// The factor of an activity level; 1 for "No Activity" and for no selection.
double ActivityFactor(int activityIndex);

// The basal rate multiplied by the activity level's factor.
float DailyCalories(float basal, int activityIndex);

}  // namespace calculators
