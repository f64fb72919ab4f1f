#pragma once

#include "weightlog/ttodaysweightdlg.h"

namespace db::views {
class TDBEdit;
}

// "Edit Weight": the today dialog's form reused to correct the weight of
// the log's current record, whose date it shows. It binds to the main
// window's log when made: make it after the main window, destroy it before.
class TEditWeightDlg : public TTodaysWeightDlg {
    Q_OBJECT
public:
    explicit TEditWeightDlg(QWidget* parent = nullptr);

    void OKBtnClick() override;
    // Cancel also drops a date typed into DBEdit1, stored or not.
    void reject() override;

    db::views::TDBEdit* DBEdit1;
};

extern TEditWeightDlg* EditWeightDlg;
