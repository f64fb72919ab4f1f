#include "db/paradox/indexcheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "db/paradox/indexwriter.h"
#include "db/paradox/tablewriter.h"
#include "paradoxtestdata.h"

namespace {

using db::paradox::IndexMatches;
using db::paradox::TableImage;
using db::paradox::WriteIndex;
using db::paradox::WriteTable;
using paradoxtest::GetLE16;
using paradoxtest::PutLE16;
using paradoxtest::PutLE32;

class MatchingPair : public ::testing::TestWithParam<std::size_t> {};

TEST_P(MatchingPair, Matches) {
    const TableImage table = paradoxtest::WeightLog(GetParam());
    EXPECT_TRUE(IndexMatches(WriteIndex(table, "x.PX"), WriteTable(table, "x.db")));
}

INSTANTIATE_TEST_SUITE_P(Sizes, MatchingPair, ::testing::Values(0, 1, 171, 34511));

// Index entries start after the header and the 6-byte block header; each
// holds the 4-byte key, then block number, count and a spare Short.
constexpr std::size_t kEntry1 = 0x806;
constexpr std::size_t kEntrySize = 10;

struct Mismatch {
    const char* name;
    void (*change)(std::vector<std::byte>& px, std::vector<std::byte>& db);
};

class IndexMismatch : public ::testing::TestWithParam<Mismatch> {};

TEST_P(IndexMismatch, IsNoMatch) {
    const TableImage table = paradoxtest::WeightLog(400);
    std::vector<std::byte> px = WriteIndex(table, "x.PX");
    std::vector<std::byte> db = WriteTable(table, "x.db");
    ASSERT_TRUE(IndexMatches(px, db));
    GetParam().change(px, db);
    EXPECT_FALSE(IndexMatches(px, db));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IndexMismatch,
    ::testing::Values(
        Mismatch{"Empty", [](auto& px, auto&) { px.clear(); }},
        Mismatch{"HeaderOnly", [](auto& px, auto&) { px.resize(0x800); }},
        Mismatch{"CutInAnEntry", [](auto& px, auto&) { px.resize(kEntry1 + 2 * kEntrySize + 3); }},
        Mismatch{"TableSavedAgain", [](auto&, auto& db) { db[0x2D] = std::byte{3}; }},
        Mismatch{"IndexOfAnotherSave", [](auto& px, auto&) { px[0x2C] = std::byte{3}; }},
        Mismatch{"NotAnIndex", [](auto& px, auto&) { px[0x04] = std::byte{0}; }},
        Mismatch{"OtherKeyType", [](auto& px, auto&) { px[0x58] = std::byte{0x04}; }},
        Mismatch{"OtherEntrySize", [](auto& px, auto&) { PutLE16(px, 0x00, 12); }},
        Mismatch{"TwoKeyFields", [](auto& px, auto&) { PutLE16(px, 0x21, 2); }},
        Mismatch{"KeyOfAnotherRecord",
                 [](auto& px, auto&) { px[kEntry1 + kEntrySize + 3] ^= std::byte{1}; }},
        Mismatch{"OtherDataBlock",
                 [](auto& px, auto&) { px[kEntry1 + 2 * kEntrySize + 5] = std::byte{2}; }},
        Mismatch{"OtherRecordCount", [](auto& px, auto&) { px[kEntry1 + 7] = std::byte{169}; }},
        Mismatch{"EntryMissing",
                 [](auto& px, auto&) {
                     PutLE16(px, 0x804, 10);
                     PutLE32(px, 0x06, 2);
                 }},
        Mismatch{"EntryCountNotTheHeaders", [](auto& px, auto&) { PutLE32(px, 0x06, 4); }},
        Mismatch{"RootNotABlock", [](auto& px, auto&) { PutLE16(px, 0x1E, 9); }},
        Mismatch{"NoLevels", [](auto& px, auto&) { px[0x20] = std::byte{0}; }},
        Mismatch{"LevelsOfAnotherIndex", [](auto& px, auto&) { px[0x20] = std::byte{2}; }},
        Mismatch{"TableOfOtherDates",
                 [](auto&, auto& db) {
                     TableImage later = paradoxtest::WeightLog(400);
                     for (db::Record& record : later.records) {
                         std::get<db::Date>(record[0]).days += 1;
                     }
                     db = WriteTable(later, "x.db");
                 }},
        Mismatch{"DamagedTable", [](auto&, auto& db) { PutLE16(db, 0x800, 1); }},
        Mismatch{"TableWithoutKey",
                 [](auto&, auto& db) {
                     db[0x04] = std::byte{2};
                     PutLE16(db, 0x23, 0);
                 }}),
    [](const auto& test) { return std::string(test.param.name); });

class TwoLevelIndex : public ::testing::Test {
protected:
    TwoLevelIndex()
        : table_(paradoxtest::WeightLog(204 * 170)),
          px_(WriteIndex(table_, "x.PX")),
          db_(WriteTable(table_, "x.db")) {}

    TableImage table_;
    std::vector<std::byte> px_;
    std::vector<std::byte> db_;
};

TEST_F(TwoLevelIndex, ChecksTheRootAgainstItsLeaves) {
    ASSERT_TRUE(IndexMatches(px_, db_));
    px_[kEntry1 + 3] ^= std::byte{1};  // first key of leaf 2
    EXPECT_FALSE(IndexMatches(px_, db_));
}

TEST_F(TwoLevelIndex, RefusesARootThatPointsAtItself) {
    px_[kEntry1 + kEntrySize + 5] = std::byte{1};
    EXPECT_FALSE(IndexMatches(px_, db_));
}

TEST_F(TwoLevelIndex, FindsTheRootWhereverItLies) {
    // Paradox may chain the root after a leaf: swap blocks 1 and 2.
    constexpr std::size_t kBlock = 0x800;
    std::vector<std::byte> root(px_.begin() + kBlock, px_.begin() + 2 * kBlock);
    std::copy(px_.begin() + 2 * kBlock, px_.begin() + 3 * kBlock, px_.begin() + kBlock);
    std::copy(root.begin(), root.end(), px_.begin() + 2 * kBlock);
    PutLE16(px_, 0x1E, 2);
    px_[2 * kBlock + kEntry1 - kBlock + 5] = std::byte{1};  // the root's first leaf is now block 1
    EXPECT_TRUE(IndexMatches(px_, db_));
}

// Paradox's own index files match their tables once saved together; only
// the change counter of some was left behind, so it is aligned first.
std::vector<std::filesystem::path> SampleIndexes() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder =
        std::filesystem::path(BODELOG_SHARED_DIR) / "data" / "paradox-samples";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".PX" || extension == ".px") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::filesystem::path TableOf(const std::filesystem::path& px) {
    for (const char* extension : {".DB", ".db"}) {
        std::filesystem::path db = px;
        db.replace_extension(extension);
        if (std::filesystem::exists(db)) {
            return db;
        }
    }
    return {};
}

class SampleIndex : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(SampleIndex, MatchesItsTable) {
    std::vector<std::byte> px = paradoxtest::LoadFile(GetParam());
    const std::vector<std::byte> db = paradoxtest::LoadFile(TableOf(GetParam()));
    px[0x2C] = db[0x2D];
    EXPECT_TRUE(IndexMatches(px, db));
}

INSTANTIATE_TEST_SUITE_P(Paradox, SampleIndex, ::testing::ValuesIn(SampleIndexes()),
                         [](const auto& test) {
                             std::string name = test.param.parent_path().filename().string() + "_" +
                                                test.param.stem().string();
                             return name;
                         });

}  // namespace
