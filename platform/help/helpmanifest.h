#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace help {

// One topic of a help file: an HTML page, named in links by its file name.
struct HelpTopic {
    QString file;
    QString title;
    QList<int> contexts;   // the context numbers that show it
    QStringList keywords;  // its entries in the keyword index
};

// One line of a contents tree: a book, which holds the deeper lines that
// follow it, or a topic. Levels start at 1.
struct ContentsEntry {
    int level = 1;
    QString title;
    QString file;  // empty for a book

    bool IsBook() const { return file.isEmpty(); }
    friend bool operator==(const ContentsEntry&, const ContentsEntry&) = default;
};

// The sources of a help file as listed by its manifest, a text file of
// sections in which blank lines and lines starting with "#" are ignored:
//
//   [help]
//   title = Bodelog Help
//
//   [topics]
//   newfile.html | Creating a new log | 5 | New; log, creating
//
//   [contents]
//   Using the logs
//       newfile.html
//
// A topic line has four fields separated by "|": the topic's file (a plain
// name ending in ".html"), its title, its context numbers separated by
// blanks (there may be none) and its index keywords separated by ";". Files
// and context numbers are unique. A contents line is indented by four blanks
// per level; a line naming a topic's file stands for that topic, any other
// line is a book, and a book holds at least one line.
//
// A help file keeps the [help] and [topics] sections as its topic index.
struct HelpManifest {
    QString title;
    QList<HelpTopic> topics;
    QList<ContentsEntry> contents;  // topic lines carry their topic's title

    const HelpTopic* Topic(const QString& file) const;
};

// Throws EHelpError naming the line at fault.
HelpManifest ParseManifest(const QString& text);

// The [help] and [topics] sections, which ParseManifest reads back.
QString FormatTopicIndex(const HelpManifest& manifest);

}  // namespace help
