#pragma once

#include <QObject>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>

#include "installpack/installation.h"
#include "installpack/installdefinition.h"
#include "installpack/installplaces.h"

class QWidget;

namespace installpack {

class TCopyFileDlg;
class TInstallDialog;
class TTranslator;
struct PackOptions;

// The pack's installation component. Placed on an installer's window with
// its definition, it waits for the window's first showing, maximises it and
// runs the installation: the before-install dialogs, the copying with its
// progress, then the completion or incompletion dialog; the window closes
// at the end. With the pack's --unattended option it installs without
// dialogs and reports on the standard error stream.
class TInstall : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool RunAutomatic MEMBER runAutomatic_)
    Q_PROPERTY(bool AutoMaximizeWindow MEMBER autoMaximizeWindow_)
public:
    TInstall(QWidget* window, InstallDefinition definition);
    ~TInstall() override;

    const InstallDefinition& Definition() const { return definition_; }
    void SetTranslator(TTranslator* translator) { translator_ = translator; }

    // Where the group archives are: by default beside the running program,
    // where the loader unpacks them.
    void SetArchiveFolder(std::filesystem::path folder) { archiveFolder_ = std::move(folder); }
    // The places; by default those of the environment.
    void SetPlaces(InstallPlaces places) { places_ = std::move(places); }
    // The pack's options; by default the program's arguments.
    void SetArguments(QStringList arguments) { arguments_ = std::move(arguments); }

    // 0 after an installation that completed or was shown as incomplete;
    // 1 after an unattended one that failed.
    int ExitCode() const { return exitCode_; }

    // The installation from start to end; the first showing runs it.
    void Execute();

signals:
    // The copying begins with its progress window.
    void CopyingStarted(installpack::TCopyFileDlg* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start();
    void RunUnattended(Installation& installation, const InstallChoices& choices);
    bool RunBeforeInstall(Installation& installation, InstallChoices& choices);
    std::optional<QString> CopyFiles(Installation& installation, const InstallChoices& choices);
    void ShowEnd(ManagerType manager, const QString& text);
    std::unique_ptr<TInstallDialog> MakeDialog(const WizardDialog& dialog,
                                               Installation& installation,
                                               const InstallChoices& choices);
    std::vector<WizardDialog> DialogsOf(ManagerType manager) const;
    InstallChoices DefaultChoices(const Installation& installation,
                                  const PackOptions& options) const;
    QString Title() const;
    InstallPlaces PlacesFor(const PackOptions& options) const;

    QWidget* window_;
    InstallDefinition definition_;
    TTranslator* translator_ = nullptr;
    std::filesystem::path archiveFolder_;
    std::optional<InstallPlaces> places_;
    QStringList arguments_;
    bool runAutomatic_ = true;
    bool autoMaximizeWindow_ = true;
    bool started_ = false;
    int exitCode_ = 0;
};

}  // namespace installpack
