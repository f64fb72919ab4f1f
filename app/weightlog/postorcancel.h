#pragma once

#include <functional>

namespace db {
class TTable;
}

// Runs a change of the table's current record that ends in a post. When it
// fails, the unfinished record is dropped before the error goes on: left
// open, every later move of the cursor would try to post it again.
void PostOrCancel(db::TTable& table, const std::function<void()>& change);
