#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "db/datasetobserver.h"
#include "db/views/tcolumn.h"

namespace db {
class TField;
class TTable;
}  // namespace db

namespace db::views {

// Shows a table's stored records, one row each in the table's order, read
// without moving the cursor; while the table inserts, a blank row holds
// the new record. Told of every change by the table, it tells the grid
// when the current row may have moved.
class DBGridModel : public QAbstractTableModel, private DataSetObserver {
    Q_OBJECT
public:
    explicit DBGridModel(QObject* parent = nullptr);
    ~DBGridModel() override;

    TTable* DataSet() const { return table_; }
    void SetDataSet(TTable* table);
    void SetColumns(std::vector<TColumn> columns);

    // The row of the current record (the blank row while inserting); -1
    // when there is none.
    int CurrentRow() const;
    // The stored record a row shows; nothing for the blank row or no row.
    std::optional<std::size_t> RecordAt(int row) const;
    // The next insert puts its blank row above the current record, even at
    // the end of the table; otherwise an insert there shows it last.
    void SetInsertAboveCurrent(bool above) { insertAboveCurrent_ = above; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void CurrentRowMoved();

private:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled() override;
    void RecordChanged(const TField& field) override;

    void Reload();
    void PlaceRows();
    bool ShowsBuffer(int row) const;
    QStringList RowTexts(int row) const;
    // The texts of the record the fields see now.
    QStringList FieldTexts() const;
    TField* ColumnField(int column) const;

    TTable* table_ = nullptr;
    std::vector<TColumn> columns_;
    int rows_ = 0;        // as of the last reset: views must not see it change unannounced
    int insertRow_ = -1;  // the blank row while inserting
    int browseRow_ = 0;   // the current record's row when last seen browsing
    bool insertAboveCurrent_ = false;
    // Texts of stored records by record index, read once per change.
    mutable std::unordered_map<std::size_t, QStringList> texts_;
};

}  // namespace db::views
