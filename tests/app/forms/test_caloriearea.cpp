#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <ostream>

#include "mainformtest.h"
#include "shell/tmainform.h"

namespace {

QStringList CalorieTexts() {
    QStringList texts;
    for (const QLabel* label : MainForm->Calories) {
        texts << label->text();
    }
    return texts;
}

QStringList WeightClasses() {
    QStringList captions;
    for (const QLabel* label : MainForm->CaLabels) {
        captions << label->text();
    }
    return captions;
}

const QStringList kPromptWords{"Make", "your", "activity", "selection"};
const QStringList kPoundClasses{"105-115", "127-137", "160-170", "182-192"};
const QStringList kKiloClasses{"48-52", "58-62", "73-77", "83-87"};

using CalorieAreaTest = MainFormTest;

TEST_F(CalorieAreaTest, StartsWithThePromptAndNoActivitySelected) {
    QComboBox* box = MainForm->ActivityBox;
    EXPECT_TRUE(box->isEditable());
    EXPECT_EQ(box->count(), 24);
    EXPECT_EQ(box->maxVisibleItems(), 5);
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(box->currentText(), "Select an activity");
    EXPECT_EQ(MainForm->Label45->buddy(), box);
    EXPECT_EQ(MainForm->Label45->text(), "&Calories burned per minute for selected activity.");
    EXPECT_EQ(CalorieTexts(), kPromptWords);
    EXPECT_EQ(WeightClasses(), kPoundClasses);
    // One set of weight-class headers on the Goal page.
    EXPECT_EQ(MainForm->Goal->findChildren<QLabel*>("CaLabel1").size(), 1);
}

struct ActivityCase {
    int index;
    const char* activity;
    QStringList calories;
    friend void PrintTo(const ActivityCase& c, std::ostream* out) { *out << c.activity; }
};

class ActivityTableTest : public MainFormTest,
                          public ::testing::WithParamInterface<ActivityCase> {};

TEST_P(ActivityTableTest, PickingAnActivityShowsItsFourTextsAsWritten) {
    const ActivityCase& c = GetParam();
    EXPECT_EQ(MainForm->ActivityBox->itemText(c.index), c.activity);
    MainForm->ActivityBox->setCurrentIndex(c.index);
    EXPECT_EQ(CalorieTexts(), c.calories);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ActivityTableTest,
    ::testing::Values(ActivityCase{0, "Aerobic dancing", {"5.8", "6.6", "7.8", "8.6"}},
                      ActivityCase{5, "Calisthentics", {"3.9", "4.5", "7.3", "7.9"}},
                      ActivityCase{10, "Lawn mowing w/pwer mower", {"3.5", "4.0", "4.8", "5.2"}},
                      ActivityCase{12, "Skating, vigorous", {"8.1", "9.3", "10.9", "12.0"}},
                      ActivityCase{22, "Walking, 2 mph", {"2.4", "2.8", "3.3", "3.6"}},
                      ActivityCase{23, "Walking, 4 mph", {"4.5", "5.2", "6.1", "6.8"}}));

TEST_F(CalorieAreaTest, EditingTheTextAfterAPickShowsThePromptWordsAgain) {
    QComboBox* box = MainForm->ActivityBox;
    box->setCurrentIndex(22);
    ASSERT_EQ(CalorieTexts(), (QStringList{"2.4", "2.8", "3.3", "3.6"}));

    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(box->lineEdit(), &key);

    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(box->currentText(), "Walking, 2 mphx");
    EXPECT_EQ(CalorieTexts(), kPromptWords);
    EXPECT_EQ(box->count(), 24);
}

TEST_F(CalorieAreaTest, AUnitSwitchRewritesTheHeadersAndKeepsTheValues) {
    Start();
    const QStringList running{"10.4", "11.9", "14.1", "15.5"};
    MainForm->Metric1->trigger();
    MainForm->ActivityBox->setCurrentIndex(11);
    EXPECT_EQ(WeightClasses(), kKiloClasses);
    EXPECT_EQ(CalorieTexts(), running);

    MainForm->Imperial1->trigger();
    EXPECT_EQ(WeightClasses(), kPoundClasses);
    EXPECT_EQ(CalorieTexts(), running);
    EXPECT_EQ(MainForm->ActivityBox->currentIndex(), 11);
}

}  // namespace
