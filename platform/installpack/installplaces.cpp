#include "installpack/installplaces.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace installpack {

namespace fs = std::filesystem;

namespace {

fs::path AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || !fs::path(value).is_absolute()) {
        return {};
    }
    return value;
}

// xdg-user-dir prints HOME itself when no desktop folder is configured.
fs::path AskXdgUserDir(const fs::path& home) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen("xdg-user-dir DESKTOP 2>/dev/null", "r"),
                                               ::pclose);
    if (!pipe) {
        return {};
    }
    std::array<char, 4096> buffer{};
    std::string text;
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get()) != nullptr) {
        text += buffer.data();
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    const fs::path folder(text);
    if (!folder.is_absolute() || folder == home) {
        return {};
    }
    return folder;
}

}  // namespace

PlaceSources PlaceSources::FromEnvironment() {
    PlaceSources sources;
    sources.home = AbsoluteVariable("HOME");
    sources.dataHome = AbsoluteVariable("XDG_DATA_HOME");
    if (sources.dataHome.empty()) {
        sources.dataHome = sources.home / ".local" / "share";
    }
    sources.configHome = AbsoluteVariable("XDG_CONFIG_HOME");
    if (sources.configHome.empty()) {
        sources.configHome = sources.home / ".config";
    }
    sources.desktop = AbsoluteVariable("XDG_DESKTOP_DIR");
    if (sources.desktop.empty()) {
        sources.desktop = AskXdgUserDir(sources.home);
    }
    if (sources.desktop.empty()) {
        sources.desktop = sources.home / "Desktop";
    }
    sources.system = ::geteuid() == 0;
    return sources;
}

InstallPlaces InstallPlaces::For(const PlaceSources& sources) {
    InstallPlaces places;
    places.desktop = sources.desktop;
    places.records.userMachine = sources.dataHome / "registry" / "machine.reg";
    places.records.systemMachine = "/var/lib/registry/machine.reg";
    places.records.systemScope = sources.system;
    if (sources.system) {
        places.programFiles = "/opt";
        places.applications = "/usr/share/applications";
        places.desktopDirectories = "/usr/share/desktop-directories";
        places.menusMerged = "/etc/xdg/menus/applications-merged";
    } else {
        places.programFiles = sources.home / ".local" / "opt";
        places.applications = sources.dataHome / "applications";
        places.desktopDirectories = sources.dataHome / "desktop-directories";
        places.menusMerged = sources.configHome / "menus" / "applications-merged";
    }
    places.engineFolder = places.programFiles / "Common Files" / "Database Engine";
    return places;
}

}  // namespace installpack
