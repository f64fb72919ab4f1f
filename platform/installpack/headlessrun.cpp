#include "installpack/headlessrun.h"

#include <cstdlib>
#include <cstring>

namespace installpack {

void UseOffscreenWhenUnattendedWithoutDisplay(int argc, char** argv) {
    const bool display =
        std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    for (int i = 1; i < argc && !display; ++i) {
        if (std::strcmp(argv[i], "--unattended") == 0) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        }
    }
}

}  // namespace installpack
