#include <QLineEdit>
#include <QLocale>

#include "db/views/fieldtext.h"
#include "db/views/tdbedit.h"
#include "db/views/tdbgrid.h"
#include "entrytest.h"
#include "shell/tmainform.h"
#include "weightlog/teditweightdlg.h"

namespace {

using std::chrono::sys_days;

QString DateText(sys_days day) {
    return db::views::ShortDateText(day, QLocale::system());
}

// Types a date into the correction dialog's date box and leaves it, which
// stores it in the current record.
std::function<void(QDialog&)> TypeDate(sys_days day) {
    return [day](QDialog&) {
        db::views::TDBEdit* box = EditWeightDlg->DBEdit1;
        box->selectAll();
        box->insert(DateText(day));
        emit box->editingFinished();
    };
}

using CorrectionTest = EntryTest;

TEST_F(CorrectionTest, EmptyLogRefusesWithAMessage) {
    OpenLog({}, true, Day(0));
    PressEditWeight();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "You muse have an entry to edit.");
    EXPECT_EQ(messages[0].caption, "Edit Weight");
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Information);
    EXPECT_TRUE(formsShown.empty());
}

struct CorrectionCase {
    const char* name;
    bool pounds;
    double stored;
    const char* offered;
    const char* typed;
    double corrected;
    friend void PrintTo(const CorrectionCase& c, std::ostream* out) { *out << c.name; }
};

class CorrectWeightTest : public EntryTest, public ::testing::WithParamInterface<CorrectionCase> {};

// The older of two entries is corrected: afterwards the newest is selected.
TEST_P(CorrectWeightTest, OffersTheWeightInTheUnitAndStoresTheCorrection) {
    const CorrectionCase& c = GetParam();
    OpenLog({c.stored, 151.0}, c.pounds, Day(1));
    MainForm->Table1.First();
    QString dateShown;
    TypeAndPressOK(c.typed, [&dateShown](QDialog&) { dateShown = EditWeightDlg->DBEdit1->text(); });
    PressEditWeight();

    EXPECT_EQ(formsShown, std::vector<QString>{"EditWeightDlg"});
    EXPECT_EQ(offered, std::vector<QString>{c.offered});
    EXPECT_EQ(dateShown, DateText(Day(0)));
    EXPECT_EQ(Entries(), (std::vector<Entry>{{Day(0), c.corrected}, {Day(1), 151.0}}));
    EXPECT_EQ(MainForm->Table1.RecNo(), 2);
    EXPECT_EQ(MainForm->AddTodayTag(), 1);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Correction, CorrectWeightTest,
    ::testing::Values(CorrectionCase{"Pounds", true, 150.0, "150", "150.25", 150.25},
                      CorrectionCase{"KilogramsUnchangedComeBackRounded", false, 150.0, "68", "68",
                                     149.9},
                      CorrectionCase{"ZeroIsOfferedToo", true, 0.0, "0", "140", 140.0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(CorrectionTest, ADoubleClickOnTheGridOpensIt) {
    OpenLog({150.0}, true, Day(0));
    emit MainForm->DBGrid1->RowDoubleClicked();
    EXPECT_EQ(formsShown, std::vector<QString>{"EditWeightDlg"});
}

TEST_F(CorrectionTest, ADateTypedBeforeOKIsStoredWithTheWeight) {
    OpenLog({150.0, 151.0}, true, Day(1));
    MainForm->Table1.First();
    TypeAndPressOK("140", TypeDate(Day(5)));
    PressEditWeight();
    EXPECT_EQ(Entries(), (std::vector<Entry>{{Day(1), 151.0}, {Day(5), 140.0}}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(CorrectionTest, CancelDiscardsATypedDate) {
    OpenLog({150.0, 151.0}, true, Day(1));
    MainForm->Table1.First();
    TypeAndPressCancel("140", TypeDate(Day(5)));
    PressEditWeight();
    EXPECT_EQ(MainForm->Table1.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(EditWeightDlg->DBEdit1->text(), DateText(Day(0)));

    MainForm->Table1.Last();  // a move would store a change left pending
    EXPECT_EQ(Entries(), (std::vector<Entry>{{Day(0), 150.0}, {Day(1), 151.0}}));
    EXPECT_TRUE(messages.empty());
}

struct FailedCorrectionCase {
    const char* name;
    int typedDay;  // a date typed first, or -1 for none
    const char* typed;
    const char* message;  // how the error box's text starts
    friend void PrintTo(const FailedCorrectionCase& c, std::ostream* out) { *out << c.name; }
};

class FailedCorrectionTest : public EntryTest,
                             public ::testing::WithParamInterface<FailedCorrectionCase> {};

TEST_P(FailedCorrectionTest, ShowsTheErrorChangesNothingAndLeavesTheLogUsable) {
    const FailedCorrectionCase& c = GetParam();
    OpenLog({150.0, 151.0}, true, Day(1));
    MainForm->Table1.First();
    std::function<void(QDialog&)> before;
    if (c.typedDay >= 0) {
        before = TypeDate(Day(c.typedDay));
    }
    TypeAndPressOK(c.typed, before);
    PressEditWeight();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(c.message)) << messages[0].text.toStdString();
    EXPECT_EQ(MainForm->Table1.State(), db::TDataSetState::dsBrowse);

    MainForm->Table1.Last();
    EXPECT_EQ(Entries(), (std::vector<Entry>{{Day(0), 150.0}, {Day(1), 151.0}}));
    EXPECT_EQ(messages.size(), 1u) << messages.back().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Correction, FailedCorrectionTest,
    ::testing::Values(FailedCorrectionCase{"NotANumber", -1, "abc",
                                           "'abc' is not a valid floating point value."},
                      FailedCorrectionCase{"DateOfAnotherEntry", 1, "140", "Key violation"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
