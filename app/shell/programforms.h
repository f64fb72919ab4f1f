#pragma once

#include <memory>

class TAboutBox;
class TEditWeightDlg;
class TMainForm;
class TNewFileDlg;
class TTodaysWeightDlg;

// The program's five forms, made once in their order at start-up and
// reachable through their globals for as long as they live.
class ProgramForms {
public:
    ProgramForms();
    ~ProgramForms();
    ProgramForms(const ProgramForms&) = delete;
    ProgramForms& operator=(const ProgramForms&) = delete;

    TMainForm& mainForm() const { return *mainForm_; }

private:
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TTodaysWeightDlg> todaysWeightDlg_;
    std::unique_ptr<TNewFileDlg> newFileDlg_;
    std::unique_ptr<TEditWeightDlg> editWeightDlg_;
    std::unique_ptr<TAboutBox> aboutBox_;
};
