// The installer file the build makes, run as a user would run it (through
// the pack's unattended options), then the installation used and removed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QString>

#include <chrono>
#include <cstdlib>
#include <sstream>

#include "db/engine.h"
#include "db/engineloader.h"
#include "help/helpfilelocator.h"
#include "installpack/installplaces.h"
#include "installpack/machinerecords.h"
#include "registry/registry.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using namespace installpack;

int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// The value of a key of a desktop entry, as written.
std::string EntryValue(const fs::path& entry, const std::string& key) {
    std::istringstream lines(ReadTextFile(entry));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with(key + "=")) {
            return line.substr(key.size() + 1);
        }
    }
    return {};
}

// Whether a running program has the file open.
bool HoldsOpen(pid_t pid, const fs::path& file) {
    std::error_code error;
    for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        if (fs::read_symlink(fd.path(), error) == file) {
            return true;
        }
    }
    return false;
}

// Starts a program in a working folder, its output going to a file.
pid_t StartIn(const fs::path& program, const fs::path& workingFolder, const fs::path& output) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(workingFolder.c_str()) == 0 && std::freopen(output.c_str(), "w", stdout) &&
            std::freopen(output.c_str(), "a", stderr)) {
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        }
        ::_exit(127);
    }
    return pid;
}

// Every folder the installation and its programs use lies in a temporary
// home; the installer file unpacks below it too. It installs for the user
// even when the tests run as root.
class SetupFileTest : public TempHomeTest {
protected:
    SetupFileTest() {
        ::setenv("XDG_DESKTOP_DIR", Desktop().c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        fs::create_directories(home() / "tmp");
        ::setenv("TMPDIR", (home() / "tmp").c_str(), 1);
    }
    ~SetupFileTest() override {
        ::unsetenv("XDG_DESKTOP_DIR");
        ::unsetenv("TMPDIR");
    }

    fs::path Desktop() const { return home() / "Desktop"; }
    fs::path Destination() const { return home() / ".local" / "opt" / "Bodelog V1.0"; }
    fs::path Menu() const { return dataHome() / "applications" / "Bodelog V1.0"; }
    fs::path EngineFolder() const {
        return home() / ".local" / "opt" / "Common Files" / "Database Engine";
    }
    MachineRecords Records() const {
        return MachineRecords(dataHome() / "registry" / "machine.reg");
    }

    // Unattended runs need no display and no platform chosen for them.
    static std::string Headless(const std::string& command) {
        return "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " + command;
    }

    int Install() const {
        return Shell(Headless(Quoted(BODELOG_SETUP_FILE) +
                              " --quiet -- --unattended --per-user > setup.out 2>&1"));
    }
};

TEST_F(SetupFileTest, InstallsEverythingAndRegistersIt) {
    ASSERT_EQ(Install(), 0) << ReadTextFile(home() / "setup.out");

    for (const char* name :
         {"Bodelog", "Bodeloghlp.hlp", "Bodeloghlp.cnt", "Example Data.db", "Example Data.PX",
          "License.txt", "Readme.txt", "file_id.diz", "uninstall", "helpviewer"}) {
        EXPECT_TRUE(fs::is_regular_file(Destination() / name)) << name;
    }
    EXPECT_TRUE(fs::is_regular_file(EngineFolder() / "libbodelog_paradox.so"));

    const MachineRecords records = Records();
    for (const char* help : {"Bodeloghlp.hlp", "Bodeloghlp.cnt"}) {
        EXPECT_EQ(records.ReadString(kHelpKey, help), Destination().string()) << help;
    }
    EXPECT_EQ(
        records.ReadDword(kSharedDllsKey, (EngineFolder() / "libbodelog_paradox.so").string()), 1U);
    EXPECT_EQ(records.ReadString(kEngineKey, kEngineFolderValue), EngineFolder().string());

    std::vector<fs::path> entries = {
        Desktop() / "Bodelog.desktop",
        dataHome() / "desktop-directories" / "halvane-bodelog-v1.0.directory"};
    for (const char* name : {"uninstall", "Bodelog Help", "License", "Readme", "Bodelog"}) {
        entries.push_back(Menu() / (std::string(name) + ".desktop"));
    }
    for (const fs::path& entry : entries) {
        EXPECT_EQ(Shell("desktop-file-validate " + Quoted(entry) + " > validate.out 2>&1"), 0)
            << entry << ReadTextFile(home() / "validate.out");
        EXPECT_EQ(ReadTextFile(home() / "validate.out"), "") << entry;
    }
}

TEST_F(SetupFileTest, DesktopEntryStartsBodelogWhichOpensTheExampleLog) {
    ASSERT_EQ(Install(), 0) << ReadTextFile(home() / "setup.out");
    const fs::path entry = Desktop() / "Bodelog.desktop";

    EXPECT_EQ(EntryValue(entry, "Exec"), "\"" + (Destination() / "Bodelog").string() + "\"");
    const fs::path workingFolder = EntryValue(entry, "Path");
    EXPECT_EQ(workingFolder, Destination());
    EXPECT_NE(fs::status(Destination() / "Bodelog").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    ASSERT_EQ(Shell("ldd " + Quoted(Destination() / "Bodelog") + " > ldd.out 2>&1"), 0);
    EXPECT_THAT(ReadTextFile(home() / "ldd.out"), testing::Not(testing::HasSubstr("not found")));

    // The example log is the current file; Bodelog opens it by its bare
    // name in its working folder, with the driver the engine's record names.
    registry::TRegistry settings(registry::RootKey::CurrentUser,
                                 registry::RegistryLocations::FromEnvironment());
    ASSERT_TRUE(settings.OpenKey("\\Software\\Halvane\\Bodelog\\", true));
    settings.WriteString("Current File", "Example Data.db");
    settings.WriteInteger("Auto Entry", 0);
    settings.WriteInteger("Pounds", 1);
    // The Exec line was checked above: it starts exactly this program.
    const fs::path program = Destination() / "Bodelog";
    const pid_t pid = StartIn(program, workingFolder, home() / "bodelog.out");
    ASSERT_GT(pid, 0);
    const fs::path lock = Destination() / "Example Data.db.lck";
    int status = 0;
    bool opened = false;
    // Waits until the program holds the log open, or has ended; the bound
    // only keeps a hung start from hanging the suite.
    for (int i = 0; i < 3000 && !opened && ::waitpid(pid, &status, WNOHANG) == 0; ++i) {
        opened = HoldsOpen(pid, lock);
        if (!opened) {
            ::usleep(20000);
        }
    }
    const std::string maps = ReadTextFile("/proc/" + std::to_string(pid) + "/maps");
    ::kill(pid, SIGTERM);
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(opened) << ReadTextFile(home() / "bodelog.out");
    EXPECT_THAT(maps, testing::HasSubstr((EngineFolder() / "libbodelog_paradox.so").string()));
}

TEST_F(SetupFileTest, ExampleLogHoldsMonthsOfDailyWeights) {
    ASSERT_EQ(Install(), 0) << ReadTextFile(home() / "setup.out");
    fs::current_path(Destination());
    const fs::path recorded = *Records().ReadString(kEngineKey, kEngineFolderValue);
    db::Engine& engine = db::LoadEngine({recorded});
    const auto table = engine.open("Example Data.db");
    ASSERT_GT(table->recordCount(), 90u) << "a few months of entries";
    const auto first = std::get<db::Date>(table->record(0)[0]);
    const auto last = std::get<db::Date>(table->record(table->recordCount() - 1)[0]);
    EXPECT_EQ(static_cast<std::size_t>(last.days - first.days + 1), table->recordCount())
        << "one entry per day";
    for (std::size_t i = 0; i < table->recordCount(); ++i) {
        const double pounds = std::get<double>(table->record(i)[1]);
        EXPECT_TRUE(pounds > 100 && pounds < 300) << pounds;
    }
}

TEST_F(SetupFileTest, HelpIsFoundThroughTheHelpRegistry) {
    ASSERT_EQ(Install(), 0) << ReadTextFile(home() / "setup.out");
    fs::create_directories(home() / "elsewhere");

    const QString found = help::LocateHelpFile(
        "Bodeloghlp.hlp", QString::fromStdString((home() / "elsewhere").string()),
        InstallPlaces::For({home(), dataHome(), configHome(), Desktop(), false}).records);

    EXPECT_EQ(found.toStdString(), (Destination() / "Bodeloghlp.hlp").string());
}

TEST_F(SetupFileTest, UninstallRemovesItAllButTheUsersLog) {
    const auto listing = [&] {
        std::vector<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(home())) {
            const fs::path relative = fs::relative(entry.path(), home());
            if (*relative.begin() != "tmp" && relative.extension() != ".out") {
                paths.push_back(relative.string());
            }
        }
        std::ranges::sort(paths);
        return paths;
    };
    const auto before = listing();
    ASSERT_EQ(Install(), 0) << ReadTextFile(home() / "setup.out");
    WriteTextFile(Destination() / "Mine.db", "my own log");

    ASSERT_EQ(
        Shell(Headless(Quoted(Destination() / "uninstall") + " --unattended > uninstall.out 2>&1")),
        0)
        << ReadTextFile(home() / "uninstall.out");

    EXPECT_THAT(ReadTextFile(home() / "uninstall.out"),
                testing::HasSubstr("remain in " + Destination().string()));
    EXPECT_EQ(ReadTextFile(Destination() / "Mine.db"), "my own log");
    // Only the user's log and the folders that hold it are left.
    auto after = listing();
    std::erase_if(after, [](const std::string& path) { return path.starts_with("data"); });
    std::vector<std::string> expected = before;
    std::erase_if(expected, [](const std::string& path) { return path.starts_with("data"); });
    for (const char* kept :
         {".local", ".local/opt", ".local/opt/Bodelog V1.0", ".local/opt/Bodelog V1.0/Mine.db"}) {
        expected.push_back(kept);
    }
    std::ranges::sort(expected);
    EXPECT_EQ(after, expected);
    const MachineRecords records = Records();
    EXPECT_FALSE(records.ReadString(kHelpKey, "Bodeloghlp.hlp"));
    EXPECT_FALSE(records.ReadString(kEngineKey, kEngineFolderValue));
    EXPECT_FALSE(fs::exists(EngineFolder() / "libbodelog_paradox.so"));
    // The records the installation began hold nothing more, and go.
    EXPECT_FALSE(fs::exists(dataHome() / "registry"));
}

}  // namespace
