#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "New File": asks for a person's name and creates that person's weight
// log in the working folder, then makes it the current file.
class TNewFileDlg : public QDialog {
    Q_OBJECT
public:
    explicit TNewFileDlg(QWidget* parent = nullptr);

    void OKBtnClick();

    QLineEdit* Edit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

extern TNewFileDlg* NewFileDlg;
