#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/datasetobserver.h"
#include "weightlogtest.h"

namespace {

// Records what a data-aware control is told.
class RecordingObserver : public db::DataSetObserver {
public:
    void ActiveChanged() override { events.push_back("active"); }
    void DataSetChanged() override { events.push_back("changed"); }
    void DataSetScrolled() override { events.push_back("scrolled"); }
    void RecordChanged(const db::TField& field) override {
        events.push_back("record " + field.FieldName());
    }

    std::vector<std::string> events;
};

class ControlsTest : public WeightLogTest {
protected:
    void SetUp() override { table.AttachObserver(observer); }

    // Fills count days after the newest entry as the today check does.
    void FillGap(int count) {
        table.Last();
        const auto newest = date->AsDateTime();
        for (int i = 1; i <= count; ++i) {
            InsertEntry(newest + std::chrono::days{i}, 150.0);
        }
    }

    RecordingObserver observer;
};

TEST_F(ControlsTest, ObserversFollowTheTableWhileEnabled) {
    OpenLog(3);
    table.Next();
    table.Edit();
    weight->SetAsFloat(140.0);
    table.Post();
    table.Close();
    EXPECT_EQ(observer.events, (std::vector<std::string>{"active", "scrolled", "changed",
                                                         "record WEIGHT", "changed", "active"}));
}

TEST_F(ControlsTest, DetachedObserverHearsNothing) {
    OpenLog(3);
    table.DetachObserver(observer);
    table.Next();
    EXPECT_EQ(observer.events, std::vector<std::string>{"active"});
}

TEST_F(ControlsTest, NestedSuspensionDefersNotificationsToTheLastResumeButNotEvents) {
    OpenLog(3);
    observer.events.clear();
    table.DisableControls();
    table.DisableControls();
    FillGap(2);
    table.EnableControls();
    EXPECT_TRUE(observer.events.empty());
    EXPECT_EQ(afterPosts, 2);
    EXPECT_TRUE(table.ControlsDisabled());

    table.EnableControls();
    EXPECT_EQ(observer.events, std::vector<std::string>{"changed"});
    EXPECT_FALSE(table.ControlsDisabled());
}

TEST_F(ControlsTest, ResumeWithoutChangeTellsNothing) {
    OpenLog(3);
    observer.events.clear();
    table.DisableControls();
    table.EnableControls();
    table.EnableControls();  // one resume too many is ignored
    EXPECT_TRUE(observer.events.empty());
}

TEST_F(ControlsTest, WalkWhileSuspendedTellsOnlyWhereTheCursorEnded) {
    OpenLog(3);
    table.Last();
    observer.events.clear();
    // Out and back, as the analysis walks the newest entries.
    table.DisableControls();
    table.Last();
    table.MoveBy(-2);
    table.Last();
    table.EnableControls();
    EXPECT_TRUE(observer.events.empty());
    table.Last();
    EXPECT_TRUE(observer.events.empty());

    table.DisableControls();
    table.Prior();
    table.EnableControls();
    EXPECT_EQ(observer.events, std::vector<std::string>{"scrolled"});
    EXPECT_EQ(table.RecNo(), 2);
}

TEST_F(ControlsTest, OpeningWhileSuspendedIsToldOnResume) {
    CreateLog(3);
    table.SetTableName(kLog);
    table.DisableControls();
    table.Open();
    table.Last();
    table.EnableControls();
    EXPECT_EQ(observer.events, (std::vector<std::string>{"active", "changed"}));
}

TEST_F(ControlsTest, EveryPostOrDeleteIsFlushedWhileEnabled) {
    OpenLog(3);
    FillGap(2);
    EXPECT_EQ(LogFile().flushes, 2);
    table.Delete();
    EXPECT_EQ(LogFile().flushes, 3);
}

TEST_F(ControlsTest, GapFillWhileSuspendedIsFlushedOnceAtTheLastResume) {
    OpenLog(3);
    // Each post runs a pass that suspends and resumes the controls itself.
    table.AfterPost = [this](db::TTable& ds) {
        ds.Last();
        ds.DisableControls();
        ds.MoveBy(-65);
        ds.Last();
        ds.EnableControls();
    };
    table.DisableControls();
    FillGap(300);
    EXPECT_EQ(LogFile().flushes, 0);
    table.EnableControls();
    EXPECT_EQ(LogFile().flushes, 1);
    EXPECT_EQ(LogFile().records.size(), 303U);
    EXPECT_EQ(table.RecNo(), 303);
}

TEST_F(ControlsTest, CloseFlushesPendingChanges) {
    OpenLog(3);
    table.DisableControls();
    FillGap(1);
    table.Delete();
    table.Close();
    EXPECT_EQ(LogFile().flushes, 1);
    table.EnableControls();
    EXPECT_EQ(LogFile().flushes, 1);
}

TEST_F(ControlsTest, FailedPostFlushesNothing) {
    OpenLog(3);
    table.Insert();
    date->SetAsDateTime(Day(0));
    weight->SetAsFloat(150.0);
    EXPECT_THROW(table.Post(), db::EDBEngineError);
    table.Cancel();
    EXPECT_EQ(LogFile().flushes, 0);
}

}  // namespace
