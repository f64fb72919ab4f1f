#include "db/paradox/tablereader.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "db/paradox/byteorder.h"
#include "db/paradox/datablocks.h"
#include "db/paradox/fieldcodec.h"
#include "db/paradox/tableerror.h"
#include "db/paradox/tableheader.h"

namespace db::paradox {

namespace {

std::vector<FieldType> ReadableTypes(const TableHeader& header, const std::string& displayName) {
    std::vector<FieldType> types;
    types.reserve(header.fields.size());
    for (const FieldDescriptor& field : header.fields) {
        const std::optional<FieldType> type = ReadableType(field.code);
        if (!type) {
            ThrowUnsupportedType(displayName, field);
        }
        types.push_back(*type);
    }
    return types;
}

std::vector<FieldDef> FieldDefs(const TableHeader& header, const std::vector<FieldType>& types) {
    std::vector<FieldDef> defs;
    defs.reserve(types.size());
    for (std::size_t i = 0; i < types.size(); ++i) {
        const bool sized = types[i] == FieldType::Alpha || types[i] == FieldType::Bytes;
        defs.push_back({header.fields[i].name, types[i], sized ? header.fields[i].sizeByte : 0});
    }
    return defs;
}

// Keys compare as unsigned bytes except Alpha ones, which follow the
// table's collation; only byte-ordered keys can be checked here.
bool KeyOrderCheckable(const TableHeader& header) {
    return std::none_of(header.fields.begin(),
                        header.fields.begin() + static_cast<std::ptrdiff_t>(header.keyFieldCount),
                        [](const FieldDescriptor& f) { return f.code == typecode::kAlpha; });
}

// Whether key a sorts before key b; a 4-byte key (a date, say) without a call.
bool KeyBefore(const std::byte* a, const std::byte* b, std::size_t size) {
    if (size == 4) {
        return LoadBE32(a) < LoadBE32(b);
    }
    return std::memcmp(a, b, size) < 0;
}

TableImage ImageOf(const TableHeader& header, const std::vector<FieldType>& types) {
    TableImage image;
    image.fields = FieldDefs(header, types);
    image.keyFieldCount = static_cast<int>(header.keyFieldCount);
    image.version = header.version;
    image.blockSizeCode = header.blockSizeCode;
    image.sortOrder = header.sortOrder;
    image.changeCounter = header.changeCounter;
    if (header.codePage != 0) {
        image.codePage = header.codePage;
    }
    if (!header.sortOrderName.empty()) {
        image.sortOrderName = header.sortOrderName;
    }
    return image;
}

}  // namespace

TableImage ReadTable(std::span<const std::byte> db, const std::string& displayName) {
    const TableHeader header = ReadTableHeader(db, displayName);
    const std::vector<FieldType> types = ReadableTypes(header, displayName);
    const std::vector<Block> blocks = ReadDataBlocks(db, header, displayName);

    TableImage image = ImageOf(header, types);
    image.records.reserve(header.recordCount);
    const std::size_t keySize = header.keySize();
    const bool checkOrder = keySize > 0 && KeyOrderCheckable(header);
    const std::byte* previousKey = nullptr;
    for (const Block& block : blocks) {
        for (std::size_t i = 0; i < block.entryCount; ++i) {
            const std::byte* record = db.data() + block.firstEntry + i * header.recordSize;
            if (checkOrder && previousKey != nullptr && !KeyBefore(previousKey, record, keySize)) {
                ThrowDamaged(displayName,
                             "records out of key order in block " + std::to_string(block.number));
            }
            previousKey = record;
            Record& values = image.records.emplace_back();
            values.reserve(types.size());
            for (std::size_t f = 0; f < types.size(); ++f) {
                const FieldDescriptor& field = header.fields[f];
                values.push_back(DecodeValue(types[f], record + field.offset, field.size));
            }
        }
    }
    return image;
}

}  // namespace db::paradox
