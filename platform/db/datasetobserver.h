#pragma once

namespace db {

class TField;

// What a data-aware control (a grid, a date box) is told about the table it
// follows. While the table's controls are disabled nothing is told; the last
// EnableControls sends one DataSetChanged for everything that happened, or
// one DataSetScrolled when the cursor only moved, and nothing when it only
// moved and came back to where it was.
class DataSetObserver {
public:
    virtual ~DataSetObserver() = default;

    // The table was opened or closed.
    virtual void ActiveChanged() {}
    // Records, the current record or the table's state changed: show it all anew.
    virtual void DataSetChanged() {}
    // The cursor moved to another stored record; nothing else changed.
    virtual void DataSetScrolled() {}
    // A field of the record being inserted or edited got a new value.
    virtual void RecordChanged(const TField& /*field*/) {}

protected:
    DataSetObserver() = default;
    DataSetObserver(const DataSetObserver&) = default;
    DataSetObserver& operator=(const DataSetObserver&) = default;
};

}  // namespace db
