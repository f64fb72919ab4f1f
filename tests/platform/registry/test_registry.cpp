#include "registry/registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <optional>
#include <sstream>

#include "registry/regfile.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using registry::ERegistryException;
using registry::RegDataType;
using registry::RegistryLocations;
using registry::RegTree;
using registry::RootKey;
using registry::TRegistry;

constexpr const char* kKeyPath = "\\Software\\Halvane\\Bodelog\\";
constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Halvane\\Bodelog";
constexpr const char* kHeader = "Windows Registry Editor Version 5.00\n\n";

class RegistryTest : public TempHomeTest {
protected:
    fs::path StoreFile() const { return configHome() / "Halvane" / "Bodelog.reg"; }

    // A store holding the settings key with these value lines.
    void WriteStore(const std::string& valueLines) const {
        WriteTextFile(StoreFile(), std::string(kHeader) + "[" + kKey + "]\n" + valueLines);
    }

    RegTree Stored() const { return registry::ParseRegFile(ReadTextFile(StoreFile())); }
};

TEST_F(RegistryTest, CreatesTheUserStoreInRegistryFormat) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, true));
    reg.WriteInteger("Pounds", 1);
    reg.WriteString("Current File", "C:\\Logs\\\"Anna\".db");
    reg.CloseKey();
    EXPECT_EQ(ReadTextFile(StoreFile()), std::string(kHeader) + "[" + kKey +
                                             "]\n"
                                             "\"Pounds\"=dword:00000001\n"
                                             "\"Current File\"=\"C:\\\\Logs\\\\\\\"Anna\\\".db\"\n"
                                             "\n");
}

struct KeyPathCase {
    const char* name;
    std::vector<const char*> opens;  // opened in turn, each with create
};

class RegistryKeyPathTest : public RegistryTest,
                            public ::testing::WithParamInterface<KeyPathCase> {};

