#pragma once

#include <array>
#include <string>

#include "shell/units.h"

// The numbers on the charts' value axes, in the display unit. They show the
// bounds as the pass widened them, not the raw extremes.

// A level chart's five labels, top to bottom: Max, three quarters, half and
// one quarter of the way up from Min, and Min.
std::array<std::string, 5> LevelAxisLabels(float Max, float Min, units::UnitSystem unit);

// A change chart's six labels around its fixed "0", top to bottom: M, its
// 0.6666 and 0.3333 fractions, and their negatives.
std::array<std::string, 6> ChangeAxisLabels(float M, units::UnitSystem unit);
