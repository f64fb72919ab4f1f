#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/engine.h"
#include "db/tfield.h"
#include "db/tfielddefs.h"
#include "db/tindexdefs.h"
#include "db/variant.h"

namespace db {

class DataSetObserver;
class TDateField;
class TFloatField;

enum class TTableType { ttDefault, ttParadox };

enum class TDataSetState { dsInactive, dsBrowse, dsInsert, dsEdit, dsCalcFields };

class TTable;
using TDataSetNotifyEvent = std::function<void(TTable&)>;

// One table of the engine seen through a cursor: a current record that the
// persistent field objects read and write, the browse, insert and edit
// states, the events that carry the program's reactions, and the observers
// (data-aware controls) that follow the current record. Every change is
// made durable once per user action: at once when the controls are
// enabled, otherwise by the EnableControls that ends the last suspension.
class TTable {
public:
    // engine gives the engine that opens and creates tables; it is asked
    // only when one is needed, so a driver loads on first use.
    explicit TTable(std::function<Engine&()> engine);
    // Releases an open table, flushing pending changes as Close does.
    ~TTable();
    TTable(const TTable&) = delete;
    TTable& operator=(const TTable&) = delete;

    TDataSetNotifyEvent AfterPost;
    TDataSetNotifyEvent BeforeDelete;
    TDataSetNotifyEvent OnCalcFields;

    const std::string& TableName() const { return tableName_; }
    void SetTableName(std::string name);
    TTableType TableType() const { return tableType_; }
    void SetTableType(TTableType type);
    TFieldDefs& FieldDefs() { return fieldDefs_; }
    TIndexDefs& IndexDefs() { return indexDefs_; }
    // Creates the table named TableName from FieldDefs and IndexDefs,
    // replacing an existing table of that name.
    void CreateTable();

    bool Active() const { return table_ != nullptr; }
    // Throws "Cannot perform this operation on a closed dataset" when closed.
    void CheckActive() const;
    void SetActive(bool active);
    void Open();
    // Drops a record being inserted or edited, flushes pending changes.
    void Close();

    // Persistent fields; made while the table is closed, owned by the table.
    TFloatField* AddFloatField(std::string fieldName, TFieldKind fieldKind = TFieldKind::fkData);
    TDateField* AddDateField(std::string fieldName, TFieldKind fieldKind = TFieldKind::fkData);
    std::size_t FieldCount() const { return fields_.size(); }
    TField& Fields(std::size_t index) const { return *fields_.at(index); }
    // Field names match without regard to case.
    TField* FindField(const std::string& fieldName) const;
    TField& FieldByName(const std::string& fieldName) const;
    Variant FieldValues(const std::string& fieldName) const;
    void SetFieldValues(const std::string& fieldName, const Variant& value);

    bool AutoCalcFields() const { return autoCalcFields_; }
    void SetAutoCalcFields(bool on) { autoCalcFields_ = on; }

    TDataSetState State() const { return state_; }
    bool Modified() const { return modified_; }
    // Closed counts as empty: both flags are set.
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const;
    std::size_t RecordCount() const;
    // 1-based position of the current stored record; -1 when there is none
    // (closed, empty, or a new record being inserted).
    int RecNo() const;
    void SetRecNo(int recNo);

    // Each move first posts a record being inserted or edited if a field
    // was changed, and drops it otherwise.
    void First();
    void Last();
    void Next();
    void Prior();
    // Returns the count of records actually moved (negative backwards);
    // stops at either end, setting Eof or Bof.
    int MoveBy(int distance);

    void Insert();
    // Like Insert, but the new record sits after the last one: Eof is set.
    void Append();
    // On an empty table starts an insert instead.
    void Edit();
    void Post();
    void Cancel();
    void Delete();

    // Nestable; controls resume when every suspension is resumed.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }
    void AttachObserver(DataSetObserver& observer);
    void DetachObserver(DataSetObserver& observer);

    // Lets reader see the stored record at index (0-based) through the
    // fields, calculated fields included, without moving the cursor and
    // without telling anyone; a grid draws its rows this way.
    void ReadRecord(std::size_t index, const std::function<void()>& reader);

private:
    friend class TField;

    struct Cursor {
        std::size_t position = 0;
        bool bof = true;
        bool eof = true;
        bool operator==(const Cursor&) const = default;
    };
    Cursor CurrentCursor() const { return {position_, bof_, eof_}; }

    const FieldValue& FieldData(std::size_t index) const;
    void SetFieldData(const TField& field, std::size_t index, FieldValue value);

    template <class Field>
    Field* AddField(std::string fieldName, TFieldKind fieldKind);
    void CheckInactive() const;
    void CheckEditing() const;
    std::vector<std::size_t> BindFields(const Table& table) const;
    void CheckBrowseMode();
    void LoadCurrent();
    void LoadRecord(std::size_t index);
    void ClearBuffer();
    void CalculateFields();
    Record MakeRecord() const;
    void CheckRequiredFields() const;
    void ReturnToBrowse(Cursor cursor);
    void BeginInsert(bool append);
    void FlushOrDefer();
    void FlushPending();

    void NotifyActiveChanged();
    void NotifyDataSetChanged();
    void NotifyScrolled();
    void NotifyRecordChanged(const TField& field);
    template <class Call>
    void Notify(Call call);

    std::function<Engine&()> engine_;
    std::string tableName_;
    TTableType tableType_ = TTableType::ttDefault;
    TFieldDefs fieldDefs_;
    TIndexDefs indexDefs_;
    std::vector<std::unique_ptr<TField>> fields_;
    bool autoCalcFields_ = true;

    std::unique_ptr<Table> table_;
    std::vector<std::size_t> columns_;  // engine column of each data field
    std::vector<FieldValue> buffer_;    // the current record, one value per field
    TDataSetState state_ = TDataSetState::dsInactive;
    std::size_t position_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    bool modified_ = false;
    Cursor beforeInsert_;
    bool dirty_ = false;  // changes written but not yet flushed

    std::vector<DataSetObserver*> observers_;
    int disableCount_ = 0;
    bool changedWhileDisabled_ = false;
    bool scrolledWhileDisabled_ = false;
    Cursor cursorWhenDisabled_;
    bool activeWhenDisabled_ = false;
};

}  // namespace db