TEST_P(RegistryKeyPathTest, ReachesTheSettingsKey) {
    TRegistry reg;
    for (const char* path : GetParam().opens) {
        ASSERT_TRUE(reg.OpenKey(path, true)) << path;
    }
    reg.WriteInteger("v", 1);
    const RegTree stored = Stored();
    const registry::RegKey* key = stored.Find(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_NE(key->Find("v"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RegistryKeyPathTest,
    ::testing::Values(KeyPathCase{"LeadingAndTrailingBackslash",
                                  {"\\Software\\Halvane\\Bodelog\\"}},
                      KeyPathCase{"NoBackslashes", {"Software\\Halvane\\Bodelog"}},
                      KeyPathCase{"DoubledBackslashes", {"\\\\Software\\\\Halvane\\Bodelog\\\\"}},
                      KeyPathCase{"RelativeToTheOpenKey", {"\\Software", "Halvane\\Bodelog\\"}},
                      KeyPathCase{"AbsoluteAfterAnOpenKey",
                                  {"\\Software\\Other", "\\Software\\Halvane\\Bodelog"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(RegistryTest, OpenWithoutCreateFindsOnlyExistingKeys) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(kKeyPath, false));
    EXPECT_FALSE(fs::exists(StoreFile()));
    ASSERT_TRUE(reg.OpenKey(kKeyPath, true));
    EXPECT_TRUE(reg.OpenKey(kKeyPath, false));
    EXPECT_TRUE(reg.OpenKey("\\SOFTWARE\\halvane", false));
    EXPECT_FALSE(reg.OpenKey("\\Software\\Halvane\\Other", false));
}

TEST_F(RegistryTest, FailedOpenKeepsTheKeyOpenBefore) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, true));
    EXPECT_FALSE(reg.OpenKey("\\Software\\Missing", false));
    reg.WriteInteger("Pounds", 0);
    EXPECT_EQ(reg.ReadInteger("Pounds"), 0);
    EXPECT_NE(Stored().Find(kKey)->Find("Pounds"), nullptr);
}

struct TypedValueCase {
    const char* name;
    const char* line;  // value "v" as in the file; "" for none
    RegDataType type;
    int size;
    std::optional<std::string> text;  // what ReadString gives; nothing when it throws
    std::optional<int> integer;
    std::optional<std::vector<std::uint8_t>> binary;
};

class RegistryTypedValueTest : public RegistryTest,
                               public ::testing::WithParamInterface<TypedValueCase> {};

TEST_P(RegistryTypedValueTest, ReadsOnlyAsItsType) {
    const TypedValueCase& c = GetParam();
    WriteStore(std::string(c.line) + "\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, false));
    EXPECT_EQ(reg.ValueExists("v"), c.type != RegDataType::None);
    EXPECT_EQ(reg.GetDataType("v"), c.type);
    EXPECT_EQ(reg.GetDataSize("v"), c.size);
    if (c.text) {
        EXPECT_EQ(reg.ReadString("v"), *c.text);
    } else {
        EXPECT_THROW(reg.ReadString("v"), ERegistryException);
    }
    if (c.integer) {
        EXPECT_EQ(reg.ReadInteger("v"), *c.integer);
    } else {
        EXPECT_THROW(reg.ReadInteger("v"), ERegistryException);
    }
    std::array<std::uint8_t, 16> buffer{};
    if (c.binary) {
        const int size = reg.ReadBinaryData("v", buffer.data(), 16);
        EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + size), *c.binary);
    } else {
        EXPECT_THROW(reg.ReadBinaryData("v", buffer.data(), 16), ERegistryException);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, RegistryTypedValueTest,
    ::testing::Values(
        TypedValueCase{"Text", R"("v"="Anna")", RegDataType::String, 4, "Anna", {}, {}},
        TypedValueCase{"TextUpToZeroByte",
                       R"("v"=hex(1):41,00,00,00,42,00)",
                       RegDataType::String,
                       3,
                       "A",
                       {},
                       {}},
        TypedValueCase{
            "ExpandText", R"("v"=hex(2):41,00,00,00)", RegDataType::ExpandString, 2, "A", {}, {}},
        TypedValueCase{"Dword", R"("v"=dword:ffffffff)", RegDataType::Integer, 4, {}, -1, {}},
        TypedValueCase{"ShortDword", R"("v"=hex(4):01,00)", RegDataType::Integer, 2, {}, {}, {}},
        TypedValueCase{"Binary",
                       R"("v"=hex:01,02,03)",
                       RegDataType::Binary,
                       3,
                       {},
                       {},
                       std::vector<std::uint8_t>{1, 2, 3}},
        TypedValueCase{
            "MultiText", R"("v"=hex(7):41,00,00,00,00,00)", RegDataType::Unknown, 3, {}, {}, {}},
        TypedValueCase{"Missing", "", RegDataType::None, -1, {}, {}, {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(RegistryTest, BinaryLargerThanTheBufferIsRefused) {
    WriteStore("\"v\"=hex:01,02,03\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, false));
    std::array<std::uint8_t, 3> buffer{};
    EXPECT_THROW(reg.ReadBinaryData("v", buffer.data(), 2), ERegistryException);
    EXPECT_EQ(reg.ReadBinaryData("v", buffer.data(), 3), 3);
}

TEST_F(RegistryTest, TextsAreWrittenWithoutTerminatingZero) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, true));
    reg.WriteString("Current File", "/logs/Anna.db");
    reg.WriteExpandString("Path", "%HOME%");
    EXPECT_EQ(reg.GetDataSize("Current File"), 13);
    EXPECT_EQ(reg.ReadString("Current File"), "/logs/Anna.db");
    EXPECT_EQ(reg.GetDataType("Path"), RegDataType::ExpandString);
    EXPECT_EQ(reg.GetDataSize("Path"), 6);
    EXPECT_EQ(reg.ReadString("Path"), "%HOME%");
}

TEST_F(RegistryTest, WithoutAnOpenKeyNothingIsReadOrWritten) {
    WriteStore("\"v\"=dword:00000001\n");
    TRegistry reg;
    EXPECT_FALSE(reg.ValueExists("v"));
    EXPECT_THROW(reg.WriteInteger("v", 2), ERegistryException);
    ASSERT_TRUE(reg.OpenKey(kKeyPath, false));
    reg.CloseKey();
    EXPECT_EQ(reg.GetDataSize("v"), -1);
    EXPECT_THROW(reg.ReadInteger("v"), ERegistryException);
    EXPECT_THROW(reg.WriteBinaryData("v", "x", 1), ERegistryException);
    EXPECT_EQ(Stored().Find(kKey)->values.size(), 1u);
}

TEST_F(RegistryTest, ValueNamesIgnoreAsciiCase) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, true));
    reg.WriteInteger("Pounds", 1);
    reg.WriteInteger("POUNDS", 0);
    EXPECT_EQ(reg.ReadInteger("pounds"), 0);
    const RegTree stored = Stored();
    const auto& values = stored.Find(kKey)->values;
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "Pounds");
}

