#include "installpack/sharedfile.h"

#include <gtest/gtest.h>

namespace {

using installpack::CompareVersions;
using installpack::FileStamp;
using installpack::IsNewer;
using namespace std::chrono;

struct NewerCase {
    const char* what;
    std::optional<std::string> incomingVersion;
    int incomingDay;
    std::optional<std::string> installedVersion;
    int installedDay;
    bool replaces;
};

class IsNewerTest : public testing::TestWithParam<NewerCase> {};

TEST_P(IsNewerTest, JudgesByVersionThenDate) {
    const NewerCase& c = GetParam();
    const auto day = [](int n) { return system_clock::time_point{} + days{n}; };
    EXPECT_EQ(
        IsNewer({c.incomingVersion, day(c.incomingDay)}, {c.installedVersion, day(c.installedDay)}),
        c.replaces)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsNewerTest,
    testing::Values(
        NewerCase{"higher version, older date", "1.2", 1, "1.1", 9, true},
        NewerCase{"lower version, later date", "1.1", 9, "1.2", 1, false},
        NewerCase{"same version, later date", "1.0", 9, "1.0.0.0", 1, true},
        NewerCase{"same version, same date", "1.0", 5, "1.0", 5, false},
        NewerCase{"same version, older date", "1.0", 1, "1.0", 9, false},
        NewerCase{"unknown installed version, later date", "1.0", 9, std::nullopt, 1, true},
        NewerCase{"unknown installed version, older date", "9.0", 1, std::nullopt, 9, false}));

TEST(CompareVersionsTest, ComparesPartsAsNumbers) {
    EXPECT_LT(CompareVersions("1.9", "1.10"), 0);
    EXPECT_EQ(CompareVersions("2", "2.0.0"), 0);
    EXPECT_GT(CompareVersions("2.0.1", "2"), 0);
}

}  // namespace
