#include "weightlog/tnewfiledlg.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/engineloader.h"
#include "shell/tmainform.h"
#include "vcl/application.h"

TNewFileDlg* NewFileDlg = nullptr;

namespace {

constexpr const char* kOverwriteQuestion =
    "     This file already exist.     \n     Do you wish to overwrite it?";

}  // namespace

TNewFileDlg::TNewFileDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("NewFileDlg");
    setWindowTitle("New File");
    setFixedSize(313, 141);
    vcl::SetHelpContext(this, 5);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 8, 297, 89);

    Edit1 = new QLineEdit("John Doe", this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(40, 48, 233, 21);

    auto* label = new QLabel("&Enter the person's name for the new file.", this);
    label->setObjectName("Label1");
    label->move(40, 32);
    label->setBuddy(Edit1);

    OKBtn = new QPushButton("&OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(80, 108, 74, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("&Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(159, 108, 75, 25);

    // The OK handler runs first; the dialog closes after it, whatever it did.
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        vcl::Application().Guard([this] { OKBtnClick(); });
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->setFocus();
}

void TNewFileDlg::OKBtnClick() {
    const QString fileName = Edit1->text() + ".db";
    if (QFileInfo::exists(fileName)) {
        const vcl::ModalResult answer = vcl::Application().MessageBox(
            {kOverwriteQuestion, "Existing File", vcl::MessageButtons::YesNo,
             vcl::MessageIcon::Warning, vcl::ModalResult::No});
        if (answer != vcl::ModalResult::Yes) {
            return;
        }
    }

    MainForm->Table1.Close();
    MainForm->Table1.SetTableName("");

    db::TTable table([]() -> db::Engine& { return db::DatabaseEngine(); });
    table.SetTableName(fileName.toStdString());
    table.SetTableType(db::TTableType::ttParadox);
    table.FieldDefs().Clear();
    table.FieldDefs().Add("DATE", db::FieldType::Date);
    table.FieldDefs().Add("WEIGHT", db::FieldType::Number);
    table.IndexDefs().Clear();
    table.IndexDefs().Add("PRIMARY", "DATE", db::ixPrimary | db::ixUnique);
    table.CreateTable();

    MainForm->SetRegInfo(1, fileName.toStdString(), false, 0.0f);
    MainForm->SetAddTodayTag(1);
    MainForm->FormActivate();
}
