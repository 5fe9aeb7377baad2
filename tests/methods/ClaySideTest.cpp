#include <gtest/gtest.h>

#include "engine/methods/ClaySideResistance.h"

using namespace korva::methods;

namespace {

ClaySideInput claySlice(MaterialKind kind, float alpha, float cu_psf)
{
    ClaySideInput input;
    input.kind = kind;
    input.alpha = alpha;
    input.cu_psf = cu_psf;
    input.blowCount = 10.0f;
    input.gamma_pcf = 120.0f;
    return input;
}

} // namespace

TEST(ClayAlpha, EstimateFromUndrainedStrength)
{
    EXPECT_FLOAT_EQ(estimatedAlpha(3000.0f), 0.55f);          // r = 1.42
    EXPECT_NEAR(estimatedAlpha(2.0f * 2116.8f), 0.5f, 1e-6f); // r = 2
    EXPECT_NEAR(estimatedAlpha(5291.0f), 0.45f, 1e-4f);
    EXPECT_FLOAT_EQ(estimatedAlpha(5292.0f), 0.4f); // r = 2.5 drops to 0.4, not 0.45
    EXPECT_FLOAT_EQ(estimatedAlpha(20000.0f), 0.4f);
}

TEST(ClayAlpha, StrengthTooHighForClayCriteriaFrom2Point5Atmospheres)
{
    EXPECT_TRUE(clayStrengthMayBeTooHigh(5292.0f));
    EXPECT_FALSE(clayStrengthMayBeTooHigh(5291.0f));
}

TEST(ClaySide, AlphaTimesStrengthAndCap)
{
    ClaySideInput input = claySlice(MaterialKind::Clay, 0.5f, 2000.0f);
    EXPECT_FLOAT_EQ(clayUnitSide(input, SideLoading{}).unitSide_tsf, 0.5f);
    input.maxLoadTransfer_tsf = 600.0f / 2000.0f;
    EXPECT_FLOAT_EQ(clayUnitSide(input, SideLoading{}).unitSide_tsf, 0.3f);
    EXPECT_EQ(
        clayUnitSide(claySlice(MaterialKind::Clay, 0.0f, 2000.0f), SideLoading{}).unitSide_tsf,
        0.0f);
}

TEST(ClaySide, UpliftBellRatioOnlyAboveOne)
{
    const ClaySideInput input = claySlice(MaterialKind::Clay, 0.5f, 2000.0f);
    EXPECT_NEAR(clayUnitSide(input, SideLoading{true, 0.7f, 2.5f}).unitSide_tsf, 0.875f, 1e-6f);
    EXPECT_NEAR(clayUnitSide(input, SideLoading{true, 0.7f, 1.0f}).unitSide_tsf, 0.35f, 1e-6f);
    EXPECT_NEAR(clayUnitSide(input, SideLoading{true, 0.7f, 0.0f}).unitSide_tsf, 0.35f, 1e-6f);
    // In compression the bell ratio plays no part.
    EXPECT_FLOAT_EQ(clayUnitSide(input, SideLoading{false, 0.7f, 2.5f}).unitSide_tsf, 0.5f);
}

TEST(ClaySide, StrengthFromBlowCountWithoutUndrainedStrength)
{
    const SideResult clay = clayUnitSide(claySlice(MaterialKind::Clay, 0.5f, 0.0f), SideLoading{});
    EXPECT_FLOAT_EQ(clay.unitSide_tsf, 0.5f); // 200 N = 2000 psf
    EXPECT_TRUE(clay.warnings.has(MethodWarning::ClayStrengthFromBlowCount));

    const SideResult shale =
        clayUnitSide(claySlice(MaterialKind::ClayShale, 0.5f, 0.0f), SideLoading{});
    EXPECT_NEAR(shale.unitSide_tsf, 0.5f * 20000.0f / 53.0f / 2000.0f, 1e-6f);
    EXPECT_FALSE(shale.warnings.has(MethodWarning::ClayStrengthFromBlowCount));

    EXPECT_FALSE(clayUnitSide(claySlice(MaterialKind::Clay, 0.5f, 100.0f), SideLoading{})
                     .warnings.has(MethodWarning::ClayStrengthFromBlowCount));
}

TEST(ClaySide, LightUnitWeightFlagged)
{
    ClaySideInput input = claySlice(MaterialKind::Clay, 0.5f, 1000.0f);
    input.gamma_pcf = 0.0f;
    EXPECT_TRUE(clayUnitSide(input, SideLoading{}).warnings.has(MethodWarning::UnitWeightMissing));
}
