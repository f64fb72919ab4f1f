#pragma once

#include <array>
#include <string_view>

// The calorie table of the Goal page: 24 activities with the calories they
// burn per minute in four weight classes, kept as the texts shown (one
// decimal, trailing zeros kept). Nothing here depends on the user's weight
// or on the unit system.
namespace calculators {

using CalorieTexts = std::array<std::string_view, 4>;

struct ActivityCalories {
    std::string_view activity;
    CalorieTexts perMinute;
};

inline constexpr std::size_t kActivityCount = 24;

// In the order of the activity box's items.
const std::array<ActivityCalories, kActivityCount>& ActivityTable();

// The four texts for an item index; the prompt words when no item (or an
// index outside the table) is selected.
CalorieTexts CaloriesOfActivity(int index);

}  // namespace calculators
