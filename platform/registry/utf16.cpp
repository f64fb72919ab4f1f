#include "registry/utf16.h"

namespace registry {

namespace {

constexpr std::uint32_t kEscapeBase = 0xDC00;
constexpr std::uint32_t kReplacement = 0xFFFD;

bool IsSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The length of the valid UTF-8 sequence at `at`, with its code point; 0 when
// the bytes there are not a valid sequence (overlong forms and encoded
// surrogates included, so that a valid sequence re-encodes to the same bytes).
std::size_t DecodeUtf8(std::span<const std::uint8_t> in, std::size_t at, std::uint32_t& point) {
    const std::uint8_t lead = in[at];
    std::size_t length = 0;
    std::uint32_t smallest = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        point = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        point = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        point = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (in.size() - at < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = in[at + i];
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        point = (point << 6) | (next & 0x3Fu);
    }
    if (point < smallest || point > 0x10FFFF || IsSurrogate(point)) {
        return 0;
    }
    return length;
}

void PutByte(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
}

void PutUnit(std::vector<std::uint8_t>& out, std::uint32_t unit) {
    PutByte(out, unit);
    PutByte(out, unit >> 8);
}

void PutUtf8(std::vector<std::uint8_t>& out, std::uint32_t point) {
    if (point < 0x80) {
        PutByte(out, point);
    } else if (point < 0x800) {
        PutByte(out, 0xC0 | (point >> 6));
        PutByte(out, 0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        PutByte(out, 0xE0 | (point >> 12));
        PutByte(out, 0x80 | ((point >> 6) & 0x3F));
        PutByte(out, 0x80 | (point & 0x3F));
    } else {
        PutByte(out, 0xF0 | (point >> 18));
        PutByte(out, 0x80 | ((point >> 12) & 0x3F));
        PutByte(out, 0x80 | ((point >> 6) & 0x3F));
        PutByte(out, 0x80 | (point & 0x3F));
    }
}

std::uint32_t UnitAt(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8);
}

}  // namespace

bool IsValidUtf8(std::span<const std::uint8_t> utf8) {
    std::uint32_t point = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = DecodeUtf8(utf8, at, point);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::vector<std::uint8_t> Utf8ToUtf16Le(std::span<const std::uint8_t> utf8) {
    std::vector<std::uint8_t> out;
    out.reserve(utf8.size() * 2);
    std::uint32_t point = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = DecodeUtf8(utf8, at, point);
        if (length == 0) {
            PutUnit(out, kEscapeBase + utf8[at]);
            ++at;
            continue;
        }
        at += length;
        if (point >= 0x10000) {
            point -= 0x10000;
            PutUnit(out, 0xD800 + (point >> 10));
            PutUnit(out, 0xDC00 + (point & 0x3FF));
        } else {
            PutUnit(out, point);
        }
    }
    return out;
}

std::vector<std::uint8_t> Utf16LeToUtf8(std::span<const std::uint8_t> utf16) {
    std::vector<std::uint8_t> out;
    out.reserve(utf16.size());
    std::size_t at = 0;
    for (; at + 1 < utf16.size(); at += 2) {
        const std::uint32_t unit = UnitAt(utf16, at);
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 3 < utf16.size()) {
            const std::uint32_t low = UnitAt(utf16, at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                PutUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            PutByte(out, unit - kEscapeBase);
        } else {
            PutUtf8(out, IsSurrogate(unit) ? kReplacement : unit);
        }
    }
    if (at < utf16.size()) {
        out.push_back(utf16[at]);
    }
    return out;
}

}  // namespace registry
