// The Calculate page: results across the top, the three entries with the
// activity group in the middle, the calculate and reset buttons at the bottom.
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <vector>

#include "shell/tmainform.h"

namespace {

constexpr std::array<const char*, 5> kActivityLevels{
    "No Activity", "Lightly Active", "Excercise 3 to 4 times a week",
    "Excercise more than 4 times a week",
    "Excercise 6 to 7 times a week for more than 1 hour each"};

void SetFont(QWidget* widget, int pointSize, bool bold) {
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget->setFont(font);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

QLabel* MakeLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFixedSize(75, 25);
    return button;
}

// An entry with its caption above it; the caption's accelerator focuses it.
QLineEdit* AddEntry(QHBoxLayout* row, const char* name, const char* caption, QWidget* parent) {
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    auto* label = new QLabel(caption, parent);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(121);
    label->setBuddy(edit);
    column->addWidget(label);
    column->addWidget(edit);
    row->addLayout(column);
    return edit;
}

}  // namespace

void TMainForm::CreateCalculatePage() {
    auto* layout = new QVBoxLayout(Calculate);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* results = new QFrame(Calculate);
    results->setObjectName("ResultsPanel");
    results->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* resultLines = new QGridLayout(results);
    resultLines->setContentsMargins(8, 4, 8, 4);
    BMILabel = MakeLabel("BMILabel", results);
    SetFont(BMILabel, 8, true);
    RatingLabel = MakeLabel("RatingLabel", results);
    SetFont(RatingLabel, 10, true);
    SetTextColour(RatingLabel, QColor(128, 0, 0));
    BasalLabel = MakeLabel("BasalLabel", results);
    SetFont(BasalLabel, 8, true);
    resultLines->addWidget(BMILabel, 0, 0);
    resultLines->addWidget(RatingLabel, 0, 1);
    resultLines->addWidget(BasalLabel, 1, 0, 1, 2);
    layout->addWidget(results);

    auto* entries = new QHBoxLayout;
    entries->addStretch();
    WeightEdit = AddEntry(entries, "WeightEdit", "We&ight", Calculate);
    HeightEdit = AddEntry(entries, "HeightEdit", "&Height", Calculate);
    AgeEdit = AddEntry(entries, "AgeEdit", "&Age", Calculate);
    entries->addStretch();
    layout->addLayout(entries);

    ActivityGroup = new QGroupBox("Activity &Level", Calculate);
    ActivityGroup->setObjectName("ActivityGroup");
    ActivityGroupItems = new QButtonGroup(ActivityGroup);
    auto* items = new QVBoxLayout(ActivityGroup);
    items->setSpacing(0);
    items->setContentsMargins(8, 2, 8, 2);
    for (std::size_t i = 0; i < kActivityLevels.size(); ++i) {
        auto* item = new QRadioButton(kActivityLevels[i], ActivityGroup);
        item->setObjectName(QString("ActivityGroupItem%1").arg(i));
        ActivityGroupItems->addButton(item, static_cast<int>(i));
        items->addWidget(item);
    }
    ActivityGroupItems->button(0)->setChecked(true);
    auto* groupRow = new QHBoxLayout;
    groupRow->addStretch();
    groupRow->addWidget(ActivityGroup);
    groupRow->addStretch();
    layout->addLayout(groupRow);
    layout->addStretch();

    auto* buttons = new QFrame(Calculate);
    buttons->setObjectName("ButtonPanel");
    buttons->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(4, 4, 4, 4);
    MaleButton = MakeButton("MaleButton", "&Male", buttons);
    FemaleButton = MakeButton("FemaleButton", "Fema&le", buttons);
    BMIResetButton = MakeButton("BMIResetButton", "&Reset", buttons);
    buttonRow->addStretch();
    for (QPushButton* button : {MaleButton, FemaleButton, BMIResetButton}) {
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch();
    layout->addWidget(buttons);

    // Weight, height, age, the activity group, then the three buttons.
    std::vector<QWidget*> keyboardOrder{WeightEdit, HeightEdit, AgeEdit};
    for (QAbstractButton* item : ActivityGroupItems->buttons()) {
        keyboardOrder.push_back(item);
    }
    keyboardOrder.insert(keyboardOrder.end(), {MaleButton, FemaleButton, BMIResetButton});
    for (std::size_t i = 1; i < keyboardOrder.size(); ++i) {
        setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
    }

    // The prompts the page starts with are the ones Reset restores.
    BMIResetButtonClick();

    using vcl::Bind;
    Bind(MaleButton, &QPushButton::clicked, this, [this] { MaleButtonClick(); });
    Bind(FemaleButton, &QPushButton::clicked, this, [this] { FemaleButtonClick(); });
    Bind(BMIResetButton, &QPushButton::clicked, this, [this] { BMIResetButtonClick(); });
}
