#include "vcl/application.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <stdexcept>

#include "vcl/helpkeyfilter.h"
#include "vcl/namefilter.h"

namespace vcl {

namespace {

TApplication* instance = nullptr;

// A form closes with QDialog's Accepted or Rejected, or with a result of
// its own passed to done().
ModalResult FromDialogCode(int code) {
    switch (code) {
        case QDialog::Accepted:
            return ModalResult::OK;
        case QDialog::Rejected:
            return ModalResult::Cancel;
        case static_cast<int>(ModalResult::Cancel):
        case static_cast<int>(ModalResult::Yes):
        case static_cast<int>(ModalResult::No):
            return static_cast<ModalResult>(code);
        default:
            return ModalResult::None;
    }
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButton ToQtButton(ModalResult result) {
    switch (result) {
        case ModalResult::Yes:
            return QMessageBox::Yes;
        case ModalResult::No:
            return QMessageBox::No;
        case ModalResult::OK:
            return QMessageBox::Ok;
        case ModalResult::None:
        case ModalResult::Cancel:
            break;
    }
    return QMessageBox::NoButton;
}

ModalResult FromQtButton(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return ModalResult::OK;
        case QMessageBox::Yes:
            return ModalResult::Yes;
        case QMessageBox::No:
            return ModalResult::No;
        default:
            return ModalResult::None;
    }
}

ModalResult RunMessageBox(const MessageRequest& request) {
    const QMessageBox::StandardButtons buttons = request.buttons == MessageButtons::YesNo
                                                     ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok;
    QMessageBox box(ToQtIcon(request.icon), request.caption, request.text, buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(ToQtButton(request.defaultButton));
    return FromQtButton(box.exec());
}

std::optional<QString> RunFileDialog(const OpenDialogRequest& request, QWidget* owner) {
    QFileDialog dialog(owner, request.title);
    // Qt's own dialog everywhere: its pattern matching ignores case, so
    // "*.DB" also lists "name.db", and the default suffix works the same.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QtNameFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setDirectory(QDir::currentPath());
    // Bare file names are resolved against the working directory, so no
    // dialog may leave it changed.
    const QString workingDirectory = QDir::currentPath();
    const int code = dialog.exec();
    if (QDir::currentPath() != workingDirectory) {
        QDir::setCurrent(workingDirectory);
    }
    if (code != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

}  // namespace

TApplication::TApplication() {
    if (instance != nullptr) {
        throw std::logic_error("There is already an application object");
    }
    instance = this;
    helpKeys_ = new HelpKeyFilter(this);
    QCoreApplication::instance()->installEventFilter(helpKeys_);
}

TApplication::~TApplication() {
    instance = nullptr;
}

TApplication& TApplication::Instance() {
    if (instance == nullptr) {
        throw std::logic_error("There is no application object");
    }
    return *instance;
}

void TApplication::SetTitle(const QString& title) {
    title_ = title;
}

ModalResult TApplication::ShowModal(QDialog& form) {
    if (responder_ != nullptr) {
        return responder_->RunForm(form);
    }
    return FromDialogCode(form.exec());
}

ModalResult TApplication::MessageBox(const MessageRequest& request) {
    if (responder_ != nullptr) {
        return responder_->ShowMessage(request);
    }
    return RunMessageBox(request);
}

std::optional<QString> TApplication::RunOpenDialog(const OpenDialogRequest& request,
                                                   QWidget* owner) {
    if (responder_ != nullptr) {
        return responder_->ChooseFile(request);
    }
    return RunFileDialog(request, owner);
}

void TApplication::ShowException(const std::exception& error) {
    QString text = QString::fromUtf8(error.what());
    // A message that ends its own sentence gets no second full stop.
    if (!text.endsWith(QLatin1Char('.'))) {
        text += QLatin1Char('.');
    }
    MessageBox({text, Title(), MessageButtons::OK, MessageIcon::Stop, ModalResult::OK});
}

void TApplication::HelpCommand(int command, const QString& data, QWidget* owner) {
    if (responder_ != nullptr) {
        responder_->HelpCommand(HelpFile(), command, data);
    } else if (helpHandler_) {
        helpHandler_(HelpFile(), command, data, owner);
    }
}

}  // namespace vcl
