#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "db/edatabaseerror.h"
#include "weightlogtest.h"

namespace {

using db::TDataSetState;

TEST_F(WeightLogTest, PostStoresRecordAndKeepsItCurrentAtItsKeyPosition) {
    CreateLog(0);
    LogFile().records = {{db::ToEngineDate(Day(0)), 150.0}, {db::ToEngineDate(Day(2)), 152.0}};
    table.SetTableName(kLog);
    table.Open();
    table.Last();
    db::TDataSetState stateSeen = TDataSetState::dsInactive;
    int recNoSeen = 0;
    table.AfterPost = [&](db::TTable& ds) {
        ++afterPosts;
        stateSeen = ds.State();
        recNoSeen = ds.RecNo();
    };

    InsertEntry(Day(1), 151.0);

    EXPECT_EQ(StoredDays(), (std::vector{Day(0), Day(1), Day(2)}));
    EXPECT_EQ(afterPosts, 1);
    EXPECT_EQ(stateSeen, TDataSetState::dsBrowse);
    EXPECT_EQ(recNoSeen, 2);
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(date->AsDateTime(), Day(1));
    EXPECT_FALSE(table.Bof());
    EXPECT_FALSE(table.Eof());
}

TEST_F(WeightLogTest, EditPostUpdatesStoredRecordAndFollowsAChangedKey) {
    OpenLog(3);
    table.Edit();
    weight->SetAsFloat(140.0);
    date->SetAsDateTime(Day(10));
    table.Post();

    EXPECT_EQ(StoredDays(), (std::vector{Day(1), Day(2), Day(10)}));
    EXPECT_EQ(StoredWeights(), (std::vector{151.0, 152.0, 140.0}));
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_EQ(afterPosts, 1);
}

TEST_F(WeightLogTest, EditOnEmptyLogStartsInsert) {
    OpenLog(0);
    table.Edit();
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    date->SetAsDateTime(Day(0));
    weight->SetAsFloat(150.0);
    table.Post();
    EXPECT_EQ(StoredWeights(), std::vector{150.0});
}

struct CancelCase {
    int entries;
    bool append;
    int recNo;
    bool bof;
    bool eof;
};

std::ostream& operator<<(std::ostream& out, const CancelCase& c) {
    return out << (c.append ? "Append" : "Insert") << " on " << c.entries << " entries";
}

class CancelInsertTest : public WeightLogTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelInsertTest, ReturnsToRecordCurrentBeforeInsert) {
    OpenLog(GetParam().entries);
    table.MoveBy(2);
    GetParam().append ? table.Append() : table.Insert();
    date->SetAsDateTime(Day(20));
    weight->SetAsFloat(160.0);
    table.Cancel();

    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table.RecNo(), GetParam().recNo);
    EXPECT_EQ(table.Bof(), GetParam().bof);
    EXPECT_EQ(table.Eof(), GetParam().eof);
    EXPECT_EQ(LogFile().records.size(), static_cast<std::size_t>(GetParam().entries));
    if (GetParam().recNo > 0) {
        EXPECT_EQ(date->AsDateTime(), Day(GetParam().recNo - 1));
    } else {
        EXPECT_TRUE(date->IsNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Logs, CancelInsertTest,
                         ::testing::Values(CancelCase{5, false, 3, false, false},
                                           CancelCase{5, true, 3, false, false},
                                           CancelCase{0, false, -1, true, true},
                                           CancelCase{0, true, -1, true, true}));

TEST_F(WeightLogTest, AppendSetsEofForTheBlankRowBelowTheNewest) {
    OpenLog(3);
    table.Last();
    table.Prior();
    table.Append();
    EXPECT_TRUE(table.Eof());
    EXPECT_FALSE(table.Bof());
    EXPECT_EQ(table.RecNo(), -1);
}

TEST_F(WeightLogTest, CancelEditRestoresStoredValues) {
    OpenLog(3);
    table.Next();
    table.Edit();
    weight->SetAsFloat(99.0);
    table.Cancel();
    EXPECT_EQ(weight->AsFloat(), 151.0);
    EXPECT_EQ(StoredWeights(), (std::vector{150.0, 151.0, 152.0}));
    EXPECT_EQ(afterPosts, 0);
}

// A move while inserting or editing posts a changed record and drops an
// unchanged one, then moves.
struct ImplicitPostCase {
    const char* move;
    void (*run)(db::TTable&);
    int recNoAfter;  // where the move lands when the new record (Day(10)) was posted
};

std::ostream& operator<<(std::ostream& out, const ImplicitPostCase& c) {
    return out << c.move;
}

class ImplicitPostTest : public WeightLogTest,
                         public ::testing::WithParamInterface<ImplicitPostCase> {};

TEST_P(ImplicitPostTest, ChangedInsertIsPostedFirst) {
    OpenLog(5);
    table.Insert();
    date->SetAsDateTime(Day(10));
    weight->SetAsFloat(160.0);
    GetParam().run(table);

    EXPECT_EQ(LogFile().records.size(), 6U);
    EXPECT_EQ(StoredDays().back(), Day(10));
    EXPECT_EQ(afterPosts, 1);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table.RecNo(), GetParam().recNoAfter);
}

