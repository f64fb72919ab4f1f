#include "installpack/tselectfolderdlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace installpack {

TSelectFolderDlg::TSelectFolderDlg(QWidget* parent, const QString& name, const QString& proposed)
    : TInstallDialog(parent, name, tr("Select Program Folder"), Buttons::Wizard),
      edit_(new QLineEdit(proposed, this)) {
    auto* label = new QLabel(
        tr("The shortcuts will be placed in this folder of the applications menu. You may type "
           "another name."),
        this);
    label->setWordWrap(true);
    Body()->addWidget(label);
    edit_->setObjectName(QStringLiteral("FolderEdit"));
    Body()->addWidget(edit_);
    Body()->addStretch(1);
    NextButton()->setText(tr("&Install"));
}

QString TSelectFolderDlg::FolderName() const {
    return edit_->text().trimmed();
}

bool TSelectFolderDlg::Validate() {
    const QString folder = FolderName();
    if (!folder.isEmpty() && !folder.contains(u'/') && folder != u"." && folder != u"..") {
        return true;
    }
    vcl::Application().MessageBox({tr("Please type a folder name without a slash."),
                                   vcl::Application().Title(), vcl::MessageButtons::OK,
                                   vcl::MessageIcon::Information, vcl::ModalResult::OK});
    return false;
}

}  // namespace installpack
