#pragma once

#include <chrono>
#include <string>

#include "db/tfield.h"

namespace db {

// A calendar-day field. Its text is the ISO form YYYY-MM-DD; a control that
// shows the user's regional short date formats AsDateTime itself.
class TDateField : public TField {
public:
    Variant Value() const override;
    void SetValue(const Variant& value) override;
    // An empty field reads as the clock's epoch, 1970-01-01.
    std::chrono::sys_days AsDateTime() const override;
    void SetAsDateTime(std::chrono::sys_days value) override;
    std::string AsString() const override;
    // Reads YYYY-MM-DD; anything else is an EConvertError.
    void SetAsString(const std::string& text) override;

    bool IsCompatible(FieldType type) const override { return type == FieldType::Date; }

private:
    friend class TTable;
    TDateField(TTable& dataSet, std::size_t index, std::string fieldName, TFieldKind fieldKind)
        : TField(dataSet, index, std::move(fieldName), fieldKind) {}
};

}  // namespace db
