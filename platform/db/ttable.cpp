#include "db/ttable.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "db/datasetobserver.h"
#include "db/edatabaseerror.h"
#include "db/tdatefield.h"
#include "db/tfloatfield.h"

namespace db {

namespace {

constexpr const char* kClosedDataSet = "Cannot perform this operation on a closed dataset";
constexpr const char* kOpenDataSet = "Cannot perform this operation on an open dataset";
constexpr const char* kEmptyDataSet = "Cannot perform this operation on an empty dataset";
constexpr const char* kNotEditing = "Dataset not in edit or insert mode";
constexpr const char* kMissingTableName = "Missing table name";

// Table field names, like the engine's, do not depend on case.
bool SameFieldName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Runs an action when the scope ends, however it ends.
template <class Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};

}  // namespace

TTable::TTable(std::function<Engine&()> engine) : engine_(std::move(engine)) {}

TTable::~TTable() {
    try {
        FlushPending();
    } catch (const sysutils::Exception&) {
        // Nothing is lost: every change is written through already; only
        // its flush to disk could not be made at exit.
    }
}

void TTable::SetTableName(std::string name) {
    CheckInactive();
    tableName_ = std::move(name);
}

void TTable::SetTableType(TTableType type) {
    CheckInactive();
    tableType_ = type;
}

void TTable::CreateTable() {
    CheckInactive();
    if (tableName_.empty()) {
        throw EDatabaseError(kMissingTableName);
    }
    engine_().create(tableName_, fieldDefs_.Items(), indexDefs_.Items());
}

void TTable::SetActive(bool active) {
    if (active) {
        Open();
    } else {
        Close();
    }
}

void TTable::Open() {
    if (Active()) {
        return;
    }
    if (tableName_.empty()) {
        throw EDatabaseError(kMissingTableName);
    }
    std::unique_ptr<Table> table = engine_().open(tableName_);
    columns_ = BindFields(*table);
    table_ = std::move(table);
    state_ = TDataSetState::dsBrowse;
    modified_ = false;
    dirty_ = false;
    position_ = 0;
    bof_ = true;
    eof_ = IsEmpty();
    LoadCurrent();
    NotifyActiveChanged();
}

void TTable::Close() {
    if (!Active()) {
        return;
    }
    const std::unique_ptr<Table> table = std::move(table_);
    const bool dirty = std::exchange(dirty_, false);
    state_ = TDataSetState::dsInactive;
    modified_ = false;
    position_ = 0;
    bof_ = true;
    eof_ = true;
    columns_.clear();
    ClearBuffer();
    NotifyActiveChanged();
    if (dirty) {
        table->flush();
    }
}

TFloatField* TTable::AddFloatField(std::string fieldName, TFieldKind fieldKind) {
    return AddField<TFloatField>(std::move(fieldName), fieldKind);
}

TDateField* TTable::AddDateField(std::string fieldName, TFieldKind fieldKind) {
    return AddField<TDateField>(std::move(fieldName), fieldKind);
}

template <class Field>
Field* TTable::AddField(std::string fieldName, TFieldKind fieldKind) {
    CheckInactive();
    if (FindField(fieldName) != nullptr) {
        throw EDatabaseError("Duplicate field name '" + fieldName + "'");
    }
    auto* field = new Field(*this, fields_.size(), std::move(fieldName), fieldKind);
    fields_.emplace_back(field);
    buffer_.emplace_back();
    return field;
}

TField* TTable::FindField(const std::string& fieldName) const {
    const auto found = std::find_if(fields_.begin(), fields_.end(), [&](const auto& field) {
        return SameFieldName(field->FieldName(), fieldName);
    });
    return found != fields_.end() ? found->get() : nullptr;
}

TField& TTable::FieldByName(const std::string& fieldName) const {
    TField* field = FindField(fieldName);
    if (field == nullptr) {
        throw EDatabaseError("Field '" + fieldName + "' not found");
    }
    return *field;
}

Variant TTable::FieldValues(const std::string& fieldName) const {
    return FieldByName(fieldName).Value();
}

void TTable::SetFieldValues(const std::string& fieldName, const Variant& value) {
    FieldByName(fieldName).SetValue(value);
}

bool TTable::IsEmpty() const {
    return RecordCount() == 0;
}

std::size_t TTable::RecordCount() const {
    return Active() ? table_->recordCount() : 0;
}

int TTable::RecNo() const {
    if (IsEmpty() || state_ == TDataSetState::dsInsert) {
        return -1;
    }
    return static_cast<int>(position_) + 1;
}

void TTable::SetRecNo(int recNo) {
    CheckBrowseMode();
    if (IsEmpty()) {
        return;
    }
    const int last = static_cast<int>(RecordCount());
    MoveBy(std::clamp(recNo, 1, last) - RecNo());
}

void TTable::First() {
    CheckBrowseMode();
    position_ = 0;
    bof_ = true;
    eof_ = IsEmpty();
    LoadCurrent();
    NotifyScrolled();
}

