#include "db/paradox/paradoxtable.h"

#include <algorithm>
#include <array>
#include <string>

#include "db/paradox/indexcheck.h"
#include "db/paradox/indexwriter.h"
#include "db/paradox/tablefiles.h"
#include "db/paradox/tablereader.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"

namespace db::paradox {

namespace {

const Date& KeyOf(const Record& record) {
    return std::get<Date>(record.at(0));
}

void CheckKey(const Record& record, const std::filesystem::path& dbPath) {
    if (record.size() != 2 || !std::holds_alternative<Date>(record[0])) {
        throw EDBEngineError("Cannot store a record without a date in '" + dbPath.string() + "'.");
    }
}

// The index file as it lies beside the table, whichever case its extension has.
std::filesystem::path ExistingIndexFor(const std::filesystem::path& dbPath) {
    for (const char* extension : {".PX", ".px"}) {
        auto candidate = dbPath;
        candidate.replace_extension(extension);
        if (std::filesystem::exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

// Checked before the lock, so that opening a missing table leaves no lock
// file behind.
const std::filesystem::path& Existing(const std::filesystem::path& dbPath) {
    if (!std::filesystem::is_regular_file(dbPath)) {
        throw EDBEngineError("Cannot open '" + dbPath.string() + "': the file does not exist.");
    }
    return dbPath;
}

}  // namespace

std::filesystem::path ParadoxTable::IndexPathFor(const std::filesystem::path& dbPath) {
    auto px = ExistingIndexFor(dbPath);
    if (px.empty()) {
        px = dbPath;
        px.replace_extension(".PX");
    }
    return px;
}

ParadoxTable::ParadoxTable(const std::filesystem::path& dbPath)
    : dbPath_(Existing(dbPath)), pxPath_(IndexPathFor(dbPath)), lock_(dbPath) {
    const auto db = ReadWholeFile(dbPath_);
    image_ = ReadTable(db, dbPath_.string());
    CheckWeightLog(image_, dbPath_.string());
    const bool indexMatches =
        std::filesystem::exists(pxPath_) && IndexMatches(ReadWholeFile(pxPath_), db);
    if (!indexMatches) {
        Save(image_);
        flush();
    }
}

void ParadoxTable::Create(const std::filesystem::path& dbPath) {
    const TableLock lock(dbPath);
    TableImage image = NewWeightLog();
    const auto px = IndexPathFor(dbPath);
    ReplaceFile(dbPath, WriteTable(image, dbPath.filename().string()));
    ReplaceFile(px, WriteIndex(image, px.filename().string()));
    const std::array files{dbPath, px};
    SyncToDisk(files);
}

std::size_t ParadoxTable::KeyPosition(const Record& record) const {
    const auto& records = image_.records;
    const auto at =
        std::lower_bound(records.begin(), records.end(), KeyOf(record),
                         [](const Record& stored, const Date& key) { return KeyOf(stored) < key; });
    if (at != records.end() && KeyOf(*at) == KeyOf(record)) {
        throw EDBEngineError("Key violation.");
    }
    return static_cast<std::size_t>(at - records.begin());
}

void ParadoxTable::Save(TableImage& image) const {
    BumpChangeCounter(image);
    // The .db goes first: a crash between the two renames leaves an index
    // that does not match, which the next open rebuilds.
    ReplaceFile(dbPath_, WriteTable(image, dbPath_.filename().string()));
    ReplaceFile(pxPath_, WriteIndex(image, pxPath_.filename().string()));
}

template <typename Undo>
void ParadoxTable::SaveOrUndo(Undo undo) {
    try {
        Save(image_);
    } catch (...) {
        undo();
        throw;
    }
}

std::size_t ParadoxTable::insert(const Record& record) {
    CheckKey(record, dbPath_);
    auto& records = image_.records;
    const auto position = static_cast<std::ptrdiff_t>(KeyPosition(record));
    records.insert(records.begin() + position, record);
    SaveOrUndo([&] { records.erase(records.begin() + position); });
    return static_cast<std::size_t>(position);
}

std::size_t ParadoxTable::update(std::size_t index, const Record& record) {
    CheckKey(record, dbPath_);
    auto& records = image_.records;
    Record old = records.at(index);
    if (KeyOf(old) == KeyOf(record)) {
        records[index] = record;
        SaveOrUndo([&] { records[index] = std::move(old); });
        return index;
    }
    const std::size_t slot = KeyPosition(record);
    const auto from = static_cast<std::ptrdiff_t>(index);
    const auto to = static_cast<std::ptrdiff_t>(slot > index ? slot - 1 : slot);
    records.erase(records.begin() + from);
    records.insert(records.begin() + to, record);
    SaveOrUndo([&] {
        records.erase(records.begin() + to);
        records.insert(records.begin() + from, std::move(old));
    });
    return static_cast<std::size_t>(to);
}

void ParadoxTable::remove(std::size_t index) {
    auto& records = image_.records;
    Record old = records.at(index);
    const auto at = static_cast<std::ptrdiff_t>(index);
    records.erase(records.begin() + at);
    SaveOrUndo([&] { records.insert(records.begin() + at, std::move(old)); });
}

void ParadoxTable::flush() {
    const std::array files{dbPath_, pxPath_};
    SyncToDisk(files);
}

}  // namespace db::paradox
