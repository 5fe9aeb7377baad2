#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "engine/methods/SoilTipResistance.h"
#include "engine/methods/TipDepthAveraging.h"
#include "engine/methods/TipResistanceCommon.h"

using namespace korva::methods;

namespace {

SandTipInput sandBase(float blowCount, float depth_ft, float baseDiameter_ft)
{
    SandTipInput input;
    input.blowCount = blowCount;
    input.depth_ft = depth_ft;
    input.baseDiameter_ft = baseDiameter_ft;
    input.reduceNearSurfaceAndLargeBase = true;
    return input;
}

ClayTipInput clayBase(MaterialKind kind, float cu_psf, float depth_ft, float baseDiameter_ft)
{
    ClayTipInput input;
    input.kind = kind;
    input.cu_psf = cu_psf;
    input.layerHasUndrainedStrength = true;
    input.bearingFactorEstimated = true;
    input.depth_ft = depth_ft;
    input.initialDiameter_ft = 3.0f;
    input.baseDiameter_ft = baseDiameter_ft;
    return input;
}

} // namespace

TEST(SandTip, FromBlowCountWithDepthAndSizeReductions)
{
    // qmax = 0.6 x 40 = 24 tsf over 7.0686 ft2; 10 Db = 30 ft < z: no reduction.
    const TipResult deep = sandFamilyTip(sandBase(40.0f, 40.0f, 3.0f));
    EXPECT_NEAR(deep.tip_tons, 169.646f, 1e-3f);
    EXPECT_FLOAT_EQ(deep.unitTip_tsf, 24.0f);
    EXPECT_NEAR(sandFamilyTip(sandBase(40.0f, 20.0f, 3.0f)).tip_tons, 169.646f * 20.0f / 30.0f,
                1e-3f);
    // N = 60: 30 tsf, large base reduced by 50 / (12 x 6).
    EXPECT_NEAR(sandFamilyTip(sandBase(60.0f, 100.0f, 6.0f)).tip_tons,
                30.0f * 0.7854f * 36.0f * 50.0f / 72.0f, 1e-3f);
    // IMOD = 0: no reductions.
    SandTipInput noReduction = sandBase(60.0f, 20.0f, 6.0f);
    noReduction.reduceNearSurfaceAndLargeBase = false;
    EXPECT_NEAR(sandFamilyTip(noReduction).tip_tons, 30.0f * 0.7854f * 36.0f, 1e-3f);
}

TEST(SandTip, FromFrictionAngleWhenNoBlowCount)
{
    struct Case
    {
        float phi_deg;
        float unit_tsf;
    };
    constexpr Case kCases[] = {{33.0f, 8.001f}, {36.0f, 16.002f}, {38.0f, 21.6f}, {45.0f, 30.0f}};
    for (const Case& c : kCases) {
        SandTipInput input = sandBase(0.0f, 100.0f, 3.0f);
        input.frictionAngle_deg = c.phi_deg;
        const TipResult tip = sandFamilyTip(input);
        EXPECT_NEAR(tip.unitTip_tsf, c.unit_tsf, 1e-4f) << c.phi_deg;
        EXPECT_NEAR(tip.tip_tons, c.unit_tsf * 0.7854f * 9.0f, 1e-3f) << c.phi_deg;
    }
    // phi <= 30: a token 0.00001 tons, without area factor or large-base reduction.
    SandTipInput loose = sandBase(0.0f, 100.0f, 6.0f);
    loose.frictionAngle_deg = 30.0f;
    EXPECT_FLOAT_EQ(sandFamilyTip(loose).tip_tons, 0.00001f);
}

TEST(ClayTip, EstimatedBearingFactorAndClayLimit)
{
    // Nc = min(9, 6 (1 + 0.2 x 30 / 3)) = 9; q = 9 x 1 tsf.
    const TipResult tip = clayFamilyTip(clayBase(MaterialKind::Clay, 2000.0f, 30.0f, 3.0f));
    EXPECT_FLOAT_EQ(tip.bearingFactorNc, 9.0f);
    EXPECT_FLOAT_EQ(tip.unitTip_tsf, 9.0f);
    EXPECT_NEAR(tip.tip_tons, 9.0f * 7.0686f, 1e-3f);
    // Shallow: Nc = 6 (1 + 0.2 x 3 / 3) = 7.2.
    EXPECT_NEAR(clayFamilyTip(clayBase(MaterialKind::Clay, 2000.0f, 3.0f, 3.0f)).bearingFactorNc,
                7.2f, 1e-5f);

    // q = 10 x 5 tsf = 50: clay keeps 40 tsf, clay shale the full 50.
    ClayTipInput strong = clayBase(MaterialKind::Clay, 10000.0f, 30.0f, 3.0f);
    strong.bearingFactorEstimated = false;
    strong.bearingFactorNc = 10.0f;
    EXPECT_NEAR(clayFamilyTip(strong).tip_tons, 40.0f * 7.0686f, 1e-3f);
    strong.kind = MaterialKind::ClayShale;
    EXPECT_NEAR(clayFamilyTip(strong).tip_tons, 50.0f * 7.0686f, 1e-3f);
}

