#include "help/helpviewer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

#include "help/helpfile.h"
#include "help/topicbrowser.h"
#include "helptestfiles.h"
#include "support/tempfolder.h"

namespace {

using help::HelpFile;
using help::HelpViewer;
using help::TopicBrowser;

const QList<TestTopic> kTopics{{"a.html",
                                "Alpha",
                                {1, 7},
                                {"Shared", "apple"},
                                "<p>Alpha text, <a href=\"c.html\">see Gamma</a></p>"},
                               {"b.html", "Beta", {2}, {"shared", "banana"}, "<p>Beta text</p>"},
                               {"c.html", "Gamma", {}, {"cherry"}, "<p>Gamma text</p>"}};

void Click(QWidget* widget, QPoint at, bool twice = false) {
    const QPointF point(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    if (twice) {
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, point, global, Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &doubleClick);
        QApplication::sendEvent(widget, &release);
    }
}

void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void PressReturn(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// The links of the page shown, each with the position of its second
// character, which lies on the line where the link starts.
QList<std::pair<QString, int>> Links(QTextBrowser* browser) {
    QList<std::pair<QString, int>> links;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isAnchor()) {
                links.push_back({fragment.charFormat().anchorHref(), fragment.position() + 1});
            }
        }
    }
    return links;
}

// Scrolls the character at a position into view and clicks it.
void ClickText(QTextBrowser* browser, int position) {
    QTextCursor cursor(browser->document());
    cursor.setPosition(position);
    browser->setTextCursor(cursor);
    browser->ensureCursorVisible();
    Click(browser->viewport(), browser->cursorRect(cursor).center() + QPoint(2, 0));
}

// A shown viewer, with the parts a user works with found by name.
class ViewerFixture {
protected:
    explicit ViewerFixture(const QString& helpFile) {
        viewer_.SetHelpFile(HelpFile::Load(helpFile));
        viewer_.show();
    }

    HelpViewer& Viewer() { return viewer_; }
    QTabWidget* Tabs() { return Find<QTabWidget>("HelpTabs"); }
    QTreeWidget* Tree() { return Find<QTreeWidget>("ContentsTree"); }
    QLineEdit* Search() { return Find<QLineEdit>("IndexEdit"); }
    QListWidget* Keywords() { return Find<QListWidget>("IndexList"); }
    TopicBrowser* Browser() { return Find<TopicBrowser>("TopicBrowser"); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }

    QString Shown() { return viewer_.CurrentTopic(); }
    QString ShownText() { return Browser()->document()->toPlainText(); }
    QString CurrentTab() { return Tabs()->tabText(Tabs()->currentIndex()); }
    QString SelectedKeyword() {
        return Keywords()->currentItem() != nullptr ? Keywords()->currentItem()->text() : QString();
    }

private:
    template <typename W>
    W* Find(const char* name) {
        W* widget = viewer_.findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    HelpViewer viewer_;
};

// Folder and help file come first, so the viewer can load the file.
class SmallHelp {
protected:
    SmallHelp() : path_(WriteHelpFile(folder_.path(), "small.hlp", kTopics)) {}

    QString Path() const { return path_; }
    QString InFolder(const char* name) const {
        return QString::fromStdString((folder_.path() / name).string());
    }
    const std::filesystem::path& Folder() const { return folder_.path(); }

private:
    TempFolder folder_;
    QString path_;
};

class HelpViewerTest : public SmallHelp, public ViewerFixture, public ::testing::Test {
protected:
    HelpViewerTest() : ViewerFixture(Path()) {}

