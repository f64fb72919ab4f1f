#include "help/helpfile.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QResource>

#include "help/contentsfile.h"
#include "help/helpsources.h"
#include "help/intactresource.h"

namespace help {

namespace {

const QString kMountRoot = QStringLiteral("/bodelog-help-load");
constexpr qint64 kLargestHelpFile = 64 * 1024 * 1024;

// A help file's resource tree, registered with Qt only while it is read, so
// that no registration outlives the load. The bytes were checked whole.
class MountedHelpFile {
public:
    explicit MountedHelpFile(const QByteArray& bytes)
        : bytes_(bytes), mounted_(QResource::registerResource(Data(), kMountRoot)) {}
    ~MountedHelpFile() {
        if (mounted_) {
            QResource::unregisterResource(Data(), kMountRoot);
        }
    }
    MountedHelpFile(const MountedHelpFile&) = delete;
    MountedHelpFile& operator=(const MountedHelpFile&) = delete;

    bool IsMounted() const { return mounted_; }

    std::optional<QString> Read(const QString& name) const {
        QFile file(u':' + kMountRoot + u'/' + name);
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return QString::fromUtf8(file.readAll());
    }

private:
    const uchar* Data() const { return reinterpret_cast<const uchar*>(bytes_.constData()); }

    const QByteArray& bytes_;
    bool mounted_;
};

// The bytes of a help file that Qt can read safely, or nothing.
std::optional<QByteArray> ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestHelpFile) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (!IsIntactResource(bytes)) {
        return std::nullopt;
    }
    return bytes;
}

QList<IndexEntry> BuildIndex(const QList<HelpTopic>& topics) {
    QMap<QString, IndexEntry> byKey;
    for (const HelpTopic& topic : topics) {
        for (const QString& keyword : topic.keywords) {
            IndexEntry& entry = byKey[keyword.toCaseFolded()];
            if (entry.keyword.isEmpty()) {
                entry.keyword = keyword;
            }
            if (!entry.files.contains(topic.file)) {
                entry.files.push_back(topic.file);
            }
        }
    }
    return byKey.values();
}

QList<ContentsEntry> EveryTopic(const QList<HelpTopic>& topics) {
    QList<ContentsEntry> entries;
    for (const HelpTopic& topic : topics) {
        entries.push_back({1, topic.title, topic.file});
    }
    return entries;
}

}  // namespace

EHelpError CannotOpenHelpFile(const QString& file, const QString& reason) {
    return EHelpError(
        QStringLiteral("Cannot open the help file \"%1\".\n%2").arg(file, reason).toStdString());
}

HelpFile HelpFile::Load(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        throw CannotOpenHelpFile(path, QStringLiteral("The file does not exist."));
    }
    HelpFile help;
    help.path_ = info.absoluteFilePath();
    help.ReadTopics();
    help.index_ = BuildIndex(help.manifest_.topics);
    const QString contentsPath =
        info.dir().filePath(info.completeBaseName() + QStringLiteral(".cnt"));
    help.contents_ = QFileInfo::exists(contentsPath) ? help.ReadContents(contentsPath)
                                                     : EveryTopic(help.manifest_.topics);
    return help;
}

void HelpFile::ReadTopics() {
    const auto damaged = [&](const QString& detail) {
        return CannotOpenHelpFile(path_, QStringLiteral("It is damaged: %1.").arg(detail));
    };
    const auto unreadable = [&] {
        return CannotOpenHelpFile(path_,
                                  QStringLiteral("It cannot be read, or it is not a help file."));
    };
    const std::optional<QByteArray> bytes = ReadResource(path_);
    if (!bytes) {
        throw unreadable();
    }
    const MountedHelpFile mounted(*bytes);
    if (!mounted.IsMounted()) {
        throw unreadable();
    }
    const std::optional<QString> index = mounted.Read(kTopicIndexName);
    if (!index) {
        throw damaged(QStringLiteral("it has no topic index"));
    }
    try {
        manifest_ = ParseManifest(*index);
    } catch (const EHelpError& error) {
        throw damaged(QStringLiteral("its topic index, ") + QString::fromStdString(error.what()));
    }
    for (const HelpTopic& topic : manifest_.topics) {
        const std::optional<QString> html = mounted.Read(topic.file);
        if (!html) {
            throw damaged(QStringLiteral("topic \"%1\" is missing").arg(topic.file));
        }
        html_.insert(topic.file, *html);
    }
}

QList<ContentsEntry> HelpFile::ReadContents(const QString& contentsPath) const {
    QFile file(contentsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw CannotOpenHelpFile(
            path_, QStringLiteral("Its contents file \"%1\" cannot be read.").arg(contentsPath));
    }
    const auto damaged = [&](const QString& detail) {
        return CannotOpenHelpFile(
            path_,
            QStringLiteral("Its contents file \"%1\" is damaged: %2.").arg(contentsPath, detail));
    };
    QList<ContentsEntry> entries;
    try {
        entries = ParseContentsFile(QString::fromUtf8(file.readAll())).entries;
    } catch (const EHelpError& error) {
        throw damaged(QString::fromStdString(error.what()));
    }
    for (const ContentsEntry& entry : entries) {
        if (!entry.IsBook() && Topic(entry.file) == nullptr) {
            throw damaged(QStringLiteral("there is no topic \"%1\"").arg(entry.file));
        }
    }
    return entries;
}

const HelpTopic* HelpFile::TopicForContext(int context) const {
    for (const HelpTopic& topic : manifest_.topics) {
        if (topic.contexts.contains(context)) {
            return &topic;
        }
    }
    return nullptr;
}

const IndexEntry* HelpFile::Keyword(const QString& keyword) const {
    for (const IndexEntry& entry : index_) {
        if (entry.keyword.compare(keyword, Qt::CaseInsensitive) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<QString> HelpFile::TopicHtml(const QString& file) const {
    const auto found = html_.constFind(file);
    if (found == html_.constEnd()) {
        return std::nullopt;
    }
    return *found;
}

}  // namespace help
