#include "registry/utf16.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& text) {
    return {text.begin(), text.end()};
}

struct Utf16Case {
    const char* name;
    Bytes utf8;
    Bytes utf16;
};

class Utf16Test : public ::testing::TestWithParam<Utf16Case> {};

// Each byte string maps to its UTF-16 form and comes back unchanged, valid or not.
TEST_P(Utf16Test, ConvertsAndComesBack) {
    const Utf16Case& c = GetParam();
    EXPECT_EQ(registry::Utf8ToUtf16Le(c.utf8), c.utf16);
    EXPECT_EQ(registry::Utf16LeToUtf8(c.utf16), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16Test,
    ::testing::Values(
        Utf16Case{"Ascii", B("A\\b"), {0x41, 0, 0x5C, 0, 0x62, 0}},
        Utf16Case{"ZeroByte", B(std::string("a\0", 2)), {0x61, 0, 0, 0}},
        Utf16Case{"TwoByteSequence", B("\xC3\xBC"), {0xFC, 0}},
        Utf16Case{"SurrogatePair", B("\xF0\x9F\x98\x80"), {0x3D, 0xD8, 0x00, 0xDE}},
        Utf16Case{"InvalidByte", {0xFF}, {0xFF, 0xDC}},
        Utf16Case{"TruncatedSequence", {0xE2, 0x82}, {0xE2, 0xDC, 0x82, 0xDC}},
        Utf16Case{"OverlongForm", {0xC0, 0xAF}, {0xC0, 0xDC, 0xAF, 0xDC}},
        Utf16Case{"EncodedSurrogate", {0xED, 0xA0, 0x80}, {0xED, 0xDC, 0xA0, 0xDC, 0x80, 0xDC}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Utf16Test, ForeignLoneSurrogateBecomesReplacementAndOddByteStays) {
    EXPECT_EQ(registry::Utf16LeToUtf8(Bytes{0x00, 0xD8, 0x41, 0x00}), B("\xEF\xBF\xBD"
                                                                        "A"));
    EXPECT_EQ(registry::Utf16LeToUtf8(Bytes{0x41, 0x00, 0x42}), B("AB"));
}

TEST(Utf16Test, ValidUtf8IsRecognised) {
    EXPECT_TRUE(registry::IsValidUtf8(B("J\xC3\xBCrgen")));
    EXPECT_FALSE(registry::IsValidUtf8(Bytes{0x4A, 0xFC}));
}

}  // namespace
