#include <gtest/gtest.h>

#include <vector>

#include "db/edatabaseerror.h"
#include "weightlogtest.h"

namespace {

TEST_F(WeightLogTest, CalcFieldsRunOncePerRecordRead) {
    OpenLog(4);
    std::vector<std::chrono::sys_days> daysSeen;
    table.OnCalcFields = [&](db::TTable&) { daysSeen.push_back(date->AsDateTime()); };
    table.Next();
    table.Next();
    table.Next();
    table.Next();  // at the end already: nothing read
    table.Last();
    EXPECT_EQ(daysSeen, (std::vector{Day(1), Day(2), Day(3), Day(3)}));
}

TEST_F(WeightLogTest, CalculatedValueIsComputedForEachRecord) {
    OpenLog(2);
    EXPECT_EQ(calcCalls, 1);
    EXPECT_EQ(weightKg->AsFloat(), 68.0);  // 150 lb = 68.0388 kg
    table.Next();
    EXPECT_EQ(weightKg->AsFloat(), 68.5);  // 151 lb = 68.492392 kg
    EXPECT_EQ(weightKg->DisplayText(), "68.5");
    EXPECT_EQ(calcCalls, 2);
}

TEST_F(WeightLogTest, CalcFieldsDoNotFollowEditsWhenAutoCalcIsOff) {
    OpenLog(2);
    table.Edit();
    weight->SetAsFloat(151.0);
    EXPECT_EQ(calcCalls, 1);
    EXPECT_EQ(weightKg->AsFloat(), 68.0);
    table.Post();  // the posted record is read back
    EXPECT_EQ(calcCalls, 2);
    EXPECT_EQ(weightKg->AsFloat(), 68.5);
}

TEST_F(WeightLogTest, CalcFieldsFollowEditsWhenAutoCalcIsOn) {
    OpenLog(2);
    table.SetAutoCalcFields(true);
    table.Edit();
    weight->SetAsFloat(151.0);
    EXPECT_EQ(weightKg->AsFloat(), 68.5);
    EXPECT_EQ(table.State(), db::TDataSetState::dsEdit);
}

TEST_F(WeightLogTest, CalcHandlerMayWriteOnlyCalculatedFields) {
    CreateLog(2);
    table.SetTableName(kLog);
    table.OnCalcFields = [this](db::TTable& ds) {
        EXPECT_EQ(ds.State(), db::TDataSetState::dsCalcFields);
        EXPECT_THROW(weight->SetAsFloat(1.0), db::EDatabaseError);
        weightKg->SetAsFloat(1.0);
    };
    table.Open();
    EXPECT_EQ(table.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(weight->AsFloat(), 150.0);
    EXPECT_EQ(weightKg->AsFloat(), 1.0);
    EXPECT_FALSE(table.Modified());
}

TEST_F(WeightLogTest, NewRecordHasNoCalculatedValueUntilRead) {
    OpenLog(1);
    table.Insert();
    EXPECT_TRUE(weightKg->IsNull());
    EXPECT_EQ(calcCalls, 1);
}

TEST_F(WeightLogTest, ReadRecordShowsAnotherRecordWithoutMoving) {
    OpenLog(5);
    table.Next();
    std::vector<double> kilograms;
    for (std::size_t i = 0; i < table.RecordCount(); ++i) {
        table.ReadRecord(i, [&] {
            kilograms.push_back(weightKg->AsFloat());
            EXPECT_THROW(weight->SetAsFloat(1.0), db::EDatabaseError);
        });
    }
    EXPECT_EQ(kilograms, (std::vector{68.0, 68.5, 68.9, 69.4, 69.9}));
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(weight->AsFloat(), 151.0);
    EXPECT_EQ(weightKg->AsFloat(), 68.5);
}

TEST_F(WeightLogTest, ReadRecordKeepsRecordBeingInserted) {
    OpenLog(2);
    table.Insert();
    weight->SetAsFloat(140.0);
    table.ReadRecord(0, [&] { EXPECT_EQ(weight->AsFloat(), 150.0); });
    EXPECT_EQ(table.State(), db::TDataSetState::dsInsert);
    EXPECT_EQ(weight->AsFloat(), 140.0);
    EXPECT_TRUE(table.Modified());
    EXPECT_THROW(table.ReadRecord(2, [] {}), db::EDatabaseError);
}

}  // namespace
