#pragma once

#include "sysutils/exceptions.h"

namespace help {

// A help file, contents file or help source that cannot be used. The
// message is complete as it stands, ready to be shown or printed.
class EHelpError : public sysutils::Exception {
public:
    using Exception::Exception;
};

}  // namespace help
