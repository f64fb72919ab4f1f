// Starts install: the application object, the installer window, the event
// loop. The installation itself runs when the window is first shown.
#include <QApplication>

#include <cstdlib>
#include <cstring>

#include "installpack/tinstall.h"
#include "tform1.h"
#include "vcl/application.h"

namespace {

// An unattended installation needs no screen: on a machine without one it
// runs on Qt's offscreen platform.
void UseOffscreenWhenUnattendedWithoutDisplay(int argc, char** argv) {
    const bool display =
        std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    for (int i = 1; i < argc && !display; ++i) {
        if (std::strcmp(argv[i], "--unattended") == 0) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    UseOffscreenWhenUnattendedWithoutDisplay(argc, argv);
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
