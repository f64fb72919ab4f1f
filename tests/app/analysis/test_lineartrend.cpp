#include "analysis/lineartrend.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "logs.h"

namespace {

class FallingLogTrendTest : public ::testing::Test {
protected:
    // Falls 0.5 pound a day to 150.0: the line is exact in 32 bits.
    const std::vector<float> series = AsSeries(SteadyLog(150.0, -0.5));
};

TEST_F(FallingLogTrendTest, SlopeIsTheChangeForwardInTime) {
    EXPECT_EQ(Slope(series, 0), -0.5F);
    EXPECT_EQ(Slope(series, 3), -0.5F);
}

TEST_F(FallingLogTrendTest, InterceptIsTheLineTwentyDaysBeforeTheNewestEntry) {
    EXPECT_EQ(Intercept(series), 160.0F);
}

struct TrendDayCase {
    int day;
    float value;
};

class LinearTrendTest : public FallingLogTrendTest,
                        public ::testing::WithParamInterface<TrendDayCase> {};

TEST_P(LinearTrendTest, GivesTheLineAtTheTrendDay) {
    EXPECT_EQ(LinearTrend(series, GetParam().day), GetParam().value) << GetParam().day;
}

INSTANTIATE_TEST_SUITE_P(FallingLog, LinearTrendTest,
                         ::testing::Values(TrendDayCase{0, 160.0F}, TrendDayCase{20, 150.0F},
                                           TrendDayCase{50, 135.0F}, TrendDayCase{80, 120.0F},
                                           TrendDayCase{110, 105.0F}, TrendDayCase{140, 90.0F}));

struct FlatCase {
    double weight;
    float slope;
};

class FlatSlopeTest : public ::testing::TestWithParam<FlatCase> {};

// The sums are rounded to 32 bits as they grow. A weight exact in 32 bits
// keeps them exact and the slope 0; 150.3 leaves a slope of 7 millionths.
TEST_P(FlatSlopeTest, FlatLogSlopeDependsOnThe32BitSums) {
    const std::vector<float> series = AsSeries(FlatLog(GetParam().weight));

    EXPECT_EQ(Slope(series, 0), GetParam().slope) << GetParam().weight;
}

INSTANTIATE_TEST_SUITE_P(FlatLogs, FlatSlopeTest,
                         ::testing::Values(FlatCase{150.0, 0.0F}, FlatCase{150.5, 0.0F},
                                           FlatCase{150.3, 6.975446467549773e-06F}));

TEST(SlopeTest, OffsetMovesTheWindowBackOneEntryEach) {
    // Only the three newest entries are up: the window three back is flat.
    std::vector<float> series(24, 150.0F);
    series[0] = series[1] = series[2] = 151.0F;

    EXPECT_GT(Slope(series, 0), 0.0F);
    EXPECT_GT(Slope(series, 2), 0.0F);
    EXPECT_EQ(Slope(series, 3), 0.0F);
}

TEST(SlopeTest, RefusesASeriesShorterThanTheWindow) {
    const std::vector<float> series(23, 150.0F);

    EXPECT_THROW(Slope(series, 3), std::out_of_range);
    EXPECT_THROW(Intercept(std::vector<float>(20, 150.0F)), std::out_of_range);
}

}  // namespace
