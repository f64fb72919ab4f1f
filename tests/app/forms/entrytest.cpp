#include "entrytest.h"

#include <QLineEdit>
#include <QPushButton>

#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "shell/tmainform.h"

void EntryTest::OpenLog(const std::vector<double>& weights, bool pounds,
                        std::chrono::sys_days day) {
    WriteLog("Jane.db", weights);
    StoreSettings("Jane.db", pounds, 0.0f, "Jane");
    SetToday(day);
    Start();
}

std::vector<EntryTest::Entry> EntryTest::Entries() const {
    std::vector<Entry> entries;
    db::TTable& table = MainForm->Table1;
    for (std::size_t i = 0; i < table.RecordCount(); ++i) {
        table.ReadRecord(i, [&entries] {
            entries.push_back(
                {MainForm->Table1DATE->AsDateTime(), MainForm->Table1WEIGHT->AsFloat()});
        });
    }
    return entries;
}

void EntryTest::Respond(const QString& weight, std::function<void(QDialog&)> before, bool ok) {
    formScript.push_back([this, weight, before = std::move(before), ok](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("Edit1");
        offered.push_back(edit->text());
        if (before) {
            before(dialog);
        }
        edit->setText(weight);
        dialog.findChild<QPushButton*>(ok ? "OKBtn" : "CancelBtn")->click();
        return ok ? vcl::ModalResult::OK : vcl::ModalResult::Cancel;
    });
}

void EntryTest::TypeAndPressOK(const QString& weight, std::function<void(QDialog&)> before) {
    Respond(weight, std::move(before), true);
}

void EntryTest::TypeAndPressCancel(const QString& weight, std::function<void(QDialog&)> before) {
    Respond(weight, std::move(before), false);
}

void EntryTest::PressAddToday() {
    MainForm->AddTodayButton->click();
}

void EntryTest::PressEditWeight() {
    MainForm->EditWeightButton->click();
}

void EntryTest::WatchPosts() {
    db::TTable& table = MainForm->Table1;
    table.AfterPost = [this, pass = table.AfterPost](db::TTable& posted) {
        postsWhileSuspended.push_back(posted.ControlsDisabled());
        pass(posted);
    };
}
