#pragma once

#include <cstddef>
#include <span>

namespace db::paradox {

// Whether `px` is a primary index that matches the .db file `db`: a .PX for
// the table's key fields, saved with the table (same change counter), whose
// level-1 entries name the table's data blocks in chain order with their
// record counts and first keys, and whose upper levels agree with the
// levels below. False for anything else, damaged bytes included (of either
// file); never throws on bad input. A mismatch means both files should be
// written anew, since WriteIndex describes WriteTable's packed layout, not
// necessarily the layout of `db`.
bool IndexMatches(std::span<const std::byte> px, std::span<const std::byte> db);

}  // namespace db::paradox
