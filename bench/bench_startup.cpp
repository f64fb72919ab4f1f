// Start-up time of Bodelog against a bare Qt window, each in its own
// process, offscreen:
//   bench_startup [runs]        times both and prints the medians and ratio
//   bench_startup --bare        shows an empty main window and quits
//   bench_startup --bodelog     starts as the program does, with automatic
//                               entry on and today's entry present in a
//                               10-year log, and quits when the first
//                               recalculation pass has finished
// Bodelog's runs use a temporary home made by the timing run.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "benchhome.h"
#include "shell/programforms.h"
#include "shell/settingsstore.h"
#include "shell/tmainform.h"
#include "shell/tsplashform.h"
#include "vcl/application.h"
#include "weightloggenerator.h"

extern char** environ;

namespace {

constexpr std::size_t kTenYears = 3653;

int RunBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(618, 414);
    window.show();
    QApplication::processEvents();
    return 0;
}

// The steps of the program's own start, up to the first finished pass.
int RunBodelog(int argc, char** argv) {
    QApplication app(argc, argv);
    vcl::TApplication application;
    TSplashForm splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();
    application.SetTitle("Bodelog");
    const ProgramForms forms;
    TMainForm& mainForm = forms.mainForm();
    splash.hide();
    splash.close();
    mainForm.show();
    // The pass writes the goal forecast, which is empty until then.
    while (mainForm.ReachedLabel->text().isEmpty()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return 0;
}

double SecondsToRun(const std::string& self, const char* mode) {
    std::vector<char*> args{const_cast<char*>(self.c_str()), const_cast<char*>(mode), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, self.c_str(), nullptr, nullptr, args.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + self);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(std::string(mode) + " failed");
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int TimeBoth(int runs) {
    // Before the home moves the working folder away from a relative path.
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const bench::BenchHome home;
    const auto log = bench::WriteWeightLog(home.path(), "Pat", kTenYears, bench::LastEntry::Today);
    const SettingsStore settings;
    settings.SetRegInfo(1, log.string(), false, 0.0F);
    settings.SetRegInfo(2, "", true, 0.0F);
    settings.SetRegInfo(3, "", true, 0.0F);
    settings.SetRegInfo(4, "Pat", false, 160.0F);

    std::vector<double> bare;
    std::vector<double> bodelog;
    // Alternating, so a busy moment of the machine hits both alike.
    for (int i = 0; i < runs; ++i) {
        bare.push_back(SecondsToRun(self, "--bare"));
        bodelog.push_back(SecondsToRun(self, "--bodelog"));
    }
    const double bareMedian = Median(bare);
    const double bodelogMedian = Median(bodelog);
    std::cout << "bare Qt window:   " << bareMedian * 1000 << " ms median of " << runs << "\n"
              << "Bodelog:          " << bodelogMedian * 1000 << " ms median of " << runs << "\n"
              << "ratio:            " << bodelogMedian / bareMedian << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--bare") {
        return RunBare(argc, argv);
    }
    if (mode == "--bodelog") {
        return RunBodelog(argc, argv);
    }
    const int runs = mode.empty() ? 15 : std::max(1, std::atoi(mode.c_str()));
    try {
        return TimeBoth(runs);
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
