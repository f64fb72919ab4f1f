// The main window's handlers for the body calculators: the BMI and basal
// rate calculator of the Calculate page and the Goal page's calorie table.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <string_view>

#include "calculators/activitycalories.h"
#include "calculators/bmirating.h"
#include "calculators/bodycalculations.h"
#include "calculators/entrylimits.h"
#include "shell/tmainform.h"
#include "shell/units.h"
#include "sysutils/numberformat.h"

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Raises the conversion error for a text that is not a number.
double ValueOf(const QLineEdit* edit) {
    return sysutils::StrToFloat(edit->text().toStdString());
}

float SingleOf(const QLineEdit* edit) {
    return static_cast<float>(ValueOf(edit));
}

units::UnitSystem UnitInForce(const QAction* imperial) {
    return imperial->isChecked() ? units::UnitSystem::Imperial : units::UnitSystem::Metric;
}

}  // namespace

float TMainForm::BMI(float weight, float height) {
    return calculators::BMI(UnitInForce(Imperial1), weight, height);
}

float TMainForm::Basal(std::uint8_t sex, float weight, float height, float age) {
    return calculators::Basal(UnitInForce(Imperial1), sex, weight, height, age);
}

bool TMainForm::BMICheckForm() {
    const units::UnitSystem unit = UnitInForce(Imperial1);
    for (const calculators::EntryLimit& limit : calculators::EntryLimits(unit)) {
        const QLineEdit* edit = limit.entry == calculators::CalculatorEntry::Height   ? HeightEdit
                                : limit.entry == calculators::CalculatorEntry::Weight ? WeightEdit
                                                                                      : AgeEdit;
        if (!limit.Accepts(ValueOf(edit))) {
            vcl::Application().MessageBox({FromView(calculators::EntriesMessage(unit)),
                                           FromView(calculators::kEntriesCaption),
                                           vcl::MessageButtons::OK, vcl::MessageIcon::Information,
                                           vcl::ModalResult::OK});
            BMIResetButtonClick();
            return false;
        }
    }
    return true;
}

void TMainForm::BMIResetButtonClick() {
    WeightEdit->setText("Enter your weight");
    HeightEdit->setText("Enter your height");
    AgeEdit->setText("Enter your age");
    BMILabel->setText("Your Body Mass Index is:");
    RatingLabel->setText("Your Rating is:");
    BasalLabel->setText("Your Basal Metabolic Rate is:");
}

void TMainForm::MaleButtonClick() {
    ShowBodyResults(calculators::kMale);
}

void TMainForm::FemaleButtonClick() {
    ShowBodyResults(calculators::kFemale);
}

void TMainForm::ShowBodyResults(std::uint8_t sex) {
    if (!BMICheckForm()) {
        return;
    }
    const float bmi = BMI(SingleOf(WeightEdit), SingleOf(HeightEdit));
    BMILabel->setText("Your Body Mass Index is:  " +
                      QString::fromStdString(sysutils::FormatFloat("##0.00", bmi)));
    RatingLabel->setText(FromView(calculators::BMIRating(sex, bmi)));

    const float basal = Basal(sex, SingleOf(WeightEdit), SingleOf(HeightEdit), SingleOf(AgeEdit));
    const float calories = calculators::DailyCalories(basal, ActivityGroupItems->checkedId());
    BasalLabel->setText("Your Basal Metabolic Rate is:  " +
                        QString::fromStdString(sysutils::FormatFloat("####0", calories)));
}

void TMainForm::ActivityBoxChange() {
    const calculators::CalorieTexts texts =
        calculators::CaloriesOfActivity(ActivityBox->currentIndex());
    for (std::size_t i = 0; i < Calories.size(); ++i) {
        Calories[i]->setText(FromView(texts[i]));
    }
}
