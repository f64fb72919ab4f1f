#include "weightlogfields.h"

#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "sysutils/numberformat.h"

WeightLogFields AddWeightLogFields(db::TTable& table) {
    WeightLogFields fields;
    fields.date = table.AddDateField("DATE");
    fields.weight = table.AddFloatField("WEIGHT");
    fields.weight->SetRequired(true);
    fields.weightKg = table.AddFloatField("WEIGHTKG", db::TFieldKind::fkCalculated);
    for (db::TFloatField* field : {fields.weight, fields.weightKg}) {
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
    return fields;
}

void CreateWeightLog(db::Engine& engine, const std::string& name) {
    engine.create(name, {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Number, 0}},
                  {{"PRIMARY", {"DATE"}, true, true}});
}
