#include "db/tindexdefs.h"

#include <algorithm>

namespace db {

void TIndexDefs::Add(std::string name, const std::string& fields, TIndexOptions options) {
    IndexDef def{std::move(name), {}, (options & ixPrimary) != 0, (options & ixUnique) != 0};
    std::size_t start = 0;
    while (start <= fields.size()) {
        const std::size_t end = std::min(fields.find(';', start), fields.size());
        if (end > start) {
            def.fields.push_back(fields.substr(start, end - start));
        }
        start = end + 1;
    }
    items_.push_back(std::move(def));
}

}  // namespace db
