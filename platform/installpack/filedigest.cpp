#include "installpack/filedigest.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <sstream>

namespace installpack {

std::string FileDigest(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    std::uint64_t hash = 14695981039346656037ULL;
    std::uint64_t size = 0;
    std::array<char, 65536> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        const auto count = static_cast<std::size_t>(in.gcount());
        for (std::size_t i = 0; i < count; ++i) {
            hash ^= static_cast<unsigned char>(buffer[i]);
            hash *= 1099511628211ULL;
        }
        size += count;
    }
    if (in.bad()) {
        return {};
    }
    std::ostringstream text;
    text << size << ':' << std::hex << std::setw(16) << std::setfill('0') << hash;
    return text.str();
}

}  // namespace installpack
