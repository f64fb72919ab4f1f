#include "db/paradox/tablewriter.h"

#include <algorithm>
#include <cstring>

#include "db/paradox/byteorder.h"
#include "db/paradox/fieldcodec.h"
#include "db/paradox/headerlayout.h"
#include "db/paradox/tableerror.h"
#include "db/paradox/writeplan.h"

namespace db::paradox {

namespace {

constexpr std::size_t kHeaderSize = 0x800;

// Copies text into the header with its NUL; `area` bytes at most, NUL included.
std::size_t PutText(std::byte* p, const std::string& text, std::size_t area) {
    const std::size_t length = std::min(text.size(), area - 1);
    std::memcpy(p, text.data(), length);
    return length + 1;
}

void WriteFixedPart(std::byte* p, const TableImage& table, const WritePlan& plan) {
    const auto blocks = static_cast<std::uint16_t>(plan.blockCount());
    const auto fieldCount = static_cast<std::uint16_t>(table.fields.size());
    StoreLE16(p + header::kRecordSize, kWeightLogRecordSize);
    StoreLE16(p + header::kHeaderSize, kHeaderSize);
    StoreU8(p + header::kFileType, header::kKeyedTable);
    StoreU8(p + header::kBlockSizeCode, plan.blockSizeCode);
    StoreLE32(p + header::kRecordCount, static_cast<std::uint32_t>(plan.records.size()));
    StoreLE16(p + header::kBlocksInUse, blocks);
    StoreLE16(p + header::kFileBlocks, blocks);
    StoreLE16(p + header::kFirstBlock, blocks > 0 ? 1 : 0);
    StoreLE16(p + header::kLastBlock, blocks);
    StoreLE16(p + header::kUnknownCounter, 3);
    StoreLE32(p + header::kKeyedTablePointer, kPointerBase);
    StoreLE16(p + header::kFieldCount, fieldCount);
    StoreLE16(p + header::kKeyFieldCount, static_cast<std::uint16_t>(table.keyFieldCount));
    StoreLE32(p + header::kEncryption, header::kExtendedEncryptionMarker);
    StoreU8(p + header::kSortOrder, table.sortOrder);
    StoreU8(p + header::kChangeCounter, table.changeCounter);
    StoreU8(p + header::kChangeCounter2, 1);
    StoreLE32(p + header::kTableNamePointerPointer,
              kPointerBase + header::kExtensionEnd + 2u * fieldCount);
    StoreLE32(p + header::kDescriptorPointer, kPointerBase + header::kExtensionEnd);
    StoreU8(p + header::kVersion, plan.version);
    StoreLE16(p + header::kMaxBlocks, blocks);
    StoreU8(p + header::kTableMarker, 0x1F);
    StoreU8(p + header::kTableMarker + 1, 0x0F);
    StoreU8(p + header::kTableMarker2, 0x20);
}

void WriteExtension(std::byte* p, const TableImage& table, const WritePlan& plan) {
    const auto versionWord = static_cast<std::uint16_t>(0x0100 + plan.version);
    StoreLE16(p + header::kVersionWord, versionWord);
    StoreLE16(p + header::kVersionWord2, versionWord);
    StoreLE32(p + header::kUpdateTime, table.updateTime);
    StoreLE16(p + header::kFieldCountPlusOne, static_cast<std::uint16_t>(table.fields.size() + 1));
    StoreLE16(p + header::kCodePage, table.codePage);
    StoreU8(p + header::kExtensionFlags, 1);
    StoreU8(p + header::kExtensionFlags + 1, 1);
    StoreLE16(p + header::kChangeCounter4, 1);
}

// Descriptors, pointers, names, field numbers and the sort-order name, in
// that order from the end of the extension.
void WriteVariablePart(std::byte* p, const TableImage& table, const WritePlan& plan,
                       const std::string& tableName) {
    const std::size_t n = table.fields.size();
    std::size_t pos = header::kExtensionEnd;
    for (const FieldDef& field : table.fields) {
        StoreU8(p + pos, TypeCodeOf(field.type));
        StoreU8(p + pos + 1, field.type == FieldType::Date ? 4 : 8);
        pos += 2;
    }
    const std::size_t tableNamePointer = pos;
    const std::size_t fieldNamePointers = pos + 4;
    pos = fieldNamePointers + 4 * n;
    StoreLE32(p + tableNamePointer, static_cast<std::uint32_t>(kPointerBase + pos));
    PutText(p + pos, tableName, header::TableNameArea(plan.version));
    pos += header::TableNameArea(plan.version);
    for (std::size_t i = 0; i < n; ++i) {
        StoreLE32(p + fieldNamePointers + 4 * i, static_cast<std::uint32_t>(kPointerBase + pos));
        pos += PutText(p + pos, table.fields[i].name, table.fields[i].name.size() + 1);
    }
    StoreLE16(p + header::kFieldNumbersOffset, static_cast<std::uint16_t>(pos - header::kFixedEnd));
    for (std::size_t i = 0; i < n; ++i) {
        StoreLE16(p + pos, static_cast<std::uint16_t>(i + 1));
        pos += 2;
    }
    StoreLE16(p + header::kSortOrderNameOffset,
              static_cast<std::uint16_t>(pos - header::kFixedEnd));
    const std::string& sortName = table.sortOrderName;
    if (pos + sortName.size() + 1 > kHeaderSize) {
        ThrowTableError(tableName, "cannot write this table (sort order name too long)");
    }
    pos += PutText(p + pos, sortName, sortName.size() + 1);
    StoreLE16(p + header::kUsedLength, static_cast<std::uint16_t>(pos));
}

// Records go in with one copy per block, which needs them back to back.
static_assert(sizeof(StoredRecord) == kWeightLogRecordSize);

void WriteDataBlocks(std::byte* p, const WritePlan& plan) {
    const std::size_t blocks = plan.blockCount();
    for (std::size_t b = 0; b < blocks; ++b) {
        std::byte* block = p + kHeaderSize + b * plan.blockSize;
        const std::size_t first = b * plan.recordsPerBlock;
        const std::size_t count = std::min(plan.recordsPerBlock, plan.records.size() - first);
        StoreLE16(block, static_cast<std::uint16_t>(b + 1 < blocks ? b + 2 : 0));
        StoreLE16(block + 2, static_cast<std::uint16_t>(b));
        StoreLE16(block + 4, static_cast<std::uint16_t>((count - 1) * kWeightLogRecordSize));
        std::memcpy(block + header::kBlockHeaderSize, plan.records[first].data(),
                    count * kWeightLogRecordSize);
    }
}

}  // namespace

std::vector<std::byte> WriteTable(const TableImage& table, const std::string& tableName) {
    const WritePlan plan = PlanWrite(table, tableName);
    std::vector<std::byte> out(kHeaderSize + plan.blockCount() * plan.blockSize);
    WriteFixedPart(out.data(), table, plan);
    WriteExtension(out.data(), table, plan);
    WriteVariablePart(out.data(), table, plan, tableName);
    WriteDataBlocks(out.data(), plan);
    return out;
}

}  // namespace db::paradox
