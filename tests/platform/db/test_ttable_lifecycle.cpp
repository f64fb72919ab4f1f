#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "db/edatabaseerror.h"
#include "weightlogtest.h"

namespace {

TEST_F(WeightLogTest, OpenShowsOldestEntry) {
    OpenLog(3);
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(table.RecNo(), 1);
    EXPECT_EQ(weight->AsFloat(), 150.0);
    EXPECT_TRUE(LogFile().open);
    table.SetActive(false);
    EXPECT_FALSE(LogFile().open);
    table.SetActive(true);
    EXPECT_TRUE(table.Active());
}

TEST_F(WeightLogTest, FieldNamesMatchWithoutRegardToCase) {
    engine.create(kLog, {{"date", db::FieldType::Date, 0}, {"Weight", db::FieldType::Number, 0}},
                  {});
    LogFile().records.push_back({db::ToEngineDate(Day(0)), 150.0});
    table.SetTableName(kLog);
    table.Open();
    EXPECT_EQ(table.FieldByName("weight").AsFloat(), 150.0);
}

struct WrongTableCase {
    const char* description;
    std::vector<db::FieldDef> fields;
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const WrongTableCase& c) {
    return out << c.description;
}

class WrongTableTest : public WeightLogTest,
                       public ::testing::WithParamInterface<WrongTableCase> {};

TEST_P(WrongTableTest, IsRefusedAndReleased) {
    engine.create(kLog, GetParam().fields, {});
    table.SetTableName(kLog);
    try {
        table.Open();
        FAIL() << "opened " << GetParam().description;
    } catch (const db::EDatabaseError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
    EXPECT_FALSE(table.Active());
    EXPECT_FALSE(LogFile().open) << "the refused table is still locked";
}

INSTANTIATE_TEST_SUITE_P(
    Tables, WrongTableTest,
    ::testing::Values(
        WrongTableCase{"no weight",
                       {{"DATE", db::FieldType::Date, 0}, {"NAME", db::FieldType::Alpha, 20}},
                       "Table 'log.db' has no field 'WEIGHT'"},
        WrongTableCase{"text weight",
                       {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Alpha, 8}},
                       "Field 'WEIGHT' of table 'log.db' is not of the expected type"},
        WrongTableCase{"numeric date",
                       {{"DATE", db::FieldType::Long, 0}, {"WEIGHT", db::FieldType::Number, 0}},
                       "Field 'DATE' of table 'log.db' is not of the expected type"}));

TEST_F(WeightLogTest, EngineErrorOnOpenLeavesTableClosed) {
    table.SetTableName("missing.db");
    EXPECT_THROW(table.Open(), db::EDBEngineError);
    EXPECT_FALSE(table.Active());
}

TEST_F(WeightLogTest, ExtraTableColumnsSurviveAnEdit) {
    engine.create(kLog,
                  {{"DATE", db::FieldType::Date, 0},
                   {"NOTE", db::FieldType::Alpha, 20},
                   {"WEIGHT", db::FieldType::Number, 0}},
                  {});
    LogFile().records.push_back({db::ToEngineDate(Day(0)), std::string("keep"), 150.0});
    table.SetTableName(kLog);
    table.Open();
    table.Edit();
    weight->SetAsFloat(140.0);
    table.Post();
    table.Insert();
    date->SetAsDateTime(Day(1));
    weight->SetAsFloat(141.0);
    table.Post();
    EXPECT_EQ(LogFile().records[0],
              (db::Record{db::ToEngineDate(Day(0)), std::string("keep"), 140.0}));
    EXPECT_EQ(LogFile().records[1],
              (db::Record{db::ToEngineDate(Day(1)), std::monostate{}, 141.0}));
}

TEST_F(WeightLogTest, CreateTablePassesDefinitionsAndReplacesExistingTable) {
    OpenLog(3);
    table.Close();

    db::TTable creator{[this]() -> db::Engine& { return engine; }};
    creator.SetTableName(kLog);
    creator.SetTableType(db::TTableType::ttParadox);
    creator.FieldDefs().Clear();
    creator.FieldDefs().Add("DATE", db::FieldType::Date);
    creator.FieldDefs().Add("WEIGHT", db::FieldType::Number);
    creator.IndexDefs().Clear();
    creator.IndexDefs().Add("PRIMARY", "DATE", db::ixPrimary | db::ixUnique);
    creator.CreateTable();

    const FakeEngine::File& file = LogFile();
    ASSERT_EQ(file.fields.size(), 2U);
    EXPECT_EQ(file.fields[0].name, "DATE");
    EXPECT_EQ(file.fields[0].type, db::FieldType::Date);
    EXPECT_EQ(file.fields[1].name, "WEIGHT");
    EXPECT_EQ(file.fields[1].type, db::FieldType::Number);
    ASSERT_EQ(file.indexes.size(), 1U);
    EXPECT_EQ(file.indexes[0].name, "PRIMARY");
    EXPECT_EQ(file.indexes[0].fields, std::vector<std::string>{"DATE"});
    EXPECT_TRUE(file.indexes[0].primary);
    EXPECT_TRUE(file.indexes[0].unique);
    EXPECT_TRUE(file.records.empty());
    EXPECT_FALSE(creator.Active());
}

TEST(IndexDefsTest, SplitsFieldListAtSemicolons) {
    db::TIndexDefs defs;
    defs.Add("BYNAME", "NAME;DATE", db::ixUnique);
    ASSERT_EQ(defs.Count(), 1U);
    EXPECT_EQ(defs[0].fields, (std::vector<std::string>{"NAME", "DATE"}));
    EXPECT_FALSE(defs[0].primary);
    EXPECT_TRUE(defs[0].unique);
}

TEST_F(WeightLogTest, DefinitionChangesNeedAClosedTable) {
    OpenLog(1);
    const char* open = "Cannot perform this operation on an open dataset";
    for (const auto& change : std::vector<std::function<void()>>{
             [&] { table.SetTableName("other.db"); },
             [&] { table.SetTableType(db::TTableType::ttParadox); },
             [&] { table.CreateTable(); },
             [&] { table.AddFloatField("EXTRA"); },
         }) {
        try {
            change();
            ADD_FAILURE() << "changed an open table";
        } catch (const db::EDatabaseError& error) {
            EXPECT_STREQ(error.what(), open);
        }
    }
    EXPECT_EQ(table.TableName(), kLog);
}

TEST_F(WeightLogTest, FieldLookups) {
    EXPECT_EQ(&table.FieldByName("WEIGHT"), weight);
    EXPECT_EQ(table.FindField("HEIGHT"), nullptr);
    try {
        table.FieldByName("HEIGHT");
        FAIL() << "found a field that does not exist";
    } catch (const db::EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "Field 'HEIGHT' not found");
    }
    EXPECT_THROW(table.AddDateField("weight"), db::EDatabaseError);
    ASSERT_EQ(table.FieldCount(), 3U);
    EXPECT_EQ(&table.Fields(2), weightKg);
}

TEST_F(WeightLogTest, EngineIsAskedForOnlyWhenNeeded) {
    int asked = 0;
    db::TTable lazy{[&]() -> db::Engine& {
        ++asked;
        return engine;
    }};
    lazy.AddFloatField("WEIGHT");
    lazy.DisableControls();
    lazy.EnableControls();
    EXPECT_EQ(asked, 0);
    CreateLog(1);
    lazy.SetTableName(kLog);
    lazy.Open();
    EXPECT_EQ(asked, 1);
}

}  // namespace
