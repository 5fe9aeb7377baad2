#include <gtest/gtest.h>

#include <cmath>

#include "engine/methods/DecomposedRock.h"

using namespace korva::methods;

namespace {

// N = 30 at 10 ft with sigma'v = 2000 psf, socket 3 ft, L = 15 ft (10 < 15 + 2 x 3).
DecomposedRockInput gravelSlice()
{
    DecomposedRockInput input;
    input.depth_ft = 10.0f;
    input.blowCount = 30.0f;
    input.sigmaVSlice_psf = 2000.0f;
    input.sigmaVLayerMid_psf = 3000.0f;
    input.referenceLength_ft = 15.0f;
    input.socketDiameter_ft = 3.0f;
    input.stemDiameter_ft = 3.0f;
    input.initialDiameter_ft = 3.0f;
    input.gamma_pcf = 125.0f;
    input.shaftBaseArea_ft2 = 7.0686f;
    return input;
}

} // namespace

TEST(DecomposedRock, HandCalculation)
{
    // phi' = atan[(30 / (12.2 + 20.3 x 2000/2115.7))^0.34] = 44.559 deg; t = 6.3471;
    // Ko = (1 - sin phi') t^sin phi' = 1.09108; s = Ko tan(0.75 phi') sigma'v = 1439.92 psf;
    // Qb = 1.6853898 x 2000 x t^0.8 x 9 / 2000 = 66.528 tons.
    const DecomposedRockResult r = decomposedRock(gravelSlice());
    EXPECT_NEAR(r.frictionAngle_deg, 44.558902f, 1e-3f);
    EXPECT_NEAR(r.side.coefficient, 1.0910839f, 1e-5f);
    EXPECT_NEAR(r.side.interfaceStrength_psf, 1439.9227f, 1e-2f);
    EXPECT_NEAR(r.side.unitSide_tsf, 0.71996137f, 1e-5f);
    EXPECT_NEAR(r.tip.tip_tons, 66.527797f, 1e-3f);
    EXPECT_FLOAT_EQ(r.tip.limitArea_ft2, 7.0686f);
    EXPECT_FALSE(r.warnings.any());
}

TEST(DecomposedRock, LayerMidStressBelowReferenceLengthPlusTwoDiameters)
{
    DecomposedRockInput input = gravelSlice();
    input.depth_ft = 21.0f; // = L + 2B: no longer shallower
    EXPECT_FLOAT_EQ(decomposedRock(input).sigma_v_psf, 3000.0f);
    input.depth_ft = 20.9f;
    EXPECT_FLOAT_EQ(decomposedRock(input).sigma_v_psf, 2000.0f);
}

TEST(DecomposedRock, TipUsesInitialDiameterWithoutSocket)
{
    DecomposedRockInput input = gravelSlice();
    input.socketDiameter_ft = 0.0f;
    input.initialDiameter_ft = 3.0f;
    input.stemDiameter_ft = 4.0f;
    EXPECT_NEAR(decomposedRock(input).tip.tip_tons, 66.527797f, 1e-3f);
}

TEST(DecomposedRock, NoStressNoBlowsAndNoDiametersStayFinite)
{
    DecomposedRockInput input = gravelSlice();
    input.sigmaVSlice_psf = 0.0f;
    const DecomposedRockResult surface = decomposedRock(input);
    EXPECT_EQ(surface.side.unitSide_tsf, 0.0f);
    EXPECT_EQ(surface.tip.tip_tons, 0.0f);
    EXPECT_TRUE(surface.warnings.has(MethodWarning::NonPositiveEffectiveStress));

    input = gravelSlice();
    input.blowCount = 0.0f;
    const DecomposedRockResult noBlows = decomposedRock(input);
    EXPECT_EQ(noBlows.side.unitSide_tsf, 0.0f);
    EXPECT_EQ(noBlows.tip.tip_tons, 0.0f);

    input = gravelSlice();
    input.socketDiameter_ft = 0.0f;
    input.initialDiameter_ft = 0.0f;
    input.gamma_pcf = 0.0f;
    const DecomposedRockResult noDiameters = decomposedRock(input);
    EXPECT_TRUE(std::isfinite(noDiameters.side.unitSide_tsf));
    EXPECT_EQ(noDiameters.tip.tip_tons, 0.0f);
    EXPECT_TRUE(noDiameters.warnings.has(MethodWarning::ZeroBaseDiameter));
    EXPECT_TRUE(noDiameters.warnings.has(MethodWarning::ZeroInitialDiameter));
    EXPECT_TRUE(noDiameters.warnings.has(MethodWarning::UnitWeightMissing));
}
