#include "sysutils/numberformat.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "sysutils/decimaldigits.h"

namespace sysutils {

namespace {

// Digits beyond this are no longer exact in an 18-digit decimal form, so such
// values fall back to the general format.
constexpr double kLargestFixed = 1e18;

struct FloatPattern {
    int minInteger = 0;
    int minFraction = 0;
    int maxFraction = 0;
};

FloatPattern ParsePattern(std::string_view format) {
    if (format.find_first_not_of("#0.") != std::string_view::npos ||
        format.find('.') != format.rfind('.')) {
        throw std::invalid_argument("unsupported number format '" + std::string(format) + "'");
    }
    const auto point = std::min(format.find('.'), format.size());
    const auto integerPart = format.substr(0, point);
    const auto fractionPart = format.substr(std::min(point + 1, format.size()));
    const auto firstZero = integerPart.find('0');
    const auto lastZero = fractionPart.rfind('0');
    FloatPattern pattern;
    pattern.minInteger =
        firstZero == std::string_view::npos ? 0 : static_cast<int>(point - firstZero);
    pattern.minFraction = lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero + 1);
    pattern.maxFraction = static_cast<int>(fractionPart.size());
    return pattern;
}

std::string IntegerDigits(const DecimalDigits& number, int minDigits) {
    std::string digits;
    if (!number.IsZero() && number.exponent >= 0) {
        digits = number.DigitsBetween(number.exponent, 0);
    }
    if (static_cast<int>(digits.size()) < minDigits) {
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    }
    return digits;
}

std::string FractionDigits(const DecimalDigits& number, const FloatPattern& pattern) {
    std::string digits = number.DigitsBetween(-1, -pattern.maxFraction);
    while (static_cast<int>(digits.size()) > pattern.minFraction && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

}  // namespace

std::string FormatFloat(std::string_view format, double value) {
    const FloatPattern pattern = ParsePattern(format);
    if (!std::isfinite(value) || std::fabs(value) >= kLargestFixed) {
        return FloatToStr(value);
    }
    DecimalDigits number = DecimalDigitsOf(value);
    RoundToSignificant(number, number.exponent + pattern.maxFraction + 1);
    std::string text = number.negative && !number.IsZero() ? "-" : "";
    text += IntegerDigits(number, pattern.minInteger);
    const std::string fraction = FractionDigits(number, pattern);
    if (!fraction.empty()) {
        text += DecimalSeparator();
        text += fraction;
    }
    return text;
}

}  // namespace sysutils
