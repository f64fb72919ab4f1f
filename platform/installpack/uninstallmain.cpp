// The uninstaller that every installation puts in its folder: removes the
// installation of the folder it was started from.
#include <QApplication>

#include "installpack/headlessrun.h"
#include "installpack/uninstallprogram.h"
#include "vcl/application.h"

int main(int argc, char** argv) {
    installpack::UseOffscreenWhenUnattendedWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    vcl::TApplication application;
    application.SetTitle(QStringLiteral("Uninstall"));
    const QStringList arguments = QApplication::arguments().mid(1);
    const bool unattended = arguments == QStringList{QStringLiteral("--unattended")};
    if (!arguments.isEmpty() && !unattended) {
        application.ShowException(std::runtime_error("The only option is --unattended"));
        return 2;
    }
    installpack::UninstallProgram program(QApplication::applicationDirPath().toStdString(),
                                          unattended);
    return program.Run();
}
