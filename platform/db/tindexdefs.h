#pragma once

#include <string>
#include <vector>

#include "db/engine.h"

namespace db {

enum TIndexOption : unsigned {
    ixPrimary = 1U << 0U,
    ixUnique = 1U << 1U,
};
using TIndexOptions = unsigned;

// The index definitions a table is created with. Fields are named in one
// text, separated by semicolons ("DATE" or "NAME;DATE").
class TIndexDefs {
public:
    void Clear() { items_.clear(); }
    void Add(std::string name, const std::string& fields, TIndexOptions options);
    std::size_t Count() const { return items_.size(); }
    const IndexDef& operator[](std::size_t index) const { return items_.at(index); }
    const std::vector<IndexDef>& Items() const { return items_; }

private:
    std::vector<IndexDef> items_;
};

}  // namespace db