TEST_P(ImplicitPostTest, UnchangedInsertIsDropped) {
    OpenLog(5);
    table.Insert();
    GetParam().run(table);

    EXPECT_EQ(LogFile().records.size(), 5U);
    EXPECT_EQ(afterPosts, 0);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
}

TEST_P(ImplicitPostTest, ChangedEditIsPostedFirst) {
    OpenLog(5);
    table.Last();
    table.Edit();
    weight->SetAsFloat(140.0);
    GetParam().run(table);

    EXPECT_EQ(StoredWeights().back(), 140.0);
    EXPECT_EQ(afterPosts, 1);
}

TEST_P(ImplicitPostTest, UnchangedEditIsDropped) {
    OpenLog(5);
    table.Edit();
    GetParam().run(table);
    EXPECT_EQ(afterPosts, 0);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ImplicitPostTest,
    ::testing::Values(ImplicitPostCase{"First", [](db::TTable& ds) { ds.First(); }, 1},
                      ImplicitPostCase{"Last", [](db::TTable& ds) { ds.Last(); }, 6},
                      ImplicitPostCase{"Next", [](db::TTable& ds) { ds.Next(); }, 6},
                      ImplicitPostCase{"Prior", [](db::TTable& ds) { ds.Prior(); }, 5},
                      ImplicitPostCase{"MoveBy(-2)", [](db::TTable& ds) { ds.MoveBy(-2); }, 4}),
    [](const auto& paramInfo) {
        std::string name = paramInfo.param.move;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

TEST_F(WeightLogTest, KeyViolationStoresNothingAndLeavesRecordUnposted) {
    OpenLog(3);
    table.Insert();
    date->SetAsDateTime(Day(1));
    weight->SetAsFloat(170.0);

    EXPECT_THROW(
        {
            try {
                table.Post();
            } catch (const db::EDBEngineError& error) {
                EXPECT_STREQ(error.what(), "Key violation.");
                throw;
            }
        },
        db::EDBEngineError);
    EXPECT_EQ(StoredWeights(), (std::vector{150.0, 151.0, 152.0}));
    EXPECT_EQ(afterPosts, 0);
    EXPECT_EQ(LogFile().flushes, 0);
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(weight->AsFloat(), 170.0);

    // Every move tries the post again, until the user cancels.
    EXPECT_THROW(table.Last(), db::EDBEngineError);
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    table.Cancel();
    table.Last();
    EXPECT_EQ(table.RecNo(), 3);
}

TEST_F(WeightLogTest, PostWithoutRequiredValueFailsAndKeepsRecord) {
    OpenLog(2);
    table.Insert();
    date->SetAsDateTime(Day(5));
    try {
        table.Post();
        FAIL() << "posted without a weight";
    } catch (const db::EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "Field 'WEIGHT' must have a value");
    }
    EXPECT_EQ(LogFile().records.size(), 2U);
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(date->AsDateTime(), Day(5));
}

TEST_F(WeightLogTest, FieldWritesOutsideEditOrInsertAreRefused) {
    OpenLog(2);
    const std::vector<std::pair<const char*, std::function<void()>>> writes = {
        {"AsFloat", [&] { weight->SetAsFloat(140.0); }},
        {"FieldValues", [&] { table.SetFieldValues("WEIGHT", 140.0); }},
        {"AsDateTime", [&] { date->SetAsDateTime(Day(9)); }},
        {"Clear", [&] { weight->Clear(); }},
        {"calculated field", [&] { weightKg->SetAsFloat(1.0); }},
    };
    for (const auto& [name, write] : writes) {
        try {
            write();
            ADD_FAILURE() << name << " was allowed in browse state";
        } catch (const db::EDatabaseError& error) {
            EXPECT_STREQ(error.what(), "Dataset not in edit or insert mode") << name;
        }
    }
    EXPECT_EQ(weight->AsFloat(), 150.0);
    EXPECT_EQ(date->AsDateTime(), Day(0));
}

TEST_F(WeightLogTest, PostInBrowseStateIsRefused) {
    OpenLog(2);
    EXPECT_THROW(table.Post(), db::EDatabaseError);
}

TEST_F(WeightLogTest, CloseDropsUnpostedRecord) {
    OpenLog(2);
    table.Insert();
    date->SetAsDateTime(Day(5));
    weight->SetAsFloat(140.0);
    table.Close();
    EXPECT_EQ(LogFile().records.size(), 2U);
    EXPECT_FALSE(LogFile().open);
}

class DeleteTest : public WeightLogTest {
protected:
    // What BeforeDelete saw: the record about to go is still there and current.
    int recordsSeen = 0;
    std::chrono::sys_days daySeen{};

    void SetUp() override {
        table.BeforeDelete = [this](db::TTable& ds) {
            recordsSeen = static_cast<int>(ds.RecordCount());
            daySeen = date->AsDateTime();
            ds.Cancel();
        };
    }
};

struct DeleteCase {
    int entries;
    int recNo;       // the record deleted
    int recNoAfter;  // -1: log left empty
};

std::ostream& operator<<(std::ostream& out, const DeleteCase& c) {
    return out << "record " << c.recNo << " of " << c.entries;
}

class DeletePositionTest : public DeleteTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeletePositionTest, FiresBeforeDeleteThenMovesToFollowingOrNewLast) {
    OpenLog(GetParam().entries);
    table.SetRecNo(GetParam().recNo);
    table.Delete();

