#pragma once

#include <chrono>
#include <vector>

#include "applicationtest.h"
#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "db/ttable.h"
#include "fakeengine.h"

// Entry i of a test log is for Day(i).
inline std::chrono::sys_days Day(int n) {
    using namespace std::chrono;
    return sys_days{year{2024} / January / 1} + days{n};
}

// A weight log set up as the program sets up its own (the date, the weight
// with its format and range, the calculated kilograms), over an engine in
// memory, with the application object answering modal runs.
class WeightLogViewTest : public ApplicationTest {
protected:
    WeightLogViewTest();

    // Opens the log with one entry a day from Day(0), of these weights.
    void OpenLog(const std::vector<double>& weights);

    FakeEngine engine;
    db::TTable table{[this]() -> db::Engine& { return engine; }};
    db::TDateField* date = nullptr;
    db::TFloatField* weight = nullptr;
    db::TFloatField* weightKg = nullptr;
};
