#include "installfixture.h"

#include <cstdlib>

#include "installpack/archivewriter.h"
#include "installpack/filedigest.h"

namespace fs = std::filesystem;
using namespace installpack;

namespace {

// Records the files begun and cancels at the one the test chose.
class ScriptedProgress final : public CopyProgress {
public:
    ScriptedProgress(std::vector<std::string>& started, int cancelAtFile)
        : started_(started), cancelAtFile_(cancelAtFile) {}

    void Status(const std::string&) override {}
    void FileStarted(const std::string& fileName, const fs::path&) override {
        started_.push_back(fileName);
    }
    bool Copied(std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t) override {
        return cancelAtFile_ < 0 || static_cast<int>(started_.size()) < cancelAtFile_;
    }

private:
    std::vector<std::string>& started_;
    int cancelAtFile_;
};

void WriteExecutable(const fs::path& file, const std::string& text) {
    WriteTextFile(file, text);
    fs::permissions(file, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add);
}

}  // namespace

InstallFixture::InstallFixture() : sources(home() / "sources") {
    ::setenv("XDG_DESKTOP_DIR", Desktop().c_str(), 1);
    definition.productName = "Product";
    definition.companyName = "Maker";
    definition.version = "1.0";
    FileGroup main{
        "Install1",    0, "Main", {"The program."}, DestDirType::ProgramFilesDir, "\\Product V1.0",
        "main.tar.gz", {}};
    main.files = {{"UninstallEXE2", 0, "uninstall", false, false, "", true},
                  {"File1", 1, "Product.hlp", true, false, "", false},
                  {"File4", 4, "License.txt", false, false, "", false},
                  {"File7", 7, "Product", false, false, "", false}};
    FileGroup engine{"InstallBDE1",          0,  "Engine",        {"The engine.", "Needed."},
                     DestDirType::BDEDLLDir, "", "engine.tar.gz", {}};
    engine.files = {{"BDEFile11", 9, "libengine.so", false, true, "1.0.0.0", false}};
    definition.groups = {main, engine};
    definition.mainFolder = {"MainFolder1",
                             "\\Product V1.0",
                             {{"InstallMainLink1", "uninstall.lnk", "UninstallEXE2"},
                              {"InstallMainLink2", "Product Help.LNK", "File1"},
                              {"InstallMainLink3", "License.lnk", "File4"},
                              {"InstallMainLink6", "Product.LNK", "File7"}}};
    definition.desktopLinks = {{"InstallShellLink1", "Product.LNK", "File7"}};
    definition.packFiles = {"helpviewer"};
    definition.managers = {{"DialogManager1",
                            ManagerType::BeforeInstall,
                            {{"SelectFolderDlg2", "TSelectFolderDlg", 60, ""},
                             {"WelcomeDlg2", "TWelcomeDlg", 10, ""},
                             {"LicenseDlg2", "TLicenseDlg", 20, "the licence"},
                             {"ReadmeDlg2", "TReadmeDlg", 30, "the readme"},
                             {"InstallFileGroupsDlg2", "TInstallFileGroupsDlg", 50, ""}}},
                           {"DialogManager2",
                            ManagerType::AfterGoodInstall,
                            {{"GoodInstallationDlg2", "TGoodInstallationDlg", 10, ""}}},
                           {"DialogManager3",
                            ManagerType::AfterBadInstall,
                            {{"BadInstallationDlg2", "TBadInstallationDlg", 10, ""}}}};

    WriteExecutable(sources / "uninstall", "#!/bin/sh\n");
    WriteExecutable(sources / "helpviewer", "#!/bin/sh\n");
    WriteExecutable(sources / "Product", "#!/bin/sh\necho product\n");
    WriteTextFile(sources / "Product.hlp", "help");
    WriteTextFile(sources / "License.txt", "licence text");
    WriteTextFile(sources / "libengine.so", "engine 1");
    PackArchives();
}

InstallFixture::~InstallFixture() {
    ::unsetenv("XDG_DESKTOP_DIR");
}

fs::path InstallFixture::Destination(const std::string& name) const {
    return home() / ".local" / "opt" / name;
}

fs::path InstallFixture::EngineFile() const {
    return Places().engineFolder / "libengine.so";
}

fs::path InstallFixture::RecordsFile() const {
    return dataHome() / "registry" / "machine.reg";
}

InstallPlaces InstallFixture::Places() const {
    return InstallPlaces::For({home(), dataHome(), configHome(), Desktop(), false});
}

void InstallFixture::PackArchives() const {
    fs::create_directories(Archives());
    WriteArchive(Archives() / "main.tar.gz", {{"uninstall", sources / "uninstall"},
                                              {"helpviewer", sources / "helpviewer"},
                                              {"Product.hlp", sources / "Product.hlp"},
                                              {"License.txt", sources / "License.txt"},
                                              {"Product", sources / "Product"}});
    WriteArchive(Archives() / "engine.tar.gz", {{"libengine.so", sources / "libengine.so"}});
}

InstallOutcome InstallFixture::Install(const fs::path& destination, int cancelAtFile,
                                       std::set<std::string> groups) {
    started.clear();
    ScriptedProgress progress(started, cancelAtFile);
    Installation installation(definition, Places(), Archives());
    return installation.Run({destination, "Product V1.0", std::move(groups)}, progress);
}

std::map<std::string, std::string> InstallFixture::Snapshot() const {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home())) {
        const fs::path relative = fs::relative(entry.path(), home());
        if (*relative.begin() == "archives" || *relative.begin() == "sources") {
            continue;
        }
        files[relative.string()] = entry.is_regular_file() ? FileDigest(entry.path()) : "folder";
    }
    return files;
}
