#include "installpack/treadmedlg.h"

namespace installpack {

TReadmeDlg::TReadmeDlg(QWidget* parent, const QString& name, const QString&, const QString& text)
    : TTextDialog(parent, name, tr("Read Me"), Buttons::Wizard, text, true) {}

}  // namespace installpack
