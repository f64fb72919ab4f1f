#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>

#include <fstream>

#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "db/views/tdbgrid.h"
#include "mainformtest.h"
#include "registry/registry.h"
#include "shell/tmainform.h"

namespace {

namespace fs = std::filesystem;

QString Header() {
    return MainForm->Panel1->text();
}
QString UnitText() {
    return MainForm->StatusBar1Panels[0]->text();
}

QStringList WeightClasses() {
    QStringList captions;
    for (const QLabel* label : MainForm->CaLabels) {
        captions << label->text();
    }
    return captions;
}

float StoredGoal(const std::string& personName) {
    registry::TRegistry reg;
    reg.OpenKey("\\Software\\Halvane\\Bodelog\\", false);
    double goal = -1;
    reg.ReadBinaryData(personName, &goal, sizeof goal);
    return static_cast<float>(goal);
}

using MainWindowTest = MainFormTest;

TEST_F(MainWindowTest, FirstStartWritesDefaultsShowsImperialAndAsksForANewFile) {
    Start();
    EXPECT_EQ(formsShown, std::vector<QString>{"NewFileDlg"});
    EXPECT_EQ(UnitText(), "Measurements in pounds and inches");
    EXPECT_EQ(WeightClasses(), (QStringList{"105-115", "127-137", "160-170", "182-192"}));
    EXPECT_TRUE(MainForm->Imperial1->isChecked());
    EXPECT_TRUE(MainForm->AutoEntryatStartup1->isChecked());
    const std::string settings = SettingsText();
    EXPECT_NE(settings.find("\"Auto Entry\"=dword:00000001"), std::string::npos) << settings;
    EXPECT_NE(settings.find("\"Pounds\"=dword:00000001"), std::string::npos) << settings;
    EXPECT_EQ(settings.find("Current File"), std::string::npos) << settings;
}

TEST_F(MainWindowTest, CancelledNewFileLeavesNoLogAndDialogsClosingDoNotReactivate) {
    Start();
    EXPECT_EQ(Header(), " Data for:  ");
    EXPECT_EQ(MainForm->GoalLabel->text(), "0.0");
    EXPECT_FALSE(MainForm->Table1.Active());

    MainForm->About1->trigger();
    QApplication::processEvents();
    EXPECT_EQ(formsShown, (std::vector<QString>{"NewFileDlg", "AboutBox"}));
}

TEST_F(MainWindowTest, NewFileCreatesTheLogInTheWorkingFolderAndMakesItCurrent) {
    CreateNewFileNamed("John Doe");
    Start();
    EXPECT_TRUE(fs::exists(home() / "John Doe.db"));
    EXPECT_TRUE(fs::exists(home() / "John Doe.PX"));
    EXPECT_EQ(MainForm->CurrentFile(), "John Doe.db");
    EXPECT_EQ(Header(), " Data for:  John Doe");
    EXPECT_EQ(MainForm->GoalLabel->text(), "0.0");
    EXPECT_TRUE(MainForm->Table1.Active());
    EXPECT_EQ(StoredGoal("John Doe"), 0.0f);
    EXPECT_EQ(MainForm->AddTodayTag(), 1);
}

TEST_F(MainWindowTest, NewFileOverAnExistingOneAsksAndNoKeepsTheOpenLog) {
    WriteLog("Jane.db", {150.0, 151.0});
    StoreSettings("Jane.db", true, 0.0f, "Jane");
    Start();
    ASSERT_EQ(MainForm->Table1.RecordCount(), 2u);

    CreateNewFileNamed("Jane");
    messageAnswers = {vcl::ModalResult::No};
    MainForm->New1->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "     This file already exist.     \n     Do you wish to overwrite it?");
    EXPECT_EQ(messages[0].caption, "Existing File");
    EXPECT_EQ(messages[0].buttons, vcl::MessageButtons::YesNo);
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Warning);
    EXPECT_EQ(messages[0].defaultButton, vcl::ModalResult::No);
    EXPECT_TRUE(MainForm->Table1.Active());
    EXPECT_EQ(MainForm->Table1.RecordCount(), 2u);

    CreateNewFileNamed("Jane");
    messageAnswers = {vcl::ModalResult::Yes};
    MainForm->New1->trigger();
    EXPECT_TRUE(MainForm->Table1.Active());
    EXPECT_EQ(MainForm->Table1.RecordCount(), 0u);
}

