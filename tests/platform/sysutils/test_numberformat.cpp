#include "sysutils/numberformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>

#include "sysutils/exceptions.h"

namespace {

using sysutils::FloatToStr;
using sysutils::FormatFloat;
using sysutils::StrToFloat;

constexpr char kSeparators[] = {'.', ','};

// Cases are written with '.'; this puts the separator under test in its place.
std::string WithSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

char OtherSeparator(char separator) {
    return separator == '.' ? ',' : '.';
}

// Runs a table of cases once per decimal separator and restores the separator.
template <typename Case>
class SeparatorTest : public ::testing::TestWithParam<std::tuple<Case, char>> {
protected:
    void SetUp() override { sysutils::SetDecimalSeparator(separator()); }
    void TearDown() override { sysutils::SetDecimalSeparator(saved_); }

    const Case& testCase() const { return std::get<0>(this->GetParam()); }
    char separator() const { return std::get<1>(this->GetParam()); }
    std::string localised(const char* text) const { return WithSeparator(text, separator()); }

private:
    char saved_ = sysutils::DecimalSeparator();
};

// FormatFloat

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << "\"" << c.format << "\" " << c.value;
}

class FormatFloatTest : public SeparatorTest<FormatCase> {};

TEST_P(FormatFloatTest, FormatsWithPattern) {
    EXPECT_EQ(FormatFloat(testCase().format, testCase().value), localised(testCase().expected))
        << "format " << testCase().format << ", value " << testCase().value;
}

INSTANTIATE_TEST_SUITE_P(
    HalvesJudgedOnEighteenDigits, FormatFloatTest,
    ::testing::Combine(::testing::Values(
                           // 0.0500000000000000028 and 0.149999999999999994 as doubles.
                           FormatCase{"###0.0", 0.05, "0.1"}, FormatCase{"###0.0", 0.15, "0.1"},
                           FormatCase{"###0.0", 0.25, "0.3"}, FormatCase{"###0.0", -0.05, "-0.1"},
                           FormatCase{"###0", 2.5, "3"}, FormatCase{"###0", -2.5, "-3"},
                           FormatCase{"###0", 0.5, "1"}, FormatCase{"##0.00", 1.005, "1.00"},
                           // Exactly 1000.00499999999999545..., but 1000.00500000000000000 in
                           // 18 digits, so it rounds up where exact rounding would not.
                           FormatCase{"##0.00", 1000.005, "1000.01"}),
                       ::testing::ValuesIn(kSeparators)));

INSTANTIATE_TEST_SUITE_P(
    ProgramPatterns, FormatFloatTest,
    ::testing::Combine(
        ::testing::Values(
            FormatCase{"###0.0", 68.0388, "68.0"}, FormatCase{"###0.0", 150.300003051758, "150.3"},
            FormatCase{"###0.0", static_cast<double>(150.3f), "150.3"},
            FormatCase{"###0.0", 999.5 * 0.453592, "453.4"}, FormatCase{"###0.0", 9.96, "10.0"},
            FormatCase{"###0.0", 123456.78, "123456.8"}, FormatCase{"###0.0", -68.04, "-68.0"},
            FormatCase{"###0.0", 0.0, "0.0"}, FormatCase{"###0.0", -0.0, "0.0"},
            FormatCase{"###0.0", -0.04, "0.0"}, FormatCase{"###0.0", 1e-300, "0.0"},
            FormatCase{"####.0", 0.5, ".5"}, FormatCase{"####.0", 0.0, ".0"},
            FormatCase{"####.0", 150.0, "150.0"}, FormatCase{"####.0", -0.5, "-.5"},
            FormatCase{"####.0", 0.04, ".0"}, FormatCase{"####.0", 0.96, "1.0"},
            FormatCase{"###0", 0.4, "0"}, FormatCase{"###0", -0.4, "0"},
            FormatCase{"###0", 365.5, "366"}, FormatCase{"##0.00", 25.8166, "25.82"},
            FormatCase{"##0.00", 0.0, "0.00"}, FormatCase{"##0.00", 99.999, "100.00"},
            FormatCase{"####0", 1234.5, "1235"}, FormatCase{"####0", -1500.4, "-1500"},
            FormatCase{"####0", 123456.0, "123456"},
            FormatCase{"###0", 999999999999999872.0, "999999999999999872"}),
        ::testing::ValuesIn(kSeparators)));

