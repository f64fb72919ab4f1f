#include "registry/regfileio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <system_error>

#include "registry/regfile.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using registry::LoadRegFile;
using registry::RegTree;
using registry::SaveRegFile;

const RegTree kTree{{registry::RegKey{"HKEY_CURRENT_USER\\Software\\Halvane\\Bodelog",
                                      {{"Pounds", registry::kRegDword, {1, 0, 0, 0}}}}}};

std::vector<fs::path> FolderContents(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class RegFileIoTest : public ::testing::Test {
protected:
    fs::path File() const { return folder_.path() / "Halvane" / "Bodelog.reg"; }
    fs::path Folder() const { return File().parent_path(); }

private:
    TempFolder folder_;
};

TEST_F(RegFileIoTest, MissingFileIsAnEmptyStore) {
    EXPECT_EQ(LoadRegFile(File()), RegTree{});
    EXPECT_FALSE(fs::exists(Folder()));
}

TEST_F(RegFileIoTest, SaveCreatesTheFolderAndLeavesOnlyTheFile) {
    SaveRegFile(File(), kTree);
    EXPECT_EQ(LoadRegFile(File()), kTree);
    EXPECT_EQ(ReadTextFile(File()), registry::SerializeRegFile(kTree));
    EXPECT_EQ(FolderContents(Folder()), std::vector<fs::path>{"Bodelog.reg"});
    EXPECT_EQ(fs::status(File()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(RegFileIoTest, SaveReplacesTheFileAndKeepsItsPermissions) {
    SaveRegFile(File(), RegTree{});
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
    SaveRegFile(File(), kTree);
    EXPECT_EQ(LoadRegFile(File()), kTree);
    EXPECT_EQ(fs::status(File()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FolderContents(Folder()), std::vector<fs::path>{"Bodelog.reg"});
}

TEST_F(RegFileIoTest, UnparseableFileIsKeptAsBackupsWithoutOverwriting) {
    fs::create_directories(Folder());
    WriteTextFile(File(), "first garbage");
    EXPECT_EQ(LoadRegFile(File()), RegTree{});
    EXPECT_FALSE(fs::exists(File()));
    WriteTextFile(File(), "second garbage");
    EXPECT_EQ(LoadRegFile(File()), RegTree{});
    EXPECT_EQ(ReadTextFile(Folder() / "Bodelog.reg.bak"), "first garbage");
    EXPECT_EQ(ReadTextFile(Folder() / "Bodelog.reg.bak.1"), "second garbage");
}

TEST_F(RegFileIoTest, FileInPlaceOfTheFolderMakesSaveFailAndLoadEmpty) {
    fs::create_directories(Folder().parent_path());
    WriteTextFile(Folder(), "not a folder");
    EXPECT_EQ(LoadRegFile(File()), RegTree{});
    EXPECT_THROW(SaveRegFile(File(), kTree), std::system_error);
    EXPECT_EQ(ReadTextFile(Folder()), "not a folder");
}

// Permissions do not stop root, so these run for other users only.
class RegFilePermissionTest : public RegFileIoTest {
protected:
    void SetUp() override {
        if (::geteuid() == 0) {
            GTEST_SKIP() << "permissions do not apply to root";
        }
    }
};

TEST_F(RegFilePermissionTest, ReadOnlyFolderMakesSaveFailAndKeepsTheFile) {
    SaveRegFile(File(), kTree);
    fs::permissions(Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(SaveRegFile(File(), RegTree{}), std::system_error);
    EXPECT_EQ(LoadRegFile(File()), kTree);
}

TEST_F(RegFilePermissionTest, UnreadableFileIsAnError) {
    SaveRegFile(File(), kTree);
    fs::permissions(File(), fs::perms::none);
    EXPECT_THROW(LoadRegFile(File()), std::system_error);
}

}  // namespace
