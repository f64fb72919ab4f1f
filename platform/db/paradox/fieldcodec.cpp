#include "db/paradox/fieldcodec.h"

#include <bit>
#include <cstring>

#include "db/paradox/byteorder.h"

namespace db::paradox {

namespace {

constexpr std::uint16_t kTopBit16 = 0x8000;
constexpr std::uint32_t kTopBit32 = 0x80000000;
constexpr std::uint64_t kTopBit64 = 0x8000000000000000;

// A BLOB field holds a leader of the text plus a 10-byte reference.
constexpr std::uint8_t kBlobReferenceSize = 10;
constexpr std::size_t kBcdSize = 17;
constexpr std::uint8_t kMaxBcdDecimals = 32;

std::int32_t DecodeInt32(std::uint32_t raw) {
    return static_cast<std::int32_t>(raw ^ kTopBit32);
}

double DecodeDouble(std::uint64_t raw) {
    raw = (raw & kTopBit64) != 0 ? raw & ~kTopBit64 : ~raw;
    return std::bit_cast<double>(raw);
}

FieldValue DecodeAlpha(const std::byte* p, std::size_t size) {
    const auto* text = reinterpret_cast<const char*>(p);
    const auto* end = static_cast<const char*>(std::memchr(text, 0, size));
    const std::size_t length = end == nullptr ? size : static_cast<std::size_t>(end - text);
    if (length == 0) {
        return {};
    }
    return std::string(text, length);
}

FieldValue DecodeBytes(const std::byte* p, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (p[i] != std::byte{0}) {
            return std::string(reinterpret_cast<const char*>(p), size);
        }
    }
    return {};
}

FieldValue DecodeLogical(std::uint8_t raw) {
    if (raw == 0) {
        return {};
    }
    return raw != 0x80;
}

}  // namespace

std::optional<std::size_t> FieldSizeInRecord(std::uint8_t code, std::uint8_t sizeByte) {
    const auto fixed = [sizeByte](std::size_t size) -> std::optional<std::size_t> {
        if (sizeByte != size) {
            return std::nullopt;
        }
        return size;
    };
    switch (code) {
        case typecode::kAlpha:
        case typecode::kBytes:
            return sizeByte == 0 ? std::nullopt : std::optional<std::size_t>(sizeByte);
        case typecode::kShort:
            return fixed(2);
        case typecode::kDate:
        case typecode::kLong:
        case typecode::kTime:
        case typecode::kAutoIncrement:
            return fixed(4);
        case typecode::kMoney:
        case typecode::kNumber:
        case typecode::kTimestamp:
            return fixed(8);
        case typecode::kLogical:
            return fixed(1);
        case typecode::kMemo:
        case typecode::kBinaryBlob:
        case typecode::kFormattedMemo:
        case typecode::kOle:
        case typecode::kGraphic:
            return sizeByte < kBlobReferenceSize ? std::nullopt
                                                 : std::optional<std::size_t>(sizeByte);
        case typecode::kBcd:
            return sizeByte > kMaxBcdDecimals ? std::nullopt : std::optional<std::size_t>(kBcdSize);
        default:
            return std::nullopt;
    }
}

bool IsKnownTypeCode(std::uint8_t code) {
    return ReadableType(code).has_value() || code == typecode::kBcd ||
           (code >= typecode::kMemo && code <= typecode::kGraphic);
}

std::optional<FieldType> ReadableType(std::uint8_t code) {
    switch (code) {
        case typecode::kAlpha:
            return FieldType::Alpha;
        case typecode::kDate:
            return FieldType::Date;
        case typecode::kShort:
            return FieldType::Short;
        case typecode::kLong:
            return FieldType::Long;
        case typecode::kMoney:
            return FieldType::Currency;
        case typecode::kNumber:
            return FieldType::Number;
        case typecode::kLogical:
            return FieldType::Logical;
        case typecode::kTime:
            return FieldType::Time;
        case typecode::kTimestamp:
            return FieldType::Timestamp;
        case typecode::kAutoIncrement:
            return FieldType::AutoInc;
        case typecode::kBytes:
            return FieldType::Bytes;
        default:
            return std::nullopt;
    }
}

std::uint8_t TypeCodeOf(FieldType type) {
    switch (type) {
        case FieldType::Alpha:
            return typecode::kAlpha;
        case FieldType::Date:
            return typecode::kDate;
        case FieldType::Short:
            return typecode::kShort;
        case FieldType::Long:
            return typecode::kLong;
        case FieldType::Number:
            return typecode::kNumber;
        case FieldType::Currency:
            return typecode::kMoney;
        case FieldType::Logical:
            return typecode::kLogical;
        case FieldType::AutoInc:
            return typecode::kAutoIncrement;
        case FieldType::Time:
            return typecode::kTime;
        case FieldType::Timestamp:
            return typecode::kTimestamp;
        case FieldType::Bytes:
            return typecode::kBytes;
    }
    return 0;
}

std::string TypeName(std::uint8_t code) {
    switch (code) {
        case typecode::kAlpha:
            return "Alpha";
        case typecode::kDate:
            return "Date";
        case typecode::kShort:
            return "Short";
        case typecode::kLong:
            return "Long Integer";
        case typecode::kMoney:
            return "Money";
        case typecode::kNumber:
            return "Number";
        case typecode::kLogical:
            return "Logical";
        case typecode::kMemo:
            return "Memo";
        case typecode::kBinaryBlob:
            return "Binary";
        case typecode::kFormattedMemo:
            return "Formatted Memo";
        case typecode::kOle:
            return "OLE";
        case typecode::kGraphic:
            return "Graphic";
        case typecode::kTime:
            return "Time";
        case typecode::kTimestamp:
            return "Timestamp";
        case typecode::kAutoIncrement:
            return "Autoincrement";
        case typecode::kBcd:
            return "BCD";
        case typecode::kBytes:
            return "Bytes";
        default: {
            static constexpr char kHex[] = "0123456789ABCDEF";
            return std::string("0x") + kHex[code >> 4] + kHex[code & 0x0F];
        }
    }
}

FieldValue DecodeValue(FieldType type, const std::byte* p, std::size_t size) {
    switch (type) {
        case FieldType::Alpha:
            return DecodeAlpha(p, size);
        case FieldType::Bytes:
            return DecodeBytes(p, size);
        case FieldType::Logical:
            return DecodeLogical(LoadU8(p));
        case FieldType::Short: {
            const std::uint16_t raw = LoadBE16(p);
            if (raw == 0) {
                return {};
            }
            return std::int32_t{static_cast<std::int16_t>(raw ^ kTopBit16)};
        }
        case FieldType::Date:
        case FieldType::Long:
        case FieldType::AutoInc:
        case FieldType::Time: {
            const std::uint32_t raw = LoadBE32(p);
            if (raw == 0) {
                return {};
            }
            if (type == FieldType::Date) {
                return Date{DecodeInt32(raw)};
            }
            return DecodeInt32(raw);
        }
        case FieldType::Number:
        case FieldType::Currency:
        case FieldType::Timestamp: {
            const std::uint64_t raw = LoadBE64(p);
            if (raw == 0) {
                return {};
            }
            return DecodeDouble(raw);
        }
    }
    return {};
}

void EncodeDate(Date date, std::byte* p) {
    StoreBE32(p, static_cast<std::uint32_t>(date.days) ^ kTopBit32);
}

void EncodeNumber(double value, std::byte* p) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value == 0.0 ? 0.0 : value);
    bits = (bits & kTopBit64) != 0 ? ~bits : bits | kTopBit64;
    StoreBE64(p, bits);
}

}  // namespace db::paradox
