#pragma once

#include "installpack/tinstalldialog.h"

namespace installpack {

// Ends a successful installation.
class TGoodInstallationDlg : public TTextDialog {
    Q_OBJECT
public:
    TGoodInstallationDlg(QWidget* parent, const QString& name, const QString& title,
                         const QString& text);
};

}  // namespace installpack
