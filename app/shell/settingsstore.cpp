#include "shell/settingsstore.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <utility>

#include "registry/registry.h"
#include "weightlog/getname.h"

namespace {

using registry::ERegistryException;
using registry::RootKey;
using registry::TRegistry;

constexpr const char* kKeyPath = "\\Software\\Halvane\\Bodelog\\";
constexpr const char* kCurrentFile = "Current File";
constexpr const char* kAutoEntry = "Auto Entry";
constexpr const char* kPounds = "Pounds";

constexpr int kGoalSize = 8;
using GoalBytes = std::array<std::uint8_t, kGoalSize>;

// The goal as stored: the single-precision number widened to a double, in
// little-endian byte order whatever the machine's.
GoalBytes EncodeGoal(float goal) {
    const auto bits = std::bit_cast<std::uint64_t>(static_cast<double>(goal));
    GoalBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    return bytes;
}

float DecodeGoal(const GoalBytes& bytes) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return static_cast<float>(std::bit_cast<double>(bits));
}

// A write whose failure loses only this one value.
template <typename Write>
void WriteQuietly(Write&& write) {
    try {
        std::forward<Write>(write)();
    } catch (const ERegistryException&) {
        // Dropped on purpose: the store never reports a failure.
    }
}

void WriteGoal(TRegistry& reg, const std::string& personName, float goal) {
    const GoalBytes bytes = EncodeGoal(goal);
    WriteQuietly([&] { reg.WriteBinaryData(personName, bytes.data(), kGoalSize); });
}

// Both booleans, or when either cannot be read, both rewritten as true.
void ReadBooleans(TRegistry& reg, ActivationSettings& settings) {
    try {
        settings.autoEntry = reg.ReadInteger(kAutoEntry) != 0;
        settings.pounds = reg.ReadInteger(kPounds) != 0;
    } catch (const ERegistryException&) {
        WriteQuietly([&] { reg.WriteInteger(kAutoEntry, 1); });
        WriteQuietly([&] { reg.WriteInteger(kPounds, 1); });
        settings.autoEntry = true;
        settings.pounds = true;
    }
}

// False when "Current File" exists but cannot be read; a missing value is
// empty text.
bool ReadCurrentFile(const TRegistry& reg, std::string& currentFile) {
    if (!reg.ValueExists(kCurrentFile)) {
        currentFile.clear();
        return true;
    }
    try {
        currentFile = reg.ReadString(kCurrentFile);
        return true;
    } catch (const ERegistryException&) {
        return false;
    }
}

// Only a binary value of exactly eight bytes holds a goal.
std::optional<float> ReadGoal(const TRegistry& reg, const std::string& personName) {
    GoalBytes bytes{};
    try {
        if (reg.ReadBinaryData(personName, bytes.data(), kGoalSize) != kGoalSize) {
            return std::nullopt;
        }
    } catch (const ERegistryException&) {
        return std::nullopt;
    }
    return DecodeGoal(bytes);
}

}  // namespace

SettingsStore::SettingsStore(registry::RegistryLocations locations)
    : locations_(std::move(locations)) {}

ActivationSettings SettingsStore::ReadActivationSettings(std::string& currentFile) const {
    ActivationSettings settings;
    TRegistry reg(RootKey::CurrentUser, locations_);
    if (!reg.OpenKey(kKeyPath, true)) {
        return settings;
    }
    ReadBooleans(reg, settings);
    // A "Current File" that cannot be read also counts as a goal that cannot
    // be read: the goal of the file kept from before is reset.
    const std::optional<float> goal =
        ReadCurrentFile(reg, currentFile) ? ReadGoal(reg, GetName(currentFile)) : std::nullopt;
    if (goal) {
        settings.goal = *goal;
    } else if (!currentFile.empty()) {
        WriteGoal(reg, GetName(currentFile), 0.0f);
        settings.goal = 0.0f;
    }
    reg.CloseKey();
    return settings;
}

void SettingsStore::SetRegInfo(int selector, const std::string& text, bool flag,
                               float number) const {
    TRegistry reg(RootKey::CurrentUser, locations_);
    if (!reg.OpenKey(kKeyPath, true)) {
        return;
    }
    switch (selector) {
        case 1:
            WriteQuietly([&] { reg.WriteString(kCurrentFile, text); });
            break;
        case 2:
            WriteQuietly([&] { reg.WriteInteger(kAutoEntry, flag ? 1 : 0); });
            break;
        case 3:
            WriteQuietly([&] { reg.WriteInteger(kPounds, flag ? 1 : 0); });
            break;
        case 4:
            WriteGoal(reg, text, number);
            break;
        default:
            break;
    }
    reg.CloseKey();
}