TEST(ClayTip, StrengthFromBlowCountAndFhwaFactor)
{
    ClayTipInput input = clayBase(MaterialKind::Clay, 0.0f, 30.0f, 3.0f);
    input.layerHasUndrainedStrength = false;
    input.blowCount = 20.0f; // cu = 2 tsf
    EXPECT_FLOAT_EQ(clayFamilyTip(input).unitTip_tsf, 18.0f);

    EXPECT_FLOAT_EQ(fhwaBearingFactor(400.0f, 30.0f, 3.0f), 6.5f);
    EXPECT_FLOAT_EQ(fhwaBearingFactor(750.0f, 30.0f, 3.0f), 7.25f);
    EXPECT_FLOAT_EQ(fhwaBearingFactor(1500.0f, 30.0f, 3.0f), 8.5f);
    EXPECT_FLOAT_EQ(fhwaBearingFactor(2500.0f, 30.0f, 3.0f), 9.0f);
    // r = 3 / 2 = 1.5 < 3: x (2/3)(1 + 1.5/6)
    EXPECT_NEAR(fhwaBearingFactor(750.0f, 3.0f, 2.0f), 7.25f * (2.0f / 3.0f) * 1.25f, 1e-5f);

    // An entered Nc of 0 at the slice falls back to the depth/strength rule.
    ClayTipInput zeroNc = clayBase(MaterialKind::Clay, 1500.0f, 30.0f, 3.0f);
    zeroNc.bearingFactorEstimated = false;
    zeroNc.bearingFactorNc = 0.0f;
    EXPECT_FLOAT_EQ(clayFamilyTip(zeroNc).bearingFactorNc, 8.5f);
}

TEST(ClayTip, LargeBaseReduction)
{
    // Db = 8 ft, z = 40 ft, cu = 1 tsf: a = 0.015, b = 0.45 sqrt(2), Fr = 0.82481.
    const TipResult tip = clayFamilyTip(clayBase(MaterialKind::Clay, 2000.0f, 40.0f, 8.0f));
    EXPECT_NEAR(tip.tip_tons, 373.13746f, 2e-3f);
}

TEST(ClayTip, ZeroDiametersGiveFiniteResultsAndFlags)
{
    ClayTipInput input = clayBase(MaterialKind::Clay, 2000.0f, 0.0f, 3.0f);
    input.initialDiameter_ft = 0.0f;
    const TipResult noStart = clayFamilyTip(input);
    EXPECT_FLOAT_EQ(noStart.bearingFactorNc, 9.0f);
    EXPECT_TRUE(noStart.warnings.has(MethodWarning::ZeroInitialDiameter));

    const TipResult noBase = clayFamilyTip(clayBase(MaterialKind::Clay, 2000.0f, 0.0f, 0.0f));
    EXPECT_EQ(noBase.tip_tons, 0.0f);
    EXPECT_TRUE(std::isfinite(noBase.fhwaBearingFactorNc));
    EXPECT_TRUE(noBase.warnings.has(MethodWarning::ZeroBaseDiameter));

    const TipResult sandNoBase = sandFamilyTip(sandBase(20.0f, 0.0f, 0.0f));
    EXPECT_EQ(sandNoBase.tip_tons, 0.0f);
    EXPECT_TRUE(sandNoBase.warnings.has(MethodWarning::ZeroBaseDiameter));
}

TEST(TipLimits, MaximumEndBearingAndUplift)
{
    const float area = 7.0686f;
    EXPECT_FLOAT_EQ(applyMaximumEndBearing_tons(169.6f, -20.0f, area), 20.0f * area); // prescribed
    EXPECT_FLOAT_EQ(applyMaximumEndBearing_tons(1.0f, -20.0f, area), 20.0f * area);
    EXPECT_FLOAT_EQ(applyMaximumEndBearing_tons(169.6f, 10.0f, area), 10.0f * area);
    EXPECT_FLOAT_EQ(applyMaximumEndBearing_tons(50.0f, 10.0f, area), 50.0f);
    EXPECT_FLOAT_EQ(applyMaximumEndBearing_tons(169.6f, 0.0f, area), 169.6f);
    EXPECT_FLOAT_EQ(applyMaximumEndBearing_tons(169.6f, 1.0e10f / 2000.0f, area), 169.6f);
    EXPECT_EQ(finishSliceTip_tons(169.6f, -20.0f, area, true), 0.0f);
    EXPECT_FLOAT_EQ(finishSliceTip_tons(169.6f, 10.0f, area, false), 10.0f * area);
}

