#include "help/helpfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include "help/helpsources.h"
#include "helptestfiles.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using help::ContentsEntry;
using help::EHelpError;
using help::HelpFile;

const QList<TestTopic> kTopics{
    {"a.html", "Alpha", {1, 7}, {"Shared", "apple"}, "<p>Alpha text</p>"},
    {"b.html", "Beta", {2}, {"shared", "banana"}, "<p>Beta text</p>"},
    {"c.html", "Gamma", {}, {"cherry"}, "<p>Gamma text</p>"}};

QString InFolder(const fs::path& folder, const QString& name) {
    return QDir(QString::fromStdString(folder.string())).filePath(name);
}

void WriteText(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class HelpFileTest : public ::testing::Test {
protected:
    const fs::path& Folder() const { return folder_.path(); }
    QString SmallHelp() const { return WriteHelpFile(Folder(), "small.hlp", kTopics); }

private:
    TempFolder folder_;
};

TEST_F(HelpFileTest, FindsTopicsByFileAndContext) {
    const HelpFile file = HelpFile::Load(SmallHelp());
    EXPECT_EQ(file.Path(), QFileInfo(InFolder(Folder(), "small.hlp")).absoluteFilePath());
    EXPECT_EQ(file.Title(), "Test Help");
    EXPECT_EQ(file.TopicForContext(1)->file, "a.html");
    EXPECT_EQ(file.TopicForContext(7)->file, "a.html");
    EXPECT_EQ(file.TopicForContext(2)->file, "b.html");
    EXPECT_EQ(file.TopicForContext(3), nullptr);
    EXPECT_EQ(file.Topic("c.html")->title, "Gamma");
    EXPECT_TRUE(file.TopicHtml("b.html")->contains("<p>Beta text</p>"));
    EXPECT_FALSE(file.TopicHtml("z.html").has_value());
}

TEST_F(HelpFileTest, IndexHasOneEntryPerKeywordWhateverItsCase) {
    const HelpFile file = HelpFile::Load(SmallHelp());
    QStringList keywords;
    for (const help::IndexEntry& entry : file.Index()) {
        keywords.push_back(entry.keyword);
    }
    EXPECT_EQ(keywords, (QStringList{"apple", "banana", "cherry", "Shared"}));
    ASSERT_NE(file.Keyword("SHARED"), nullptr);
    EXPECT_EQ(file.Keyword("SHARED")->files, (QStringList{"a.html", "b.html"}));
    EXPECT_EQ(file.Keyword("shar"), nullptr);
}

TEST_F(HelpFileTest, ContentsComeFromTheContentsFileBesideIt) {
    const QString path = SmallHelp();
    EXPECT_EQ(HelpFile::Load(path).Contents(),
              (QList<ContentsEntry>{
                  {1, "Alpha", "a.html"}, {1, "Beta", "b.html"}, {1, "Gamma", "c.html"}}));
    WriteText(InFolder(Folder(), "small.cnt"),
              ":Title T\n1 Book\n2 Second=b.html\n1 First=a.html\n");
    EXPECT_EQ(
        HelpFile::Load(path).Contents(),
        (QList<ContentsEntry>{{1, "Book", ""}, {2, "Second", "b.html"}, {1, "First", "a.html"}}));
}

struct BrokenHelp {
    const char* name;
    QString (*make)(const fs::path& folder);  // the help file's path
    const char* reason;                       // the message's second line
};

class HelpFileErrorTest : public HelpFileTest, public ::testing::WithParamInterface<BrokenHelp> {};

TEST_P(HelpFileErrorTest, ExplainsWhyTheFileCannotBeOpened) {
    const QString path = GetParam().make(Folder());
    try {
        HelpFile::Load(path);
        FAIL() << "opened";
    } catch (const EHelpError& error) {
        const QString message = QString::fromStdString(error.what());
        EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot open the help file \"")));
        EXPECT_TRUE(message.section(u'\n', 0, 0).contains(QFileInfo(path).fileName()));
        const QString folder = QString::fromStdString(Folder().string()) + u'/';
        EXPECT_EQ(message.section(u'\n', 1).replace(folder, "<folder>/"),
                  QString::fromUtf8(GetParam().reason));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpFileErrorTest,
    ::testing::Values(
        BrokenHelp{"Missing", [](const fs::path& f) { return InFolder(f, "none.hlp"); },
                   "The file does not exist."},
        BrokenHelp{"Folder", [](const fs::path& f) { return InFolder(f, ""); },
                   "The file does not exist."},
        BrokenHelp{"NotAResource",
                   [](const fs::path& f) {
                       WriteText(InFolder(f, "text.hlp"), "This is not a help file.\n");
                       return InFolder(f, "text.hlp");
                   },
                   "It cannot be read, or it is not a help file."},
        BrokenHelp{"Empty",
                   [](const fs::path& f) {
                       WriteText(InFolder(f, "empty.hlp"), "");
                       return InFolder(f, "empty.hlp");
                   },
                   "It cannot be read, or it is not a help file."},
        BrokenHelp{"NoTopicIndex",
                   [](const fs::path& f) {
                       return PackHelpFile(f, "noindex.hlp", {{"a.html", "<p>a</p>"}});
                   },
                   "It is damaged: it has no topic index."},
        BrokenHelp{"BadTopicIndex",
                   [](const fs::path& f) {
                       return PackHelpFile(f, "badindex.hlp", {{help::kTopicIndexName, "a | b"}});
                   },
                   "It is damaged: its topic index, line 1: text before the first section."},
        BrokenHelp{"TopicMissing",
                   [](const fs::path& f) {
                       return PackHelpFile(f, "short.hlp",
                                           {{help::kTopicIndexName,
                                             "[help]\ntitle = T\n[topics]\na.html | A | | \n"}});
                   },
                   "It is damaged: topic \"a.html\" is missing."},
        BrokenHelp{"ContentsWithoutLevels",
                   [](const fs::path& f) {
                       WriteText(InFolder(f, "small.cnt"), "Book\n");
                       return WriteHelpFile(f, "small.hlp", kTopics);
                   },
                   "Its contents file \"<folder>/small.cnt\" is damaged: line 1: a contents line "
                   "starts with its level and a blank."},
        BrokenHelp{"ContentsNameNoTopic",
                   [](const fs::path& f) {
                       WriteText(InFolder(f, "small.cnt"), "1 Book\n2 Z=z.html\n");
                       return WriteHelpFile(f, "small.hlp", kTopics);
                   },
                   "Its contents file \"<folder>/small.cnt\" is damaged: there is no topic "
                   "\"z.html\"."}),
    [](const auto& param) { return std::string(param.param.name); });

