#pragma once

#include <filesystem>

// Keeps a second program from opening the same table for writing: an
// exclusive advisory lock on a lock file beside the table, held while the
// table is open. The table files themselves cannot carry the lock, since
// every save replaces them by a rename.
namespace db::paradox {

class TableLock {
public:
    // Throws EDBEngineError when another program holds the table.
    explicit TableLock(const std::filesystem::path& tablePath);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    // The lock file that guards a table.
    static std::filesystem::path LockFileFor(const std::filesystem::path& tablePath);

private:
    int fd_;
};

}  // namespace db::paradox
