#include "registry/registrylocations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "support/tempfolder.h"

namespace {

using registry::RegistryLocations;
using registry::RootKey;

struct EnvironmentCase {
    const char* name;
    const char* home;  // nullptr: unset
    const char* configHome;
    const char* dataHome;
    const char* currentUser;  // "" when there is no store
    const char* userMachine;
};

class RegistryLocationsTest : public TempHomeTest,
                              public ::testing::WithParamInterface<EnvironmentCase> {
protected:
    static void Set(const char* variable, const char* value) {
        if (value == nullptr) {
            ::unsetenv(variable);
        } else {
            ::setenv(variable, value, 1);
        }
    }
};

TEST_P(RegistryLocationsTest, FollowsTheXdgFolders) {
    const EnvironmentCase& c = GetParam();
    Set("HOME", c.home);
    Set("XDG_CONFIG_HOME", c.configHome);
    Set("XDG_DATA_HOME", c.dataHome);
    const RegistryLocations locations = RegistryLocations::FromEnvironment();
    EXPECT_EQ(locations.currentUser, c.currentUser);
    EXPECT_EQ(locations.userMachine, c.userMachine);
    EXPECT_EQ(locations.systemMachine, "/var/lib/registry/machine.reg");
    EXPECT_EQ(locations.systemScope, ::geteuid() == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, RegistryLocationsTest,
    ::testing::Values(
        EnvironmentCase{"XdgSet", "/h", "/cfg", "/dat", "/cfg/Halvane/Bodelog.reg",
                        "/dat/registry/machine.reg"},
        EnvironmentCase{"XdgUnset", "/h", nullptr, nullptr, "/h/.config/Halvane/Bodelog.reg",
                        "/h/.local/share/registry/machine.reg"},
        EnvironmentCase{"XdgEmpty", "/h", "", "", "/h/.config/Halvane/Bodelog.reg",
                        "/h/.local/share/registry/machine.reg"},
        EnvironmentCase{"XdgRelativeIsIgnored", "/h", "cfg", "dat",
                        "/h/.config/Halvane/Bodelog.reg", "/h/.local/share/registry/machine.reg"},
        EnvironmentCase{"NoHome", nullptr, nullptr, nullptr, "", ""},
        EnvironmentCase{"NoHomeButXdg", nullptr, "/cfg", nullptr, "/cfg/Halvane/Bodelog.reg", ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RegistryLocationsScopeTest, MachineReadsPreferTheUserFileAndWritesFollowTheScope) {
    RegistryLocations locations{"/u.reg", "/user/machine.reg", "/sys/machine.reg", false};
    EXPECT_EQ(locations.FilesToRead(RootKey::LocalMachine),
              (std::vector<std::filesystem::path>{"/user/machine.reg", "/sys/machine.reg"}));
    EXPECT_EQ(locations.FileToWrite(RootKey::LocalMachine), "/user/machine.reg");
    locations.systemScope = true;
    EXPECT_EQ(locations.FileToWrite(RootKey::LocalMachine), "/sys/machine.reg");
    EXPECT_EQ(locations.FilesToRead(RootKey::CurrentUser),
              std::vector<std::filesystem::path>{"/u.reg"});
    EXPECT_EQ(locations.FileToWrite(RootKey::CurrentUser), "/u.reg");
}

}  // namespace
