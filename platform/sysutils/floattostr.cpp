#include "sysutils/numberformat.h"

#include <cmath>
#include <string>

#include "sysutils/decimaldigits.h"

namespace sysutils {

namespace {

constexpr int kGeneralDigits = 15;
constexpr int kSmallestFixedExponent = -5;
constexpr int kLargestFixedExponent = kGeneralDigits - 1;

std::string NotFinite(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

// Plain notation: the integer part (at least "0"), then the fraction if any.
std::string Fixed(const DecimalDigits& number) {
    const int lastPower = number.exponent - static_cast<int>(number.digits.size()) + 1;
    std::string text = number.exponent >= 0 ? number.DigitsBetween(number.exponent, 0) : "0";
    if (lastPower < 0) {
        text += DecimalSeparator();
        text += number.DigitsBetween(-1, lastPower);
    }
    return text;
}

std::string Scientific(const DecimalDigits& number) {
    std::string text(1, number.digits.front());
    if (number.digits.size() > 1) {
        text += DecimalSeparator();
        text += number.digits.substr(1);
    }
    return text + "E" + std::to_string(number.exponent);
}

}  // namespace

std::string FloatToStr(double value) {
    if (!std::isfinite(value)) {
        return NotFinite(value);
    }
    DecimalDigits number = DecimalDigitsOf(value);
    RoundToSignificant(number, kGeneralDigits);
    if (number.IsZero()) {
        return "0";
    }
    const bool fixed =
        number.exponent >= kSmallestFixedExponent && number.exponent <= kLargestFixedExponent;
    const std::string text = fixed ? Fixed(number) : Scientific(number);
    return number.negative ? "-" + text : text;
}

}  // namespace sysutils
