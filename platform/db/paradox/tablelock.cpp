#include "db/paradox/tablelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "db/engine.h"

namespace db::paradox {

std::filesystem::path TableLock::LockFileFor(const std::filesystem::path& tablePath) {
    auto lock = tablePath;
    lock += ".lck";
    return lock;
}

TableLock::TableLock(const std::filesystem::path& tablePath) {
    const auto lockPath = LockFileFor(tablePath);
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        throw EDBEngineError("Cannot lock '" + tablePath.string() + "': " + std::strerror(errno));
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd_);
        if (error == EWOULDBLOCK) {
            throw EDBEngineError("Table is busy: '" + tablePath.string() +
                                 "' is open in another program.");
        }
        throw EDBEngineError("Cannot lock '" + tablePath.string() + "': " + std::strerror(error));
    }
}

TableLock::~TableLock() {
    ::close(fd_);
}

}  // namespace db::paradox
