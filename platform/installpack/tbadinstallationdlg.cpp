#include "installpack/tbadinstallationdlg.h"

namespace installpack {

TBadInstallationDlg::TBadInstallationDlg(QWidget* parent, const QString& name, const QString& title,
                                         const QString& text)
    : TTextDialog(parent, name, tr("Installation Incomplete"), Buttons::Finish,
                  tr("%1 has not been installed. Everything the installation had copied has been "
                     "removed again.")
                          .arg(title) +
                      text,
                  false) {}

}  // namespace installpack