INSTANTIATE_TEST_SUITE_P(
    OtherPatterns, FormatFloatTest,
    ::testing::Combine(::testing::Values(
                           // Optional decimals drop trailing zeros, and the separator with them.
                           FormatCase{"0.##", 1.5, "1.5"}, FormatCase{"0.##", 1.0, "1"},
                           FormatCase{"0.##", 1.004, "1"}, FormatCase{"0.##", -0.001, "0"},
                           FormatCase{"0.0#", 1.5, "1.5"}, FormatCase{"0.0#", 1.456, "1.46"},
                           FormatCase{"0.0#", 2.0, "2.0"},
                           // Decimals up to the last '0' are required, '#' before it or not.
                           FormatCase{"0.#0", 1.5, "1.50"},
                           // Required integer digits count from the first '0'.
                           FormatCase{"000", 7.0, "007"}, FormatCase{"#0#.0", 5.0, "05.0"},
                           FormatCase{"0", 1234.0, "1234"}),
                       ::testing::ValuesIn(kSeparators)));

TEST(FormatFloatEdges, FallsBackToGeneralFormatBeyondFixedRange) {
    EXPECT_EQ(FormatFloat("###0.0", 1e18), "1E18");
    EXPECT_EQ(FormatFloat("###0.0", -2.5e300), "-2.5E300");
    EXPECT_EQ(FormatFloat("###0.0", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat("###0.0", std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatFloat("###0.0", -std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatFloatEdges, RefusesPatternsOutsideDigitsAndOnePoint) {
    EXPECT_THROW(FormatFloat("#,##0.0", 1.0), std::invalid_argument);
    EXPECT_THROW(FormatFloat("0.0.0", 1.0), std::invalid_argument);
    EXPECT_THROW(FormatFloat("0.0 kg", 1.0), std::invalid_argument);
}

// FloatToStr

struct GeneralCase {
    double value;
    const char* expected;
};

void PrintTo(const GeneralCase& c, std::ostream* os) {
    *os << c.value;
}

class FloatToStrTest : public SeparatorTest<GeneralCase> {};

TEST_P(FloatToStrTest, WritesShortestFormWithFifteenDigits) {
    EXPECT_EQ(FloatToStr(testCase().value), localised(testCase().expected))
        << "value " << testCase().value;
}

INSTANTIATE_TEST_SUITE_P(
    Fixed, FloatToStrTest,
    ::testing::Combine(
        ::testing::Values(
            GeneralCase{static_cast<double>(150.3f), "150.300003051758"}, GeneralCase{150.0, "150"},
            GeneralCase{68.2, "68.2"}, GeneralCase{0.5, "0.5"}, GeneralCase{-150.25, "-150.25"},
            GeneralCase{0.0, "0"}, GeneralCase{-0.0, "0"}, GeneralCase{0.1 + 0.2, "0.3"},
            GeneralCase{1.0 / 3, "0.333333333333333"}, GeneralCase{2.0 / 3, "0.666666666666667"},
            GeneralCase{123456789012345.0, "123456789012345"}, GeneralCase{0.00001, "0.00001"},
            // Rounds up to 0.00001 first, which then is fixed.
            GeneralCase{std::nextafter(0.00001, 0.0), "0.00001"}),
        ::testing::ValuesIn(kSeparators)));

INSTANTIATE_TEST_SUITE_P(
    Scientific, FloatToStrTest,
    ::testing::Combine(
        ::testing::Values(GeneralCase{1e15, "1E15"}, GeneralCase{1e20, "1E20"},
                          GeneralCase{1.5e-6, "1.5E-6"}, GeneralCase{-2.5e-7, "-2.5E-7"},
                          // Rounding carries into a sixteenth integer digit.
                          GeneralCase{999999999999999.9, "1E15"},
                          // The sixteenth digit is an exact half: away from zero.
                          GeneralCase{1234567890123445.0, "1.23456789012345E15"},
                          GeneralCase{std::numeric_limits<double>::max(), "1.79769313486232E308"},
                          GeneralCase{std::numeric_limits<double>::denorm_min(),
                                      "4.94065645841247E-324"}),
        ::testing::ValuesIn(kSeparators)));

TEST(FloatToStrEdges, NamesValuesThatAreNotNumbers) {
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
}

// StrToFloat

struct ReadCase {
    const char* text;
    double expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << "'" << c.text << "'";
}

class StrToFloatTest : public SeparatorTest<ReadCase> {};

TEST_P(StrToFloatTest, ReadsNumber) {
    EXPECT_EQ(StrToFloat(localised(testCase().text)), testCase().expected)
        << "text '" << localised(testCase().text) << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, StrToFloatTest,
    ::testing::Combine(
        ::testing::Values(ReadCase{"150.3", 150.3}, ReadCase{"150", 150.0},
                          ReadCase{" 150.3 ", 150.3}, ReadCase{"\t68.2\t", 68.2},
                          ReadCase{"-2.5", -2.5}, ReadCase{"+2.5", 2.5}, ReadCase{".5", 0.5},
                          ReadCase{"5.", 5.0}, ReadCase{"007", 7.0}, ReadCase{"1e5", 1e5},
                          ReadCase{"1E+5", 1e5}, ReadCase{"2.5e-3", 2.5e-3},
                          ReadCase{"-.5E1", -5.0}, ReadCase{"0e99999999999", 0.0},
                          ReadCase{"150.300003051758", 150.300003051758},
                          ReadCase{"1.7976931348623157e308", std::numeric_limits<double>::max()},
                          ReadCase{"123456789012345678901234567890", 1.2345678901234568e29}),
        ::testing::ValuesIn(kSeparators)));

class StrToFloatRefusalTest : public SeparatorTest<const char*> {};

TEST_P(StrToFloatRefusalTest, RefusesWithTextAsTyped) {
    const std::string text = localised(testCase());
    try {
        StrToFloat(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const sysutils::EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Refused, StrToFloatRefusalTest,
    ::testing::Combine(::testing::Values("", "   ", "\t", "abc", "1 5", " 1.5 x", "- 1", "1.5.2",
                                         "1..5", ".", "-", "+", "+-1", "--1", "1e", "1e+", "e5",
                                         ".e5", "1e5.5", "1.5f", "inf", "-inf", "nan", "0x1A",
                                         "1\n", "1e400", "-1e400", "1e-400"),
                       ::testing::ValuesIn(kSeparators)));

TEST(StrToFloatSeparator, RefusesTheOtherSeparator) {
    const char saved = sysutils::DecimalSeparator();
    for (const char separator : kSeparators) {
        sysutils::SetDecimalSeparator(separator);
        const char other = OtherSeparator(separator);
        const std::string fraction = std::string("1") + other + "5";
        const std::string thousands = std::string("1") + other + "000" + separator + "5";
        EXPECT_THROW(StrToFloat(fraction), sysutils::EConvertError) << fraction;
        EXPECT_THROW(StrToFloat(thousands), sysutils::EConvertError) << thousands;
    }
    sysutils::SetDecimalSeparator(saved);
}

TEST(StrToFloatSign, KeepsNegativeZero) {
    EXPECT_TRUE(std::signbit(StrToFloat("-0")));
    EXPECT_FALSE(std::signbit(StrToFloat("0")));
}

}  // namespace
