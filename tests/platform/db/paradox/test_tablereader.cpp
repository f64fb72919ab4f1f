#include "db/paradox/tablereader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>

#include "db/paradox/indexcheck.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"
#include "paradoxtestdata.h"

namespace {

using db::paradox::ReadTable;
using db::paradox::TableImage;
using db::paradox::WriteTable;
using paradoxtest::GetLE16;
using paradoxtest::PutLE16;
using paradoxtest::PutLE32;
using paradoxtest::SameRecords;

class RoundTrip : public ::testing::TestWithParam<std::size_t> {};

TEST_P(RoundTrip, ReadsBackWhatWasWritten) {
    const TableImage table = paradoxtest::WeightLog(GetParam());
    const TableImage back = ReadTable(WriteTable(table, "x.db"), "x.db");

    std::string difference;
    EXPECT_TRUE(SameRecords(back.records, table.records, &difference)) << difference;
    ASSERT_EQ(back.fields.size(), 2u);
    EXPECT_EQ(back.fields[0].name, "DATE");
    EXPECT_EQ(back.fields[0].type, db::FieldType::Date);
    EXPECT_EQ(back.fields[1].name, "WEIGHT");
    EXPECT_EQ(back.fields[1].type, db::FieldType::Number);
    EXPECT_EQ(back.keyFieldCount, 1);
    EXPECT_EQ(back.version, 0x09);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoundTrip, ::testing::Values(0, 1, 170, 171, 1000, 36525));

TEST(ReadTable, KeepsEveryBitOfTheValues) {
    TableImage table = db::paradox::NewWeightLog();
    const double values[] = {0.1,
                             999.5,
                             -2.5,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max()};
    std::int32_t day = -3;
    for (double value : values) {
        table.records.push_back({db::Date{day++}, value});
    }
    table.records.push_back({db::Date{day++}, std::monostate{}});
    table.records.push_back({db::Date{3652059}, 150.0});

    std::string difference;
    EXPECT_TRUE(SameRecords(ReadTable(WriteTable(table, "x.db"), "x.db").records, table.records,
                            &difference))
        << difference;
}

// A packed table of three data blocks (170, 170 and 60 records), to be laid
// out as Paradox leaves tables after inserts and deletes.
class ThreeBlockTable : public ::testing::Test {
protected:
    static constexpr std::size_t kBlockSize = 0x800;

    ThreeBlockTable() : table_(paradoxtest::WeightLog(400)), file_(WriteTable(table_, "x.db")) {}

    static std::size_t Block(std::size_t number) { return 0x800 + (number - 1) * kBlockSize; }
    auto At(std::size_t offset) { return file_.begin() + static_cast<std::ptrdiff_t>(offset); }
    void SetNext(std::size_t block, std::uint16_t next) { PutLE16(file_, Block(block), next); }
    void AddBlocks(std::size_t count) {
        file_.resize(file_.size() + count * kBlockSize);
        PutLE16(file_, 0x0C, static_cast<std::uint16_t>(GetLE16(file_, 0x0C) + count));
    }
    void ExpectAllRecords() {
        std::string difference;
        EXPECT_TRUE(SameRecords(ReadTable(file_, "x.db").records, table_.records, &difference))
            << difference;
    }

    TableImage table_;
    std::vector<std::byte> file_;
};

TEST_F(ThreeBlockTable, FollowsTheChainNotTheFileOrder) {
    // Blocks 2 and 3 change places in the file; the chain still runs 1, 2, 3 by content.
    std::vector<std::byte> second(At(Block(2)), At(Block(3)));
    std::copy(At(Block(3)), At(Block(4)), At(Block(2)));
    std::copy(second.begin(), second.end(), At(Block(3)));
    SetNext(1, 3);
    SetNext(3, 2);
    SetNext(2, 0);
    ExpectAllRecords();
}

TEST_F(ThreeBlockTable, SkipsAnEmptyBlockInTheChain) {
    AddBlocks(1);
    PutLE16(file_, Block(4) + 4, static_cast<std::uint16_t>(-12));
    SetNext(2, 4);
    SetNext(4, 3);
    ExpectAllRecords();
}

TEST_F(ThreeBlockTable, IgnoresAFreeBlockOutsideTheChain) {
    AddBlocks(1);
    std::fill(At(Block(4)), file_.end(), std::byte{0x5A});
    PutLE16(file_, 0x4D, 4);
    ExpectAllRecords();
}

TEST_F(ThreeBlockTable, AcceptsAFileThatEndsAfterTheLastRecord) {
    file_.resize(Block(3) + 6 + 60 * 12);
    ExpectAllRecords();
}

TEST(ReadTable, LeavesOutStaleBytesAfterTheLastRecord) {
    std::vector<std::byte> file = WriteTable(paradoxtest::WeightLog(3), "x.db");
    std::fill(file.begin() + 0x800 + 6 + 3 * 12, file.end(), std::byte{0x80});
    EXPECT_EQ(ReadTable(file, "x.db").records.size(), 3u);
}

struct BadInput {
    const char* name;
    void (*damage)(std::vector<std::byte>&);
    const char* problem;  // expected after "John Doe.db: "; empty: any refusal
};

class BadTable : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadTable, IsRefusedWithTheFileNameAndTheProblem) {
    std::vector<std::byte> file = WriteTable(paradoxtest::WeightLog(400), "x.db");
    GetParam().damage(file);
    try {
        ReadTable(file, "John Doe.db");
        FAIL() << "read without complaint";
    } catch (const db::EDBEngineError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("John Doe.db: ", 0), 0u) << message;
        EXPECT_NE(message.find(GetParam().problem), std::string::npos) << message;
    }
}

