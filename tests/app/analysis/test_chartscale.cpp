#include "analysis/chartscale.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/axislabels.h"

namespace {

struct ProgressCase {
    float scaled;
    int progress;
};

class GaugeProgressTest : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(GaugeProgressTest, TruncatesTowardZeroWithinTheGaugesRange) {
    EXPECT_EQ(GaugeProgress(GetParam().scaled), GetParam().progress) << GetParam().scaled;
}

INSTANTIATE_TEST_SUITE_P(
    Values, GaugeProgressTest,
    ::testing::Values(ProgressCase{50.0F, 50}, ProgressCase{49.999F, 49}, ProgressCase{-0.9F, 0},
                      ProgressCase{-250.0F, 0}, ProgressCase{100.9F, 100},
                      ProgressCase{3.0e38F, 100}, ProgressCase{-3.0e38F, 0},
                      ProgressCase{std::numeric_limits<float>::infinity(), 100},
                      ProgressCase{std::numeric_limits<float>::quiet_NaN(), 0}));

struct BarCase {
    float scaled;
    BarGeometry bar;
};

class BarTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarTest, RiseStandsOnTheZeroLineFallHangsFromIt) {
    EXPECT_EQ(BarOf(GetParam().scaled), GetParam().bar) << GetParam().scaled;
}

INSTANTIATE_TEST_SUITE_P(Values, BarTest,
                         ::testing::Values(BarCase{120.98F, {120, 24}}, BarCase{0.5F, {0, 144}},
                                           BarCase{0.0F, {0, 144}}, BarCase{-0.5F, {0, 144}},
                                           BarCase{-120.98F, {120, 144}},
                                           BarCase{-121.0F, {121, 144}}));

TEST(LevelScaleTest, MapsTheBoundsOntoZeroToOneHundred) {
    std::vector<float> values{147.0F, 150.0F, 153.0F, 160.0F};
    ScaleLevelSeries(values, 153.0F, 147.0F);
    EXPECT_EQ(GaugeProgress(values[0]), 0);
    EXPECT_EQ(GaugeProgress(values[1]), 50);
    EXPECT_EQ(GaugeProgress(values[2]), 100);
    EXPECT_GT(values[3], 100.0F);
}

TEST(LevelScaleTest, EqualBoundsEmptyEveryGauge) {
    std::vector<float> values{0.0F, 0.0F, 0.0F};
    ScaleLevelSeries(values, 0.0F, 0.0F);
    for (const float v : values) {
        EXPECT_EQ(v, 0.0F);
        EXPECT_FALSE(std::isnan(v));
    }
}

TEST(ChangeScaleTest, LargestChangeBecomesTheTallestBar) {
    std::vector<float> values{-3.5F, 1.75F, 0.0F};
    ScaleChangeSeries(values, 3.501F);
    EXPECT_EQ(BarOf(values[0]), (BarGeometry{120, 144}));
    EXPECT_EQ(BarOf(values[1]), (BarGeometry{60, 84}));
    EXPECT_EQ(BarOf(values[2]), (BarGeometry{0, 144}));
}

// Rectangles Sunday to Saturday, for the newest entry on each weekday.
TEST(WeekDayElementTest, NewestEntrysWeekdayShowsElementZero) {
    const std::array<std::array<int, 7>, 7> expected{{{0, 6, 5, 4, 3, 2, 1},
                                                      {1, 0, 6, 5, 4, 3, 2},
                                                      {2, 1, 0, 6, 5, 4, 3},
                                                      {3, 2, 1, 0, 6, 5, 4},
                                                      {4, 3, 2, 1, 0, 6, 5},
                                                      {5, 4, 3, 2, 1, 0, 6},
                                                      {6, 5, 4, 3, 2, 1, 0}}};
    for (int dow = 1; dow <= 7; ++dow) {
        for (int K = 1; K <= 7; ++K) {
            EXPECT_EQ(WeekDayElement(dow, K),
                      expected[static_cast<std::size_t>(dow - 1)][static_cast<std::size_t>(K - 1)])
                << "dow " << dow << " K " << K;
        }
    }
}

TEST(AxisLabelsTest, LevelLabelsInBothUnits) {
    using Labels = std::array<std::string, 5>;
    EXPECT_EQ(LevelAxisLabels(153.0F, 147.0F, units::UnitSystem::Imperial),
              (Labels{"153.0", "151.5", "150.0", "148.5", "147.0"}));
    EXPECT_EQ(LevelAxisLabels(153.0F, 147.0F, units::UnitSystem::Metric),
              (Labels{"69.4", "68.7", "68.0", "67.4", "66.7"}));
}

TEST(AxisLabelsTest, ChangeLabelsUseTheShortFractions) {
    using Labels = std::array<std::string, 6>;
    EXPECT_EQ(ChangeAxisLabels(3.501F, units::UnitSystem::Imperial),
              (Labels{"3.5", "2.3", "1.2", "-1.2", "-2.3", "-3.5"}));
    // Two thirds of 0.075 is 0.05, which would round up; 0.6666 of it does not.
    EXPECT_EQ(ChangeAxisLabels(0.075F, units::UnitSystem::Imperial)[1], "0.0");
    EXPECT_EQ(ChangeAxisLabels(10.0F, units::UnitSystem::Metric),
              (Labels{"4.5", "3.0", "1.5", "-1.5", "-3.0", "-4.5"}));
}

}  // namespace
