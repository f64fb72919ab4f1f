#include "db/paradox/blockreader.h"

#include "db/paradox/byteorder.h"
#include "db/paradox/headerlayout.h"
#include "db/paradox/tableerror.h"

namespace db::paradox {

namespace {

std::string BlockName(std::uint16_t number) {
    return "block " + std::to_string(number);
}

std::size_t EntryCount(std::int16_t lastOffset, const BlockLayout& layout, std::uint16_t number,
                       const std::string& displayName) {
    const auto entrySize = static_cast<std::int32_t>(layout.entrySize);
    if (lastOffset == -entrySize) {
        return 0;
    }
    if (lastOffset < 0 || lastOffset % entrySize != 0) {
        ThrowDamaged(displayName, BlockName(number) + " has a bad record offset");
    }
    const std::size_t count = static_cast<std::size_t>(lastOffset / entrySize) + 1;
    const std::size_t capacity = (layout.blockSize - header::kBlockHeaderSize) / layout.entrySize;
    if (count > capacity) {
        ThrowDamaged(displayName, BlockName(number) + " claims more records than it can hold");
    }
    return count;
}

}  // namespace

Block ReadBlock(std::span<const std::byte> file, const BlockLayout& layout, std::uint16_t number,
                const std::string& displayName) {
    if (number == 0 || number > layout.fileBlocks) {
        ThrowDamaged(displayName, BlockName(number) + " is not a block of the file");
    }
    const std::size_t start = layout.headerSize + (number - std::size_t{1}) * layout.blockSize;
    if (start > file.size() || file.size() - start < header::kBlockHeaderSize) {
        ThrowDamaged(displayName, BlockName(number) + " lies outside the file");
    }
    const std::byte* p = file.data() + start;
    Block block;
    block.number = number;
    block.next = LoadLE16(p);
    block.firstEntry = start + header::kBlockHeaderSize;
    block.entryCount =
        EntryCount(static_cast<std::int16_t>(LoadLE16(p + 4)), layout, number, displayName);
    if ((file.size() - block.firstEntry) / layout.entrySize < block.entryCount) {
        ThrowDamaged(displayName, BlockName(number) + " is cut short");
    }
    return block;
}

}  // namespace db::paradox
