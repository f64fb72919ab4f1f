#pragma once

namespace installpack {

// An unattended run needs no screen: on a machine without one, the
// installer and the uninstaller run on Qt's offscreen platform instead of
// failing to start. Call before the QApplication is made.
void UseOffscreenWhenUnattendedWithoutDisplay(int argc, char** argv);

}  // namespace installpack
