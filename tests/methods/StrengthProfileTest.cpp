#include "engine/methods/StrengthProfile.h"

#include <gtest/gtest.h>

#include <vector>

using namespace korva::methods;

TEST(StrengthProfile, RowProfileInterpolatesAndHoldsItsEnds)
{
    const std::vector<StrengthPoint> rows = {{12.0f, 2.0f}, {24.0f, 4.0f}, {36.0f, 10.0f}};
    EXPECT_FLOAT_EQ(unitSideFromRows_psi(rows, 6.0f), 2.0f);
    EXPECT_FLOAT_EQ(unitSideFromRows_psi(rows, 12.0f), 2.0f);
    EXPECT_FLOAT_EQ(unitSideFromRows_psi(rows, 18.0f), 3.0f);
    EXPECT_FLOAT_EQ(unitSideFromRows_psi(rows, 24.0f), 4.0f);
    EXPECT_FLOAT_EQ(unitSideFromRows_psi(rows, 30.0f), 7.0f);
    EXPECT_FLOAT_EQ(unitSideFromRows_psi(rows, 100.0f), 10.0f);
    EXPECT_FLOAT_EQ(unitSideFromRows_psi({}, 10.0f), 0.0f);
}

TEST(StrengthProfile, LayerProfileExtendsItsLastSegmentButStaysPositive)
{
    // Two layers; at the shared depth 120 in the deeper layer's first value applies.
    const std::vector<LayerStrength> layers = {{0.0f, 120.0f, 1.0f, 3.0f},
                                               {120.0f, 240.0f, 6.0f, 4.0f}};
    EXPECT_FLOAT_EQ(unitSideFromLayers_psi(layers, 60.0f), 2.0f);
    EXPECT_FLOAT_EQ(unitSideFromLayers_psi(layers, 120.0f), 6.0f);
    EXPECT_FLOAT_EQ(unitSideFromLayers_psi(layers, 180.0f), 5.0f);
    EXPECT_FLOAT_EQ(unitSideFromLayers_psi(layers, 252.0f), 3.8f);
    EXPECT_FLOAT_EQ(unitSideFromLayers_psi(layers, 10000.0f), 0.0f);
    EXPECT_FLOAT_EQ(deepestLayerDepth_in(layers), 240.0f);
    // A single layer of no thickness gives its last value below it.
    const std::vector<LayerStrength> flat = {{60.0f, 60.0f, 2.0f, 5.0f}};
    EXPECT_FLOAT_EQ(unitSideFromLayers_psi(flat, 60.05f), 5.0f);
    EXPECT_FLOAT_EQ(unitSideFromLayers_psi({}, 1.0f), 0.0f);
}
