#include "sysutils/numberformat.h"

namespace sysutils {

namespace {

char separator = '.';

}  // namespace

char DecimalSeparator() {
    return separator;
}

void SetDecimalSeparator(char newSeparator) {
    separator = newSeparator;
}

}  // namespace sysutils
