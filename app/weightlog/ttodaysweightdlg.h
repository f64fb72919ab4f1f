#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vcl {
class TSpinButton;
}

// "Enter Today's Weight": offers a weight, lets the user type or step it in
// the display unit, and on OK adds today's entry to the main window's log.
// The dialog is made once and reused, so Edit1 keeps its last text.
class TTodaysWeightDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTodaysWeightDlg(QWidget* parent = nullptr);

    virtual void OKBtnClick();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    // Qt key code of a released key: Down steps down, Up steps up.
    void Edit1KeyUp(int key);

    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    vcl::TSpinButton* SpinButton1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Sets WEIGHT of the log's current record, in pounds, from Edit1's
    // text in the display unit.
    void SetWeightFromEdit1();
};

extern TTodaysWeightDlg* TodaysWeightDlg;
