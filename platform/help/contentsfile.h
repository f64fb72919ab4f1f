#pragma once

#include <QList>
#include <QString>

#include "help/helpmanifest.h"

namespace help {

// A help file's contents tree, kept beside it in a text file of the same
// name with the extension ".cnt":
//
//   :Base Bodeloghlp.hlp
//   :Title Bodelog Help
//   1 Using the logs
//   2 Creating a new log=newfile.html
//
// Each entry line starts with its level (1 and up, at most one deeper than
// the line before); a line whose text ends in "=file" is a topic with that
// title and file, any other is a book, so book titles hold no "=". ":Base"
// names the help file, ":Title" the help's title; other lines starting with
// ":" and blank lines are ignored.
struct ContentsFile {
    QString base;
    QString title;
    QList<ContentsEntry> entries;
};

// Throws EHelpError naming the line at fault.
ContentsFile ParseContentsFile(const QString& text);
QString FormatContentsFile(const ContentsFile& contents);

}  // namespace help
