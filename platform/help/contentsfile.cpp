#include "help/contentsfile.h"

#include "help/helperror.h"

namespace help {

namespace {

[[noreturn]] void Fail(int line, const QString& what) {
    throw EHelpError(QStringLiteral("line %1: %2").arg(line).arg(what).toStdString());
}

// Reads ":Base" and ":Title"; other commands are left for other readers.
void ParseCommand(const QString& text, ContentsFile& contents) {
    const qsizetype blank = text.indexOf(u' ');
    const QString command = text.left(blank).toLower();
    const QString value = blank < 0 ? QString() : text.mid(blank + 1).trimmed();
    if (command == u":base") {
        contents.base = value;
    } else if (command == u":title") {
        contents.title = value;
    }
}

ContentsEntry ParseEntry(const QString& text, int line, int previousLevel) {
    const qsizetype blank = text.indexOf(u' ');
    bool ok = false;
    const int level = text.left(blank).toInt(&ok);
    if (!ok || blank < 0 || level < 1) {
        Fail(line, QStringLiteral("a contents line starts with its level and a blank"));
    }
    if (level > previousLevel + 1) {
        Fail(line, QStringLiteral("this contents line is deeper than the book above it"));
    }
    const QString rest = text.mid(blank + 1).trimmed();
    const qsizetype equals = rest.lastIndexOf(u'=');
    ContentsEntry entry{level, rest, QString()};
    if (equals >= 0) {
        entry.title = rest.left(equals).trimmed();
        entry.file = rest.mid(equals + 1).trimmed();
    }
    if (entry.title.isEmpty() || (equals >= 0 && entry.file.isEmpty())) {
        Fail(line, QStringLiteral("a contents line needs a title, and a topic its file"));
    }
    return entry;
}

}  // namespace

ContentsFile ParseContentsFile(const QString& text) {
    ContentsFile contents;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.isEmpty()) {
            continue;
        }
        if (trimmed.startsWith(u':')) {
            ParseCommand(trimmed, contents);
            continue;
        }
        const int previous = contents.entries.isEmpty() ? 0 : contents.entries.back().level;
        contents.entries.push_back(ParseEntry(trimmed, static_cast<int>(i + 1), previous));
    }
    return contents;
}

QString FormatContentsFile(const ContentsFile& contents) {
    QString text = QStringLiteral(":Base %1\n:Title %2\n").arg(contents.base, contents.title);
    for (const ContentsEntry& entry : contents.entries) {
        text += QString::number(entry.level) + u' ' + entry.title;
        if (!entry.IsBook()) {
            text += u'=' + entry.file;
        }
        text += u'\n';
    }
    return text;
}

}  // namespace help
