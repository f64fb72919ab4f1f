#include "help/contentsfile.h"

#include <gtest/gtest.h>

#include "help/helperror.h"

namespace {

using help::ContentsEntry;
using help::ContentsFile;
using help::EHelpError;
using help::ParseContentsFile;

TEST(ContentsFileTest, ReadsCommandsBooksAndTopics) {
    const ContentsFile contents =
        ParseContentsFile(QStringLiteral(":Base Some.hlp\r\n"
                                         ":Title Some Help\n"
                                         ":Index Other=other.hlp\n"
                                         "\n"
                                         "1 Book one\n"
                                         "2 Topic = a = b=a.html\n"
                                         "2 Inner book\n"
                                         "3 Deep=c.html\n"
                                         "1 Last=d.html\n"));
    EXPECT_EQ(contents.base, "Some.hlp");
    EXPECT_EQ(contents.title, "Some Help");
    const QList<ContentsEntry> entries{{1, "Book one", ""},
                                       {2, "Topic = a = b", "a.html"},
                                       {2, "Inner book", ""},
                                       {3, "Deep", "c.html"},
                                       {1, "Last", "d.html"}};
    EXPECT_EQ(contents.entries, entries);
}

TEST(ContentsFileTest, WrittenFileReadsBack) {
    const ContentsFile contents{
        "Some.hlp", "Some Help", {{1, "Book", ""}, {2, "Topic", "a.html"}, {1, "Other", "b.html"}}};
    const ContentsFile read = ParseContentsFile(help::FormatContentsFile(contents));
    EXPECT_EQ(read.base, contents.base);
    EXPECT_EQ(read.title, contents.title);
    EXPECT_EQ(read.entries, contents.entries);
}

struct BadContents {
    const char* name;
    const char* text;
    const char* error;
};

class ContentsFileErrorTest : public ::testing::TestWithParam<BadContents> {};

TEST_P(ContentsFileErrorTest, NamesTheLineAtFault) {
    try {
        ParseContentsFile(QString::fromUtf8(GetParam().text));
        FAIL() << "accepted";
    } catch (const EHelpError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContentsFileErrorTest,
    ::testing::Values(BadContents{"NoLevel", ":Title T\nBook\n",
                                  "line 2: a contents line starts with its level and a blank"},
                      BadContents{"LevelZero", "0 Book\n",
                                  "line 1: a contents line starts with its level and a blank"},
                      BadContents{"FirstLineDeep", "2 Book\n",
                                  "line 1: this contents line is deeper than the book above it"},
                      BadContents{"SkipsALevel", "1 Book\n3 Topic=a.html\n",
                                  "line 2: this contents line is deeper than the book above it"},
                      BadContents{"TopicWithoutFile", "1 Topic=\n",
                                  "line 1: a contents line needs a title, and a topic its file"},
                      BadContents{"TopicWithoutTitle", "1 =a.html\n",
                                  "line 1: a contents line needs a title, and a topic its file"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
