#include "calculators/entrylimits.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

using calculators::CalculatorEntry;
using units::UnitSystem;

// The entry the checks stop at, running them in their order.
std::optional<CalculatorEntry> FirstRefused(UnitSystem unit, double weight, double height,
                                            double age) {
    for (const calculators::EntryLimit& limit : calculators::EntryLimits(unit)) {
        const double value = limit.entry == CalculatorEntry::Weight   ? weight
                             : limit.entry == CalculatorEntry::Height ? height
                                                                      : age;
        if (!limit.Accepts(value)) {
            return limit.entry;
        }
    }
    return std::nullopt;
}

struct LimitCase {
    const char* name;
    UnitSystem unit;
    double weight;
    double height;
    double age;
    std::optional<CalculatorEntry> refused;
    friend void PrintTo(const LimitCase& c, std::ostream* out) { *out << c.name; }
};

class EntryLimitsTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(EntryLimitsTest, RefusesTheBoundsThemselvesAndChecksHeightThenWeightThenAge) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(FirstRefused(c.unit, c.weight, c.height, c.age), c.refused);
}

constexpr auto kImperial = UnitSystem::Imperial;
constexpr auto kMetric = UnitSystem::Metric;
constexpr auto kWeight = CalculatorEntry::Weight;
constexpr auto kHeight = CalculatorEntry::Height;
constexpr auto kAge = CalculatorEntry::Age;

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryLimitsTest,
    ::testing::Values(LimitCase{"ImperialJustInside", kImperial, 10.5, 15.5, 0.5, std::nullopt},
                      LimitCase{"ImperialUpperInside", kImperial, 999, 149, 149, std::nullopt},
                      LimitCase{"ImperialHeight15", kImperial, 180, 15, 40, kHeight},
                      LimitCase{"ImperialHeight150", kImperial, 180, 150, 40, kHeight},
                      LimitCase{"ImperialWeight10", kImperial, 10, 70, 40, kWeight},
                      LimitCase{"ImperialWeight1000", kImperial, 1000, 70, 40, kWeight},
                      LimitCase{"ImperialAge0", kImperial, 180, 70, 0, kAge},
                      LimitCase{"ImperialAge150", kImperial, 180, 70, 150, kAge},
                      LimitCase{"HeightBeforeWeight", kImperial, 5, 200, 0, kHeight},
                      LimitCase{"WeightBeforeAge", kImperial, 5, 70, 0, kWeight},
                      LimitCase{"MetricInside", kMetric, 4.5, 0.15, 0.5, std::nullopt},
                      LimitCase{"MetricHeight0_1", kMetric, 80, 0.1, 40, kHeight},
                      LimitCase{"MetricHeight10", kMetric, 80, 10, 40, kHeight},
                      LimitCase{"MetricWeight4", kMetric, 4, 1.8, 40, kWeight},
                      LimitCase{"MetricWeight400", kMetric, 400, 1.8, 40, kWeight},
                      LimitCase{"MetricAge150", kMetric, 80, 1.8, 150, kAge},
                      LimitCase{"ImperialNumbersInMetric", kMetric, 180, 70, 40, kHeight}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
