#include "db/views/tdbedit.h"

#include <QScopedValueRollback>

#include "db/ttable.h"
#include "db/views/fieldtext.h"
#include "vcl/application.h"

namespace db::views {

TDBEdit::TDBEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this] { modified_ = true; });
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (modified_) {
            vcl::Application().Guard([this] { UpdateRecord(); });
        }
    });
}

TDBEdit::~TDBEdit() {
    if (table_ != nullptr) {
        table_->DetachObserver(*this);
    }
}

void TDBEdit::SetDataSet(TTable* table) {
    if (table_ != nullptr) {
        table_->DetachObserver(*this);
    }
    table_ = table;
    if (table_ != nullptr) {
        table_->AttachObserver(*this);
    }
    ShowField();
}

void TDBEdit::SetDataField(const QString& fieldName) {
    fieldName_ = fieldName;
    ShowField();
}

void TDBEdit::ActiveChanged() {
    ShowField();
}

void TDBEdit::DataSetChanged() {
    ShowField();
}

void TDBEdit::DataSetScrolled() {
    ShowField();
}

void TDBEdit::RecordChanged(const TField& field) {
    if (&field == Field()) {
        ShowField();
    }
}

TField* TDBEdit::Field() const {
    return table_ != nullptr ? table_->FindField(fieldName_.toStdString()) : nullptr;
}

void TDBEdit::ShowField() {
    if (storing_) {
        return;
    }
    const TField* field = Field();
    setText(field != nullptr && table_->Active() ? FieldText(*field) : QString());
    modified_ = false;
}

void TDBEdit::UpdateRecord() {
    if (table_ == nullptr) {
        return;
    }
    {
        // The typed text stays until it is stored, and after a failure.
        const QScopedValueRollback<bool> storing(storing_, true);
        TField& field = table_->FieldByName(fieldName_.toStdString());
        const TDataSetState state = table_->State();
        if (state != TDataSetState::dsInsert && state != TDataSetState::dsEdit) {
            table_->Edit();
        }
        SetFieldText(field, text());
    }
    ShowField();
}

}  // namespace db::views
