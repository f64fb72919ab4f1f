#pragma once

#include <string>

#include "shell/units.h"

// The Goal page's edit box: stepping the typed goal and turning it into the
// pounds the settings store keeps. Texts are read with the regional decimal
// separator; one that is not a number raises sysutils::EConvertError before
// anything changes.

// The goal to store for the number typed in the display unit: kilograms are
// converted and rounded to a tenth of a pound.
float GoalToStore(double typed, units::UnitSystem unit);

// The spin button's steps of half a unit. Down never goes below 0 from a
// value of 0 or less; up never goes above 999.5, the heaviest weight a log
// holds.
std::string SpinDownText(const std::string& text);
std::string SpinUpText(const std::string& text);
