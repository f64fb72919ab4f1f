#pragma once

#include <filesystem>

#include "db/engine.h"
#include "db/paradox/tableimage.h"
#include "db/paradox/tablelock.h"

namespace db::paradox {

// An open weight log: the whole table in memory, written back whole (both
// files, each replaced atomically) on every change, and locked against other
// writers while it is open.
class ParadoxTable final : public Table {
public:
    // Opens the table at dbPath, rebuilding an index that does not match it.
    explicit ParadoxTable(const std::filesystem::path& dbPath);

    const std::vector<FieldDef>& fields() const override { return image_.fields; }
    std::size_t recordCount() const override { return image_.records.size(); }
    const Record& record(std::size_t index) const override { return image_.records.at(index); }

    std::size_t insert(const Record& record) override;
    std::size_t update(std::size_t index, const Record& record) override;
    void remove(std::size_t index) override;
    void flush() override;

    // Writes a new, empty weight log at dbPath, replacing any table there.
    static void Create(const std::filesystem::path& dbPath);

    // The index file that belongs to a table file: same name, extension .PX.
    static std::filesystem::path IndexPathFor(const std::filesystem::path& dbPath);

private:
    std::size_t KeyPosition(const Record& record) const;
    void Save(TableImage& image) const;
    // Saves the changed image; when that fails, undoes the change in memory
    // too, so the table stays what the files hold.
    template <typename Undo>
    void SaveOrUndo(Undo undo);

    std::filesystem::path dbPath_;
    std::filesystem::path pxPath_;
    TableLock lock_;
    TableImage image_;
};

}  // namespace db::paradox
