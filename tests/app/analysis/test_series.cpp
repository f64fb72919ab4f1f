#include "analysis/series.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "casename.h"
#include "logs.h"

namespace {

using ::testing::Each;

// A level chart's gauge for value v: the chart steps' documented float
// rescaling, kept here only to show which gauges these bounds produce.
int LevelGauge(float v, float max, float min) {
    const auto scale = static_cast<float>(100.0 / (static_cast<double>(max) - min));
    return static_cast<int>(static_cast<float>((static_cast<double>(v) - min) * scale));
}

TEST(SeriesTest, OneEntryFillsEverySeriesWithItsWeight) {
    const Series s = BuildSeries(FlatLog(150.0, 1));

    EXPECT_THAT(s.EntryArray, Each(150.0F));
    EXPECT_EQ(s.EntryMax, 153.0F);
    EXPECT_EQ(s.EntryMin, 147.0F);
    EXPECT_THAT(s.WeekArray, Each(0.0F));
    EXPECT_EQ(s.WeekMax, 0.001F);
    EXPECT_THAT(s.WeekDayArray, Each(0.0F));
    EXPECT_EQ(s.WeekDayMax, 0.001F);
    EXPECT_THAT(s.AvgArray, Each(150.0F));
    EXPECT_EQ(s.AvgMax, 153.0F);
    EXPECT_EQ(s.AvgMin, 147.0F);
    EXPECT_THAT(s.FutureArray, Each(150.0F));
    EXPECT_EQ(s.FutureMax, 156.0F);  // 153 + 3
    EXPECT_EQ(s.FutureMin, 144.0F);  // 147 - 3
}

TEST(SeriesTest, LogFallingHalfAPoundADay) {
    const Series s = BuildSeries(SteadyLog(150.0, -0.5));

    for (std::size_t k = 0; k < kEntryArrayLength; ++k) {
        EXPECT_EQ(s.EntryArray[k], 150.0F + 0.5F * static_cast<float>(k)) << k;
    }
    EXPECT_EQ(s.EntryMax, 186.15F);  // 182.5 x 1.02
    EXPECT_EQ(s.EntryMin, 147.0F);

    // Averages of seven entries: 151.5 for the newest, half a pound more per step back.
    for (std::size_t k = 0; k < kAvgArrayLength; ++k) {
        EXPECT_EQ(s.AvgArray[k], 151.5F + 0.5F * static_cast<float>(k)) << k;
    }
    EXPECT_EQ(s.AvgMax, 184.62F);  // 181.0 x 1.02
    EXPECT_EQ(s.AvgMin, 148.47F);  // 151.5 x 0.98

    // The trend loses a pound every two days, from 150 today to 90 in 120 days.
    for (std::size_t k = 0; k < kFutureArrayLength; ++k) {
        EXPECT_EQ(s.FutureArray[k], 150.0F - static_cast<float>(k)) << k;
    }
    EXPECT_EQ(s.FutureMax, 156.0F);  // 150 x 1.02 + 3
    EXPECT_EQ(s.FutureMin, 85.2F);   // 90 x 0.98 - 3
    // FGauge1, FGauge31 and FGauge61 show today, 60 and 120 days ahead.
    EXPECT_EQ(LevelGauge(s.FutureArray[0], s.FutureMax, s.FutureMin), 91);
    EXPECT_EQ(LevelGauge(s.FutureArray[30], s.FutureMax, s.FutureMin), 49);
    EXPECT_EQ(LevelGauge(s.FutureArray[60], s.FutureMax, s.FutureMin), 6);
}

struct ChangeCase {
    const char* name;
    double changePerDay;
    float week;
    float weekDay;
    float weekMax;
    float weekDayMax;
};

class ChangeTest : public ::testing::TestWithParam<ChangeCase> {};

// Changes are newer minus older, so a loss is negative; the bounds take the
// largest absolute change.
TEST_P(ChangeTest, WeekAndWeekDayChangesKeepTheirSign) {
    const ChangeCase& c = GetParam();
    const Series s = BuildSeries(SteadyLog(150.0, c.changePerDay));

    EXPECT_THAT(s.WeekArray, Each(c.week));
    EXPECT_EQ(s.WeekMax, c.weekMax);
    EXPECT_THAT(s.WeekDayArray, Each(c.weekDay));
    EXPECT_EQ(s.WeekDayMax, c.weekDayMax);
}

INSTANTIATE_TEST_SUITE_P(SteadyLogs, ChangeTest,
                         ::testing::Values(ChangeCase{"Falling", -0.5, -3.5F, -28.0F, 3.501F,
                                                      28.001F},
                                           ChangeCase{"Rising", 0.5, 3.5F, 28.0F, 3.501F, 28.001F},
                                           ChangeCase{"Flat", 0.0, 0.0F, 0.0F, 0.001F, 0.001F}),
                         CaseName());

TEST(SeriesTest, ShortLogIsPaddedWithItsOldestWeight) {
    // 40 entries: 150.0 newest, 169.5 oldest (entry index 39).
    const Series s = BuildSeries(SteadyLog(150.0, -0.5, 40));

    for (std::size_t k = 39; k < kEntryArrayLength; ++k) {
        EXPECT_EQ(s.EntryArray[k], 169.5F) << k;
    }
    EXPECT_EQ(s.EntryMax, 172.89F);  // 169.5 x 1.02, the padding counts
    EXPECT_EQ(s.WeekArray[4], -3.5F);
    EXPECT_EQ(s.WeekArray[5], -2.0F);  // 167.5 - 169.5
    EXPECT_EQ(s.WeekArray[6], 0.0F);
    EXPECT_EQ(s.WeekArray[7], 0.0F);
    // Each weekday's changes add up to its newest entry minus the one 56 days back.
    for (std::size_t d = 0; d < kWeekDayArrayLength; ++d) {
        EXPECT_EQ(s.WeekDayArray[d], 0.5F * static_cast<float>(d) - 19.5F) << d;
    }
    EXPECT_EQ(s.WeekDayMax, 19.501F);
    EXPECT_EQ(s.AvgArray[59], 169.5F);
}

TEST(SeriesTest, ReadsOnlyTheNewestEntries) {
    const Series s = BuildSeries(SteadyLog(150.0, -0.5, 400));

    EXPECT_EQ(s.EntryArray[65], 182.5F);
    EXPECT_EQ(s.EntryMax, 186.15F);
}

TEST(SeriesTest, AverageUsesA32BitRunningSum) {
    // Seven 32-bit additions of 100.1 give 700.69995, not 700.7: the mean is
    // 100.09999, one step below the weight's own 32-bit value.
    const Series s = BuildSeries(FlatLog(100.1));

    EXPECT_THAT(s.AvgArray, Each(100.09999084472656F));
    EXPECT_NE(s.AvgArray[0], s.EntryArray[0]);
}

TEST(SeriesTest, FutureMaxStaysAtItsSeedWhenEveryTrendValueIsNegative) {
    // 21 entries shaped like a parabola: the fitted line is already below 0 today.
    std::vector<double> log;
    for (int k = 0; k <= 20; ++k) {
        log.push_back(0.5 * k * k);
    }
    const Series s = BuildSeries(log);

    ASSERT_LT(s.FutureArray[0], 0.0F);
    EXPECT_EQ(s.FutureMax, 3.0F);  // 0.0 x 1.02 + 3
}

TEST(SeriesTest, BuildersStartFromTheCallersBounds) {
    const std::vector<double> log = FlatLog(150.0);
    std::array<float, kEntryArrayLength> entries{};
    float max = 200.0F;
    float min = 100.0F;

    FillEntryArray(log, entries, max, min);

    EXPECT_EQ(max, 204.0F);
    EXPECT_EQ(min, 98.0F);
}

TEST(SeriesTest, EmptyLogIsRefused) {
    EXPECT_THROW(BuildSeries(std::vector<double>{}), std::invalid_argument);
}

}  // namespace
