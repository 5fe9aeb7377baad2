#include <gtest/gtest.h>

#include <cmath>

#include "engine/methods/SandSideResistance.h"
#include "engine/methods/SideCoefficient.h"

using namespace korva::methods;

namespace {

// A beta slice at 10 ft, dry, whose mid-slice stress is 5060 - 0.5 x 120 = 5000 psf.
GravelSideInput betaSlice(float beta)
{
    GravelSideInput input;
    input.beta = beta;
    input.depth_ft = 10.0f;
    input.sigma_v_psf = 5060.0f;
    input.gamma_pcf = 120.0f;
    input.waterTableDepth_ft = 20.0f;
    return input;
}

SandSideInput sandSlice(SandProcedure procedure, float coefficient)
{
    SandSideInput input;
    input.procedure = procedure;
    input.coefficient = coefficient;
    input.depth_ft = 10.0f;
    input.sigma_v_psf = 5060.0f;
    input.gamma_pcf = 120.0f;
    input.waterTableDepth_ft = 20.0f;
    input.frictionAngle_deg = 32.0f;
    input.blowCount = 15.0f;
    return input;
}

const SideLoading kCompression{};

} // namespace

TEST(SandBetaEstimate, DepthAndBlowCountRule)
{
    // (1.5 - 0.135 sqrt(25)) x 10/15
    EXPECT_NEAR(estimatedSandBeta(25.0f, 10.0f), 0.55f, 1e-6f);
    EXPECT_NEAR(estimatedSandBeta(25.0f, 20.0f), 0.825f, 1e-6f);
    EXPECT_FLOAT_EQ(estimatedSandBeta(0.0f, 30.0f), 1.2f);      // upper limit
    EXPECT_FLOAT_EQ(estimatedSandBeta(100.0f, 30.0f), 0.25f);   // lower limit
    EXPECT_NEAR(estimatedSandBeta(25.0f, 0.0f), 0.825f, 1e-6f); // N = 0: no N factor
}

TEST(GravelBetaEstimate, DepthRulesAndLimits)
{
    EXPECT_NEAR(estimatedGravellySandBeta(20.0f), 1.4180643f, 1e-5f);
    EXPECT_FLOAT_EQ(estimatedGravellySandBeta(0.0f), 1.8f);
    EXPECT_FLOAT_EQ(estimatedGravellySandBeta(100.0f), 0.25f);
    EXPECT_NEAR(estimatedGravelBeta(10.0f), 2.6239884f, 1e-5f);
    EXPECT_FLOAT_EQ(estimatedGravelBeta(0.0f), 3.0f);
    EXPECT_FLOAT_EQ(estimatedGravelBeta(200.0f), 0.25f);
}

TEST(SideCoefficient, EstimatedOnlyWhenZeroAtBothEndsOfASoilLayer)
{
    EXPECT_TRUE(sideCoefficientIsEstimated(MaterialKind::Sand, 0.0f, 0.0f));
    EXPECT_FALSE(sideCoefficientIsEstimated(MaterialKind::Sand, 0.0f, 0.4f));
    EXPECT_FALSE(sideCoefficientIsEstimated(MaterialKind::WeakRock, 0.0f, 0.0f));
}

