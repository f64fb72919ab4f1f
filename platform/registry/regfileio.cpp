#include "registry/regfileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "registry/regfile.h"

namespace registry {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kNewFileMode = 0644;

[[noreturn]] void ThrowErrno(const std::string& what, const fs::path& path) {
    throw std::system_error(errno, std::generic_category(), what + " " + path.string());
}

// Closes the descriptor it holds when it goes out of scope.
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

// The file's bytes; nothing when it does not exist.
std::optional<std::string> ReadWholeFile(const fs::path& file) {
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::nullopt;
        }
        ThrowErrno("cannot open", file);
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("cannot read", file);
        }
        if (got == 0) {
            return content;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

void WriteAll(int fd, const std::string& text, const fs::path& file) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("cannot write", file);
        }
        done += static_cast<std::size_t>(put);
    }
}

// The first backup name that does not hold an older backup.
fs::path BackupPath(const fs::path& file) {
    std::error_code error;
    fs::path backup = file.string() + ".bak";
    for (int n = 1; fs::exists(backup, error); ++n) {
        backup = file.string() + ".bak." + std::to_string(n);
    }
    return backup;
}

// A replaced file keeps its permissions; a new one is readable by all, as
// machine records written by root must be.
mode_t ModeFor(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? (info.st_mode & 07777) : kNewFileMode;
}

// Makes the rename itself survive a power cut.
void FlushFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        ::fsync(fd.get());
    }
}

}  // namespace

RegTree LoadRegFile(const fs::path& file) {
    const std::optional<std::string> content = ReadWholeFile(file);
    if (!content) {
        return {};
    }
    try {
        return ParseRegFile(*content);
    } catch (const RegFileError&) {
        // Keep the user's values for repair; if even the rename fails, the
        // folder is not writable and nothing will replace the file either.
        std::error_code ignored;
        fs::rename(file, BackupPath(file), ignored);
        return {};
    }
}

void SaveRegFile(const fs::path& file, const RegTree& tree) {
    const std::string text = SerializeRegFile(tree);
    const fs::path folder = file.parent_path();
    std::error_code error;
    if (!folder.empty() && !fs::create_directories(folder, error) && error) {
        throw std::system_error(error, "cannot create " + folder.string());
    }
    std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) {
        ThrowErrno("cannot create a file in", folder);
    }
    try {
        WriteAll(fd.get(), text, temporary);
        if (::fchmod(fd.get(), ModeFor(file)) != 0 || ::fsync(fd.get()) != 0 ||
            ::close(fd.release()) != 0) {
            ThrowErrno("cannot write", temporary);
        }
        if (::rename(temporary.c_str(), file.c_str()) != 0) {
            ThrowErrno("cannot replace", file);
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    FlushFolder(folder);
}

}  // namespace registry
