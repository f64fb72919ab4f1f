#include "help/helpsources.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace help {

namespace {

QStringList CheckLinks(const QString& html, const QString& file, const HelpManifest& manifest) {
    static const QRegularExpression link(QStringLiteral(R"re(href\s*=\s*(["'])(.*?)\1)re"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList problems;
    for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
        const QUrl target(match.captured(2));
        // Anchors within the page and other schemes are not topics.
        if (!target.scheme().isEmpty() || target.path().isEmpty()) {
            continue;
        }
        if (manifest.Topic(target.path()) == nullptr) {
            problems.push_back(QStringLiteral("%1: links to \"%2\", which is not a topic")
                                   .arg(file, match.captured(2)));
        }
    }
    return problems;
}

// A page title as text: markup entities decoded, blanks simplified.
QString TitleText(const QString& html) {
    QString text = html.simplified();
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

QStringList CheckTopic(const HelpTopic& topic, const QDir& sourceFolder,
                       const HelpManifest& manifest) {
    static const QRegularExpression title(
        QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression script(QStringLiteral("<script"),
                                           QRegularExpression::CaseInsensitiveOption);
    QFile file(sourceFolder.filePath(topic.file));
    if (!file.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("%1: cannot be read").arg(topic.file)};
    }
    const QString html = QString::fromUtf8(file.readAll());
    QStringList problems;
    const QString pageTitle = TitleText(title.match(html).captured(1));
    if (pageTitle != topic.title) {
        problems.push_back(QStringLiteral("%1: its <title> \"%2\" is not the manifest's \"%3\"")
                               .arg(topic.file, pageTitle, topic.title));
    }
    if (script.match(html).hasMatch()) {
        problems.push_back(QStringLiteral("%1: holds a script").arg(topic.file));
    }
    return problems + CheckLinks(html, topic.file, manifest);
}

}  // namespace

QStringList CheckHelpSources(const HelpManifest& manifest, const QDir& sourceFolder) {
    QStringList problems;
    for (const HelpTopic& topic : manifest.topics) {
        problems += CheckTopic(topic, sourceFolder, manifest);
    }
    for (const ContentsEntry& entry : manifest.contents) {
        if (entry.IsBook() && entry.title.contains(u'=')) {
            problems.push_back(
                QStringLiteral("book \"%1\": a book title holds no \"=\"").arg(entry.title));
        }
    }
    return problems;
}

QString FormatResourceList(const HelpManifest& manifest, const QDir& sourceFolder,
                           const QString& topicIndexFile) {
    const auto entry = [](const QString& alias, const QString& path) {
        return QStringLiteral("    <file alias=\"%1\">%2</file>\n")
            .arg(alias.toHtmlEscaped(), path.toHtmlEscaped());
    };
    QString text =
        QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n");
    text += entry(kTopicIndexName, QFileInfo(topicIndexFile).absoluteFilePath());
    for (const HelpTopic& topic : manifest.topics) {
        text += entry(topic.file, sourceFolder.absoluteFilePath(topic.file));
    }
    return text + QStringLiteral("</qresource>\n</RCC>\n");
}

}  // namespace help
