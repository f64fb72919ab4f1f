#pragma once

#include <QDialog>

class QLabel;

namespace installpack {

// A borderless window with one line saying what the installation is doing.
class TInstallStatusDlg : public QDialog {
    Q_OBJECT
public:
    explicit TInstallStatusDlg(QWidget* parent);
    void ShowStatus(const QString& text);
    QString Status() const;

private:
    QLabel* label_;
};

}  // namespace installpack
