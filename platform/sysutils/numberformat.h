#pragma once

#include <string>
#include <string_view>

// Numbers as the user sees and types them: fixed patterns, the general
// format and reading typed text, all with the regional decimal separator.
namespace sysutils {

// The separator is read once from the system locale at start-up; tests set
// it directly. It starts as '.'.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Formats with a pattern of '#' (optional digit) and '0' (required digit)
// with at most one '.', rounding halves away from zero. Throws
// std::invalid_argument for any other pattern.
std::string FormatFloat(std::string_view format, double value);

// The general format: the shortest form with up to 15 significant digits.
std::string FloatToStr(double value);

// Reads a plain decimal number; throws EConvertError for anything else.
double StrToFloat(const std::string& text);

}  // namespace sysutils
