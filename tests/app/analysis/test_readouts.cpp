#include "analysis/readouts.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "logs.h"

namespace {

TEST(MainAgoWeightsTest, ReadsTodayAndThirtySixtyAndThreeHundredSixtyFiveDaysBack) {
    const MainAgoWeights w = ReadMainAgoWeights(SteadyLog(150.0, -0.5, 400));

    EXPECT_EQ(w.Today, 150.0);
    EXPECT_EQ(w.ThirtyDaysAgo, 165.0);
    EXPECT_EQ(w.SixtyDaysAgo, 180.0);
    EXPECT_EQ(w.LastYear, 332.5);
}

TEST(MainAgoWeightsTest, ShortLogGivesItsOldestWeightBeyondItsStart) {
    const MainAgoWeights w = ReadMainAgoWeights(SteadyLog(150.0, -0.5, 40));

    EXPECT_EQ(w.Today, 150.0);
    EXPECT_EQ(w.ThirtyDaysAgo, 165.0);
    EXPECT_EQ(w.SixtyDaysAgo, 169.5);
    EXPECT_EQ(w.LastYear, 169.5);
}

TEST(MainAgoWeightsTest, KeepsTheStoredWeightUnrounded) {
    // A day inserted by the gap filling holds a weight that went through 32 bits.
    const double stored = static_cast<double>(150.3F);
    const MainAgoWeights w = ReadMainAgoWeights(std::vector<double>{stored});

    EXPECT_EQ(w.Today, stored);
    EXPECT_EQ(w.LastYear, stored);
}

TEST(MainAgoWeightsTest, EmptyLogIsRefused) {
    EXPECT_THROW(ReadMainAgoWeights(std::vector<double>{}), std::invalid_argument);
}

TEST(FutureDayValuesTest, TrendTodayAndThirtySixtyNinetyDaysAhead) {
    const FutureDayValues v = ComputeFutureDayValues(AsSeries(SteadyLog(150.0, -0.5)));

    EXPECT_EQ(v.Today, 150.0F);
    EXPECT_EQ(v.In30Days, 135.0F);
    EXPECT_EQ(v.In60Days, 120.0F);
    EXPECT_EQ(v.In90Days, 105.0F);
}

}  // namespace
