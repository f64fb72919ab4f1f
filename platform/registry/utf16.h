#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The registry keeps the text of string values as UTF-16LE; the program holds
// texts as UTF-8. Bytes that are not valid UTF-8 cross over as the lone
// surrogates U+DC80 to U+DCFF and come back as the same bytes, so every byte
// string survives the trip there and back unchanged.
namespace registry {

bool IsValidUtf8(std::span<const std::uint8_t> utf8);

std::vector<std::uint8_t> Utf8ToUtf16Le(std::span<const std::uint8_t> utf8);

// A lone surrogate outside the escape range becomes U+FFFD; an odd last byte
// is kept as it is.
std::vector<std::uint8_t> Utf16LeToUtf8(std::span<const std::uint8_t> utf16);

}  // namespace registry
