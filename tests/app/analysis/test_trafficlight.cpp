#include "analysis/trafficlight.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/series.h"
#include "casename.h"
#include "logs.h"

namespace {

// The newest `raised` entries one pound above an otherwise flat 150.
std::vector<double> RaisedNewest(std::size_t raised) {
    std::vector<double> log = FlatLog(150.0);
    for (std::size_t k = 0; k < raised; ++k) {
        log[k] = 151.0;
    }
    return log;
}

struct LightCase {
    const char* name;
    std::vector<double> log;
    TrafficLight light;
};

class LitLightTest : public ::testing::TestWithParam<LightCase> {};

TEST_P(LitLightTest, JudgesTheFourNewestWindows) {
    // The pass judges EntryArray, where a short log is padded with its oldest weight.
    EXPECT_EQ(LitLight(BuildSeries(GetParam().log).EntryArray), GetParam().light);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, LitLightTest,
    ::testing::Values(LightCase{"Falling", SteadyLog(150.0, -0.5), TrafficLight::Green},
                      LightCase{"Flat150", FlatLog(150.0), TrafficLight::Green},
                      LightCase{"Flat150_5", FlatLog(150.5), TrafficLight::Green},
                      // The 32-bit sums leave a tiny rise in every window.
                      LightCase{"Flat150_3", FlatLog(150.3), TrafficLight::Red},
                      LightCase{"Rising", SteadyLog(150.0, 0.5), TrafficLight::Red},
                      LightCase{"RiseOnlyInNewestWindow", RaisedNewest(1), TrafficLight::Yellow},
                      LightCase{"FlatThreeWindowsBack", RaisedNewest(3), TrafficLight::Yellow},
                      LightCase{"RiseInAllFourWindows", RaisedNewest(4), TrafficLight::Red},
                      LightCase{"TwoEntriesRising", SteadyLog(150.0, 1.0, 2), TrafficLight::Yellow},
                      // 21 entries: the older windows repeat the oldest weight.
                      LightCase{"ShortRisingLog", SteadyLog(150.0, 0.5, 21), TrafficLight::Red}),
    CaseName());

struct ColourCase {
    TrafficLight light;
    LightColours colours;
};

class ColoursOfTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColoursOfTest, LightsOneShapeAndDimsTheOthers) {
    EXPECT_EQ(ColoursOf(GetParam().light), GetParam().colours);
}

INSTANTIATE_TEST_SUITE_P(
    Lights, ColoursOfTest,
    ::testing::Values(ColourCase{TrafficLight::Green, {{128, 0, 0}, {128, 128, 0}, {0, 255, 0}}},
                      ColourCase{TrafficLight::Yellow, {{128, 0, 0}, {255, 255, 0}, {0, 128, 128}}},
                      ColourCase{TrafficLight::Red, {{255, 0, 0}, {128, 128, 0}, {0, 128, 128}}}));

}  // namespace
