// The main window's handlers for the analysis pages.
#include "shell/tmainform.h"

void TMainForm::Table1AfterPost() {
    // The analysis pages are drawn here; the pass ends on the newest entry.
    if (!Table1.Active() || Table1.IsEmpty()) {
        return;
    }
    Table1.Last();
}
