#include "db/tfield.h"

#include <utility>

#include "db/edatabaseerror.h"
#include "db/ttable.h"

namespace db {

TField::TField(TTable& dataSet, std::size_t index, std::string fieldName, TFieldKind fieldKind)
    : dataSet_(dataSet), index_(index), fieldName_(std::move(fieldName)), fieldKind_(fieldKind) {}

bool TField::IsNull() const {
    return std::holds_alternative<std::monostate>(Data());
}

void TField::Clear() {
    SetData(std::monostate{});
}

double TField::AsFloat() const {
    ThrowTypeMismatch("Float");
}

void TField::SetAsFloat(double /*value*/) {
    ThrowTypeMismatch("Float");
}

std::chrono::sys_days TField::AsDateTime() const {
    ThrowTypeMismatch("Date");
}

void TField::SetAsDateTime(std::chrono::sys_days /*value*/) {
    ThrowTypeMismatch("Date");
}

const FieldValue& TField::Data() const {
    return dataSet_.FieldData(index_);
}

void TField::SetData(FieldValue value) {
    dataSet_.SetFieldData(*this, index_, std::move(value));
}

void TField::ThrowTypeMismatch(std::string_view typeName) const {
    throw EDatabaseError("Cannot access field '" + fieldName_ + "' as type " +
                         std::string(typeName));
}

}  // namespace db
