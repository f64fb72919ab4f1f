#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "db/engine.h"
#include "db/variant.h"

namespace db {

class TTable;

enum class TFieldKind { fkData, fkCalculated };

// A persistent field object: one column of its table's current record,
// read and written through the record buffer of the table that owns it.
// It converts values to and from its own type and carries its settings;
// the table decides when a write is allowed. Made only by the table
// (TTable::AddFloatField, TTable::AddDateField).
class TField {
public:
    virtual ~TField() = default;
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    const std::string& FieldName() const { return fieldName_; }
    TFieldKind FieldKind() const { return fieldKind_; }
    bool Calculated() const { return fieldKind_ == TFieldKind::fkCalculated; }
    bool Required() const { return required_; }
    void SetRequired(bool required) { required_ = required; }
    TTable& DataSet() const { return dataSet_; }

    bool IsNull() const;
    void Clear();

    virtual Variant Value() const = 0;
    virtual void SetValue(const Variant& value) = 0;
    virtual double AsFloat() const;
    virtual void SetAsFloat(double value);
    virtual std::chrono::sys_days AsDateTime() const;
    virtual void SetAsDateTime(std::chrono::sys_days value);
    virtual std::string AsString() const = 0;
    // An empty text clears the field.
    virtual void SetAsString(const std::string& text) = 0;
    // The text a control shows for the value.
    virtual std::string DisplayText() const { return AsString(); }

    // Whether a table column of this type can back the field.
    virtual bool IsCompatible(FieldType type) const = 0;

protected:
    TField(TTable& dataSet, std::size_t index, std::string fieldName, TFieldKind fieldKind);

    const FieldValue& Data() const;
    void SetData(FieldValue value);
    [[noreturn]] void ThrowTypeMismatch(std::string_view typeName) const;

private:
    TTable& dataSet_;
    std::size_t index_;
    std::string fieldName_;
    TFieldKind fieldKind_;
    bool required_ = false;
};

}  // namespace db
