#include <gtest/gtest.h>

#include <cmath>

#include "engine/methods/SideResistanceCommon.h"
#include "engine/methods/StrongRock.h"

using namespace korva::methods;

namespace {

StrongRockInput rockSlice(MaterialKind kind, float qu_psf, float fc_psf)
{
    StrongRockInput input;
    input.kind = kind;
    input.rockStrength_psf = qu_psf;
    input.concreteStrength_psf = fc_psf;
    input.discontinuitySpacing_ft = 2.0f;
    input.discontinuityThickness_ft = 0.01f;
    input.socketDiameter_ft = 3.0f;
    input.stemDiameter_ft = 3.0f;
    input.initialDiameter_ft = 3.0f;
    return input;
}

} // namespace

TEST(StrongRockSide, LinearBelow280PsiAndSquareRootAbove)
{
    EXPECT_NEAR(
        strongRockUnitSide(rockSlice(MaterialKind::StrongRockSideAndBase, 30000.0f, 576000.0f))
            .unitSide_tsf,
        2.25f, 1e-5f);
    EXPECT_NEAR(
        strongRockUnitSide(rockSlice(MaterialKind::StrongRockSideAndBase, 57600.0f, 576000.0f))
            .unitSide_tsf,
        3.6f, 1e-5f);
    // The weaker of rock and concrete governs.
    EXPECT_NEAR(
        strongRockUnitSide(rockSlice(MaterialKind::StrongRockSideAndBase, 576000.0f, 30000.0f))
            .unitSide_tsf,
        2.25f, 1e-5f);
    StrongRockInput capped = rockSlice(MaterialKind::StrongRockSideAndBase, 57600.0f, 576000.0f);
    capped.maxLoadTransfer_tsf = 2.0f;
    EXPECT_FLOAT_EQ(strongRockUnitSide(capped).unitSide_tsf, 2.0f);
}

TEST(StrongRock, Code4SideOrBaseByStrength)
{
    // q' = 150000 psf in compression: end bearing only.
    const StrongRockInput strong =
        rockSlice(MaterialKind::StrongRockSideOrBase, 150000.0f, 576000.0f);
    EXPECT_EQ(strongRockUnitSide(strong).unitSide_tsf, 0.0f);
    const TipResult strongTip = strongRockTip(strong);
    EXPECT_NEAR(strongTip.tip_tons, 368.82245f, 5e-3f);
    EXPECT_FALSE(strongTip.warnings.any());

    // q' = 100000 psf: side resistance only.
    const StrongRockInput weak =
        rockSlice(MaterialKind::StrongRockSideOrBase, 100000.0f, 576000.0f);
    EXPECT_NEAR(strongRockUnitSide(weak).unitSide_tsf, 4.7434165f, 1e-5f);
    const TipResult weakTip = strongRockTip(weak);
    EXPECT_EQ(weakTip.tip_tons, 0.0f);
    EXPECT_TRUE(weakTip.warnings.has(MethodWarning::StrongRockBaseCarriesNoLoad));

    // In uplift code 4 keeps its side resistance.
    StrongRockInput uplift = strong;
    uplift.uplift = true;
    EXPECT_GT(strongRockUnitSide(uplift).unitSide_tsf, 0.0f);
}

TEST(StrongRock, Code7CarriesBoth)
{
    const StrongRockInput rock =
        rockSlice(MaterialKind::StrongRockSideAndBase, 150000.0f, 576000.0f);
    EXPECT_GT(strongRockUnitSide(rock).unitSide_tsf, 0.0f);
    const TipResult tip = strongRockTip(rock);
    EXPECT_NEAR(tip.tip_tons, 368.82245f, 5e-3f);
    EXPECT_NEAR(tip.limitArea_ft2, 0.7854f * 9.0f, 1e-5f);
}

TEST(StrongRock, SocketScalesWithStemDiameter)
{
    StrongRockInput rock = rockSlice(MaterialKind::StrongRockSideAndBase, 150000.0f, 576000.0f);
    rock.stemDiameter_ft = 4.0f; // B = 3 x 4/3 = 4 ft
    const float ksp = (3.0f + 2.0f / 4.0f) / (10.0f * std::sqrt(2.5f));
    EXPECT_NEAR(strongRockTip(rock).tip_tons, 2.3562f * 150000.0f * 16.0f * ksp / 2000.0f, 5e-3f);
    EXPECT_NEAR(strongRockTip(rock).limitArea_ft2, 0.7854f * 16.0f, 1e-5f);
    EXPECT_NEAR(slicePerimeter_ft(MaterialKind::StrongRockSideAndBase, 4.0f, 3.0f, 4.0f / 3.0f),
                3.14159265f * 4.0f, 1e-5f);
    // No socket diameter: the stem perimeter.
    EXPECT_NEAR(slicePerimeter_ft(MaterialKind::StrongRockSideAndBase, 4.0f, 0.0f, 4.0f / 3.0f),
                3.14159265f * 4.0f, 1e-5f);
    EXPECT_NEAR(slicePerimeter_ft(MaterialKind::Sand, 4.0f, 2.0f, 1.0f), 3.14159265f * 4.0f, 1e-5f);
}

TEST(StrongRock, ZeroDiametersAndSpacingGiveFiniteResultsAndFlags)
{
    StrongRockInput noSocket = rockSlice(MaterialKind::StrongRockSideAndBase, 150000.0f, 576000.0f);
    noSocket.socketDiameter_ft = 0.0f;
    const TipResult a = strongRockTip(noSocket);
    EXPECT_EQ(a.tip_tons, 0.0f);
    EXPECT_TRUE(a.warnings.has(MethodWarning::ZeroSocketDiameter));

    StrongRockInput noSpacing =
        rockSlice(MaterialKind::StrongRockSideAndBase, 150000.0f, 576000.0f);
    noSpacing.discontinuitySpacing_ft = 0.0f;
    const TipResult b = strongRockTip(noSpacing);
    EXPECT_EQ(b.tip_tons, 0.0f); // td > 0: Ksp tends to 0
    EXPECT_TRUE(b.warnings.has(MethodWarning::ZeroDiscontinuitySpacing));
    noSpacing.discontinuityThickness_ft = 0.0f;
    EXPECT_NEAR(strongRockTip(noSpacing).tip_tons, 2.3562f * 150000.0f * 9.0f * 0.3f / 2000.0f,
                5e-3f);

    StrongRockInput noStart = rockSlice(MaterialKind::StrongRockSideAndBase, 150000.0f, 576000.0f);
    noStart.initialDiameter_ft = 0.0f;
    const TipResult c = strongRockTip(noStart);
    EXPECT_TRUE(std::isfinite(c.tip_tons));
    EXPECT_TRUE(c.warnings.has(MethodWarning::ZeroInitialDiameter));

    const SideResult negative =
        strongRockUnitSide(rockSlice(MaterialKind::StrongRockSideAndBase, -500.0f, 576000.0f));
    EXPECT_EQ(negative.unitSide_tsf, 0.0f);
    EXPECT_TRUE(negative.warnings.has(MethodWarning::NegativeResistanceSetToZero));
}
