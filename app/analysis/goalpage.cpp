// The Goal page's top half: the current goal and its forecast, and the edit
// box, spin button and button that set a new goal.
#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "analysis/goalentry.h"
#include "shell/tmainform.h"
#include "sysutils/numberformat.h"
#include "vcl/tedit.h"
#include "vcl/tspinbutton.h"
#include "vcl/virtualkey.h"
#include "weightlog/getname.h"

namespace {

std::string TextOf(const vcl::TEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

void TMainForm::CreateGoalTop(QBoxLayout* pageLayout) {
    auto* panel = new QFrame(Goal);
    panel->setObjectName("GoalPanel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* rows = new QGridLayout(panel);
    rows->addWidget(new QLabel("Your current weight goal is:  ", panel), 0, 0, Qt::AlignRight);
    GoalLabel = new QLabel("0.0", panel);
    GoalLabel->setObjectName("GoalLabel");
    rows->addWidget(GoalLabel, 0, 1);
    rows->addWidget(
        new QLabel("Based on your current weight trend, your goal will be reached in:  ", panel), 1,
        0, Qt::AlignRight);
    ReachedLabel = new QLabel(panel);
    ReachedLabel->setObjectName("ReachedLabel");
    rows->addWidget(ReachedLabel, 1, 1);
    rows->setColumnStretch(1, 1);
    for (QLabel* shown : {GoalLabel, ReachedLabel}) {
        QFont bold = shown->font();
        bold.setBold(true);
        shown->setFont(bold);
    }
    pageLayout->addWidget(panel);

    auto* entryRow = new QHBoxLayout;
    auto* prompt = new QLabel("&Select your new weight goal:", Goal);
    entryRow->addWidget(prompt);
    Edit2 = new vcl::TEdit(Goal);
    Edit2->setObjectName("Edit2");
    Edit2->setText("150.0");
    Edit2->setFixedWidth(65);
    prompt->setBuddy(Edit2);
    entryRow->addWidget(Edit2);
    SpinButton1 = new vcl::TSpinButton(Goal);
    SpinButton1->setObjectName("SpinButton1");
    SpinButton1->setFixedSize(17, 22);
    entryRow->addWidget(SpinButton1);
    GoalButton = new QPushButton("&New Goal", Goal);
    GoalButton->setObjectName("GoalButton");
    entryRow->addSpacing(8);
    entryRow->addWidget(GoalButton);
    entryRow->addStretch();
    pageLayout->addLayout(entryRow);
}

void TMainForm::BindGoalEvents() {
    using vcl::Bind;
    Bind(GoalButton, &QPushButton::clicked, this, [this] { GoalButtonClick(); });
    Bind(SpinButton1, &vcl::TSpinButton::DownClick, this, [this] { SpinButton1DownClick(); });
    Bind(SpinButton1, &vcl::TSpinButton::UpClick, this, [this] { SpinButton1UpClick(); });
    Bind(Edit2, &vcl::TEdit::KeyUp, this,
         [this](int key, Qt::KeyboardModifiers shift) { Edit2KeyUp(key, shift); });
}

void TMainForm::GoalButtonClick() {
    const std::string person = GetName(Table1.TableName());
    // Read first: a text that is no number stops everything here.
    const double typed = sysutils::StrToFloat(TextOf(Edit2));
    SetRegInfo(4, person, false, GoalToStore(typed, DisplayUnit()));
    GoalLabel->setText(QString::fromStdString(sysutils::FloatToStr(typed)));
    Table1AfterPost();
}

void TMainForm::SpinButton1DownClick() {
    Edit2->setText(QString::fromStdString(SpinDownText(TextOf(Edit2))));
}

void TMainForm::SpinButton1UpClick() {
    Edit2->setText(QString::fromStdString(SpinUpText(TextOf(Edit2))));
}

void TMainForm::Edit2KeyUp(int Key, Qt::KeyboardModifiers /*Shift*/) {
    if (Key == vcl::VK_DOWN) {
        SpinButton1DownClick();
    } else if (Key == vcl::VK_UP) {
        SpinButton1UpClick();
    }
}
