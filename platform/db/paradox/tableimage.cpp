#include "db/paradox/tableimage.h"

namespace db::paradox {

void BumpChangeCounter(TableImage& table) {
    const bool wraps = table.changeCounter < 2 || table.changeCounter == 255;
    table.changeCounter =
        wraps ? std::uint8_t{2} : static_cast<std::uint8_t>(table.changeCounter + 1);
}

}  // namespace db::paradox
