// A fixture parameterised by the decimal separator: the body runs with it in
// force, and texts written with '.' are turned into what the program prints.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "base/NumberText.h"

class UnderSeparator : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override { SetDecimalSeparator(GetParam()); }
    void TearDown() override { SetDecimalSeparator('.'); }
    char sep() const { return GetParam(); }
    std::string WithSep(std::string text) const
    {
        for (char& c : text)
            if (c == '.')
                c = sep();
        return text;
    }
};
