#pragma once

#include <QDialog>

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db/engine.h"
#include "support/tempfolder.h"
#include "vcl/application.h"

class TAboutBox;
class TEditWeightDlg;
class TMainForm;
class TNewFileDlg;
class TTodaysWeightDlg;

// The program's forms in a temporary home and working folder, with every
// modal run answered by the script a test sets up: forms by the queued
// actions (a form with none left is cancelled), message boxes by the queued
// answers (OK otherwise), the open dialog by the queued choices.
class MainFormTest : public TempHomeTest, public vcl::ModalResponder {
protected:
    MainFormTest();
    ~MainFormTest() override;

    // Shows the main window and lets its first activation run.
    void Start();

    // Writes a weight log in the working folder with the given weights on
    // consecutive days from Day(0).
    void WriteLog(const std::string& fileName, const std::vector<double>& weights);
    // The day of the i-th entry WriteLog writes: 2026-01-01 + i.
    static std::chrono::sys_days Day(int i);
    // The main window's today from now on, instead of the clock's.
    void SetToday(std::chrono::sys_days day);
    // The settings store's four values: current file, automatic entry off,
    // the unit, and one person's goal.
    static void StoreSettings(const std::string& currentFile, bool pounds, float goalOfPerson,
                              const std::string& person);
    std::filesystem::path SettingsFile() const;
    std::string SettingsText() const;

    // Script for the new-file dialog: type the name and press OK.
    void CreateNewFileNamed(const QString& name);

    vcl::ModalResult RunForm(QDialog& form) override;
    vcl::ModalResult ShowMessage(const vcl::MessageRequest& request) override;
    std::optional<QString> ChooseFile(const vcl::OpenDialogRequest& request) override;
    void HelpCommand(const QString& helpFile, int command, const QString& data) override;

    struct HelpCall {
        QString helpFile;
        int command;
        QString data;
    };

    std::deque<std::function<vcl::ModalResult(QDialog&)>> formScript;
    std::deque<vcl::ModalResult> messageAnswers;
    std::deque<std::optional<QString>> fileChoices;
    std::vector<QString> formsShown;  // object names, in order
    std::vector<vcl::MessageRequest> messages;
    std::vector<vcl::OpenDialogRequest> openRequests;
    std::vector<HelpCall> helpCalls;

    std::unique_ptr<vcl::TApplication> application;
    std::chrono::sys_days today{};
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TTodaysWeightDlg> todaysWeightDlg;
    std::unique_ptr<TNewFileDlg> newFileDlg;
    std::unique_ptr<TEditWeightDlg> editWeightDlg;
    std::unique_ptr<TAboutBox> aboutBox;
};
