#include "gui/controls/UnitCodes.h"

#include <gtest/gtest.h>

using namespace korva::gui;

namespace {

using namespace UnitCodes;

TEST(UnitCodes, ConvertsEnglishValuesToSI)
{
    struct TCase
    {
        const char* code;
        long double english;
        long double si;
        long double tolerance;
    };
    const TCase cases[] = {
        {"F/L2^2", 100.0L, 4.788026L, 5e-7L},      // lbs/ft^2 -> kN/m^2
        {"F/L2^3", 120.0L, 18.8505L, 5e-5L},       // lbs/ft^3 -> kN/m^3
        {"F/L^2", 4000000.0L, 27579031.6L, 0.05L}, // lbs/in^2 -> kN/m^2
        {"L2", 30.0L, 9.144L, 1e-9L},              // ft -> m
        {"L", 1.0L, 0.0254L, 1e-12L},              // in -> m
        {"F2", 1.0L, 8.896442997L, 1e-9L},         // tons -> kN
        {"deg", 32.0L, 32.0L, 0.0L},               // dimensionless
        {"", 7.0L, 7.0L, 0.0L},
    };
    for (const TCase& c : cases) {
        EXPECT_NEAR(c.english * ConversionFactor(c.code, English, SI), c.si, c.tolerance) << c.code;
        // And back again.
        EXPECT_NEAR(c.si * ConversionFactor(c.code, SI, English), c.english,
                    c.tolerance * c.english / (c.si == 0 ? 1 : c.si) + 1e-12L)
            << c.code;
    }
}

TEST(UnitCodes, FactorsFollowTheLetterTable)
{
    EXPECT_NEAR(ConversionFactor("F/L2^2", English, SI), 0.047880263L, 1e-9L);
    // The SI factors are the reciprocals of the English ones in extended precision.
    EXPECT_NEAR(ConversionFactor("L2", English, SI), 0.30480000000121920L, 1e-18L);
    EXPECT_NEAR(ConversionFactor("L", English, SI), 0.025400000000101600L, 1e-18L);
    EXPECT_NEAR(ConversionFactor("F2", English, SI), 8.8964429970267776L, 1e-15L);
    EXPECT_NEAR(ConversionFactor("F/L^2", SI, English), 0.1450377252L, 1e-10L);
    // Within one system and in the raw system nothing changes.
    EXPECT_EQ(ConversionFactor("F/L2^2", SI, SI), 1.0L);
    EXPECT_EQ(ConversionFactor("F/L2^2", English, Raw), 1.0L);
    // A superscript two is an exponent like ^2.
    EXPECT_EQ(ConversionFactor("F/L\u00b2", SI, English), ConversionFactor("F/L^2", SI, English));
}

TEST(UnitCodes, HeadingAndEntryFieldTexts)
{
    struct TCase
    {
        const char* code;
        const char* english;
        const char* si;
    };
    const TCase cases[] = {
        {"F/L2^2", "lbs/ft^2", "kN/m^2"},
        {"F/L2^3", "lbs/ft^3", "kN/m^3"},
        {"F/L^2", "lbs/in^2", "kN/m^2"},
        {"L2", "ft", "m"},
        {"L", "in", "m"},
        {"F2", "tons", "kN"},
        {"F1/L1", "kips/in", "kN/mm"},
        {"F/L\u00b2", "lbs/in\u00b2", "kN/m\u00b2"},
        {"deg", "deg", "deg"},
        {"", "", ""},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(HeadingUnitText(c.code, English), c.english) << c.code;
        EXPECT_EQ(HeadingUnitText(c.code, SI), c.si) << c.code;
        EXPECT_EQ(EntryFieldUnitText(c.code, English), c.english) << c.code;
        EXPECT_EQ(EntryFieldUnitText(c.code, SI), c.si) << c.code;
        EXPECT_EQ(HeadingUnitText(c.code, Raw), c.code);
    }
    // With two force codes the heading replaces both, the entry field only the first found
    // in the order F6, F5, F4, F2, F1.
    EXPECT_EQ(HeadingUnitText("F1/F2", English), "kips/tons");
    EXPECT_EQ(EntryFieldUnitText("F1/F2", English), "F1/tons");
}

} // namespace
