// The help compiler: checks help sources against their manifest and writes
// the resource list and topic index from which rcc --binary makes the help
// file, and the contents file that goes beside it. Nothing is written when a
// source is at fault.
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <iostream>

#include "help/contentsfile.h"
#include "help/helperror.h"
#include "help/helpmanifest.h"
#include "help/helpsources.h"

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw help::EHelpError("cannot be read");
    }
    return QString::fromUtf8(file.readAll());
}

bool WriteText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        std::cerr << path.toStdString() << ": cannot be written\n";
        return false;
    }
    return true;
}

QString Beside(const QString& path, const QString& suffix) {
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: helpcompiler <manifest> <resource list .qrc> <contents file .cnt>\n";
        return 2;
    }
    const QString manifestPath = QString::fromLocal8Bit(argv[1]);
    const QString resourceList = QString::fromLocal8Bit(argv[2]);
    const QString contentsPath = QString::fromLocal8Bit(argv[3]);
    help::HelpManifest manifest;
    try {
        manifest = help::ParseManifest(ReadText(manifestPath));
    } catch (const help::EHelpError& error) {
        std::cerr << manifestPath.toStdString() << ": " << error.what() << '\n';
        return 1;
    }
    const QDir sourceFolder = QFileInfo(manifestPath).dir();
    const QStringList problems = help::CheckHelpSources(manifest, sourceFolder);
    for (const QString& problem : problems) {
        std::cerr << manifestPath.toStdString() << ": " << problem.toStdString() << '\n';
    }
    if (!problems.isEmpty()) {
        return 1;
    }
    const QString topicIndex = Beside(resourceList, QStringLiteral(".index.txt"));
    const help::ContentsFile contents{
        QFileInfo(Beside(contentsPath, QStringLiteral(".hlp"))).fileName(), manifest.title,
        manifest.contents};
    const bool written =
        WriteText(topicIndex, help::FormatTopicIndex(manifest)) &&
        WriteText(resourceList, help::FormatResourceList(manifest, sourceFolder, topicIndex)) &&
        WriteText(contentsPath, help::FormatContentsFile(contents));
    return written ? 0 : 1;
}
