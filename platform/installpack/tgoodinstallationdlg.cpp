#include "installpack/tgoodinstallationdlg.h"

namespace installpack {

TGoodInstallationDlg::TGoodInstallationDlg(QWidget* parent, const QString& name,
                                           const QString& title, const QString& text)
    : TTextDialog(parent, name, tr("Installation Complete"), Buttons::Finish,
                  tr("%1 has been installed on your computer.\n\nYou can start it from its folder "
                     "in the applications menu or from the shortcut on your desktop.")
                          .arg(title) +
                      text,
                  false) {}

}  // namespace installpack
