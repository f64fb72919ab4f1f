#include "analysis/goalforecast.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "casename.h"
#include "logs.h"

namespace {

struct DaysCase {
    float days;
    const char* text;
};

class DaysTextTest : public ::testing::TestWithParam<DaysCase> {};

TEST_P(DaysTextTest, ShowsWholeDaysUpToAYear) {
    EXPECT_EQ(ReachedText(ForecastFromDays(GetParam().days)), GetParam().text) << GetParam().days;
}

INSTANTIATE_TEST_SUITE_P(Days, DaysTextTest,
                         ::testing::Values(DaysCase{0.0F, "0"}, DaysCase{0.4F, "0"},
                                           DaysCase{0.5F, "1"}, DaysCase{20.0F, "20"},
                                           DaysCase{364.5F, "365"}, DaysCase{365.0F, "365"},
                                           DaysCase{365.5F, "More than a year"},
                                           DaysCase{-0.1F, "Never"}, DaysCase{-20.0F, "Never"}));

struct GoalCase {
    const char* name;
    std::vector<double> log;
    float goal;
    const char* text;
};

class GoalForecastTest : public ::testing::TestWithParam<GoalCase> {};

TEST_P(GoalForecastTest, ReachedLabelText) {
    const GoalCase& c = GetParam();

    EXPECT_EQ(ReachedText(ForecastGoal(AsSeries(c.log), c.goal)), c.text);
}

// The falling log's line: 160 - 0.5 x day, 150.0 today; the goal is met on
// day (160 - goal) / 0.5, that many days minus 20 after the newest entry.
const std::vector<double> kFalling = SteadyLog(150.0, -0.5);
// Falls 4 pounds a day to 150.0: the line is 230 - 4 x day.
const std::vector<double> kSteep = SteadyLog(150.0, -4.0);

INSTANTIATE_TEST_SUITE_P(
    Logs, GoalForecastTest,
    ::testing::Values(
        GoalCase{"FallingTo140", kFalling, 140.0F, "20"},
        GoalCase{"JustOutsideTheMargin", kFalling, 148.5F, "3"},
        GoalCase{"WithinMarginBelow", kFalling, 148.6F, "Goal is reached"},
        GoalCase{"WithinMarginAbove", kFalling, 151.4F, "Goal is reached"},
        GoalCase{"GoalAboveFallingWeight", kFalling, 160.0F, "Never"},
        GoalCase{"ExactlyAYear", kFalling, -32.5F, "365"},
        GoalCase{"JustOverAYear", kFalling, -32.75F, "More than a year"},
        GoalCase{"UnderADay", kSteep, 148.4F, "0"},
        GoalCase{"GoalBelowRisingWeight", SteadyLog(150.0, 0.5), 140.0F, "Never"},
        GoalCase{"FlatExactWeight", FlatLog(150.0), 140.0F, "Never"},
        GoalCase{"FlatExactWeightNearGoal", FlatLog(150.5), 149.1F, "Goal is reached"},
        // The tiny rise the 32-bit sums leave in a flat 150.3 log.
        GoalCase{"FlatInexactWeightGoalAbove", FlatLog(150.3), 160.0F, "More than a year"},
        GoalCase{"FlatInexactWeightGoalBelow", FlatLog(150.3), 140.0F, "Never"}),
    CaseName());

TEST(GoalPoundsTest, MetricGoalIsConvertedWithTheStoringFactor) {
    EXPECT_EQ(GoalPounds(68.0, true), 149.94F);
    EXPECT_EQ(GoalPounds(150.5, false), 150.5F);
}

}  // namespace
