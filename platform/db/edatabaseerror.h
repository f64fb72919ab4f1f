#pragma once

#include "sysutils/exceptions.h"

namespace db {

// An error of the data layer above the engine: a value out of a field's
// range, a required field left empty, an operation on a closed dataset or
// outside edit mode, a field that does not exist.
class EDatabaseError : public sysutils::Exception {
public:
    using Exception::Exception;
};

}  // namespace db