TEST(SideCoefficient, LayerEndAndSliceValues)
{
    EXPECT_FLOAT_EQ(
        estimatedSideCoefficient(MaterialKind::Sand, SandProcedure::Ko, 12.0f, 10.0f, 0.0f), 0.25f);
    EXPECT_FLOAT_EQ(estimatedSideCoefficient(MaterialKind::Sand, SandProcedure::KulhawyChen, 12.0f,
                                             10.0f, 0.0f),
                    0.25f);
    EXPECT_NEAR(
        estimatedSideCoefficient(MaterialKind::Sand, SandProcedure::Beta, 25.0f, 10.0f, 0.0f),
        0.55f, 1e-6f);
    EXPECT_FLOAT_EQ(
        estimatedSideCoefficient(MaterialKind::Clay, SandProcedure::Ko, 5.0f, 0.0f, 5292.0f), 0.4f);

    // Entered values are used as interpolated, without limits.
    EXPECT_FLOAT_EQ(
        sliceSideCoefficient(MaterialKind::Sand, SandProcedure::Ko, false, 1.6f, 9.0f, 5.0f), 1.6f);
    // Estimated sand beta and gravel beta follow the slice depth.
    EXPECT_NEAR(
        sliceSideCoefficient(MaterialKind::Sand, SandProcedure::Beta, true, 0.9f, 25.0f, 10.0f),
        0.55f, 1e-6f);
    EXPECT_NEAR(
        sliceSideCoefficient(MaterialKind::Gravel, SandProcedure::Beta, true, 0.0f, 10.0f, 0.0f),
        2.6239884f, 1e-5f);
    // Other estimates are finally limited to 0.25..1.2.
    EXPECT_FLOAT_EQ(
        sliceSideCoefficient(MaterialKind::Clay, SandProcedure::Beta, true, 1.5f, 10.0f, 0.0f),
        1.2f);
    EXPECT_FLOAT_EQ(
        sliceSideCoefficient(MaterialKind::Clay, SandProcedure::Beta, true, 0.45f, 10.0f, 0.0f),
        0.45f);
}

TEST(SandSide, BetaLimitedTo2Point1ButNotInGravel)
{
    EXPECT_NEAR(gravelUnitSide(betaSlice(1.2f), kCompression).unitSide_tsf, 3.0f, 1e-5f);
    EXPECT_FLOAT_EQ(gravellySandUnitSide(betaSlice(1.2f), kCompression).unitSide_tsf, 2.1f);
    EXPECT_FLOAT_EQ(sandUnitSide(sandSlice(SandProcedure::Beta, 1.2f), kCompression).unitSide_tsf,
                    2.1f);
    EXPECT_NEAR(sandUnitSide(sandSlice(SandProcedure::Beta, 0.5f), kCompression).unitSide_tsf,
                1.25f, 1e-6f);
}

TEST(SandSide, MidSliceStressSubmergedBelowWaterTable)
{
    GravelSideInput input = betaSlice(0.5f);
    input.waterTableDepth_ft = 9.0f; // z = 10 is below: gamma' = 57.6
    EXPECT_NEAR(gravelUnitSide(input, kCompression).unitSide_tsf,
                0.5f * (5060.0f - 28.8f) / 2000.0f, 1e-6f);
}

TEST(SandSide, MaximumLoadTransferCap)
{
    GravelSideInput input = betaSlice(1.2f);
    input.maxLoadTransfer_tsf = 0.0f; // no cap
    EXPECT_NEAR(gravelUnitSide(input, kCompression).unitSide_tsf, 3.0f, 1e-5f);
    input.maxLoadTransfer_tsf = 1000.0f / 2000.0f;
    EXPECT_FLOAT_EQ(gravelUnitSide(input, kCompression).unitSide_tsf, 0.5f);
    input.maxLoadTransfer_tsf = 1.0e10f / 2000.0f; // the reader's "no limit"
    EXPECT_NEAR(gravelUnitSide(input, kCompression).unitSide_tsf, 3.0f, 1e-5f);
}

TEST(SandSide, UpliftScalesBetaStressByReductionFactorOnly)
{
    const SideLoading belledUplift{true, 0.7f, 2.0f};
    EXPECT_NEAR(gravelUnitSide(betaSlice(0.5f), belledUplift).unitSide_tsf,
                0.5f * 5000.0f * 0.7f / 2000.0f, 1e-6f);
}

TEST(SandSide, KoMethodWithInterfaceAngle)
{
    SandSideInput input = sandSlice(SandProcedure::Ko, 0.8f);
    input.sigma_v_psf = 2000.0f;
    input.frictionAngle_deg = 35.0f;
    input.interfaceAngle_deg = 30.0f;
    EXPECT_NEAR(sandUnitSide(input, kCompression).unitSide_tsf, 0.46188022f, 1e-6f);
    // Interface angle 0 means equal to the friction angle.
    input.interfaceAngle_deg = 0.0f;
    EXPECT_NEAR(sandUnitSide(input, kCompression).unitSide_tsf,
                0.8f * 2000.0f * std::tan(35.0f * 3.14159265f / 180.0f) / 2000.0f, 1e-6f);
    // Ko in uplift: x RCYCL and x the bell ratio.
    input.interfaceAngle_deg = 30.0f;
    EXPECT_NEAR(sandUnitSide(input, SideLoading{true, 0.7f, 2.5f}).unitSide_tsf,
                0.46188022f * 0.7f * 2.5f, 1e-5f);
}

