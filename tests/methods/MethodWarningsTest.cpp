#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/methods/MethodWarnings.h"

using namespace korva::methods;

TEST(MethodWarnings, EveryFlagHasItsTextAndBitsAreDistinct)
{
    MethodWarnings all;
    for (MethodWarning w : kAllMethodWarnings) {
        EXPECT_FALSE(all.has(w)) << static_cast<unsigned>(w);
        all.add(w);
        EXPECT_FALSE(methodWarningLines(w).empty()) << static_cast<unsigned>(w);
        for (std::string_view line : methodWarningLines(w)) {
            EXPECT_LE(line.size() + 7, 80u) << line;
        }
    }
}

TEST(MethodWarnings, WeakRockBlockLayout)
{
    const std::vector<std::string> block =
        weakRockWarningBlock(MethodWarning::WeakRockSocketTooShort, "     1.88");
    const std::vector<std::string> expected{
        "                     WARNING MESSAGE                ",
        "   ------------------------------------------------------------",
        "                SOCKET LENGTH/SOCKET DIAMETER =      1.88",
        "     L/D SHOULD BE GREATER THAN 2.0 AND LESS THAN 20.0",
        "",
        "",
    };
    EXPECT_EQ(block, expected);

    const std::vector<std::string> diameter =
        weakRockWarningBlock(MethodWarning::WeakRockSmallDiameter, "     1.50");
    ASSERT_EQ(diameter.size(), 7u);
    EXPECT_EQ(diameter[2], "                         Diameter (FT) =      1.50");
    EXPECT_EQ(diameter[3], "     SOCKET DIAMETER SHOULD BE GREATER THAN 0.5 m or 1.64 ft");
    EXPECT_EQ(diameter[4], "     AND LESS THAN 1.53 m or 5 ft.");

    EXPECT_EQ(weakRockWarningBlock(MethodWarning::WeakRockModulusRatio, "   600.00")[2],
              "                         Ec/Em =    600.00");
    EXPECT_TRUE(weakRockWarningBlock(MethodWarning::UnitWeightMissing, "x").empty());
}
