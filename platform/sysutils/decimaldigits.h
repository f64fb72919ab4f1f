#pragma once

#include <string>

namespace sysutils {

// A double's decimal form with 18 significant digits, the form on which every
// rounding decision is made, so that formats agree with each other and never
// depend on binary arithmetic. Internal to the number formats.
struct DecimalDigits {
    bool negative = false;
    // Significant digits without trailing zeros; empty means zero.
    std::string digits;
    // The power of ten of the first digit.
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
    // The digit at the given power of ten ('0' outside the stored digits).
    char DigitAt(int power) const;
    // Digits for the powers from 'highest' down to 'lowest' inclusive.
    std::string DigitsBetween(int highest, int lowest) const;
};

// Only for finite values.
DecimalDigits DecimalDigitsOf(double value);

// Keeps the first 'count' digits, rounding half away from zero. With no digit
// kept, the first digit alone decides between zero and one unit just above it.
void RoundToSignificant(DecimalDigits& number, int count);

}  // namespace sysutils
