#include "install1definition.h"

using installpack::DestDirType;
using installpack::DialogManager;
using installpack::FileGroup;
using installpack::InstallDefinition;
using installpack::InstallFile;
using installpack::InstallLink;
using installpack::ManagerType;
using installpack::WizardDialog;

namespace {

// The engine files are shared with other programs that use the engine.
InstallFile SharedFile(const char* component, int order, const char* fileName) {
    return {component, order, fileName, false, true, "1.0.0.0", false};
}

InstallFile MainFile(const char* component, int order, const char* fileName, bool help = false) {
    return {component, order, fileName, help, false, "", false};
}

FileGroup MainGroup() {
    FileGroup group{"Install1",
                    0,
                    "Main",
                    {"These are the main program files.  Required."},
                    DestDirType::ProgramFilesDir,
                    "\\Bodelog V1.0",
                    "main.tar.gz",
                    {}};
    group.files = {{"UninstallEXE2", 0, "uninstall", false, false, "", true},
                   MainFile("File1", 1, "Bodeloghlp.hlp", true),
                   MainFile("File2", 2, "Example Data.PX"),
                   MainFile("File3", 3, "file_id.diz"),
                   MainFile("File4", 4, "License.txt"),
                   MainFile("File6", 6, "Readme.txt"),
                   MainFile("File7", 7, "Bodelog"),
                   MainFile("File8", 8, "Bodeloghlp.cnt", true),
                   MainFile("File9", 9, "Example Data.db")};
    return group;
}

// Our engine reads nothing but its Paradox driver, which takes the place
// of the driver library of the group (BDEFile11).
FileGroup EngineGroup() {
    FileGroup group{"InstallBDE1",
                    0,
                    "Database Engine",
                    {"This will install the Database Engine.",
                     "They are required if not already on your computer."},
                    DestDirType::BDEDLLDir,
                    "",
                    "engine.tar.gz",
                    {}};
    group.files = {SharedFile("BDEFile11", 9, "libbodelog_paradox.so")};
    return group;
}

std::vector<DialogManager> Managers(const std::string& licenseText, const std::string& readmeText) {
    return {{"DialogManager1",
             ManagerType::BeforeInstall,
             {{"WelcomeDlg2", "TWelcomeDlg", 10, ""},
              {"LicenseDlg2", "TLicenseDlg", 20, licenseText},
              {"ReadmeDlg2", "TReadmeDlg", 30, readmeText},
              {"InstallFileGroupsDlg2", "TInstallFileGroupsDlg", 50, ""},
              {"SelectFolderDlg2", "TSelectFolderDlg", 60, ""}}},
            {"DialogManager2",
             ManagerType::AfterGoodInstall,
             {{"GoodInstallationDlg2", "TGoodInstallationDlg", 10, ""}}},
            {"DialogManager3",
             ManagerType::AfterBadInstall,
             {{"BadInstallationDlg2", "TBadInstallationDlg", 10, ""}}},
            {"DialogManager4", ManagerType::DuringCopyFiles, {}},
            {"DialogManager5", ManagerType::ChangeDisk, {}},
            {"DialogManager6", ManagerType::Reboot, {}}};
}

}  // namespace

InstallDefinition Install1Definition(const std::string& licenseText,
                                     const std::string& readmeText) {
    InstallDefinition definition;
    definition.productName = "Bodelog";
    definition.companyName = "Halvane";
    definition.version = "1.0";
    definition.groups = {MainGroup(), EngineGroup()};
    definition.mainFolder = {"MainFolder1",
                             "\\Bodelog V1.0",
                             {InstallLink{"InstallMainLink1", "uninstall.lnk", "UninstallEXE2"},
                              InstallLink{"InstallMainLink2", "Bodelog Help.LNK", "File1"},
                              InstallLink{"InstallMainLink3", "License.lnk", "File4"},
                              InstallLink{"InstallMainLink5", "Readme.lnk", "File6"},
                              InstallLink{"InstallMainLink6", "Bodelog.LNK", "File7"}}};
    definition.desktopLinks = {{"InstallShellLink1", "Bodelog.LNK", "File7"}};
    definition.packFiles = {"helpviewer"};
    definition.managers = Managers(licenseText, readmeText);
    return definition;
}
