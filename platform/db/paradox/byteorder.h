#pragma once

#include <cstddef>
#include <cstdint>

// Unaligned loads and stores of the integers in Paradox files: header and
// block-header fields are little-endian, field values big-endian. Callers
// check bounds first; these only move bytes.
namespace db::paradox {

inline std::uint8_t LoadU8(const std::byte* p) {
    return std::to_integer<std::uint8_t>(*p);
}

inline std::uint16_t LoadLE16(const std::byte* p) {
    return static_cast<std::uint16_t>(LoadU8(p) | LoadU8(p + 1) << 8);
}

inline std::uint32_t LoadLE32(const std::byte* p) {
    return static_cast<std::uint32_t>(LoadLE16(p)) | static_cast<std::uint32_t>(LoadLE16(p + 2))
                                                         << 16;
}

inline std::uint16_t LoadBE16(const std::byte* p) {
    return static_cast<std::uint16_t>(LoadU8(p) << 8 | LoadU8(p + 1));
}

inline std::uint32_t LoadBE32(const std::byte* p) {
    return static_cast<std::uint32_t>(LoadBE16(p)) << 16 | LoadBE16(p + 2);
}

inline std::uint64_t LoadBE64(const std::byte* p) {
    return static_cast<std::uint64_t>(LoadBE32(p)) << 32 | LoadBE32(p + 4);
}

inline void StoreU8(std::byte* p, std::uint8_t value) {
    *p = std::byte{value};
}

inline void StoreLE16(std::byte* p, std::uint16_t value) {
    p[0] = std::byte(value & 0xFF);
    p[1] = std::byte(value >> 8);
}

inline void StoreLE32(std::byte* p, std::uint32_t value) {
    StoreLE16(p, static_cast<std::uint16_t>(value & 0xFFFF));
    StoreLE16(p + 2, static_cast<std::uint16_t>(value >> 16));
}

inline void StoreBE16(std::byte* p, std::uint16_t value) {
    p[0] = std::byte(value >> 8);
    p[1] = std::byte(value & 0xFF);
}

inline void StoreBE32(std::byte* p, std::uint32_t value) {
    StoreBE16(p, static_cast<std::uint16_t>(value >> 16));
    StoreBE16(p + 2, static_cast<std::uint16_t>(value & 0xFFFF));
}

inline void StoreBE64(std::byte* p, std::uint64_t value) {
    StoreBE32(p, static_cast<std::uint32_t>(value >> 32));
    StoreBE32(p + 4, static_cast<std::uint32_t>(value & 0xFFFFFFFF));
}

}  // namespace db::paradox
