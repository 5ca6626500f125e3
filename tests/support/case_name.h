// Names table-driven test cases after their `name` field.
#pragma once

#include <gtest/gtest.h>

#include <string>

struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};
