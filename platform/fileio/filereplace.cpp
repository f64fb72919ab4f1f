#include "fileio/filereplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace fileio {

namespace {

[[noreturn]] void Fail(const std::string& action, const std::filesystem::path& path) {
    throw std::system_error(errno, std::generic_category(),
                            "Cannot " + action + " '" + path.string() + "'");
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

void WriteAll(int fd, std::span<const std::byte> content, const std::filesystem::path& path) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("write", path);
        }
        content = content.subspan(static_cast<std::size_t>(written));
    }
}

void SyncPath(const std::filesystem::path& path, int flags) {
    const Descriptor fd(::open(path.c_str(), flags | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0) {
        Fail("flush", path);
    }
}

mode_t ModeFor(const std::filesystem::path& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    const auto folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

}  // namespace

std::vector<std::byte> ReadWholeFile(const std::filesystem::path& path) {
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        Fail("open", path);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        Fail("read", path);
    }
    std::vector<std::byte> content(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size()) {
            content.resize(content.size() + 4096);  // the file grew since fstat
        }
        const ssize_t got = ::read(fd.get(), content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("read", path);
        }
        if (got == 0) {
            content.resize(filled);
            return content;
        }
        filled += static_cast<std::size_t>(got);
    }
}

void ReplaceFile(const std::filesystem::path& path, std::span<const std::byte> content,
                 Durability durability) {
    std::string temporary =
        (FolderOf(path) / ("." + path.filename().string() + ".XXXXXX")).string();
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) {
        Fail("write", path);
    }
    try {
        if (::fchmod(fd.get(), ModeFor(path)) != 0) {
            Fail("write", path);
        }
        WriteAll(fd.get(), content, path);
        if (durability == Durability::Durable && ::fsync(fd.get()) != 0) {
            Fail("flush", path);
        }
        if (::close(fd.release()) != 0) {
            Fail("write", path);
        }
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            Fail("replace", path);
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    if (durability == Durability::Durable) {
        SyncPath(FolderOf(path), O_RDONLY | O_DIRECTORY);
    }
}

void SyncToDisk(std::span<const std::filesystem::path> files) {
    for (const auto& file : files) {
        SyncPath(file, O_RDONLY);
    }
    if (!files.empty()) {
        SyncPath(FolderOf(files.front()), O_RDONLY | O_DIRECTORY);
    }
}

}  // namespace fileio
