#include "installpack/uninstallprogram.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "installpack/uninstallation.h"
#include "tinstalltest.h"

namespace {

namespace fs = std::filesystem;
using installpack::UninstallProgram;
using testing::HasSubstr;

using UninstallProgramTest = TInstallTest;

TEST_F(UninstallProgramTest, NoKeepsEverything) {
    ASSERT_EQ(Install(Destination()), installpack::InstallOutcome::Completed);
    const auto before = Snapshot();
    messageAnswer = vcl::ModalResult::No;

    EXPECT_EQ(UninstallProgram(Destination(), false).Run(), 0);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, vcl::MessageButtons::YesNo);
    EXPECT_EQ(messages[0].defaultButton, vcl::ModalResult::No);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UninstallProgramTest, YesRemovesAndSaysWhereTheUsersFilesStay) {
    ASSERT_EQ(Install(Destination()), installpack::InstallOutcome::Completed);
    WriteTextFile(Destination() / "Mine.db", "my weights");
    messageAnswer = vcl::ModalResult::Yes;

    EXPECT_EQ(UninstallProgram(Destination(), false).Run(), 0);

    ASSERT_EQ(messages.size(), 2u);
    const std::string report = messages[1].text.toStdString();
    EXPECT_THAT(report, HasSubstr("Product V1.0 was removed"));
    EXPECT_THAT(report, HasSubstr("remain in " + Destination().string()));
    EXPECT_THAT(report, HasSubstr("    Mine.db"));
    EXPECT_FALSE(fs::exists(Destination() / "Product"));
}

TEST_F(UninstallProgramTest, FolderWithoutAnInstallationIsAnError) {
    fs::create_directories(Destination());
    EXPECT_EQ(UninstallProgram(Destination(), false).Run(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Stop);
}

}  // namespace
