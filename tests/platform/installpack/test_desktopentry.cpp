#include "installpack/desktopentry.h"

#include <gtest/gtest.h>

namespace {

using installpack::DesktopEntry;
using installpack::QuoteExecArgument;

struct QuoteCase {
    std::string argument;
    std::string quoted;
};

class QuoteExecArgumentTest : public testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteExecArgumentTest, QuotesWhatTheEntryFormatReserves) {
    EXPECT_EQ(QuoteExecArgument(GetParam().argument), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuoteExecArgumentTest,
    testing::Values(QuoteCase{"xdg-open", "xdg-open"},
                    QuoteCase{"/opt/Bodelog V1.0/Bodelog", "\"/opt/Bodelog V1.0/Bodelog\""},
                    QuoteCase{"/a/$HOME`x`\"q\"", "\"/a/\\$HOME\\`x\\`\\\"q\\\"\""},
                    QuoteCase{"/a/b\\c", "\"/a/b\\\\c\""}, QuoteCase{"/a/100%", "/a/100%%"},
                    QuoteCase{"", "\"\""}));

TEST(DesktopEntryTest, EscapesTheExecLineAsAStringValue) {
    const DesktopEntry entry{"Bodelog", "Bodelog V1.0", {"/a b/c\\d"}, "/a b"};
    // The quoting doubles the backslash, the string value rules double it again.
    EXPECT_EQ(entry.ToText(),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Bodelog\n"
              "Comment=Bodelog V1.0\nExec=\"/a b/c\\\\\\\\d\"\nPath=/a b\nTerminal=false\n");
}

}  // namespace
