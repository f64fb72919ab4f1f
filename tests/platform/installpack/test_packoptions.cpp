#include "installpack/packoptions.h"

#include <gtest/gtest.h>

#include "installpack/einstallerror.h"

namespace {

using installpack::EInstallError;
using installpack::PackOptions;

TEST(PackOptionsTest, ReadsEveryOption) {
    const PackOptions options =
        PackOptions::Parse({"--unattended", "--destination", "/x/y/../z", "--menu-folder", "M",
                            "--skip-group", "Engine", "--per-user"});
    EXPECT_TRUE(options.unattended);
    EXPECT_EQ(options.destination, "/x/z");
    EXPECT_EQ(options.menuFolder, "M");
    EXPECT_EQ(options.skippedGroups, std::vector<std::string>{"Engine"});
    EXPECT_TRUE(options.perUser);
    EXPECT_FALSE(PackOptions::Parse({}).unattended);
}

class BadPackOptionsTest : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadPackOptionsTest, AreRefused) {
    EXPECT_THROW(PackOptions::Parse(GetParam()), EInstallError);
}

INSTANTIATE_TEST_SUITE_P(Cases, BadPackOptionsTest,
                         testing::Values(std::vector<std::string>{"--destination"},
                                         std::vector<std::string>{"--destination", ""},
                                         std::vector<std::string>{"--frobnicate"},
                                         std::vector<std::string>{"/some/folder"}));

}  // namespace
