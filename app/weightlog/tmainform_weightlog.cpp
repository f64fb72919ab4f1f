// The main window's handlers for the weight log: the kilogram column, the
// grid's deletion and key release, and the daily entry buttons.
#include "db/tfloatfield.h"
#include "shell/tmainform.h"
#include "shell/units.h"
#include "sysutils/numberformat.h"

void TMainForm::Table1CalcFields() {
    const double kilograms = Table1WEIGHT->AsFloat() * units::kKilogramsPerPound;
    Table1.SetFieldValues("WEIGHTKG", sysutils::FormatFloat("###0.0", kilograms));
}

void TMainForm::Table1BeforeDelete() {
    Table1.Cancel();
}

void TMainForm::DBGrid1KeyDown() {
    // With no log open there is no record to move to.
    if (!Table1.Active() || !Table1.Eof()) {
        return;
    }
    Table1.Last();
    Table1.Prior();
}

void TMainForm::AddTodayButtonClick() {}

void TMainForm::EditWeightButtonClick() {}
