#include "engine/methods/FloatToInt.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace korva {
namespace {

TEST(FloatToInt, TruncationOfValuesThatFitAndRefusalOfThoseThatDoNot)
{
    EXPECT_EQ(truncateToInt(80.9f), 80);
    EXPECT_EQ(truncateToInt(-2.5f), -2);
    EXPECT_EQ(truncateToInt(2147483520.0f), 2147483520); // the largest float below 2^31
    for (double outside :
         {1.0e38, -1.0e38, 2147483648.0, -2147483904.0, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity()})
        EXPECT_THROW(truncateToInt(outside), std::range_error) << outside;
}

TEST(FloatToInt, ClampedConversionsGiveTheBoundOutsideAndLowForNaN)
{
    EXPECT_EQ(truncateClamped(12.7, 0, 503), 12);
    EXPECT_EQ(truncateClamped(1.0e38, 0, 503), 503);
    EXPECT_EQ(truncateClamped(-1.0e38, 0, 503), 0);
    EXPECT_EQ(truncateClamped(std::numeric_limits<double>::quiet_NaN(), 1, 4), 1);
    EXPECT_EQ(roundClamped(2.5, 1, 4), 3);
    EXPECT_EQ(roundClamped(1.0e30, 1, 4), 4);
}

} // namespace
} // namespace korva