    EXPECT_EQ(recordsSeen, GetParam().entries);
    EXPECT_EQ(daySeen, Day(GetParam().recNo - 1));
    EXPECT_EQ(LogFile().records.size(), static_cast<std::size_t>(GetParam().entries - 1));
    EXPECT_EQ(table.RecNo(), GetParam().recNoAfter);
    const bool empty = GetParam().recNoAfter < 0;
    EXPECT_EQ(table.Bof(), empty);
    EXPECT_EQ(table.Eof(), empty);
}

INSTANTIATE_TEST_SUITE_P(Positions, DeletePositionTest,
                         ::testing::Values(DeleteCase{5, 2, 2}, DeleteCase{5, 1, 1},
                                           DeleteCase{5, 5, 4}, DeleteCase{1, 1, -1}));

TEST_F(DeleteTest, HandlersCancelDiscardsPendingChangeBeforeDeletion) {
    OpenLog(3);
    table.Edit();
    weight->SetAsFloat(99.0);
    table.Delete();
    EXPECT_EQ(StoredWeights(), (std::vector{151.0, 152.0}));
    EXPECT_EQ(afterPosts, 0);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
}

TEST_F(DeleteTest, DeletingUnpostedNewRecordOnlyDropsIt) {
    OpenLog(3);
    table.Last();
    table.Insert();
    date->SetAsDateTime(Day(7));
    weight->SetAsFloat(140.0);
    table.Delete();
    EXPECT_EQ(StoredWeights(), (std::vector{150.0, 151.0, 152.0}));
    EXPECT_EQ(table.RecNo(), 3);
}

TEST_F(DeleteTest, ThrowingHandlerPreventsDeletion) {
    OpenLog(3);
    table.BeforeDelete = [](db::TTable&) { throw db::EDatabaseError("kept"); };
    EXPECT_THROW(table.Delete(), db::EDatabaseError);
    EXPECT_EQ(LogFile().records.size(), 3U);
}

TEST_F(DeleteTest, EmptyLogHasNothingToDelete) {
    OpenLog(0);
    EXPECT_THROW(table.Delete(), db::EDatabaseError);
}

}  // namespace
