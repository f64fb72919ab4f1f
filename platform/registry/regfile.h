#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "registry/regtree.h"

// The registry export text ("Windows Registry Editor Version 5.00"): one
// section per key, one line per value. Parsing and writing work on text in
// memory; regfileio.h reads and replaces the files.
namespace registry {

// A text that is not a registry file, or a tree that cannot be written as one.
class RegFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the text as a file's bytes: UTF-8 with or without its byte order mark,
// or UTF-16LE with its mark, lines ending in LF or CRLF, long hex lines
// continued with a backslash. Also takes the older "REGEDIT4" form. Throws
// RegFileError, naming the line, when the text does not follow the format.
RegTree ParseRegFile(std::string_view text);

// Writes UTF-8 with LF line endings. A text value goes in quotes when it is
// plain text without a zero byte or line break, and as hex(1) otherwise, so
// that its bytes come back exactly. Throws RegFileError for a name or key path
// with a line break, which the format cannot hold.
std::string SerializeRegFile(const RegTree& tree);

}  // namespace registry