void TTable::Last() {
    CheckBrowseMode();
    const Cursor before = CurrentCursor();
    const std::size_t count = RecordCount();
    position_ = count == 0 ? 0 : count - 1;
    bof_ = count == 0;
    eof_ = true;
    LoadCurrent();
    // Already there: the controls show this record and need not be told.
    if (CurrentCursor() != before) {
        NotifyScrolled();
    }
}

void TTable::Next() {
    MoveBy(1);
}

void TTable::Prior() {
    MoveBy(-1);
}

int TTable::MoveBy(int distance) {
    CheckBrowseMode();
    if ((distance > 0 && eof_) || (distance < 0 && bof_) || distance == 0) {
        return 0;
    }
    // Bof and Eof are set, and clear, together only on an empty table,
    // which the test above has already turned away.
    const auto last = static_cast<std::ptrdiff_t>(RecordCount()) - 1;
    const auto from = static_cast<std::ptrdiff_t>(position_);
    std::ptrdiff_t to = from + distance;
    bof_ = false;
    eof_ = false;
    if (to > last) {
        to = last;
        eof_ = true;
    } else if (to < 0) {
        to = 0;
        bof_ = true;
    }
    if (to != from) {
        position_ = static_cast<std::size_t>(to);
        LoadCurrent();
    }
    NotifyScrolled();
    return static_cast<int>(to - from);
}

void TTable::Insert() {
    BeginInsert(false);
}

void TTable::Append() {
    BeginInsert(true);
}

void TTable::Edit() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert || state_ == TDataSetState::dsEdit) {
        return;
    }
    if (IsEmpty()) {
        Insert();
        return;
    }
    state_ = TDataSetState::dsEdit;
    modified_ = false;
    NotifyDataSetChanged();
}

void TTable::Post() {
    CheckActive();
    CheckEditing();
    CheckRequiredFields();
    const Record record = MakeRecord();
    const std::size_t position = state_ == TDataSetState::dsInsert
                                     ? table_->insert(record)
                                     : table_->update(position_, record);
    ReturnToBrowse(Cursor{position, false, false});
    FlushOrDefer();
    if (AfterPost) {
        AfterPost(*this);
    }
}

void TTable::Cancel() {
    if (state_ == TDataSetState::dsInsert) {
        ReturnToBrowse(beforeInsert_);
    } else if (state_ == TDataSetState::dsEdit) {
        ReturnToBrowse(Cursor{position_, bof_, eof_});
    }
}

void TTable::Delete() {
    CheckActive();
    const bool inserting = state_ == TDataSetState::dsInsert;
    if (!inserting && IsEmpty()) {
        throw EDatabaseError(kEmptyDataSet);
    }
    if (BeforeDelete) {
        BeforeDelete(*this);
    }
    // A new record was never stored: deleting it only drops it.
    if (inserting) {
        Cancel();
        return;
    }
    CheckActive();
    if (IsEmpty()) {
        throw EDatabaseError(kEmptyDataSet);
    }
    table_->remove(position_);
    const std::size_t count = RecordCount();
    const bool empty = count == 0;
    ReturnToBrowse(Cursor{empty ? 0 : std::min(position_, count - 1), empty, empty});
    FlushOrDefer();
}

void TTable::DisableControls() {
    if (disableCount_++ == 0) {
        changedWhileDisabled_ = false;
        scrolledWhileDisabled_ = false;
        activeWhenDisabled_ = Active();
        cursorWhenDisabled_ = CurrentCursor();
    }
}

void TTable::EnableControls() {
    if (disableCount_ == 0 || --disableCount_ > 0) {
        return;
    }
    const bool changed = std::exchange(changedWhileDisabled_, false);
    const bool scrolled = std::exchange(scrolledWhileDisabled_, false);
    if (Active() != activeWhenDisabled_) {
        NotifyActiveChanged();
    }
    // A walk through the records that ends where it began changed nothing
    // a control shows; redrawing a grid for it would be wasted.
    if (changed && Active()) {
        NotifyDataSetChanged();
    } else if (scrolled && Active() && CurrentCursor() != cursorWhenDisabled_) {
        NotifyScrolled();
    }
    FlushPending();
}

void TTable::AttachObserver(DataSetObserver& observer) {
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
        observers_.push_back(&observer);
    }
}

