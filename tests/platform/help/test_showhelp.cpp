#include "help/showhelp.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTextBrowser>

#include <memory>

#include "help/helpfile.h"
#include "help/helpfilelocator.h"
#include "help/helpviewer.h"
#include "helptestfiles.h"
#include "registry/registry.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using help::HELP_CONTEXT;
using help::HELP_FINDER;
using help::HELP_KEY;
using help::HelpViewer;
using help::ShowHelp;

const QList<TestTopic> kTopics{{"a.html", "Alpha", {1}, {"apple"}, "<p>Alpha text</p>"},
                               {"b.html", "Beta", {13}, {"banana"}, "<p>Beta text</p>"}};

QString Canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

class ShowHelpTest : public TempHomeTest {
protected:
    ShowHelpTest() : owner_(std::make_unique<QWidget>()) {
        owner_->show();
        helpFile_ = WriteHelpFile(home(), "test.hlp", kTopics);
    }

    QWidget* Owner() const { return owner_.get(); }
    const QString& HelpFile() const { return helpFile_; }

    // The viewer opens over the owner's window and goes with it.
    HelpViewer* Viewer() const { return owner_->findChild<HelpViewer*>(); }
    QString CurrentTab() const {
        auto* tabs = Viewer()->findChild<QTabWidget*>("HelpTabs");
        return tabs->tabText(tabs->currentIndex());
    }
    QString Shown() const { return Viewer()->CurrentTopic(); }
    QString ShownText() const {
        return Viewer()->findChild<QTextBrowser*>("TopicBrowser")->toPlainText();
    }
    QMessageBox* ErrorBox() const { return owner_->findChild<QMessageBox*>("HelpErrorBox"); }

    // Installs a copy of the program's help under another name in a folder
    // that the per-user machine records register for it.
    QString InstallRegistered(const QString& name) const {
        const fs::path folder = home() / "installed help";
        fs::create_directories(folder);
        const QString target = QString::fromStdString((folder / name.toStdString()).string());
        EXPECT_TRUE(QFile::copy(RealHelpFile(), target));
        auto locations = registry::RegistryLocations::FromEnvironment();
        locations.systemScope = false;
        registry::TRegistry machine(registry::RootKey::LocalMachine, locations);
        EXPECT_TRUE(machine.OpenKey(help::kHelpRegistryKey, true));
        machine.WriteString(name.toStdString(), folder.string());
        return target;
    }

private:
    std::unique_ptr<QWidget> owner_;
    QString helpFile_;
};

TEST_F(ShowHelpTest, EachCommandReachesTheOneViewer) {
    ShowHelp(HelpFile(), HELP_FINDER, "0", Owner());
    HelpViewer* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_EQ(CurrentTab(), "Contents");
    EXPECT_EQ(Shown(), "a.html");

    ShowHelp(HelpFile(), HELP_KEY, "", Owner());
    EXPECT_EQ(Viewer(), viewer);
    EXPECT_EQ(CurrentTab(), "Index");
    EXPECT_EQ(viewer->focusWidget(), viewer->findChild<QLineEdit*>("IndexEdit"));

    ShowHelp(HelpFile(), HELP_CONTEXT, "13", Owner());
    EXPECT_EQ(Shown(), "b.html");

    ShowHelp(HelpFile(), HELP_KEY, "apple", Owner());
    EXPECT_EQ(Shown(), "a.html");
    EXPECT_EQ(Owner()->findChildren<HelpViewer*>().size(), 1);
    EXPECT_EQ(ErrorBox(), nullptr);
}

TEST_F(ShowHelpTest, ContextWithoutTopicShowsAPageSayingSo) {
    for (const char* data : {"99", "x"}) {
        ShowHelp(HelpFile(), HELP_CONTEXT, data, Owner());
        EXPECT_TRUE(ShownText().startsWith("No topic for this context")) << data;
    }
}