constexpr std::size_t kBlock1 = 0x800;
constexpr std::size_t kBlock2 = 0x1000;
constexpr std::size_t kBlock3 = 0x1800;
constexpr std::size_t kWeightDescriptor = 0x7A;

INSTANTIATE_TEST_SUITE_P(
    Corpus, BadTable,
    ::testing::Values(
        BadInput{"Empty", [](auto& f) { f.clear(); },
                 "not a Paradox table (the file is empty)"},
        BadInput{"ShorterThanAHeader", [](auto& f) { f.resize(0x40); },
                 "not a Paradox table (too short for a header)"},
        BadInput{"Text",
                 [](auto& f) {
                     const std::string text = "DATE;WEIGHT\n2000-01-01;150.0\n";
                     f.assign(3000, std::byte{' '});
                     std::memcpy(f.data(), text.data(), text.size());
                 },
                 "not a Paradox table (header size out of range)"},
        BadInput{"RandomBytes",
                 [](auto& f) {
                     std::uint32_t state = 12345;
                     for (std::byte& b : f) {
                         state = state * 1103515245 + 12345;
                         b = std::byte(state >> 24);
                     }
                 },
                 ""},
        BadInput{"HeaderSizeBeyondTheFile", [](auto& f) { PutLE16(f, 0x02, 0xF000); },
                 "not a Paradox table (header size out of range)"},
        BadInput{"HeaderTooShortForItsVersion", [](auto& f) { PutLE16(f, 0x02, 0x60); },
                 "damaged Paradox table (header too short for its version)"},
        BadInput{"PrimaryIndex", [](auto& f) { f[0x04] = std::byte{1}; },
                 "not a Paradox table (this is a primary index file)"},
        BadInput{"SecondaryIndex", [](auto& f) { f[0x04] = std::byte{3}; },
                 "not a Paradox table (file type 0x03)"},
        BadInput{"LaterVersion", [](auto& f) { f[0x39] = std::byte{0x0D}; },
                 "unsupported Paradox version (file version 0x0D)"},
        BadInput{"BlockSizeCodeZero", [](auto& f) { f[0x05] = std::byte{0}; },
                 "damaged Paradox table (block size code 0 out of range)"},
        BadInput{"BlockSizeCodeTooLarge", [](auto& f) { f[0x05] = std::byte{33}; },
                 "damaged Paradox table (block size code 33 out of range)"},
        BadInput{"RecordSizeZero", [](auto& f) { PutLE16(f, 0x00, 0); },
                 "damaged Paradox table (record size 0 out of range)"},
        BadInput{"RecordLargerThanABlock", [](auto& f) { PutLE16(f, 0x00, 5000); },
                 "damaged Paradox table (record size 5000 out of range)"},
        BadInput{"RecordSizeNotTheFields", [](auto& f) { PutLE16(f, 0x00, 13); },
                 "damaged Paradox table (record size does not match the fields)"},
        BadInput{"NoFields", [](auto& f) { PutLE16(f, 0x21, 0); },
                 "damaged Paradox table (no fields)"},
        BadInput{"FieldCountBeyondTheHeader", [](auto& f) { PutLE16(f, 0x21, 0xFFFF); },
                 "damaged Paradox table (field count 65535 does not fit the header)"},
        BadInput{"MoreKeysThanFields", [](auto& f) { PutLE16(f, 0x23, 3); },
                 "damaged Paradox table (more key fields than fields)"},
        BadInput{"KeyedWithoutKeyFields", [](auto& f) { PutLE16(f, 0x23, 0); },
                 "damaged Paradox table (key field count does not suit the file type)"},
        BadInput{"UnkeyedWithKeyFields", [](auto& f) { f[0x04] = std::byte{2}; },
                 "damaged Paradox table (key field count does not suit the file type)"},
        BadInput{"FieldNamesRunPastTheHeader",
                 [](auto& f) { std::fill(f.begin() + 0xD7, f.begin() + 0x800, std::byte{'A'}); },
                 "damaged Paradox table (field names run past the header)"},
        BadInput{"BadFieldSize", [](auto& f) { f[kWeightDescriptor + 1] = std::byte{4}; },
                 "damaged Paradox table (field 'WEIGHT' has a bad size)"},
        BadInput{"UnknownFieldType", [](auto& f) { f[kWeightDescriptor] = std::byte{0x30}; },
                 "unsupported field type 0x30 in field 'WEIGHT'"},
        BadInput{"MemoField",
                 [](auto& f) {
                     f[kWeightDescriptor] = std::byte{0x0C};
                     f[kWeightDescriptor + 1] = std::byte{12};
                     PutLE16(f, 0x00, 16);
                 },
                 "unsupported field type Memo in field 'WEIGHT'"},
        BadInput{"PasswordProtected", [](auto& f) { PutLE32(f, 0x5C, 0x0A25E09A); },
                 "table is password protected"},
        BadInput{"PasswordProtectedLevel3",
                 [](auto& f) {
                     f[0x39] = std::byte{0x04};
                     PutLE32(f, 0x25, 0x0A25E09A);
                 },
                 "table is password protected"},
        BadInput{"HugeRecordCount", [](auto& f) { PutLE32(f, 0x06, 0xFFFFFFFF); },
                 "damaged Paradox table (the header counts 4294967295 records, the data blocks "
                 "hold 400)"},
        BadInput{"RecordCountTooSmall", [](auto& f) { PutLE32(f, 0x06, 399); },
                 "damaged Paradox table (the header counts 399 records, the data blocks hold more)"},
        BadInput{"NoFirstBlock", [](auto& f) { PutLE16(f, 0x0E, 0); },
                 "damaged Paradox table (the header counts 400 records, the data blocks hold 0)"},
        BadInput{"FirstBlockNotOfTheFile", [](auto& f) { PutLE16(f, 0x0E, 9); },
                 "damaged Paradox table (block 9 is not a block of the file)"},
        BadInput{"BlockBeyondTheEnd",
                 [](auto& f) {
                     PutLE16(f, 0x0C, 0xFFFF);
                     PutLE16(f, kBlock2, 0xFFFF);
                 },
                 "damaged Paradox table (block 65535 lies outside the file)"},
        BadInput{"ChainLoopsBack", [](auto& f) { PutLE16(f, kBlock3, 1); },
                 "damaged Paradox table (the chain of data blocks loops at block 1)"},
        BadInput{"BlockFollowsItself", [](auto& f) { PutLE16(f, kBlock1, 1); },
                 "damaged Paradox table (the chain of data blocks loops at block 1)"},
        BadInput{"RecordOffsetBetweenRecords", [](auto& f) { PutLE16(f, kBlock1 + 4, 5); },
                 "damaged Paradox table (block 1 has a bad record offset)"},
        BadInput{"NegativeRecordOffset",
                 [](auto& f) { PutLE16(f, kBlock1 + 4, static_cast<std::uint16_t>(-24)); },
                 "damaged Paradox table (block 1 has a bad record offset)"},
        BadInput{"OverfullBlock", [](auto& f) { PutLE16(f, kBlock1 + 4, 171 * 12); },
                 "damaged Paradox table (block 1 claims more records than it can hold)"},
        BadInput{"LastBlockCutShort", [](auto& f) { f.resize(kBlock3 + 6 + 10 * 12); },
                 "damaged Paradox table (block 3 is cut short)"},
        BadInput{"CutInTheMiddle", [](auto& f) { f.resize(kBlock2 + 100); },
                 "damaged Paradox table (block 2 is cut short)"},
        BadInput{"CutAtABlockHeader", [](auto& f) { f.resize(kBlock3 + 3); },
                 "damaged Paradox table (block 3 lies outside the file)"},
        BadInput{"KeysOutOfOrder",
                 [](auto& f) {
                     std::swap_ranges(f.begin() + kBlock2 + 6, f.begin() + kBlock2 + 10,
                                      f.begin() + kBlock2 + 18);
                 },
                 "damaged Paradox table (records out of key order in block 2)"},
        BadInput{"BlocksOutOfOrder",
                 [](auto& f) {
                     PutLE16(f, 0x0E, 2);
                     PutLE16(f, kBlock2, 1);
                     PutLE16(f, kBlock1, 3);
                 },
                 "damaged Paradox table (records out of key order in block 1)"},
        BadInput{"DuplicateKey",
                 [](auto& f) {
                     std::copy(f.begin() + kBlock1 + 6, f.begin() + kBlock1 + 10,
                               f.begin() + kBlock1 + 18);
                 },
                 "damaged Paradox table (records out of key order in block 1)"}),
    [](const auto& test) { return std::string(test.param.name); });

// Inputs that once broke the reader stay here for good.
std::vector<std::filesystem::path> RegressionFiles() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(BODELOG_TEST_DATA_DIR) / "paradox";
    if (std::filesystem::is_directory(folder)) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class Regression : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(Regression, IsReadOrRefusedCleanly) {
    const std::vector<std::byte> file = paradoxtest::LoadFile(GetParam());
    try {
        ReadTable(file, "regression");
    } catch (const db::EDBEngineError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("regression: ", 0), 0u) << e.what();
    }
    EXPECT_NO_THROW(db::paradox::IndexMatches(file, file));
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Regression);
INSTANTIATE_TEST_SUITE_P(
    Files, Regression, ::testing::ValuesIn(RegressionFiles()), [](const auto& test) {
        std::string name = test.param.filename().string();
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

}  // namespace
