#include "db/views/fieldtext.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

#include "db/tdatefield.h"
#include "sysutils/exceptions.h"

namespace db::views {

namespace {

// QDate's day number of the system clock's epoch, 1970-01-01.
constexpr qint64 kJulianDayOfUnixEpoch = 2440588;

QDate ToQDate(std::chrono::sys_days day) {
    return QDate::fromJulianDay(day.time_since_epoch().count() + kJulianDayOfUnixEpoch);
}

std::chrono::sys_days FromQDate(QDate date) {
    return std::chrono::sys_days{std::chrono::days{date.toJulianDay() - kJulianDayOfUnixEpoch}};
}

// Qt reads "yy" as a year of the 1900s.
QDate NearestCentury(QDate date) {
    const int thisYear = QDate::currentDate().year();
    int year = thisYear - thisYear % 100 + date.year() % 100;
    if (year > thisYear + 50) {
        year -= 100;
    } else if (year <= thisYear - 50) {
        year += 100;
    }
    return QDate(year, date.month(), date.day());
}

}  // namespace

QString ShortDateText(std::chrono::sys_days day, const QLocale& locale) {
    return locale.toString(ToQDate(day), QLocale::ShortFormat);
}

std::optional<std::chrono::sys_days> ParseShortDate(const QString& text, const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    if (format.contains(twoDigitYear)) {
        const QDate fullYear = locale.toDate(text, QString(format).replace(twoDigitYear, "yyyy"));
        if (fullYear.isValid()) {
            return FromQDate(fullYear);
        }
        const QDate shortYear = locale.toDate(text, format);
        if (shortYear.isValid()) {
            return FromQDate(NearestCentury(shortYear));
        }
        return std::nullopt;
    }
    const QDate date = locale.toDate(text, format);
    return date.isValid() ? std::optional(FromQDate(date)) : std::nullopt;
}

QString FieldText(const TField& field) {
    if (field.IsNull()) {
        return {};
    }
    if (dynamic_cast<const TDateField*>(&field) != nullptr) {
        return ShortDateText(field.AsDateTime(), QLocale::system());
    }
    return QString::fromStdString(field.DisplayText());
}

void SetFieldText(TField& field, const QString& text) {
    if (dynamic_cast<const TDateField*>(&field) == nullptr || text.isEmpty()) {
        field.SetAsString(text.toStdString());
        return;
    }
    const std::optional<std::chrono::sys_days> day = ParseShortDate(text, QLocale::system());
    if (!day) {
        throw sysutils::EConvertError("'" + text.toStdString() + "' is not a valid date");
    }
    field.SetAsDateTime(*day);
}

}  // namespace db::views
