#include "db/paradox/indexwriter.h"

#include <gtest/gtest.h>

#include <string>

#include "db/paradox/indexcheck.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"
#include "paradoxtestdata.h"

namespace {

using db::paradox::TableImage;
using db::paradox::WriteIndex;
using paradoxtest::Bytes;
using paradoxtest::GetLE16;
using paradoxtest::GetLE32;

std::vector<std::byte> Slice(const std::vector<std::byte>& bytes, std::size_t offset,
                             std::size_t size) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(offset),
            bytes.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

TEST(WriteIndex, WritesOnlyTheHeaderForAnEmptyTable) {
    const std::vector<std::byte> px = WriteIndex(db::paradox::NewWeightLog(), "John Doe.PX");

    ASSERT_EQ(px.size(), 0x800u);
    EXPECT_EQ(Slice(px, 0x00, 6), Bytes({10, 0, 0x00, 0x08, 1, 2}));
    EXPECT_EQ(GetLE32(px, 0x06), 0u);
    EXPECT_EQ(Slice(px, 0x0A, 8), Bytes({0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(GetLE16(px, 0x1E), 1u);
    EXPECT_EQ(px[0x20], std::byte{0});
    EXPECT_EQ(Slice(px, 0x21, 4), Bytes({1, 0, 0, 0}));
    EXPECT_EQ(GetLE16(px, 0x51), 0xADu);
    EXPECT_EQ(Slice(px, 0x58, 2), Bytes({0x02, 0x04}));
    EXPECT_EQ(Slice(px, 0x5E, 12),
              Bytes({'J', 'o', 'h', 'n', ' ', 'D', 'o', 'e', '.', 'P', 'X', 0}));
}

TEST(WriteIndex, PointsOneEntryAtASingleDataBlock) {
    TableImage table = db::paradox::NewWeightLog();
    for (int i = 0; i < 5; ++i) {
        table.records.push_back({db::Date{paradoxtest::Day(1996, 5, 4).days + i}, 150.0});
    }
    table.changeCounter = 9;
    const std::vector<std::byte> px = WriteIndex(table, "John Doe.PX");

    ASSERT_EQ(px.size(), 0x1000u);
    EXPECT_EQ(GetLE32(px, 0x06), 1u);
    EXPECT_EQ(Slice(px, 0x0A, 8), Bytes({1, 0, 1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(px[0x20], std::byte{1});
    EXPECT_EQ(px[0x2C], std::byte{9});
    EXPECT_EQ(px[0x39], std::byte{0x09});
    EXPECT_EQ(Slice(px, 0x800, 16), Bytes({0, 0, 0, 0, 0, 0, 0x80, 0x0B, 0x1E, 0xCF, 0x80, 0x01,
                                           0x80, 0x05, 0x80, 0x00}));
}

struct LevelCase {
    std::size_t dataBlocks;
    int levels;
    std::size_t indexBlocks;
};

class IndexLevels : public ::testing::TestWithParam<LevelCase> {};

// One entry per data block, at most 203 to an index block; more data blocks
// than one block can point at need a root above the leaves.
TEST_P(IndexLevels, HoldsAnEntryForEveryDataBlock) {
    const LevelCase& c = GetParam();
    const TableImage table = paradoxtest::WeightLog(c.dataBlocks * 170);
    const std::vector<std::byte> px = WriteIndex(table, "x.PX");

    const std::size_t leafBlocks = (c.dataBlocks + 202) / 203;
    ASSERT_EQ(px.size(), 0x800 + c.indexBlocks * 0x800);
    EXPECT_EQ(static_cast<int>(px[0x20]), c.levels);
    EXPECT_EQ(GetLE16(px, 0x1E), 1u);
    EXPECT_EQ(GetLE16(px, 0x0C), c.indexBlocks);
    EXPECT_EQ(GetLE32(px, 0x06), c.dataBlocks + (c.levels > 1 ? leafBlocks : 0));
    for (std::size_t b = 1; b <= c.indexBlocks; ++b) {
        const std::size_t start = 0x800 + (b - 1) * 0x800;
        EXPECT_EQ(GetLE16(px, start), b < c.indexBlocks ? b + 1 : 0) << "next of block " << b;
        EXPECT_EQ(GetLE16(px, start + 2), b - 1) << "previous of block " << b;
    }
    EXPECT_TRUE(db::paradox::IndexMatches(px, db::paradox::WriteTable(table, "x.db")));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IndexLevels,
                         ::testing::Values(LevelCase{1, 1, 1}, LevelCase{203, 1, 1},
                                           LevelCase{204, 2, 3}, LevelCase{406, 2, 3},
                                           LevelCase{407, 2, 4}),
                         [](const auto& test) {
                             return std::to_string(test.param.dataBlocks) + "DataBlocks";
                         });

TEST(WriteIndex, GivesTheRootTheFirstKeyAndRecordCountOfEachLeaf) {
    const TableImage table = paradoxtest::WeightLog(204 * 170);
    const std::vector<std::byte> px = WriteIndex(table, "x.PX");
    const std::vector<std::byte> db = db::paradox::WriteTable(table, "x.db");

    // Root block 1: leaf 2 covers data blocks 1..203, leaf 3 block 204.
    EXPECT_EQ(GetLE16(px, 0x800 + 4), 10u);
    EXPECT_EQ(Slice(px, 0x806, 4), Slice(db, 0x806, 4));
    EXPECT_EQ(Slice(px, 0x80A, 6), Bytes({0x80, 0x02, 0x06, 0xCE, 0x80, 0x00}));  // 34510 wraps
    EXPECT_EQ(Slice(px, 0x810, 4), Slice(db, 0x800 + 203 * 0x800 + 6, 4));
    EXPECT_EQ(Slice(px, 0x814, 6), Bytes({0x80, 0x03, 0x80, 0xAA, 0x80, 0x00}));
}

}  // namespace
