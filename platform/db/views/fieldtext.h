#pragma once

#include <QString>

#include <chrono>
#include <optional>

class QLocale;

namespace db {
class TField;
}

// How data-aware controls show a field's value and store a typed text: a
// date in the user's short date format, every other field in its own
// display text.
namespace db::views {

QString ShortDateText(std::chrono::sys_days day, const QLocale& locale);
// Also takes a four-digit year where the format has two; a two-digit year
// is the one nearest to the current year.
std::optional<std::chrono::sys_days> ParseShortDate(const QString& text, const QLocale& locale);

// The current record's value as a control shows it; empty for an empty field.
QString FieldText(const TField& field);
// Stores a typed text in the current record: an empty text clears the
// field; a date that cannot be read is an EConvertError.
void SetFieldText(TField& field, const QString& text);

}  // namespace db::views
