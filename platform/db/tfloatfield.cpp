#include "db/tfloatfield.h"

#include "db/edatabaseerror.h"
#include "sysutils/numberformat.h"

namespace db {

Variant TFloatField::Value() const {
    if (IsNull()) {
        return std::monostate{};
    }
    return AsFloat();
}

void TFloatField::SetValue(const Variant& value) {
    if (std::holds_alternative<std::monostate>(value)) {
        Clear();
    } else if (const double* number = std::get_if<double>(&value)) {
        SetAsFloat(*number);
    } else if (const std::string* text = std::get_if<std::string>(&value)) {
        SetAsString(*text);
    } else {
        ThrowTypeMismatch("Date");
    }
}

double TFloatField::AsFloat() const {
    const double* number = std::get_if<double>(&Data());
    return number != nullptr ? *number : 0.0;
}

void TFloatField::SetAsFloat(double value) {
    CheckRange(value);
    SetData(value);
}

std::string TFloatField::AsString() const {
    return IsNull() ? std::string() : sysutils::FloatToStr(AsFloat());
}

void TFloatField::SetAsString(const std::string& text) {
    if (text.empty()) {
        Clear();
    } else {
        SetAsFloat(sysutils::StrToFloat(text));
    }
}

std::string TFloatField::DisplayText() const {
    return FormattedText(displayFormat_);
}

std::string TFloatField::EditText() const {
    return FormattedText(editFormat_.empty() ? displayFormat_ : editFormat_);
}

bool TFloatField::IsCompatible(FieldType type) const {
    return type == FieldType::Number || type == FieldType::Currency;
}

std::string TFloatField::FormattedText(const std::string& format) const {
    if (IsNull()) {
        return {};
    }
    if (format.empty()) {
        return sysutils::FloatToStr(AsFloat());
    }
    return sysutils::FormatFloat(format, AsFloat());
}

void TFloatField::CheckRange(double value) const {
    if (minValue_ == 0 && maxValue_ == 0) {
        return;
    }
    // Written so that a NaN, which compares false with everything, is refused too.
    if (!(value >= minValue_ && value <= maxValue_)) {
        throw EDatabaseError(sysutils::FloatToStr(value) + " is not a valid value for field '" +
                             FieldName() + "'. The allowed range is " +
                             sysutils::FloatToStr(minValue_) + " to " +
                             sysutils::FloatToStr(maxValue_));
    }
}

}  // namespace db
