#include "engine/output/FixedFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korva {
namespace {

struct RealCase
{
    double value;
    int width;
    int decimals;
    const char* expected;
};

TEST(FixedFormat, FFieldsRoundHalfAwayFromZeroAndOverflowToAsterisks)
{
    const RealCase cases[] = {
        {3.0, 7, 2, "   3.00"},
        {-3.0, 7, 2, "  -3.00"},
        {0.0, 5, 1, "  0.0"},
        {30.0, 10, 1, "      30.0"},
        {0.125, 5, 2, " 0.13"}, // exact binary half: away from zero
        {-0.125, 5, 2, "-0.13"},
        {2.5, 4, 0, "  3."},
        {-2.5, 4, 0, " -3."},
        {0.1, 5, 2, " 0.10"},
        {0.005, 5, 2, " 0.01"},   // 0.005 is slightly above the half in binary
        {0.015, 5, 2, " 0.01"},   // 0.015 is slightly below the half in binary
        {9.995, 6, 2, "  9.99"},  // below the half in binary
        {9.9951, 6, 2, " 10.00"}, // carry into a new integer digit
        {999.96, 6, 1, "1000.0"},
        {999.96, 5, 1, "*****"},
        {1234567.0, 9, 2, "*********"},
        {1234567.0, 9, 1, "1234567.0"},
        {-1234567.0, 9, 1, "*********"},
        {0.5, 3, 2, ".50"}, // optional leading zero dropped when one column short
        {-0.5, 4, 2, "-.50"},
        {-0.001, 5, 2, "-0.00"},
        {1.0e20, 8, 1, "********"},
        {static_cast<double>(2.4f), 12, 8, "  2.40000010"}, // a float is shown by its own value
        {6.0, 6, 3, " 6.000"},
        {0.625, 5, 2, " 0.63"}, // exact half after an even digit still goes up
        {-0.375, 5, 2, "-0.38"},
        {9.5, 4, 0, " 10."}, // carry out of the first digit
        {0.96, 4, 1, " 1.0"},
        {99.95, 6, 1, " 100.0"}, // 99.95 is slightly above the half in binary
        {0.0, 3, 2, ".00"},
        {-0.0, 5, 2, "-0.00"},
        {1.0e22, 30, 3, "   10000000000000000000000.000"}, // wide field, long integer part
        {1.0e-30, 8, 2, "    0.00"},
        // every digit of a float, large and small
        {static_cast<double>(1.0e38f), 42, 1, "  99999996802856924650656260769173209088.0"},
        {static_cast<double>(1.0e-5f), 30, 25, "   0.0000099999997473787516356"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatF(c.value, c.width, c.decimals), c.expected)
            << c.value << " F" << c.width << "." << c.decimals;
    }
}

TEST(FixedFormat, EFieldsHaveAZeroPointMantissaAndTwoDigitExponent)
{
    const RealCase cases[] = {
        {120.0, 10, 3, " 0.120E+03"},
        {0.0, 10, 3, " 0.000E+00"},
        {-120.0, 10, 3, "-0.120E+03"},
        {1.0, 10, 3, " 0.100E+01"},
        {0.00123456, 10, 3, " 0.123E-02"},
        {0.0012345, 10, 3, " 0.123E-02"},
        {999.5, 10, 3, " 0.100E+04"}, // rounding carries into the exponent
        {0.9995, 10, 3, " 0.100E+01"},
        {4000000.0, 10, 3, " 0.400E+07"},
        {1.0e-5, 17, 4, "       0.1000E-04"},
        {1.0e100, 10, 3, " 0.100+101"}, // three-digit exponent drops the letter
        {-120.0, 9, 3, "-.120E+03"},
        {-120.0, 8, 3, "********"},
        {0.125, 9, 2, " 0.13E+00"}, // exact half goes away from zero
        {99.96, 10, 3, " 0.100E+03"},
        {9.9996, 10, 3, " 0.100E+02"},
        {1.0e-5, 10, 3, " 0.100E-04"},
        {-2.5e-101, 10, 3, "-0.250-100"},
        {1.0e-300, 10, 3, " 0.100-299"},
        {static_cast<double>(3.0e-30f), 12, 6, "0.300000E-29"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatE(c.value, c.width, c.decimals), c.expected)
            << c.value << " E" << c.width << "." << c.decimals;
    }
}

TEST(FixedFormat, IntegerFieldsWithAndWithoutMinimumDigits)
{
    EXPECT_EQ(formatI(49, 5), "   49");
    EXPECT_EQ(formatI(-49, 5), "  -49");
    EXPECT_EQ(formatI(0, 3), "  0");
    EXPECT_EQ(formatI(123456, 5), "*****");
    EXPECT_EQ(formatI(-1234, 4), "****");
    EXPECT_EQ(formatI(5, 2, 2), "05");
    EXPECT_EQ(formatI(2017, 4, 4), "2017");
    EXPECT_EQ(formatI(7, 5, 3), "  007");
    EXPECT_EQ(formatI(-7, 5, 3), " -007");
    EXPECT_EQ(formatI(0, 4, 0), "    ");
}

TEST(FixedFormat, NonFiniteValuesAreNeverWrittenAsNaNOrInfinity)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatF(std::nan(""), 5, 2), "*****");
    EXPECT_EQ(formatF(inf, 10, 2), "**********");
    EXPECT_EQ(formatE(-inf, 5, 2), "*****");
    EXPECT_EQ(formatE(inf, 2, 1), "**");
    EXPECT_EQ(freeFormat(std::numeric_limits<float>::quiet_NaN()), " 0");
    EXPECT_EQ(freeFormat(-std::numeric_limits<float>::infinity()), " 0");
}

TEST(FixedFormat, BlanksPaddingAndFreeFormat)
{
    EXPECT_EQ(blanks(3), "   ");
    EXPECT_EQ(blanks(-1), "");
    EXPECT_EQ(padRight("abc", 5), "abc  ");
    EXPECT_EQ(padRight("abcdef", 4), "abcd");
    EXPECT_EQ(freeFormat(0.5f), " 0.5");
    EXPECT_EQ(freeFormat(3L), " 3");
}

} // namespace
} // namespace korva
