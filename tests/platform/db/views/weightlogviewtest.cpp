#include "weightlogviewtest.h"

#include "weightlogfields.h"

namespace {

constexpr const char* kLog = "log.db";

}  // namespace

WeightLogViewTest::WeightLogViewTest() {
    const WeightLogFields fields = AddWeightLogFields(table);
    date = fields.date;
    weight = fields.weight;
    weightKg = fields.weightKg;
    CreateWeightLog(engine, kLog);
    table.SetTableName(kLog);
}

void WeightLogViewTest::OpenLog(const std::vector<double>& weights) {
    for (std::size_t i = 0; i < weights.size(); ++i) {
        engine.file(kLog).records.push_back(
            {db::ToEngineDate(Day(static_cast<int>(i))), weights[i]});
    }
    table.Open();
}
