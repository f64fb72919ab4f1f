#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace db::paradox {

// How a file's blocks are laid out: .db data blocks hold records, .PX blocks
// index entries; both share the block header.
struct BlockLayout {
    std::size_t headerSize = 0;
    std::size_t blockSize = 0;
    std::size_t entrySize = 0;
    std::uint16_t fileBlocks = 0;
};

// One block as its header describes it.
struct Block {
    std::uint16_t number = 0;
    std::uint16_t next = 0;
    std::size_t firstEntry = 0;  // file offset of the first record or index entry
    std::size_t entryCount = 0;
};

// Reads and checks the header of block `number` (counting from 1): the block
// must be one of the file's blocks, and the entries it claims must fit the
// block and lie inside the file (the tail of a last block may be missing).
// Throws EDBEngineError naming displayName otherwise.
Block ReadBlock(std::span<const std::byte> file, const BlockLayout& layout, std::uint16_t number,
                const std::string& displayName);

}  // namespace db::paradox
