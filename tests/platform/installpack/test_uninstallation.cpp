#include "installpack/uninstallation.h"

#include <gtest/gtest.h>

#include "installfixture.h"
#include "installpack/einstallerror.h"
#include "installpack/machinerecords.h"

namespace {

namespace fs = std::filesystem;
using namespace installpack;

using UninstallationTest = InstallFixture;

TEST_F(UninstallationTest, RemovesExactlyWhatTheInstallationMade) {
    MachineRecords other(RecordsFile());
    other.WriteString(kHelpKey, "Other.hlp", "/elsewhere");
    other.Save();
    WriteTextFile(dataHome() / "applications" / "other.desktop", "[Desktop Entry]\n");
    const auto before = Snapshot();

    ASSERT_EQ(Install(Destination()), InstallOutcome::Completed);
    const UninstallReport report = Uninstallation(Destination()).Run();

    EXPECT_TRUE(report.kept.empty());
    EXPECT_FALSE(fs::exists(Destination()));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UninstallationTest, KeepsTheUsersLogsAndChangedFilesAndSaysWhere) {
    ASSERT_EQ(Install(Destination()), InstallOutcome::Completed);
    WriteTextFile(Destination() / "Mine.db", "my weights");
    WriteTextFile(Destination() / "License.txt", "edited");

    const UninstallReport report = Uninstallation(Destination()).Run();

    EXPECT_EQ(report.destination, Destination());
    EXPECT_EQ(report.kept,
              (std::vector<fs::path>{Destination() / "License.txt", Destination() / "Mine.db"}));
    EXPECT_EQ(ReadTextFile(Destination() / "Mine.db"), "my weights");
    EXPECT_FALSE(fs::exists(Destination() / "Product"));
    EXPECT_FALSE(MachineRecords(RecordsFile()).ReadString(kHelpKey, "Product.hlp"));
}

TEST_F(UninstallationTest, EmptyLockFileOfARemovedTableGoesWithIt) {
    ASSERT_EQ(Install(Destination()), InstallOutcome::Completed);
    WriteTextFile(Destination() / "License.txt.lck", "");
    WriteTextFile(Destination() / "Mine.db.lck", "");

    const UninstallReport report = Uninstallation(Destination()).Run();

    EXPECT_EQ(report.kept, std::vector<fs::path>{Destination() / "Mine.db.lck"});
}

TEST_F(UninstallationTest, SharedFileStaysWhileAnotherInstallationCountsIt) {
    ASSERT_EQ(Install(Destination("First")), InstallOutcome::Completed);
    ASSERT_EQ(Install(Destination("Second")), InstallOutcome::Completed);

    Uninstallation(Destination("First")).Run();
    EXPECT_TRUE(fs::exists(EngineFile()));
    const MachineRecords middle(RecordsFile());
    EXPECT_EQ(middle.ReadDword(kSharedDllsKey, EngineFile().string()), 1U);
    EXPECT_EQ(middle.ReadString(kEngineKey, kEngineFolderValue), Places().engineFolder.string());

    Uninstallation(Destination("Second")).Run();
    EXPECT_FALSE(fs::exists(EngineFile()));
    const MachineRecords after(RecordsFile());
    EXPECT_FALSE(after.ReadDword(kSharedDllsKey, EngineFile().string()));
    EXPECT_FALSE(after.ReadString(kEngineKey, kEngineFolderValue));
}

TEST_F(UninstallationTest, RecordRewrittenByAnotherInstallationStays) {
    ASSERT_EQ(Install(Destination("First")), InstallOutcome::Completed);
    ASSERT_EQ(Install(Destination("Second")), InstallOutcome::Completed);

    Uninstallation(Destination("First")).Run();

    EXPECT_EQ(MachineRecords(RecordsFile()).ReadString(kHelpKey, "Product.hlp"),
              Destination("Second").string());
}

TEST_F(UninstallationTest, FolderWithoutALogIsRefused) {
    fs::create_directories(Destination());
    EXPECT_THROW(Uninstallation{Destination()}, EInstallError);
}

}  // namespace
