#include "db/views/tdbgrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScopedValueRollback>

#include <algorithm>

#include "db/ttable.h"
#include "db/views/dbgridmodel.h"
#include "vcl/application.h"

namespace db::views {

namespace {

bool Editing(const TTable& table) {
    return table.State() == TDataSetState::dsInsert || table.State() == TDataSetState::dsEdit;
}

}  // namespace

TDBGrid::TDBGrid(QWidget* parent) : QTableView(parent), model_(new DBGridModel(this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // Tab leaves the grid rather than walking its cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as tight as the text, as a grid of entries is read row by row.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setHighlightSections(false);

    connect(model_, &DBGridModel::CurrentRowMoved, this, &TDBGrid::ShowCurrentRow);
    // Whatever moves the view's own selection (the header, a drag), the
    // selection goes back to the current record; only the cursor moves it.
    const auto keepCurrentRow = [this] {
        if (!showingCurrentRow_) {
            ShowCurrentRow();
        }
    };
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, keepCurrentRow);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, keepCurrentRow);
    connect(verticalHeader(), &QHeaderView::sectionPressed, this, &TDBGrid::MoveToRow);
}

TDBGrid::~TDBGrid() = default;

void TDBGrid::SetDataSet(TTable* table) {
    model_->SetDataSet(table);
}

void TDBGrid::SetColumns(std::vector<TColumn> columns) {
    std::vector<int> widths;
    for (const TColumn& column : columns) {
        widths.push_back(column.width);
    }
    model_->SetColumns(std::move(columns));
    for (std::size_t i = 0; i < widths.size(); ++i) {
        setColumnWidth(static_cast<int>(i), widths[i]);
    }
}

void TDBGrid::keyPressEvent(QKeyEvent* event) {
    const TTable* table = model_->DataSet();
    bool handled = false;
    if (table != nullptr && table->Active()) {
        // A key whose move failed was still the grid's own.
        handled = true;
        vcl::Application().Guard([&] { handled = HandleKey(event->key(), event->modifiers()); });
    }
    if (!handled) {
        QTableView::keyPressEvent(event);
    }
}

void TDBGrid::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    // A held key repeats its press, but it is released once.
    if (!event->isAutoRepeat()) {
        emit KeyReleased(event->key(), event->modifiers());
    }
}

void TDBGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    // Another window or a menu taking the keyboard is no exit from the
    // grid, and neither is the grid's own cell editor.
    const Qt::FocusReason reason = event->reason();
    const bool leftGrid = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                          !isAncestorOf(QApplication::focusWidget());
    if (leftGrid) {
        vcl::Application().Guard([this] { CancelBlankRow(); });
    }
}

void TDBGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const int row = rowAt(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && row >= 0) {
        MoveToRow(row);
    }
}

void TDBGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint().y());
    if (event->button() != Qt::LeftButton || row < 0) {
        return;
    }
    MoveToRow(row);
    emit RowDoubleClicked();
}

void TDBGrid::keyboardSearch(const QString& /*search*/) {}

bool TDBGrid::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    TTable& table = *model_->DataSet();
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held == Qt::ControlModifier) {
        switch (key) {
            case Qt::Key_Home:
                table.First();
                return true;
            case Qt::Key_End:
                table.Last();
                return true;
            case Qt::Key_Delete:
                DeleteRow();
                return true;
            default:
                return false;
        }
    }
    if (held != Qt::NoModifier) {
        return false;
    }
    switch (key) {
        case Qt::Key_Up:
            PriorRow();
            return true;
        case Qt::Key_Down:
            NextRow();
            return true;
        case Qt::Key_PageUp:
            table.MoveBy(-VisibleRowCount());
            return true;
        case Qt::Key_PageDown:
            table.MoveBy(VisibleRowCount());
            return true;
        case Qt::Key_Insert:
            InsertRow();
            return true;
        case Qt::Key_Escape:
            if (!Editing(table)) {
                return false;
            }
            table.Cancel();
            return true;
        default:
            return false;
    }
}

void TDBGrid::NextRow() {
    TTable& table = *model_->DataSet();
    if (table.State() == TDataSetState::dsInsert && !table.Modified()) {
        if (table.Eof()) {
            return;
        }
        table.Cancel();
    } else {
        table.MoveBy(1);
    }
    // Past the last record the grid offers a new one.
    if (table.Eof()) {
        table.Append();
    }
}

void TDBGrid::PriorRow() {
    TTable& table = *model_->DataSet();
    if (table.State() == TDataSetState::dsInsert && !table.Modified() && table.Eof()) {
        table.Cancel();
    } else {
        table.MoveBy(-1);
    }
}

void TDBGrid::InsertRow() {
    model_->SetInsertAboveCurrent(true);
    const auto done = qScopeGuard([this] { model_->SetInsertAboveCurrent(false); });
    model_->DataSet()->Insert();
}

void TDBGrid::DeleteRow() {
    TTable& table = *model_->DataSet();
    if (table.State() == TDataSetState::dsInsert || !table.IsEmpty()) {
        table.Delete();
    }
}

void TDBGrid::CancelBlankRow() {
    TTable* table = model_->DataSet();
    if (table != nullptr && table->State() == TDataSetState::dsInsert && !table->Modified()) {
        table->Cancel();
    }
}

void TDBGrid::MoveToRow(int row) {
    const std::optional<std::size_t> record = model_->RecordAt(row);
    if (!record) {
        return;
    }
    vcl::Application().Guard([&] { model_->DataSet()->SetRecNo(static_cast<int>(*record) + 1); });
}

int TDBGrid::VisibleRowCount() const {
    const int rowHeight = std::max(verticalHeader()->defaultSectionSize(), 1);
    return std::max(viewport()->height() / rowHeight, 1);
}

void TDBGrid::ShowCurrentRow() {
    const QScopedValueRollback<bool> showing(showingCurrentRow_, true);
    const int row = model_->CurrentRow();
    if (row < 0) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model_->index(row, std::max(currentIndex().column(), 0));
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

}  // namespace db::views
