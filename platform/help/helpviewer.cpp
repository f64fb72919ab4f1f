#include "help/helpviewer.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "help/helpfile.h"
#include "help/topicbrowser.h"

namespace help {

namespace {

constexpr int kFileRole = Qt::UserRole;
constexpr int kKeywordRole = Qt::UserRole + 1;  // set on keyword rows only
const QString kSubEntryIndent = QStringLiteral("    ");

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Help"));
    // Closing the help leaves the program running; closing the program's
    // last window ends it even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("HelpTabs"));
    tabs_->addTab(MakeContentsTab(), QStringLiteral("Contents"));
    tabs_->addTab(MakeIndexTab(), QStringLiteral("Index"));
    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(MakeTopicPane());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 520});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(780, 540);
}

HelpViewer::~HelpViewer() = default;

QWidget* HelpViewer::MakeContentsTab() {
    contentsTree_ = new QTreeWidget;
    contentsTree_->setObjectName(QStringLiteral("ContentsTree"));
    contentsTree_->setHeaderHidden(true);
    connect(contentsTree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowContentsItem(item); });
    connect(contentsTree_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowContentsItem(item); });
    const auto bookIcon = [this](QTreeWidgetItem* item, QStyle::StandardPixmap pixmap) {
        item->setIcon(0, style()->standardIcon(pixmap));
    };
    connect(contentsTree_, &QTreeWidget::itemExpanded, this,
            [bookIcon](QTreeWidgetItem* item) { bookIcon(item, QStyle::SP_DirOpenIcon); });
    connect(contentsTree_, &QTreeWidget::itemCollapsed, this,
            [bookIcon](QTreeWidgetItem* item) { bookIcon(item, QStyle::SP_DirClosedIcon); });
    return contentsTree_;
}

QWidget* HelpViewer::MakeIndexTab() {
    indexEdit_ = new QLineEdit;
    indexEdit_->setObjectName(QStringLiteral("IndexEdit"));
    indexEdit_->setPlaceholderText(QStringLiteral("Type the first letters of a word"));
    indexEdit_->setClearButtonEnabled(true);
    indexList_ = new QListWidget;
    indexList_->setObjectName(QStringLiteral("IndexList"));
    connect(indexEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { JumpInIndex(text); });
    connect(indexEdit_, &QLineEdit::returnPressed, this, [this] { ShowIndexSelection(); });
    connect(indexList_, &QListWidget::itemActivated, this, [this] { ShowIndexSelection(); });
    auto* display = new QPushButton(QStringLiteral("&Display"));
    display->setObjectName(QStringLiteral("DisplayButton"));
    connect(display, &QPushButton::clicked, this, [this] { ShowIndexSelection(); });
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(indexEdit_);
    layout->addWidget(indexList_);
    layout->addWidget(display, 0, Qt::AlignRight);
    return tab;
}

QWidget* HelpViewer::MakeTopicPane() {
    browser_ = new TopicBrowser;
    browser_->setObjectName(QStringLiteral("TopicBrowser"));
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& source) { SelectInContents(source); });
    auto* back = new QPushButton(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("BackButton"));
    back->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    auto* forward = new QPushButton(QStringLiteral("&Forward"));
    forward->setObjectName(QStringLiteral("ForwardButton"));
    forward->setEnabled(false);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* pane = new QWidget;
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    return pane;
}

void HelpViewer::SetHelpFile(HelpFile file) {
    file_ = std::make_unique<HelpFile>(std::move(file));
    browser_->SetHelpFile(file_.get());
    browser_->clearHistory();
    browser_->clear();
    setWindowTitle(file_->Title());
    FillContents();
    FillIndex();
}

void HelpViewer::FillContents() {
    contentsTree_->clear();
    QList<QTreeWidgetItem*> books;  // the open book of each level
    for (const ContentsEntry& entry : file_->Contents()) {
        // A line deeper than the line above it belongs to the innermost book.
        books.resize(std::min<qsizetype>(books.size(), entry.level - 1));
        auto* item = books.isEmpty() ? new QTreeWidgetItem(contentsTree_)
                                     : new QTreeWidgetItem(books.back());
        item->setText(0, entry.title);
        item->setData(0, kFileRole, entry.file);
        item->setIcon(0, style()->standardIcon(entry.IsBook() ? QStyle::SP_DirClosedIcon
                                                              : QStyle::SP_FileIcon));
        if (entry.IsBook()) {
            books.push_back(item);
        }
    }
}

