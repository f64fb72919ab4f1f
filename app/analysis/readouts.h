#pragma once

#include <span>
#include <string>

#include "shell/units.h"

// The texts of the read-outs of the Main and Future pages.

// The trend today and 30, 60 and 90 days ahead.
struct FutureDayValues {
    float Today;
    float In30Days;
    float In60Days;
    float In90Days;
};

FutureDayValues ComputeFutureDayValues(std::span<const float> EntryArray);

// A Main page read-out: the stored weight with all its significant digits in
// pounds, or in kilograms to one decimal.
std::string StoredWeightText(double weight, units::UnitSystem unit);

// A Future page read-out: a trend value to one decimal in the display unit.
std::string TrendText(float pounds, units::UnitSystem unit);
