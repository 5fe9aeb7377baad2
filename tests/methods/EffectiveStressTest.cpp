#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/methods/EffectiveStress.h"

using namespace korva::methods;

TEST(EffectiveStress, SumsInterpolatedUnitWeightsAndGoesSubmergedBelowWaterTable)
{
    // Layer 1 0..10 ft, 110 -> 120 pcf; layer 2 10..20.5 ft, 125 pcf; water at 5 ft.
    const std::vector<UnitWeightLayer> layers{{10.0f, 110.0f, 120.0f}, {20.5f, 125.0f, 125.0f}};
    EXPECT_FLOAT_EQ(effectiveVerticalStress_psf(layers, 3.0f, 5.0f), 111.0f + 112.0f + 113.0f);
    // Steps 6 and 7 lie below the water table.
    EXPECT_FLOAT_EQ(effectiveVerticalStress_psf(layers, 7.0f, 5.0f),
                    565.0f + (116.0f - 62.4f) + (117.0f - 62.4f));
    // A depth is truncated to whole feet.
    EXPECT_FLOAT_EQ(effectiveVerticalStress_psf(layers, 3.9f, 5.0f),
                    effectiveVerticalStress_psf(layers, 3.0f, 5.0f));
    // Step 11 is in layer 2.
    EXPECT_NEAR(effectiveVerticalStress_psf(layers, 11.0f, 100.0f),
                111 + 112 + 113 + 114 + 115 + 116 + 117 + 118 + 119 + 120 + 125.0f, 1e-3f);
}

TEST(EffectiveStress, StepCrossingLayerBottomIsSplit)
{
    const std::vector<UnitWeightLayer> layers{{2.5f, 100.0f, 100.0f}, {10.0f, 120.0f, 120.0f}};
    EXPECT_FLOAT_EQ(effectiveVerticalStress_psf(layers, 3.0f, 100.0f),
                    100.0f + 100.0f + 0.5f * 100.0f + 0.5f * 120.0f);
    // Two bottoms inside one step.
    const std::vector<UnitWeightLayer> thin{
        {0.2f, 100.0f, 100.0f}, {0.6f, 120.0f, 120.0f}, {5.0f, 130.0f, 130.0f}};
    EXPECT_NEAR(effectiveVerticalStress_psf(thin, 1.0f, 100.0f), 20.0f + 48.0f + 52.0f, 1e-4f);
}

TEST(EffectiveStress, LayerWithoutUnitWeightBelowWaterTableAddsNothing)
{
    // Sand 0..10 ft at 120 pcf, strong rock 10..20 ft (no unit weight entered, 0 pcf), sand
    // 20..40 ft at 120 pcf; water at 5 ft. By hand:
    //   sigma'v(10) = 5 x 120 + 5 x 57.6 = 888 psf
    //   rock steps 11..20 add 0 (not 10 x -62.4 = -624 psf): sigma'v(20) = 888 psf
    //   sigma'v(25) = 888 + 5 x 57.6 = 1176 psf
    const std::vector<UnitWeightLayer> layers{
        {10.0f, 120.0f, 120.0f}, {20.0f, 0.0f, 0.0f}, {40.0f, 120.0f, 120.0f}};
    EXPECT_NEAR(effectiveVerticalStress_psf(layers, 10.0f, 5.0f), 888.0f, 1e-3f);
    EXPECT_NEAR(effectiveVerticalStress_psf(layers, 20.0f, 5.0f), 888.0f, 1e-3f);
    EXPECT_NEAR(effectiveVerticalStress_psf(layers, 25.0f, 5.0f), 1176.0f, 1e-3f);
    const std::vector<float> table = effectiveVerticalStressTable_psf(layers, 25, 5.0f);
    EXPECT_NEAR(table[25], 1176.0f, 1e-3f);
    // Above the water table the rock adds nothing either way.
    EXPECT_NEAR(effectiveVerticalStress_psf(layers, 25.0f, 100.0f), 1200.0f + 600.0f, 1e-3f);
}

TEST(EffectiveStress, SurfaceEmptyProfileAndDepthBelowProfile)
{
    const std::vector<UnitWeightLayer> layers{{10.0f, 100.0f, 120.0f}};
    EXPECT_EQ(effectiveVerticalStress_psf(layers, 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(effectiveVerticalStress_psf(layers, -4.0f, 0.0f), 0.0f);
    EXPECT_EQ(effectiveVerticalStress_psf({}, 10.0f, 0.0f), 0.0f);
    // Below the deepest layer its bottom unit weight carries on.
    const float at10 = effectiveVerticalStress_psf(layers, 10.0f, 100.0f);
    EXPECT_FLOAT_EQ(effectiveVerticalStress_psf(layers, 12.0f, 100.0f), at10 + 240.0f);
}

TEST(EffectiveStress, TableEqualsSingleDepthBitForBit)
{
    const std::vector<UnitWeightLayer> layers{
        {7.3f, 105.0f, 118.0f}, {19.6f, 121.0f, 126.0f}, {40.0f, 128.0f, 131.5f}};
    const std::vector<float> table = effectiveVerticalStressTable_psf(layers, 45, 12.5f);
    ASSERT_EQ(table.size(), 46u);
    for (int z = 0; z <= 45; ++z) {
        const float single = effectiveVerticalStress_psf(layers, static_cast<float>(z), 12.5f);
        EXPECT_EQ(std::memcmp(&single, &table[static_cast<std::size_t>(z)], sizeof(float)), 0)
            << "depth " << z;
    }
}

TEST(EffectiveStress, LayerMidStress)
{
    // Layer 1 0..10 ft mean 110 pcf; layer 2 10..30 ft mean 125 pcf; water at 15 ft.
    const std::vector<UnitWeightLayer> layers{{10.0f, 100.0f, 120.0f}, {30.0f, 120.0f, 130.0f}};
    EXPECT_FLOAT_EQ(layerMidEffectiveStress_psf(layers, 1, 15.0f),
                    1100.0f + 1250.0f - 62.4f * 5.0f);
    // Mid-depth exactly at the water table subtracts nothing more than zero.
    EXPECT_FLOAT_EQ(layerMidEffectiveStress_psf(layers, 0, 5.0f), 550.0f);
    EXPECT_FLOAT_EQ(layerMidEffectiveStress_psf(layers, 0, 50.0f), 550.0f);
    EXPECT_EQ(layerMidEffectiveStress_psf(layers, 2, 0.0f), 0.0f);
    EXPECT_EQ(layerMidEffectiveStress_psf(layers, -1, 0.0f), 0.0f);
}
