#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "db/engine.h"

// Paradox field types and the encoding of field values inside records and
// index keys: big-endian with the sign transform, so that keys order as
// unsigned bytes and an all-zero field is blank.
namespace db::paradox {

namespace typecode {
inline constexpr std::uint8_t kAlpha = 0x01;
inline constexpr std::uint8_t kDate = 0x02;
inline constexpr std::uint8_t kShort = 0x03;
inline constexpr std::uint8_t kLong = 0x04;
inline constexpr std::uint8_t kMoney = 0x05;
inline constexpr std::uint8_t kNumber = 0x06;
inline constexpr std::uint8_t kLogical = 0x09;
inline constexpr std::uint8_t kMemo = 0x0C;
inline constexpr std::uint8_t kBinaryBlob = 0x0D;
inline constexpr std::uint8_t kFormattedMemo = 0x0E;
inline constexpr std::uint8_t kOle = 0x0F;
inline constexpr std::uint8_t kGraphic = 0x10;
inline constexpr std::uint8_t kTime = 0x14;
inline constexpr std::uint8_t kTimestamp = 0x15;
inline constexpr std::uint8_t kAutoIncrement = 0x16;
inline constexpr std::uint8_t kBcd = 0x17;
inline constexpr std::uint8_t kBytes = 0x18;
}  // namespace typecode

// The bytes a field takes in a record, from its descriptor; nullopt for an
// unknown type code or a size byte that does not suit the type.
std::optional<std::size_t> FieldSizeInRecord(std::uint8_t code, std::uint8_t sizeByte);

// The engine type a code reads as; nullopt for the types we cannot read
// (BLOBs, BCD).
std::optional<FieldType> ReadableType(std::uint8_t code);

// The descriptor's type code of an engine type.
std::uint8_t TypeCodeOf(FieldType type);

bool IsKnownTypeCode(std::uint8_t code);

// The type's name as users know it, for refusals; the code in hex when unknown.
std::string TypeName(std::uint8_t code);

// Decodes one field of `size` bytes at `p`; all zero bytes are blank.
FieldValue DecodeValue(FieldType type, const std::byte* p, std::size_t size);

void EncodeDate(Date date, std::byte* p);       // 4 bytes
void EncodeNumber(double value, std::byte* p);  // 8 bytes; -0.0 becomes +0.0

}  // namespace db::paradox