class DamagedHelpFileTest : public HelpFileTest {
protected:
    QByteArray Bytes() const {
        QFile whole(SmallHelp());
        EXPECT_TRUE(whole.open(QIODevice::ReadOnly));
        return whole.readAll();
    }
    QString Damaged(const QByteArray& bytes) const {
        const QString path = InFolder(Folder(), "damaged.hlp");
        WriteText(path, bytes);
        return path;
    }
};

TEST_F(DamagedHelpFileTest, TruncatedFileIsRefused) {
    const QByteArray bytes = Bytes();
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        EXPECT_THROW(HelpFile::Load(Damaged(bytes.left(size))), EHelpError) << size;
    }
}

TEST_F(DamagedHelpFileTest, AnyChangedByteIsReadOrRefusedWithoutHarm) {
    const QByteArray bytes = Bytes();
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        QByteArray damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0xA5);
        try {
            HelpFile::Load(Damaged(damaged));
        } catch (const EHelpError&) {
            // Refused with a message: what a damaged file should get.
        }
    }
}

// The program's own help file, as the build made it.
class ProgramHelpFileTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        file_ = std::make_unique<HelpFile>(HelpFile::Load(RealHelpFile()));
    }
    static void TearDownTestSuite() { file_.reset(); }
    static const HelpFile& File() { return *file_; }

private:
    static inline std::unique_ptr<HelpFile> file_;
};

TEST_P(ProgramHelpFileTest, ContextHasATopicWithItsHeadingAndText) {
    const help::HelpTopic* topic = File().TopicForContext(GetParam());
    ASSERT_NE(topic, nullptr);
    const QString html = *File().TopicHtml(topic->file);
    EXPECT_TRUE(html.contains(QStringLiteral("<h1>%1</h1>").arg(topic->title.toHtmlEscaped())))
        << topic->file.toStdString();
    EXPECT_TRUE(html.contains(u"<p>")) << topic->file.toStdString();
    EXPECT_FALSE(topic->keywords.isEmpty()) << topic->file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Contexts, ProgramHelpFileTest, ::testing::ValuesIn(ProgramContexts()));

TEST_F(ProgramHelpFileTest, ContextsAreExactlyThoseOfTheProgram) {
    QList<int> contexts;
    for (const help::HelpTopic& topic : File().Topics()) {
        contexts += topic.contexts;
    }
    std::ranges::sort(contexts);
    EXPECT_EQ(contexts, ProgramContexts());
}

TEST_F(ProgramHelpFileTest, ContentsHoldEveryTopicOnce) {
    QStringList inContents;
    for (const ContentsEntry& entry : File().Contents()) {
        if (!entry.IsBook()) {
            inContents.push_back(entry.file);
        }
    }
    QStringList topics;
    for (const help::HelpTopic& topic : File().Topics()) {
        topics.push_back(topic.file);
    }
    std::ranges::sort(inContents);
    std::ranges::sort(topics);
    EXPECT_EQ(inContents, topics);
}

}  // namespace
