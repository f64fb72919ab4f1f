#include "installpack/tinstall.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "installpack/tcopyfiledlg.h"
#include "installpack/tinstallfilegroupsdlg.h"
#include "tinstalltest.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using vcl::ModalResult;

const std::vector<QString> kAllPages = {"WelcomeDlg2",      "LicenseDlg2",
                                        "ReadmeDlg2",       "InstallFileGroupsDlg2",
                                        "SelectFolderDlg2", "GoodInstallationDlg2"};

TEST_F(TInstallTest, ClickingThroughInstallsAndEndsWithCompletion) {
    Run();

    EXPECT_EQ(shown, kAllPages);
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(fs::exists(Destination() / "Product"));
    EXPECT_TRUE(fs::exists(EngineFile()));
    EXPECT_TRUE(fs::exists(dataHome() / "applications" / "Product V1.0" / "Product.desktop"));
    EXPECT_EQ(texts["LicenseDlg2"], "the licence");
    EXPECT_EQ(texts["ReadmeDlg2"], "the readme");
    EXPECT_THAT(texts["WelcomeDlg2"].toStdString(), HasSubstr("Product V1.0"));
    EXPECT_EQ(install->ExitCode(), 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TInstallTest, BackReturnsToThePreviousPage) {
    script["ReadmeDlg2"].push_back([](QDialog& d) { return Press(d, "BackButton"); });
    script["LicenseDlg2"].push_back([](QDialog& d) { return Press(d, "NextButton"); });
    script["LicenseDlg2"].push_back([](QDialog& d) { return Press(d, "BackButton"); });
    Run();

    EXPECT_EQ(shown, (std::vector<QString>{"WelcomeDlg2", "LicenseDlg2", "ReadmeDlg2",
                                           "LicenseDlg2", "WelcomeDlg2", "LicenseDlg2",
                                           "ReadmeDlg2", "InstallFileGroupsDlg2",
                                           "SelectFolderDlg2", "GoodInstallationDlg2"}));
}

TEST_F(TInstallTest, ChoicesMadeInTheDialogsAreInstalled) {
    const fs::path elsewhere = home() / "Elsewhere";
    script["InstallFileGroupsDlg2"].push_back([&](QDialog& d) {
        auto& groups = dynamic_cast<installpack::TInstallFileGroupsDlg&>(d);
        EXPECT_FALSE(d.findChild<QCheckBox*>("GroupCheck1")->isEnabled())
            << "the main group is required";
        EXPECT_EQ(d.findChild<QLabel*>("GroupDescription2")->text(), "The engine.\nNeeded.");
        EXPECT_EQ(d.findChild<QLineEdit*>("DestinationEdit")->text().toStdString(),
                  Destination().string());
        const QString before = d.findChild<QLabel*>("SpaceRequiredLabel")->text();
        d.findChild<QCheckBox*>("GroupCheck2")->setChecked(false);
        EXPECT_NE(d.findChild<QLabel*>("SpaceRequiredLabel")->text(), before);
        groups.ChooseFolder = [&](QWidget*, const QString&) {
            return std::optional<QString>(QString::fromStdString(elsewhere.string()));
        };
        d.findChild<QAbstractButton*>("BrowseButton")->click();
        return Press(d, "NextButton");
    });
    script["SelectFolderDlg2"].push_back([](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("FolderEdit")->text(), "Product V1.0");
        d.findChild<QLineEdit*>("FolderEdit")->setText("My Tools");
        return Press(d, "NextButton");
    });
    Run();

    EXPECT_TRUE(fs::exists(elsewhere / "Product"));
    EXPECT_FALSE(fs::exists(EngineFile()));
    EXPECT_TRUE(fs::exists(dataHome() / "applications" / "My Tools" / "Product.desktop"));
    EXPECT_EQ(shown.back(), "GoodInstallationDlg2");
}

TEST_F(TInstallTest, GroupsDialogKeepsAskingUntilTheFolderIsUsable) {
    script["InstallFileGroupsDlg2"].push_back([](QDialog& d) {
        d.findChild<QLineEdit*>("DestinationEdit")->setText("relative/folder");
        return Press(d, "NextButton");
    });
    script["InstallFileGroupsDlg2"].push_back([&](QDialog& d) {
        d.findChild<QLineEdit*>("DestinationEdit")
            ->setText(QString::fromStdString(Destination().string()));
        return Press(d, "NextButton");
    });
    Run();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text.toStdString(), HasSubstr("full path"));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "InstallFileGroupsDlg2"), 2);
    EXPECT_TRUE(fs::exists(Destination() / "Product"));
}

class TInstallCancelTest : public TInstallTest, public testing::WithParamInterface<const char*> {};

TEST_P(TInstallCancelTest, CancelOnAnyPageEndsIncompleteAndInstallsNothing) {
    const auto before = Snapshot();
    script[GetParam()].push_back([](QDialog& d) { return Press(d, "CancelButton"); });
    Run();

    EXPECT_EQ(shown.back(), "BadInstallationDlg2");
    EXPECT_EQ(shown[shown.size() - 2], GetParam());
    EXPECT_THAT(texts["BadInstallationDlg2"].toStdString(), HasSubstr("cancelled"));
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Pages, TInstallCancelTest,
                         testing::Values("WelcomeDlg2", "LicenseDlg2", "ReadmeDlg2",
                                         "InstallFileGroupsDlg2", "SelectFolderDlg2"));

TEST_F(TInstallTest, CancelWhileCopyingRemovesWhatWasCopied) {
    const auto before = Snapshot();
    QObject::connect(
        install, &installpack::TInstall::CopyingStarted, [](installpack::TCopyFileDlg* copy) {
            QObject::connect(copy, &installpack::TCopyFileDlg::FileShown, copy,
                             [copy](const QString& file) {
                                 if (file == "License.txt") {
                                     copy->findChild<QAbstractButton*>("CancelButton")->click();
                                 }
                             });
        });
    Run();

    EXPECT_EQ(shown.back(), "BadInstallationDlg2");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(TInstallTest, BrokenArchiveEndsIncompleteWithTheReason) {
    fs::resize_file(Archives() / "engine.tar.gz", 20);
    const auto before = Snapshot();
    Run();

    EXPECT_EQ(shown.back(), "BadInstallationDlg2");
    EXPECT_THAT(texts["BadInstallationDlg2"].toStdString(), HasSubstr("engine.tar.gz"));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(TInstallTest, UnattendedInstallShowsNoDialog) {
    const fs::path folder = home() / "Admin Choice";
    install->SetArguments(
        {"--unattended", "--destination", QString::fromStdString(folder.string())});
    Run();

    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(fs::exists(folder / "Product"));
    EXPECT_EQ(install->ExitCode(), 0);
}

TEST_F(TInstallTest, FailedUnattendedInstallEndsWithExitCodeOne) {
    fs::remove(Archives() / "main.tar.gz");
    install->SetArguments({"--unattended"});
    Run();

    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(install->ExitCode(), 1);
}

TEST_F(TInstallTest, UnknownPackOptionIsShownInTheErrorBox) {
    install->SetArguments({"--bogus"});
    Run();

    EXPECT_TRUE(shown.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, vcl::MessageIcon::Stop);
    EXPECT_THAT(messages[0].text.toStdString(), HasSubstr("--bogus"));
}

}  // namespace
