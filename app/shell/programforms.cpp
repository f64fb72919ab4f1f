#include "shell/programforms.h"

#include "shell/taboutbox.h"
#include "shell/tmainform.h"
#include "weightlog/teditweightdlg.h"
#include "weightlog/tnewfiledlg.h"
#include "weightlog/ttodaysweightdlg.h"

// Each form is reachable through its global before the next is made: the
// dialogs bind to the main window's log as they are built.
ProgramForms::ProgramForms() {
    mainForm_ = std::make_unique<TMainForm>();
    MainForm = mainForm_.get();
    todaysWeightDlg_ = std::make_unique<TTodaysWeightDlg>(MainForm);
    TodaysWeightDlg = todaysWeightDlg_.get();
    newFileDlg_ = std::make_unique<TNewFileDlg>(MainForm);
    NewFileDlg = newFileDlg_.get();
    editWeightDlg_ = std::make_unique<TEditWeightDlg>(MainForm);
    EditWeightDlg = editWeightDlg_.get();
    aboutBox_ = std::make_unique<TAboutBox>(MainForm);
    AboutBox = aboutBox_.get();
}

// The members go in reverse order: the dialogs before the main window they
// belong to.
ProgramForms::~ProgramForms() {
    AboutBox = nullptr;
    EditWeightDlg = nullptr;
    NewFileDlg = nullptr;
    TodaysWeightDlg = nullptr;
    MainForm = nullptr;
}
