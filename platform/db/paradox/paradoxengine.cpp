#include "db/paradox/paradoxengine.h"

#include "db/paradox/paradoxtable.h"
#include "db/paradox/tableimage.h"
#include "db/paradox/weightlog.h"

namespace db::paradox {

namespace {

// The driver writes one kind of table: the weight log.
bool DescribesWeightLog(const std::vector<FieldDef>& fields, const std::vector<IndexDef>& indexes) {
    TableImage described;
    described.fields = fields;
    const bool keyedOnFirstField = indexes.size() == 1 && indexes[0].primary && indexes[0].unique &&
                                   indexes[0].fields.size() == 1 && !fields.empty() &&
                                   indexes[0].fields[0] == fields[0].name;
    described.keyFieldCount = keyedOnFirstField ? 1 : 0;
    return IsWeightLog(described);
}

}  // namespace

std::unique_ptr<Table> ParadoxEngine::open(const std::string& path) {
    return std::make_unique<ParadoxTable>(path);
}

void ParadoxEngine::create(const std::string& path, const std::vector<FieldDef>& fields,
                           const std::vector<IndexDef>& indexes) {
    if (!DescribesWeightLog(fields, indexes)) {
        throw EDBEngineError("Cannot create '" + path +
                             "': the Paradox driver creates only weight logs (DATE, WEIGHT).");
    }
    ParadoxTable::Create(path);
}

}  // namespace db::paradox
