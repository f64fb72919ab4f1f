#include <QColor>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "mainformtest.h"
#include "shell/settingsstore.h"
#include "shell/tmainform.h"
#include "sysutils/numberformat.h"
#include "vcl/tgauge.h"
#include "vcl/tshape.h"
#include "vcl/tspinbutton.h"

namespace {

// What one control shows after the pass: a label's or edit's text, a
// gauge's progress, or a bar's height and top.
struct Shown {
    const char* control;
    std::string value;
    friend void PrintTo(const Shown& s, std::ostream* out) { *out << s.control << '=' << s.value; }
};

// The log falling by exactly half a pound a day to 150.0, oldest first.
std::vector<double> Falling(int entries = 70) {
    std::vector<double> weights;
    for (int i = entries - 1; i >= 0; --i) {
        weights.push_back(150.0 + 0.5 * i);
    }
    return weights;
}

// Names each parameterised case after its `name` member.
struct ByName {
    template <class Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return info.param.name;
    }
};

// The main window over "Jane.db", automatic entry off, the first pass run.
class PassTest : public MainFormTest {
protected:
    // weights oldest first, on consecutive days from Day(0).
    void OpenAndPass(const std::vector<double>& weights, bool pounds, float goal) {
        WriteLog("Jane.db", weights);
        StoreSettings("Jane.db", pounds, goal, "Jane");
        Start();
        form->Table1AfterPost();
    }

    template <class Control = QWidget>
    Control* Find(const char* name) const {
        auto* control = form->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    std::string ShownBy(const char* name) const {
        QObject* control = form->findChild<QObject*>(name);
        if (control == nullptr) {
            return std::string("no control ") + name;
        }
        if (auto* gauge = qobject_cast<vcl::TGauge*>(control)) {
            return std::to_string(gauge->Progress());
        }
        if (auto* shape = qobject_cast<vcl::TShape*>(control)) {
            return std::to_string(shape->height()) + "@" + std::to_string(shape->y());
        }
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            return edit->text().toStdString();
        }
        return control->property("text").toString().toStdString();
    }

    QColor Light(const char* name) const { return Find<vcl::TShape>(name)->BrushColor(); }
};

struct PassCase {
    const char* name;
    std::vector<double> weights;
    bool pounds;
    float goal;
    std::vector<Shown> shown;
};

class WorkedExampleTest : public PassTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(WorkedExampleTest, PagesShowTheNumbers) {
    const PassCase& c = GetParam();
    OpenAndPass(c.weights, c.pounds, c.goal);
    for (const Shown& s : c.shown) {
        EXPECT_EQ(ShownBy(s.control), s.value) << s.control;
    }
}

std::vector<double> FortyEntries() {
    std::vector<double> weights;
    for (int i = 0; i < 40; ++i) {
        weights.push_back(200.0 - i);  // the oldest is 200, the newest 161
    }
    return weights;
}