TEST(TipLimits, UpliftShaftWeight)
{
    // 10 cu yd of concrete at 150 pcf, base 20 ft below the water table, D = 3 ft.
    EXPECT_NEAR(upliftShaftWeight_tons(10.0f, 30.0f, 10.0f, 3.0f),
                20.25f - 20.0f * 0.02450448f * 9.0f, 1e-4f);
    EXPECT_FLOAT_EQ(upliftShaftWeight_tons(10.0f, 30.0f, 40.0f, 3.0f), 20.25f);
}

TEST(TipDepthAveraging, WeightsOverTwoBaseDiameters)
{
    // Db = 3 ft: six depths with weights 0, 0.2, 0.4, 0.6, 0.5333, 0.4667 (sum 2.2).
    std::array<float, 12> tips{};
    std::array<bool, 12> rock{};
    tips.fill(50.0f);
    EXPECT_NEAR(depthAveragedTip_tons(tips, rock, 2, 3.0f, 3.0f).tip_tons, 50.0f, 1e-4f);
    for (int j = 0; j < 6; ++j) {
        tips[static_cast<std::size_t>(2 + j)] = static_cast<float>(j);
    }
    EXPECT_NEAR(depthAveragedTip_tons(tips, rock, 2, 3.0f, 3.0f).tip_tons, 7.2666667f / 2.2f,
                1e-5f);
    // A stem below 1 ft takes the first depth below the base.
    EXPECT_FLOAT_EQ(depthAveragedTip_tons(tips, rock, 3, 0.9f, 0.9f).tip_tons, 1.0f);
}

TEST(TipDepthAveraging, StrongRockBelowSoilBaseCountsWithSoilValue)
{
    std::array<float, 8> tips{10.0f, 10.0f, 20.0f, 900.0f, 900.0f, 900.0f, 900.0f, 900.0f};
    std::array<bool, 8> rock{false, false, false, true, true, true, true, true};
    // Zone 0..5 below a soil base: the rock depths carry the last soil value, 20.
    const float expected =
        (0.2f * 10.0f + 0.4f * 20.0f + (0.6f + 0.5333333f + 0.4666667f) * 20.0f) / 2.2f;
    EXPECT_NEAR(depthAveragedTip_tons(tips, rock, 0, 3.0f, 3.0f).tip_tons, expected, 1e-4f);
    // A base on rock averages the rock values themselves.
    EXPECT_NEAR(depthAveragedTip_tons(tips, rock, 3, 1.0f, 1.0f).tip_tons, 900.0f, 1e-3f);
}

TEST(TipDepthAveraging, ZoneBeyondTablesStaysInBounds)
{
    std::array<float, 5> tips{1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
    std::array<bool, 5> rock{};
    const AveragedTip partial = depthAveragedTip_tons(tips, rock, 2, 3.0f, 3.0f);
    EXPECT_TRUE(partial.warnings.has(MethodWarning::TipZoneIncomplete));
    EXPECT_NEAR(partial.tip_tons, (0.2f * 4.0f + 0.4f * 5.0f) / 0.6f, 1e-5f);
    const AveragedTip outside = depthAveragedTip_tons(tips, rock, 7, 3.0f, 3.0f);
    EXPECT_EQ(outside.tip_tons, 0.0f);
    EXPECT_TRUE(outside.warnings.has(MethodWarning::TipZoneIncomplete));
    // Only the weightless first depth available: its value.
    EXPECT_FLOAT_EQ(depthAveragedTip_tons(tips, rock, 4, 3.0f, 3.0f).tip_tons, 5.0f);
    // A base diameter that is not a number gives no zone: the first value below the base.
    EXPECT_FLOAT_EQ(depthAveragedTip_tons(tips, rock, 1, std::nanf(""), 3.0f).tip_tons, 2.0f);
}

TEST(GravelEcho, BlowCountWarningConditions)
{
    EXPECT_TRUE(gravelBlowCountAbove50(25.0f, 60.0f));
    EXPECT_TRUE(gravelBlowCountAtMost25(25.0f, 60.0f));
    EXPECT_FALSE(gravelBlowCountAbove50(26.0f, 50.0f));
    EXPECT_FALSE(gravelBlowCountAtMost25(26.0f, 50.0f));
}
