#include "db/paradox/indexwriter.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "db/paradox/byteorder.h"
#include "db/paradox/fieldcodec.h"
#include "db/paradox/headerlayout.h"
#include "db/paradox/writeplan.h"

namespace db::paradox {

namespace {

constexpr std::size_t kHeaderSize = 0x800;
constexpr std::uint8_t kBlockSizeCode = 2;
constexpr std::size_t kBlockSize = 2048;
constexpr std::size_t kEntrySize = kWeightLogKeySize + 6;
// Paradox leaves one entry free in every index block it builds.
constexpr std::size_t kEntriesPerBlock = (kBlockSize - header::kBlockHeaderSize) / kEntrySize - 1;

// One index entry before it is stored.
struct Entry {
    std::array<std::byte, kWeightLogKeySize> key{};
    std::size_t child = 0;  // index of the block one level down (the data block on level 1)
    std::size_t count = 0;  // records under it
};

using Level = std::vector<Entry>;

Level LeafLevel(const WritePlan& plan) {
    Level leaves(plan.blockCount());
    for (std::size_t b = 0; b < leaves.size(); ++b) {
        const std::size_t first = b * plan.recordsPerBlock;
        std::memcpy(leaves[b].key.data(), plan.records[first].data(), kWeightLogKeySize);
        leaves[b].child = b;
        leaves[b].count = std::min(plan.recordsPerBlock, plan.records.size() - first);
    }
    return leaves;
}

std::size_t BlocksFor(const Level& level) {
    return (level.size() + kEntriesPerBlock - 1) / kEntriesPerBlock;
}

// Levels from the leaves up; the last one fits in the root block.
std::vector<Level> BuildLevels(const WritePlan& plan) {
    std::vector<Level> levels;
    if (plan.records.empty()) {
        return levels;
    }
    levels.push_back(LeafLevel(plan));
    while (levels.back().size() > kEntriesPerBlock) {
        const Level& below = levels.back();
        Level above;
        for (std::size_t first = 0; first < below.size(); first += kEntriesPerBlock) {
            const std::size_t end = std::min(below.size(), first + kEntriesPerBlock);
            Entry entry{below[first].key, first / kEntriesPerBlock, 0};
            for (std::size_t i = first; i < end; ++i) {
                entry.count += below[i].count;
            }
            above.push_back(entry);
        }
        levels.push_back(std::move(above));
    }
    return levels;
}

// Short encoding; a count past 32767 wraps, as counts are 16 bits on disk.
void StoreShort(std::byte* p, std::size_t value) {
    StoreBE16(p, static_cast<std::uint16_t>((value & 0xFFFF) ^ 0x8000));
}

// Writes the blocks root first, each level after the one above it, all in
// one chain.
void WriteBlocks(std::byte* p, const std::vector<Level>& levels, std::size_t totalBlocks) {
    std::size_t number = 1;
    for (std::size_t l = levels.size(); l-- > 0;) {
        const Level& level = levels[l];
        // Entries above level 1 point at blocks of this file: the level
        // below starts right after this one.
        const std::size_t childBase = l == 0 ? 1 : number + BlocksFor(level);
        for (std::size_t first = 0; first < level.size(); first += kEntriesPerBlock, ++number) {
            const std::size_t count = std::min(kEntriesPerBlock, level.size() - first);
            std::byte* block = p + kHeaderSize + (number - 1) * kBlockSize;
            StoreLE16(block, static_cast<std::uint16_t>(number < totalBlocks ? number + 1 : 0));
            StoreLE16(block + 2, static_cast<std::uint16_t>(number - 1));
            StoreLE16(block + 4, static_cast<std::uint16_t>((count - 1) * kEntrySize));
            std::byte* entry = block + header::kBlockHeaderSize;
            for (std::size_t i = first; i < first + count; ++i, entry += kEntrySize) {
                std::memcpy(entry, level[i].key.data(), kWeightLogKeySize);
                StoreShort(entry + kWeightLogKeySize, childBase + level[i].child);
                StoreShort(entry + kWeightLogKeySize + 2, level[i].count);
                StoreShort(entry + kWeightLogKeySize + 4, 0);
            }
        }
    }
}

void WriteHeader(std::byte* p, const TableImage& table, const WritePlan& plan,
                 const std::vector<Level>& levels, std::size_t totalBlocks,
                 const std::string& indexName) {
    std::size_t entries = 0;
    for (const Level& level : levels) {
        entries += level.size();
    }
    const auto blocks = static_cast<std::uint16_t>(totalBlocks);
    const std::size_t nameArea = header::TableNameArea(plan.version);
    const std::size_t tableNamePointer = header::kFixedEnd + 2;
    StoreLE16(p + header::kRecordSize, kEntrySize);
    StoreLE16(p + header::kHeaderSize, kHeaderSize);
    StoreU8(p + header::kFileType, header::kPrimaryIndex);
    StoreU8(p + header::kBlockSizeCode, kBlockSizeCode);
    StoreLE32(p + header::kRecordCount, static_cast<std::uint32_t>(entries));
    StoreLE16(p + header::kBlocksInUse, blocks);
    StoreLE16(p + header::kFileBlocks, blocks);
    StoreLE16(p + header::kFirstBlock, blocks > 0 ? 1 : 0);
    StoreLE16(p + header::kLastBlock, blocks);
    StoreLE16(p + header::kUnknownCounter, 4);
    StoreLE16(p + header::kIndexRoot, 1);
    StoreU8(p + header::kIndexLevels, static_cast<std::uint8_t>(levels.size()));
    StoreLE16(p + header::kFieldCount, 1);
    StoreU8(p + header::kSortOrder, table.sortOrder);
    StoreU8(p + header::kIndexChangeCounter, table.changeCounter);
    StoreLE32(p + header::kTableNamePointerPointer,
              static_cast<std::uint32_t>(kPointerBase + tableNamePointer));
    StoreLE32(p + header::kDescriptorPointer, kPointerBase + header::kFixedEnd);
    StoreU8(p + header::kVersion, plan.version);
    StoreLE16(p + header::kMaxBlocks, blocks);
    StoreLE32(p + header::kAutoIncrement, 1);
    StoreLE16(p + header::kUsedLength, static_cast<std::uint16_t>(tableNamePointer + 4 + nameArea));

    StoreU8(p + header::kFixedEnd, typecode::kDate);
    StoreU8(p + header::kFixedEnd + 1, kWeightLogKeySize);
    const std::size_t namePos = tableNamePointer + 4;
    StoreLE32(p + tableNamePointer, static_cast<std::uint32_t>(kPointerBase + namePos));
    std::memcpy(p + namePos, indexName.data(), std::min(indexName.size(), nameArea - 1));
}

}  // namespace

std::vector<std::byte> WriteIndex(const TableImage& table, const std::string& indexName) {
    const WritePlan plan = PlanWrite(table, indexName);
    const std::vector<Level> levels = BuildLevels(plan);
    std::size_t totalBlocks = 0;
    for (const Level& level : levels) {
        totalBlocks += BlocksFor(level);
    }
    std::vector<std::byte> out(kHeaderSize + totalBlocks * kBlockSize);
    WriteBlocks(out.data(), levels, totalBlocks);
    WriteHeader(out.data(), table, plan, levels, totalBlocks, indexName);
    return out;
}

}  // namespace db::paradox
