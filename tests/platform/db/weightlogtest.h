#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "db/ttable.h"
#include "fakeengine.h"

// The first day of the test logs; entry i of a log is Day(i).
inline std::chrono::sys_days Day(int n) {
    using namespace std::chrono;
    return sys_days{year{2024} / January / 1} + days{n};
}

// A table set up as the program sets up its weight log: the DATE and
// WEIGHT fields with their settings and the calculated kilogram column,
// over a fake engine holding the log "log.db".
class WeightLogTest : public ::testing::Test {
protected:
    static constexpr const char* kLog = "log.db";

    WeightLogTest();

    // Creates the log with entries for Day(0) .. Day(count - 1), weighing
    // 150, 151, ... pounds.
    void CreateLog(int count);
    void OpenLog(int count);

    FakeEngine::File& LogFile() { return engine.file(kLog); }
    std::vector<double> StoredWeights();
    std::vector<std::chrono::sys_days> StoredDays();

    // Adds a new entry through the dataset as the today dialog does.
    void InsertEntry(std::chrono::sys_days day, double pounds);

    FakeEngine engine;
    db::TTable table{[this]() -> db::Engine& { return engine; }};
    db::TDateField* date = nullptr;
    db::TFloatField* weight = nullptr;
    db::TFloatField* weightKg = nullptr;
    int calcCalls = 0;
    int afterPosts = 0;
};
