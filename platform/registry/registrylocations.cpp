#include "registry/registrylocations.h"

#include <cstdlib>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace registry {

namespace fs = std::filesystem;

namespace {

// An XDG base folder: the variable when it holds an absolute path (the only
// kind the XDG rules accept), else the fallback below HOME.
fs::path BaseFolder(const char* variable, const fs::path& belowHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && fs::path(value).is_absolute()) {
        return value;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return {};
    }
    return fs::path(home) / belowHome;
}

bool RunsAsRoot() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

}  // namespace

RegistryLocations RegistryLocations::FromEnvironment() {
    RegistryLocations locations;
    const fs::path config = BaseFolder("XDG_CONFIG_HOME", ".config");
    if (!config.empty()) {
        locations.currentUser = config / "Halvane" / "Bodelog.reg";
    }
    const fs::path data = BaseFolder("XDG_DATA_HOME", fs::path(".local") / "share");
    if (!data.empty()) {
        locations.userMachine = data / "registry" / "machine.reg";
    }
    locations.systemMachine = "/var/lib/registry/machine.reg";
    locations.systemScope = RunsAsRoot();
    return locations;
}

std::vector<fs::path> RegistryLocations::FilesToRead(RootKey root) const {
    std::vector<fs::path> files;
    if (root == RootKey::CurrentUser) {
        files.push_back(currentUser);
    } else {
        files.push_back(userMachine);
        files.push_back(systemMachine);
    }
    std::erase_if(files, [](const fs::path& file) { return file.empty(); });
    return files;
}

fs::path RegistryLocations::FileToWrite(RootKey root) const {
    if (root == RootKey::CurrentUser) {
        return currentUser;
    }
    return systemScope ? systemMachine : userMachine;
}

}  // namespace registry
