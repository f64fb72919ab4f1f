#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <ostream>

#include "mainformtest.h"
#include "shell/tmainform.h"

namespace {

constexpr const char* kImperialMessage =
    "Please enter values again.\n\nWeight in pounds and height in inches.\n\nAge in years.";
constexpr const char* kMetricMessage =
    "Please enter values again.\n\nWeight in kilos and height in metres.\n\nAge in years.";

struct PageTexts {
    QString weight, height, age, bmi, rating, basal;
    bool operator==(const PageTexts&) const = default;
    friend void PrintTo(const PageTexts& t, std::ostream* out) {
        *out << '[' << t.weight.toStdString() << " | " << t.height.toStdString() << " | "
             << t.age.toStdString() << " | " << t.bmi.toStdString() << " | "
             << t.rating.toStdString() << " | " << t.basal.toStdString() << ']';
    }
};

const PageTexts kPrompts{
    "Enter your weight",        "Enter your height", "Enter your age",
    "Your Body Mass Index is:", "Your Rating is:",   "Your Basal Metabolic Rate is:"};

// The Calculate page of a main window that is not shown: the calculator
// needs nothing of the activation sequence but the unit.
class CalculatePageTest : public MainFormTest {
protected:
    // The first activation writes the default settings; the switch follows.
    void UseMetric() {
        Start();
        MainForm->Metric1->trigger();
        ASSERT_FALSE(MainForm->Imperial1->isChecked());
    }
    void Enter(const QString& weight, const QString& height, const QString& age) {
        MainForm->WeightEdit->setText(weight);
        MainForm->HeightEdit->setText(height);
        MainForm->AgeEdit->setText(age);
    }
    void ChooseActivity(int index) { MainForm->ActivityGroupItems->button(index)->click(); }
    static PageTexts Texts() {
        return {MainForm->WeightEdit->text(),  MainForm->HeightEdit->text(),
                MainForm->AgeEdit->text(),     MainForm->BMILabel->text(),
                MainForm->RatingLabel->text(), MainForm->BasalLabel->text()};
    }
};

TEST_F(CalculatePageTest, StartsWithThePromptsNoActivityAndTheKeyboardOrder) {
    EXPECT_EQ(Texts(), kPrompts);
    EXPECT_EQ(MainForm->ActivityGroupItems->checkedId(), 0);
    EXPECT_EQ(MainForm->ActivityGroup->title(), "Activity &Level");
    QStringList items;
    for (QAbstractButton* item : MainForm->ActivityGroupItems->buttons()) {
        items << item->text();
    }
    EXPECT_EQ(items, (QStringList{"No Activity", "Lightly Active", "Excercise 3 to 4 times a week",
                                  "Excercise more than 4 times a week",
                                  "Excercise 6 to 7 times a week for more than 1 hour each"}));
    EXPECT_EQ(MainForm->MaleButton->text(), "&Male");
    EXPECT_EQ(MainForm->FemaleButton->text(), "Fema&le");
    EXPECT_EQ(MainForm->BMIResetButton->text(), "&Reset");

    for (auto [caption, edit] :
         {std::pair{"We&ight", MainForm->WeightEdit}, std::pair{"&Height", MainForm->HeightEdit},
          std::pair{"&Age", MainForm->AgeEdit}}) {
        QLabel* label = nullptr;
        for (QLabel* candidate : MainForm->Calculate->findChildren<QLabel*>()) {
            if (candidate->text() == caption) {
                label = candidate;
            }
        }
        ASSERT_NE(label, nullptr) << caption;
        EXPECT_EQ(label->buddy(), edit) << caption;
    }

    // The focus chain of the page, keeping only what Tab stops at.
    QStringList order;
    QWidget* widget = MainForm->WeightEdit;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 &&
            MainForm->Calculate->isAncestorOf(widget)) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != MainForm->WeightEdit);
    EXPECT_EQ(order,
              (QStringList{"WeightEdit", "HeightEdit", "AgeEdit", "ActivityGroupItem0",
                           "ActivityGroupItem1", "ActivityGroupItem2", "ActivityGroupItem3",
                           "ActivityGroupItem4", "MaleButton", "FemaleButton", "BMIResetButton"}));
}

struct CalculationCase {
    const char* name;
    bool metric;
    bool male;
    const char* weight;
    const char* height;
    const char* age;
    int activity;
    const char* bmi;     // after "Your Body Mass Index is:  "
    const char* rating;  // after "Your Rating is:  "
    const char* basal;   // after "Your Basal Metabolic Rate is:  "
    friend void PrintTo(const CalculationCase& c, std::ostream* out) { *out << c.name; }
};

class CalculationTest : public CalculatePageTest,
                        public ::testing::WithParamInterface<CalculationCase> {};

