#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

#include "installfixture.h"
#include "vcl/application.h"

namespace installpack {
class TInstall;
}

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The pack's installation component on a window of its own, in the
// fixture's temporary home, with every dialog answered by the script a test
// sets up: a dialog's queued actions in turn, Next (OK) when none is left.
class TInstallTest : public InstallFixture, public vcl::ModalResponder {
protected:
    TInstallTest();
    ~TInstallTest() override;

    // Shows the window and lets the installation run to its end.
    void Run();

    // Presses the dialog's button of that name and returns what exec() would.
    static vcl::ModalResult Press(QDialog& dialog, const QString& button);

    vcl::ModalResult RunForm(QDialog& form) override;
    vcl::ModalResult ShowMessage(const vcl::MessageRequest& request) override;
    std::optional<QString> ChooseFile(const vcl::OpenDialogRequest& request) override;
    void HelpCommand(const QString& helpFile, int command, const QString& data) override;

    std::map<QString, std::vector<std::function<vcl::ModalResult(QDialog&)>>> script;
    std::vector<QString> shown;        // dialogs, in order
    std::map<QString, QString> texts;  // the last text each dialog showed
    std::vector<vcl::MessageRequest> messages;
    vcl::ModalResult messageAnswer = vcl::ModalResult::OK;

    std::unique_ptr<vcl::TApplication> application;
    std::unique_ptr<QWidget> window;
    installpack::TInstall* install = nullptr;
};