INSTANTIATE_TEST_SUITE_P(
    Logs, WorkedExampleTest,
    ::testing::Values(
        PassCase{"OneEntryOf150",
                 {150.0},
                 true,
                 150.0F,
                 {{"EntryChartHigh", "153.0"}, {"EntryChartMidH", "151.5"},
                  {"EntryChartMid", "150.0"},  {"EntryChartMidL", "148.5"},
                  {"EntryChartLow", "147.0"},  {"EntryGauge1", "50"},
                  {"EntryGauge30", "50"},      {"AvgGauge1", "50"},
                  {"AvgGauge60", "50"},        {"WeekShape1", "0@144"},
                  {"WeekShape8", "0@144"},     {"DayShape1", "0@144"},
                  {"DayShape7", "0@144"},      {"WLabelH", "0.0"},
                  {"DayLabelHN", "0.0"},       {"MainEdit1", "150"},
                  {"MainEdit2", "150"},        {"MainEdit3", "150"},
                  {"MainEdit4", "150"},        {"FutureEdit4", "150.0"},
                  {"FutureEdit1", "150.0"},    {"ReachedLabel", "Goal is reached"},
                  {"Edit2", "150.0"}}},
        PassCase{"OneEntryOf150InKilograms",
                 {150.0},
                 false,
                 150.0F,
                 {{"EntryChartHigh", "69.4"},
                  {"EntryChartLow", "66.7"},
                  {"AvgChartHigh", "69.4"},
                  {"MainEdit1", "68.0"},
                  {"MainEdit4", "68.0"},
                  {"FutureEdit4", "68.0"},
                  {"EntryGauge1", "50"}}},
        PassCase{"FallingHalfAPoundADay",
                 Falling(),
                 true,
                 140.0F,
                 {{"WeekShape1", "120@144"},   {"WeekShape8", "120@144"}, {"DayShape1", "120@144"},
                  {"WLabelH", "3.5"},          {"WLabelM", "2.3"},        {"WLabelL", "1.2"},
                  {"WLabelLN", "-1.2"},        {"WLabelMN", "-2.3"},      {"WLabelHN", "-3.5"},
                  {"FGauge1", "91"},           {"FGauge31", "49"},        {"FGauge61", "6"},
                  {"FChartH", "156.0"},        {"FChartL", "85.2"},       {"FutureEdit4", "150.0"},
                  {"FutureEdit3", "135.0"},    {"FutureEdit2", "120.0"},  {"FutureEdit1", "105.0"},
                  {"AvgGauge1", "89"},         {"AvgGauge60", "8"},       {"AvgChartHigh", "184.6"},
                  {"AvgChartLow", "148.5"},    {"EntryGauge1", "44"},     {"EntryGauge30", "7"},
                  {"EntryChartHigh", "186.1"}, {"ReachedLabel", "20"},    {"MainEdit1", "150"},
                  {"MainEdit2", "165"},        {"MainEdit3", "180"},      {"MainEdit4", "184.5"},
                  {"Edit2", "140.0"}}},
        PassCase{"FortyEntriesPadWithTheOldest",
                 FortyEntries(),
                 true,
                 150.0F,
                 {{"MainEdit1", "161"},
                  {"MainEdit2", "191"},
                  {"MainEdit3", "200"},
                  {"MainEdit4", "200"},
                  {"WeekShape1", "0@144"},
                  {"WeekShape2", "0@144"}}},
        PassCase{"AllWeightsZero",
                 {0.0, 0.0},
                 true,
                 150.0F,
                 {{"EntryGauge1", "0"},
                  {"AvgGauge60", "0"},
                  {"EntryChartHigh", "0.0"},
                  {"EntryChartMid", "0.0"},
                  {"EntryChartLow", "0.0"},
                  {"AvgChartMidH", "0.0"},
                  {"MainEdit1", "0"},
                  {"ReachedLabel", "Never"}}}),
    ByName());

struct LightCase {
    const char* name;
    std::vector<double> weights;
    const char* lit;
    const char* reached;
};

class TrafficLightTest : public PassTest, public ::testing::WithParamInterface<LightCase> {};

TEST_P(TrafficLightTest, ExactlyOneLightIsLit) {
    const LightCase& c = GetParam();
    OpenAndPass(c.weights, true, 120.0F);
    const bool green = std::string(c.lit) == "GreenLight";
    const bool yellow = std::string(c.lit) == "YellowLight";
    const bool red = std::string(c.lit) == "RedLight";
    EXPECT_EQ(Light("GreenLight"), green ? QColor(0, 255, 0) : QColor(0, 128, 128));
    EXPECT_EQ(Light("YellowLight"), yellow ? QColor(255, 255, 0) : QColor(128, 128, 0));
    EXPECT_EQ(Light("RedLight"), red ? QColor(255, 0, 0) : QColor(128, 0, 0));
    EXPECT_EQ(ShownBy("ReachedLabel"), c.reached);
}

std::vector<double> RisingOnlyLately() {
    std::vector<double> weights(30, 150.0);
    weights.push_back(151.0);  // the newest entry alone rises
    return weights;
}

