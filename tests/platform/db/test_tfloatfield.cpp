#include "db/tfloatfield.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "db/edatabaseerror.h"
#include "sysutils/numberformat.h"
#include "weightlogtest.h"

namespace {

// A new record with a weight of 150 being inserted.
class FloatFieldTest : public WeightLogTest {
protected:
    void SetUp() override {
        OpenLog(1);
        table.Insert();
        weight->SetAsFloat(150.0);
    }
};

struct RangeCase {
    const char* description;
    db::Variant value;
    const char* message;  // nullptr: accepted
};

std::ostream& operator<<(std::ostream& out, const RangeCase& c) {
    return out << c.description;
}

class RangeTest : public FloatFieldTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeTest, ChecksEveryAssignmentAndKeepsOldValueOnRefusal) {
    const RangeCase& c = GetParam();
    if (c.message == nullptr) {
        table.SetFieldValues("WEIGHT", c.value);
        EXPECT_NE(weight->AsFloat(), 150.0);
        return;
    }
    try {
        table.SetFieldValues("WEIGHT", c.value);
        FAIL() << c.description << " was accepted";
    } catch (const db::EDatabaseError& error) {
        EXPECT_STREQ(error.what(), c.message);
    }
    EXPECT_EQ(weight->AsFloat(), 150.0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RangeTest,
    ::testing::Values(
        RangeCase{"upper bound", 999.5, nullptr}, RangeCase{"lower bound", 0.0, nullptr},
        RangeCase{"above", 999.6,
                  "999.6 is not a valid value for field 'WEIGHT'. The allowed range is 0 to "
                  "999.5"},
        RangeCase{"below", -0.5,
                  "-0.5 is not a valid value for field 'WEIGHT'. The allowed range is 0 to "
                  "999.5"},
        RangeCase{"text above", std::string("1000"),
                  "1000 is not a valid value for field 'WEIGHT'. The allowed range is 0 to "
                  "999.5"},
        RangeCase{"text within", std::string("149.25"), nullptr}));

TEST_F(FloatFieldTest, NotANumberIsOutOfRange) {
    EXPECT_THROW(weight->SetAsFloat(std::numeric_limits<double>::quiet_NaN()), db::EDatabaseError);
    EXPECT_EQ(weight->AsFloat(), 150.0);
}

TEST_F(FloatFieldTest, NonNumericTextIsAConversionErrorAndKeepsOldValue) {
    EXPECT_THROW(table.SetFieldValues("WEIGHT", std::string("heavy")), sysutils::EConvertError);
    EXPECT_EQ(weight->AsFloat(), 150.0);
}

TEST_F(FloatFieldTest, TextIsReadWithRegionalDecimalSeparator) {
    const char saved = sysutils::DecimalSeparator();
    sysutils::SetDecimalSeparator(',');
    table.SetFieldValues("WEIGHT", std::string("151,5"));
    const std::string shown = weight->DisplayText();
    sysutils::SetDecimalSeparator(saved);
    EXPECT_EQ(weight->AsFloat(), 151.5);
    EXPECT_EQ(shown, "151,5");
}

TEST_F(FloatFieldTest, EmptyTextOrEmptyVariantClearsField) {
    weight->SetAsString("");
    EXPECT_TRUE(weight->IsNull());
    weight->SetAsFloat(150.0);
    table.SetFieldValues("WEIGHT", std::monostate{});
    EXPECT_TRUE(weight->IsNull());
    EXPECT_EQ(weight->AsFloat(), 0.0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(weight->Value()));
    EXPECT_EQ(weight->DisplayText(), "");
    EXPECT_EQ(weight->AsString(), "");
}

TEST_F(FloatFieldTest, ZeroBoundsCheckNothingAndOneNonZeroBoundChecksBoth) {
    weight->SetMinValue(0);
    weight->SetMaxValue(0);
    weight->SetAsFloat(-20.0);
    weight->SetAsFloat(5000.0);
    EXPECT_EQ(weight->AsFloat(), 5000.0);

    weight->SetMinValue(-1);
    EXPECT_THROW(weight->SetAsFloat(0.5), db::EDatabaseError);
    weight->SetAsFloat(-0.5);
    EXPECT_EQ(weight->AsFloat(), -0.5);
}

TEST_F(FloatFieldTest, DateValueIsNotANumber) {
    EXPECT_THROW(table.SetFieldValues("WEIGHT", Day(3)), db::EDatabaseError);
    EXPECT_THROW(weight->SetAsDateTime(Day(3)), db::EDatabaseError);
}

struct DisplayCase {
    double value;
    const char* displayText;
};

std::ostream& operator<<(std::ostream& out, const DisplayCase& c) {
    return out << c.value;
}

class DisplayTextTest : public FloatFieldTest, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayTextTest, UsesDisplayFormat) {
    weight->SetAsFloat(GetParam().value);
    EXPECT_EQ(weight->DisplayText(), GetParam().displayText);
}

INSTANTIATE_TEST_SUITE_P(Formats, DisplayTextTest,
                         ::testing::Values(DisplayCase{150.0, "150.0"}, DisplayCase{0.5, ".5"},
                                           DisplayCase{0.0, ".0"}, DisplayCase{150.25, "150.3"}));

TEST_F(FloatFieldTest, EditTextFallsBackToDisplayFormatThenGeneralFormat) {
    weight->SetAsFloat(150.25);
    weight->SetEditFormat("0.00");
    EXPECT_EQ(weight->EditText(), "150.25");
    weight->SetEditFormat("");
    EXPECT_EQ(weight->EditText(), "150.3");
    weight->SetDisplayFormat("");
    EXPECT_EQ(weight->EditText(), "150.25");
    EXPECT_EQ(weight->DisplayText(), "150.25");
    EXPECT_EQ(weight->AsString(), "150.25");
}

}  // namespace
