#include "shell/settingsstore.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <fstream>
#include <optional>
#include <sstream>

#include "registry/regfile.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using registry::kRegBinary;
using registry::kRegDword;
using registry::kRegSz;
using registry::RegValue;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Halvane\\Bodelog";

Bytes DoubleBytes(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    Bytes bytes;
    for (int i = 0; i < 8; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    return bytes;
}

RegValue Dword(const std::string& name, std::uint8_t value) {
    return {name, kRegDword, {value, 0, 0, 0}};
}

RegValue Goal(const std::string& name, double value) {
    return {name, kRegBinary, DoubleBytes(value)};
}

// Each test starts from a store file written by hand, goes through the store,
// and reads the file back as the registry format has it.
class SettingsStoreTest : public TempHomeTest {
protected:
    fs::path StoreFile() const { return configHome() / "Halvane" / "Bodelog.reg"; }

    void WriteStore(const std::string& valueLines) const {
        fs::create_directories(StoreFile().parent_path());
        std::ofstream(StoreFile(), std::ios::binary)
            << "Windows Registry Editor Version 5.00\n\n[" << kKey << "]\n"
            << valueLines;
    }

    std::vector<RegValue> StoredValues() const {
        const registry::RegTree tree = registry::ParseRegFile(ReadTextFile(StoreFile()));
        const registry::RegKey* key = tree.Find(kKey);
        return key == nullptr ? std::vector<RegValue>{} : key->values;
    }

    std::optional<RegValue> Stored(const std::string& name) const {
        for (const RegValue& value : StoredValues()) {
            if (value.name == name) {
                return value;
            }
        }
        return std::nullopt;
    }

    ActivationSettings Activate(std::string& currentFile) const {
        return SettingsStore().ReadActivationSettings(currentFile);
    }
};

void ExpectSettings(const ActivationSettings& settings, bool autoEntry, bool pounds, float goal) {
    EXPECT_EQ(settings.autoEntry, autoEntry);
    EXPECT_EQ(settings.pounds, pounds);
    EXPECT_EQ(settings.goal, goal);
}

TEST_F(SettingsStoreTest, FirstStartCreatesTheKeyWithBothBooleansAndNoGoal) {
    std::string currentFile;
    ExpectSettings(Activate(currentFile), true, true, 0.0f);
    EXPECT_EQ(currentFile, "");
    EXPECT_EQ(StoredValues(), (std::vector<RegValue>{Dword("Auto Entry", 1), Dword("Pounds", 1)}));
}

TEST_F(SettingsStoreTest, NewFileGetsAZeroGoalAtTheNextActivation) {
    std::string currentFile;
    Activate(currentFile);
    SettingsStore().SetRegInfo(1, "Anna.db", false, 0.0f);
    ExpectSettings(Activate(currentFile), true, true, 0.0f);
    EXPECT_EQ(currentFile, "Anna.db");
    EXPECT_EQ(Stored("Anna"), Goal("Anna", 0.0));
}

struct BooleansCase {
    const char* name;
    const char* lines;
    bool autoEntry;
    bool pounds;
    std::uint8_t storedAutoEntry;
    std::uint8_t storedPounds;
};

class SettingsBooleansTest : public SettingsStoreTest,
                             public ::testing::WithParamInterface<BooleansCase> {};

TEST_P(SettingsBooleansTest, UnreadableEitherRewritesBoth) {
    const BooleansCase& c = GetParam();
    WriteStore(c.lines);
    std::string currentFile;
    const ActivationSettings settings = Activate(currentFile);
    EXPECT_EQ(settings.autoEntry, c.autoEntry);
    EXPECT_EQ(settings.pounds, c.pounds);
    EXPECT_EQ(Stored("Auto Entry"), Dword("Auto Entry", c.storedAutoEntry));
    EXPECT_EQ(Stored("Pounds"), Dword("Pounds", c.storedPounds));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsBooleansTest,
    ::testing::Values(
        BooleansCase{"BothZero", "\"Auto Entry\"=dword:00000000\n\"Pounds\"=dword:00000000\n",
                     false, false, 0, 0},
        BooleansCase{"AnyNonZeroIsTrue",
                     "\"Auto Entry\"=dword:00000007\n\"Pounds\"=dword:00000000\n", true, false, 7,
                     0},
        BooleansCase{"PoundsMissing", "\"Auto Entry\"=dword:00000000\n", true, true, 1, 1},
        BooleansCase{"PoundsAsText", "\"Auto Entry\"=dword:00000000\n\"Pounds\"=\"0\"\n", true,
                     true, 1, 1},
        BooleansCase{"AutoEntryAsBinary",
                     "\"Auto Entry\"=hex:00,00,00,00\n\"Pounds\"=dword:00000000\n", true, true, 1,
                     1},
        BooleansCase{"AutoEntryShortDword",
                     "\"Auto Entry\"=hex(4):00,00\n\"Pounds\"=dword:00000000\n", true, true, 1, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct GoalCase {
    const char* name;
    const char* line;  // the value "Anna"; "" for none
    float goal;
    bool rewritten;  // the value is replaced by the double 0.0
};

class SettingsGoalTest : public SettingsStoreTest,
                         public ::testing::WithParamInterface<GoalCase> {};

TEST_P(SettingsGoalTest, ReadsOnlyAnEightByteBinary) {
    const GoalCase& c = GetParam();
    WriteStore(std::string("\"Current File\"=\"/logs/Anna.db\"\n") + c.line + "\n");
    const std::optional<RegValue> before = Stored("Anna");
    std::string currentFile;
    EXPECT_EQ(Activate(currentFile).goal, c.goal);
    EXPECT_EQ(Stored("Anna"), c.rewritten ? Goal("Anna", 0.0) : before);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsGoalTest,
    ::testing::Values(
        GoalCase{"Double", "\"Anna\"=hex:00,00,00,00,00,d0,62,40", 150.5f, false},
        GoalCase{"Missing", "", 0.0f, true},
        GoalCase{"Dword", "\"Anna\"=dword:00000096", 0.0f, true},
        GoalCase{"FourBytes", "\"Anna\"=hex:00,80,16,43", 0.0f, true},
        GoalCase{"TenBytes", "\"Anna\"=hex:00,00,00,00,00,d0,62,40,00,00", 0.0f, true},
        GoalCase{"Text", "\"Anna\"=\"150.5\"", 0.0f, true},
        GoalCase{"EightBytesOfAnotherType", "\"Anna\"=hex(0):00,00,00,00,00,d0,62,40", 0.0f, true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct CurrentFileCase {
    const char* name;
    const char* line;  // the value "Current File"; "" for none
    const char* currentFile;
};

class SettingsCurrentFileTest : public SettingsStoreTest,
                                public ::testing::WithParamInterface<CurrentFileCase> {};

TEST_P(SettingsCurrentFileTest, ReadsTextUpToTheFirstZero) {
    WriteStore(std::string(GetParam().line) + "\n");
    std::string currentFile = "/old/Bob.db";
    Activate(currentFile);
    EXPECT_EQ(currentFile, GetParam().currentFile);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsCurrentFileTest,
    ::testing::Values(
        CurrentFileCase{"Text", "\"Current File\"=\"/logs/Anna.db\"", "/logs/Anna.db"},
        CurrentFileCase{"TextWithZeroAndMore",
                        "\"Current File\"=hex(1):2f,00,41,00,2e,00,64,00,62,00,00,00,78,00",
                        "/A.db"},
        CurrentFileCase{"ExpandText", "\"Current File\"=hex(2):2f,00,41,00,2e,00,64,00,62,00,00,00",
                        "/A.db"},
        CurrentFileCase{"Missing", "", ""},
        CurrentFileCase{"Dword", "\"Current File\"=dword:00000001", "/old/Bob.db"},
        CurrentFileCase{"Binary", "\"Current File\"=hex:2f,41,2e,64,62", "/old/Bob.db"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// An unreadable "Current File" counts as an unreadable goal: the goal of the
// file kept from before is reset, even when it could be read.
TEST_F(SettingsStoreTest, UnreadableCurrentFileResetsTheGoalOfTheFileKept) {
    WriteStore("\"Current File\"=dword:00000001\n\"Bob\"=hex:00,00,00,00,00,d0,62,40\n");
    std::string currentFile = "/old/Bob.db";
    EXPECT_EQ(Activate(currentFile).goal, 0.0f);
    EXPECT_EQ(Stored("Bob"), Goal("Bob", 0.0));
}

TEST_F(SettingsStoreTest, UnreadableCurrentFileAtStartWritesNoGoal) {
    WriteStore("\"Current File\"=dword:00000001\n");
    std::string currentFile;
    ExpectSettings(Activate(currentFile), true, true, 0.0f);
    EXPECT_EQ(currentFile, "");
    EXPECT_EQ(StoredValues().size(), 3u);
    SettingsStore().SetRegInfo(1, "/logs/Anna.db", false, 0.0f);
    EXPECT_EQ(Stored("Current File"),
              (RegValue{"Current File", kRegSz,
                        Bytes{'/', 'l', 'o', 'g', 's', '/', 'A', 'n', 'n', 'a', '.', 'd', 'b'}}));
}

TEST_F(SettingsStoreTest, SameFileNameInTwoFoldersSharesTheGoal) {
    const SettingsStore store;
    store.SetRegInfo(1, "/home/a/Anna.db", false, 0.0f);
    store.SetRegInfo(4, "Anna", false, 150.5f);
    store.SetRegInfo(1, "/media/b/Anna.db", false, 0.0f);
    std::string currentFile;
    EXPECT_EQ(store.ReadActivationSettings(currentFile).goal, 150.5f);
    EXPECT_EQ(currentFile, "/media/b/Anna.db");
}

TEST_F(SettingsStoreTest, GoalIsStoredAsTheDoubleOfItsSinglePrecisionValue) {
    const SettingsStore store;
    store.SetRegInfo(1, "/logs/Anna.db", false, 0.0f);
    store.SetRegInfo(4, "Anna", false, 150.3f);
    EXPECT_EQ(Stored("Anna"), Goal("Anna", static_cast<double>(150.3f)));
    EXPECT_NE(DoubleBytes(static_cast<double>(150.3f)), DoubleBytes(150.3));
    std::string currentFile;
    EXPECT_EQ(store.ReadActivationSettings(currentFile).goal, 150.3f);
}

TEST_F(SettingsStoreTest, EmptyPersonNameAddressesTheUnnamedValue) {
    const SettingsStore store;
    store.SetRegInfo(4, "", false, 99.5f);
    EXPECT_NE(ReadTextFile(StoreFile()).find("\n@=hex:00,00,00,00,00,e0,58,40\n"),
              std::string::npos);
    store.SetRegInfo(1, "/logs/.db", false, 0.0f);
    std::string currentFile;
    EXPECT_EQ(store.ReadActivationSettings(currentFile).goal, 99.5f);
}

struct SelectorCase {
    const char* name;
    int selector;
    const char* text;
    bool flag;
    float number;
    std::vector<RegValue> stored;  // the key's values afterwards
};

class SetRegInfoTest : public SettingsStoreTest,
                       public ::testing::WithParamInterface<SelectorCase> {};

TEST_P(SetRegInfoTest, WritesTheOneSettingNamed) {
    const SelectorCase& c = GetParam();
    WriteStore("\"Auto Entry\"=dword:00000001\n\"Pounds\"=dword:00000001\n");
    SettingsStore().SetRegInfo(c.selector, c.text, c.flag, c.number);
    EXPECT_EQ(StoredValues(), c.stored);
}

const RegValue kAutoEntryOn = Dword("Auto Entry", 1);
const RegValue kPoundsOn = Dword("Pounds", 1);

INSTANTIATE_TEST_SUITE_P(
    Selectors, SetRegInfoTest,
    ::testing::Values(
        SelectorCase{
            "CurrentFileWithoutZero",
            1,
            "/logs/Anna.db",
            true,
            5.0f,
            {kAutoEntryOn, kPoundsOn,
             RegValue{"Current File", kRegSz,
                      Bytes{'/', 'l', 'o', 'g', 's', '/', 'A', 'n', 'n', 'a', '.', 'd', 'b'}}}},
        SelectorCase{"AutoEntryOff", 2, "", false, 5.0f, {Dword("Auto Entry", 0), kPoundsOn}},
        SelectorCase{"PoundsOff", 3, "", false, 5.0f, {kAutoEntryOn, Dword("Pounds", 0)}},
        SelectorCase{"PoundsOn", 3, "", true, 5.0f, {kAutoEntryOn, kPoundsOn}},
        SelectorCase{
            "Goal", 4, "Anna", false, 150.5f, {kAutoEntryOn, kPoundsOn, Goal("Anna", 150.5)}},
        SelectorCase{"SelectorZero", 0, "Anna", false, 150.5f, {kAutoEntryOn, kPoundsOn}},
        SelectorCase{"SelectorFive", 5, "Anna", false, 150.5f, {kAutoEntryOn, kPoundsOn}},
        SelectorCase{"NegativeSelector", -1, "Anna", false, 150.5f, {kAutoEntryOn, kPoundsOn}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SettingsStoreTest, AutoEntryChosenTwiceWritesZeroThenOne) {
    const SettingsStore store;
    store.SetRegInfo(2, "", false, 0.0f);
    EXPECT_EQ(Stored("Auto Entry"), Dword("Auto Entry", 0));
    store.SetRegInfo(2, "", true, 0.0f);
    EXPECT_EQ(Stored("Auto Entry"), Dword("Auto Entry", 1));
}

// A file where the folder belongs stops root too.
TEST_F(SettingsStoreTest, StoreThatCannotBeCreatedTakesDefaultsSilently) {
    fs::create_directories(configHome());
    std::ofstream(configHome() / "Halvane") << "in the way";
    const SettingsStore store;
    std::string currentFile = "/logs/Kept.db";
    ExpectSettings(store.ReadActivationSettings(currentFile), true, true, 0.0f);
    EXPECT_EQ(currentFile, "/logs/Kept.db");
    for (int selector = 1; selector <= 4; ++selector) {
        EXPECT_NO_THROW(store.SetRegInfo(selector, "Anna", false, 1.0f));
    }
    EXPECT_EQ(ReadTextFile(configHome() / "Halvane"), "in the way");
}

TEST_F(SettingsStoreTest, ReadOnlyFolderDropsWritesAndKeepsReading) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not apply to root";
    }
    WriteStore(
        "\"Auto Entry\"=dword:00000000\n\"Pounds\"=\"text\"\n\"Current File\"=\"/logs/Anna.db\"\n");
    const std::string before = ReadTextFile(StoreFile());
    fs::permissions(StoreFile().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    const SettingsStore store;
    std::string currentFile;
    ExpectSettings(store.ReadActivationSettings(currentFile), true, true, 0.0f);
    EXPECT_EQ(currentFile, "/logs/Anna.db");
    EXPECT_NO_THROW(store.SetRegInfo(3, "", false, 0.0f));
    EXPECT_EQ(ReadTextFile(StoreFile()), before);
}

TEST_F(SettingsStoreTest, CorruptFileIsKeptAsBackupAndDefaultsAreWritten) {
    fs::create_directories(StoreFile().parent_path());
    std::ofstream(StoreFile()) << "\"Pounds\"=dword:00000000\n";
    std::string currentFile;
    ExpectSettings(Activate(currentFile), true, true, 0.0f);
    EXPECT_EQ(ReadTextFile(StoreFile().string() + ".bak"), "\"Pounds\"=dword:00000000\n");
    EXPECT_EQ(StoredValues(), (std::vector<RegValue>{Dword("Auto Entry", 1), Dword("Pounds", 1)}));
}

}  // namespace
