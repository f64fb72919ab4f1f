#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "help/helperror.h"
#include "help/helpmanifest.h"

namespace help {

// One keyword of the index and the topics it leads to, in manifest order.
struct IndexEntry {
    QString keyword;
    QStringList files;
};

// A help file as the viewer shows it: a binary Qt resource holding the topic
// index and the topics (written by helpcompiler and rcc --binary), with its
// contents tree taken from the contents file beside it ("X.hlp" and
// "X.cnt"); without that file the contents list every topic. Everything is
// read at load, so the file is not held open.
class HelpFile {
public:
    // Throws EHelpError with the message a user sees.
    static HelpFile Load(const QString& path);

    const QString& Path() const { return path_; }  // absolute
    const QString& Title() const { return manifest_.title; }
    const QList<HelpTopic>& Topics() const { return manifest_.topics; }
    const QList<ContentsEntry>& Contents() const { return contents_; }
    // One entry per keyword, whatever its case, sorted with case ignored.
    const QList<IndexEntry>& Index() const { return index_; }

    const HelpTopic* Topic(const QString& file) const { return manifest_.Topic(file); }
    const HelpTopic* TopicForContext(int context) const;
    const IndexEntry* Keyword(const QString& keyword) const;  // case ignored
    std::optional<QString> TopicHtml(const QString& file) const;

private:
    HelpFile() = default;
    void ReadTopics();
    QList<ContentsEntry> ReadContents(const QString& contentsPath) const;

    QString path_;
    HelpManifest manifest_;
    QList<ContentsEntry> contents_;
    QList<IndexEntry> index_;
    QHash<QString, QString> html_;
};

// "Cannot open the help file ..." with the file's name and the reason.
EHelpError CannotOpenHelpFile(const QString& file, const QString& reason);

}  // namespace help
