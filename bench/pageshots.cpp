// Takes a picture of each page of the main window showing a realistic
// 400-day log, for the README and for looking the pages over:
//   pageshots <output folder> [metric]
// It works in a temporary home, so no real settings or logs are touched.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include <filesystem>
#include <iostream>
#include <string>

#include "benchhome.h"
#include "shell/settingsstore.h"
#include "shell/tmainform.h"
#include "vcl/application.h"
#include "weightloggenerator.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: pageshots <output folder> [metric]\n";
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const bool pounds = argc < 3 || std::string(argv[2]) != "metric";
    const bench::BenchHome home;
    const std::filesystem::path log =
        bench::WriteWeightLog(home.path(), "Pat", 400, bench::LastEntry::Today);
    const SettingsStore settings;
    settings.SetRegInfo(1, log.string(), false, 0.0F);
    settings.SetRegInfo(2, "", false, 0.0F);
    settings.SetRegInfo(3, "", pounds, 0.0F);
    settings.SetRegInfo(4, "Pat", false, 165.0F);

    vcl::TApplication application;
    application.SetTitle("Bodelog");
    TMainForm form(settings);
    MainForm = &form;
    form.show();
    QApplication::processEvents();
    form.Table1AfterPost();

    QDir().mkpath(output);
    for (int page = 0; page < form.PageControl1->count(); ++page) {
        form.PageControl1->setCurrentIndex(page);
        QApplication::processEvents();
        const QString file = output + "/" + form.PageControl1->widget(page)->objectName() + ".png";
        if (!form.grab().save(file)) {
            std::cerr << "cannot write " << file.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
