#include "db/paradox/paradoxtable.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <random>

#include "db/paradox/paradoxengine.h"
#include "db/paradox/tablelock.h"
#include "paradoxtestdata.h"
#include "pxliboracle.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using db::paradox::ParadoxTable;

db::Record Entry(int dayOffset, double weight) {
    return {db::Date{paradoxtest::Day(2020, 1, 1).days + dayOffset}, weight};
}

std::vector<db::Record> AllRecords(const db::Table& table) {
    std::vector<db::Record> records;
    for (std::size_t i = 0; i < table.recordCount(); ++i) {
        records.push_back(table.record(i));
    }
    return records;
}

// The child's side of the kill test: posts until it is killed.
[[noreturn]] void PostForever(const fs::path& log, int report) {
    try {
        ParadoxTable table(log);
        for (int day = static_cast<int>(table.recordCount());; ++day) {
            table.insert(Entry(day, 100.0 + day * 0.1));
            const std::int32_t count = day + 1;
            if (::write(report, &count, sizeof count) != sizeof count) {
                ::_exit(1);
            }
        }
    } catch (...) {
        ::_exit(2);
    }
}

class ParadoxTableTest : public ::testing::Test {
protected:
    ParadoxTableTest() { ParadoxTable::Create(log()); }

    fs::path log() const { return folder_.path() / "John Doe.db"; }
    fs::path index() const { return folder_.path() / "John Doe.PX"; }

    std::vector<db::Record> StoredByPxlib() const { return pxlib::Read(log(), index()).records; }

private:
    TempFolder folder_;
};

TEST_F(ParadoxTableTest, CreatesAnEmptyWeightLogWithItsIndex) {
    ASSERT_TRUE(fs::exists(index()));
    ParadoxTable table(log());
    EXPECT_EQ(table.recordCount(), 0u);
    ASSERT_EQ(table.fields().size(), 2u);
    EXPECT_EQ(table.fields()[0].name, "DATE");
    EXPECT_EQ(table.fields()[1].name, "WEIGHT");
}

TEST_F(ParadoxTableTest, KeepsRecordsInDateOrderOnDiskAfterEveryChange) {
    {
        ParadoxTable table(log());
        EXPECT_EQ(table.insert(Entry(5, 150.5)), 0u);
        EXPECT_EQ(table.insert(Entry(1, 151.0)), 0u);
        EXPECT_EQ(table.insert(Entry(9, 149.5)), 2u);
        EXPECT_EQ(table.update(0, Entry(7, 151.25)), 1u);  // moves past the 5th day
        table.remove(0);
    }
    const std::vector<db::Record> expected{Entry(7, 151.25), Entry(9, 149.5)};
    EXPECT_TRUE(paradoxtest::SameRecords(AllRecords(ParadoxTable(log())), expected));
    std::string difference;
    EXPECT_TRUE(paradoxtest::SameRecords(StoredByPxlib(), expected, &difference)) << difference;
}

TEST_F(ParadoxTableTest, DuplicateDateIsAKeyViolationAndStoresNothing) {
    ParadoxTable table(log());
    table.insert(Entry(1, 150.0));
    table.insert(Entry(2, 151.0));
    const auto before = paradoxtest::LoadFile(log());
    EXPECT_THROW(
        {
            try {
                table.insert(Entry(1, 999.0));
            } catch (const db::EDBEngineError& error) {
                EXPECT_STREQ(error.what(), "Key violation.");
                throw;
            }
        },
        db::EDBEngineError);
    EXPECT_THROW(table.update(1, Entry(1, 152.0)), db::EDBEngineError);
    EXPECT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(paradoxtest::LoadFile(log()), before);
}

TEST_F(ParadoxTableTest, SecondOpenOfALockedLogIsBusy) {
    ParadoxTable first(log());
    try {
        ParadoxTable second(log());
        FAIL() << "a second open succeeded";
    } catch (const db::EDBEngineError& error) {
        EXPECT_NE(std::string(error.what()).find("busy"), std::string::npos) << error.what();
    }
    EXPECT_THROW(ParadoxTable::Create(log()), db::EDBEngineError);
}

