#include "shell/taboutbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "shell/programicon.h"
#include "vcl/application.h"

TAboutBox* AboutBox = nullptr;

namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About Bodelog Version 1.0");
    setFixedSize(298, 213);
    vcl::SetHelpContext(this, 1);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setGeometry(8, 8, 281, 161);

    AddLabel(panel, "ProgramIcon", {}, {8, 8, 32, 32})->setPixmap(ProgramIcon());
    QLabel* product = AddLabel(panel, "ProductName", "Bodelog", {88, 16, 150, 24});
    QFont big = product->font();
    big.setPointSize(14);
    big.setBold(true);
    product->setFont(big);
    AddLabel(panel, "Version", "Version 1.0", {88, 48, 150, 16});
    AddLabel(panel, "Copyright", "Halvane", {8, 104, 265, 16});
    AddLabel(panel, "Comments", "Your weight, one day at a time.", {8, 124, 265, 16});

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(111, 180, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
