#pragma once

#include <array>
#include <string_view>

#include "shell/units.h"

// The ranges the calculator accepts for its three entries, in the order in
// which they are checked, and the message that asks for new values.
namespace calculators {

enum class CalculatorEntry { Weight, Height, Age };

// One exclusive bound: the entry must lie above it or below it.
struct EntryLimit {
    CalculatorEntry entry;
    double bound;
    bool mustExceed;

    bool Accepts(double value) const { return mustExceed ? value > bound : value < bound; }
};

// Height first, then weight, then age; lower bound before upper bound.
std::array<EntryLimit, 6> EntryLimits(units::UnitSystem unit);

// What the user is told when an entry is out of range.
std::string_view EntriesMessage(units::UnitSystem unit);

inline constexpr std::string_view kEntriesCaption = "Calculation Entries";

}  // namespace calculators
