#include "weightlog/postorcancel.h"

#include "db/ttable.h"

void PostOrCancel(db::TTable& table, const std::function<void()>& change) {
    try {
        change();
    } catch (...) {
        table.Cancel();
        throw;
    }
}
