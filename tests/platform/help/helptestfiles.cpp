#include "helptestfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <stdexcept>

#include "help/helpmanifest.h"
#include "help/helpsources.h"

namespace {

void WriteFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

}  // namespace

QString PackHelpFile(const std::filesystem::path& folder, const QString& name,
                     const QList<std::pair<QString, QString>>& files) {
    const QDir sources(
        QString::fromStdString((folder / ("sources-" + name.toStdString())).string()));
    QDir().mkpath(sources.path());
    QString list = QStringLiteral("<RCC><qresource prefix=\"/\">\n");
    for (const auto& [alias, text] : files) {
        WriteFile(sources.filePath(alias), text);
        list += QStringLiteral("<file>%1</file>\n").arg(alias);
    }
    WriteFile(sources.filePath(QStringLiteral("help.qrc")),
              list + QStringLiteral("</qresource></RCC>\n"));
    const QString output = QDir(QString::fromStdString(folder.string())).filePath(name);
    const int exitCode = QProcess::execute(QStringLiteral(BODELOG_RCC),
                                           {QStringLiteral("--binary"), QStringLiteral("--output"),
                                            output, sources.filePath(QStringLiteral("help.qrc"))});
    if (exitCode != 0) {
        throw std::runtime_error("rcc failed for " + name.toStdString());
    }
    return output;
}

QString WriteHelpFile(const std::filesystem::path& folder, const QString& name,
                      const QList<TestTopic>& topics) {
    help::HelpManifest manifest{QStringLiteral("Test Help"), {}, {}};
    QList<std::pair<QString, QString>> files;
    for (const TestTopic& topic : topics) {
        manifest.topics.push_back({topic.file, topic.title, topic.contexts, topic.keywords});
        files.push_back({topic.file, QStringLiteral("<html><head><title>%1</title></head>"
                                                    "<body><h1>%1</h1>%2</body></html>")
                                         .arg(topic.title, topic.body)});
    }
    files.push_back({help::kTopicIndexName, help::FormatTopicIndex(manifest)});
    return PackHelpFile(folder, name, files);
}

QString RealHelpFile() {
    return QStringLiteral(BODELOG_HELP_DIR "/Bodeloghlp.hlp");
}

QList<int> ProgramContexts() {
    QList<int> contexts{1};
    for (int context = 4; context <= 23; ++context) {
        contexts.push_back(context);
    }
    return contexts;
}
