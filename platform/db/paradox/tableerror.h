#pragma once

#include <string>

namespace db::paradox {

// Throws EDBEngineError "<file>: <problem>", so every refusal names the file
// the user picked.
[[noreturn]] void ThrowTableError(const std::string& displayName, const std::string& problem);

// The same for a table whose bytes do not add up.
[[noreturn]] void ThrowDamaged(const std::string& displayName, const std::string& detail);

}  // namespace db::paradox
