#include "installpack/uninstallprogram.h"

#include <QCoreApplication>

#include <iostream>

#include "installpack/einstallerror.h"
#include "installpack/uninstallation.h"
#include "vcl/application.h"

namespace installpack {

UninstallProgram::UninstallProgram(std::filesystem::path folder, bool unattended)
    : folder_(std::move(folder)), unattended_(unattended) {}

QString UninstallProgram::ReportText(const QString& title, const UninstallReport& report) {
    QString text =
        QCoreApplication::translate("UninstallProgram", "%1 was removed from your computer.")
            .arg(title);
    if (report.kept.empty()) {
        return text;
    }
    text += QCoreApplication::translate(
                "UninstallProgram",
                "\n\nThese files were not removed, because the installation did not make them or "
                "they have been changed since. They remain in %1:\n")
                .arg(QString::fromStdString(report.destination.string()));
    for (const std::filesystem::path& file : report.kept) {
        const bool inside = file.parent_path() == report.destination;
        text += QStringLiteral("\n    ") +
                QString::fromStdString(inside ? file.filename().string() : file.string());
    }
    return text;
}

void UninstallProgram::Tell(const QString& text, bool failure) const {
    if (unattended_) {
        (failure ? std::cerr : std::cout) << text.toStdString() << '\n';
        return;
    }
    vcl::Application().MessageBox({text, vcl::Application().Title(), vcl::MessageButtons::OK,
                                   failure ? vcl::MessageIcon::Stop : vcl::MessageIcon::Information,
                                   vcl::ModalResult::OK});
}

int UninstallProgram::Run() {
    try {
        Uninstallation uninstallation(folder_);
        const QString title = QString::fromStdString(uninstallation.Log().title);
        if (!unattended_) {
            const vcl::ModalResult answer = vcl::Application().MessageBox(
                {QCoreApplication::translate(
                     "UninstallProgram",
                     "Are you sure you want to completely remove %1 and all of its components?")
                     .arg(title),
                 vcl::Application().Title(), vcl::MessageButtons::YesNo, vcl::MessageIcon::Warning,
                 vcl::ModalResult::No});
            if (answer != vcl::ModalResult::Yes) {
                return 0;
            }
        }
        Tell(ReportText(title, uninstallation.Run()), false);
        return 0;
    } catch (const EInstallError& error) {
        Tell(QString::fromStdString(error.what()), true);
        return 1;
    }
}

}  // namespace installpack
