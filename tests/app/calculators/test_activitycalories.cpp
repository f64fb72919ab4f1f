#include "calculators/activitycalories.h"

#include <gtest/gtest.h>

namespace {

using calculators::CalorieTexts;

TEST(ActivityCaloriesTest, AnIndexOutsideTheTableGivesThePromptWords) {
    const CalorieTexts prompts{"Make", "your", "activity", "selection"};
    EXPECT_EQ(calculators::CaloriesOfActivity(-1), prompts);
    EXPECT_EQ(calculators::CaloriesOfActivity(24), prompts);
    EXPECT_EQ(calculators::CaloriesOfActivity(23), (CalorieTexts{"4.5", "5.2", "6.1", "6.8"}));
}

}  // namespace
