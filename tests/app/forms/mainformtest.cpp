#include "mainformtest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>
#include <sstream>

#include "db/engineloader.h"
#include "shell/taboutbox.h"
#include "shell/tmainform.h"
#include "weightlog/tnewfiledlg.h"

MainFormTest::MainFormTest()
    : application(std::make_unique<vcl::TApplication>()),
      form(std::make_unique<TMainForm>()),
      newFileDlg(std::make_unique<TNewFileDlg>(form.get())),
      aboutBox(std::make_unique<TAboutBox>(form.get())) {
    application->SetTitle("Bodelog");
    application->SetHelpFile("Bodeloghlp.hlp");
    application->SetResponder(this);
    MainForm = form.get();
    NewFileDlg = newFileDlg.get();
    AboutBox = aboutBox.get();
}

MainFormTest::~MainFormTest() {
    aboutBox.reset();
    newFileDlg.reset();
    form.reset();
    NewFileDlg = nullptr;
    AboutBox = nullptr;
}

void MainFormTest::Start() {
    form->show();
    QApplication::processEvents();
}

void MainFormTest::WriteLog(const std::string& fileName, const std::vector<double>& weights) {
    db::Engine& engine = db::DatabaseEngine();
    engine.create(fileName,
                  {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Number, 0}},
                  {{"PRIMARY", {"DATE"}, true, true}});
    auto table = engine.open(fileName);
    const auto first = db::ToEngineDate(std::chrono::sys_days{std::chrono::year{2026} / 1 / 1});
    for (std::size_t i = 0; i < weights.size(); ++i) {
        table->insert({db::Date{first.days + static_cast<std::int32_t>(i)}, weights[i]});
    }
}

std::filesystem::path MainFormTest::SettingsFile() const {
    return configHome() / "Halvane" / "Bodelog.reg";
}

std::string MainFormTest::SettingsText() const {
    std::ifstream file(SettingsFile());
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void MainFormTest::CreateNewFileNamed(const QString& name) {
    formScript.push_back([name](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("Edit1")->setText(name);
        dialog.findChild<QPushButton*>("OKBtn")->click();
        return vcl::ModalResult::OK;
    });
}

vcl::ModalResult MainFormTest::RunForm(QDialog& dialog) {
    formsShown.push_back(dialog.objectName());
    if (formScript.empty()) {
        return vcl::ModalResult::Cancel;
    }
    auto step = std::move(formScript.front());
    formScript.pop_front();
    return step(dialog);
}

vcl::ModalResult MainFormTest::ShowMessage(const vcl::MessageRequest& request) {
    messages.push_back(request);
    if (messageAnswers.empty()) {
        return vcl::ModalResult::OK;
    }
    const vcl::ModalResult answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<QString> MainFormTest::ChooseFile(const vcl::OpenDialogRequest& request) {
    openRequests.push_back(request);
    if (fileChoices.empty()) {
        return std::nullopt;
    }
    auto choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

void MainFormTest::HelpCommand(const QString& helpFile, int command, const QString& data) {
    helpCalls.push_back({helpFile, command, data});
}
