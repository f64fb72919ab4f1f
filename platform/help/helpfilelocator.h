#pragma once

#include <QString>

#include "registry/registrylocations.h"

namespace help {

// The machine's help registry: under this key of the local machine, a value
// named after a help file gives the folder that holds it (REG_SZ).
inline constexpr const char* kHelpRegistryKey = "\\SOFTWARE\\Microsoft\\Windows\\Help";

// Where a help file named by a program is. A name with a folder is taken as
// it stands, relative ones from the working directory; a bare name is looked
// for in `programFolder`, then in the folder the help registry gives for it.
// Throws EHelpError when a bare name is in neither place.
QString LocateHelpFile(const QString& helpFile, const QString& programFolder,
                       const registry::RegistryLocations& locations);

// The same beside the running program, with the registry of the environment.
QString LocateHelpFile(const QString& helpFile);

}  // namespace help
