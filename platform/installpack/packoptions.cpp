#include "installpack/packoptions.h"

#include "installpack/einstallerror.h"

namespace installpack {

PackOptions PackOptions::Parse(const std::vector<std::string>& arguments) {
    PackOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                throw EInstallError("The option " + option + " needs a value");
            }
            return arguments[++i];
        };
        if (option == "--unattended") {
            options.unattended = true;
        } else if (option == "--per-user") {
            options.perUser = true;
        } else if (option == "--destination") {
            const std::filesystem::path folder = value();
            options.destination = std::filesystem::absolute(folder).lexically_normal();
        } else if (option == "--menu-folder") {
            options.menuFolder = value();
        } else if (option == "--skip-group") {
            options.skippedGroups.push_back(value());
        } else {
            throw EInstallError("Unknown option '" + option + "'");
        }
    }
    return options;
}

}  // namespace installpack
