#pragma once

#include <cstddef>
#include <cstdint>

// Where things sit in the header shared by .db and .PX files, and the file
// type codes. One place for the offsets keeps reader and writers in step.
namespace db::paradox::header {

inline constexpr std::size_t kRecordSize = 0x00;  // .PX: entry size
inline constexpr std::size_t kHeaderSize = 0x02;
inline constexpr std::size_t kFileType = 0x04;
inline constexpr std::size_t kBlockSizeCode = 0x05;
inline constexpr std::size_t kRecordCount = 0x06;  // .PX: entries on all levels
inline constexpr std::size_t kBlocksInUse = 0x0A;
inline constexpr std::size_t kFileBlocks = 0x0C;
inline constexpr std::size_t kFirstBlock = 0x0E;
inline constexpr std::size_t kLastBlock = 0x10;
inline constexpr std::size_t kUnknownCounter = 0x12;
inline constexpr std::size_t kKeyedTablePointer = 0x16;
inline constexpr std::size_t kIndexRoot = 0x1E;
inline constexpr std::size_t kIndexLevels = 0x20;
inline constexpr std::size_t kFieldCount = 0x21;  // .PX: key fields
inline constexpr std::size_t kKeyFieldCount = 0x23;
inline constexpr std::size_t kEncryption = 0x25;
inline constexpr std::size_t kSortOrder = 0x29;
inline constexpr std::size_t kIndexChangeCounter = 0x2C;
inline constexpr std::size_t kChangeCounter = 0x2D;
inline constexpr std::size_t kChangeCounter2 = 0x2E;
inline constexpr std::size_t kTableNamePointerPointer = 0x30;
inline constexpr std::size_t kDescriptorPointer = 0x34;
inline constexpr std::size_t kVersion = 0x39;
inline constexpr std::size_t kMaxBlocks = 0x3A;
inline constexpr std::size_t kTableMarker = 0x3E;
inline constexpr std::size_t kAutoIncrement = 0x49;
inline constexpr std::size_t kUsedLength = 0x51;
inline constexpr std::size_t kTableMarker2 = 0x56;
inline constexpr std::size_t kFixedEnd = 0x58;

// The level-4+ extension of a .db header.
inline constexpr std::size_t kVersionWord = 0x58;
inline constexpr std::size_t kVersionWord2 = 0x5A;
inline constexpr std::size_t kEncryption2 = 0x5C;
inline constexpr std::size_t kUpdateTime = 0x60;
inline constexpr std::size_t kFieldCountPlusOne = 0x64;
inline constexpr std::size_t kFieldNumbersOffset = 0x66;
inline constexpr std::size_t kCodePage = 0x6A;
inline constexpr std::size_t kExtensionFlags = 0x6C;
inline constexpr std::size_t kSortOrderNameOffset = 0x6E;
inline constexpr std::size_t kChangeCounter4 = 0x70;
inline constexpr std::size_t kExtensionEnd = 0x78;

inline constexpr std::uint8_t kKeyedTable = 0;
inline constexpr std::uint8_t kPrimaryIndex = 1;
inline constexpr std::uint8_t kTableWithoutKey = 2;

inline constexpr std::uint8_t kFirstVersion = 0x03;
inline constexpr std::uint8_t kFirstExtendedVersion = 0x05;  // level 4: has the extension
inline constexpr std::uint8_t kLevel4Version = 0x09;
inline constexpr std::uint8_t kLongNameVersion = 0x0C;  // level 7: 261-byte table name
inline constexpr std::uint8_t kLastVersion = 0x0C;

inline constexpr std::uint32_t kExtendedEncryptionMarker = 0xFF00FF00;

inline constexpr std::size_t kBlockHeaderSize = 6;
inline constexpr std::size_t kMaxBlockSizeCode = 32;

// The table-name area of the header: 79 bytes before level 7, 261 from it.
constexpr std::size_t TableNameArea(std::uint8_t version) {
    return version >= kLongNameVersion ? 261 : 79;
}

}  // namespace db::paradox::header
