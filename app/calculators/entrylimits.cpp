#include "calculators/entrylimits.h"

namespace calculators {

std::array<EntryLimit, 6> EntryLimits(units::UnitSystem unit) {
    using enum CalculatorEntry;
    if (unit == units::UnitSystem::Imperial) {
        return {{{Height, 15.0, true},
                 {Height, 150.0, false},
                 {Weight, 10.0, true},
                 {Weight, 1000.0, false},
                 {Age, 0.0, true},
                 {Age, 150.0, false}}};
    }
    return {{{Height, 0.1, true},
             {Height, 10.0, false},
             {Weight, 4.0, true},
             {Weight, 400.0, false},
             {Age, 0.0, true},
             {Age, 150.0, false}}};
}

std::string_view EntriesMessage(units::UnitSystem unit) {
    if (unit == units::UnitSystem::Imperial) {
        return "Please enter values again.\n\nWeight in pounds and height in inches.\n\nAge in "
               "years.";
    }
    return "Please enter values again.\n\nWeight in kilos and height in metres.\n\nAge in years.";
}

}  // namespace calculators
