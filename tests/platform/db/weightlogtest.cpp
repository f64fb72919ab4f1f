#include "weightlogtest.h"

#include "sysutils/numberformat.h"

WeightLogTest::WeightLogTest() {
    date = table.AddDateField("DATE");
    weight = table.AddFloatField("WEIGHT");
    weight->SetRequired(true);
    weightKg = table.AddFloatField("WEIGHTKG", db::TFieldKind::fkCalculated);
    for (db::TFloatField* field : {weight, weightKg}) {
        field->SetDisplayFormat("####.0");
        field->SetEditFormat("####.0");
        field->SetMinValue(0);
        field->SetMaxValue(999.5);
    }
    table.SetAutoCalcFields(false);
    table.OnCalcFields = [this](db::TTable& dataSet) {
        ++calcCalls;
        const double kilograms = dataSet.FieldByName("WEIGHT").AsFloat() * 0.453592;
        dataSet.SetFieldValues("WEIGHTKG", sysutils::FormatFloat("###0.0", kilograms));
    };
    table.AfterPost = [this](db::TTable&) { ++afterPosts; };
}

void WeightLogTest::CreateLog(int count) {
    engine.create(kLog, {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Number, 0}},
                  {{"PRIMARY", {"DATE"}, true, true}});
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
