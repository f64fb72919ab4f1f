#pragma once

#include <QString>
#include <Qt>

namespace db::views {

// One column of a grid: the field it shows and how its title looks. A
// column that is not read-only lets the user type into its cells.
struct TColumn {
    QString fieldName;
    QString title;
    Qt::Alignment titleAlignment = Qt::AlignLeft;
    int width = 64;
    bool readOnly = true;
};

}  // namespace db::views
