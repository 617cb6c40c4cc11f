// Checks a computed value against a figure quoted to a number of digits: the
// value must round to the figure, i.e. lie within half a unit of its last digit.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <string>

inline ::testing::AssertionResult MatchesDigits(double value, const std::string& figure)
{
    const double expected = std::strtod(figure.c_str(), nullptr);
    // Place value of the figure's last digit.
    const std::size_t ePos = figure.find_first_of("eE");
    const std::string mantissa = figure.substr(0, ePos);
    const int exponent = ePos == std::string::npos ? 0 : std::atoi(figure.c_str() + ePos + 1);
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const double half = 0.5 * std::pow(10.0, exponent - decimals);
    if (std::fabs(value - expected) <= half * (1 + 1e-9))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(17) << value << " does not round to "
                                         << figure;
}

#define EXPECT_DIGITS(value, figure) EXPECT_TRUE(MatchesDigits((value), (figure)))
