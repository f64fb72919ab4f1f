// Starts Bodelog: splash window, application object, the forms, event loop.
#include <QApplication>
#include <QLocale>

#include "help/showhelp.h"
#include "shell/programforms.h"
#include "shell/tmainform.h"
#include "shell/tsplashform.h"
#include "sysutils/numberformat.h"
#include "vcl/application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vcl::TApplication application;
    try {
        TSplashForm splash;
        splash.show();
        splash.repaint();
        QApplication::processEvents();

        const char separator = QLocale::system().decimalPoint().at(0).toLatin1();
        sysutils::SetDecimalSeparator(separator == 0 ? '.' : separator);
        application.SetTitle("Bodelog");
        application.SetHelpFile("Bodeloghlp.hlp");
        application.SetHelpHandler(help::ShowHelp);

        const ProgramForms forms;

        splash.hide();
        splash.close();
        forms.mainForm().show();
        QApplication::exec();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return 0;
}
