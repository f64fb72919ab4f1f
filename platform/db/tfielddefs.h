#pragma once

#include <string>
#include <vector>

#include "db/engine.h"

namespace db {

// The field definitions a table is created with, in their order.
class TFieldDefs {
public:
    void Clear() { items_.clear(); }
    void Add(std::string name, FieldType type, int size = 0) {
        items_.push_back(FieldDef{std::move(name), type, size});
    }
    std::size_t Count() const { return items_.size(); }
    const FieldDef& operator[](std::size_t index) const { return items_.at(index); }
    const std::vector<FieldDef>& Items() const { return items_; }

private:
    std::vector<FieldDef> items_;
};

}  // namespace db
