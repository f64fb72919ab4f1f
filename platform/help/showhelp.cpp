#include "help/showhelp.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

#include <optional>

#include "help/helpfile.h"
#include "help/helpfilelocator.h"
#include "help/helpviewer.h"

namespace help {

namespace {

// The one viewer of the program. The pointer clears itself when the window
// goes with its owner, and the next command makes a new one.
QPointer<HelpViewer>& TheViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

HelpViewer& ViewerOver(QWidget* owner) {
    QPointer<HelpViewer>& viewer = TheViewer();
    QWidget* host = owner != nullptr ? owner->window() : nullptr;
    if (viewer == nullptr) {
        viewer = new HelpViewer(host);
    } else if (host != nullptr && viewer->parentWidget() != host) {
        // Moved over the new owner, as a window beside a modal owner would
        // take no input.
        const QRect geometry = viewer->geometry();
        viewer->setParent(host, viewer->windowFlags());
        viewer->setGeometry(geometry);
    }
    return *viewer;
}

void ShowError(const QString& message, QWidget* owner) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Help"), message,
                                QMessageBox::Ok, owner != nullptr ? owner->window() : nullptr);
    box->setObjectName(QStringLiteral("HelpErrorBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

// The file a command needs, unless the viewer shows it already.
std::optional<HelpFile> LoadUnlessShown(const QString& path) {
    const HelpViewer* viewer = TheViewer();
    const HelpFile* shown = viewer != nullptr ? viewer->File() : nullptr;
    if (shown != nullptr && shown->Path() == QFileInfo(path).absoluteFilePath()) {
        return std::nullopt;
    }
    return HelpFile::Load(path);
}

void RunCommand(HelpViewer& viewer, int command, const QString& data) {
    if (command == HELP_FINDER) {
        viewer.ShowContents();
    } else if (command == HELP_KEY) {
        viewer.ShowIndex(data);
    } else {
        bool ok = false;
        const int context = data.trimmed().toInt(&ok);
        viewer.ShowContext(ok ? context : 0);
    }
}

}  // namespace

void ShowHelp(const QString& helpFile, int command, const QString& data, QWidget* owner) {
    if (command != HELP_FINDER && command != HELP_KEY && command != HELP_CONTEXT) {
        return;
    }
    try {
        std::optional<HelpFile> file = LoadUnlessShown(LocateHelpFile(helpFile));
        HelpViewer& viewer = ViewerOver(owner);
        if (file) {
            viewer.SetHelpFile(std::move(*file));
        }
        RunCommand(viewer, command, data);
        viewer.showNormal();
        viewer.raise();
        viewer.activateWindow();
    } catch (const EHelpError& error) {
        ShowError(QString::fromStdString(error.what()), owner);
    }
}

}  // namespace help
