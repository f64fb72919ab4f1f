#include "db/paradox/tablewriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "db/paradox/tablereader.h"
#include "db/paradox/weightlog.h"
#include "paradoxtestdata.h"

namespace {

using db::paradox::ReadTable;
using db::paradox::TableImage;
using db::paradox::WriteTable;
using paradoxtest::Bytes;
using paradoxtest::Day;
using paradoxtest::GetLE16;

constexpr std::size_t kBlock1 = 0x800;

std::vector<std::byte> Text(const std::string& text) {
    std::vector<std::byte> bytes;
    for (char c : text) {
        bytes.push_back(std::byte(c));
    }
    bytes.push_back(std::byte{0});
    return bytes;
}

std::vector<std::byte> Slice(const std::vector<std::byte>& bytes, std::size_t offset,
                             std::size_t size) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

struct HeaderBytes {
    std::size_t offset;
    std::vector<std::byte> bytes;
};

TableImage FiveEntries() {
    TableImage table = db::paradox::NewWeightLog();
    for (int i = 0; i < 5; ++i) {
        table.records.push_back({db::Date{Day(1996, 5, 4).days + i}, 150.0});
    }
    return table;
}

void ExpectHeader(const std::vector<std::byte>& file, const std::vector<HeaderBytes>& expected) {
    for (const HeaderBytes& item : expected) {
        EXPECT_EQ(Slice(file, item.offset, item.bytes.size()), item.bytes)
            << "at offset 0x" << std::hex << item.offset;
    }
}

TEST(WriteTable, LaysOutTheHeaderOfALevel4Table) {
    const std::vector<std::byte> file = WriteTable(FiveEntries(), "John Doe.db");

    ASSERT_EQ(file.size(), 0x1000u);
    ExpectHeader(file, {{0x00, Bytes({0x0C, 0x00, 0x00, 0x08, 0x00, 0x02})},
                        {0x06, Bytes({5, 0, 0, 0})},
                        {0x0A, Bytes({1, 0, 1, 0, 1, 0, 1, 0})},
                        {0x21, Bytes({2, 0, 1, 0})},
                        {0x25, Bytes({0x00, 0xFF, 0x00, 0xFF, 0x00})},
                        {0x2D, Bytes({2})},
                        {0x39, Bytes({0x09, 1, 0})},
                        {0x3E, Bytes({0x1F, 0x0F})},
                        {0x4D, Bytes({0, 0})},
                        {0x51, Bytes({0xED, 0x00})},
                        {0x56, Bytes({0x20})},
                        {0x58, Bytes({0x09, 0x01, 0x09, 0x01, 0, 0, 0, 0})},
                        {0x64, Bytes({3, 0, 0x8B, 0x00})},
                        {0x6A, Bytes({0xB5, 0x01, 0x01, 0x01, 0x8F, 0x00})},
                        {0x78, Bytes({0x02, 0x04, 0x06, 0x08})},
                        {0x88, Text("John Doe.db")},
                        {0xD7, Text("DATE")},
                        {0xDC, Text("WEIGHT")},
                        {0xE3, Bytes({1, 0, 2, 0})},
                        {0xE7, Text("ascii")}});
    // Past the used length the header is zero.
    EXPECT_EQ(Slice(file, 0xED, 0x800 - 0xED), std::vector<std::byte>(0x800 - 0xED));
}

TEST(WriteTable, GivesLevel7TablesTheLongNameArea) {
    TableImage table = FiveEntries();
    table.version = 0x0C;
    const std::vector<std::byte> file = WriteTable(table, "John Doe.db");

    ExpectHeader(file, {{0x39, Bytes({0x0C})},
                        {0x51, Bytes({0xA3, 0x01})},
                        {0x58, Bytes({0x0C, 0x01, 0x0C, 0x01})},
                        {0x66, Bytes({0x41, 0x01})},
                        {0x6E, Bytes({0x45, 0x01})},
                        {0x18D, Text("DATE")},
                        {0x199, Bytes({1, 0, 2, 0})},
                        {0x19D, Text("ascii")}});
}

TEST(WriteTable, KeepsTheHeaderFactsOfTheImage) {
    TableImage table = FiveEntries();
    table.codePage = 1252;
    table.sortOrder = 0x4C;
    table.sortOrderName = "DBWINUS0";
    table.changeCounter = 77;
    table.updateTime = 0x12345678;
    const std::vector<std::byte> file = WriteTable(table, "x.db");

    ExpectHeader(file, {{0x29, Bytes({0x4C})},
                        {0x2D, Bytes({77})},
                        {0x60, Bytes({0x78, 0x56, 0x34, 0x12})},
                        {0x6A, Bytes({0xE4, 0x04})}});
    const TableImage back = ReadTable(file, "x.db");
    EXPECT_EQ(back.codePage, 1252);
    EXPECT_EQ(back.sortOrder, 0x4C);
    EXPECT_EQ(back.sortOrderName, "DBWINUS0");
    EXPECT_EQ(back.changeCounter, 77);
}

TEST(WriteTable, WritesTablesWithoutTheExtensionAsLevel4) {
    TableImage table = FiveEntries();
    table.version = 0x03;
    EXPECT_EQ(WriteTable(table, "x.db")[0x39], std::byte{0x09});
}

TEST(WriteTable, CutsALongTableNameToItsArea) {
    const std::vector<std::byte> file = WriteTable(FiveEntries(), std::string(100, 'n') + ".db");
    EXPECT_EQ(Slice(file, 0x88, 79), Text(std::string(78, 'n')));
}

struct EncodingCase {
    const char* name;
    db::Record record;
    std::vector<std::byte> stored;
};

class FieldEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(FieldEncoding, StoresBigEndianWithTheSignTransform) {
    TableImage table = db::paradox::NewWeightLog();
    table.records = {GetParam().record};
    const std::vector<std::byte> file = WriteTable(table, "x.db");
    EXPECT_EQ(Slice(file, kBlock1 + 6, 12), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FieldEncoding,
    ::testing::Values(
        EncodingCase{"Weight150",
                     {Day(1996, 5, 4), 150.0},
                     Bytes({0x80, 0x0B, 0x1E, 0xCF, 0xC0, 0x62, 0xC0, 0, 0, 0, 0, 0})},
        EncodingCase{"Weight999Half",
                     {Day(2000, 1, 1), 999.5},
                     Bytes({0x80, 0x0B, 0x24, 0x08, 0xC0, 0x8F, 0x3C, 0, 0, 0, 0, 0})},
        EncodingCase{
            "Zero", {db::Date{1}, 0.0}, Bytes({0x80, 0, 0, 0x01, 0x80, 0, 0, 0, 0, 0, 0, 0})},
        EncodingCase{"NegativeZeroIsZero",
                     {db::Date{1}, -0.0},
                     Bytes({0x80, 0, 0, 0x01, 0x80, 0, 0, 0, 0, 0, 0, 0})},
        EncodingCase{
            "NegativeInvertsAllBytes",
            {Day(9999, 12, 31), -2.5},
            Bytes({0x80, 0x37, 0xB9, 0xDB, 0x3F, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        EncodingCase{"MinusOne",
                     {db::Date{1}, -1.0},
                     Bytes({0x80, 0, 0, 0x01, 0x40, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        EncodingCase{"BlankWeight",
                     {db::Date{1}, std::monostate{}},
                     Bytes({0x80, 0, 0, 0x01, 0, 0, 0, 0, 0, 0, 0, 0})}),
    [](const auto& test) { return std::string(test.param.name); });

struct LayoutCase {
    std::size_t records;
    std::uint8_t blockSizeCode;
    std::size_t recordsPerBlock;
};

class BlockLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(BlockLayout, PacksFullBlocksChainedInFileOrder) {
    const LayoutCase& c = GetParam();
    TableImage table = paradoxtest::WeightLog(c.records);
    table.blockSizeCode = c.blockSizeCode;
    const std::vector<std::byte> file = WriteTable(table, "x.db");

    const std::size_t blockSize = c.blockSizeCode * 1024u;
    const std::size_t blocks = (c.records + c.recordsPerBlock - 1) / c.recordsPerBlock;
    ASSERT_EQ(file.size(), 0x800 + blocks * blockSize);
    EXPECT_EQ(GetLE16(file, 0x0A), blocks);
    EXPECT_EQ(GetLE16(file, 0x0C), blocks);
    EXPECT_EQ(GetLE16(file, 0x0E), blocks > 0 ? 1u : 0u);
    EXPECT_EQ(GetLE16(file, 0x10), blocks);
    EXPECT_EQ(GetLE16(file, 0x3A), blocks);
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t start = 0x800 + b * blockSize;
        const std::size_t inBlock = std::min(c.recordsPerBlock, c.records - b * c.recordsPerBlock);
        EXPECT_EQ(GetLE16(file, start), b + 1 < blocks ? b + 2 : 0) << "next of block " << b + 1;
        EXPECT_EQ(GetLE16(file, start + 2), b) << "previous of block " << b + 1;
        EXPECT_EQ(GetLE16(file, start + 4), (inBlock - 1) * 12) << "last record of block " << b + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, BlockLayout,
                         ::testing::Values(LayoutCase{0, 2, 170}, LayoutCase{1, 2, 170},
                                           LayoutCase{170, 2, 170}, LayoutCase{171, 2, 170},
                                           LayoutCase{341, 2, 170}, LayoutCase{85, 1, 84},
                                           LayoutCase{681, 4, 340}),
                         [](const auto& test) {
                             return std::to_string(test.param.records) + "In" +
                                    std::to_string(test.param.blockSizeCode) + "K";
                         });

TEST(WriteTable, SortsRecordsByDate) {
    TableImage table = paradoxtest::WeightLog(400);
    TableImage reversed = table;
    std::reverse(reversed.records.begin(), reversed.records.end());
    EXPECT_EQ(WriteTable(reversed, "x.db"), WriteTable(table, "x.db"));
}

TEST(WriteTable, RefusesADuplicateDateAsKeyViolation) {
    TableImage table = paradoxtest::WeightLog(300);
    table.records.push_back({std::get<db::Date>(table.records[123][0]), 160.0});
    try {
        WriteTable(table, "x.db");
        FAIL() << "no error";
    } catch (const db::EDBEngineError& e) {
        EXPECT_STREQ(e.what(), "Key violation.");
    }
}

struct RefusalCase {
    const char* name;
    void (*change)(TableImage&);
    const char* message;
};

class WriteRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(WriteRefusal, NamesTheTableAndTheProblem) {
    TableImage table = paradoxtest::WeightLog(3);
    GetParam().change(table);
    try {
        WriteTable(table, "John Doe.db");
        FAIL() << "no error";
    } catch (const db::EDBEngineError& e) {
        EXPECT_EQ(std::string(e.what()), std::string("John Doe.db: ") + GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteRefusal,
    ::testing::Values(
        RefusalCase{"BlankDate", [](TableImage& image) { image.records[1][0] = std::monostate{}; },
                    "record 2: DATE must be a date, not blank"},
        RefusalCase{"DateOfAnotherKind", [](TableImage& image) { image.records[1][0] = 3; },
                    "record 2: DATE must be a date, not blank"},
        RefusalCase{"NotANumber",
                    [](TableImage& image) {
                        image.records[2][1] = std::numeric_limits<double>::quiet_NaN();
                    },
                    "record 3: WEIGHT must be a finite number"},
        RefusalCase{"Infinite",
                    [](TableImage& image) {
                        image.records[0][1] = -std::numeric_limits<double>::infinity();
                    },
                    "record 1: WEIGHT must be a finite number"},
        RefusalCase{"WeightAsText",
                    [](TableImage& image) { image.records[0][1] = std::string("150"); },
                    "record 1: WEIGHT must be a number"},
        RefusalCase{"MissingValue", [](TableImage& image) { image.records[0].pop_back(); },
                    "record 1 does not have two values"},
        RefusalCase{"ThirdField",
                    [](TableImage& image) {
                        image.fields.push_back({"NOTE", db::FieldType::Alpha, 20});
                    },
                    "cannot write this table (only DATE and WEIGHT keyed on DATE can be written)"},
        RefusalCase{"OtherType",
                    [](TableImage& image) { image.fields[1].type = db::FieldType::Currency; },
                    "cannot write this table (only DATE and WEIGHT keyed on DATE can be written)"},
        RefusalCase{"NoKey", [](TableImage& image) { image.keyFieldCount = 0; },
                    "cannot write this table (only DATE and WEIGHT keyed on DATE can be written)"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
