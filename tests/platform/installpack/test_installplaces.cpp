#include "installpack/installplaces.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using installpack::InstallPlaces;
using installpack::PlaceSources;

TEST(InstallPlacesTest, RootInstallsForTheWholeMachine) {
    const InstallPlaces places =
        InstallPlaces::For({"/root", "/root/.local/share", "/root/.config", "/root/Desktop", true});
    EXPECT_EQ(places.programFiles, "/opt");
    EXPECT_EQ(places.engineFolder, "/opt/Common Files/Database Engine");
    EXPECT_EQ(places.applications, "/usr/share/applications");
    EXPECT_EQ(places.desktopDirectories, "/usr/share/desktop-directories");
    EXPECT_EQ(places.menusMerged, "/etc/xdg/menus/applications-merged");
    EXPECT_TRUE(places.records.systemScope);
    EXPECT_EQ(places.records.FileToWrite(registry::RootKey::LocalMachine),
              "/var/lib/registry/machine.reg");
}

TEST(InstallPlacesTest, UserInstallsBelowTheHome) {
    const InstallPlaces places =
        InstallPlaces::For({"/home/u", "/home/u/data", "/home/u/conf", "/home/u/Desk", false});
    EXPECT_EQ(places.programFiles, "/home/u/.local/opt");
    EXPECT_EQ(places.engineFolder, "/home/u/.local/opt/Common Files/Database Engine");
    EXPECT_EQ(places.applications, "/home/u/data/applications");
    EXPECT_EQ(places.desktopDirectories, "/home/u/data/desktop-directories");
    EXPECT_EQ(places.menusMerged, "/home/u/conf/menus/applications-merged");
    EXPECT_EQ(places.desktop, "/home/u/Desk");
    EXPECT_EQ(places.records.FileToWrite(registry::RootKey::LocalMachine),
              "/home/u/data/registry/machine.reg");
}

class PlaceSourcesTest : public TempHomeTest {};

TEST_F(PlaceSourcesTest, DesktopComesFromTheEnvironmentFirst) {
    ::setenv("XDG_DESKTOP_DIR", (home() / "Schreibtisch").c_str(), 1);
    const PlaceSources sources = PlaceSources::FromEnvironment();
    ::unsetenv("XDG_DESKTOP_DIR");
    EXPECT_EQ(sources.desktop, home() / "Schreibtisch");
    EXPECT_EQ(sources.dataHome, dataHome());
    EXPECT_EQ(sources.configHome, configHome());
}

TEST_F(PlaceSourcesTest, DesktopFallsBackToTheUserDirsFileOrHomeDesktop) {
    ::unsetenv("XDG_DESKTOP_DIR");
    // xdg-user-dir reads the user-dirs file of this temporary home.
    WriteTextFile(configHome() / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    const fs::path desktop = PlaceSources::FromEnvironment().desktop;
    EXPECT_TRUE(desktop == home() / "Bureau" || desktop == home() / "Desktop") << desktop;
}

}  // namespace
