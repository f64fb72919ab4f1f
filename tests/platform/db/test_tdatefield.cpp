#include "db/tdatefield.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "db/edatabaseerror.h"
#include "weightlogtest.h"

namespace {

class DateFieldTest : public WeightLogTest {
protected:
    void SetUp() override {
        OpenLog(0);
        table.Insert();
    }
};

TEST_F(DateFieldTest, StoresTheEngineDayOfTheCalendarDay) {
    using namespace std::chrono;
    date->SetAsDateTime(sys_days{year{1997} / March / 14});
    weight->SetAsFloat(150.0);
    table.Post();
    ASSERT_EQ(LogFile().records.size(), 1U);
    EXPECT_EQ(std::get<db::Date>(LogFile().records[0][0]),
              db::ToEngineDate(sys_days{year{1997} / March / 14}));
    EXPECT_EQ(date->AsDateTime(), sys_days{year{1997} / March / 14});
    EXPECT_EQ(date->AsString(), "1997-03-14");
    EXPECT_EQ(table.FieldValues("DATE"), db::Variant{sys_days{year{1997} / March / 14}});
}

struct DateTextCase {
    const char* text;
    bool valid;
};

std::ostream& operator<<(std::ostream& out, const DateTextCase& c) {
    return out << c.text;
}

class DateTextTest : public DateFieldTest, public ::testing::WithParamInterface<DateTextCase> {};

TEST_P(DateTextTest, ReadsIsoDatesOnly) {
    date->SetAsDateTime(Day(0));
    if (GetParam().valid) {
        table.SetFieldValues("DATE", std::string(GetParam().text));
        EXPECT_EQ(date->AsString(), GetParam().text);
    } else {
        EXPECT_THROW(table.SetFieldValues("DATE", std::string(GetParam().text)),
                     sysutils::EConvertError);
        EXPECT_EQ(date->AsDateTime(), Day(0));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateTextTest,
    ::testing::Values(DateTextCase{"2024-02-29", true}, DateTextCase{"0001-01-01", true},
                      DateTextCase{"2023-02-29", false}, DateTextCase{"2024-13-01", false},
                      DateTextCase{"2024-1-01", false}, DateTextCase{"24-01-01xx", false},
                      DateTextCase{"2024/01/01", false}, DateTextCase{"+024-01-01", false}));

TEST_F(DateFieldTest, EmptyTextClearsAndEmptyFieldHasNoText) {
    date->SetAsDateTime(Day(0));
    date->SetAsString("");
    EXPECT_TRUE(date->IsNull());
    EXPECT_EQ(date->AsString(), "");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(table.FieldValues("DATE")));
}

TEST_F(DateFieldTest, NumberIsNotADate) {
    try {
        date->AsFloat();
        FAIL() << "a date read as a number";
    } catch (const db::EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "Cannot access field 'DATE' as type Float");
    }
    EXPECT_THROW(table.SetFieldValues("DATE", 5.0), db::EDatabaseError);
}

}  // namespace
