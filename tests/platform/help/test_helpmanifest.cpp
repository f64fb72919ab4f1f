#include "help/helpmanifest.h"

#include <gtest/gtest.h>

#include "help/helperror.h"

namespace {

using help::ContentsEntry;
using help::EHelpError;
using help::HelpManifest;
using help::ParseManifest;

const QString kManifest = QStringLiteral(
    "# comment\n"
    "[help]\n"
    "title =  Some  Help \n"
    "\n"
    "[topics]\r\n"
    "  a.html | Alpha  topic | 1 7 | one;  Two words ; ;three\n"
    "b.html|Beta||\n"
    "[contents]\n"
    "Book\n"
    "    Inner book\n"
    "        b.html\n"
    "    a.html\n"
    "a.html\n");

TEST(HelpManifestTest, ReadsTitleTopicsAndContentsTree) {
    const HelpManifest manifest = ParseManifest(kManifest);
    EXPECT_EQ(manifest.title, "Some Help");
    ASSERT_EQ(manifest.topics.size(), 2);
    EXPECT_EQ(manifest.topics[0].file, "a.html");
    EXPECT_EQ(manifest.topics[0].title, "Alpha topic");
    EXPECT_EQ(manifest.topics[0].contexts, (QList<int>{1, 7}));
    EXPECT_EQ(manifest.topics[0].keywords, (QStringList{"one", "Two words", "three"}));
    EXPECT_TRUE(manifest.topics[1].contexts.isEmpty());
    EXPECT_TRUE(manifest.topics[1].keywords.isEmpty());
    const QList<ContentsEntry> contents{{1, "Book", ""},
                                        {2, "Inner book", ""},
                                        {3, "Beta", "b.html"},
                                        {2, "Alpha topic", "a.html"},
                                        {1, "Alpha topic", "a.html"}};
    EXPECT_EQ(manifest.contents, contents);
}

TEST(HelpManifestTest, TopicIndexReadsBackAsTheTopics) {
    const HelpManifest manifest = ParseManifest(kManifest);
    const HelpManifest index = ParseManifest(help::FormatTopicIndex(manifest));
    EXPECT_EQ(index.title, manifest.title);
    ASSERT_EQ(index.topics.size(), manifest.topics.size());
    for (qsizetype i = 0; i < index.topics.size(); ++i) {
        EXPECT_EQ(index.topics[i].file, manifest.topics[i].file);
        EXPECT_EQ(index.topics[i].title, manifest.topics[i].title);
        EXPECT_EQ(index.topics[i].contexts, manifest.topics[i].contexts);
        EXPECT_EQ(index.topics[i].keywords, manifest.topics[i].keywords);
    }
    EXPECT_TRUE(index.contents.isEmpty());
}

struct BadManifest {
    const char* name;
    const char* text;
    const char* error;
};

class HelpManifestErrorTest : public ::testing::TestWithParam<BadManifest> {};

TEST_P(HelpManifestErrorTest, NamesTheLineAtFault) {
    const QString text = QStringLiteral("[help]\ntitle = T\n") + QString::fromUtf8(GetParam().text);
    try {
        ParseManifest(text);
        FAIL() << "accepted";
    } catch (const EHelpError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpManifestErrorTest,
    ::testing::Values(
        BadManifest{"ThreeFields", "[topics]\na.html | A | 1\n",
                    "line 4: a topic needs four fields: file | title | contexts | keywords"},
        BadManifest{"WordForContext", "[topics]\na.html | A | 1 x | k\n",
                    "line 4: \"x\" is not a context number"},
        BadManifest{"ZeroContext", "[topics]\na.html | A | 0 | k\n",
                    "line 4: \"0\" is not a context number"},
        BadManifest{"NotHtml", "[topics]\na.txt | A | | k\n",
                    "line 4: \"a.txt\" is not a topic file name ending in .html"},
        BadManifest{"FileInFolder", "[topics]\nsub/a.html | A | | k\n",
                    "line 4: \"sub/a.html\" is not a topic file name ending in .html"},
        BadManifest{"NoTitle", "[topics]\na.html |  | | k\n",
                    "line 4: topic \"a.html\" has no title"},
        BadManifest{"FileTwice", "[topics]\na.html | A | | \na.html | B | | \n",
                    "line 5: topic \"a.html\" is listed twice"},
        BadManifest{"ContextTwice", "[topics]\na.html | A | 3 | \nb.html | B | 4 3 | \n",
                    "line 5: context 3 is given to two topics"},
        BadManifest{"UnknownSection", "[pages]\n", "line 3: unknown section [pages]"},
        BadManifest{"UnknownSetting", "[help]\nauthor = me\n",
                    "line 4: the [help] section holds only \"title = ...\""},
        BadManifest{"OddIndent", "[topics]\na.html | A | | \n[contents]\nB\n  a.html\n",
                    "line 7: contents lines are indented by four blanks per level"},
        BadManifest{"TabIndent", "[topics]\na.html | A | | \n[contents]\nB\n\ta.html\n",
                    "line 7: contents lines are indented with blanks only"},
        BadManifest{"TooDeep", "[topics]\na.html | A | | \n[contents]\nB\n        a.html\n",
                    "line 7: this contents line is deeper than the book above it"},
        BadManifest{"UnknownTopic", "[topics]\na.html | A | | \n[contents]\nB\n    c.html\n",
                    "line 7: \"c.html\" is not a topic of [topics]"},
        BadManifest{"EmptyBook", "[topics]\na.html | A | | \n[contents]\nB\nC\n    a.html\n",
                    "line 6: book \"B\" holds nothing"},
        BadManifest{"EmptyLastBook", "[topics]\na.html | A | | \n[contents]\na.html\nB\n",
                    "line 7: book \"B\" holds nothing"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(HelpManifestTest, RefusesTextBeforeTheFirstSectionAndAMissingTitle) {
    EXPECT_THROW(ParseManifest(QStringLiteral("a.html | A | | \n")), EHelpError);
    EXPECT_THROW(ParseManifest(QStringLiteral("[topics]\na.html | A | | \n")), EHelpError);
}

}  // namespace
