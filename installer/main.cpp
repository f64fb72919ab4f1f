// Starts install: the application object, the installer window, the event
// loop. The installation itself runs when the window is first shown.
#include <QApplication>

#include "installpack/headlessrun.h"
#include "installpack/tinstall.h"
#include "tform1.h"
#include "vcl/application.h"

int main(int argc, char** argv) {
    installpack::UseOffscreenWhenUnattendedWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    vcl::TApplication application;
    application.SetTitle(QStringLiteral("Bodelog V1.0 Installation"));
    int exitCode = 0;
    try {
        TForm1 form1;
        form1.show();
        QApplication::exec();
        exitCode = form1.Install1->ExitCode();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return exitCode;
}
