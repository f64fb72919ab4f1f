#pragma once

namespace db {

class Engine;

// The database engine, loaded on first use from its driver library: first
// from the folder that the machine-level engine record names, then from
// beside the running program. Throws EDBEngineError
// ("The database engine could not be loaded: ...") when neither works.
Engine& DatabaseEngine();

}  // namespace db
