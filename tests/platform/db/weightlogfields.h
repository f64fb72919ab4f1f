#pragma once

#include "db/ttable.h"

namespace db {
class TDateField;
class TFloatField;
}  // namespace db

// The fields of a weight log set up as the program sets up its own: the
// date, the weight with its format and range, and the calculated kilograms
// computed per record read.
struct WeightLogFields {
    db::TDateField* date = nullptr;
    db::TFloatField* weight = nullptr;
    db::TFloatField* weightKg = nullptr;
};

WeightLogFields AddWeightLogFields(db::TTable& table);

// Creates the empty weight log `name` in the engine.
void CreateWeightLog(db::Engine& engine, const std::string& name);