void HelpViewer::FillIndex() {
    indexList_->clear();
    for (const IndexEntry& entry : file_->Index()) {
        auto* keywordRow = new QListWidgetItem(entry.keyword, indexList_);
        keywordRow->setData(kFileRole, entry.files.first());
        keywordRow->setData(kKeywordRole, entry.keyword);
        if (entry.files.size() == 1) {
            continue;
        }
        // A keyword of several topics lists them below it by title.
        for (const QString& file : entry.files) {
            auto* topicRow =
                new QListWidgetItem(kSubEntryIndent + file_->Topic(file)->title, indexList_);
            topicRow->setData(kFileRole, file);
        }
    }
}

void HelpViewer::ShowContents() {
    tabs_->setCurrentIndex(0);
    contentsTree_->setFocus();
    if (file_ == nullptr || !browser_->document()->isEmpty()) {
        return;
    }
    for (const ContentsEntry& entry : file_->Contents()) {
        if (!entry.IsBook()) {
            ShowTopic(entry.file);
            return;
        }
    }
}

void HelpViewer::ShowIndex(const QString& keyword) {
    tabs_->setCurrentIndex(1);
    indexEdit_->setText(keyword);
    indexEdit_->setFocus();
    JumpInIndex(keyword);
    if (file_ == nullptr || keyword.isEmpty()) {
        return;
    }
    if (const IndexEntry* entry = file_->Keyword(keyword)) {
        ShowTopic(entry->files.first());
    }
}

void HelpViewer::ShowContext(int context) {
    const HelpTopic* topic = file_ == nullptr ? nullptr : file_->TopicForContext(context);
    if (topic != nullptr) {
        ShowTopic(topic->file);
    } else {
        browser_->setSource(TopicBrowser::ContextUrl(context));
    }
}

void HelpViewer::ShowTopic(const QString& file) {
    const QUrl url = TopicBrowser::TopicUrl(file);
    // The same address is not loaded again by setSource, yet its page may be
    // gone with an earlier help file.
    if (browser_->source() == url) {
        browser_->reload();
    } else {
        browser_->setSource(url);
    }
}

QString HelpViewer::CurrentTopic() const {
    const QString file = TopicBrowser::TopicOf(browser_->source());
    return file_ != nullptr && file_->Topic(file) != nullptr ? file : QString();
}

void HelpViewer::JumpInIndex(const QString& text) {
    QListWidgetItem* nearest = nullptr;
    for (int row = 0; row < indexList_->count(); ++row) {
        QListWidgetItem* item = indexList_->item(row);
        const QString keyword = item->data(kKeywordRole).toString();
        if (keyword.isEmpty()) {
            continue;
        }
        nearest = item;
        if (keyword.compare(text, Qt::CaseInsensitive) >= 0) {
            break;
        }
    }
    indexList_->setCurrentItem(nearest);
    if (nearest != nullptr) {
        indexList_->scrollToItem(nearest, QAbstractItemView::PositionAtTop);
    }
}

void HelpViewer::ShowIndexSelection() {
    if (QListWidgetItem* item = indexList_->currentItem()) {
        ShowTopic(item->data(kFileRole).toString());
    }
}

void HelpViewer::ShowContentsItem(QTreeWidgetItem* item) {
    const QString file = item->data(0, kFileRole).toString();
    if (!file.isEmpty()) {
        ShowTopic(file);
    }
}

void HelpViewer::SelectInContents(const QUrl& source) {
    const QString file = TopicBrowser::TopicOf(source);
    for (QTreeWidgetItemIterator it(contentsTree_); *it != nullptr; ++it) {
        if (!file.isEmpty() && (*it)->data(0, kFileRole).toString() == file) {
            contentsTree_->setCurrentItem(*it);
            contentsTree_->scrollToItem(*it);
            return;
        }
    }
    contentsTree_->setCurrentItem(nullptr);
}

}  // namespace help