INSTANTIATE_TEST_SUITE_P(
    Trends, TrafficLightTest,
    ::testing::Values(
        LightCase{"Falling", Falling(), "GreenLight", "60"},
        LightCase{"Rising",
                  {140, 141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152,
                   153, 154, 155, 156, 157, 158, 159, 160, 161, 162, 163, 164},
                  "RedLight",
                  "Never"},
        LightCase{"RisingOnlyInTheNewestWindow", RisingOnlyLately(), "YellowLight", "Never"},
        LightCase{"Flat150", std::vector<double>(30, 150.0), "GreenLight", "Never"},
        LightCase{"Flat150Point5", std::vector<double>(30, 150.5), "GreenLight", "Never"}),
    ByName());

struct WeekdayCase {
    const char* name;
    int entries;      // the newest entry is Day(entries - 1)
    int changingDay;  // the one weekday whose weight drops a pound a week, 0 for Sunday
    const char* shape;
};

class WeekdayAlignmentTest : public PassTest, public ::testing::WithParamInterface<WeekdayCase> {};

// Only the changing weekday's bar shows: 8 weekly losses of a pound scale to
// the tallest bar hanging from the zero line.
TEST_P(WeekdayAlignmentTest, EachBarShowsItsOwnWeekday) {
    const WeekdayCase& c = GetParam();
    std::vector<double> weights;
    for (int i = 0; i < c.entries; ++i) {
        const std::chrono::weekday day{Day(i)};
        weights.push_back(static_cast<int>(day.c_encoding()) == c.changingDay ? 150.0 - i / 7
                                                                              : 150.0);
    }
    OpenAndPass(weights, true, 150.0F);
    const std::vector<std::string> shapes{"DayShape1", "DayShape2", "DayShape3", "DayShape4",
                                          "DayShape5", "DayShape6", "DayShape7"};
    for (const std::string& shape : shapes) {
        EXPECT_EQ(ShownBy(shape.c_str()), shape == c.shape ? "120@144" : "0@144") << shape;
    }
}

// Day(0) is a Thursday: 77 entries end on a Wednesday, 74 on a Sunday.
INSTANTIATE_TEST_SUITE_P(Weekdays, WeekdayAlignmentTest,
                         ::testing::Values(WeekdayCase{"WednesdayItself", 77, 3, "DayShape4"},
                                           WeekdayCase{"WednesdayThenSaturday", 77, 6, "DayShape7"},
                                           WeekdayCase{"WednesdayThenThursday", 77, 4, "DayShape5"},
                                           WeekdayCase{"SundayItself", 74, 0, "DayShape1"},
                                           WeekdayCase{"SundayThenMonday", 74, 1, "DayShape2"}),
                         ByName());

using RecalculationTest = PassTest;

TEST_F(RecalculationTest, DesignValuesShowUntilTheFirstPass) {
    WriteLog("Jane.db", Falling());
    StoreSettings("Jane.db", true, 140.0F, "Jane");
    Start();
    for (const Shown& s : std::vector<Shown>{{"AvgGauge1", "50"},
                                             {"FGauge61", "50"},
                                             {"EntryGauge30", "50"},
                                             {"WeekShape1", "121@144"},
                                             {"DayShape7", "121@144"},
                                             {"AvgChartHigh", "100.0"},
                                             {"AvgChartMidH", "75"},
                                             {"EntryChartLow", "0"},
                                             {"WLabelH", "1000.0"},
                                             {"DayLabelMN", "-666.6"},
                                             {"DayLabel", "0"},
                                             {"MainEdit1", "100.0"},
                                             {"FutureEdit4", "100.0"},
                                             {"Edit2", "150.0"}}) {
        EXPECT_EQ(ShownBy(s.control), s.value) << s.control;
    }
}

TEST_F(RecalculationTest, PassLeavesTheNewestEntryCurrentAndControlsEnabled) {
    OpenAndPass(Falling(), true, 140.0F);
    form->Table1.First();
    form->Table1AfterPost();
    EXPECT_EQ(form->Table1.RecNo(), 70);
    EXPECT_FALSE(form->Table1.ControlsDisabled());
}

