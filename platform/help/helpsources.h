#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

#include "help/helpmanifest.h"

namespace help {

// The name under which a help file holds its topic index.
inline const QString kTopicIndexName = QStringLiteral("index.txt");

// What keeps a manifest's topic files in `sourceFolder` from making a help
// file, one line per problem: a missing file, a <title> other than the
// manifest's, a script, a link to a page that is not a topic, a book title
// that the contents file cannot hold. Empty when all is well.
QStringList CheckHelpSources(const HelpManifest& manifest, const QDir& sourceFolder);

// The resource list (.qrc) from which rcc --binary makes the help file: the
// topic index and every topic, each under its own name at the root.
QString FormatResourceList(const HelpManifest& manifest, const QDir& sourceFolder,
                           const QString& topicIndexFile);

}  // namespace help
