#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "sysutils/exceptions.h"

// The database engine's interface: what the dataset asks of a table driver.
// A driver is a shared library loaded at run time (see engineloader.h); it
// keeps a whole table in memory while it is open and writes every change
// through to its files. It knows nothing of fields' display or validation:
// that is the dataset's job.
namespace db {

// An error of the engine itself: a file that cannot be opened, created or
// written, a table that is busy or not of the expected kind, a key violation.
class EDBEngineError : public sysutils::Exception {
public:
    using Exception::Exception;
};

enum class FieldType {
    Alpha,
    Date,
    Short,
    Long,
    Number,
    Currency,
    Logical,
    AutoInc,
    Time,       // milliseconds since midnight, held as int32
    Timestamp,  // milliseconds, days numbered as for Date, held as double
    Bytes,      // raw bytes of a fixed length, held as string
};

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Number;
    int size = 0;  // characters for Alpha, bytes for Bytes; 0 for the fixed-size types
};

struct IndexDef {
    std::string name;
    std::vector<std::string> fields;
    bool primary = false;
    bool unique = false;
};

// A calendar day as the engine counts it: day 1 is 1 January of year 1
// (proleptic Gregorian calendar).
struct Date {
    std::int32_t days = 0;
    friend bool operator==(Date, Date) = default;
    friend auto operator<=>(Date, Date) = default;
};

// Day 1 of the engine's count is 0001-01-01, which lies 719162 days before
// the system clock's epoch 1970-01-01.
inline constexpr std::int32_t kEngineDayOfUnixEpoch = 719163;

constexpr Date ToEngineDate(std::chrono::sys_days day) {
    return Date{static_cast<std::int32_t>(day.time_since_epoch().count()) + kEngineDayOfUnixEpoch};
}

constexpr std::chrono::sys_days FromEngineDate(Date date) {
    return std::chrono::sys_days{std::chrono::days{date.days - kEngineDayOfUnixEpoch}};
}

// One field's value; monostate is an empty (null) field. Short, Long,
// AutoInc and Time hold int32, Number, Currency and Timestamp double,
// Logical bool, Alpha and Bytes string.
using FieldValue = std::variant<std::monostate, std::string, double, std::int32_t, bool, Date>;
using Record = std::vector<FieldValue>;

// An open table, locked against other writers until it is destroyed.
// Records are held in primary-key order (file order for a table without a
// key). Every change is on disk, whole, when the call returns; flush() makes
// the changes so far durable against a power cut.
class Table {
public:
    virtual ~Table() = default;

    virtual const std::vector<FieldDef>& fields() const = 0;
    virtual std::size_t recordCount() const = 0;
    virtual const Record& record(std::size_t index) const = 0;

    // Each returns the record's position in key order after the change.
    // A duplicate key throws EDBEngineError("Key violation.") and changes nothing.
    virtual std::size_t insert(const Record& record) = 0;
    virtual std::size_t update(std::size_t index, const Record& record) = 0;
    virtual void remove(std::size_t index) = 0;

    virtual void flush() = 0;
};

class Engine {
public:
    virtual ~Engine() = default;

    // Opens and locks an existing table for reading and writing.
    virtual std::unique_ptr<Table> open(const std::string& path) = 0;

    // Creates an empty table, replacing any existing table of that name.
    virtual void create(const std::string& path, const std::vector<FieldDef>& fields,
                        const std::vector<IndexDef>& indexes) = 0;
};

}  // namespace db

// The one symbol a driver library exports: its engine, owned by the library.
extern "C" db::Engine* BodelogDatabaseEngine();
