#include "installpack/installation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <cstdlib>
#include <fstream>

#include "installfixture.h"
#include "installpack/einstallerror.h"
#include "installpack/installlog.h"
#include "installpack/machinerecords.h"

namespace {

namespace fs = std::filesystem;
using namespace installpack;

using InstallationTest = InstallFixture;

bool ValidatesClean(const fs::path& entry) {
    const std::string command = "desktop-file-validate '" + entry.string() + "' > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

std::string ValidatorOutput(const fs::path& entry) {
    const fs::path out = entry.parent_path() / ".validator.out";
    const std::string command =
        "desktop-file-validate '" + entry.string() + "' > '" + out.string() + "' 2>&1";
    (void)std::system(command.c_str());
    std::string text = ReadTextFile(out);
    fs::remove(out);
    return text;
}

TEST_F(InstallationTest, PutsEveryFileInPlaceAndRecordsIt) {
    ASSERT_EQ(Install(Destination()), InstallOutcome::Completed);

    for (const char* name : {"uninstall", "helpviewer", "Product.hlp", "License.txt", "Product",
                             InstallLog::kFileName}) {
        EXPECT_TRUE(fs::is_regular_file(Destination() / name)) << name;
    }
    EXPECT_EQ(ReadTextFile(EngineFile()), "engine 1");
    EXPECT_NE(fs::status(Destination() / "Product").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    const MachineRecords records(RecordsFile());
    EXPECT_EQ(records.ReadString(kHelpKey, "Product.hlp"), Destination().string());
    EXPECT_EQ(records.ReadString(kEngineKey, kEngineFolderValue), Places().engineFolder.string());
    EXPECT_EQ(records.ReadDword(kSharedDllsKey, EngineFile().string()), 1U);
    EXPECT_EQ(records.ReadString(std::string(kUninstallKey) + "\\Product V1.0", "InstallLocation"),
              Destination().string());
}

TEST_F(InstallationTest, ShortcutsStartTheirTargetsInTheInstalledFolder) {
    ASSERT_EQ(Install(Destination()), InstallOutcome::Completed);
    const fs::path menu = dataHome() / "applications" / "Product V1.0";
    const std::string dest = Destination().string();

    const std::string program = ReadTextFile(menu / "Product.desktop");
    EXPECT_THAT(program, testing::HasSubstr("Exec=\"" + dest + "/Product\"\n"));
    EXPECT_THAT(program, testing::HasSubstr("Path=" + dest + "\n"));
    EXPECT_THAT(ReadTextFile(menu / "License.desktop"),
                testing::HasSubstr("Exec=xdg-open \"" + dest + "/License.txt\"\n"));
    EXPECT_THAT(
        ReadTextFile(menu / "Product Help.desktop"),
        testing::HasSubstr("Exec=\"" + dest + "/helpviewer\" \"" + dest + "/Product.hlp\"\n"));
    EXPECT_EQ(ReadTextFile(Desktop() / "Product.desktop"), program);
    EXPECT_NE(fs::status(Desktop() / "Product.desktop").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    const fs::path directory = dataHome() / "desktop-directories" / "maker-product-v1.0.directory";
    const fs::path merge =
        configHome() / "menus" / "applications-merged" / "maker-product-v1.0.menu";
    EXPECT_THAT(ReadTextFile(merge),
                testing::HasSubstr("<Filename>Product V1.0-Product.desktop</Filename>"));
    for (const fs::path& entry :
         {menu / "Product.desktop", menu / "License.desktop", menu / "Product Help.desktop",
          menu / "uninstall.desktop", Desktop() / "Product.desktop", directory}) {
        EXPECT_TRUE(ValidatesClean(entry)) << entry << ValidatorOutput(entry);
    }
}

TEST_F(InstallationTest, SharedFileIsCountedOncePerInstallation) {
    ASSERT_EQ(Install(Destination("First")), InstallOutcome::Completed);
    ASSERT_EQ(Install(Destination("Second")), InstallOutcome::Completed);
    EXPECT_EQ(MachineRecords(RecordsFile()).ReadDword(kSharedDllsKey, EngineFile().string()), 2U);

    ASSERT_EQ(Install(Destination("Second")), InstallOutcome::Completed);
    EXPECT_EQ(MachineRecords(RecordsFile()).ReadDword(kSharedDllsKey, EngineFile().string()), 2U)
        << "installing over the same folder counts it once";
}

TEST_F(InstallationTest, OlderSharedFileNeverReplacesANewerOne) {
    fs::create_directories(EngineFile().parent_path());
    WriteTextFile(EngineFile(), "engine 2");
    MachineRecords before(RecordsFile());
    before.WriteString(kFileVersionsKey, EngineFile().string(), "2.0.0.0");
    before.WriteDword(kSharedDllsKey, EngineFile().string(), 1);
    before.Save();

    ASSERT_EQ(Install(Destination()), InstallOutcome::Completed);

    EXPECT_EQ(ReadTextFile(EngineFile()), "engine 2");
    const MachineRecords after(RecordsFile());
    EXPECT_EQ(after.ReadString(kFileVersionsKey, EngineFile().string()), "2.0.0.0");
    EXPECT_EQ(after.ReadDword(kSharedDllsKey, EngineFile().string()), 2U);
}

TEST_F(InstallationTest, UncountedSharedFileOfSomeoneElseKeepsACountForThem) {
    fs::create_directories(EngineFile().parent_path());
    WriteTextFile(EngineFile(), "someone's engine");
    fs::last_write_time(EngineFile(),
                        fs::file_time_type::clock::now() - std::chrono::hours(24 * 400));

    ASSERT_EQ(Install(Destination()), InstallOutcome::Completed);

    EXPECT_EQ(ReadTextFile(EngineFile()), "engine 1") << "a newer copy replaces an older one";
    EXPECT_EQ(MachineRecords(RecordsFile()).ReadDword(kSharedDllsKey, EngineFile().string()), 2U);
}

// Cancelling at any file, the first one of the engine group to the last one
// of the main group, leaves the home exactly as it was.
class CancelledInstallationTest : public InstallFixture, public testing::WithParamInterface<int> {};

TEST_P(CancelledInstallationTest, LeavesNothingBehind) {
    ASSERT_EQ(Install(Destination("Earlier")), InstallOutcome::Completed);
    const auto before = Snapshot();

    EXPECT_EQ(Install(Destination(), GetParam()), InstallOutcome::Cancelled);

    EXPECT_EQ(static_cast<int>(started.size()), GetParam());
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(AtEachFile, CancelledInstallationTest, testing::Values(1, 2, 6));

TEST_F(InstallationTest, BrokenArchiveFailsAndLeavesNothingBehind) {
    const fs::path archive = Archives() / "main.tar.gz";
    const auto size = fs::file_size(archive);
    fs::resize_file(archive, size / 2);
    const auto before = Snapshot();

    EXPECT_THROW(Install(Destination()), EInstallError);

    EXPECT_EQ(Snapshot(), before);
}

// A file size limit makes writes fail as they would on a full disk.
TEST_F(InstallationTest, DiskFullWhileCopyingFailsAndLeavesNothingBehind) {
    WriteTextFile(sources / "Product", std::string(256 * 1024, 'x'));
    PackArchives();
    const auto before = Snapshot();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    std::string reason;
    try {
        Install(Destination());
    } catch (const EInstallError& error) {
        reason = error.what();
    }

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    EXPECT_THAT(reason, testing::HasSubstr("the disk may be full"));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(InstallationTest, MissingArchiveFailsAndLeavesNothingBehind) {
    fs::remove(Archives() / "main.tar.gz");
    const auto before = Snapshot();
    EXPECT_THROW(Install(Destination()), EInstallError);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(InstallationTest, UnwritableDestinationFailsAndLeavesNothingBehind) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    const fs::path locked = home() / "locked";
    fs::create_directories(locked);
    const auto before = Snapshot();
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);

    EXPECT_THROW(Install(locked / "Product V1.0"), EInstallError);

    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(InstallationTest, DestinationBelowAFileFailsAndLeavesNothingBehind) {
    WriteTextFile(home() / "a file", "in the way");
    const auto before = Snapshot();
    EXPECT_THROW(Install(home() / "a file" / "Product V1.0"), EInstallError);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(InstallationTest, RelativeDestinationIsRefused) {
    EXPECT_THROW(Install("Product V1.0"), EInstallError);
}

TEST_F(InstallationTest, SpaceRequiredCountsTheChosenGroups) {
    const Installation installation(definition, Places(), Archives());
    EXPECT_EQ(installation.SpaceRequired({"Engine"}), fs::file_size(sources / "libengine.so"));
    EXPECT_GT(installation.SpaceRequired({"Main", "Engine"}), installation.SpaceRequired({"Main"}));
    EXPECT_EQ(installation.DefaultDestination(), home() / ".local" / "opt" / "Product V1.0");
}

TEST_F(InstallationTest, MainGroupCannotBeLeftOut) {
    EXPECT_THROW(Install(Destination(), -1, {"Engine"}), EInstallError);
    EXPECT_FALSE(fs::exists(EngineFile()));
}

TEST_F(InstallationTest, GroupLeftOutIsNotInstalled) {
    ASSERT_EQ(Install(Destination(), -1, {"Main"}), InstallOutcome::Completed);
    EXPECT_FALSE(fs::exists(EngineFile()));
    EXPECT_FALSE(MachineRecords(RecordsFile()).ReadString(kEngineKey, kEngineFolderValue));
}

}  // namespace
