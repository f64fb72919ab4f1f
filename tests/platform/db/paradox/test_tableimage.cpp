#include "db/paradox/tableimage.h"

#include <gtest/gtest.h>

namespace {

struct CounterCase {
    int before;
    int after;
};

class ChangeCounter : public ::testing::TestWithParam<CounterCase> {};

TEST_P(ChangeCounter, CountsUpAndWrapsToTwo) {
    db::paradox::TableImage table;
    table.changeCounter = static_cast<std::uint8_t>(GetParam().before);
    db::paradox::BumpChangeCounter(table);
    EXPECT_EQ(table.changeCounter, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Values, ChangeCounter,
                         ::testing::Values(CounterCase{2, 3}, CounterCase{254, 255},
                                           CounterCase{255, 2}, CounterCase{0, 2},
                                           CounterCase{1, 2}));

}  // namespace
