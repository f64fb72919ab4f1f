#include "help/topicbrowser.h"

#include <QDesktopServices>
#include <QTextDocument>
#include <QUrl>

#include "help/helpfile.h"

namespace help {

namespace {

const QString kTopicScheme = QStringLiteral("help-topic");
const QString kContextScheme = QStringLiteral("help-context");

QString Page(const QString& heading, const QString& text) {
    return QStringLiteral(
               "<html><body><h1>%1</h1><p>%2</p><p>Look for the subject on the "
               "Contents or Index tab.</p></body></html>")
        .arg(heading, text);
}

}  // namespace

TopicBrowser::TopicBrowser(QWidget* parent) : QTextBrowser(parent) {}

QUrl TopicBrowser::TopicUrl(const QString& file) {
    return QUrl(kTopicScheme + QStringLiteral(":/") + file);
}

QString TopicBrowser::TopicOf(const QUrl& url) {
    return url.scheme() == kTopicScheme ? url.path().mid(1) : QString();
}

QUrl TopicBrowser::ContextUrl(int context) {
    return QUrl(kContextScheme + u':' + QString::number(context));
}

void TopicBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    if (!name.isEmpty() && name.scheme() != kTopicScheme && name.scheme() != kContextScheme) {
        QDesktopServices::openUrl(name);
        return;
    }
    QTextBrowser::doSetSource(name, type);
}

QVariant TopicBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::HtmlResource) {
        return {};
    }
    if (name.scheme() == kContextScheme) {
        return Page(QStringLiteral("No topic for this context"),
                    QStringLiteral("This help file has no topic for context number %1.")
                        .arg(name.path().toHtmlEscaped()));
    }
    if (file_ != nullptr) {
        if (std::optional<QString> html = file_->TopicHtml(TopicOf(name))) {
            return *html;
        }
    }
    const QString topic = TopicOf(name);
    return Page(QStringLiteral("Topic not found"),
                QStringLiteral("This help file has no topic \"%1\".")
                    .arg((topic.isEmpty() ? name.toString() : topic).toHtmlEscaped()));
}

}  // namespace help
