#pragma once

#include <filesystem>
#include <vector>

// Finds and loads the database engine's driver library at run time, as the
// program ships it: the driver is a separate library so that it can be
// installed and replaced on its own.
namespace db {

class Engine;

// The file name of the Paradox driver library.
std::filesystem::path DriverFileName();

// Where the driver is looked for, in order: the folder that the machine-level
// engine record names (when there is one), then the running program's folder.
std::vector<std::filesystem::path> EngineFolders();

// Loads the driver from the first of the folders that holds it and returns
// its engine; the library stays loaded for the rest of the run. Throws
// EDBEngineError ("The database engine could not be loaded: ...") when no
// folder holds a usable driver.
Engine& LoadEngine(const std::vector<std::filesystem::path>& folders);

// The engine from the usual folders.
Engine& DatabaseEngine();

}  // namespace db
