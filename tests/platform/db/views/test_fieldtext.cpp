#include <gtest/gtest.h>

#include <QLocale>

#include <chrono>
#include <optional>
#include <ostream>

#include "db/views/fieldtext.h"

namespace {

using namespace std::chrono;
using db::views::ParseShortDate;
using db::views::ShortDateText;

struct DateCase {
    const char* name;
    QLocale locale;
    const char* text;
    std::optional<year_month_day> day;
    friend void PrintTo(const DateCase& testCase, std::ostream* out) { *out << testCase.name; }
};

class ShortDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(ShortDateTest, ReadsTheLocalesShortDate) {
    const std::optional<sys_days> read = ParseShortDate(GetParam().text, GetParam().locale);
    ASSERT_EQ(read.has_value(), GetParam().day.has_value());
    if (read) {
        EXPECT_EQ(year_month_day{*read}, *GetParam().day);
        EXPECT_EQ(ParseShortDate(ShortDateText(*read, GetParam().locale), GetParam().locale), read);
    }
}

const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale kGermany(QLocale::German, QLocale::Germany);

INSTANTIATE_TEST_SUITE_P(
    Dates, ShortDateTest,
    ::testing::Values(DateCase{"TwoDigitYearIsThisCentury", kUnitedStates, "1/5/24",
                               2024y / January / 5},
                      DateCase{"FourDigitYear", kUnitedStates, "1/5/2024", 2024y / January / 5},
                      DateCase{"LeapDay", kUnitedStates, "2/29/24", 2024y / February / 29},
                      DateCase{"NoSuchDay", kUnitedStates, "2/30/24", std::nullopt},
                      DateCase{"DayFirstLocale", kGermany, "05.01.24", 2024y / January / 5},
                      DateCase{"OtherLocalesOrder", kGermany, "1/5/24", std::nullopt},
                      DateCase{"FullYearLocale", QLocale::c(), "5 Jan 2024", 2024y / January / 5},
                      DateCase{"Words", kUnitedStates, "today", std::nullopt},
                      DateCase{"Empty", kUnitedStates, "", std::nullopt}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