TEST(SandSide, FrictionAngleFromBlowCountWhenMissing)
{
    const SandAngles angles = sandFrictionAngles(0.0f, 28.0f, 10.0f, 1440.0f);
    EXPECT_NEAR(angles.friction_deg, 35.0f, 1e-4f);
    EXPECT_NEAR(angles.interface_deg, 35.0f, 1e-4f); // overrides the entered interface angle
    const SandAngles entered = sandFrictionAngles(33.0f, 0.0f, 10.0f, 1440.0f);
    EXPECT_FLOAT_EQ(entered.friction_deg, 33.0f);
    EXPECT_FLOAT_EQ(entered.interface_deg, 33.0f);
}

TEST(SandSide, KulhawyChenMethod)
{
    SandSideInput input = sandSlice(SandProcedure::KulhawyChen, 0.5f);
    input.sigma_v_psf = 2000.0f;
    input.frictionAngle_deg = 35.0f;
    input.blowCount = 20.0f;
    const SideResult result = sandUnitSide(input, kCompression);
    EXPECT_NEAR(result.overconsolidationRatio, 2.2234990f, 1e-5f);
    EXPECT_NEAR(result.coefficient, 0.6743625f, 1e-5f);
    EXPECT_NEAR(result.unitSide_tsf, 0.4721937f, 1e-5f);
}

TEST(SandSide, OverconsolidationRatioFloorAndSurface)
{
    EXPECT_FLOAT_EQ(overconsolidationRatio(5.0f, 0.25f, 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(overconsolidationRatio(5.0f, 0.25f, 50000.0f), 1.0f);
    EXPECT_NEAR(overconsolidationRatio(16.0f, 0.5f, 994.37897f), 4.0f, 1e-5f);
}

TEST(SandSide, NoSideForNonPositiveCoefficient)
{
    for (SandProcedure procedure :
         {SandProcedure::Ko, SandProcedure::Beta, SandProcedure::KulhawyChen}) {
        EXPECT_EQ(sandUnitSide(sandSlice(procedure, 0.0f), kCompression).unitSide_tsf, 0.0f);
        EXPECT_EQ(sandUnitSide(sandSlice(procedure, -0.3f), kCompression).unitSide_tsf, 0.0f);
    }
}

TEST(SandSide, MissingDataFlags)
{
    SandSideInput input = sandSlice(SandProcedure::Ko, 0.5f);
    input.gamma_pcf = 45.0f;
    input.blowCount = 0.0f;
    input.frictionAngle_deg = 0.0f;
    const SideResult result = sandUnitSide(input, kCompression);
    EXPECT_TRUE(result.warnings.has(MethodWarning::UnitWeightMissing));
    EXPECT_TRUE(result.warnings.has(MethodWarning::SandWithoutBlowCountOrFrictionAngle));
    EXPECT_TRUE(std::isfinite(result.unitSide_tsf));
    EXPECT_FALSE(sandUnitSide(sandSlice(SandProcedure::Ko, 0.5f), kCompression).warnings.any());
}

TEST(SandSide, NegativeStressGivesZeroAndAFlag)
{
    // A unit weight lighter than water below the water table gives a negative sigma'v.
    GravelSideInput input = betaSlice(0.8f);
    input.sigma_v_psf = -120.0f;
    input.gamma_pcf = 55.0f;
    input.waterTableDepth_ft = 0.0f;
    const SideResult result = gravelUnitSide(input, kCompression);
    EXPECT_EQ(result.unitSide_tsf, 0.0f);
    EXPECT_TRUE(result.warnings.has(MethodWarning::NegativeResistanceSetToZero));
}
