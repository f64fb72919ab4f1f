#pragma once

#include "db/engine.h"

namespace db::paradox {

// The engine of the Paradox driver: opens and creates weight logs.
class ParadoxEngine final : public Engine {
public:
    std::unique_ptr<Table> open(const std::string& path) override;
    void create(const std::string& path, const std::vector<FieldDef>& fields,
                const std::vector<IndexDef>& indexes) override;
};

}  // namespace db::paradox
