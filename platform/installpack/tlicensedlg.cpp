#include "installpack/tlicensedlg.h"

#include <QLabel>
#include <QVBoxLayout>

namespace installpack {

TLicenseDlg::TLicenseDlg(QWidget* parent, const QString& name, const QString& title,
                         const QString& text)
    : TTextDialog(parent, name, tr("Licence Agreement"), Buttons::Wizard, text, true) {
    auto* note =
        new QLabel(tr("Please read the licence. By going on with Next you accept its terms for %1.")
                       .arg(title),
                   this);
    note->setObjectName(QStringLiteral("AcceptLabel"));
    note->setWordWrap(true);
    Body()->addWidget(note);
}

}  // namespace installpack
