#pragma once

#include <QTextBrowser>

namespace help {

class HelpFile;

// The topic pane of the help viewer. It takes its pages from a help file by
// their file names, so links between topics, Back and Forward work as in a
// web browser; a missing topic or a context without a topic gets a page that
// says so. Topics have absolute addresses, so that a link is never read
// against the address of such a page; other addresses, such as web links,
// open outside the viewer.
class TopicBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit TopicBrowser(QWidget* parent = nullptr);

    // The file must outlive its use here; nullptr shows no topics.
    void SetHelpFile(const HelpFile* file) { file_ = file; }

    // The address of a topic, and the topic at an address ("" for none).
    static QUrl TopicUrl(const QString& file);
    static QString TopicOf(const QUrl& url);
    // The address of the page saying that no topic has this context.
    static QUrl ContextUrl(int context);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    // Addresses that are neither topics nor pages of the viewer go to the
    // system's browser.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    const HelpFile* file_ = nullptr;
};

}  // namespace help
