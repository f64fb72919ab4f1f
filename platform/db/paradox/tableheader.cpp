#include "db/paradox/tableheader.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "db/paradox/byteorder.h"
#include "db/paradox/fieldcodec.h"
#include "db/paradox/headerlayout.h"
#include "db/paradox/tableerror.h"

namespace db::paradox {

namespace {

constexpr std::size_t kPointerSize = 4;

std::string Hex(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0x0F];
}

void CheckFixedPart(std::span<const std::byte> db, const TableHeader& h, const std::string& name) {
    if (h.headerSize < header::kFixedEnd || h.headerSize > db.size()) {
        ThrowTableError(name, "not a Paradox table (header size out of range)");
    }
    if (h.fileType == header::kPrimaryIndex) {
        ThrowTableError(name, "not a Paradox table (this is a primary index file)");
    }
    if (h.fileType != header::kKeyedTable && h.fileType != header::kTableWithoutKey) {
        ThrowTableError(name, "not a Paradox table (file type " + Hex(h.fileType) + ")");
    }
    if (h.version < header::kFirstVersion || h.version > header::kLastVersion) {
        ThrowTableError(name, "unsupported Paradox version (file version " + Hex(h.version) + ")");
    }
    if (h.blockSizeCode == 0 || h.blockSizeCode > header::kMaxBlockSizeCode) {
        ThrowDamaged(name, "block size code " + std::to_string(h.blockSizeCode) + " out of range");
    }
    if (h.recordSize == 0 || h.recordSize > h.blockSize - header::kBlockHeaderSize) {
        ThrowDamaged(name, "record size " + std::to_string(h.recordSize) + " out of range");
    }
    if (h.version >= header::kFirstExtendedVersion && h.headerSize < header::kExtensionEnd) {
        ThrowDamaged(name, "header too short for its version");
    }
}

bool IsEncrypted(const std::byte* p, std::uint8_t version) {
    const std::uint32_t word = LoadLE32(p + header::kEncryption);
    if (version < header::kFirstExtendedVersion) {
        return word != 0;
    }
    const bool markerOk = word == 0 || word == header::kExtendedEncryptionMarker;
    return !markerOk || LoadLE32(p + header::kEncryption2) != 0;
}

void CheckKeyCount(const TableHeader& h, std::size_t fieldCount, const std::string& name) {
    if (fieldCount == 0) {
        ThrowDamaged(name, "no fields");
    }
    if (h.keyFieldCount > fieldCount) {
        ThrowDamaged(name, "more key fields than fields");
    }
    if ((h.fileType == header::kKeyedTable) != (h.keyFieldCount > 0)) {
        ThrowDamaged(name, "key field count does not suit the file type");
    }
}

// A NUL-terminated text inside the header; nullopt when it runs past its end.
std::optional<std::string> TextAt(const std::byte* p, std::size_t pos, std::size_t end) {
    if (pos >= end) {
        return std::nullopt;
    }
    const auto* text = reinterpret_cast<const char*>(p + pos);
    const auto* nul = static_cast<const char*>(std::memchr(text, 0, end - pos));
    if (nul == nullptr) {
        return std::nullopt;
    }
    return std::string(text, static_cast<std::size_t>(nul - text));
}

// Reads descriptors and names; returns the offset just past the names.
std::size_t ReadFields(const std::byte* p, TableHeader& h, std::size_t fieldCount,
                       const std::string& name) {
    const std::size_t base =
        h.version >= header::kFirstExtendedVersion ? header::kExtensionEnd : header::kFixedEnd;
    const std::size_t names = base + 2 * fieldCount + kPointerSize + kPointerSize * fieldCount +
                              header::TableNameArea(h.version);
    if (names > h.headerSize) {
        ThrowDamaged(name,
                     "field count " + std::to_string(fieldCount) + " does not fit the header");
    }
    h.fields.resize(fieldCount);
    std::size_t pos = names;
    for (std::size_t i = 0; i < fieldCount; ++i) {
        FieldDescriptor& field = h.fields[i];
        field.code = LoadU8(p + base + 2 * i);
        field.sizeByte = LoadU8(p + base + 2 * i + 1);
        std::optional<std::string> fieldName = TextAt(p, pos, h.headerSize);
        if (!fieldName) {
            ThrowDamaged(name, "field names run past the header");
        }
        pos += fieldName->size() + 1;
        field.name = std::move(*fieldName);
    }
    return pos;
}

void ReadFieldSizes(TableHeader& h, const std::string& name) {
    std::size_t offset = 0;
    for (FieldDescriptor& field : h.fields) {
        const std::optional<std::size_t> size = FieldSizeInRecord(field.code, field.sizeByte);
        if (!size) {
            if (!IsKnownTypeCode(field.code)) {
                ThrowUnsupportedType(name, field);
            }
            ThrowDamaged(name, "field '" + field.name + "' has a bad size");
        }
        field.size = *size;
        field.offset = offset;
        offset += *size;
    }
    if (offset != h.recordSize) {
        ThrowDamaged(name, "record size does not match the fields");
    }
}

// The level-4+ items after the field names: field numbers, then the name of
// the sort order. Only kept for rewriting, so a missing name is no error.
void ReadSortOrderName(const std::byte* p, TableHeader& h, std::size_t afterNames) {
    if (h.version < header::kFirstExtendedVersion) {
        return;
    }
    const std::size_t pos = afterNames + 2 * h.fields.size();
    h.sortOrderName = TextAt(p, pos, h.headerSize).value_or(std::string());
}

}  // namespace

