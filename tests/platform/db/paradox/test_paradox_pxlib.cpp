// Our files against pxlib, an implementation of the format we did not write:
// it reads every table and index we write, we read every table it writes,
// and both read the tables Paradox itself wrote alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "db/paradox/indexcheck.h"
#include "db/paradox/indexwriter.h"
#include "db/paradox/tablereader.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"
#include "paradoxtestdata.h"
#include "pxliboracle.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using db::paradox::TableImage;
using paradoxtest::SameRecords;

constexpr std::size_t kRecordsPerBlock = 170;
constexpr std::size_t kEntriesPerIndexBlock = 203;

// The entries our index should hold, as pxlib reads them block by block:
// the root first when there are two levels, then the leaves.
std::vector<pxlib::IndexEntry> ExpectedEntries(const TableImage& table) {
    std::vector<pxlib::IndexEntry> leaves;
    for (std::size_t first = 0; first < table.records.size(); first += kRecordsPerBlock) {
        const std::size_t count = std::min(kRecordsPerBlock, table.records.size() - first);
        leaves.push_back({table.records[first][0], static_cast<int>(leaves.size() + 1),
                          static_cast<int>(count)});
    }
    if (leaves.size() <= kEntriesPerIndexBlock) {
        return leaves;
    }
    std::vector<pxlib::IndexEntry> entries;
    for (std::size_t first = 0; first < leaves.size(); first += kEntriesPerIndexBlock) {
        const std::size_t end = std::min(leaves.size(), first + kEntriesPerIndexBlock);
        int records = 0;
        for (std::size_t i = first; i < end; ++i) {
            records += leaves[i].count;
        }
        // Counts are 16-bit Shorts on disk, so pxlib reads a large one as negative.
        entries.push_back({leaves[first].key, static_cast<int>(2 + first / kEntriesPerIndexBlock),
                           static_cast<std::int16_t>(records)});
    }
    entries.insert(entries.end(), leaves.begin(), leaves.end());
    return entries;
}

class PxlibReadsOurFiles : public ::testing::TestWithParam<std::size_t> {
protected:
    void write(const TableImage& table) {
        paradoxtest::SaveFile(db_, db::paradox::WriteTable(table, "John Doe.db"));
        paradoxtest::SaveFile(px_, db::paradox::WriteIndex(table, "John Doe.PX"));
    }

    TempFolder folder_;
    fs::path db_ = folder_.path() / "John Doe.db";
    fs::path px_ = folder_.path() / "John Doe.PX";
};

