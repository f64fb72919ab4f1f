#include "help/helpfilelocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

#include "help/helpfile.h"
#include "registry/registry.h"

namespace help {

namespace {

std::optional<QString> RegisteredFolder(const QString& helpFile,
                                        const registry::RegistryLocations& locations) {
    registry::TRegistry machine(registry::RootKey::LocalMachine, locations);
    if (!machine.OpenKey(kHelpRegistryKey, false)) {
        return std::nullopt;
    }
    try {
        return QString::fromStdString(machine.ReadString(helpFile.toStdString()));
    } catch (const registry::ERegistryException&) {
        return std::nullopt;
    }
}

std::optional<QString> FileIn(const QString& folder, const QString& helpFile) {
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    const QString path = QDir(folder).filePath(helpFile);
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

QString LocateHelpFile(const QString& helpFile, const QString& programFolder,
                       const registry::RegistryLocations& locations) {
    if (QDir::fromNativeSeparators(helpFile).contains(u'/')) {
        return helpFile;
    }
    if (std::optional<QString> path = FileIn(programFolder, helpFile)) {
        return *path;
    }
    if (std::optional<QString> folder = RegisteredFolder(helpFile, locations)) {
        if (std::optional<QString> path = FileIn(*folder, helpFile)) {
            return *path;
        }
    }
    throw CannotOpenHelpFile(
        helpFile,
        QStringLiteral("It is neither beside the program nor in a folder registered for help."));
}

QString LocateHelpFile(const QString& helpFile) {
    const QString programFolder = QCoreApplication::instance() != nullptr
                                      ? QCoreApplication::applicationDirPath()
                                      : QString();
    return LocateHelpFile(helpFile, programFolder, registry::RegistryLocations::FromEnvironment());
}

}  // namespace help