TEST_P(CalculationTest, ShowsTheIndexTheRatingAndTheDailyCalories) {
    const CalculationCase& c = GetParam();
    if (c.metric) {
        UseMetric();
    }
    Enter(c.weight, c.height, c.age);
    ChooseActivity(c.activity);
    (c.male ? MainForm->MaleButton : MainForm->FemaleButton)->click();

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Texts(),
              (PageTexts{c.weight, c.height, c.age, QString("Your Body Mass Index is:  ") + c.bmi,
                         QString("Your Rating is:  ") + c.rating,
                         QString("Your Basal Metabolic Rate is:  ") + c.basal}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculationTest,
    ::testing::Values(CalculationCase{"ImperialMan", false, true, "180", "70", "40", 0, "25.82",
                                      "Acceptable weight", "1803"},
                      CalculationCase{"ImperialManLightlyActive", false, true, "180", "70", "40", 1,
                                      "25.82", "Acceptable weight", "2343"},
                      CalculationCase{"ImperialWoman", false, false, "140", "65", "30", 0, "23.29",
                                      "Acceptable weight", "1062"},
                      CalculationCase{"ImperialWomanExercisingOften", false, false, "140", "65",
                                      "30", 3, "23.29", "Acceptable weight", "1698"},
                      CalculationCase{"MetricMan", true, true, "80", "1.8", "40", 0, "24.69",
                                      "Acceptable weight", "1791"},
                      CalculationCase{"MetricManAt31", true, true, "31", "1", "40", 0, "31.00",
                                      "Overweight", "719"},
                      CalculationCase{"MetricWomanAt31", true, false, "31", "1", "40", 0, "31.00",
                                      "Overweight", "494"},
                      CalculationCase{"MetricManAt20", true, true, "20", "1", "30", 0, "20.00",
                                      "Underweight", "636"},
                      CalculationCase{"MetricWomanAt20", true, false, "20", "1", "30", 0, "20.00",
                                      "Acceptable weight", "436"},
                      CalculationCase{"MetricWomanAt19", true, false, "19", "1", "30", 0, "19.00",
                                      "Underweight", "426"},
                      CalculationCase{"SmallestImperialEntries", false, true, "10.5", "15.5", "0.5",
                                      0, "30.72", "Overweight", "325"},
                      CalculationCase{"ExtremeWomanRatesNegative", false, false, "11", "16", "149",
                                      0, "30.20", "Overweight", "-458"}),
    [](const auto& test) { return std::string(test.param.name); });

struct RefusalCase {
    const char* name;
    bool metric;
    const char* weight;
    const char* height;
    const char* age;
    friend void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }
};

class RefusalTest : public CalculatePageTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, TellsTheUnitsAndResetsThePageButKeepsTheActivity) {
    const RefusalCase& c = GetParam();
    if (c.metric) {
        UseMetric();
    }
    ChooseActivity(2);
    Enter(c.weight, c.height, c.age);
    MainForm->MaleButton->click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.metric ? kMetricMessage : kImperialMessage);
    EXPECT_EQ(messages[0].caption, "Calculation Entries");
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Information);
    EXPECT_EQ(messages[0].buttons, vcl::MessageButtons::OK);
    EXPECT_EQ(Texts(), kPrompts);
    EXPECT_EQ(MainForm->ActivityGroupItems->checkedId(), 2);
}

// A later entry that is not a number is never reached once an earlier test
// has failed.
INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalTest,
    ::testing::Values(RefusalCase{"ImperialHeight15", false, "180", "15", "40"},
                      RefusalCase{"ImperialHeight150", false, "180", "150", "40"},
                      RefusalCase{"ImperialWeight10", false, "10", "70", "40"},
                      RefusalCase{"ImperialWeight1000", false, "1000", "70", "40"},
                      RefusalCase{"ImperialAge0", false, "180", "70", "0"},
                      RefusalCase{"ImperialAge150", false, "180", "70", "150"},
                      RefusalCase{"HeightRefusedBeforeWeightIsRead", false, "heavy", "15", "x"},
                      RefusalCase{"MetricHeight0_1", true, "80", "0.1", "40"},
                      RefusalCase{"MetricHeight10", true, "80", "10", "40"},
                      RefusalCase{"MetricWeight4", true, "4", "1.8", "40"},
                      RefusalCase{"MetricWeight400", true, "400", "1.8", "40"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(CalculatePageTest, PromptsGiveTheHeightsConversionErrorAndChangeNothing) {
    MainForm->MaleButton->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "'Enter your height' is not a valid floating point value.");
    EXPECT_EQ(messages[0].caption, "Bodelog");
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Stop);
    EXPECT_EQ(Texts(), kPrompts);
}

TEST_F(CalculatePageTest, ATextThatIsNoNumberLeavesTheLastResultsStanding) {
    Enter("180", "70", "40");
    MainForm->MaleButton->click();
    const PageTexts shown = Texts();

    Enter("180", "70", "forty");
    MainForm->FemaleButton->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "'forty' is not a valid floating point value.");
    EXPECT_EQ(Texts(), (PageTexts{"180", "70", "forty", shown.bmi, shown.rating, shown.basal}));
}

TEST_F(CalculatePageTest, ResetRestoresThePromptsAndKeepsTheActivityLevel) {
    ChooseActivity(4);
    Enter("180", "70", "40");
    MainForm->FemaleButton->click();
    ASSERT_NE(Texts(), kPrompts);

    MainForm->BMIResetButton->click();
    EXPECT_EQ(Texts(), kPrompts);
    EXPECT_EQ(MainForm->ActivityGroupItems->checkedId(), 4);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalculatePageTest, ReadsTheEntriesInTheUnitInForceAtEachPress) {
    Enter("80", "1.8", "40");
    MainForm->MaleButton->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kImperialMessage);

    UseMetric();
    Enter("80", "1.8", "40");
    MainForm->MaleButton->click();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(MainForm->BMILabel->text(), "Your Body Mass Index is:  24.69");
}

}  // namespace