TEST_P(PxlibReadsOurFiles, TableAndIndex) {
    const TableImage table = paradoxtest::WeightLog(GetParam());
    write(table);

    const pxlib::Table read = pxlib::Read(db_);
    ASSERT_EQ(read.fields.size(), 2u);
    EXPECT_EQ(read.fields[0].name, "DATE");
    EXPECT_EQ(read.fields[0].type, 0x02);
    EXPECT_EQ(read.fields[0].size, 4);
    EXPECT_EQ(read.fields[1].name, "WEIGHT");
    EXPECT_EQ(read.fields[1].type, 0x06);
    EXPECT_EQ(read.fields[1].size, 8);
    EXPECT_EQ(read.keyFieldCount, 1);
    std::string difference;
    EXPECT_TRUE(SameRecords(read.records, table.records, &difference)) << difference;

    EXPECT_EQ(pxlib::ReadIndexEntries(px_), ExpectedEntries(table));
    if (table.records.size() <= kRecordsPerBlock * kEntriesPerIndexBlock) {
        // pxlib follows a one-level index only (it guesses levels from block order).
        const pxlib::Table throughIndex = pxlib::Read(db_, px_);
        EXPECT_TRUE(SameRecords(throughIndex.records, table.records, &difference)) << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PxlibReadsOurFiles,
                         ::testing::Values(0, 1, 170, 171, 1000, 34510, 34511, 36525));

TEST_F(PxlibReadsOurFiles, EveryBitOfTheValues) {
    TableImage table = db::paradox::NewWeightLog();
    const db::FieldValue weights[] = {0.1,
                                      999.5,
                                      -2.5,
                                      0.0,
                                      std::monostate{},
                                      std::numeric_limits<double>::denorm_min(),
                                      std::numeric_limits<double>::max(),
                                      -std::numeric_limits<double>::min()};
    std::int32_t day = 1;
    for (const db::FieldValue& weight : weights) {
        table.records.push_back({db::Date{day}, weight});
        day += 365242;
    }
    write(table);

    std::string difference;
    EXPECT_TRUE(SameRecords(pxlib::Read(db_).records, table.records, &difference)) << difference;
}

TEST_F(PxlibReadsOurFiles, Level7) {
    TableImage table = paradoxtest::WeightLog(500);
    table.version = 0x0C;
    table.codePage = 1252;
    write(table);

    std::string difference;
    EXPECT_TRUE(SameRecords(pxlib::Read(db_, px_).records, table.records, &difference))
        << difference;
}

class WeReadPxlibFiles : public ::testing::TestWithParam<std::size_t> {
protected:
    TempFolder folder_;
    fs::path db_ = folder_.path() / "log.db";
    fs::path px_ = folder_.path() / "log.PX";
};

TEST_P(WeReadPxlibFiles, TableAndIndex) {
    const TableImage table = paradoxtest::WeightLog(GetParam());
    pxlib::WriteWeightLog(db_, px_, table.records);

    const std::vector<std::byte> db = paradoxtest::LoadFile(db_);
    const TableImage read = db::paradox::ReadTable(db, "log.db");
    EXPECT_NO_THROW(db::paradox::CheckWeightLog(read, "log.db"));
    std::string difference;
    EXPECT_TRUE(SameRecords(read.records, table.records, &difference)) << difference;

    // pxlib does not copy the table's change counter into its index.
    std::vector<std::byte> px = paradoxtest::LoadFile(px_);
    EXPECT_FALSE(db::paradox::IndexMatches(px, db));
    px[0x2C] = db[0x2D];
    EXPECT_TRUE(db::paradox::IndexMatches(px, db));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WeReadPxlibFiles, ::testing::Values(0, 1, 170, 171, 2000));

std::vector<fs::path> SampleTables() {
    std::vector<fs::path> files;
    const fs::path folder = fs::path(BODELOG_SHARED_DIR) / "data" / "paradox-samples";
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".DB" || extension == ".db") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool Readable(int type) {
    return type != 0x17 && (type < 0x0C || type > 0x10);
}

int TypeCode(db::FieldType type) {
    switch (type) {
        case db::FieldType::Alpha:
            return 0x01;
        case db::FieldType::Date:
            return 0x02;
        case db::FieldType::Short:
            return 0x03;
        case db::FieldType::Long:
            return 0x04;
        case db::FieldType::Currency:
            return 0x05;
        case db::FieldType::Number:
            return 0x06;
        case db::FieldType::Logical:
            return 0x09;
        case db::FieldType::Time:
            return 0x14;
        case db::FieldType::Timestamp:
            return 0x15;
        case db::FieldType::AutoInc:
            return 0x16;
        case db::FieldType::Bytes:
            return 0x18;
    }
    return 0;
}

class ParadoxSample : public ::testing::TestWithParam<fs::path> {};

// Either the same fields and records as pxlib, bit for bit, or a refusal
// that says why: a password, or a field type the program has no use for.
TEST_P(ParadoxSample, ReadsWhatPxlibReadsOrSaysWhyNot) {
    const pxlib::Table theirs = pxlib::Read(GetParam());
    const std::vector<std::byte> file = paradoxtest::LoadFile(GetParam());
    const std::string name = GetParam().filename().string();
    const bool readable = std::all_of(theirs.fields.begin(), theirs.fields.end(),
                                      [](const pxlib::Field& f) { return Readable(f.type); });
    try {
        const TableImage ours = db::paradox::ReadTable(file, name);
        ASSERT_TRUE(!theirs.encrypted && readable) << "read a table pxlib cannot show";
        ASSERT_EQ(ours.fields.size(), theirs.fields.size());
        for (std::size_t f = 0; f < ours.fields.size(); ++f) {
            EXPECT_EQ(ours.fields[f].name, theirs.fields[f].name);
            EXPECT_EQ(TypeCode(ours.fields[f].type), theirs.fields[f].type) << "field " << f;
        }
        EXPECT_EQ(ours.keyFieldCount, theirs.keyFieldCount);
        std::string difference;
        EXPECT_TRUE(SameRecords(ours.records, theirs.records, &difference)) << difference;
    } catch (const db::EDBEngineError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(name + ": ", 0), 0u) << message;
        if (theirs.encrypted) {
            EXPECT_EQ(message, name + ": table is password protected");
        } else {
            EXPECT_FALSE(readable) << message;
            EXPECT_NE(message.find("unsupported field type"), std::string::npos) << message;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paradox, ParadoxSample, ::testing::ValuesIn(SampleTables()), [](const auto& test) {
        std::string name =
            test.param.parent_path().filename().string() + "_" + test.param.stem().string();
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

}  // namespace
