#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "db/engine.h"
#include "db/paradox/tableimage.h"

// Shared by the codec's tests: weight logs to write, bytes to load and patch,
// and values compared the way the files store them (doubles by their bits).
namespace paradoxtest {

// A weight log of `count` daily entries from 2000-01-01; weights step by
// tenths, which have no exact binary form, so bit-exactness shows.
db::paradox::TableImage WeightLog(std::size_t count);

db::Date Day(int year, unsigned month, unsigned day);

std::vector<std::byte> LoadFile(const std::filesystem::path& path);
void SaveFile(const std::filesystem::path& path, std::span<const std::byte> bytes);

std::uint16_t GetLE16(std::span<const std::byte> bytes, std::size_t offset);
std::uint32_t GetLE32(std::span<const std::byte> bytes, std::size_t offset);
void PutLE16(std::span<std::byte> bytes, std::size_t offset, std::uint16_t value);
void PutLE32(std::span<std::byte> bytes, std::size_t offset, std::uint32_t value);
std::vector<std::byte> Bytes(std::initializer_list<int> values);

// Equal values, doubles compared bit for bit.
bool SameValue(const db::FieldValue& a, const db::FieldValue& b);
bool SameRecords(const std::vector<db::Record>& a, const std::vector<db::Record>& b,
                 std::string* firstDifference = nullptr);
std::string Describe(const db::FieldValue& value);

}  // namespace paradoxtest
