// The lower half of the Goal page: three lines on losing weight, the activity
// box, and the table of calories per minute under the weight classes.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <string_view>

#include "calculators/activitycalories.h"
#include "shell/tmainform.h"
#include "shell/units.h"

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(const QString& name, std::string_view text, QWidget* parent) {
    auto* label = new QLabel(FromView(text), parent);
    label->setObjectName(name);
    return label;
}

void SetFont(QWidget* widget, int pointSize, bool bold) {
    QFont font = widget->font();
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
    font.setBold(bold);
    widget->setFont(font);
}

void SetMaroon(QWidget* widget) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, QColor(128, 0, 0));
    widget->setPalette(colours);
}

// One cell of the table: centred and of one width, so the columns line up.
QLabel* MakeCell(const QString& name, std::string_view text, QWidget* parent) {
    QLabel* cell = MakeLabel(name, text, parent);
    cell->setAlignment(Qt::AlignCenter);
    cell->setFixedWidth(65);
    return cell;
}

}  // namespace

void TMainForm::CreateCalorieArea(QBoxLayout* pageLayout) {
    auto* lines = new QFrame(Goal);
    lines->setObjectName("CalorieLines");
    lines->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* lineLayout = new QVBoxLayout(lines);
    lineLayout->setContentsMargins(8, 2, 8, 2);
    lineLayout->setSpacing(0);
    Label49 = MakeLabel(
        "Label49", "500 calories less per day will result in approx. 1lb (454g) loss per week;",
        lines);
    Label50 = MakeLabel("Label50", "750 calories = 1 1/2 lbs (680g) per week;", lines);
    Label51 = MakeLabel("Label51", "1000 calories = 2 lbs (907g) per week.", lines);
    for (QLabel* line : {Label49, Label50, Label51}) {
        SetFont(line, 10, true);
        lineLayout->addWidget(line);
    }
    pageLayout->addWidget(lines);

    Label45 = MakeLabel("Label45", "&Calories burned per minute for selected activity.", Goal);
    SetFont(Label45, 8, false);
    ActivityBox = new QComboBox(Goal);
    ActivityBox->setObjectName("ActivityBox");
    ActivityBox->setEditable(true);
    // Typed text never becomes an item, and no completion picks one behind
    // the user's back: edited text means no activity is selected.
    ActivityBox->setInsertPolicy(QComboBox::NoInsert);
    ActivityBox->setCompleter(nullptr);
    ActivityBox->setMaxVisibleItems(5);
    ActivityBox->setMinimumWidth(230);
    for (const calculators::ActivityCalories& row : calculators::ActivityTable()) {
        ActivityBox->addItem(FromView(row.activity));
    }
    ActivityBox->setCurrentIndex(-1);
    ActivityBox->setEditText("Select an activity");
    Label45->setBuddy(ActivityBox);
    auto* boxRow = new QHBoxLayout;
    boxRow->addWidget(Label45);
    boxRow->addWidget(ActivityBox);
    boxRow->addStretch();
    pageLayout->addLayout(boxRow);

    Panel4 = new QFrame(Goal);
    Panel4->setObjectName("Panel4");
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* table = new QGridLayout(Panel4);
    table->setContentsMargins(8, 2, 8, 2);
    table->setVerticalSpacing(2);
    Label44 = MakeLabel("Label44", "Your weight /", Panel4);
    SetFont(Label44, 0, true);
    Label48 = MakeLabel("Label48", "Calories burned per minute:", Panel4);
    SetMaroon(Label48);
    table->addWidget(Label44, 0, 0);
    table->addWidget(Label48, 1, 0);
    const auto classes = units::WeightClassCaptions(units::UnitSystem::Imperial);
    const calculators::CalorieTexts prompts = calculators::CaloriesOfActivity(-1);
    for (std::size_t i = 0; i < CaLabels.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        CaLabels[i] = MakeCell(QString("CaLabel%1").arg(column), classes[i], Panel4);
        SetFont(CaLabels[i], 0, true);
        Calories[i] = MakeCell(QString("Calorie%1").arg(column), prompts[i], Panel4);
        SetMaroon(Calories[i]);
        table->addWidget(CaLabels[i], 0, column);
        table->addWidget(Calories[i], 1, column);
    }
    table->setColumnStretch(table->columnCount(), 1);
    pageLayout->addWidget(Panel4);

    using vcl::Bind;
    Bind(ActivityBox, &QComboBox::currentIndexChanged, this, [this] { ActivityBoxChange(); });
    Bind(ActivityBox->lineEdit(), &QLineEdit::textEdited, this, [this] {
        // A box whose text was typed over no longer has an item selected.
        if (ActivityBox->currentIndex() != -1) {
            const QSignalBlocker blocker(ActivityBox);
            const QString typed = ActivityBox->currentText();
            const int cursor = ActivityBox->lineEdit()->cursorPosition();
            ActivityBox->setCurrentIndex(-1);
            ActivityBox->setEditText(typed);
            ActivityBox->lineEdit()->setCursorPosition(cursor);
        }
        ActivityBoxChange();
    });
}
