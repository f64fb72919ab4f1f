#include "weightlog/teditweightdlg.h"

#include <QLabel>

#include "db/views/tdbedit.h"
#include "shell/tmainform.h"
#include "weightlog/postorcancel.h"

TEditWeightDlg* EditWeightDlg = nullptr;

TEditWeightDlg::TEditWeightDlg(QWidget* parent) : TTodaysWeightDlg(parent) {
    setObjectName("EditWeightDlg");
    setWindowTitle("Edit Weight");
    Label1->setText("&Enter your correct weight for:");
    Label1->setGeometry(35, 32, 136, Label1->sizeHint().height());

    // Reads like a label showing the date of the entry being corrected.
    DBEdit1 = new db::views::TDBEdit(this);
    DBEdit1->setObjectName("DBEdit1");
    DBEdit1->setGeometry(173, 32, 65, 13);
    DBEdit1->setFrame(false);
    QFont bold = DBEdit1->font();
    bold.setBold(true);
    DBEdit1->setFont(bold);
    QPalette colours = DBEdit1->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    DBEdit1->setPalette(colours);
    DBEdit1->setFocusPolicy(Qt::ClickFocus);
    DBEdit1->SetDataSet(&MainForm->Table1);
    DBEdit1->SetDataField("DATE");
}

void TEditWeightDlg::OKBtnClick() {
    db::TTable& table = MainForm->Table1;
    table.Edit();
    PostOrCancel(table, [this, &table] {
        SetWeightFromEdit1();
        table.Post();
    });
}

void TEditWeightDlg::reject() {
    MainForm->Table1.Cancel();
    // Binding the field again shows the stored date, dropping text typed
    // but not stored, which leaving the box would otherwise store.
    DBEdit1->SetDataField("DATE");
    TTodaysWeightDlg::reject();
}
