#include <QAbstractItemModel>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "db/views/tdbgrid.h"
#include "entrytest.h"
#include "shell/settingsstore.h"
#include "shell/tmainform.h"
#include "sysutils/numberformat.h"
#include "weightlog/ttodaysweightdlg.h"

namespace {

using std::chrono::sys_days;

using TodayCheckTest = EntryTest;

TEST_F(TodayCheckTest, EmptyLogShowsTheDialogWithItsPreviousTextAndOKAddsToday) {
    OpenLog({}, true, Day(10));
    WatchPosts();
    TypeAndPressCancel("160");
    PressAddToday();
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(postsWhileSuspended.empty());

    TypeAndPressOK("149.5");
    PressAddToday();
    EXPECT_EQ(offered, (std::vector<QString>{"150.0", "160"}));
    EXPECT_EQ(Entries(), (std::vector<Entry>{{Day(10), 149.5}}));
    EXPECT_EQ(postsWhileSuspended, std::vector<bool>{false});
    EXPECT_EQ(MainForm->AddTodayTag(), 0);
    EXPECT_TRUE(messages.empty());
}

struct GapCase {
    const char* name;
    int newestDaysAgo;  // negative: the newest entry lies after today
    double weight;
    bool pounds;
    const char* offered;
    int filled;
    friend void PrintTo(const GapCase& c, std::ostream* out) { *out << c.name; }
};

class GapFillingTest : public EntryTest, public ::testing::WithParamInterface<GapCase> {};

// The log holds 149 on Day(0) and the case's weight on Day(1).
TEST_P(GapFillingTest, FillsEachMissingDayWithTheNewestWeightAndOffersIt) {
    const GapCase& c = GetParam();
    OpenLog({149.0, c.weight}, c.pounds, Day(1 + c.newestDaysAgo));
    WatchPosts();
    TypeAndPressCancel("");
    PressAddToday();

    std::vector<Entry> expected{{Day(0), 149.0}, {Day(1), c.weight}};
    const auto single = static_cast<double>(static_cast<float>(c.weight));
    for (int i = 0; i < c.filled; ++i) {
        expected.push_back({Day(2 + i), single});
    }
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(postsWhileSuspended, std::vector<bool>(static_cast<std::size_t>(c.filled), true));
    EXPECT_FALSE(MainForm->Table1.ControlsDisabled());
    EXPECT_EQ(offered, std::vector<QString>{c.offered});
    EXPECT_EQ(MainForm->Table1.RecNo(), static_cast<int>(expected.size()));
    EXPECT_TRUE(messages.empty());

    // Cancelled: the filled days stay, and the next check asks again.
    TypeAndPressCancel("");
    PressAddToday();
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(formsShown, (std::vector<QString>{"TodaysWeightDlg", "TodaysWeightDlg"}));
}

INSTANTIATE_TEST_SUITE_P(
    TodayCheck, GapFillingTest,
    ::testing::Values(GapCase{"Yesterday", 1, 150.5, true, "150.5", 0},
                      GapCase{"FourDaysAgo", 4, 150.3, true, "150.300003051758", 3},
                      GapCase{"FourDaysAgoInKilograms", 4, 150.3, false, "68.2", 3},
                      GapCase{"AfterToday", -2, 150.5, true, "150.5", 0},
                      GapCase{"WeightZeroKeepsTheText", 1, 0.0, true, "150.0", 0},
                      GapCase{"WeightZeroIsFilledToo", 3, 0.0, true, "150.0", 2}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(TodayCheckTest, AFailingGapFillingResumesTheControlsAndLeavesNoOpenRecord) {
    // A weight out of the field's range, written past the program.
    OpenLog({1200.0}, true, Day(3));
    PressAddToday();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("1200 is not a valid value for field 'WEIGHT'"))
        << messages[0].text.toStdString();
    EXPECT_FALSE(MainForm->Table1.ControlsDisabled());
    EXPECT_EQ(MainForm->Table1.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(TodayCheckTest, TodaysEntryPassesQuietlyOnceAfterStartOpenOrUnitSwitch) {
    OpenLog({150.0, 151.0}, true, Day(1));
    WatchPosts();
    ASSERT_EQ(MainForm->AddTodayTag(), 1);

    PressAddToday();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(MainForm->AddTodayTag(), 0);

    PressAddToday();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "You already have an entry for today.");
    EXPECT_EQ(messages[0].caption, "Add Today's Weight");
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Information);
    EXPECT_EQ(messages[0].buttons, vcl::MessageButtons::OK);

    MainForm->Metric1->trigger();
    PressAddToday();
    EXPECT_EQ(messages.size(), 1u);
    PressAddToday();
    EXPECT_EQ(messages.size(), 2u);

    EXPECT_TRUE(formsShown.empty());
    EXPECT_TRUE(postsWhileSuspended.empty());
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(TodayCheckTest, AutomaticEntryAtStartWithTodaysEntryShowsNothing) {
    WriteLog("Jane.db", {150.0, 151.0});
    StoreSettings("Jane.db", true, 0.0f, "Jane");
    SettingsStore().SetRegInfo(2, "", true, 0.0f);
    SetToday(Day(1));
    Start();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(formsShown.empty());
    EXPECT_EQ(MainForm->AddTodayTag(), 0);
}

TEST_F(TodayCheckTest, NewestEntryAfterTodayStillLetsOKStoreToday) {
    OpenLog({150.0, 151.0}, true, Day(-1));
    TypeAndPressOK("149");
    PressAddToday();
    EXPECT_EQ(Entries(), (std::vector<Entry>{{Day(-1), 149.0}, {Day(0), 150.0}, {Day(1), 151.0}}));
    EXPECT_EQ(MainForm->Table1.RecNo(), 3);
    EXPECT_TRUE(messages.empty());
}

struct TypedCase {
    const char* name;
    bool pounds;
    const char* typed;
    double stored;
    const char* gridPounds;
    friend void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }
};

class TodaysWeightTest : public EntryTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TodaysWeightTest, OKStoresTheTypedWeightInPoundsAndClearsTheMarker) {
    const TypedCase& c = GetParam();
    OpenLog({150.5}, c.pounds, Day(1));
    TypeAndPressOK(c.typed);
    PressAddToday();
    EXPECT_EQ(Entries(), (std::vector<Entry>{{Day(0), 150.5}, {Day(1), c.stored}}));
    EXPECT_EQ(MainForm->AddTodayTag(), 0);
    EXPECT_TRUE(messages.empty());
    const QAbstractItemModel* grid = MainForm->DBGrid1->model();
    EXPECT_EQ(grid->data(grid->index(1, 1)).toString(), c.gridPounds);
}

INSTANTIATE_TEST_SUITE_P(
    TodayDialog, TodaysWeightTest,
    ::testing::Values(TypedCase{"PoundsAsTyped", true, "150.25", 150.25, "150.3"},
                      TypedCase{"Yesterday", true, "149.5", 149.5, "149.5"},
                      TypedCase{"KilogramsToPoundsInOneDecimal", false, "68", 149.9, "149.9"},
                      TypedCase{"KilogramsRoundedHalfAwayFromZero", false, "10", 22.1, "22.1"},
                      TypedCase{"TopOfTheRange", true, "999.5", 999.5, "999.5"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct FailedCase {
    const char* name;
    bool pounds;
    const char* typed;
    const char* message;  // how the error box's text starts
    friend void PrintTo(const FailedCase& c, std::ostream* out) { *out << c.name; }
};

class FailedOKTest : public EntryTest, public ::testing::WithParamInterface<FailedCase> {};

// Today, Day(1), has an entry that is not the newest: the dialog is shown
// and storing today fails on the key too.
TEST_P(FailedOKTest, ShowsTheErrorStoresNothingAndLeavesTheLogUsable) {
    const FailedCase& c = GetParam();
    OpenLog({150.0, 151.0, 152.0}, c.pounds, Day(1));
    const std::vector<Entry> before = Entries();
    TypeAndPressOK(c.typed);
    PressAddToday();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(c.message)) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].caption, "Bodelog");
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Stop);
    EXPECT_EQ(MainForm->Table1.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(Entries(), before);
    EXPECT_EQ(MainForm->AddTodayTag(), 1);

    TypeAndPressCancel("");
    PressAddToday();
    EXPECT_EQ(messages.size(), 1u) << messages.back().text.toStdString();
    EXPECT_EQ(formsShown.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    TodayDialog, FailedOKTest,
    ::testing::Values(
        FailedCase{"NotANumber", true, "abc", "'abc' is not a valid floating point value."},
        FailedCase{"AboveTheRange", true, "1000",
                   "1000 is not a valid value for field 'WEIGHT'. The allowed range is 0 to "
                   "999.5."},
        FailedCase{"Negative", true, "-1", "-1 is not a valid value for field 'WEIGHT'"},
        FailedCase{"KilogramsAboveTheRange", false, "500",
                   "1102.5 is not a valid value for field 'WEIGHT'"},
        FailedCase{"TodayHasAnEntry", true, "149", "Key violation"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class NoLogTest : public EntryTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoLogTest, ShowsTheClosedDatasetError) {
    Start();  // no settings: the new-file dialog is cancelled
    ASSERT_FALSE(MainForm->Table1.Active());
    MainForm->findChild<QPushButton*>(GetParam())->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Cannot perform this operation on a closed dataset.");
    EXPECT_EQ(messages[0].caption, "Bodelog");
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Stop);
    EXPECT_EQ(formsShown, std::vector<QString>{"NewFileDlg"});
}

INSTANTIATE_TEST_SUITE_P(DailyEntry, NoLogTest,
                         ::testing::Values("AddTodayButton", "EditWeightButton"));

}  // namespace

namespace {

using EntryRedrawTest = EntryTest;

TEST_F(EntryRedrawTest, NewEntryAndCorrectionRedrawThePages) {
    OpenLog({150.0, 150.0}, true, Day(2));
    auto* newest = MainForm->findChild<QLineEdit*>("MainEdit1");
    TypeAndPressOK("149.5");
    PressAddToday();
    EXPECT_EQ(newest->text(), "149.5");

    TypeAndPressOK("148");
    PressEditWeight();
    EXPECT_EQ(newest->text(), "148");
}

}  // namespace
