#pragma once

#include "installpack/tinstalldialog.h"

class QLineEdit;

namespace installpack {

// Asks for the name of the Start-menu folder that will hold the shortcuts.
class TSelectFolderDlg : public TInstallDialog {
    Q_OBJECT
public:
    TSelectFolderDlg(QWidget* parent, const QString& name, const QString& proposed);

    QString FolderName() const;
    bool Validate() override;

private:
    QLineEdit* edit_;
};

}  // namespace installpack
