#include "installpack/twelcomedlg.h"

namespace installpack {

TWelcomeDlg::TWelcomeDlg(QWidget* parent, const QString& name, const QString& title,
                         const QString& text)
    : TTextDialog(parent, name, tr("Welcome"), Buttons::FirstPage,
                  tr("Welcome to the %1 installation.\n\nThis program installs %1 on your "
                     "computer. Close the programs you are running before you go on.\n\nClick Next "
                     "to continue, or Cancel to leave without installing anything.")
                          .arg(title) +
                      text,
                  false) {}

}  // namespace installpack
