#include "calculators/bmirating.h"

#include <array>

#include "calculators/bodycalculations.h"

namespace calculators {

namespace {

struct Band {
    double above;
    std::string_view text;
};

// From the top down; below the last limit lies "Underweight".
constexpr std::array<Band, 5> kMenBands{{
    {45.3, "Your Rating is:  Morbid obesity"},
    {31.0, "Your Rating is:  Severe overweight"},
    {27.7, "Your Rating is:  Overweight"},
    {26.3, "Your Rating is:  Marginally overweight"},
    {20.6, "Your Rating is:  Acceptable weight"},
}};

constexpr std::array<Band, 5> kWomenBands{{
    {44.6, "Your Rating is:  Morbid obesity"},
    {32.2, "Your Rating is:  Severe overweight"},
    {27.2, "Your Rating is:  Overweight"},
    {25.7, "Your Rating is:  Marginally overweight"},
    {19.0, "Your Rating is:  Acceptable weight"},
}};

constexpr std::string_view kUnderweight = "Your Rating is:  Underweight";

}  // namespace

std::string_view BMIRating(std::uint8_t sex, float bmi) {
    for (const Band& band : sex == kMale ? kMenBands : kWomenBands) {
        if (bmi > band.above) {
            return band.text;
        }
    }
    return kUnderweight;
}

}  // namespace calculators
