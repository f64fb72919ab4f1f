#pragma once

#include <QWidget>

#include <memory>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace help {

class HelpFile;
class TopicBrowser;

// The help viewer: a window with a "Contents" tab (the contents tree) and an
// "Index" tab (a search box over the keyword list) beside the topic pane.
// It shows one help file at a time; the commands of a program map onto
// ShowContents, ShowIndex and ShowContext.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    // Replaces the file shown, with a fresh topic history.
    void SetHelpFile(HelpFile file);
    const HelpFile* File() const { return file_.get(); }

    // The Contents tab; when no topic is shown yet, the first topic of the
    // contents.
    void ShowContents();
    // The Index tab with `keyword` in its focused search box and the nearest
    // keyword selected; a keyword of the index also shows its first topic.
    void ShowIndex(const QString& keyword);
    // The topic of a context number, or a page saying that there is none.
    void ShowContext(int context);
    void ShowTopic(const QString& file);
    // The file of the topic shown; "" when none is, or a page saying so.
    QString CurrentTopic() const;

private:
    QWidget* MakeContentsTab();
    QWidget* MakeIndexTab();
    QWidget* MakeTopicPane();
    void FillContents();
    void FillIndex();
    void JumpInIndex(const QString& text);
    void ShowIndexSelection();
    void ShowContentsItem(QTreeWidgetItem* item);
    void SelectInContents(const QUrl& source);

    std::unique_ptr<HelpFile> file_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contentsTree_ = nullptr;
    QLineEdit* indexEdit_ = nullptr;
    QListWidget* indexList_ = nullptr;
    TopicBrowser* browser_ = nullptr;
};

}  // namespace help
