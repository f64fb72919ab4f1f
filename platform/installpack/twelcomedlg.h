#pragma once

#include "installpack/tinstalldialog.h"

namespace installpack {

// The wizard's first page: greets the user and names the product.
class TWelcomeDlg : public TTextDialog {
    Q_OBJECT
public:
    TWelcomeDlg(QWidget* parent, const QString& name, const QString& title, const QString& text);
};

}  // namespace installpack
