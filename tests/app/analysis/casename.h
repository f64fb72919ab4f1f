#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each parameterised case after its `name` member.
struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return info.param.name;
    }
};
