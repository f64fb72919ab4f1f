#include "help/helpmanifest.h"

#include <QSet>

#include "help/helperror.h"

namespace help {

namespace {

const QString kHtmlSuffix = QStringLiteral(".html");
constexpr int kIndentPerLevel = 4;

[[noreturn]] void Fail(int line, const QString& what) {
    throw EHelpError(QStringLiteral("line %1: %2").arg(line).arg(what).toStdString());
}

// A contents line before its text is known to be a book or a topic.
struct ContentsLine {
    int line = 0;
    int level = 1;
    QString text;
};

QList<int> ParseContexts(const QString& field, int line) {
    QList<int> contexts;
    for (const QString& word : field.split(u' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int context = word.toInt(&ok);
        if (!ok || context <= 0) {
            Fail(line, QStringLiteral("\"%1\" is not a context number").arg(word));
        }
        contexts.push_back(context);
    }
    return contexts;
}

QStringList ParseKeywords(const QString& field) {
    QStringList keywords;
    for (const QString& keyword : field.split(u';')) {
        if (!keyword.trimmed().isEmpty()) {
            keywords.push_back(keyword.simplified());
        }
    }
    return keywords;
}

HelpTopic ParseTopic(const QString& text, int line) {
    const QStringList fields = text.split(u'|');
    if (fields.size() != 4) {
        Fail(line, QStringLiteral("a topic needs four fields: file | title | contexts | keywords"));
    }
    HelpTopic topic{fields[0].trimmed(), fields[1].simplified(),
                    ParseContexts(fields[2].simplified(), line), ParseKeywords(fields[3])};
    if (!topic.file.endsWith(kHtmlSuffix) || topic.file.contains(u'/') ||
        topic.file.contains(u' ')) {
        Fail(line,
             QStringLiteral("\"%1\" is not a topic file name ending in .html").arg(topic.file));
    }
    if (topic.title.isEmpty()) {
        Fail(line, QStringLiteral("topic \"%1\" has no title").arg(topic.file));
    }
    return topic;
}

ContentsLine ParseContentsLine(const QString& text, int line, int previousLevel) {
    qsizetype indent = 0;
    while (indent < text.size() && text[indent].isSpace()) {
        if (text[indent] != u' ') {
            Fail(line, QStringLiteral("contents lines are indented with blanks only"));
        }
        ++indent;
    }
    if (indent % kIndentPerLevel != 0) {
        Fail(line, QStringLiteral("contents lines are indented by four blanks per level"));
    }
    const int level = static_cast<int>(indent / kIndentPerLevel) + 1;
    if (level > previousLevel + 1) {
        Fail(line, QStringLiteral("this contents line is deeper than the book above it"));
    }
    return {line, level, text.trimmed()};
}

void ParseHelpSetting(const QString& text, int line, HelpManifest& manifest) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0 || text.left(equals).trimmed() != QStringLiteral("title")) {
        Fail(line, QStringLiteral("the [help] section holds only \"title = ...\""));
    }
    manifest.title = text.mid(equals + 1).simplified();
}

void AddTopic(HelpTopic topic, int line, HelpManifest& manifest, QSet<int>& contexts) {
    if (manifest.Topic(topic.file) != nullptr) {
        Fail(line, QStringLiteral("topic \"%1\" is listed twice").arg(topic.file));
    }
    for (int context : topic.contexts) {
        if (contexts.contains(context)) {
            Fail(line, QStringLiteral("context %1 is given to two topics").arg(context));
        }
        contexts.insert(context);
    }
    manifest.topics.push_back(std::move(topic));
}

QList<ContentsEntry> ResolveContents(const QList<ContentsLine>& lines,
                                     const HelpManifest& manifest) {
    QList<ContentsEntry> entries;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ContentsLine& line = lines[i];
        if (const HelpTopic* topic = manifest.Topic(line.text)) {
            entries.push_back({line.level, topic->title, topic->file});
            continue;
        }
        if (line.text.endsWith(kHtmlSuffix)) {
            Fail(line.line, QStringLiteral("\"%1\" is not a topic of [topics]").arg(line.text));
        }
        if (i + 1 == lines.size() || lines[i + 1].level <= line.level) {
            Fail(line.line, QStringLiteral("book \"%1\" holds nothing").arg(line.text));
        }
        entries.push_back({line.level, line.text, QString()});
    }
    return entries;
}

}  // namespace

const HelpTopic* HelpManifest::Topic(const QString& file) const {
    for (const HelpTopic& topic : topics) {
        if (topic.file == file) {
            return &topic;
        }
    }
    return nullptr;
}

HelpManifest ParseManifest(const QString& text) {
    HelpManifest manifest;
    QList<ContentsLine> contents;
    QSet<int> contexts;
    QString section;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i + 1);
        const QString raw = lines[i].endsWith(u'\r') ? lines[i].chopped(1) : lines[i];
        const QString trimmed = raw.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
            continue;
        }
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            if (section != u"help" && section != u"topics" && section != u"contents") {
                Fail(line, QStringLiteral("unknown section [%1]").arg(section));
            }
        } else if (section == u"help") {
            ParseHelpSetting(trimmed, line, manifest);
        } else if (section == u"topics") {
            AddTopic(ParseTopic(trimmed, line), line, manifest, contexts);
        } else if (section == u"contents") {
            const int previous = contents.isEmpty() ? 0 : contents.back().level;
            contents.push_back(ParseContentsLine(raw, line, previous));
        } else {
            Fail(line, QStringLiteral("text before the first section"));
        }
    }
    if (manifest.title.isEmpty()) {
        throw EHelpError("the manifest gives no title in its [help] section");
    }
    manifest.contents = ResolveContents(contents, manifest);
    return manifest;
}

QString FormatTopicIndex(const HelpManifest& manifest) {
    QString text = QStringLiteral("[help]\ntitle = %1\n\n[topics]\n").arg(manifest.title);
    for (const HelpTopic& topic : manifest.topics) {
        QStringList contexts;
        for (int context : topic.contexts) {
            contexts.push_back(QString::number(context));
        }
        text += QStringLiteral("%1 | %2 | %3 | %4\n")
                    .arg(topic.file, topic.title, contexts.join(u' '), topic.keywords.join(u"; "));
    }
    return text;
}

}  // namespace help
