#include "help/helpsources.h"

#include <gtest/gtest.h>

#include <QFile>

#include "support/tempfolder.h"

namespace {

using help::CheckHelpSources;
using help::HelpManifest;
using help::ParseManifest;

const QString kManifest = QStringLiteral(
    "[help]\ntitle = T\n"
    "[topics]\n"
    "a.html | File > New | 5 | \n"
    "b.html | Beta | | \n"
    "[contents]\n"
    "Book\n"
    "    a.html\n"
    "    b.html\n");

QString Page(const QString& title, const QString& body) {
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title, body);
}

class HelpSourcesTest : public ::testing::Test {
protected:
    QDir Folder() const { return QDir(QString::fromStdString(folder_.path().string())); }

    void Write(const QString& file, const QString& text) const {
        QFile out(Folder().filePath(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
    }

private:
    TempFolder folder_;
};

TEST_F(HelpSourcesTest, SourcesThatMatchTheManifestPass) {
    Write("a.html", Page("File &gt; New",
                         "<a href=\"b.html\">b</a> <a href=\"b.html#part\">part</a> "
                         "<a href=\"#top\">top</a> <a href=\"https://example.org/\">web</a>"));
    Write("b.html", Page(" Beta\n", "<A HREF=\"a.html\">a</A>"));
    EXPECT_TRUE(CheckHelpSources(ParseManifest(kManifest), Folder()).isEmpty());
}

struct SourceFault {
    const char* name;
    const char* bBody;
    const char* bTitle;
    const char* problem;
};

class HelpSourcesFaultTest : public HelpSourcesTest,
                             public ::testing::WithParamInterface<SourceFault> {};

TEST_P(HelpSourcesFaultTest, IsReported) {
    Write("a.html", Page("File &gt; New", ""));
    Write("b.html", Page(GetParam().bTitle, GetParam().bBody));
    EXPECT_EQ(CheckHelpSources(ParseManifest(kManifest), Folder()),
              QStringList{GetParam().problem});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HelpSourcesFaultTest,
    ::testing::Values(SourceFault{"OtherTitle", "", "Gamma",
                                  "b.html: its <title> \"Gamma\" is not the manifest's \"Beta\""},
                      SourceFault{"Script", "<SCRIPT>x()</SCRIPT>", "Beta",
                                  "b.html: holds a script"},
                      SourceFault{"LinkToNoTopic", "<a href=\"c.html\">c</a>", "Beta",
                                  "b.html: links to \"c.html\", which is not a topic"},
                      SourceFault{"LinkWithAnchorToNoTopic", "<a href=\"c.html#s\">c</a>", "Beta",
                                  "b.html: links to \"c.html#s\", which is not a topic"},
                      SourceFault{"SingleQuotedLink", "<a href='c.html'>c</a>", "Beta",
                                  "b.html: links to \"c.html\", which is not a topic"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(HelpSourcesTest, MissingTopicFileAndBookTitleWithEqualsAreReported) {
    Write("a.html", Page("File &gt; New", ""));
    HelpManifest manifest = ParseManifest(kManifest);
    manifest.contents[0].title = "A = B";
    EXPECT_EQ(
        CheckHelpSources(manifest, Folder()),
        (QStringList{"b.html: cannot be read", "book \"A = B\": a book title holds no \"=\""}));
}

TEST_F(HelpSourcesTest, ResourceListNamesIndexAndTopicsByAbsolutePath) {
    const QString list = help::FormatResourceList(ParseManifest(kManifest), Folder(),
                                                  Folder().filePath("x & y.index.txt"));
    EXPECT_TRUE(list.contains(QStringLiteral("<file alias=\"index.txt\">%1</file>")
                                  .arg(Folder().absoluteFilePath("x &amp; y.index.txt"))));
    EXPECT_TRUE(list.contains(QStringLiteral("<file alias=\"a.html\">%1</file>")
                                  .arg(Folder().absoluteFilePath("a.html"))));
    EXPECT_TRUE(list.contains(QStringLiteral("<file alias=\"b.html\">%1</file>")
                                  .arg(Folder().absoluteFilePath("b.html"))));
}

}  // namespace
