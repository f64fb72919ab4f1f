#include "installpack/tinstallstatusdlg.h"

#include <QLabel>
#include <QVBoxLayout>

namespace installpack {

TInstallStatusDlg::TInstallStatusDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("InstallStatusDlg2"));
    label_->setObjectName(QStringLiteral("StatusLabel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
}

void TInstallStatusDlg::ShowStatus(const QString& text) {
    label_->setText(text);
}

QString TInstallStatusDlg::Status() const {
    return label_->text();
}

}  // namespace installpack
