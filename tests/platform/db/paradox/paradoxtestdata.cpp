#include "paradoxtestdata.h"

#include <bit>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <variant>

namespace paradoxtest {

db::Date Day(int year, unsigned month, unsigned day) {
    return db::ToEngineDate(std::chrono::sys_days{
        std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}});
}

db::paradox::TableImage WeightLog(std::size_t count) {
    db::paradox::TableImage table;
    table.fields = {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Number, 0}};
    table.keyFieldCount = 1;
    table.records.reserve(count);
    const db::Date first = Day(2000, 1, 1);
    for (std::size_t i = 0; i < count; ++i) {
        const double weight = 150.0 + static_cast<double>(i % 301) * 0.1;
        table.records.push_back({db::Date{first.days + static_cast<std::int32_t>(i)}, weight});
    }
    return table;
}

std::vector<std::byte> LoadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::byte> bytes(text.size());
    std::memcpy(bytes.data(), text.data(), text.size());
    return bytes;
}

void SaveFile(const std::filesystem::path& path, std::span<const std::byte> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::uint16_t GetLE16(std::span<const std::byte> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[offset]) |
                                      std::to_integer<unsigned>(bytes[offset + 1]) << 8);
}

std::uint32_t GetLE32(std::span<const std::byte> bytes, std::size_t offset) {
    return GetLE16(bytes, offset) | static_cast<std::uint32_t>(GetLE16(bytes, offset + 2)) << 16;
}

void PutLE16(std::span<std::byte> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = std::byte(value & 0xFF);
    bytes[offset + 1] = std::byte(value >> 8);
}

void PutLE32(std::span<std::byte> bytes, std::size_t offset, std::uint32_t value) {
    PutLE16(bytes, offset, static_cast<std::uint16_t>(value & 0xFFFF));
    PutLE16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

std::vector<std::byte> Bytes(std::initializer_list<int> values) {
    std::vector<std::byte> bytes;
    for (int value : values) {
        bytes.push_back(std::byte(value));
    }
    return bytes;
}

bool SameValue(const db::FieldValue& a, const db::FieldValue& b) {
    const double* x = std::get_if<double>(&a);
    const double* y = std::get_if<double>(&b);
    if (x != nullptr && y != nullptr) {
        return std::bit_cast<std::uint64_t>(*x) == std::bit_cast<std::uint64_t>(*y);
    }
    return a == b;
}

std::string Describe(const db::FieldValue& value) {
    std::ostringstream out;
    std::visit(
        [&out](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                out << "<blank>";
            } else if constexpr (std::is_same_v<T, db::Date>) {
                out << "day " << v.days;
            } else if constexpr (std::is_same_v<T, double>) {
                out.precision(17);
                out << v << " (bits " << std::hex << std::bit_cast<std::uint64_t>(v) << ")";
            } else if constexpr (std::is_same_v<T, std::string>) {
                out << '"' << v << '"';
            } else {
                out << v;
            }
        },
        value);
    return out.str();
}

bool SameRecords(const std::vector<db::Record>& a, const std::vector<db::Record>& b,
                 std::string* firstDifference) {
    const auto report = [firstDifference](const std::string& text) {
        if (firstDifference != nullptr) {
            *firstDifference = text;
        }
        return false;
    };
    if (a.size() != b.size()) {
        return report(std::to_string(a.size()) + " records against " + std::to_string(b.size()));
    }
    for (std::size_t r = 0; r < a.size(); ++r) {
        if (a[r].size() != b[r].size()) {
            return report("record " + std::to_string(r) + " has another number of values");
        }
        for (std::size_t f = 0; f < a[r].size(); ++f) {
            if (!SameValue(a[r][f], b[r][f])) {
                return report("record " + std::to_string(r) + " field " + std::to_string(f) + ": " +
                              Describe(a[r][f]) + " against " + Describe(b[r][f]));
            }
        }
    }
    return true;
}

}  // namespace paradoxtest
