#include "help/helpfilelocator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "help/helperror.h"
#include "registry/registry.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using help::EHelpError;
using help::LocateHelpFile;
using registry::RegistryLocations;

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

class HelpFileLocatorTest : public TempHomeTest {
protected:
    HelpFileLocatorTest() {
        // The per-user machine file, even when the tests run as root.
        locations_.systemScope = false;
        fs::create_directories(ProgramFolder());
        fs::create_directories(HelpFolder());
    }

    fs::path ProgramFolder() const { return home() / "program"; }
    fs::path HelpFolder() const { return home() / "help files"; }
    const RegistryLocations& Locations() const { return locations_; }

    static void Touch(const fs::path& file) {
        QFile out(Q(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }

    void Register(const std::string& name, const std::string& folder) const {
        registry::TRegistry machine(registry::RootKey::LocalMachine, locations_);
        ASSERT_TRUE(machine.OpenKey(help::kHelpRegistryKey, true));
        machine.WriteString(name, folder);
    }

    QString Locate(const QString& name) const {
        return LocateHelpFile(name, Q(ProgramFolder()), locations_);
    }

private:
    RegistryLocations locations_ = RegistryLocations::FromEnvironment();
};

TEST_F(HelpFileLocatorTest, NameWithAFolderIsTakenAsItStands) {
    Touch(ProgramFolder() / "x.hlp");
    EXPECT_EQ(Locate("docs/x.hlp"), "docs/x.hlp");
    EXPECT_EQ(Locate("/nowhere/x.hlp"), "/nowhere/x.hlp");
}

TEST_F(HelpFileLocatorTest, BareNameIsFoundBesideTheProgram) {
    Touch(ProgramFolder() / "x.hlp");
    Register("x.hlp", HelpFolder().string());
    Touch(HelpFolder() / "x.hlp");
    EXPECT_EQ(Locate("x.hlp"), Q(ProgramFolder() / "x.hlp"));
}

TEST_F(HelpFileLocatorTest, BareNameIsFoundInTheFolderRegisteredForIt) {
    Touch(HelpFolder() / "x.hlp");
    Register("X.HLP", HelpFolder().string());
    EXPECT_EQ(Locate("x.hlp"), Q(HelpFolder() / "x.hlp"));
    EXPECT_TRUE(fs::exists(dataHome() / "registry" / "machine.reg"));
}

TEST_F(HelpFileLocatorTest, BareNameFoundNowhereIsReported) {
    // An empty folder must not mean the working directory.
    Touch(home() / "other.hlp");
    Register("x.hlp", (home() / "empty").string());
    Register("other.hlp", "");
    for (const char* name : {"x.hlp", "other.hlp", "unregistered.hlp"}) {
        try {
            Locate(name);
            ADD_FAILURE() << name << " found";
        } catch (const EHelpError& error) {
            EXPECT_EQ(
                std::string(error.what()),
                std::string("Cannot open the help file \"") + name +
                    "\".\nIt is neither beside the program nor in a folder registered for help.");
        }
    }
}

TEST_F(HelpFileLocatorTest, ValueOfAnotherTypeIsNoFolder) {
    Touch(HelpFolder() / "x.hlp");
    registry::TRegistry machine(registry::RootKey::LocalMachine, Locations());
    ASSERT_TRUE(machine.OpenKey(help::kHelpRegistryKey, true));
    machine.WriteInteger("x.hlp", 1);
    EXPECT_THROW(Locate("x.hlp"), EHelpError);
}

}  // namespace
