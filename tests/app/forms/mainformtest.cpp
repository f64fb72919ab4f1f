#include "mainformtest.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>
#include <sstream>

#include "db/engineloader.h"
#include "shell/settingsstore.h"
#include "shell/taboutbox.h"
#include "shell/tmainform.h"
#include "weightlog/teditweightdlg.h"
#include "weightlog/tnewfiledlg.h"
#include "weightlog/ttodaysweightdlg.h"

// The forms are made in the program's order; the dialogs after the main
// window, as the correction dialog binds to its log.
MainFormTest::MainFormTest()
    : application(std::make_unique<vcl::TApplication>()), form(std::make_unique<TMainForm>()) {
    application->SetTitle("Bodelog");
    application->SetHelpFile("Bodeloghlp.hlp");
    application->SetResponder(this);
    MainForm = form.get();
    todaysWeightDlg = std::make_unique<TTodaysWeightDlg>(form.get());
    TodaysWeightDlg = todaysWeightDlg.get();
    newFileDlg = std::make_unique<TNewFileDlg>(form.get());
    NewFileDlg = newFileDlg.get();
    editWeightDlg = std::make_unique<TEditWeightDlg>(form.get());
    EditWeightDlg = editWeightDlg.get();
    aboutBox = std::make_unique<TAboutBox>(form.get());
    AboutBox = aboutBox.get();
}

MainFormTest::~MainFormTest() {
    aboutBox.reset();
    editWeightDlg.reset();
    newFileDlg.reset();
    todaysWeightDlg.reset();
    form.reset();
    TodaysWeightDlg = nullptr;
    NewFileDlg = nullptr;
    EditWeightDlg = nullptr;
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
    for (std::size_t i = 0; i < weights.size(); ++i) {
        table->insert({db::ToEngineDate(Day(static_cast<int>(i))), weights[i]});
    }
}

std::chrono::sys_days MainFormTest::Day(int i) {
    return std::chrono::sys_days{std::chrono::year{2026} / 1 / 1} + std::chrono::days{i};
}

void MainFormTest::SetToday(std::chrono::sys_days day) {
    today = day;
    form->Today = [this] { return today; };
}

void MainFormTest::StoreSettings(const std::string& currentFile, bool pounds, float goalOfPerson,
                                 const std::string& person) {
    const SettingsStore store;
    store.SetRegInfo(1, currentFile, false, 0.0f);
    store.SetRegInfo(2, "", false, 0.0f);
    store.SetRegInfo(3, "", pounds, 0.0f);
    store.SetRegInfo(4, person, false, goalOfPerson);
}

std::filesystem::path MainFormTest::SettingsFile() const {
    return configHome() / "Halvane" / "Bodelog.reg";
}

std::string MainFormTest::SettingsText() const {
    return ReadTextFile(SettingsFile());
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
