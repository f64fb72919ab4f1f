#pragma once

#include <QString>

namespace vcl {

// The open dialog's filter "Description|*.EXT|Other|*.A;*.B" in Qt's form
// "Description (*.EXT);;Other (*.A *.B)". A trailing description without a
// pattern is dropped.
QString QtNameFilter(const QString& filter);

}  // namespace vcl
