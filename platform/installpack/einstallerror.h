#pragma once

#include "sysutils/exceptions.h"

namespace installpack {

// Why an installation or an uninstallation could not go on; the text is
// what the incompletion dialog shows.
class EInstallError : public sysutils::Exception {
public:
    using Exception::Exception;
};

}  // namespace installpack
