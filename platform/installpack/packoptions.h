#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace installpack {

// The pack's own command-line options, which the loader passes through to
// the installer: --unattended runs without the wizard (for scripts and
// administrators), --destination DIR and --menu-folder NAME replace the
// proposed folders, --skip-group NAME leaves a group out, --per-user
// installs for the user alone even when run as root.
struct PackOptions {
    bool unattended = false;
    bool perUser = false;
    std::optional<std::filesystem::path> destination;
    std::optional<std::string> menuFolder;
    std::vector<std::string> skippedGroups;

    // Throws EInstallError naming an unknown or incomplete option.
    static PackOptions Parse(const std::vector<std::string>& arguments);
};

}  // namespace installpack
