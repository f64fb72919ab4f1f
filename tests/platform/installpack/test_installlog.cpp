#include "installpack/installlog.h"

#include <gtest/gtest.h>

#include "installpack/einstallerror.h"

namespace {

using installpack::EInstallError;
using installpack::InstallLog;

TEST(InstallLogTest, RoundTripsEveryKindWithAwkwardCharacters) {
    InstallLog log;
    log.title = "Bodelog V1.0";
    log.machineRecords = "/h/registry/machine.reg";
    log.entries = {{InstallLog::Kind::File, "/a b/x\ty%z", "12:ab", {}, {}, {}},
                   {InstallLog::Kind::SharedFile, "/e/lib.so", {}, {}, {}, {}},
                   {InstallLog::Kind::Folder, "/a b", {}, {}, {}, {}},
                   {InstallLog::Kind::Record, {}, {}, "SOFTWARE\\K", "Name\n2", "v"}};

    const InstallLog back = InstallLog::FromText(log.ToText());

    EXPECT_EQ(back.title, log.title);
    EXPECT_EQ(back.machineRecords, log.machineRecords);
    ASSERT_EQ(back.entries.size(), 4u);
    EXPECT_EQ(back.entries[0].path, "/a b/x\ty%z");
    EXPECT_EQ(back.entries[0].digest, "12:ab");
    EXPECT_EQ(back.entries[1].kind, InstallLog::Kind::SharedFile);
    EXPECT_EQ(back.entries[3].name, "Name\n2");
}

class DamagedLogTest : public testing::TestWithParam<std::string> {};

TEST_P(DamagedLogTest, IsRefused) {
    EXPECT_THROW(InstallLog::FromText(GetParam()), EInstallError);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedLogTest,
                         testing::Values("", "not a log\n", "install log 1\nfile\t/x\n",
                                         "install log 1\nunknown\t/x\n",
                                         "install log 1\nfolder\t/x%4\n",
                                         "install log 1\nfolder\t/x%GG\n"));

}  // namespace