void TTable::DetachObserver(DataSetObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

void TTable::ReadRecord(std::size_t index, const std::function<void()>& reader) {
    CheckActive();
    if (index >= RecordCount()) {
        throw EDatabaseError("Record " + std::to_string(index + 1) + " does not exist");
    }
    const ScopeExit restore{[this, buffer = buffer_, state = state_]() mutable {
        buffer_ = std::move(buffer);
        state_ = state;
    }};
    // Browse state makes every field write fail: the record is only shown.
    state_ = TDataSetState::dsBrowse;
    LoadRecord(index);
    reader();
}

const FieldValue& TTable::FieldData(std::size_t index) const {
    return buffer_.at(index);
}

void TTable::SetFieldData(const TField& field, std::size_t index, FieldValue value) {
    const bool calculating = state_ == TDataSetState::dsCalcFields && field.Calculated();
    if (!calculating && state_ != TDataSetState::dsInsert && state_ != TDataSetState::dsEdit) {
        throw EDatabaseError(kNotEditing);
    }
    buffer_.at(index) = std::move(value);
    if (calculating) {
        return;
    }
    modified_ = true;
    NotifyRecordChanged(field);
    if (autoCalcFields_ && !field.Calculated()) {
        CalculateFields();
    }
}

void TTable::CheckActive() const {
    if (!Active()) {
        throw EDatabaseError(kClosedDataSet);
    }
}

void TTable::CheckInactive() const {
    if (Active()) {
        throw EDatabaseError(kOpenDataSet);
    }
}

void TTable::CheckEditing() const {
    if (state_ != TDataSetState::dsInsert && state_ != TDataSetState::dsEdit) {
        throw EDatabaseError(kNotEditing);
    }
}

std::vector<std::size_t> TTable::BindFields(const Table& table) const {
    const std::vector<FieldDef>& defs = table.fields();
    std::vector<std::size_t> columns(fields_.size(), 0);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const TField& field = *fields_[i];
        if (field.Calculated()) {
            continue;
        }
        const auto def = std::find_if(defs.begin(), defs.end(), [&](const FieldDef& d) {
            return SameFieldName(d.name, field.FieldName());
        });
        if (def == defs.end()) {
            throw EDatabaseError("Table '" + tableName_ + "' has no field '" + field.FieldName() +
                                 "'");
        }
        if (!field.IsCompatible(def->type)) {
            throw EDatabaseError("Field '" + field.FieldName() + "' of table '" + tableName_ +
                                 "' is not of the expected type");
        }
        columns[i] = static_cast<std::size_t>(def - defs.begin());
    }
    return columns;
}

void TTable::CheckBrowseMode() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert || state_ == TDataSetState::dsEdit) {
        if (modified_) {
            Post();
        } else {
            Cancel();
        }
    }
}

void TTable::LoadCurrent() {
    if (IsEmpty()) {
        ClearBuffer();
    } else {
        LoadRecord(position_);
    }
}

void TTable::LoadRecord(std::size_t index) {
    const Record& record = table_->record(index);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        buffer_[i] = fields_[i]->Calculated() ? FieldValue{} : record.at(columns_[i]);
    }
    CalculateFields();
}

void TTable::ClearBuffer() {
    std::fill(buffer_.begin(), buffer_.end(), FieldValue{});
}

void TTable::CalculateFields() {
    if (!OnCalcFields) {
        return;
    }
    const ScopeExit restore{[this, state = state_] { state_ = state; }};
    state_ = TDataSetState::dsCalcFields;
    OnCalcFields(*this);
}

Record TTable::MakeRecord() const {
    Record record = state_ == TDataSetState::dsEdit ? table_->record(position_)
                                                    : Record(table_->fields().size());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!fields_[i]->Calculated()) {
            record.at(columns_[i]) = buffer_[i];
        }
    }
    return record;
}

void TTable::CheckRequiredFields() const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const TField& field = *fields_[i];
        if (field.Required() && !field.Calculated() &&
            std::holds_alternative<std::monostate>(buffer_[i])) {
            throw EDatabaseError("Field '" + field.FieldName() + "' must have a value");
        }
    }
}

void TTable::ReturnToBrowse(Cursor cursor) {
    state_ = TDataSetState::dsBrowse;
    modified_ = false;
    position_ = cursor.position;
    bof_ = cursor.bof;
    eof_ = cursor.eof;
    LoadCurrent();
    NotifyDataSetChanged();
}

void TTable::BeginInsert(bool append) {
    CheckBrowseMode();
    beforeInsert_ = Cursor{position_, bof_, eof_};
    ClearBuffer();
    state_ = TDataSetState::dsInsert;
    modified_ = false;
    if (append) {
        bof_ = false;
        eof_ = true;
    }
    NotifyDataSetChanged();
}

void TTable::FlushOrDefer() {
    dirty_ = true;
    if (disableCount_ == 0) {
        FlushPending();
    }
}

void TTable::FlushPending() {
    if (dirty_ && Active()) {
        table_->flush();
        dirty_ = false;
    }
}

void TTable::NotifyActiveChanged() {
    Notify([](DataSetObserver& observer) { observer.ActiveChanged(); });
}

void TTable::NotifyDataSetChanged() {
    Notify([](DataSetObserver& observer) { observer.DataSetChanged(); });
}

void TTable::NotifyScrolled() {
    if (disableCount_ > 0) {
        scrolledWhileDisabled_ = true;
        return;
    }
    Notify([](DataSetObserver& observer) { observer.DataSetScrolled(); });
}

void TTable::NotifyRecordChanged(const TField& field) {
    Notify([&field](DataSetObserver& observer) { observer.RecordChanged(field); });
}

template <class Call>
void TTable::Notify(Call call) {
    if (disableCount_ > 0) {
        changedWhileDisabled_ = true;
        return;
    }
    // An observer may detach itself or another one while being told.
    const std::vector<DataSetObserver*> observers = observers_;
    for (DataSetObserver* observer : observers) {
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) {
            call(*observer);
        }
    }
}

}  // namespace db
