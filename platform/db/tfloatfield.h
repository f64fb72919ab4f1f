#pragma once

#include <string>

#include "db/tfield.h"

namespace db {

// An 8-byte floating-point field. A range with a non-zero bound checks every
// value assigned, keeping the old value when it refuses one; the formats
// shape the text shown in controls and the text offered for editing.
class TFloatField : public TField {
public:
    double MinValue() const { return minValue_; }
    void SetMinValue(double value) { minValue_ = value; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double value) { maxValue_ = value; }
    const std::string& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(std::string format) { displayFormat_ = std::move(format); }
    const std::string& EditFormat() const { return editFormat_; }
    void SetEditFormat(std::string format) { editFormat_ = std::move(format); }

    Variant Value() const override;
    void SetValue(const Variant& value) override;
    // An empty field reads as 0.
    double AsFloat() const override;
    void SetAsFloat(double value) override;
    // The general format; empty for an empty field.
    std::string AsString() const override;
    // Converted with the regional decimal separator, then range-checked.
    void SetAsString(const std::string& text) override;
    // DisplayFormat applied; empty for an empty field.
    std::string DisplayText() const override;
    // EditFormat applied, or DisplayFormat when there is no EditFormat.
    std::string EditText() const;

    bool IsCompatible(FieldType type) const override;

private:
    friend class TTable;
    TFloatField(TTable& dataSet, std::size_t index, std::string fieldName, TFieldKind fieldKind)
        : TField(dataSet, index, std::move(fieldName), fieldKind) {}

    std::string FormattedText(const std::string& format) const;
    void CheckRange(double value) const;

    double minValue_ = 0;
    double maxValue_ = 0;
    std::string displayFormat_;
    std::string editFormat_;
};

}  // namespace db
