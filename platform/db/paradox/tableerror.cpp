#include "db/paradox/tableerror.h"

#include "db/engine.h"

namespace db::paradox {

void ThrowTableError(const std::string& displayName, const std::string& problem) {
    throw EDBEngineError(displayName + ": " + problem);
}

void ThrowDamaged(const std::string& displayName, const std::string& detail) {
    ThrowTableError(displayName, "damaged Paradox table (" + detail + ")");
}

}  // namespace db::paradox