TEST_F(MainWindowTest, MissingCurrentFileShowsTheEngineErrorAndKeepsTheSetting) {
    StoreSettings("Gone.db", true, 140.0f, "Gone");
    Start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.indexOf("Gone.db"), -1) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.endsWith('.'));
    EXPECT_EQ(messages[0].caption, "Bodelog");
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Stop);
    EXPECT_EQ(Header(), " Data for:  ");
    EXPECT_EQ(MainForm->GoalLabel->text(), "0.0");
    EXPECT_NE(SettingsText().find("\"Current File\"=\"Gone.db\""), std::string::npos);
}

TEST_F(MainWindowTest, OpenCancelledChangesNothingAndOpenOfABadFileStoresThePath) {
    WriteLog("Jane.db", {150.0});
    StoreSettings("Jane.db", true, 0.0f, "Jane");
    Start();
    MainForm->SetAddTodayTag(0);
    const std::string before = SettingsText();

    MainForm->Open1->trigger();
    ASSERT_EQ(openRequests.size(), 1u);
    EXPECT_EQ(openRequests[0].title, "Bodelog Open Data File");
    EXPECT_EQ(openRequests[0].filter, "Bodelog file|*.DB");
    EXPECT_EQ(openRequests[0].defaultExtension, "DB");
    EXPECT_TRUE(openRequests[0].fileMustExist);
    EXPECT_EQ(SettingsText(), before);
    EXPECT_TRUE(MainForm->Table1.Active());
    EXPECT_EQ(MainForm->AddTodayTag(), 0);

    const fs::path bad = home() / "Broken.DB";
    std::ofstream(bad) << "this is not a table";
    fileChoices = {QString::fromStdString(bad.string())};
    MainForm->Open1->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.indexOf("Broken.DB"), -1) << messages[0].text.toStdString();
    EXPECT_FALSE(MainForm->Table1.Active());
    EXPECT_EQ(MainForm->AddTodayTag(), 1);
    EXPECT_NE(SettingsText().find(bad.string()), std::string::npos);
}

TEST_F(MainWindowTest, UnitSwitchChangesTextsAndGoalAndWritesOnlyWhenChanged) {
    WriteLog("Jane.db", {150.0});
    StoreSettings("Jane.db", true, 150.0f, "Jane");
    Start();
    EXPECT_EQ(MainForm->GoalLabel->text(), "150.0");

    MainForm->Metric1->trigger();
    EXPECT_TRUE(MainForm->Metric1->isChecked());
    EXPECT_FALSE(MainForm->Imperial1->isChecked());
    EXPECT_EQ(UnitText(), "Measurements in kilos and metres");
    EXPECT_EQ(WeightClasses(), (QStringList{"48-52", "58-62", "73-77", "83-87"}));
    EXPECT_EQ(MainForm->GoalLabel->text(), "68.0");
    EXPECT_NE(SettingsText().find("\"Pounds\"=dword:00000000"), std::string::npos);

    // The unit already checked: nothing written, but the log is reopened.
    fs::remove(SettingsFile());
    MainForm->Metric1->trigger();
    const std::string rewritten = SettingsText();
    EXPECT_EQ(rewritten.find("\"Pounds\"=dword:00000000"), std::string::npos) << rewritten;
    EXPECT_TRUE(MainForm->Imperial1->isChecked());  // the defaults came back from the store
}