    void UseContentsFile(const QByteArray& text) {
        QFile file(InFolder("small.cnt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        Viewer().SetHelpFile(HelpFile::Load(Path()));
    }
};

TEST_F(HelpViewerTest, ContentsTabShowsTheTreeAndItsFirstTopic) {
    UseContentsFile("1 Book\n2 Second=b.html\n2 Inner\n3 Deep=c.html\n1 First=a.html\n");
    Viewer().ShowContents();
    EXPECT_EQ(CurrentTab(), "Contents");
    EXPECT_EQ(Viewer().windowTitle(), "Test Help");
    ASSERT_EQ(Tree()->topLevelItemCount(), 2);
    QTreeWidgetItem* book = Tree()->topLevelItem(0);
    EXPECT_EQ(book->text(0), "Book");
    ASSERT_EQ(book->childCount(), 2);
    EXPECT_EQ(book->child(1)->child(0)->text(0), "Deep");
    EXPECT_EQ(Tree()->topLevelItem(1)->text(0), "First");
    EXPECT_EQ(Shown(), "b.html");
    EXPECT_TRUE(ShownText().startsWith("Beta"));
    EXPECT_EQ(Tree()->currentItem(), book->child(0));
}

TEST_F(HelpViewerTest, ContentsKeepTheTopicAlreadyShown) {
    Viewer().ShowTopic("c.html");
    Viewer().ShowContents();
    EXPECT_EQ(Shown(), "c.html");
}

TEST_F(HelpViewerTest, ClickingATopicInTheTreeShowsIt) {
    Viewer().ShowContents();
    QTreeWidgetItem* gamma = Tree()->topLevelItem(2);
    Click(Tree()->viewport(), Tree()->visualItemRect(gamma).center());
    EXPECT_EQ(Shown(), "c.html");
    EXPECT_TRUE(ShownText().contains("Gamma text"));
}

TEST_F(HelpViewerTest, LinksBackAndForwardMoveBetweenTopics) {
    Viewer().ShowTopic("a.html");
    const auto links = Links(Browser());
    ASSERT_EQ(links.size(), 1);
    EXPECT_EQ(links[0].first, "c.html");
    ClickText(Browser(), links[0].second);
    EXPECT_EQ(Shown(), "c.html");
    EXPECT_EQ(Tree()->currentItem()->text(0), "Gamma");
    ASSERT_TRUE(Button("BackButton")->isEnabled());
    Button("BackButton")->click();
    EXPECT_EQ(Shown(), "a.html");
    Button("ForwardButton")->click();
    EXPECT_EQ(Shown(), "c.html");
}

TEST_F(HelpViewerTest, IndexWithoutKeywordWaitsInItsSearchBox) {
    Viewer().ShowIndex("");
    EXPECT_EQ(CurrentTab(), "Index");
    EXPECT_EQ(Search()->text(), "");
    EXPECT_EQ(Viewer().focusWidget(), Search());
    EXPECT_EQ(Shown(), "");
    QStringList rows;
    for (int row = 0; row < Keywords()->count(); ++row) {
        rows.push_back(Keywords()->item(row)->text());
    }
    EXPECT_EQ(rows, (QStringList{"apple", "banana", "cherry", "Shared", "    Alpha", "    Beta"}));
}

struct Jump {
    const char* typed;
    const char* selected;
};

class HelpViewerJumpTest : public HelpViewerTest, public ::testing::WithParamInterface<Jump> {};

TEST_P(HelpViewerJumpTest, TypingSelectsTheNearestKeyword) {
    Viewer().ShowIndex("");
    Type(Search(), GetParam().typed);
    EXPECT_EQ(SelectedKeyword(), GetParam().selected);
    EXPECT_EQ(Shown(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpViewerJumpTest,
                         ::testing::Values(Jump{"b", "banana"}, Jump{"banana", "banana"},
                                           Jump{"CH", "cherry"}, Jump{"sha", "Shared"},
                                           Jump{"bz", "cherry"}, Jump{"zz", "Shared"},
                                           Jump{"", "apple"}));

TEST_F(HelpViewerTest, EnterShowsTheTopicOfTheSelectedKeyword) {
    Viewer().ShowIndex("");
    Type(Search(), "ban");
    PressReturn(Search());
    EXPECT_EQ(Shown(), "b.html");
}

TEST_F(HelpViewerTest, KeywordOfSeveralTopicsLetsTheUserChoose) {
    Viewer().ShowIndex("");
    Type(Search(), "shared");
    Button("DisplayButton")->click();
    EXPECT_EQ(Shown(), "a.html");
    QListWidgetItem* beta = Keywords()->findItems("    Beta", Qt::MatchExactly).value(0);
    ASSERT_NE(beta, nullptr);
    Click(Keywords()->viewport(), Keywords()->visualItemRect(beta).center(), true);
    EXPECT_EQ(Shown(), "b.html");
}

TEST_F(HelpViewerTest, KeywordOfTheIndexShowsItsTopicAndAPartOfOneOnlySelects) {
    Viewer().ShowIndex("che");
    EXPECT_EQ(SelectedKeyword(), "cherry");
    EXPECT_EQ(Shown(), "");
    Viewer().ShowIndex("CHERRY");
    EXPECT_EQ(CurrentTab(), "Index");
    EXPECT_EQ(Search()->text(), "CHERRY");
    EXPECT_EQ(SelectedKeyword(), "cherry");
    EXPECT_EQ(Shown(), "c.html");
}

class HelpViewerContextTest : public HelpViewerTest,
                              public ::testing::WithParamInterface<std::pair<int, const char*>> {};

TEST_P(HelpViewerContextTest, ShowsTheTopicOfTheContext) {
    Viewer().ShowContext(GetParam().first);
    EXPECT_EQ(Shown(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpViewerContextTest,
                         ::testing::Values(std::pair{1, "a.html"}, std::pair{7, "a.html"},
                                           std::pair{2, "b.html"}));

TEST_F(HelpViewerTest, ContextWithoutTopicGetsAPageSayingSo) {
    Viewer().ShowContext(1);
    Viewer().ShowContext(99);
    EXPECT_TRUE(ShownText().startsWith("No topic for this context"));
    EXPECT_TRUE(ShownText().contains("context number 99."));
    EXPECT_EQ(Tree()->currentItem(), nullptr);
    Viewer().ShowContext(1);
    EXPECT_TRUE(ShownText().contains("Alpha text"));
}

TEST_F(HelpViewerTest, TopicMissingFromTheFileGetsAPageSayingSo) {
    Viewer().ShowTopic("z.html");
    EXPECT_TRUE(ShownText().startsWith("Topic not found"));
    EXPECT_TRUE(ShownText().contains("\"z.html\""));
}

TEST_F(HelpViewerTest, AnotherHelpFileReplacesTheTopicsAndTheHistory) {
    Viewer().ShowTopic("c.html");
    Viewer().ShowTopic("a.html");
    const QString other = WriteHelpFile(Folder(), "other.hlp",
                                        {{"a.html", "New alpha", {1}, {"new"}, "<p>New text</p>"}});
    Viewer().SetHelpFile(HelpFile::Load(other));
    EXPECT_FALSE(Button("BackButton")->isEnabled());
    EXPECT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(Keywords()->count(), 1);
    Viewer().ShowContext(1);
    EXPECT_TRUE(ShownText().contains("New text"));
    Viewer().ShowContext(7);
    EXPECT_TRUE(ShownText().startsWith("No topic for this context"));
}

// The program's own help file in the viewer.
class ProgramHelpViewerTest : public ViewerFixture, public ::testing::TestWithParam<int> {
protected:
    ProgramHelpViewerTest() : ViewerFixture(RealHelpFile()) {}
};

TEST_P(ProgramHelpViewerTest, ContextShowsItsTopic) {
    Viewer().ShowContext(GetParam());
    const help::HelpTopic* topic = Viewer().File()->TopicForContext(GetParam());
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(Shown(), topic->file);
    EXPECT_TRUE(ShownText().startsWith(topic->title)) << ShownText().left(80).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Contexts, ProgramHelpViewerTest, ::testing::ValuesIn(ProgramContexts()));

TEST_F(ProgramHelpViewerTest, EveryLinkLeadsToATopic) {
    for (const help::HelpTopic& topic : Viewer().File()->Topics()) {
        Viewer().ShowTopic(topic.file);
        const auto links = Links(Browser());
        for (const auto& [href, position] : links) {
            Viewer().ShowTopic(topic.file);
            ClickText(Browser(), position);
            const help::HelpTopic* target = Viewer().File()->Topic(Shown());
            ASSERT_NE(target, nullptr) << topic.file.toStdString() << " -> " << href.toStdString();
            EXPECT_EQ(target->file, href);
            EXPECT_TRUE(ShownText().startsWith(target->title));
        }
    }
}

}  // namespace
