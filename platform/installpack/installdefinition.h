#pragma once

#include <string>
#include <vector>

// The settings an installer program gives the pack: product, file groups
// with their files, the Start-menu folder with its shortcuts, the desktop
// shortcuts and the wizard's dialogs. Plain data; the pack reads it, the
// program writes it once.
namespace installpack {

enum class DestDirType {
    ProgramFilesDir,  // the machine's folder for programs, with the group's DestDir below it
    BDEDLLDir,        // the database engine's own folder
    ContainerDestDir  // a file goes where its group goes
};

struct InstallFile {
    std::string component;
    int order = 0;
    std::string fileName;  // in the group's archive and, as DestName, in the folder
    bool registerAsHelp = false;
    // A file other products may share: replaced only by a newer copy and
    // counted per product that uses it.
    bool shared = false;
    std::string version;  // of a shared file, compared before its date
    bool uninstaller = false;
};

struct FileGroup {
    std::string component;
    int order = 0;
    std::string groupName;
    std::vector<std::string> description;  // one entry per line
    DestDirType destDirType = DestDirType::ProgramFilesDir;
    std::string destDir;      // below the base folder, "\Name" as the definition writes it
    std::string archiveName;  // the group's archive beside the installer
    std::vector<InstallFile> files;
};

// A shortcut to the installed file of a component.
struct InstallLink {
    std::string component;
    std::string linkName;  // "Name.lnk"; the extension is dropped
    std::string objectLink;
};

struct MainLinkGroup {
    std::string component;
    std::string destDir;  // the folder's name, "\Name"
    std::vector<InstallLink> links;
};

enum class ManagerType {
    BeforeInstall,
    AfterGoodInstall,
    AfterBadInstall,
    DuringCopyFiles,
    ChangeDisk,
    Reboot
};

struct WizardDialog {
    std::string component;  // the dialog's name, e.g. "WelcomeDlg2"
    std::string className;  // "TWelcomeDlg"
    int order = 0;
    std::string text;  // licence or readme text, where the dialog shows one
};

struct DialogManager {
    std::string component;
    ManagerType managerType = ManagerType::BeforeInstall;
    std::vector<WizardDialog> dialogs;
};

struct InstallDefinition {
    std::string productName;
    std::string companyName;
    std::string version;
    // The groups in the order the groups dialog lists them; the main group
    // first. Within a group, files are copied by `order`, groups too.
    std::vector<FileGroup> groups;
    MainLinkGroup mainFolder;
    std::vector<InstallLink> desktopLinks;
    // The pack's own programs, carried in the uninstaller's group and
    // installed beside it (the help viewer that help shortcuts start).
    std::vector<std::string> packFiles;
    std::vector<DialogManager> managers;

    // "Bodelog V1.0": how the product names itself to the user.
    std::string Title() const { return productName + " V" + version; }
};

// The folder name a DestDir setting gives: "\Bodelog V1.0" -> "Bodelog V1.0".
std::string FolderName(const std::string& destDir);

}  // namespace installpack
