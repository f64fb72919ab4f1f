#include "fakeengine.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::size_t KeyColumn(const FakeEngine::File& file) {
    for (const db::IndexDef& index : file.indexes) {
        if (!index.primary || index.fields.empty()) {
            continue;
        }
        for (std::size_t i = 0; i < file.fields.size(); ++i) {
            if (file.fields[i].name == index.fields.front()) {
                return i;
            }
        }
    }
    return 0;
}

// Puts record in key order into records; a duplicate key changes nothing.
std::size_t InsertSorted(std::vector<db::Record>& records, std::size_t key,
                         const db::Record& record) {
    const auto at = std::lower_bound(
        records.begin(), records.end(), record,
        [key](const db::Record& a, const db::Record& b) { return a.at(key) < b.at(key); });
    if (at != records.end() && at->at(key) == record.at(key)) {
        throw db::EDBEngineError("Key violation.");
    }
    const auto inserted = records.insert(at, record);
    return static_cast<std::size_t>(inserted - records.begin());
}

class FakeTable : public db::Table {
public:
    explicit FakeTable(FakeEngine::File& file) : file_(file) { file_.open = true; }
    ~FakeTable() override { file_.open = false; }
    FakeTable(const FakeTable&) = delete;
    FakeTable& operator=(const FakeTable&) = delete;

    const std::vector<db::FieldDef>& fields() const override { return file_.fields; }
    std::size_t recordCount() const override { return file_.records.size(); }
    const db::Record& record(std::size_t index) const override { return file_.records.at(index); }

    std::size_t insert(const db::Record& record) override {
        CheckShape(record);
        return InsertSorted(file_.records, KeyColumn(file_), record);
    }

    std::size_t update(std::size_t index, const db::Record& record) override {
        CheckShape(record);
        std::vector<db::Record> records = file_.records;
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
        const std::size_t position = InsertSorted(records, KeyColumn(file_), record);
        file_.records = std::move(records);
        return position;
    }

    void remove(std::size_t index) override {
        file_.records.erase(file_.records.begin() + static_cast<std::ptrdiff_t>(index));
    }

    void flush() override { ++file_.flushes; }

private:
    // A record of the wrong width is a fault of the dataset, not of the user.
    void CheckShape(const db::Record& record) const {
        if (record.size() != file_.fields.size()) {
            throw std::logic_error("record width does not match the table");
        }
    }

    FakeEngine::File& file_;
};

}  // namespace

std::unique_ptr<db::Table> FakeEngine::open(const std::string& path) {
    const auto found = files_.find(path);
    if (found == files_.end()) {
        throw db::EDBEngineError("Table does not exist: " + path);
    }
    if (found->second.open) {
        throw db::EDBEngineError("Table is busy: " + path);
    }
    return std::make_unique<FakeTable>(found->second);
}

void FakeEngine::create(const std::string& path, const std::vector<db::FieldDef>& fields,
                        const std::vector<db::IndexDef>& indexes) {
    if (exists(path) && files_.at(path).open) {
        throw db::EDBEngineError("Table is busy: " + path);
    }
    files_[path] = File{fields, indexes, {}, 0, false};
}
