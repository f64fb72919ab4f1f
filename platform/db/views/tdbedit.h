#pragma once

#include <QLineEdit>
#include <QString>

#include "db/datasetobserver.h"

namespace db {
class TTable;
}

// An edit box showing one field of a table's current record and following
// the cursor. Text the user typed is stored in the field when the box is
// left or Enter is pressed, putting a browsing table into edit mode first.
// It keeps a pointer to the table: set the data set to nullptr before the
// table goes.
namespace db::views {

class TDBEdit : public QLineEdit, private DataSetObserver {
    Q_OBJECT
public:
    explicit TDBEdit(QWidget* parent = nullptr);
    ~TDBEdit() override;

    void SetDataSet(TTable* table);
    void SetDataField(const QString& fieldName);

private:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled() override;
    void RecordChanged(const TField& field) override;

    TField* Field() const;
    void ShowField();
    void UpdateRecord();

    TTable* table_ = nullptr;
    QString fieldName_;
    bool modified_ = false;
    bool storing_ = false;
};

}  // namespace db::views
