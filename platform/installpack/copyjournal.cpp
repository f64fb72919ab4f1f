#include "installpack/copyjournal.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <system_error>

#include "installpack/einstallerror.h"

namespace installpack {

namespace fs = std::filesystem;

namespace {

fs::path Beside(const fs::path& target, const std::string& suffix) {
    static std::atomic<unsigned> counter{0};
    return target.parent_path() /
           ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
            std::to_string(counter++) + suffix);
}

}  // namespace

CopyJournal::~CopyJournal() {
    if (!done_) {
        Rollback();
    }
}

void CopyJournal::MakeFolders(const fs::path& folder) {
    std::vector<fs::path> missing;
    for (fs::path level = folder; !level.empty() && !fs::exists(level);
         level = level.parent_path()) {
        missing.push_back(level);
        if (level == level.parent_path()) {
            break;
        }
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        std::error_code error;
        if (!fs::create_directory(*it, error) && error) {
            throw EInstallError("The folder '" + it->string() +
                                "' cannot be created: " + error.message());
        }
        folders_.push_back(*it);
    }
    if (!fs::is_directory(folder)) {
        throw EInstallError("'" + folder.string() + "' is not a folder");
    }
}

fs::path CopyJournal::TemporaryFor(const fs::path& target) {
    return Beside(target, ".partial");
}

void CopyJournal::Place(const fs::path& temporary, const fs::path& target) {
    std::error_code error;
    Placed placed{target, {}};
    if (fs::exists(fs::symlink_status(target))) {
        placed.backup = Beside(target, ".backup");
        fs::rename(target, placed.backup, error);
        if (error) {
            fs::remove(temporary, error);
            throw EInstallError("The file '" + target.string() + "' cannot be replaced");
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        if (!placed.backup.empty()) {
            fs::rename(placed.backup, target, ignored);
        }
        throw EInstallError("The file '" + target.string() +
                            "' cannot be written: " + error.message());
    }
    placed_.push_back(std::move(placed));
}

void CopyJournal::WriteFile(const fs::path& target, const std::string& content,
                            fs::perms permissions) {
    const fs::path temporary = TemporaryFor(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw EInstallError("The file '" + target.string() + "' cannot be written");
        }
    }
    std::error_code ignored;
    fs::permissions(temporary, permissions, ignored);
    Place(temporary, target);
}

void CopyJournal::Commit() noexcept {
    std::error_code ignored;
    for (const Placed& placed : placed_) {
        if (!placed.backup.empty()) {
            fs::remove(placed.backup, ignored);
        }
    }
    done_ = true;
}

void CopyJournal::Rollback() noexcept {
    std::error_code ignored;
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) {
        fs::remove(it->target, ignored);
        if (!it->backup.empty()) {
            fs::rename(it->backup, it->target, ignored);
        }
    }
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) {
        fs::remove(*it, ignored);  // only while empty
    }
    placed_.clear();
    folders_.clear();
    done_ = true;
}

}  // namespace installpack
