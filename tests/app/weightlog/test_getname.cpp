#include "weightlog/getname.h"

#include <gtest/gtest.h>

namespace {

struct GetNameCase {
    const char* path;
    const char* name;
};

class GetNameTest : public ::testing::TestWithParam<GetNameCase> {};

TEST_P(GetNameTest, TakesTextBetweenLastSeparatorAndLastDot) {
    EXPECT_EQ(GetName(GetParam().path), GetParam().name) << "path: " << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, GetNameTest,
    ::testing::Values(GetNameCase{"/logs/John Doe.DB", "John Doe"},
                      GetNameCase{"John Doe.db", "John Doe"}, GetNameCase{"/logs/A.B.db", "A.B"},
                      GetNameCase{"/My.Logs/John", ""}, GetNameCase{"/logs/John", ""},
                      GetNameCase{"/logs/.db", ""}, GetNameCase{"C:John.db", "C:John"},
                      GetNameCase{"", ""}, GetNameCase{"a/b.c/John", ""}, GetNameCase{"/.db", ""},
                      GetNameCase{".db", ""},
                      // Only the platform's separator splits folders.
                      GetNameCase{"C:\\Logs\\Jane.db", "C:\\Logs\\Jane"}));

}  // namespace