TEST_F(MainWindowTest, WindowAndHelpMenus) {
    Start();
    MainForm->Calculate1->trigger();
    const int page = MainForm->PageControl1->currentIndex();
    EXPECT_EQ(MainForm->PageControl1->widget(page)->objectName(), "Calculate");
    EXPECT_EQ(MainForm->PageControl1->tabText(page), "Calculate");
    MainForm->Entries1->trigger();
    EXPECT_EQ(MainForm->PageControl1->currentWidget()->objectName(), "Entries");

    MainForm->Find1->trigger();
    MainForm->Contents1->trigger();
    ASSERT_EQ(helpCalls.size(), 2u);
    EXPECT_EQ(helpCalls[0].helpFile, "Bodeloghlp.hlp");
    EXPECT_EQ(helpCalls[0].command, vcl::HELP_KEY);
    EXPECT_TRUE(helpCalls[0].data.isEmpty());
    EXPECT_EQ(helpCalls[1].command, vcl::HELP_FINDER);
}

TEST_F(MainWindowTest, AutoEntryToggleIsStoredAndExitWritesNothing) {
    Start();
    MainForm->AutoEntryatStartup1->trigger();
    EXPECT_FALSE(MainForm->AutoEntryatStartup1->isChecked());
    EXPECT_NE(SettingsText().find("\"Auto Entry\"=dword:00000000"), std::string::npos);
    MainForm->AutoEntryatStartup1->trigger();
    EXPECT_NE(SettingsText().find("\"Auto Entry\"=dword:00000001"), std::string::npos);

    const std::string before = SettingsText();
    MainForm->Exit1->trigger();
    QApplication::processEvents();
    EXPECT_EQ(SettingsText(), before);
}

class EntryGridTest : public MainFormTest {
protected:
    QString Cell(int row, int column) const {
        const QAbstractItemModel* model = MainForm->DBGrid1->model();
        return model->data(model->index(row, column)).toString();
    }
    int Rows() const { return MainForm->DBGrid1->model()->rowCount(); }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(MainForm->DBGrid1, &press);
        QApplication::sendEvent(MainForm->DBGrid1, &release);
    }
    double CurrentWeight() const { return MainForm->Table1WEIGHT->AsFloat(); }
};

TEST_F(EntryGridTest, ShowsPoundsAndKilogramsWithOneDecimal) {
    WriteLog("Jane.db", {150.0, 0.5, 0.0});
    StoreSettings("Jane.db", true, 0.0f, "Jane");
    Start();
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(0, 1), "150.0");
    EXPECT_EQ(Cell(0, 2), "68.0");
    EXPECT_EQ(Cell(1, 1), ".5");
    EXPECT_EQ(Cell(1, 2), ".2");
    EXPECT_EQ(Cell(2, 1), ".0");
    EXPECT_EQ(Cell(2, 2), ".0");
    EXPECT_FALSE(Cell(0, 0).isEmpty());
}

TEST_F(EntryGridTest, DownOnTheNewestEntrySelectsTheOneBeforeOnRelease) {
    WriteLog("Jane.db", {150.0, 151.0, 152.0});
    StoreSettings("Jane.db", true, 0.0f, "Jane");
    Start();
    MainForm->Table1.Last();
    Key(Qt::Key_Down);
    EXPECT_EQ(MainForm->Table1.State(), db::TDataSetState::dsBrowse);
    EXPECT_EQ(Rows(), 3);
    EXPECT_EQ(CurrentWeight(), 151.0);

    Key(Qt::Key_Up);  // not at the end: a release changes nothing
    EXPECT_EQ(CurrentWeight(), 150.0);
}

TEST_F(EntryGridTest, CtrlDeleteDeletesTheSelectedEntryAtOnce) {
    WriteLog("Jane.db", {150.0, 151.0, 152.0});
    StoreSettings("Jane.db", true, 0.0f, "Jane");
    Start();
    MainForm->Table1.First();
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(MainForm->Table1.RecordCount(), 2u);
    MainForm->Table1.First();
    EXPECT_EQ(CurrentWeight(), 151.0);
}

}  // namespace
