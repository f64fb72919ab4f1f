#pragma once

#include <QByteArray>

namespace help {

// Whether bytes hold a Qt binary resource (as rcc --binary writes it) whose
// every tree node, name and data block lies within them. Qt trusts the
// offsets inside a resource, so a truncated or damaged file would make it
// read past the end; this is checked before Qt is given one.
bool IsIntactResource(const QByteArray& bytes);

}  // namespace help
