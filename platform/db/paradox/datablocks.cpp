#include "db/paradox/datablocks.h"

#include "db/paradox/tableerror.h"

namespace db::paradox {

std::vector<Block> ReadDataBlocks(std::span<const std::byte> db, const TableHeader& header,
                                  const std::string& displayName) {
    const BlockLayout layout{header.headerSize, header.blockSize, header.recordSize,
                             header.fileBlocks};
    std::vector<Block> blocks;
    // One flag per block the header admits (at most 65535): bounded whatever the header says.
    std::vector<bool> seen(std::size_t{header.fileBlocks} + 1);
    std::size_t records = 0;
    for (std::uint16_t number = header.firstBlock; number != 0;) {
        const Block block = ReadBlock(db, layout, number, displayName);
        if (seen[number]) {
            ThrowDamaged(displayName,
                         "the chain of data blocks loops at block " + std::to_string(number));
        }
        seen[number] = true;
        records += block.entryCount;
        if (records > header.recordCount) {
            break;
        }
        blocks.push_back(block);
        number = block.next;
    }
    if (records != header.recordCount) {
        ThrowDamaged(displayName,
                     "the header counts " + std::to_string(header.recordCount) +
                         " records, the data blocks hold " +
                         (records > header.recordCount ? "more" : std::to_string(records)));
    }
    return blocks;
}

}  // namespace db::paradox
