#pragma once

#include <cstdint>
#include <string_view>

namespace calculators {

// The rating line for a body-mass index, judged by the limits of the sex
// flag (1 for men, any other value for women). A BMI equal to a limit falls
// into the lower band.
std::string_view BMIRating(std::uint8_t sex, float bmi);

}  // namespace calculators
