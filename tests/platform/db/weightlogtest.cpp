#include "weightlogtest.h"

#include "weightlogfields.h"

WeightLogTest::WeightLogTest() {
    const WeightLogFields fields = AddWeightLogFields(table);
    date = fields.date;
    weight = fields.weight;
    weightKg = fields.weightKg;
    // Counted around the program's own kilogram column.
    table.OnCalcFields = [this, calculate = table.OnCalcFields](db::TTable& dataSet) {
        ++calcCalls;
        calculate(dataSet);
    };
    table.AfterPost = [this](db::TTable&) { ++afterPosts; };
}

void WeightLogTest::CreateLog(int count) {
    CreateWeightLog(engine, kLog);
    for (int i = 0; i < count; ++i) {
        LogFile().records.push_back({db::ToEngineDate(Day(i)), 150.0 + i});
    }
}

void WeightLogTest::OpenLog(int count) {
    CreateLog(count);
    table.SetTableName(kLog);
    table.Open();
}

std::vector<double> WeightLogTest::StoredWeights() {
    std::vector<double> weights;
    for (const db::Record& record : LogFile().records) {
        weights.push_back(std::get<double>(record.at(1)));
    }
    return weights;
}

std::vector<std::chrono::sys_days> WeightLogTest::StoredDays() {
    std::vector<std::chrono::sys_days> days;
    for (const db::Record& record : LogFile().records) {
        days.push_back(db::FromEngineDate(std::get<db::Date>(record.at(0))));
    }
    return days;
}

void WeightLogTest::InsertEntry(std::chrono::sys_days day, double pounds) {
    table.Insert();
    date->SetAsDateTime(day);
    weight->SetAsFloat(pounds);
    table.Post();
}
