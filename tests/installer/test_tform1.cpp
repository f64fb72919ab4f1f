#include "tform1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

#include <algorithm>
#include <cstdlib>

#include "installpack/installplaces.h"
#include "installpack/machinerecords.h"
#include "installpack/tbackdrop.h"
#include "installpack/tinstall.h"
#include "installpack/trotate3dlabel.h"
#include "installpack/ttranslator.h"
#include "support/tempfolder.h"
#include "vcl/application.h"

namespace {

namespace fs = std::filesystem;
using namespace installpack;

// The installer's window in a temporary home, every dialog answered Next.
class TForm1Test : public TempHomeTest, public vcl::ModalResponder {
protected:
    TForm1Test() {
        ::setenv("XDG_DESKTOP_DIR", (home() / "Desktop").c_str(), 1);
        application.SetResponder(this);
        form.Install1->SetArguments({});
        form.Install1->SetArchiveFolder(BODELOG_PAYLOAD_DIR);
        form.Install1->SetPlaces(
            InstallPlaces::For({home(), dataHome(), configHome(), home() / "Desktop", false}));
    }
    ~TForm1Test() override { ::unsetenv("XDG_DESKTOP_DIR"); }

    vcl::ModalResult RunForm(QDialog& dialog) override {
        shown.push_back(dialog.objectName().toStdString());
        return vcl::ModalResult::OK;
    }
    vcl::ModalResult ShowMessage(const vcl::MessageRequest&) override {
        return vcl::ModalResult::OK;
    }
    std::optional<QString> ChooseFile(const vcl::OpenDialogRequest&) override {
        return std::nullopt;
    }
    void HelpCommand(const QString&, int, const QString&) override {}

    const InstallDefinition& Definition() const { return form.Install1->Definition(); }

    vcl::TApplication application;
    TForm1 form;
    std::vector<std::string> shown;
};

TEST_F(TForm1Test, WindowAndComponentsCarryTheirSettings) {
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "Bodelog V1.0 Installation");
    EXPECT_EQ(form.geometry(), QRect(200, 108, 435, 300));
    EXPECT_EQ(form.font().family(), "MS Sans Serif");
    EXPECT_EQ(form.font().pointSize(), 8);

    EXPECT_EQ(form.BackDrop1->objectName(), "BackDrop1");
    EXPECT_EQ(form.BackDrop1->StartColor(), QColor(0, 128, 128));
    EXPECT_EQ(form.BackDrop1->EndColor(), QColor(0, 128, 0));
    EXPECT_EQ(form.ProductLabel1->objectName(), "ProductLabel1");
    EXPECT_EQ(form.ProductLabel1->text(), "Bodelog V1.0 Installation");
    EXPECT_EQ(form.ProductLabel1->geometry(), QRect(10, 10, 367, 30));
    EXPECT_EQ(form.ProductLabel1->font().family(), "Arial");
    EXPECT_EQ(form.ProductLabel1->font().pointSize(), 18);
    EXPECT_TRUE(form.ProductLabel1->font().bold());
    EXPECT_FALSE(form.ProductLabel1->AShadeLTSet());
    EXPECT_EQ(form.MainTranslator->objectName(), "MainTranslator");
    EXPECT_FALSE(form.MainTranslator->FontOverride());
    EXPECT_EQ(form.Install1->objectName(), "Install1");
}

TEST_F(TForm1Test, DefinitionInstallsTheFilesOfBothGroups) {
    const InstallDefinition& definition = Definition();
    EXPECT_EQ(definition.Title(), "Bodelog V1.0");
    EXPECT_EQ(definition.companyName, "Halvane");
    ASSERT_EQ(definition.groups.size(), 2u);
    const FileGroup& main = definition.groups[0];
    EXPECT_EQ(main.groupName, "Main");
    EXPECT_EQ(main.description,
              std::vector<std::string>{"These are the main program files.  Required."});
    std::vector<std::pair<int, std::string>> files;
    for (const InstallFile& file : main.files) {
        files.emplace_back(file.order, file.fileName);
        EXPECT_EQ(file.registerAsHelp, file.component == "File1" || file.component == "File8");
    }
    EXPECT_EQ(files, (std::vector<std::pair<int, std::string>>{{0, "uninstall"},
                                                               {1, "Bodeloghlp.hlp"},
                                                               {2, "Example Data.PX"},
                                                               {3, "file_id.diz"},
                                                               {4, "License.txt"},
                                                               {6, "Readme.txt"},
                                                               {7, "Bodelog"},
                                                               {8, "Bodeloghlp.cnt"},
                                                               {9, "Example Data.db"}}));
    const FileGroup& engine = definition.groups[1];
    EXPECT_EQ(engine.component, "InstallBDE1");
    EXPECT_EQ(engine.destDirType, DestDirType::BDEDLLDir);
    ASSERT_EQ(engine.files.size(), 1u);
    EXPECT_TRUE(engine.files[0].shared);
    EXPECT_EQ(engine.files[0].fileName, "libbodelog_paradox.so");
}

TEST_F(TForm1Test, LicenceAndReadmeDialogsShowTheInstalledTexts) {
    for (const DialogManager& manager : Definition().managers) {
        for (const WizardDialog& dialog : manager.dialogs) {
            if (dialog.component == "LicenseDlg2") {
                EXPECT_THAT(dialog.text, testing::HasSubstr("Licence Agreement"));
            }
            if (dialog.component == "ReadmeDlg2") {
                EXPECT_THAT(dialog.text, testing::HasSubstr("  for Windows95/NT"));
            }
        }
    }
}

TEST_F(TForm1Test, FirstShowingRunsTheWizardAndInstallsBodelog) {
    form.show();
    QApplication::processEvents();

    EXPECT_EQ(shown, (std::vector<std::string>{"WelcomeDlg2", "LicenseDlg2", "ReadmeDlg2",
                                               "InstallFileGroupsDlg2", "SelectFolderDlg2",
                                               "GoodInstallationDlg2"}));
    const fs::path destination = home() / ".local" / "opt" / "Bodelog V1.0";
    for (const char* name :
         {"Bodelog", "Bodeloghlp.hlp", "Bodeloghlp.cnt", "Example Data.db", "Example Data.PX",
          "License.txt", "Readme.txt", "file_id.diz", "uninstall", "helpviewer"}) {
        EXPECT_TRUE(fs::is_regular_file(destination / name)) << name;
    }
    const fs::path menu = dataHome() / "applications" / "Bodelog V1.0";
    for (const char* name : {"uninstall", "Bodelog Help", "License", "Readme", "Bodelog"}) {
        EXPECT_TRUE(fs::is_regular_file(menu / (std::string(name) + ".desktop"))) << name;
    }
    EXPECT_TRUE(fs::is_regular_file(home() / "Desktop" / "Bodelog.desktop"));
}

}  // namespace
