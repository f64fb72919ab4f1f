#include "sysutils/numberformat.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "sysutils/exceptions.h"

namespace sysutils {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsSign(char c) {
    return c == '+' || c == '-';
}

// Copies a run of digits and reports how many there were.
std::size_t CopyDigits(std::string_view text, std::size_t& pos, std::string& out) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        out += text[pos++];
    }
    return pos - start;
}

// Checks the text against sign, digits with at most one separator and an
// optional exponent, and rewrites it with '.' so that the conversion does not
// depend on any locale. Returns nothing for any other text.
std::optional<std::string> Normalise(std::string_view text, char separator) {
    std::string out;
    std::size_t pos = 0;
    if (pos < text.size() && IsSign(text[pos])) {
        // The conversion below takes a '-' but no '+'.
        if (text[pos] == '-') {
            out += '-';
        }
        ++pos;
    }
    std::size_t digits = CopyDigits(text, pos, out);
    if (pos < text.size() && text[pos] == separator) {
        out += '.';
        ++pos;
        digits += CopyDigits(text, pos, out);
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        out += 'e';
        ++pos;
        if (pos < text.size() && IsSign(text[pos])) {
            out += text[pos++];
        }
        if (CopyDigits(text, pos, out) == 0) {
            return std::nullopt;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return out;
}

}  // namespace

double StrToFloat(const std::string& text) {
    const auto normal = Normalise(TrimBlanks(text), DecimalSeparator());
    double value = 0;
    if (normal) {
        const char* end = normal->data() + normal->size();
        const auto [ptr, error] = std::from_chars(normal->data(), end, value);
        if (error == std::errc() && ptr == end) {
            return value;
        }
    }
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

}  // namespace sysutils
