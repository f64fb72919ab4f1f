#include "db/views/dbgridmodel.h"

#include <algorithm>
#include <exception>

#include "db/tfloatfield.h"
#include "db/ttable.h"
#include "db/views/fieldtext.h"
#include "vcl/application.h"

namespace db::views {

DBGridModel::DBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

DBGridModel::~DBGridModel() {
    if (table_ != nullptr) {
        table_->DetachObserver(*this);
    }
}

void DBGridModel::SetDataSet(TTable* table) {
    if (table_ != nullptr) {
        table_->DetachObserver(*this);
    }
    table_ = table;
    if (table_ != nullptr) {
        table_->AttachObserver(*this);
    }
    Reload();
}

void DBGridModel::SetColumns(std::vector<TColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    texts_.clear();
    endResetModel();
    emit CurrentRowMoved();
}

int DBGridModel::CurrentRow() const {
    if (table_ == nullptr || !table_->Active()) {
        return -1;
    }
    const int row = insertRow_ >= 0 ? insertRow_ : table_->RecNo() - 1;
    return row < rows_ ? row : -1;
}

std::optional<std::size_t> DBGridModel::RecordAt(int row) const {
    if (row < 0 || row >= rows_ || row == insertRow_) {
        return std::nullopt;
    }
    const int record = insertRow_ >= 0 && row > insertRow_ ? row - 1 : row;
    return static_cast<std::size_t>(record);
}

int DBGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DBGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DBGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const QStringList texts = ShowsBuffer(index.row()) ? FieldTexts() : RowTexts(index.row());
        return texts.value(index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number =
            dynamic_cast<const TFloatField*>(ColumnField(index.column())) != nullptr;
        return (Qt::Alignment(number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter).toInt();
    }
    return {};
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        // The indicator column: an arrow at the current record, a star at a new one.
        if (role != Qt::DisplayRole || section != CurrentRow()) {
            return {};
        }
        return section == insertRow_ ? QStringLiteral("*") : QStringLiteral("\u25B6");
    }
    if (section < 0 || section >= columnCount()) {
        return {};
    }
    const TColumn& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) {
        return column.title;
    }
    if (role == Qt::TextAlignmentRole) {
        return (column.titleAlignment | Qt::AlignVCenter).toInt();
    }
    return {};
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const TField* field = ColumnField(index.column());
    const bool editable = !columns_[static_cast<std::size_t>(index.column())].readOnly &&
                          field != nullptr && !field->Calculated();
    return editable ? shown | Qt::ItemIsEditable : shown;
}

bool DBGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TField* field = index.isValid() ? ColumnField(index.column()) : nullptr;
    if (role != Qt::EditRole || field == nullptr || index.row() != CurrentRow()) {
        return false;
    }
    bool stored = false;
    vcl::Application().Guard([&] {
        if (table_->State() != TDataSetState::dsInsert &&
            table_->State() != TDataSetState::dsEdit) {
            table_->Edit();
        }
        SetFieldText(*field, value.toString());
        stored = true;
    });
    return stored;
}

void DBGridModel::ActiveChanged() {
    Reload();
}

void DBGridModel::DataSetChanged() {
    Reload();
}

void DBGridModel::DataSetScrolled() {
    PlaceRows();
    if (rows_ > 0) {
        emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
    }
    emit CurrentRowMoved();
}

void DBGridModel::RecordChanged(const TField& /*field*/) {
    const int row = CurrentRow();
    if (row >= 0 && columnCount() > 0) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void DBGridModel::Reload() {
    beginResetModel();
    texts_.clear();
    PlaceRows();
    endResetModel();
    emit CurrentRowMoved();
}

void DBGridModel::PlaceRows() {
    insertRow_ = -1;
    if (table_ == nullptr || !table_->Active()) {
        rows_ = 0;
        browseRow_ = 0;
        return;
    }
    const int count = static_cast<int>(table_->RecordCount());
    if (table_->State() == TDataSetState::dsInsert) {
        const bool atEnd = table_->Eof() && !insertAboveCurrent_;
        insertRow_ = atEnd ? count : std::min(browseRow_, count);
        rows_ = count + 1;
    } else {
        browseRow_ = std::max(table_->RecNo() - 1, 0);
        rows_ = count;
    }
}

bool DBGridModel::ShowsBuffer(int row) const {
    if (row == insertRow_) {
        return true;
    }
    return table_->State() == TDataSetState::dsEdit && row == CurrentRow();
}

QStringList DBGridModel::RowTexts(int row) const {
    const std::optional<std::size_t> record = RecordAt(row);
    if (!record) {
        return {};
    }
    if (const auto cached = texts_.find(*record); cached != texts_.end()) {
        return cached->second;
    }
    QStringList texts;
    try {
        table_->ReadRecord(*record, [&] { texts = FieldTexts(); });
    } catch (const std::exception&) {
        // A row is read while it is painted, where no error box may open;
        // the row stays blank and the error comes up when the program
        // itself reads the record.
        return {};
    }
    texts_.emplace(*record, texts);
    return texts;
}

QStringList DBGridModel::FieldTexts() const {
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column) {
        const TField* field = ColumnField(column);
        texts << (field != nullptr ? FieldText(*field) : QString());
    }
    return texts;
}

TField* DBGridModel::ColumnField(int column) const {
    if (table_ == nullptr || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return table_->FindField(columns_[static_cast<std::size_t>(column)].fieldName.toStdString());
}

}  // namespace db::views
