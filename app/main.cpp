// Starts Bodelog: splash window, application object, the forms, event loop.
#include <QApplication>
#include <QLocale>

#include "help/showhelp.h"
#include "shell/taboutbox.h"
#include "shell/tmainform.h"
#include "shell/tsplashform.h"
#include "sysutils/numberformat.h"
#include "vcl/application.h"
#include "weightlog/teditweightdlg.h"
#include "weightlog/tnewfiledlg.h"
#include "weightlog/ttodaysweightdlg.h"

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

        TMainForm mainForm;
        MainForm = &mainForm;
        TTodaysWeightDlg todaysWeightDlg(&mainForm);
        TodaysWeightDlg = &todaysWeightDlg;
        TNewFileDlg newFileDlg(&mainForm);
        NewFileDlg = &newFileDlg;
        TEditWeightDlg editWeightDlg(&mainForm);
        EditWeightDlg = &editWeightDlg;
        TAboutBox aboutBox(&mainForm);
        AboutBox = &aboutBox;

        splash.hide();
        splash.close();
        mainForm.show();
        QApplication::exec();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    return 0;
}
