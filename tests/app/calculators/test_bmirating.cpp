#include "calculators/bmirating.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace {

struct RatingCase {
    std::uint8_t sex;
    float bmi;
    const char* band;
    friend void PrintTo(const RatingCase& c, std::ostream* out) {
        *out << (c.sex == 1 ? "man " : "woman ") << c.bmi;
    }
};

class BMIRatingTest : public ::testing::TestWithParam<RatingCase> {};

TEST_P(BMIRatingTest, ChoosesTheBandOfTheSexAndPutsALimitIntoTheLowerBand) {
    const RatingCase& c = GetParam();
    EXPECT_EQ(calculators::BMIRating(c.sex, c.bmi), std::string("Your Rating is:  ") + c.band);
}

INSTANTIATE_TEST_SUITE_P(Men, BMIRatingTest,
                         ::testing::Values(RatingCase{1, 45.4f, "Morbid obesity"},
                                           RatingCase{1, 45.0f, "Severe overweight"},
                                           RatingCase{1, 31.01f, "Severe overweight"},
                                           RatingCase{1, 31.0f, "Overweight"},
                                           RatingCase{1, 27.8f, "Overweight"},
                                           RatingCase{1, 27.6f, "Marginally overweight"},
                                           RatingCase{1, 26.4f, "Marginally overweight"},
                                           RatingCase{1, 26.2f, "Acceptable weight"},
                                           RatingCase{1, 20.7f, "Acceptable weight"},
                                           RatingCase{1, 20.0f, "Underweight"},
                                           RatingCase{1, 0.0f, "Underweight"}));

// Any sex flag but 1 takes the women's limits.
INSTANTIATE_TEST_SUITE_P(Women, BMIRatingTest,
                         ::testing::Values(RatingCase{0, 44.7f, "Morbid obesity"},
                                           RatingCase{0, 44.5f, "Severe overweight"},
                                           RatingCase{0, 32.3f, "Severe overweight"},
                                           RatingCase{0, 31.0f, "Overweight"},
                                           RatingCase{0, 27.3f, "Overweight"},
                                           RatingCase{0, 27.1f, "Marginally overweight"},
                                           RatingCase{0, 25.8f, "Marginally overweight"},
                                           RatingCase{2, 25.6f, "Acceptable weight"},
                                           RatingCase{0, 20.0f, "Acceptable weight"},
                                           RatingCase{0, 19.0f, "Underweight"}));

}  // namespace
