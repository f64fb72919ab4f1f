#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace db::paradox {

// One field as its header describes it.
struct FieldDescriptor {
    std::uint8_t code = 0;
    std::uint8_t sizeByte = 0;
    std::size_t size = 0;    // bytes in a record
    std::size_t offset = 0;  // from the start of a record
    std::string name;
};

// The header of a .db file, checked for consistency with itself and with the
// length of the file. It says nothing yet about the data blocks.
struct TableHeader {
    std::size_t recordSize = 0;
    std::size_t headerSize = 0;
    std::uint8_t fileType = 0;
    std::uint8_t blockSizeCode = 0;
    std::size_t blockSize = 0;
    std::uint32_t recordCount = 0;
    std::uint16_t fileBlocks = 0;
    std::uint16_t firstBlock = 0;
    std::size_t keyFieldCount = 0;
    std::uint8_t version = 0;
    std::uint8_t sortOrder = 0;
    std::uint8_t changeCounter = 0;
    std::uint16_t codePage = 0;
    std::string sortOrderName;
    std::vector<FieldDescriptor> fields;

    std::size_t keySize() const;
};

// Parses and checks a .db header; throws EDBEngineError naming displayName
// when the bytes are not a readable Paradox table (not one, damaged,
// unsupported version, password protected, unknown field types).
TableHeader ReadTableHeader(std::span<const std::byte> db, const std::string& displayName);

// The refusal of a field whose type we cannot read.
[[noreturn]] void ThrowUnsupportedType(const std::string& displayName,
                                       const FieldDescriptor& field);

}  // namespace db::paradox
