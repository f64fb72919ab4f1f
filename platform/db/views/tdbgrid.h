#pragma once

#include <QTableView>

#include <vector>

#include "db/views/tcolumn.h"

namespace db {
class TTable;
}

// A grid of a table's records that follows its cursor: the selected row is
// the table's current record, keys and clicks move the cursor, and the grid
// redraws when the table tells its observers of a change. It keeps a
// pointer to the table: set the data set to nullptr before the table goes.
namespace db::views {

class DBGridModel;

class TDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);
    ~TDBGrid() override;

    // The table whose records the grid shows (the data source's data set).
    void SetDataSet(TTable* table);
    void SetColumns(std::vector<TColumn> columns);

signals:
    // After the grid's own handling of a key release (OnKeyUp).
    void KeyReleased(int key, Qt::KeyboardModifiers modifiers);
    // A double click on a row (OnDblClick), after the cursor moved there.
    void RowDoubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Typing finds nothing here: it would move the selection, not the cursor.
    void keyboardSearch(const QString& search) override;

private:
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
    void NextRow();
    void PriorRow();
    void InsertRow();
    void DeleteRow();
    void CancelBlankRow();
    void MoveToRow(int row);
    int VisibleRowCount() const;
    // Makes the selection show the table's current record.
    void ShowCurrentRow();

    DBGridModel* model_;
    bool showingCurrentRow_ = false;
};

}  // namespace db::views