TEST_F(ParadoxTableTest, IndexThatDoesNotMatchIsRebuiltAtOpen) {
    {
        ParadoxTable table(log());
        for (int day = 0; day < 400; ++day) {
            table.insert(Entry(day, 150.0 + day / 10.0));
        }
    }
    const std::vector<std::vector<std::byte>> badIndexes{
        {}, paradoxtest::Bytes({1, 2, 3}), paradoxtest::LoadFile(log())};
    for (const auto& bad : badIndexes) {
        paradoxtest::SaveFile(index(), bad);
        EXPECT_EQ(ParadoxTable(log()).recordCount(), 400u);
        EXPECT_EQ(StoredByPxlib().size(), 400u);
    }
    fs::remove(index());
    EXPECT_EQ(ParadoxTable(log()).recordCount(), 400u);
    EXPECT_TRUE(fs::exists(index()));
}

TEST_F(ParadoxTableTest, MissingOrForeignFileIsRefusedNamingIt) {
    const fs::path missing = log().parent_path() / "Nobody.db";
    for (const auto& [path, content] : std::vector<std::pair<fs::path, std::vector<std::byte>>>{
             {missing, {}}, {log().parent_path() / "junk.db", paradoxtest::Bytes({0x50, 0x4b})}}) {
        if (!content.empty()) {
            paradoxtest::SaveFile(path, content);
        }
        try {
            ParadoxTable table(path);
            FAIL() << path << " opened";
        } catch (const db::EDBEngineError& error) {
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos)
                << error.what();
        }
    }
    EXPECT_FALSE(fs::exists(db::paradox::TableLock::LockFileFor(missing)));
}

TEST_F(ParadoxTableTest, EngineCreatesOnlyWeightLogs) {
    db::paradox::ParadoxEngine engine;
    const std::vector<db::FieldDef> fields{{"DATE", db::FieldType::Date, 0},
                                           {"WEIGHT", db::FieldType::Number, 0}};
    const std::vector<db::IndexDef> primary{{"PRIMARY", {"DATE"}, true, true}};
    const auto other = (log().parent_path() / "Other.db").string();
    EXPECT_THROW(engine.create(other, {fields[1], fields[0]}, primary), db::EDBEngineError);
    EXPECT_THROW(engine.create(other, fields, {}), db::EDBEngineError);
    EXPECT_FALSE(fs::exists(other));
    {
        auto table = engine.open(log().string());
        table->insert(Entry(0, 150.0));
    }
    engine.create(log().string(), fields, primary);  // replaces the log with an empty one
    EXPECT_EQ(engine.open(log().string())->recordCount(), 0u);
}

// A child process posts entries one after another and reports each post
// once it has returned; the parent kills it at a random moment. Whatever the
// moment, the log must open and hold exactly the reported posts, or those
// and the one in flight.
TEST_F(ParadoxTableTest, KilledWriterNeverLosesAPostOrTearsTheLog) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    int posted = 0;
    for (int round = 0; round < 40; ++round) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(report[0]);
            PostForever(log(), report[1]);
        }
        ::close(report[1]);
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
        std::int32_t count = 0;
        while (::read(report[0], &count, sizeof count) == sizeof count) {
            posted = count;
        }
        ::close(report[0]);

        ParadoxTable table(log());
        const auto stored = static_cast<int>(table.recordCount());
        ASSERT_TRUE(stored == posted || stored == posted + 1)
            << "round " << round << ": " << posted << " posted, " << stored << " stored";
        for (int day = 0; day < stored; ++day) {
            ASSERT_TRUE(paradoxtest::SameValue(table.record(static_cast<std::size_t>(day))[1],
                                               100.0 + day * 0.1));
        }
        posted = stored;
    }
    EXPECT_GT(posted, 0);
}

}  // namespace
