#include "analysis/readouts.h"

#include <gtest/gtest.h>

#include "logs.h"

namespace {

TEST(FutureDayValuesTest, TrendTodayAndThirtySixtyNinetyDaysAhead) {
    const FutureDayValues v = ComputeFutureDayValues(AsSeries(SteadyLog(150.0, -0.5)));

    EXPECT_EQ(v.Today, 150.0F);
    EXPECT_EQ(v.In30Days, 135.0F);
    EXPECT_EQ(v.In60Days, 120.0F);
    EXPECT_EQ(v.In90Days, 105.0F);
}

}  // namespace
