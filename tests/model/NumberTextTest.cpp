#include "gui/model/NumberText.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>

using namespace korva::gui;

namespace {

TEST(NumberText, GeneralFormatWithEightSignificantDigits)
{
    struct TCase
    {
        long double value;
        const char* text;
    };
    const TCase cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {0.45L, "0.45"},
        {2.5L, "2.5"},
        {30.0L, "30"},
        {4000000.0L, "4000000"},
        {1e-6L, "1E-6"},
        {123456789.0L, "1.2345679E8"},
        {1.0L / 3.0L, "0.33333333"},
        {-2.0L / 3.0L, "-0.66666667"},
        {0.00001L, "0.00001"},
        {0.000012345678L, "0.000012345678"},
        {99999999.0L, "99999999"},
        {99999999.7L, "1E8"}, // rounding decides the notation
        {12345678.94L, "12345679"},
        {9.144L, "9.144"},
        {0.30480000000121920L, "0.3048"},
        {-1.5e-7L, "-1.5E-7"},
        {2.5e12L, "2.5E12"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(GeneralNumberText(c.value), c.text) << static_cast<double>(c.value);
    EXPECT_EQ(GeneralNumberText(std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(IntegerNumberText(-42), "-42");
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    // Only a locale with a decimal comma makes this test meaningful; it is skipped silently
    // where none is installed.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(GeneralNumberText(2.5L), "2.5");
        std::setlocale(LC_NUMERIC, saved.c_str());
    }
}

} // namespace
