#include "registry/regfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using registry::kRegBinary;
using registry::kRegDword;
using registry::kRegExpandSz;
using registry::kRegMultiSz;
using registry::kRegNone;
using registry::kRegSz;
using registry::ParseRegFile;
using registry::RegFileError;
using registry::RegKey;
using registry::RegTree;
using registry::RegValue;
using registry::SerializeRegFile;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Halvane\\Bodelog";

Bytes B(const std::string& text) {
    return {text.begin(), text.end()};
}

RegTree OneValue(RegValue value) {
    return RegTree{{RegKey{kKey, {std::move(value)}}}};
}

struct FormatCase {
    const char* name;
    RegValue value;
    const char* line;  // as it appears in the file
};

class RegFileFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(RegFileFormatTest, WritesTheLineAndReadsBackTheSameValue) {
    const RegTree tree = OneValue(GetParam().value);
    const std::string text = SerializeRegFile(tree);
    EXPECT_EQ(text, std::string("Windows Registry Editor Version 5.00\n\n[") + kKey + "]\n" +
                        GetParam().line + "\n\n");
    EXPECT_EQ(ParseRegFile(text), tree);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegFileFormatTest,
    ::testing::Values(
        FormatCase{"Text",
                   {"Current File", kRegSz, B("/logs/Anna.db")},
                   R"("Current File"="/logs/Anna.db")"},
        FormatCase{"QuotesAndBackslashes",
                   {R"(say "hi" \ there)", kRegSz, B(R"(C:\Logs\"Anna".db)")},
                   R"("say \"hi\" \\ there"="C:\\Logs\\\"Anna\".db")"},
        FormatCase{"UnnamedValue", {"", kRegSz, B("x")}, R"(@="x")"},
        FormatCase{"ValueNamedAt", {"@", kRegSz, B("y")}, R"("@"="y")"},
        FormatCase{"NonAsciiText",
                   {"J\xC3\xBCrgen", kRegSz, B("M\xC3\xBCller")},
                   "\"J\xC3\xBCrgen\"=\"M\xC3\xBCller\""},
        FormatCase{"EmptyText", {"Current File", kRegSz, {}}, R"("Current File"="")"},
        FormatCase{"TextWithZeroByte",
                   {"t", kRegSz, B(std::string("a\0b", 3))},
                   R"("t"=hex(1):61,00,00,00,62,00)"},
        FormatCase{
            "TextWithLineBreak", {"t", kRegSz, B("a\nb")}, R"("t"=hex(1):61,00,0a,00,62,00)"},
        FormatCase{"TextNotUtf8", {"t", kRegSz, {0x41, 0xFF}}, R"("t"=hex(1):41,00,ff,dc)"},
        FormatCase{"ExpandText",
                   {"Path", kRegExpandSz, B(std::string("%HOME%\0", 7))},
                   R"("Path"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00)"},
        FormatCase{"ExpandTextWithoutZero",
                   {"Path", kRegExpandSz, B("%A%")},
                   R"("Path"=hex(2):25,00,41,00,25,00)"},
        FormatCase{"MultiText",
                   {"m", kRegMultiSz, B(std::string("a\0b\0\0", 5))},
                   R"("m"=hex(7):61,00,00,00,62,00,00,00,00,00)"},
        FormatCase{"Dword", {"Pounds", kRegDword, {0x01, 0, 0, 0}}, R"("Pounds"=dword:00000001)"},
        FormatCase{
            "DwordByteOrder", {"n", kRegDword, {0x78, 0x56, 0x34, 0x12}}, R"("n"=dword:12345678)"},
        FormatCase{"ShortDword", {"n", kRegDword, {0x01, 0x00}}, R"("n"=hex(4):01,00)"},
        FormatCase{"Binary",
                   {"Anna", kRegBinary, {0, 0, 0, 0, 0, 0xD0, 0x62, 0x40}},
                   R"("Anna"=hex:00,00,00,00,00,d0,62,40)"},
        FormatCase{"EmptyBinary", {"e", kRegBinary, {}}, R"("e"=hex:)"},
        FormatCase{"NoneType", {"n", kRegNone, {}}, R"("n"=hex(0):)"},
        FormatCase{"OtherType",
                   {"q", 0xB, {1, 2, 3, 4, 5, 6, 7, 8}},
                   R"("q"=hex(b):01,02,03,04,05,06,07,08)"},
        FormatCase{"LongBinaryWrapsLines",
                   {"Bytes", kRegBinary, Bytes(30, 0xAB)},
                   "\"Bytes\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,"
                   "ab,\\\n  ab,ab,ab,ab,ab,ab,ab,ab"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RegFileTest, KeysAndValuesKeepTheirOrder) {
    const RegTree tree{
        {RegKey{"HKEY_CURRENT_USER\\B", {{"z", kRegSz, B("1")}, {"a", kRegSz, B("2")}}},
         RegKey{"HKEY_CURRENT_USER\\A", {}},
         RegKey{"HKEY_CURRENT_USER\\B\\C", {{"", kRegDword, {0, 0, 0, 0}}}}}};
    EXPECT_EQ(ParseRegFile(SerializeRegFile(tree)), tree);
}

TEST(RegFileTest, LineBreakInANameCannotBeWritten) {
    EXPECT_THROW(SerializeRegFile(OneValue({"a\nb", kRegSz, B("x")})), RegFileError);
    EXPECT_THROW(SerializeRegFile(RegTree{{RegKey{"HKEY_CURRENT_USER\\a\rb", {}}}}), RegFileError);
}

// A file as the system's registry editor exports it.
constexpr const char* kExported =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Halvane\\Bodelog]\r\n"
    "\"Current File\"=\"C:\\\\Logs\\\\Anna.db\"\r\n"
    "\"Auto Entry\"=dword:00000000\r\n"
    "\"Pounds\"=dword:00000001\r\n"
    "\"Anna\"=hex:00,00,00,00,00,d0,62,40\r\n"
    "@=\"default\"\r\n"
    "\"Path\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,00,46,00,49,00,4c,00,\\\r\n"
    "  45,00,25,00,5c,00,4c,00,6f,00,67,00,73,00,00,00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Halvane\\Bodelog\\Window]\r\n"
    "\"Left\"=dword:0000000A\r\n"
    "\r\n";

std::string WithoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

std::string Utf16WithMark(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (const char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

struct EncodingCase {
    const char* name;
    std::string text;
};

class RegFileExportTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(RegFileExportTest, ReadsAllValues) {
    const RegTree tree = ParseRegFile(GetParam().text);
    const RegTree expected{
        {RegKey{kKey,
                {{"Current File", kRegSz, B("C:\\Logs\\Anna.db")},
                 {"Auto Entry", kRegDword, {0, 0, 0, 0}},
                 {"Pounds", kRegDword, {1, 0, 0, 0}},
                 {"Anna", kRegBinary, {0, 0, 0, 0, 0, 0xD0, 0x62, 0x40}},
                 {"", kRegSz, B("default")},
                 {"Path", kRegExpandSz, B(std::string("%USERPROFILE%\\Logs\0", 19))}}},
         RegKey{std::string(kKey) + "\\Window", {{"Left", kRegDword, {10, 0, 0, 0}}}}}};
    EXPECT_EQ(tree, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, RegFileExportTest,
    ::testing::Values(EncodingCase{"Utf8Crlf", kExported},
                      EncodingCase{"Utf8Lf", WithoutCarriageReturns(kExported)},
                      EncodingCase{"Utf8WithMark", "\xEF\xBB\xBF" + std::string(kExported)},
                      EncodingCase{"Utf16WithMark", Utf16WithMark(kExported)}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RegFileTest, ImportFormsApplyInOrder) {
    const RegTree tree = ParseRegFile(
        "REGEDIT4\n"
        "; a comment\n"
        "[HKEY_CURRENT_USER\\Old]\n"
        "\"x\"=\"1\"\n"
        "[HKEY_CURRENT_USER\\Old\\Sub]\n"
        "[HKEY_CURRENT_USER\\Keep]\n"
        "\"Path\"=hex(2):25,41,25,00\n"
        "\"gone\"=dword:00000001\n"
        "\"PATH\"=\"later wins\"\n"
        "\"gone\"=-\n"
        "  \"indented\" = dword:2\n"
        "[-HKEY_CURRENT_USER\\Old]\n");
    const RegTree expected{
        {RegKey{"HKEY_CURRENT_USER\\Keep",
                {{"Path", kRegSz, B("later wins")}, {"indented", kRegDword, {2, 0, 0, 0}}}}}};
    EXPECT_EQ(tree, expected);
}

TEST(RegFileTest, OldFormKeepsExpandTextAsItsBytes) {
    const RegTree tree =
        ParseRegFile("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"p\"=hex(2):25,41,25,00\n");
    ASSERT_EQ(tree.keys.size(), 1u);
    EXPECT_EQ(tree.keys[0].values[0].data, B(std::string("%A%\0", 4)));
}

struct MalformedCase {
    const char* name;
    std::string text;
};

class RegFileMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(RegFileMalformedTest, IsRefused) {
    EXPECT_THROW(ParseRegFile(GetParam().text), RegFileError);
}

const std::string kHead = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n";

INSTANTIATE_TEST_SUITE_P(
    Texts, RegFileMalformedTest,
    ::testing::Values(
        MalformedCase{"Empty", ""}, MalformedCase{"NoHeader", "[HKEY_CURRENT_USER\\K]\n"},
        MalformedCase{"OtherHeader", "Windows Registry Editor Version 6.00\n"},
        MalformedCase{"ValueBeforeSection", "Windows Registry Editor Version 5.00\n\"a\"=\"b\"\n"},
        MalformedCase{"ValueAfterDeletedKey", "REGEDIT4\n[-HKEY_CURRENT_USER\\K]\n\"a\"=\"b\"\n"},
        MalformedCase{"UnclosedSection",
                      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\n"},
        MalformedCase{"EmptySection", "Windows Registry Editor Version 5.00\n[]\n"},
        MalformedCase{"UnclosedQuote", kHead + "\"a\"=\"open\n"},
        MalformedCase{"TextAfterQuote", kHead + "\"a\"=\"b\" c\n"},
        MalformedCase{"UnquotedName", kHead + "a=dword:00000001\n"},
        MalformedCase{"NoEquals", kHead + "\"a\" dword:00000001\n"},
        MalformedCase{"UnknownKind", kHead + "\"a\"=word:00000001\n"},
        MalformedCase{"DwordTooLong", kHead + "\"a\"=dword:000000001\n"},
        MalformedCase{"DwordNotHex", kHead + "\"a\"=dword:0000000g\n"},
        MalformedCase{"BadHexByte", kHead + "\"a\"=hex:01,zz\n"},
        MalformedCase{"HexByteTooLong", kHead + "\"a\"=hex:012\n"},
        MalformedCase{"MissingHexByte", kHead + "\"a\"=hex:01,,02\n"},
        MalformedCase{"BadHexType", kHead + "\"a\"=hex(2:00\n"},
        MalformedCase{"ContinuationAtEnd", kHead + "\"a\"=hex:01,\\\n"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RegFileTest, ErrorNamesTheLine) {
    try {
        ParseRegFile(kHead + "\"ok\"=dword:00000001\n\"a\"=hex:zz\n");
        FAIL() << "no error";
    } catch (const RegFileError& e) {
        EXPECT_STREQ(e.what(), "line 4: 'zz' is not a hex byte");
    }
}

}  // namespace
