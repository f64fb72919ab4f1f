#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "db/edatabaseerror.h"
#include "weightlogtest.h"

namespace {

using Moves = void (*)(db::TTable&);

struct CursorCase {
    const char* description;
    int entries;
    Moves moves;
    int recNo;  // -1: no record
    bool bof;
    bool eof;
};

std::ostream& operator<<(std::ostream& out, const CursorCase& c) {
    return out << c.description << " on " << c.entries << " entries";
}

class CursorTest : public WeightLogTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(CursorTest, LandsOnRecordWithFlags) {
    const CursorCase& c = GetParam();
    OpenLog(c.entries);
    c.moves(table);
    EXPECT_EQ(table.RecNo(), c.recNo);
    EXPECT_EQ(table.Bof(), c.bof);
    EXPECT_EQ(table.Eof(), c.eof);
    if (c.recNo > 0) {
        EXPECT_EQ(date->AsDateTime(), Day(c.recNo - 1)) << "the fields show another record";
        EXPECT_EQ(weight->AsFloat(), 150.0 + (c.recNo - 1));
    } else {
        EXPECT_TRUE(date->IsNull());
        EXPECT_TRUE(weight->IsNull());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, CursorTest,
    ::testing::Values(
        CursorCase{"open", 0, [](db::TTable&) {}, -1, true, true},
        CursorCase{"Last", 0, [](db::TTable& ds) { ds.Last(); }, -1, true, true},
        CursorCase{"First", 0, [](db::TTable& ds) { ds.First(); }, -1, true, true},
        CursorCase{"Next", 0, [](db::TTable& ds) { ds.Next(); }, -1, true, true},
        CursorCase{"Last, Prior", 0, [](db::TTable& ds) { ds.Last(); ds.Prior(); }, -1, true, true},
        CursorCase{"MoveBy(-30)", 0, [](db::TTable& ds) { ds.MoveBy(-30); }, -1, true, true},
        CursorCase{"open", 1, [](db::TTable&) {}, 1, true, false},
        CursorCase{"Last", 1, [](db::TTable& ds) { ds.Last(); }, 1, false, true},
        CursorCase{"Last, Prior", 1, [](db::TTable& ds) { ds.Last(); ds.Prior(); }, 1, true, false},
        CursorCase{"First, Next", 1, [](db::TTable& ds) { ds.First(); ds.Next(); }, 1, false, true},
        CursorCase{"Last, MoveBy(-30)", 1, [](db::TTable& ds) { ds.Last(); ds.MoveBy(-30); }, 1,
                   true, false},
        CursorCase{"open", 5, [](db::TTable&) {}, 1, true, false},
        CursorCase{"Last", 5, [](db::TTable& ds) { ds.Last(); }, 5, false, true},
        CursorCase{"Last, Prior", 5, [](db::TTable& ds) { ds.Last(); ds.Prior(); }, 4, false, false},
        CursorCase{"Last, Next", 5, [](db::TTable& ds) { ds.Last(); ds.Next(); }, 5, false, true},
        CursorCase{"Last, MoveBy(-3)", 5, [](db::TTable& ds) { ds.Last(); ds.MoveBy(-3); }, 2, false,
                   false},
        // Reaching the oldest entry exactly is a full move: Bof stays clear.
        CursorCase{"Last, MoveBy(-4)", 5, [](db::TTable& ds) { ds.Last(); ds.MoveBy(-4); }, 1, false,
                   false},
        CursorCase{"Last, MoveBy(-30)", 5, [](db::TTable& ds) { ds.Last(); ds.MoveBy(-30); }, 1,
                   true, false},
        CursorCase{"Last, MoveBy(-30), Prior", 5,
                   [](db::TTable& ds) { ds.Last(); ds.MoveBy(-30), ds.Prior(); }, 1, true, false},
        CursorCase{"Last, MoveBy(-30), Next", 5,
                   [](db::TTable& ds) { ds.Last(); ds.MoveBy(-30), ds.Next(); }, 2, false, false},
        CursorCase{"First, MoveBy(4)", 5, [](db::TTable& ds) { ds.First(); ds.MoveBy(4); }, 5, false,
                   false},
        CursorCase{"First, MoveBy(10)", 5, [](db::TTable& ds) { ds.First(); ds.MoveBy(10); }, 5,
                   false, true},
        CursorCase{"Last, First", 5, [](db::TTable& ds) { ds.Last(); ds.First(); }, 1, true, false},
        CursorCase{"MoveBy(0)", 5, [](db::TTable& ds) { ds.Next(); ds.MoveBy(0); }, 2, false, false},
        CursorCase{"SetRecNo(3)", 5, [](db::TTable& ds) { ds.SetRecNo(3); }, 3, false, false}));

struct MoveByCase {
    bool fromLast;
    int distance;
    int moved;
};

std::ostream& operator<<(std::ostream& out, const MoveByCase& c) {
    return out << (c.fromLast ? "Last" : "First") << ", MoveBy(" << c.distance << ")";
}

class MoveByTest : public WeightLogTest, public ::testing::WithParamInterface<MoveByCase> {};

TEST_P(MoveByTest, ReportsRecordsActuallyMoved) {
    OpenLog(5);
    if (GetParam().fromLast) {
        table.Last();
    }
    EXPECT_EQ(table.MoveBy(GetParam().distance), GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(Distances, MoveByTest,
                         ::testing::Values(MoveByCase{true, -3, -3}, MoveByCase{true, -30, -4},
                                           MoveByCase{true, 2, 0}, MoveByCase{false, 2, 2},
                                           MoveByCase{false, 30, 4}, MoveByCase{false, -1, 0}));

struct ClosedCase {
    const char* operation;
    void (*run)(db::TTable&);
};

std::ostream& operator<<(std::ostream& out, const ClosedCase& c) {
    return out << c.operation;
}

class ClosedTableTest : public WeightLogTest, public ::testing::WithParamInterface<ClosedCase> {};

TEST_P(ClosedTableTest, RefusesOperation) {
    CreateLog(3);
    table.SetTableName(kLog);
    try {
        GetParam().run(table);
        FAIL() << GetParam().operation << " did not fail";
    } catch (const db::EDatabaseError& error) {
        EXPECT_STREQ(error.what(), "Cannot perform this operation on a closed dataset");
    }
    EXPECT_FALSE(table.Active());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ClosedTableTest,
    ::testing::Values(ClosedCase{"First", [](db::TTable& ds) { ds.First(); }},
                      ClosedCase{"Last", [](db::TTable& ds) { ds.Last(); }},
                      ClosedCase{"Next", [](db::TTable& ds) { ds.Next(); }},
                      ClosedCase{"Prior", [](db::TTable& ds) { ds.Prior(); }},
                      ClosedCase{"MoveBy", [](db::TTable& ds) { ds.MoveBy(-3); }},
                      ClosedCase{"Insert", [](db::TTable& ds) { ds.Insert(); }},
                      ClosedCase{"Edit", [](db::TTable& ds) { ds.Edit(); }},
                      ClosedCase{"Post", [](db::TTable& ds) { ds.Post(); }},
                      ClosedCase{"Delete", [](db::TTable& ds) { ds.Delete(); }}));

TEST_F(WeightLogTest, ClosedTableLooksEmpty) {
    OpenLog(3);
    table.Last();
    table.Close();
    EXPECT_TRUE(table.Bof());
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.RecordCount(), 0U);
    EXPECT_TRUE(weight->IsNull());
}

}  // namespace
