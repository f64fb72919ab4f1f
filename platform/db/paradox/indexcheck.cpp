#include "db/paradox/indexcheck.h"

#include <cstring>
#include <string>
#include <vector>

#include "db/engine.h"
#include "db/paradox/blockreader.h"
#include "db/paradox/byteorder.h"
#include "db/paradox/datablocks.h"
#include "db/paradox/headerlayout.h"
#include "db/paradox/tableheader.h"

namespace db::paradox {

namespace {

const std::string kName = "index";
constexpr std::size_t kEntryTail = 6;  // block number, count, unused: three Shorts

// Thrown on the first difference; IndexMatches turns it into false.
struct Mismatch {};

void Expect(bool condition) {
    if (!condition) {
        throw Mismatch{};
    }
}

std::uint16_t LoadShort(const std::byte* p) {
    return static_cast<std::uint16_t>(LoadBE16(p) ^ 0x8000);
}

// A level-1 entry: the first key, number and record count of a data block.
struct LeafEntry {
    const std::byte* key = nullptr;
    std::uint16_t block = 0;
    std::uint16_t count = 0;
};

// What an upper entry must agree with: the block below it.
struct Subtree {
    const std::byte* firstKey = nullptr;
    std::size_t records = 0;
};

// Walks the index tree from the root, collecting the level-1 entries in key
// order and checking every upper entry against the block below it.
class IndexWalk {
public:
    IndexWalk(std::span<const std::byte> px, const BlockLayout& layout, std::size_t keySize)
        : px_(px), layout_(layout), keySize_(keySize), seen_(std::size_t{layout.fileBlocks} + 1) {}

    Subtree visit(std::uint16_t number, unsigned level) {
        const Block block = ReadBlock(px_, layout_, number, kName);
        Expect(!seen_[number] && block.entryCount > 0);
        seen_[number] = true;
        entries_ += block.entryCount;
        Subtree tree{px_.data() + block.firstEntry, 0};
        for (std::size_t i = 0; i < block.entryCount; ++i) {
            const std::byte* entry = tree.firstKey + i * layout_.entrySize;
            const std::uint16_t child = LoadShort(entry + keySize_);
            const std::uint16_t count = LoadShort(entry + keySize_ + 2);
            if (level == 1) {
                leaves_.push_back({entry, child, count});
                tree.records += count;
                continue;
            }
            const Subtree below = visit(child, level - 1);
            Expect(std::memcmp(below.firstKey, entry, keySize_) == 0);
            Expect((below.records & 0xFFFF) == count);
            tree.records += below.records;
        }
        return tree;
    }

    const std::vector<LeafEntry>& leaves() const { return leaves_; }
    std::size_t entries() const { return entries_; }

private:
    std::span<const std::byte> px_;
    BlockLayout layout_;
    std::size_t keySize_;
    std::vector<bool> seen_;
    std::vector<LeafEntry> leaves_;
    std::size_t entries_ = 0;
};

void CheckIndexHeader(std::span<const std::byte> px, const TableHeader& table) {
    Expect(px.size() >= header::kFixedEnd);
    const std::byte* p = px.data();
    const std::size_t headerSize = LoadLE16(p + header::kHeaderSize);
    const std::uint8_t blockSizeCode = LoadU8(p + header::kBlockSizeCode);
    Expect(LoadU8(p + header::kFileType) == header::kPrimaryIndex);
    Expect(blockSizeCode >= 1 && blockSizeCode <= header::kMaxBlockSizeCode);
    Expect(LoadLE16(p + header::kRecordSize) == table.keySize() + kEntryTail);
    Expect(LoadLE16(p + header::kFieldCount) == table.keyFieldCount);
    Expect(LoadU8(p + header::kIndexChangeCounter) == table.changeCounter);
    Expect(headerSize >= header::kFixedEnd + 2 * table.keyFieldCount && headerSize <= px.size());
    for (std::size_t i = 0; i < table.keyFieldCount; ++i) {
        Expect(LoadU8(p + header::kFixedEnd + 2 * i) == table.fields[i].code);
        Expect(LoadU8(p + header::kFixedEnd + 2 * i + 1) == table.fields[i].sizeByte);
    }
}

void CheckLeaves(const std::vector<LeafEntry>& leaves, const std::vector<Block>& blocks,
                 std::span<const std::byte> db, std::size_t keySize) {
    Expect(leaves.size() == blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        Expect(leaves[i].block == blocks[i].number && leaves[i].count == blocks[i].entryCount);
        if (blocks[i].entryCount > 0) {
            Expect(std::memcmp(leaves[i].key, db.data() + blocks[i].firstEntry, keySize) == 0);
        }
    }
}

void CheckIndex(std::span<const std::byte> px, std::span<const std::byte> db) {
    const TableHeader table = ReadTableHeader(db, kName);
    Expect(table.keyFieldCount > 0);
    const std::vector<Block> blocks = ReadDataBlocks(db, table, kName);
    CheckIndexHeader(px, table);

    const std::byte* p = px.data();
    const std::uint32_t entries = LoadLE32(p + header::kRecordCount);
    const unsigned levels = LoadU8(p + header::kIndexLevels);
    if (levels == 0) {
        Expect(blocks.empty() && entries == 0);
        return;
    }
    const BlockLayout layout{LoadLE16(p + header::kHeaderSize),
                             std::size_t{LoadU8(p + header::kBlockSizeCode)} * 1024,
                             table.keySize() + kEntryTail, LoadLE16(p + header::kFileBlocks)};
    Expect(layout.entrySize <= layout.blockSize - header::kBlockHeaderSize);
    IndexWalk walk(px, layout, table.keySize());
    walk.visit(LoadLE16(p + header::kIndexRoot), levels);
    Expect(walk.entries() == entries);
    CheckLeaves(walk.leaves(), blocks, db, table.keySize());
}

}  // namespace

bool IndexMatches(std::span<const std::byte> px, std::span<const std::byte> db) {
    try {
        CheckIndex(px, db);
        return true;
    } catch (const Mismatch&) {
        return false;
    } catch (const EDBEngineError&) {
        return false;
    }
}

}  // namespace db::paradox
