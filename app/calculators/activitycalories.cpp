#include "calculators/activitycalories.h"

namespace calculators {

namespace {

// The item texts are shown as users know them, misspellings included.
constexpr std::array<ActivityCalories, kActivityCount> kTable{{
    {"Aerobic dancing", {"5.8", "6.6", "7.8", "8.6"}},
    {"Basketball, full court", {"9.8", "11.2", "13.2", "14.5"}},
    {"Bicycling-Stationary, 10 mph", {"5.5", "6.3", "7.4", "8.2"}},
    {"Bicycling-Stationary, 20 mph", {"11.7", "13.3", "15.6", "17.2"}},
    {"Bicycling-10 mph", {"5.4", "6.2", "7.3", "7.9"}},
    {"Calisthentics", {"3.9", "4.5", "7.3", "7.9"}},
    {"Dancing, rock", {"3.3", "3.8", "4.4", "4.9"}},
    {"Golf with handcart", {"3.3", "3.8", "4.4", "4.9"}},
    {"Hiking w/20lb pack, 4 mph", {"5.9", "6.7", "7.8", "8.8"}},
    {"Jogging, 5 mph", {"8.6", "9.8", "11.5", "12.7"}},
    {"Lawn mowing w/pwer mower", {"3.5", "4.0", "4.8", "5.2"}},
    {"Running, 8 mph", {"10.4", "11.9", "14.1", "15.5"}},
    {"Skating, vigorous", {"8.1", "9.3", "10.9", "12.0"}},
    {"Skiing, downhill", {"7.8", "10.4", "12.3", "13.3"}},
    {"Skiing, cross country, 9 mph", {"13.1", "14.8", "17.6", "19.3"}},
    {"Snow shoveling, light", {"7.9", "9.1", "10.8", "11.8"}},
    {"Snow shoveling, heavy", {"13.8", "15.7", "18.5", "20.4"}},
    {"Stair Climbing, normal", {"5.9", "6.7", "7.9", "8.8"}},
    {"Swimming, 20 yd/min", {"3.9", "4.5", "5.3", "5.8"}},
    {"Swimming, 55 yd/min", {"11.0", "12.5", "14.8", "16.3"}},
    {"Tennis, singles", {"7.8", "8.9", "10.5", "11.6"}},
    {"Volleyball", {"7.8", "8.9", "10.5", "11.6"}},
    {"Walking, 2 mph", {"2.4", "2.8", "3.3", "3.6"}},
    {"Walking, 4 mph", {"4.5", "5.2", "6.1", "6.8"}},
}};

constexpr CalorieTexts kNoSelection{"Make", "your", "activity", "selection"};

}  // namespace

const std::array<ActivityCalories, kActivityCount>& ActivityTable() {
    return kTable;
}

CalorieTexts CaloriesOfActivity(int index) {
    if (index < 0 || index >= static_cast<int>(kTable.size())) {
        return kNoSelection;
    }
    return kTable[static_cast<std::size_t>(index)].perMinute;
}

}  // namespace calculators
