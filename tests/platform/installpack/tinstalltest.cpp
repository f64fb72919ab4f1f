#include "tinstalltest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

#include "installpack/tinstall.h"

TInstallTest::TInstallTest()
    : application(std::make_unique<vcl::TApplication>()), window(std::make_unique<QWidget>()) {
    application->SetTitle(QStringLiteral("Product V1.0 Installation"));
    application->SetResponder(this);
    install = new installpack::TInstall(window.get(), definition);
    install->SetArchiveFolder(Archives());
    install->SetPlaces(Places());
    install->SetArguments({});
}

TInstallTest::~TInstallTest() {
    window.reset();
    application.reset();
}

void TInstallTest::Run() {
    window->show();
    QApplication::processEvents();
}

vcl::ModalResult TInstallTest::Press(QDialog& dialog, const QString& button) {
    auto* found = dialog.findChild<QAbstractButton*>(button);
    if (found == nullptr) {
        ADD_FAILURE() << "no button " << button.toStdString();
        return vcl::ModalResult::Cancel;
    }
    found->click();
    return dialog.result() == QDialog::Accepted ? vcl::ModalResult::OK : vcl::ModalResult::Cancel;
}

vcl::ModalResult TInstallTest::RunForm(QDialog& form) {
    const QString name = form.objectName();
    shown.push_back(name);
    if (const auto* label = form.findChild<QLabel*>(QStringLiteral("TextLabel"))) {
        texts[name] = label->text();
    } else if (const auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("TextMemo"))) {
        texts[name] = memo->toPlainText();
    }
    auto& actions = script[name];
    if (actions.empty()) {
        return vcl::ModalResult::OK;
    }
    auto action = std::move(actions.front());
    actions.erase(actions.begin());
    return action(form);
}

vcl::ModalResult TInstallTest::ShowMessage(const vcl::MessageRequest& request) {
    messages.push_back(request);
    return messageAnswer;
}

std::optional<QString> TInstallTest::ChooseFile(const vcl::OpenDialogRequest&) {
    return std::nullopt;
}

void TInstallTest::HelpCommand(const QString&, int, const QString&) {}
