#include "db/tdatefield.h"

#include <charconv>
#include <cstdio>

#include "sysutils/exceptions.h"

namespace db {

namespace {

// Reads the decimal digits text[start, start + count) into value.
bool ReadNumber(const std::string& text, std::size_t start, std::size_t count, int& value) {
    const char* first = text.data() + start;
    const char* last = first + count;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc{} && end == last && value >= 0;
}

}  // namespace

Variant TDateField::Value() const {
    if (IsNull()) {
        return std::monostate{};
    }
    return AsDateTime();
}

void TDateField::SetValue(const Variant& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        Clear();
    } else if (const auto* day = std::get_if<std::chrono::sys_days>(&value)) {
        SetAsDateTime(*day);
    } else if (const std::string* text = std::get_if<std::string>(&value)) {
        SetAsString(*text);
    } else {
        ThrowTypeMismatch("Float");
    }
}

std::chrono::sys_days TDateField::AsDateTime() const {
    const Date* date = std::get_if<Date>(&Data());
    return date != nullptr ? FromEngineDate(*date) : std::chrono::sys_days{};
}

void TDateField::SetAsDateTime(std::chrono::sys_days value) {
    SetData(ToEngineDate(value));
}

std::string TDateField::AsString() const {
    if (IsNull()) {
        return {};
    }
    const std::chrono::year_month_day day{AsDateTime()};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

void TDateField::SetAsString(const std::string& text) {
    if (text.empty()) {
        Clear();
        return;
    }
    int year = 0;
    int month = 0;
    int day = 0;
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                        ReadNumber(text, 0, 4, year) && ReadNumber(text, 5, 2, month) &&
                        ReadNumber(text, 8, 2, day);
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!shaped || !date.ok()) {
        throw sysutils::EConvertError("'" + text + "' is not a valid date");
    }
    SetAsDateTime(std::chrono::sys_days{date});
}

}  // namespace db