void ThrowUnsupportedType(const std::string& displayName, const FieldDescriptor& field) {
    ThrowTableError(displayName, "unsupported field type " + TypeName(field.code) + " in field '" +
                                     field.name + "'");
}

std::size_t TableHeader::keySize() const {
    std::size_t size = 0;
    for (std::size_t i = 0; i < keyFieldCount; ++i) {
        size += fields[i].size;
    }
    return size;
}

TableHeader ReadTableHeader(std::span<const std::byte> db, const std::string& displayName) {
    if (db.empty()) {
        ThrowTableError(displayName, "not a Paradox table (the file is empty)");
    }
    if (db.size() < header::kFixedEnd) {
        ThrowTableError(displayName, "not a Paradox table (too short for a header)");
    }
    const std::byte* p = db.data();
    TableHeader h;
    h.recordSize = LoadLE16(p + header::kRecordSize);
    h.headerSize = LoadLE16(p + header::kHeaderSize);
    h.fileType = LoadU8(p + header::kFileType);
    h.blockSizeCode = LoadU8(p + header::kBlockSizeCode);
    h.blockSize = std::size_t{h.blockSizeCode} * 1024;
    h.recordCount = LoadLE32(p + header::kRecordCount);
    h.fileBlocks = LoadLE16(p + header::kFileBlocks);
    h.firstBlock = LoadLE16(p + header::kFirstBlock);
    h.keyFieldCount = LoadLE16(p + header::kKeyFieldCount);
    h.version = LoadU8(p + header::kVersion);
    h.sortOrder = LoadU8(p + header::kSortOrder);
    h.changeCounter = LoadU8(p + header::kChangeCounter);

    CheckFixedPart(db, h, displayName);
    if (IsEncrypted(p, h.version)) {
        ThrowTableError(displayName, "table is password protected");
    }
    if (h.version >= header::kFirstExtendedVersion) {
        h.codePage = LoadLE16(p + header::kCodePage);
    }
    const std::size_t fieldCount = LoadLE16(p + header::kFieldCount);
    CheckKeyCount(h, fieldCount, displayName);
    const std::size_t afterNames = ReadFields(p, h, fieldCount, displayName);
    ReadFieldSizes(h, displayName);
    ReadSortOrderName(p, h, afterNames);
    return h;
}

}  // namespace db::paradox
