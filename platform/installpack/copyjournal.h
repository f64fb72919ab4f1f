#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace installpack {

// Every change an installation makes to the file system, so that a failed
// or cancelled one can put the machine back as it was. A file that is
// replaced is kept aside until Commit; folders are remembered when made.
class CopyJournal {
public:
    CopyJournal() = default;
    ~CopyJournal();
    CopyJournal(const CopyJournal&) = delete;
    CopyJournal& operator=(const CopyJournal&) = delete;

    // Makes the folder and its missing parents. Throws EInstallError.
    void MakeFolders(const std::filesystem::path& folder);
    // A temporary name beside `target` for its new content.
    static std::filesystem::path TemporaryFor(const std::filesystem::path& target);
    // Moves the finished temporary file over the target; an old target is
    // kept aside. Throws EInstallError.
    void Place(const std::filesystem::path& temporary, const std::filesystem::path& target);
    // Writes a small file whole through a temporary file and Place.
    void WriteFile(const std::filesystem::path& target, const std::string& content,
                   std::filesystem::perms permissions);

    // The folders made, outermost first.
    const std::vector<std::filesystem::path>& CreatedFolders() const { return folders_; }

    // Keeps every change and drops what was kept aside.
    void Commit() noexcept;
    // Undoes every change, newest first. Also run by the destructor when
    // neither was called.
    void Rollback() noexcept;

private:
    struct Placed {
        std::filesystem::path target;
        std::filesystem::path backup;  // empty when the target was new
    };

    std::vector<Placed> placed_;
    std::vector<std::filesystem::path> folders_;
    bool done_ = false;
};

}  // namespace installpack
