#pragma once

#include <filesystem>
#include <string>

#include "registry/registrylocations.h"

namespace installpack {

// What the places of an installation are chosen from: the user's folders
// and whether the installation is for the whole machine (run as root).
struct PlaceSources {
    std::filesystem::path home;
    std::filesystem::path dataHome;    // XDG_DATA_HOME or HOME/.local/share
    std::filesystem::path configHome;  // XDG_CONFIG_HOME or HOME/.config
    std::filesystem::path desktop;     // the user's desktop folder
    bool system = false;

    // From the environment: XDG_DESKTOP_DIR when set, else what
    // xdg-user-dir says, else HOME/Desktop; system when run as root.
    static PlaceSources FromEnvironment();
};

// Where the folders the definition names lie on this machine. A system
// installation uses the machine's shared folders, a per-user one the user's.
struct InstallPlaces {
    std::filesystem::path programFiles;        // base of ddProgramFilesDir
    std::filesystem::path engineFolder;        // ddBDEDLLDir
    std::filesystem::path applications;        // base of ddProgramMenuDir
    std::filesystem::path desktopDirectories;  // the menu folders' .directory entries
    std::filesystem::path menusMerged;         // menu files merged into the applications menu
    std::filesystem::path desktop;             // ddDesktopMenuDir
    registry::RegistryLocations records;

    static InstallPlaces For(const PlaceSources& sources);
    static InstallPlaces FromEnvironment() { return For(PlaceSources::FromEnvironment()); }
};

}  // namespace installpack