TEST_F(ShowHelpTest, FileShownIsNotReadAgain) {
    ShowHelp(HelpFile(), HELP_FINDER, "0", Owner());
    ASSERT_TRUE(QFile::remove(HelpFile()));
    ShowHelp(HelpFile(), HELP_CONTEXT, "13", Owner());
    EXPECT_EQ(ErrorBox(), nullptr);
    EXPECT_EQ(Shown(), "b.html");
}

TEST_F(ShowHelpTest, ViewerMovesOverTheWindowOfEachOwner) {
    ShowHelp(HelpFile(), HELP_FINDER, "0", Owner());
    HelpViewer* viewer = Viewer();
    QDialog dialog(Owner());
    auto* edit = new QLineEdit(&dialog);
    dialog.show();
    ShowHelp(HelpFile(), HELP_CONTEXT, "1", edit);
    EXPECT_EQ(dialog.findChild<HelpViewer*>(), viewer);
    EXPECT_EQ(viewer->parentWidget(), &dialog);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_EQ(Shown(), "a.html");
    viewer->setParent(Owner(), viewer->windowFlags());
}

struct MissingHelp {
    const char* name;
    const char* message;
};

class ShowHelpMissingTest : public ShowHelpTest,
                            public ::testing::WithParamInterface<MissingHelp> {};

TEST_P(ShowHelpMissingTest, ReportsInAMessageBoxInsteadOfTheViewer) {
    ShowHelp(GetParam().name, HELP_CONTEXT, "13", Owner());
    EXPECT_EQ(Viewer(), nullptr);
    QMessageBox* box = ErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), GetParam().message);
    box->close();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowHelpMissingTest,
    ::testing::Values(
        MissingHelp{
            "/nowhere/Bodeloghlp.hlp",
            "Cannot open the help file \"/nowhere/Bodeloghlp.hlp\".\nThe file does not exist."},
        MissingHelp{"Nowhere.hlp",
                    "Cannot open the help file \"Nowhere.hlp\".\nIt is neither beside the program "
                    "nor in a folder registered for help."}));

TEST_F(ShowHelpTest, UnreadableFileLeavesTheViewerAsItWas) {
    ShowHelp(HelpFile(), HELP_FINDER, "0", Owner());
    const QString broken = QString::fromStdString((home() / "broken.hlp").string());
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no help here");
    file.close();
    ShowHelp(broken, HELP_CONTEXT, "13", Owner());
    ASSERT_NE(ErrorBox(), nullptr);
    EXPECT_TRUE(ErrorBox()->text().startsWith("Cannot open the help file"));
    EXPECT_EQ(Viewer()->File()->Path(), QFileInfo(HelpFile()).absoluteFilePath());
}

TEST_F(ShowHelpTest, OtherCommandsDoNothing) {
    constexpr int HELP_QUIT = 0x0002;
    ShowHelp(HelpFile(), HELP_QUIT, "", Owner());
    ShowHelp("Nowhere.hlp", HELP_QUIT, "", Owner());
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_EQ(ErrorBox(), nullptr);
}

TEST_F(ShowHelpTest, BareNameIsFoundBesideTheProgram) {
    ShowHelp("Bodeloghlp.hlp", HELP_CONTEXT, "13", Owner());
    ASSERT_NE(Viewer(), nullptr);
    EXPECT_EQ(Canonical(Viewer()->File()->Path()), Canonical(RealHelpFile()));
    EXPECT_EQ(Shown(), Viewer()->File()->TopicForContext(13)->file);
}

TEST_F(ShowHelpTest, BareNameIsFoundInTheFolderRegisteredForIt) {
    const QString installed = InstallRegistered("Registered.hlp");
    ShowHelp("Registered.hlp", HELP_CONTEXT, "13", Owner());
    ASSERT_NE(Viewer(), nullptr);
    EXPECT_EQ(ErrorBox(), nullptr);
    EXPECT_EQ(Canonical(Viewer()->File()->Path()), Canonical(installed));
    EXPECT_EQ(Shown(), Viewer()->File()->TopicForContext(13)->file);
}

}  // namespace
