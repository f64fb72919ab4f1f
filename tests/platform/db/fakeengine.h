#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "db/engine.h"

// An engine that keeps its tables in memory, for testing the dataset: each
// table's records are kept sorted by the first field of its primary index
// (the first field without one), a duplicate key is a key violation, and
// flushes are counted so that tests can check when changes were made durable.
class FakeEngine : public db::Engine {
public:
    struct File {
        std::vector<db::FieldDef> fields;
        std::vector<db::IndexDef> indexes;
        std::vector<db::Record> records;
        int flushes = 0;
        bool open = false;
    };

    std::unique_ptr<db::Table> open(const std::string& path) override;
    void create(const std::string& path, const std::vector<db::FieldDef>& fields,
                const std::vector<db::IndexDef>& indexes) override;

    bool exists(const std::string& path) const { return files_.count(path) != 0; }
    // The file of an existing table; fails the test's expectation by throwing otherwise.
    File& file(const std::string& path) { return files_.at(path); }

private:
    std::map<std::string, File> files_;
};