TEST_F(RecalculationTest, EmptyLogLeavesThePagesAsTheyAre) {
    OpenAndPass({}, true, 140.0F);
    EXPECT_EQ(ShownBy("AvgGauge1"), "50");
    EXPECT_EQ(ShownBy("MainEdit1"), "100.0");
    EXPECT_FALSE(form->Table1.ControlsDisabled());
}

TEST_F(RecalculationTest, GapFilledDayShowsAllItsDigitsInPounds) {
    OpenAndPass({static_cast<double>(150.3F)}, true, 140.0F);
    EXPECT_EQ(ShownBy("MainEdit1"), "150.300003051758");
}

class GoalPageTest : public PassTest {
protected:
    void Type(const char* text) { Find<QLineEdit>("Edit2")->setText(text); }
    void PressNewGoal() { Find<QPushButton>("GoalButton")->click(); }
    std::string StoredSettings() const { return SettingsText(); }
    // Jane's goal as the settings store keeps it.
    static float StoredGoal() {
        std::string currentFile;
        return SettingsStore().ReadActivationSettings(currentFile).goal;
    }
};

TEST_F(GoalPageTest, PassPutsTheGoalInForceBackIntoTheEditBox) {
    OpenAndPass(Falling(), true, 140.0F);
    Type("130");
    form->Table1AfterPost();
    EXPECT_EQ(ShownBy("Edit2"), "140.0");
}

struct NewGoalCase {
    const char* name;
    bool pounds;
    const char* typed;
    const char* label;
    float stored;
    const char* reached;
};

class NewGoalTest : public GoalPageTest, public ::testing::WithParamInterface<NewGoalCase> {};

TEST_P(NewGoalTest, StoresPoundsShowsTheTypedNumberAndForecasts) {
    const NewGoalCase& c = GetParam();
    OpenAndPass(Falling(), c.pounds, 140.0F);
    Type(c.typed);
    PressNewGoal();
    EXPECT_EQ(ShownBy("GoalLabel"), c.label);
    EXPECT_EQ(ShownBy("Edit2"), c.label);
    EXPECT_EQ(ShownBy("ReachedLabel"), c.reached);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(StoredGoal(), c.stored);
}

// The falling log's trend meets goal g on day (160 - g) / 0.5 - 20.
INSTANTIATE_TEST_SUITE_P(
    Goals, NewGoalTest,
    ::testing::Values(NewGoalCase{"Pounds", true, "145.0", "145", 145.0F, "10"},
                      NewGoalCase{"PoundsWithAHalf", true, "135.5", "135.5", 135.5F, "29"},
                      // 68 kg is stored as 149.9 lb; the forecast uses 68 x 2.205.
                      NewGoalCase{"Kilograms", false, "68", "68", 149.9F, "Goal is reached"},
                      NewGoalCase{"KilogramsFar", false, "63.5", "63.5", 140.0F, "20"}),
    ByName());

TEST_F(GoalPageTest, NotANumberShowsTheErrorAndChangesNothing) {
    OpenAndPass(Falling(), true, 140.0F);
    const std::string before = StoredSettings();
    for (const char* typed : {"abc", ""}) {
        Type(typed);
        messages.clear();
        PressNewGoal();
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_EQ(messages[0].text,
                  QString("'%1' is not a valid floating point value.").arg(typed));
        EXPECT_EQ(ShownBy("GoalLabel"), "140.0");
        EXPECT_EQ(ShownBy("Edit2"), typed);
        EXPECT_EQ(StoredSettings(), before);
    }
}

TEST_F(GoalPageTest, NewGoalWithAnEmptyLogStoresItQuietly) {
    OpenAndPass({}, true, 140.0F);
    Type("150");
    PressNewGoal();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ShownBy("GoalLabel"), "150");
    EXPECT_EQ(StoredGoal(), 150.0F);
}