TEST_F(RegistryTest, EveryReadSeesTheStoreAsItIsNow) {
    TRegistry reader;
    ASSERT_TRUE(reader.OpenKey(kKeyPath, true));
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey(kKeyPath, false));
    writer.WriteInteger("Pounds", 0);
    EXPECT_EQ(reader.ReadInteger("Pounds"), 0);
    WriteStore("\"Pounds\"=dword:00000005\n");
    EXPECT_EQ(reader.ReadInteger("Pounds"), 5);
}

TEST_F(RegistryTest, UnparseableStoreIsBackedUpAndStartsEmpty) {
    WriteTextFile(StoreFile(), "garbage");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, true));
    EXPECT_FALSE(reg.ValueExists("Pounds"));
    EXPECT_EQ(ReadTextFile(StoreFile().string() + ".bak"), "garbage");
    EXPECT_NE(Stored().Find(kKey), nullptr);
}

TEST_F(RegistryTest, StoreThatCannotBeCreatedOpensNothing) {
    WriteTextFile(configHome() / "Halvane", "a file where the folder belongs");
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(kKeyPath, true));
    EXPECT_FALSE(reg.OpenKey(kKeyPath, false));
    EXPECT_THROW(reg.WriteInteger("Pounds", 1), ERegistryException);
}

TEST_F(RegistryTest, ReadOnlyFolderKeepsReadsAndRefusesWrites) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not apply to root";
    }
    WriteStore("\"Pounds\"=dword:00000000\n");
    fs::permissions(StoreFile().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKeyPath, true));
    EXPECT_EQ(reg.ReadInteger("Pounds"), 0);
    EXPECT_THROW(reg.WriteInteger("Pounds", 1), ERegistryException);
}

// Machine records: per-user file first, then the system one.
class MachineRegistryTest : public RegistryTest {
protected:
    MachineRegistryTest() {
        locations_.currentUser = StoreFile();
        locations_.userMachine = dataHome() / "registry" / "machine.reg";
        locations_.systemMachine = home() / "system" / "machine.reg";
        WriteTextFile(locations_.userMachine, std::string(kHeader) + "[" + kEngineKey +
                                                  "]\n\"DLLPATH\"=\"/home/engine\"\n");
        WriteTextFile(locations_.systemMachine, std::string(kHeader) + "[" + kEngineKey +
                                                    "]\n\"DLLPATH\"=\"/usr/lib/engine\"\n"
                                                    "\"CONFIG\"=\"/etc/engine.cfg\"\n");
    }

    std::string Read(const std::string& name) const {
        TRegistry reg(RootKey::LocalMachine, locations_);
        EXPECT_TRUE(reg.OpenKey("SOFTWARE\\Database Engine", false));
        return reg.ReadString(name);
    }

    static constexpr const char* kEngineKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Database Engine";
    RegistryLocations locations_;
};

TEST_F(MachineRegistryTest, ReadsPreferTheUserFile) {
    EXPECT_EQ(Read("DLLPATH"), "/home/engine");
    EXPECT_EQ(Read("CONFIG"), "/etc/engine.cfg");
}

TEST_F(MachineRegistryTest, WritesGoToTheFileOfTheScope) {
    for (const bool systemScope : {false, true}) {
        locations_.systemScope = systemScope;
        TRegistry reg(RootKey::LocalMachine, locations_);
        ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Database Engine\\", false));
        reg.WriteString("DLLPATH", systemScope ? "/opt/sys" : "/opt/user");
    }
    const auto stored = [](const fs::path& file) {
        const RegTree tree = registry::ParseRegFile(ReadTextFile(file));
        const auto& data = tree.Find(kEngineKey)->Find("DLLPATH")->data;
        return std::string(data.begin(), data.end());
    };
    EXPECT_EQ(stored(locations_.userMachine), "/opt/user");
    EXPECT_EQ(stored(locations_.systemMachine), "/opt/sys");
}

TEST_F(MachineRegistryTest, KeyOnlyInTheSystemFileOpensAndAWriteThatFailsThrows) {
    fs::remove(locations_.userMachine);
    WriteTextFile(dataHome() / "registry" / "blocked", "");
    locations_.userMachine = dataHome() / "registry" / "blocked" / "machine.reg";
    EXPECT_EQ(Read("DLLPATH"), "/usr/lib/engine");
    TRegistry reg(RootKey::LocalMachine, locations_);
    ASSERT_TRUE(reg.OpenKey("SOFTWARE\\Database Engine", false));
    EXPECT_THROW(reg.WriteString("DLLPATH", "/x"), ERegistryException);
}

}  // namespace
