#pragma once

#include "installpack/tinstalldialog.h"

namespace installpack {

// Shows the licence; going on with Next accepts it.
class TLicenseDlg : public TTextDialog {
    Q_OBJECT
public:
    TLicenseDlg(QWidget* parent, const QString& name, const QString& title, const QString& text);
};

}  // namespace installpack
