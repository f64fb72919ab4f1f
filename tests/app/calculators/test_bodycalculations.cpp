#include "calculators/bodycalculations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

using units::UnitSystem;

struct BodyCase {
    const char* name;
    UnitSystem unit;
    std::uint8_t sex;
    float weight;
    float height;
    float age;
    float bmi;    // single-precision result, worked out by hand
    float basal;  // calories per day before any activity factor
    friend void PrintTo(const BodyCase& c, std::ostream* out) { *out << c.name; }
};

class BodyCalculationsTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(BodyCalculationsTest, GivesTheIndexAndTheRateInTheUnitsInForce) {
    const BodyCase& c = GetParam();
    EXPECT_FLOAT_EQ(calculators::BMI(c.unit, c.weight, c.height), c.bmi);
    EXPECT_FLOAT_EQ(calculators::Basal(c.unit, c.sex, c.weight, c.height, c.age), c.basal);
}

// Metric cases fail if the weight is converted with 1/0.453592 instead of
// 2.205, or the height with 1/0.0254 instead of 39.372.
INSTANTIATE_TEST_SUITE_P(
    Cases, BodyCalculationsTest,
    ::testing::Values(
        BodyCase{"ImperialMan", UnitSystem::Imperial, 1, 180, 70, 40, 25.822626f, 1802.6f},
        BodyCase{"ImperialWoman", UnitSystem::Imperial, 0, 140, 65, 30, 23.292994f, 1061.55f},
        BodyCase{"MetricMan", UnitSystem::Metric, 1, 80, 1.8f, 40, 24.691359f, 1791.252f},
        BodyCase{"MetricManAtIndex31", UnitSystem::Metric, 1, 31, 1, 40, 31.0f, 719.1925f},
        BodyCase{"MetricWoman", UnitSystem::Metric, 0, 20, 1, 30, 20.0f, 435.58292f},
        BodyCase{"AnyFlagButOneIsAWoman", UnitSystem::Imperial, 2, 140, 65, 30, 23.292994f,
                 1061.55f},
        BodyCase{"ExtremeWomanGoesNegative", UnitSystem::Imperial, 0, 11, 16, 149, 30.204851f,
                 -457.58f}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ActivityFactorTest, MultipliesTheRateByTheLevelsFactorAndLeavesItForNoneOrNoSelection) {
    EXPECT_FLOAT_EQ(calculators::DailyCalories(1802.6f, 1), 2343.38f);
    EXPECT_FLOAT_EQ(calculators::DailyCalories(1061.55f, 3), 1698.48f);
    EXPECT_FLOAT_EQ(calculators::DailyCalories(1000.0f, 2), 1400.0f);
    EXPECT_FLOAT_EQ(calculators::DailyCalories(1000.0f, 4), 1800.0f);
    for (const int noFactor : {0, -1, 5}) {
        EXPECT_EQ(calculators::DailyCalories(1802.6f, noFactor), 1802.6f) << noFactor;
    }
}

}  // namespace