TEST_F(GoalPageTest, NewGoalWithNoLogOpenShowsNothingWrong) {
    Start();  // no current file: the new-file dialog is cancelled
    ASSERT_FALSE(form->Table1.Active());
    Type("150.5");
    PressNewGoal();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ShownBy("GoalLabel"), "150.5");
    EXPECT_EQ(ShownBy("AvgGauge1"), "50");
}

struct SpinCase {
    const char* from;
    bool up;
    const char* to;
};

class SpinTest : public GoalPageTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinTest, SpinButtonAndArrowKeysStepHalfAUnit) {
    const SpinCase& c = GetParam();
    OpenAndPass(Falling(), true, 140.0F);
    const std::string stored = StoredSettings();

    Type(c.from);
    auto* spin = Find<vcl::TSpinButton>("SpinButton1");
    emit(c.up ? spin->UpClick() : spin->DownClick());
    EXPECT_EQ(ShownBy("Edit2"), c.to);

    Type(c.from);
    QKeyEvent release(QEvent::KeyRelease, c.up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(Find("Edit2"), &release);
    EXPECT_EQ(ShownBy("Edit2"), c.to);

    EXPECT_EQ(StoredSettings(), stored);
    EXPECT_EQ(ShownBy("GoalLabel"), "140.0");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SpinTest,
    ::testing::Values(SpinCase{"150", true, "150.5"}, SpinCase{"150", false, "149.5"},
                      SpinCase{"998.8", true, "999.3"}, SpinCase{"999.3", true, "999.5"},
                      SpinCase{"999.5", true, "999.5"}, SpinCase{"0", false, "0"},
                      SpinCase{"-3", false, "0"}, SpinCase{"0.3", false, "-0.2"},
                      SpinCase{"-0.2", false, "0"}));

TEST_F(GoalPageTest, OtherKeysLeaveTheEditBoxAlone) {
    OpenAndPass(Falling(), true, 140.0F);
    Type("150");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(Find("Edit2"), &release);
    EXPECT_EQ(ShownBy("Edit2"), "150");
}

TEST_F(GoalPageTest, SpinningNotANumberShowsTheError) {
    OpenAndPass(Falling(), true, 140.0F);
    Type("x");
    emit Find<vcl::TSpinButton>("SpinButton1")->UpClick();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, "'x' is not a valid floating point value.");
    EXPECT_EQ(ShownBy("Edit2"), "x");
}

}  // namespace

namespace {

struct PlaceCase {
    const char* control;
    QRect place;  // within its page
};

class ChartPlaceTest : public PassTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(ChartPlaceTest, ControlsStandWhereTheChartsNeedThem) {
    Start();
    QWidget* control = Find(GetParam().control);
    ASSERT_NE(control, nullptr);
    QWidget* page = control->parentWidget();
    while (form->PageControl1->indexOf(page) < 0) {
        page = page->parentWidget();
    }
    const QRect place(control->mapTo(page, QPoint(0, 0)), control->size());
    EXPECT_EQ(place, GetParam().place) << GetParam().control;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ChartPlaceTest,
    ::testing::Values(
        PlaceCase{"AvgGauge1", {79, 45, 5, 201}}, PlaceCase{"AvgGauge60", {433, 45, 5, 201}},
        PlaceCase{"FGauge61", {439, 45, 5, 201}}, PlaceCase{"EntryGauge1", {56, 24, 7, 201}},
        PlaceCase{"EntryGauge30", {288, 24, 7, 201}}, PlaceCase{"WeekShape1", {96, 144, 33, 121}},
        PlaceCase{"WeekShape8", {432, 144, 33, 121}}, PlaceCase{"DayShape7", {384, 144, 33, 121}},
        PlaceCase{"WLabelH", {16, 16, 50, 15}}, PlaceCase{"DayLabelHN", {16, 259, 50, 15}},
        PlaceCase{"MainEdit4", {472, 56, 73, 21}}, PlaceCase{"MainEdit1", {472, 232, 73, 21}},
        PlaceCase{"FutureEdit4", {472, 56, 73, 21}}),
    [](const ::testing::TestParamInfo<PlaceCase>& param) {
        return std::string(param.param.control);
    });

}  // namespace
