#include "db/engineloader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "db/engine.h"
#include "registry/registry.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;

class EngineLoaderTest : public TempHomeTest {
protected:
    static std::string LoadError(const std::vector<fs::path>& folders) {
        try {
            db::LoadEngine(folders);
        } catch (const db::EDBEngineError& error) {
            return error.what();
        }
        return "loaded";
    }
};

TEST_F(EngineLoaderTest, LoadsTheDriverBuiltBesideThePrograms) {
    db::Engine& engine = db::LoadEngine({home() / "empty", BODELOG_DRIVER_DIR});
    const auto log = (home() / "Jane.db").string();
    engine.create(log, {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Number, 0}},
                  {{"PRIMARY", {"DATE"}, true, true}});
    EXPECT_EQ(engine.open(log)->recordCount(), 0u);
}

TEST_F(EngineLoaderTest, MissingOrBrokenDriverIsAnEngineError) {
    const std::string prefix = "The database engine could not be loaded: ";
    EXPECT_EQ(LoadError({home()}).rfind(prefix, 0), 0u) << LoadError({home()});

    std::ofstream(home() / db::DriverFileName()) << "not a library";
    const std::string broken = LoadError({home(), BODELOG_DRIVER_DIR});
    EXPECT_EQ(broken.rfind(prefix, 0), 0u) << broken;
}

TEST_F(EngineLoaderTest, MachineRecordNamesTheFolderLookedInFirst) {
    const fs::path programFolder = fs::read_symlink("/proc/self/exe").parent_path();
    EXPECT_EQ(db::EngineFolders().back(), programFolder);

    // The per-user record, even when the tests run as root: nothing here
    // may write the machine's own records.
    auto locations = registry::RegistryLocations::FromEnvironment();
    locations.systemScope = false;
    registry::TRegistry machine(registry::RootKey::LocalMachine, locations);
    ASSERT_TRUE(machine.OpenKey("\\SOFTWARE\\Database Engine", true));
    machine.WriteString("DLLPATH", (home() / "engine").string());
    const auto folders = db::EngineFolders();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders.front(), home() / "engine");
    EXPECT_EQ(folders.back(), programFolder);
}

}  // namespace
