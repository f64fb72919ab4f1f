#pragma once

#include "installpack/tinstalldialog.h"

namespace installpack {

// Ends a cancelled or failed installation, saying why.
class TBadInstallationDlg : public TTextDialog {
    Q_OBJECT
public:
    TBadInstallationDlg(QWidget* parent, const QString& name, const QString& title,
                        const QString& text);
};

}  // namespace installpack
