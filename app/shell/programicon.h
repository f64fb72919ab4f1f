#pragma once

#include <QPixmap>

// The program's icon, drawn rather than shipped: a bathroom scale.
QPixmap ProgramIcon(int size = 32);
