#include "installpack/tinstall.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <iostream>

#include "installpack/einstallerror.h"
#include "installpack/packoptions.h"
#include "installpack/tbadinstallationdlg.h"
#include "installpack/tcopyfiledlg.h"
#include "installpack/tgoodinstallationdlg.h"
#include "installpack/tinstallfilegroupsdlg.h"
#include "installpack/tinstallstatusdlg.h"
#include "installpack/tlicensedlg.h"
#include "installpack/treadmedlg.h"
#include "installpack/tselectfolderdlg.h"
#include "installpack/ttranslator.h"
#include "installpack/twelcomedlg.h"
#include "vcl/application.h"

namespace installpack {

namespace {

// Shows the copying in the pack's two progress windows and lets their
// Cancel button be pressed between blocks.
class DialogProgress final : public CopyProgress {
public:
    DialogProgress(TCopyFileDlg& copy, TInstallStatusDlg& status) : copy_(copy), status_(status) {}

    void Status(const std::string& text) override {
        status_.ShowStatus(QString::fromStdString(text));
        QCoreApplication::processEvents();
    }
    void FileStarted(const std::string& fileName, const std::filesystem::path& target) override {
        copy_.ShowFile(QString::fromStdString(fileName), QString::fromStdString(target.string()));
        QCoreApplication::processEvents();
    }
    bool Copied(std::uint64_t fileDone, std::uint64_t fileSize, std::uint64_t totalDone,
                std::uint64_t totalSize) override {
        copy_.ShowProgress(fileDone, fileSize, totalDone, totalSize);
        QCoreApplication::processEvents();
        return !copy_.CancelRequested();
    }

private:
    TCopyFileDlg& copy_;
    TInstallStatusDlg& status_;
};

// Reports an unattended installation on the standard error stream.
class QuietProgress final : public CopyProgress {
public:
    void Status(const std::string& text) override { std::cerr << text << '\n'; }
    void FileStarted(const std::string&, const std::filesystem::path& target) override {
        std::cerr << "  " << target.string() << '\n';
    }
    bool Copied(std::uint64_t, std::uint64_t, std::uint64_t, std::uint64_t) override {
        return true;
    }
};

}  // namespace

TInstall::TInstall(QWidget* window, InstallDefinition definition)
    : QObject(window),
      window_(window),
      definition_(std::move(definition)),
      archiveFolder_(QCoreApplication::applicationDirPath().toStdString()),
      arguments_(QCoreApplication::arguments().mid(1)) {
    setObjectName(QStringLiteral("Install1"));
    window_->installEventFilter(this);
}

TInstall::~TInstall() = default;

bool TInstall::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show && !started_ && runAutomatic_) {
        started_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Start(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TInstall::Start() {
    if (autoMaximizeWindow_) {
        window_->showMaximized();
    }
    vcl::Application().Guard([this] { Execute(); });
    window_->close();
}

QString TInstall::Title() const {
    return QString::fromStdString(definition_.Title());
}

InstallChoices TInstall::DefaultChoices(const Installation& installation,
                                        const PackOptions& options) const {
    InstallChoices choices;
    choices.destination = options.destination.value_or(installation.DefaultDestination());
    choices.menuFolder = options.menuFolder.value_or(FolderName(definition_.mainFolder.destDir));
    for (const FileGroup& group : definition_.groups) {
        if (std::ranges::find(options.skippedGroups, group.groupName) ==
            options.skippedGroups.end()) {
            choices.groups.insert(group.groupName);
        }
    }
    return choices;
}

InstallPlaces TInstall::PlacesFor(const PackOptions& options) const {
    if (places_) {
        return *places_;
    }
    PlaceSources sources = PlaceSources::FromEnvironment();
    sources.system = sources.system && !options.perUser;
    return InstallPlaces::For(sources);
}

void TInstall::Execute() {
    std::vector<std::string> words;
    for (const QString& argument : arguments_) {
        words.push_back(argument.toStdString());
    }
    const PackOptions options = PackOptions::Parse(words);
    places_ = PlacesFor(options);
    Installation installation(definition_, *places_, archiveFolder_);
    InstallChoices choices = DefaultChoices(installation, options);
    if (options.unattended) {
        RunUnattended(installation, choices);
        return;
    }
    if (!RunBeforeInstall(installation, choices)) {
        ShowEnd(ManagerType::AfterBadInstall, tr("The installation was cancelled."));
        return;
    }
    if (const std::optional<QString> failure = CopyFiles(installation, choices)) {
        ShowEnd(ManagerType::AfterBadInstall, *failure);
    } else {
        ShowEnd(ManagerType::AfterGoodInstall, QString());
    }
}

void TInstall::RunUnattended(Installation& installation, const InstallChoices& choices) {
    QuietProgress progress;
    try {
        installation.Run(choices, progress);
        std::cerr << definition_.Title() << " has been installed in "
                  << choices.destination.string() << '\n';
    } catch (const EInstallError& error) {
        std::cerr << definition_.Title() << " has not been installed: " << error.what() << '\n';
        exitCode_ = 1;
    }
}

std::vector<WizardDialog> TInstall::DialogsOf(ManagerType manager) const {
    std::vector<WizardDialog> dialogs;
    for (const DialogManager& each : definition_.managers) {
        if (each.managerType == manager) {
            dialogs.insert(dialogs.end(), each.dialogs.begin(), each.dialogs.end());
        }
    }
    std::ranges::stable_sort(dialogs, {}, &WizardDialog::order);
    return dialogs;
}

std::unique_ptr<TInstallDialog> TInstall::MakeDialog(const WizardDialog& dialog,
                                                     Installation& installation,
                                                     const InstallChoices& choices) {
    const QString name = QString::fromStdString(dialog.component);
    const QString text = QString::fromStdString(dialog.text);
    std::unique_ptr<TInstallDialog> made;
    if (dialog.className == "TWelcomeDlg") {
        made = std::make_unique<TWelcomeDlg>(window_, name, Title(), text);
    } else if (dialog.className == "TLicenseDlg") {
        made = std::make_unique<TLicenseDlg>(window_, name, Title(), text);
    } else if (dialog.className == "TReadmeDlg") {
        made = std::make_unique<TReadmeDlg>(window_, name, Title(), text);
    } else if (dialog.className == "TInstallFileGroupsDlg") {
        auto groups = std::make_unique<TInstallFileGroupsDlg>(window_, name, installation,
                                                              definition_.groups);
        groups->SetDestination(QString::fromStdString(choices.destination.string()));
        made = std::move(groups);
    } else if (dialog.className == "TSelectFolderDlg") {
        made = std::make_unique<TSelectFolderDlg>(window_, name,
                                                  QString::fromStdString(choices.menuFolder));
    } else if (dialog.className == "TGoodInstallationDlg") {
        made = std::make_unique<TGoodInstallationDlg>(window_, name, Title(), text);
    } else if (dialog.className == "TBadInstallationDlg") {
        made = std::make_unique<TBadInstallationDlg>(window_, name, Title(), text);
    } else {
        throw EInstallError("The pack has no dialog of the kind " + dialog.className);
    }
    made->setWindowTitle(Title());
    if (translator_ != nullptr) {
        translator_->Apply(*made);
    }
    return made;
}

bool TInstall::RunBeforeInstall(Installation& installation, InstallChoices& choices) {
    std::vector<std::unique_ptr<TInstallDialog>> dialogs;
    for (const WizardDialog& dialog : DialogsOf(ManagerType::BeforeInstall)) {
        dialogs.push_back(MakeDialog(dialog, installation, choices));
    }
    std::size_t page = 0;
    while (page < dialogs.size()) {
        TInstallDialog& dialog = *dialogs[page];
        dialog.Reset();
        const TInstallDialog::Step step = dialog.StepAfter(vcl::Application().ShowModal(dialog));
        if (step == TInstallDialog::Step::Cancel) {
            return false;
        }
        if (step == TInstallDialog::Step::Back) {
            page = page == 0 ? 0 : page - 1;
        } else if (dialog.Validate()) {
            ++page;
        }
    }
    for (const auto& dialog : dialogs) {
        if (const auto* groups = qobject_cast<TInstallFileGroupsDlg*>(dialog.get())) {
            choices.destination = groups->Destination().toStdString();
            choices.groups = groups->Groups();
        } else if (const auto* folder = qobject_cast<TSelectFolderDlg*>(dialog.get())) {
            choices.menuFolder = folder->FolderName().toStdString();
        }
    }
    return true;
}

std::optional<QString> TInstall::CopyFiles(Installation& installation,
                                           const InstallChoices& choices) {
    TCopyFileDlg copy(window_);
    TInstallStatusDlg status(window_);
    if (translator_ != nullptr) {
        translator_->Apply(copy);
        translator_->Apply(status);
    }
    copy.setWindowTitle(Title());
    status.show();
    copy.show();
    emit CopyingStarted(&copy);
    DialogProgress progress(copy, status);
    try {
        if (installation.Run(choices, progress) == InstallOutcome::Cancelled) {
            return tr("The installation was cancelled.");
        }
    } catch (const EInstallError& error) {
        return QString::fromStdString(error.what());
    }
    return std::nullopt;
}

void TInstall::ShowEnd(ManagerType manager, const QString& text) {
    InstallChoices none;
    Installation installation(definition_, *places_, archiveFolder_);
    for (WizardDialog dialog : DialogsOf(manager)) {
        if (!text.isEmpty()) {
            dialog.text = "\n\n" + text.toStdString();
        }
        const std::unique_ptr<TInstallDialog> made = MakeDialog(dialog, installation, none);
        vcl::Application().ShowModal(*made);
    }
}

}  // namespace installpack
