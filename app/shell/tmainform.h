#pragma once

// The main window. How the pieces meet: FormActivate reads the settings
// store, sets the unit texts, opens the current weight log in Table1 and
// runs the automatic today check; the File and Options menus change the
// current file or the unit and run FormActivate again; Table1's events
// (after post, before delete, calculated fields) carry the weight log's
// reactions; the pages show what the analysis writes into them. Handlers
// live in the folder of the subsystem they belong to: this file's .cpp holds
// the shell's, app/weightlog/ the weight log's, app/analysis/ the analysis',
// app/calculators/ the Calculate page's and the Goal page's calorie table.

#include <QMainWindow>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "analysis/series.h"
#include "db/ttable.h"
#include "shell/settingsstore.h"
#include "shell/units.h"
#include "vcl/application.h"

class QAction;
class QActionGroup;
class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;

namespace db {
class TDateField;
class TFloatField;
namespace views {
class TDBGrid;
}
}  // namespace db

namespace vcl {
class TEdit;
class TGauge;
class TShape;
class TSpinButton;
}  // namespace vcl

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(SettingsStore settings = SettingsStore());
    ~TMainForm() override;

    // The activation sequence; the window system runs it when the window is
    // first shown, the handlers below run it directly.
    void FormActivate();

    void New1Click();
    void Open1Click();
    void Exit1Click();
    void Main1Click();
    void Week1Click();
    void Day1Click();
    void Future1Click();
    void Goal1Click();
    void Calculate1Click();
    void Entries1Click();
    void Contents1Click();
    void Find1Click();
    void About1Click();

    void SetRegInfo(int selector, const std::string& text, bool flag, float number);
    void AutoEntryatStartup1Click();
    void Imperial1Click();
    void Metric1Click();

    void Table1CalcFields();
    void Table1BeforeDelete();
    void DBGrid1KeyDown();
    void AddTodayButtonClick();
    void EditWeightButtonClick();
    // The recalculation pass: Table1's after-post handler. It needs an
    // entry: with no log open or an empty one it leaves the pages as they
    // are.
    void Table1AfterPost();

    // The steps of the pass. The chart steps rescale their series in place.
    void FillEntryArray(std::span<float, kEntryArrayLength> EntryArray, float& EntryMax,
                        float& EntryMin);
    void MainAgoLabels();
    void FutureDayLabels(std::span<const float, kEntryArrayLength> EntryArray);
    void LightUpdate(std::span<const float, kEntryArrayLength> series);
    void GoalUpdate(std::span<const float, kEntryArrayLength> series);
    void ChartWeekArray(std::span<float, kWeekArrayLength> WeekArray, float WeekMax);
    void ChartWeekDayArray(std::span<float, kWeekDayArrayLength> WeekDayArray, float WeekDayMax);
    void ChartAvgArray(std::span<float, kAvgArrayLength> AvgArray, float AvgMax, float AvgMin);
    void ChartEntryArray(std::span<float, kEntryArrayLength> EntryArray, float EntryMax,
                         float EntryMin);
    void ChartFutureArray(std::span<float, kFutureArrayLength> FutureArray, float FutureMax,
                          float FutureMin);
    void LabelUpdate(float EntryMax, float EntryMin, float AvgMax, float AvgMin, float WeekDayMax,
                     float WeekMax, float FutureMax, float FutureMin);

    // The Goal page's new goal.
    void GoalButtonClick();
    void SpinButton1DownClick();
    void SpinButton1UpClick();
    void Edit2KeyUp(int Key, Qt::KeyboardModifiers Shift);

    // The body calculators. BMI and Basal take the entries in the units in
    // force; the sex flag 1 means a man, any other value a woman.
    float BMI(float weight, float height);
    float Basal(std::uint8_t sex, float weight, float height, float age);
    bool BMICheckForm();
    void BMIResetButtonClick();
    void MaleButtonClick();
    void FemaleButtonClick();
    void ActivityBoxChange();

    // Today's date, read anew each time it is needed; the local calendar
    // date of the system clock unless a test fixes it.
    std::function<std::chrono::sys_days()> Today;

    // Imperial or metric, as the Options menu's check marks say.
    units::UnitSystem DisplayUnit() const;

    // The path of the weight log in use, as the settings store gave it.
    const std::string& CurrentFile() const { return currentFile_; }

    // AddTodayButton's Tag: 1 lets the next today check that finds an entry
    // for today pass without a message.
    int AddTodayTag() const;
    void SetAddTodayTag(int tag);

    db::TTable Table1;
    db::TDateField* Table1DATE;
    db::TFloatField* Table1WEIGHT;
    db::TFloatField* Table1WEIGHTKG;

    QLabel* Panel1;
    vcl::TShape* Shape4;
    vcl::TShape* GreenLight;
    vcl::TShape* YellowLight;
    vcl::TShape* RedLight;
    QTabWidget* PageControl1;
    QWidget* Main;
    QWidget* Week;
    QWidget* Day;
    QWidget* Future;
    QWidget* Goal;
    QWidget* Calculate;
    QWidget* Entries;
    std::array<QLabel*, 2> StatusBar1Panels;
    QLabel* GoalLabel;
    QLabel* ReachedLabel;
    vcl::TEdit* Edit2;
    vcl::TSpinButton* SpinButton1;
    QPushButton* GoalButton;
    std::array<QLabel*, 4> CaLabels;

    QLabel* BMILabel;
    QLabel* RatingLabel;
    QLabel* BasalLabel;
    QLineEdit* WeightEdit;
    QLineEdit* HeightEdit;
    QLineEdit* AgeEdit;
    QGroupBox* ActivityGroup;
    // The radio group's items, with their index as id; checkedId() is the
    // group's item index (-1 with none selected).
    QButtonGroup* ActivityGroupItems;
    QPushButton* MaleButton;
    QPushButton* FemaleButton;
    QPushButton* BMIResetButton;

    QLabel* Label49;
    QLabel* Label50;
    QLabel* Label51;
    QLabel* Label45;
    QComboBox* ActivityBox;
    QFrame* Panel4;
    QLabel* Label44;
    QLabel* Label48;
    std::array<QLabel*, 4> Calories;  // Calorie1 to Calorie4

    // The analysis pages' charts; element 0 holds the control numbered 1,
    // axis labels are listed top to bottom.
    std::array<vcl::TGauge*, kAvgArrayLength> AvgGauge;
    std::array<vcl::TGauge*, 30> EntryGauge;
    std::array<vcl::TGauge*, kFutureArrayLength> FGauge;
    std::array<vcl::TShape*, kWeekArrayLength> WeekShape;
    std::array<vcl::TShape*, kWeekDayArrayLength> DayShape;
    std::array<QLabel*, 5> AvgChartLabels;    // AvgChartHigh, MidH, Mid, MidL, Low
    std::array<QLabel*, 5> EntryChartLabels;  // EntryChartHigh, MidH, Mid, MidL, Low
    std::array<QLabel*, 5> FChartLabels;      // FChartH, MidH, Mid, MidL, L
    std::array<QLabel*, 6> WLabels;           // WLabelH, M, L, LN, MN, HN
    std::array<QLabel*, 6> DayLabels;         // DayLabelH, M, L, LN, MN, HN
    std::array<QLineEdit*, 4> MainEdit;       // MainEdit1 (today) to MainEdit4 (last year)
    std::array<QLineEdit*, 4> FutureEdit;     // FutureEdit1 (90 days) to FutureEdit4 (today)

    db::views::TDBGrid* DBGrid1;
    QWidget* Panel2;
    QPushButton* AddTodayButton;
    QPushButton* EditWeightButton;
    vcl::OpenDialogRequest OpenDialog1;

    QAction* File1;
    QAction* New1;
    QAction* Open1;
    QAction* Exit1;
    QAction* Options1;
    QAction* AutoEntryatStartup1;
    QAction* Imperial1;
    QAction* Metric1;
    QAction* Window1;
    QAction* Main1;
    QAction* Week1;
    QAction* Day1;
    QAction* Future1;
    QAction* Goal1;
    QAction* Calculate1;
    QAction* Entries1;
    QAction* Help1;
    QAction* Contents1;
    QAction* Find1;
    QAction* About1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateTable();
    void CreateHeader();
    void CreatePages();
    void CreateEntriesPage();
    void CreateGoalPage();
    void CreateGoalTop(QBoxLayout* pageLayout);
    void CreateMainPage();
    void CreateWeekPage();
    void CreateDayPage();
    void CreateFuturePage();
    QWidget* CreateEntriesChart();
    void BindGoalEvents();
    void CreateCalorieArea(QBoxLayout* pageLayout);
    void CreateCalculatePage();
    // The calculation of both calculate buttons, for the sex flag given.
    void ShowBodyResults(std::uint8_t sex);
    void CreateStatusBar();
    void CreateMenu();
    QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, int helpContext);
    QMenu* AddSubmenu(const char* name, const char* caption, int helpContext);
    void BindEvents();
    // Sets the unit's check marks as the program does, not as a user's
    // click: Imperial1Click must see the mark as it was before the click.
    void CheckUnit(bool imperial);
    void SwitchUnit(QAction* item, bool pounds);

    SettingsStore settings_;
    std::string currentFile_;
    QActionGroup* unitGroup_;
    bool activated_ = false;
    bool unitClickedWhileUnchecked_ = false;
};

// The main window of the run; the dialogs reach back to it through this.
extern TMainForm* MainForm;
