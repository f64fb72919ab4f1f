#pragma once

#include "installpack/tinstalldialog.h"

namespace installpack {

// Shows the readme text before the choices are made.
class TReadmeDlg : public TTextDialog {
    Q_OBJECT
public:
    TReadmeDlg(QWidget* parent, const QString& name, const QString& title, const QString& text);
};

}  // namespace installpack
