#include "installpack/sharedfile.h"

#include <cstdint>
#include <vector>

namespace installpack {

namespace {

std::vector<std::uint64_t> VersionParts(const std::string& version) {
    std::vector<std::uint64_t> parts(1, 0);
    for (char c : version) {
        if (c == '.') {
            parts.push_back(0);
        } else if (c >= '0' && c <= '9') {
            parts.back() = parts.back() * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    return parts;
}

}  // namespace

int CompareVersions(const std::string& a, const std::string& b) {
    std::vector<std::uint64_t> left = VersionParts(a);
    std::vector<std::uint64_t> right = VersionParts(b);
    const std::size_t size = std::max(left.size(), right.size());
    left.resize(size, 0);
    right.resize(size, 0);
    for (std::size_t i = 0; i < size; ++i) {
        if (left[i] != right[i]) {
            return left[i] < right[i] ? -1 : 1;
        }
    }
    return 0;
}

bool IsNewer(const FileStamp& incoming, const FileStamp& installed) {
    if (incoming.version && installed.version) {
        const int order = CompareVersions(*incoming.version, *installed.version);
        if (order != 0) {
            return order > 0;
        }
    }
    return incoming.modified > installed.modified;
}

}  // namespace installpack
