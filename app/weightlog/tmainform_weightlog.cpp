// The main window's handlers for the weight log: the kilogram column, the
// grid's deletion and key release, and the daily entry buttons.
#include <QLineEdit>

#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "shell/tmainform.h"
#include "shell/units.h"
#include "sysutils/numberformat.h"
#include "weightlog/postorcancel.h"
#include "weightlog/teditweightdlg.h"
#include "weightlog/ttodaysweightdlg.h"

namespace {

// Suspends a table's data-aware controls until Resume or the end of the
// scope, however the scope ends.
class ControlsSuspension {
public:
    explicit ControlsSuspension(db::TTable& table) : table_(table) { table_.DisableControls(); }
    ~ControlsSuspension() {
        if (suspended_) {
            try {
                table_.EnableControls();
            } catch (const std::exception&) {
                // Only reached while an earlier error ends the scope; that
                // one is shown, and the changes are flushed at the next resume.
            }
        }
    }
    ControlsSuspension(const ControlsSuspension&) = delete;
    ControlsSuspension& operator=(const ControlsSuspension&) = delete;

    // Resumes the controls; an error in flushing the changes is reported.
    void Resume() {
        suspended_ = false;
        table_.EnableControls();
    }

private:
    db::TTable& table_;
    bool suspended_ = true;
};

// The current entry's weight in the display unit, as the dialogs offer it.
QString ShownWeight(const TMainForm& form) {
    const db::TFloatField* shown =
        form.Imperial1->isChecked() ? form.Table1WEIGHT : form.Table1WEIGHTKG;
    return QString::fromStdString(sysutils::FloatToStr(shown->AsFloat()));
}

// Gives every day after the newest entry up to yesterday an entry with the
// newest weight, as the log holds one entry per day. The weight is carried
// in single precision; today is read again for each day.
void FillMissingDays(TMainForm& form, std::chrono::sys_days newest, std::chrono::sys_days today) {
    db::TTable& table = form.Table1;
    const std::chrono::days missing = today - newest - std::chrono::days{1};
    const auto weight = static_cast<float>(form.Table1WEIGHT->AsFloat());
    ControlsSuspension suspension(table);
    for (std::chrono::days day{0}; day < missing; ++day) {
        table.Insert();
        PostOrCancel(table, [&form, &table, weight, missing, day] {
            form.Table1DATE->SetAsDateTime(form.Today() - missing + day);
            form.Table1WEIGHT->SetAsFloat(static_cast<double>(weight));
            table.Post();
        });
    }
    suspension.Resume();
}

}  // namespace

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

void TMainForm::AddTodayButtonClick() {
    Table1.Last();
    if (Table1.Bof()) {
        vcl::Application().ShowModal(*TodaysWeightDlg);
        return;
    }

    const std::chrono::sys_days newest = Table1DATE->AsDateTime();
    const std::chrono::sys_days today = Today();
    if (newest == today) {
        if (AddTodayTag() != 0) {
            SetAddTodayTag(0);
        } else {
            vcl::Application().MessageBox({"You already have an entry for today.",
                                           "Add Today's Weight", vcl::MessageButtons::OK,
                                           vcl::MessageIcon::Information, vcl::ModalResult::OK});
        }
        Table1AfterPost();
        return;
    }

    if (newest != today - std::chrono::days{1}) {
        FillMissingDays(*this, newest, today);
    }
    // A weight of 0 leaves the text the dialog had.
    if (Table1WEIGHT->AsFloat() != 0) {
        TodaysWeightDlg->Edit1->setText(ShownWeight(*this));
    }
    vcl::Application().ShowModal(*TodaysWeightDlg);
    Table1AfterPost();
}

void TMainForm::EditWeightButtonClick() {
    // Bof and Eof alone cannot tell a closed log from an empty one.
    Table1.CheckActive();
    if (Table1.Bof() && Table1.Eof()) {
        vcl::Application().MessageBox({"You muse have an entry to edit.", "Edit Weight",
                                       vcl::MessageButtons::OK, vcl::MessageIcon::Information,
                                       vcl::ModalResult::OK});
        return;
    }
    EditWeightDlg->Edit1->setText(ShownWeight(*this));
    vcl::Application().ShowModal(*EditWeightDlg);
}
