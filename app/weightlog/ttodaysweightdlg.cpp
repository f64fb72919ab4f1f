#include "weightlog/ttodaysweightdlg.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/tfield.h"
#include "shell/tmainform.h"
#include "shell/units.h"
#include "sysutils/numberformat.h"
#include "vcl/application.h"
#include "vcl/tspinbutton.h"
#include "weightlog/postorcancel.h"

TTodaysWeightDlg* TodaysWeightDlg = nullptr;

namespace {

constexpr double kHighestStart = 999;
constexpr double kStep = 0.5;

double Number(const QLineEdit& edit) {
    return sysutils::StrToFloat(edit.text().toStdString());
}

void SetNumber(QLineEdit& edit, double value) {
    edit.setText(QString::fromStdString(sysutils::FloatToStr(value)));
}

}  // namespace

TTodaysWeightDlg::TTodaysWeightDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TodaysWeightDlg");
    setWindowTitle("Enter Today's Weight");
    setFixedSize(266, 141);
    vcl::SetHelpContext(this, 19);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 249, 89);

    Edit1 = new QLineEdit("150.0", this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(56, 48, 137, 21);
    Edit1->installEventFilter(this);

    Label1 = new QLabel("&Enter your weight for today:", this);
    Label1->setObjectName("Label1");
    Label1->move(56, 32);
    Label1->setBuddy(Edit1);

    SpinButton1 = new vcl::TSpinButton(this);
    SpinButton1->setObjectName("SpinButton1");
    SpinButton1->setGeometry(192, 49, 17, 19);

    OKBtn = new QPushButton("&OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(55, 108, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("&Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(135, 108, 75, 25);

    // The OK handler runs first; the dialog closes after it, whatever it did.
    // The handlers are virtual: a derived dialog's own ones are reached.
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        vcl::Application().Guard([this] { OKBtnClick(); });
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    vcl::Bind(SpinButton1, &vcl::TSpinButton::UpClick, this, [this] { SpinButton1UpClick(); });
    vcl::Bind(SpinButton1, &vcl::TSpinButton::DownClick, this, [this] { SpinButton1DownClick(); });
    Edit1->setFocus();
}

void TTodaysWeightDlg::OKBtnClick() {
    db::TTable& table = MainForm->Table1;
    table.Insert();
    PostOrCancel(table, [this, &table] {
        table.FieldByName("DATE").SetAsDateTime(MainForm->Today());
        SetWeightFromEdit1();
        table.Post();
    });
    MainForm->SetAddTodayTag(0);
}

void TTodaysWeightDlg::SpinButton1UpClick() {
    if (Number(*Edit1) >= kHighestStart) {
        SetNumber(*Edit1, kHighestStart);
    }
    SetNumber(*Edit1, Number(*Edit1) + kStep);
}

void TTodaysWeightDlg::SpinButton1DownClick() {
    if (Number(*Edit1) <= 0) {
        SetNumber(*Edit1, kStep);
    }
    SetNumber(*Edit1, Number(*Edit1) - kStep);
}

void TTodaysWeightDlg::Edit1KeyUp(int key) {
    if (key == Qt::Key_Down) {
        SpinButton1DownClick();
    } else if (key == Qt::Key_Up) {
        SpinButton1UpClick();
    }
}

bool TTodaysWeightDlg::eventFilter(QObject* watched, QEvent* event) {
    // One step per release, however long the key was held.
    if (watched == Edit1 && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            vcl::Application().Guard([this, key] { Edit1KeyUp(key->key()); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTodaysWeightDlg::SetWeightFromEdit1() {
    const std::string text = Edit1->text().toStdString();
    db::TTable& table = MainForm->Table1;
    if (MainForm->Imperial1->isChecked()) {
        table.FieldByName("WEIGHT").SetAsFloat(sysutils::StrToFloat(text));
        return;
    }
    // Stored through the field's text conversion: pounds to one decimal.
    const double pounds = sysutils::StrToFloat(text) * units::kPoundsPerKilogram;
    table.SetFieldValues("WEIGHT", sysutils::FormatFloat("###0.0", pounds));
}
