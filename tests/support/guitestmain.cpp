// The main() of widget tests: one offscreen QApplication for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

// Read by LeakSanitizer in sanitizer builds, and only in widget tests. Qt
// Core now and then reports one small allocation of its own (152 bytes,
// made inside libQt6Core, no frame of ours above it) as leaked when a test
// process ends on a loaded machine; a quiet run never shows it. The tests of
// the plain C++ libraries have no such entry and report every leak.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6Core.so\n";
}

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
