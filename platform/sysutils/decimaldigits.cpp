#include "sysutils/decimaldigits.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace sysutils {

namespace {

constexpr int kSignificantDigits = 18;

void DropTrailingZeros(DecimalDigits& number) {
    const auto last = number.digits.find_last_not_of('0');
    number.digits.erase(last == std::string::npos ? 0 : last + 1);
}

// Adds one unit in the last kept digit; a carry out of the first digit
// becomes a new leading 1.
void IncrementLastDigit(DecimalDigits& number) {
    for (auto it = number.digits.rbegin(); it != number.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    number.digits.insert(number.digits.begin(), '1');
    ++number.exponent;
}

}  // namespace

char DecimalDigits::DigitAt(int power) const {
    const long index = static_cast<long>(exponent) - power;
    if (index < 0 || index >= static_cast<long>(digits.size())) {
        return '0';
    }
    return digits[static_cast<std::size_t>(index)];
}

std::string DecimalDigits::DigitsBetween(int highest, int lowest) const {
    std::string result;
    for (int power = highest; power >= lowest; --power) {
        result += DigitAt(power);
    }
    return result;
}

DecimalDigits DecimalDigitsOf(double value) {
    // std::to_chars rounds the exact binary value correctly and, unlike
    // printf, ignores the C locale: "d.ddddddddddddddddde+XX".
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = text.find('e');
    DecimalDigits number;
    number.negative = std::signbit(value);
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            number.digits += c;
        }
    }
    const auto exponent = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), number.exponent);
    DropTrailingZeros(number);
    return number;
}

void RoundToSignificant(DecimalDigits& number, int count) {
    if (count < 0 || number.IsZero()) {
        number.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(count) >= number.digits.size()) {
        return;
    }
    const bool roundUp = number.digits[static_cast<std::size_t>(count)] >= '5';
    number.digits.erase(static_cast<std::size_t>(count));
    if (roundUp) {
        if (number.digits.empty()) {
            number.digits = "1";
            ++number.exponent;
        } else {
            IncrementLastDigit(number);
        }
    }
    DropTrailingZeros(number);
}

}  // namespace sysutils
