#pragma once

#include <chrono>
#include <string>
#include <variant>

namespace db {

// A field's value as the dataset's callers exchange it: empty (null), a
// number, a text or a calendar day. Each field converts it to its own type.
using Variant = std::variant<std::monostate, double, std::string, std::chrono::sys_days>;

}  // namespace db
