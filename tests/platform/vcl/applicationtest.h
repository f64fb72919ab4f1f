#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <ostream>
#include <vector>

#include "support/tempfolder.h"
#include "vcl/application.h"

// Failed expectations show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Stands in for the user at every modal run and records what was asked.
class RecordingResponder : public vcl::ModalResponder {
public:
    struct HelpCall {
        QString helpFile;
        int command = 0;
        QString data;
        friend bool operator==(const HelpCall&, const HelpCall&) = default;
    };

    vcl::ModalResult RunForm(QDialog& form) override {
        forms.push_back(form.objectName());
        return formResult;
    }
    vcl::ModalResult ShowMessage(const vcl::MessageRequest& request) override {
        messages.push_back(request);
        return messageResult;
    }
    std::optional<QString> ChooseFile(const vcl::OpenDialogRequest& request) override {
        fileRequests.push_back(request);
        return chosenFile;
    }
    void HelpCommand(const QString& helpFile, int command, const QString& data) override {
        helpCalls.push_back({helpFile, command, data});
    }

    std::vector<QString> forms;
    vcl::ModalResult formResult = vcl::ModalResult::OK;
    std::vector<vcl::MessageRequest> messages;
    vcl::ModalResult messageResult = vcl::ModalResult::OK;
    std::vector<vcl::OpenDialogRequest> fileRequests;
    std::optional<QString> chosenFile;
    std::vector<HelpCall> helpCalls;
};

// The application object as the program sets it up, with the responder
// answering its modal runs, in a temporary home.
class ApplicationTest : public TempHomeTest {
protected:
    ApplicationTest() {
        application.SetTitle("Bodelog");
        application.SetHelpFile("Bodeloghlp.hlp");
        application.SetResponder(&responder);
    }

    // The texts of the message boxes shown so far.
    std::vector<QString> MessageTexts() const {
        std::vector<QString> texts;
        for (const vcl::MessageRequest& message : responder.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    vcl::TApplication application;
    RecordingResponder responder;
};
