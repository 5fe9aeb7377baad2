#include "engine/methods/QwCurve.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace korva::methods;

namespace {

struct FamilyCase
{
    int baseMaterialCode;
    CurveSelector selector;
    std::array<float, 10> loadRatio;
};

const std::array<float, 10> kCohesiveTrend = {0,    0.395f, 0.56f, 0.7f,  0.865f,
                                              0.9f, 0.95f,  0.97f, 0.98f, 0.991f};
const std::array<float, 10> kCohesiveUpper = {0,     0.59f,  0.75f,  0.86f,  0.96f,
                                              0.98f, 0.995f, 0.995f, 0.994f, 0.992f};
const std::array<float, 10> kCohesiveLower = {0,     0.2f, 0.37f, 0.54f, 0.77f,
                                              0.82f, 0.9f, 0.94f, 0.97f, 0.99f};
const std::array<float, 10> kCohesionlessTrend = {0,     0.175f, 0.345f, 0.485f, 0.64f,
                                                  0.73f, 0.88f,  1.015f, 1.195f, 1.46f};
const std::array<float, 10> kCohesionlessUpper = {0,     0.25f, 0.48f, 0.67f, 0.76f,
                                                  0.84f, 0.96f, 1.08f, 1.28f, 1.61f};
const std::array<float, 10> kCohesionlessLower = {0,     0.1f, 0.21f, 0.3f,  0.52f,
                                                  0.62f, 0.8f, 0.95f, 1.11f, 1.32f};

const FamilyCase kFamilies[] = {
    {1, CurveSelector::Trend, kCohesionlessTrend},
    {8, CurveSelector::UpperBound, kCohesionlessUpper},
    {9, CurveSelector::LowerBound, kCohesionlessLower},
    {2, CurveSelector::Trend, kCohesiveTrend},
    {3, CurveSelector::UpperBound, kCohesiveUpper},
    {2, CurveSelector::LowerBound, kCohesiveLower},
    {5, CurveSelector::Trend, kCohesiveTrend},
};

} // namespace

TEST(QwCurve, FamiliesFollowTheBaseMaterial)
{
    const std::array<float, 10> movementRatio = {0,     0.005f, 0.01f, 0.015f, 0.025f,
                                                 0.03f, 0.04f,  0.05f, 0.07f,  0.1f};
    const float qmax_lb = 200000.0f;
    for (const FamilyCase& c : kFamilies) {
        SCOPED_TRACE(testing::Message() << "code " << c.baseMaterialCode << " selector "
                                        << static_cast<int>(c.selector));
        // A bell of 72 in on a 36-in stem: movements scale with the base.
        const QwCurve bell = scaledQwCurve(c.selector, c.baseMaterialCode, qmax_lb, 36.0f, 72.0f);
        for (int i = 0; i < kQwPointCount; ++i) {
            EXPECT_FLOAT_EQ(bell.movement_in[i], 72.0f * movementRatio[i]) << i;
            EXPECT_FLOAT_EQ(bell.load_lb[i], qmax_lb * c.loadRatio[i]) << i;
        }
    }
    // The larger of the two diameters sets the movements.
    const QwCurve odd = scaledQwCurve(CurveSelector::Trend, 2, 1.0f, 48.0f, 30.0f);
    EXPECT_FLOAT_EQ(odd.movement_in[9], 4.8f);
}

TEST(QwCurve, BaseLoadInterpolatesAndHoldsPastTheLastPoint)
{
    const QwCurve sand = scaledQwCurve(CurveSelector::UpperBound, 1, 100000.0f, 36.0f, 36.0f);
    // 1.61 Qmax at 10 % of the base diameter: loads above the ultimate are part of the curve.
    EXPECT_FLOAT_EQ(baseLoadAt_lb(sand, 3.6f), 161000.0f);
    EXPECT_FLOAT_EQ(baseLoadAt_lb(sand, 10.0f), 161000.0f);
    EXPECT_FLOAT_EQ(baseLoadAt_lb(sand, 0.09f), 12500.0f);
    EXPECT_FLOAT_EQ(baseLoadAt_lb(sand, 0.0f), 0.0f);
}

TEST(QwCurve, TipBelowTheLayerProfile)
{
    const std::vector<LayerStrength> profile = {{0.0f, 120.0f, 1.0f, 1.0f},
                                                {120.0f, 360.0f, 2.0f, 2.0f}};
    EXPECT_FALSE(tipBeyondProfile(360.0f, profile));
    EXPECT_TRUE(tipBeyondProfile(360.01f, profile));
    EXPECT_TRUE(tipBeyondProfile(12.0f, {}));
}
