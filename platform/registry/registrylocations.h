#pragma once

#include <filesystem>
#include <vector>

#include "registry/rootkey.h"

namespace registry {

// Where each root's registry file lives on systems without a registry. The
// program takes it from the environment; tests build their own. An empty
// path means that root has no store: it opens nothing and takes no writes.
struct RegistryLocations {
    std::filesystem::path currentUser;    // the user's settings
    std::filesystem::path userMachine;    // machine records of per-user installations
    std::filesystem::path systemMachine;  // machine records of system-wide installations
    bool systemScope = false;             // machine records are written to the system file

    // currentUser: ${XDG_CONFIG_HOME:-$HOME/.config}/Halvane/Bodelog.reg;
    // userMachine: ${XDG_DATA_HOME:-$HOME/.local/share}/registry/machine.reg;
    // systemMachine: /var/lib/registry/machine.reg, written when run as root.
    static RegistryLocations FromEnvironment();

    // The files that reads consult, in order.
    std::vector<std::filesystem::path> FilesToRead(RootKey root) const;
    // The file that writes go to.
    std::filesystem::path FileToWrite(RootKey root) const;
};

}  // namespace registry
