#pragma once

#include <array>
#include <string_view>

// The conversion factors and the texts that follow the display unit. Weights
// are stored in pounds; these apply only where a number is shown or typed.
// The factors are deliberately not reciprocals of one another: a value
// converted one way and back comes out slightly changed, as users know it.
namespace units {

inline constexpr double kKilogramsPerPound = 0.453592;  // pounds to kilograms, for display
inline constexpr double kPoundsPerKilogram = 2.205;     // kilograms to pounds, for storing
inline constexpr double kInchesPerMetre = 39.372;       // metres to inches
inline constexpr double kMetresPerInch = 0.0254;        // inches to metres

enum class UnitSystem { Imperial, Metric };

// What status panel 0 shows.
constexpr std::string_view MeasurementText(UnitSystem unit) {
    return unit == UnitSystem::Imperial ? "Measurements in pounds and inches"
                                        : "Measurements in kilos and metres";
}

// The captions CaLabel1 to CaLabel4 over the calorie table's weight classes.
constexpr std::array<std::string_view, 4> WeightClassCaptions(UnitSystem unit) {
    if (unit == UnitSystem::Imperial) {
        return {"105-115", "127-137", "160-170", "182-192"};
    }
    return {"48-52", "58-62", "73-77", "83-87"};
}

}  // namespace units
