#include "weightlogviewtest.h"

#include "sysutils/numberformat.h"

namespace {

constexpr const char* kLog = "log.db";

}  // namespace

WeightLogViewTest::WeightLogViewTest() {
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
    table.OnCalcFields = [](db::TTable& dataSet) {
        const double kilograms = dataSet.FieldByName("WEIGHT").AsFloat() * 0.453592;
        dataSet.SetFieldValues("WEIGHTKG", sysutils::FormatFloat("###0.0", kilograms));
    };
    engine.create(kLog, {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Number, 0}},
                  {{"PRIMARY", {"DATE"}, true, true}});
    table.SetTableName(kLog);
}

void WeightLogViewTest::OpenLog(const std::vector<double>& weights) {
    for (std::size_t i = 0; i < weights.size(); ++i) {
        engine.file(kLog).records.push_back(
            {db::ToEngineDate(Day(static_cast<int>(i))), weights[i]});
    }
    table.Open();
}
