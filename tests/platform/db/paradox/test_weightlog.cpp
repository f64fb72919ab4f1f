#include "db/paradox/weightlog.h"

#include <gtest/gtest.h>

#include <string>

#include "db/paradox/tablereader.h"
#include "db/paradox/tablewriter.h"
#include "paradoxtestdata.h"

namespace {

using db::paradox::CheckWeightLog;
using db::paradox::IsWeightLog;
using db::paradox::TableImage;

TEST(NewWeightLog, IsAnEmptyLevel4TableWithItsHeaderOnly) {
    const TableImage table = db::paradox::NewWeightLog();
    const std::vector<std::byte> file = db::paradox::WriteTable(table, "x.db");

    EXPECT_EQ(file.size(), 0x800u);
    const TableImage back = db::paradox::ReadTable(file, "x.db");
    EXPECT_TRUE(IsWeightLog(back));
    EXPECT_TRUE(back.records.empty());
    EXPECT_EQ(back.changeCounter, 2);
    EXPECT_EQ(back.codePage, 437);
    EXPECT_EQ(back.sortOrderName, "ascii");
}

struct LayoutCase {
    const char* name;
    void (*change)(TableImage&);
    bool weightLog;
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, IsAWeightLogOnlyWithDateAndWeightKeyedOnDate) {
    TableImage table = db::paradox::NewWeightLog();
    GetParam().change(table);
    EXPECT_EQ(IsWeightLog(table), GetParam().weightLog);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Layout,
    ::testing::Values(
        LayoutCase{"AsCreated", [](TableImage&) {}, true},
        LayoutCase{"NamesInAnyCase",
                   [](TableImage& image) {
                       image.fields[0].name = "Date";
                       image.fields[1].name = "weight";
                   },
                   true},
        LayoutCase{"OtherName", [](TableImage& image) { image.fields[1].name = "WEIGHTS"; }, false},
        LayoutCase{"FieldsSwapped",
                   [](TableImage& image) { std::swap(image.fields[0], image.fields[1]); }, false},
        LayoutCase{"WeightAsMoney",
                   [](TableImage& image) { image.fields[1].type = db::FieldType::Currency; },
                   false},
        LayoutCase{"NoKey", [](TableImage& image) { image.keyFieldCount = 0; }, false},
        LayoutCase{"BothFieldsKeyed", [](TableImage& image) { image.keyFieldCount = 2; }, false},
        LayoutCase{"ThirdField",
                   [](TableImage& image) {
                       image.fields.push_back({"NOTE", db::FieldType::Alpha, 10});
                   },
                   false}),
    [](const auto& test) { return std::string(test.param.name); });

struct CheckCase {
    const char* name;
    void (*change)(TableImage&);
    const char* message;
};

class Check : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Check, RefusesWhatIsNoWeightLog) {
    TableImage table = paradoxtest::WeightLog(3);
    GetParam().change(table);
    try {
        CheckWeightLog(table, "John Doe.db");
        FAIL() << "accepted";
    } catch (const db::EDBEngineError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Check,
    ::testing::Values(
        CheckCase{"NoKey", [](TableImage& image) { image.keyFieldCount = 0; },
                  "John Doe.db: table has no primary key"},
        CheckCase{"OtherFields",
                  [](TableImage& image) { image.fields[1].type = db::FieldType::Long; },
                  "John Doe.db: not a weight log (unexpected fields)"},
        CheckCase{"BlankDate", [](TableImage& image) { image.records[0][0] = std::monostate{}; },
                  "John Doe.db: damaged Paradox table (blank DATE)"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(CheckWeightLog, AcceptsAWeightLogWithBlankWeights) {
    TableImage table = paradoxtest::WeightLog(3);
    table.records[1][1] = std::monostate{};
    EXPECT_NO_THROW(CheckWeightLog(table, "x.db"));
}

}  // namespace
