#include "engine/methods/TzCurves.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace korva::methods;

namespace {

struct RatioCase
{
    int materialCode;
    CurveSelector selector;
    std::array<float, 10> movementRatio;
    std::array<float, 10> transferRatio;
};

// The normalized curves, written out independently of the tables in the engine.
const RatioCase kRatioCases[] = {
    {1,
     CurveSelector::Trend,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.1f},
     {0, 0.335f, 0.58f, 0.72f, 0.86f, 0.91f, 0.95f, 0.965f, 0.96f, 0.95f}},
    {1,
     CurveSelector::UpperBound,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.1f},
     {0, 0.45f, 0.76f, 0.9f, 0.98f, 1, 1, 1, 1, 1}},
    {1,
     CurveSelector::LowerBound,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.1f},
     {0, 0.22f, 0.4f, 0.54f, 0.74f, 0.82f, 0.9f, 0.93f, 0.92f, 0.9f}},
    {2,
     CurveSelector::Trend,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.02f},
     {0, 0.51f, 0.72f, 0.9f, 0.925f, 0.945f, 0.955f, 0.925f, 0.9f, 0.835f}},
    {3,
     CurveSelector::UpperBound,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.02f},
     {0, 0.74f, 0.92f, 0.97f, 1.01f, 1.02f, 1.02f, 1.0f, 0.96f, 0.92f}},
    {9,
     CurveSelector::LowerBound,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.02f},
     {0, 0.29f, 0.52f, 0.7f, 0.84f, 0.87f, 0.89f, 0.85f, 0.8f, 0.75f}},
    // Gravelly sand and the rock codes take the curve of the non-sand materials.
    {8,
     CurveSelector::Trend,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.02f},
     {0, 0.51f, 0.72f, 0.9f, 0.925f, 0.945f, 0.955f, 0.925f, 0.9f, 0.835f}},
    {6,
     CurveSelector::UpperBound,
     {0, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.02f},
     {0, 0.74f, 0.92f, 0.97f, 1.01f, 1.02f, 1.02f, 1.0f, 0.96f, 0.92f}},
};

} // namespace

TEST(TzCurves, ScaledCurvesFollowTheNormalizedTables)
{
    const float diameter_in = 36.0f;
    const float tmax_psi = 12.5f;
    for (const RatioCase& c : kRatioCases) {
        SCOPED_TRACE(testing::Message()
                     << "code " << c.materialCode << " selector " << static_cast<int>(c.selector));
        const TzCurve curve = scaledTzCurve(c.selector, c.materialCode, tmax_psi, diameter_in);
        EXPECT_EQ(curve.materialCode, c.materialCode);
        for (int i = 0; i < kTzPointCount; ++i) {
            EXPECT_FLOAT_EQ(curve.movement_in[i], diameter_in * c.movementRatio[i]) << i;
            EXPECT_FLOAT_EQ(curve.transfer_psi[i], tmax_psi * c.transferRatio[i]) << i;
        }
    }
}

TEST(TzCurves, CurveDepthsOfFirstAndLaterLayers)
{
    const auto first = tzCurveDepths_in({0.0f, 120.0f, 1}, true);
    const std::array<float, 5> firstExpected = {0.0f, 30.0f, 60.0f, 89.995f, 119.99f};
    const auto later = tzCurveDepths_in({120.0f, 240.0f, 2}, false);
    const std::array<float, 5> laterExpected = {132.01f, 150.0f, 180.0f, 209.995f, 239.99f};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(first[i], firstExpected[i]);
        EXPECT_FLOAT_EQ(later[i], laterExpected[i]);
    }
    // A layer of no thickness is given 0.1 in, so its depths stay finite and ordered.
    const auto thin = tzCurveDepths_in({60.0f, 60.0f, 1}, true);
    EXPECT_FLOAT_EQ(thin[0], 60.0f);
    EXPECT_FLOAT_EQ(thin[2], 60.05f);
    EXPECT_FLOAT_EQ(thin[4], 60.09f);
}

TEST(TzCurves, OneSandLayerGivesFiveCurvesFromTheSurface)
{
    const std::vector<TzLayer> layers = {{0.0f, 240.0f, 1}};
    const std::vector<LayerStrength> layerProfile = {{0.0f, 240.0f, 2.0f, 6.0f}};
    std::vector<StrengthPoint> rows;
    for (int d = 12; d <= 240; d += 12) {
        rows.push_back({static_cast<float>(d), static_cast<float>(d) / 40.0f});
    }
    const TzCurveSet set =
        buildTzCurves(CurveSelector::UpperBound, layers, layerProfile, rows, 30.0f);
    ASSERT_EQ(set.code, CurveBuildCode::Ok);
    ASSERT_EQ(set.curves.size(), 5u);
    EXPECT_FLOAT_EQ(set.curves[0].depth_in, 0.0f);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(set.curves[i].number, i + 1);
    }
    // tmax from the rows: above the first row its value; at 120 in the row value 3 psi.
    EXPECT_FLOAT_EQ(set.curves[0].transfer_psi[9], 0.3f);
    EXPECT_FLOAT_EQ(set.curves[2].transfer_psi[9], 3.0f);
    // The last curve takes tmax from the layer profile at 239.99 in.
    EXPECT_NEAR(set.curves[4].transfer_psi[9], 2.0f + 4.0f * 239.99f / 240.0f, 1e-5f);
}

TEST(TzCurves, CurveDepthBelowTheLayerProfileGivesStatusTwo)
{
    const std::vector<TzLayer> layers = {{0.0f, 120.0f, 2}, {120.0f, 240.5f, 2}};
    const std::vector<StrengthPoint> rows = {{12.0f, 5.0f}, {240.0f, 5.0f}};
    // Deepest curve at 240.49 in: 0.49 in below a profile ending at 240 in.
    const std::vector<LayerStrength> shortProfile = {{0.0f, 120.0f, 5.0f, 5.0f},
                                                     {120.0f, 240.0f, 5.0f, 5.0f}};
    const TzCurveSet beyond =
        buildTzCurves(CurveSelector::Trend, layers, shortProfile, rows, 24.0f);
    EXPECT_EQ(beyond.code, CurveBuildCode::TzDepthBeyondProfile);
    EXPECT_FLOAT_EQ(beyond.offendingDepth_in, 240.49f);
    EXPECT_TRUE(beyond.curves.empty());
    // 0.09 in below the profile still extends its last segment.
    const std::vector<LayerStrength> closeProfile = {{0.0f, 120.0f, 5.0f, 5.0f},
                                                     {120.0f, 240.4f, 5.0f, 5.0f}};
    EXPECT_EQ(buildTzCurves(CurveSelector::Trend, layers, closeProfile, rows, 24.0f).code,
              CurveBuildCode::Ok);
}

TEST(TzCurves, AdditionalCurveTakesTheMaterialOfItsLayer)
{
    const std::vector<TzLayer> layers = {{0.0f, 120.0f, 1}, {120.0f, 240.0f, 2}};
    const std::vector<LayerStrength> layerProfile = {{0.0f, 120.0f, 1.0f, 2.0f},
                                                     {120.0f, 240.0f, 4.0f, 4.0f}};
    const std::vector<StrengthPoint> rows = {{120.0f, 2.0f}, {132.0f, 4.0f}, {240.0f, 4.0f}};
    const AdditionalTzCurve sand =
        buildAdditionalTzCurve(CurveSelector::Trend, 1, 60.0f, layers, layerProfile, rows, 36.0f);
    EXPECT_EQ(sand.code, CurveBuildCode::Ok);
    EXPECT_EQ(sand.curve.materialCode, 1);
    EXPECT_FLOAT_EQ(sand.curve.movement_in[9], 3.6f);
    EXPECT_FLOAT_EQ(sand.curve.transfer_psi[9], 2.0f * 0.95f);
    const AdditionalTzCurve clay =
        buildAdditionalTzCurve(CurveSelector::Trend, 2, 126.0f, layers, layerProfile, rows, 36.0f);
    EXPECT_EQ(clay.curve.number, 2);
    EXPECT_EQ(clay.curve.materialCode, 2);
    EXPECT_FLOAT_EQ(clay.curve.movement_in[9], 0.72f);
    EXPECT_FLOAT_EQ(clay.curve.transfer_psi[9], 3.0f * 0.835f);
    EXPECT_EQ(
        buildAdditionalTzCurve(CurveSelector::Trend, 3, 250.0f, layers, layerProfile, rows, 36.0f)
            .code,
        CurveBuildCode::TzDepthBeyondProfile);
}

TEST(TzCurves, MovementBeyondTheLastPointKeepsTheLastTransfer)
{
    const TzCurve clay = scaledTzCurve(CurveSelector::Trend, 2, 10.0f, 36.0f);
    // Points 9 and 10 at 0.576 and 0.72 in.
    EXPECT_FLOAT_EQ(transferAt_psi(clay, 0.648f), 10.0f * (0.9f + 0.835f) / 2.0f);
    EXPECT_FLOAT_EQ(transferAt_psi(clay, 0.72f), 8.35f);
    EXPECT_FLOAT_EQ(transferAt_psi(clay, 5.0f), 8.35f);
    EXPECT_FLOAT_EQ(transferAt_psi(clay, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(transferAt_psi(clay, -1.0f), 0.0f);
    // The sand curve stays nearly flat beyond 1.6 % of the diameter, out to 10 %.
    const TzCurve sand = scaledTzCurve(CurveSelector::Trend, 1, 10.0f, 36.0f);
    EXPECT_NEAR(transferAt_psi(sand, 2.0f), 9.55f, 0.05f);
    EXPECT_FLOAT_EQ(transferAt_psi(sand, 10.0f), 9.5f);
}

TEST(TzCurves, TransferIsInterpolatedBetweenTheBracketingCurves)
{
    std::vector<TzCurve> curves = {scaledTzCurve(CurveSelector::UpperBound, 2, 4.0f, 24.0f),
                                   scaledTzCurve(CurveSelector::UpperBound, 2, 8.0f, 24.0f)};
    curves[0].depth_in = 100.0f;
    curves[1].depth_in = 200.0f;
    const float movement = 1.0f; // beyond both curves: 0.92 tmax
    EXPECT_FLOAT_EQ(transferAtDepth_psi(curves, 150.0f, movement), 0.92f * 6.0f);
    EXPECT_FLOAT_EQ(transferAtDepth_psi(curves, 50.0f, movement), 0.92f * 4.0f);
    EXPECT_FLOAT_EQ(transferAtDepth_psi(curves, 250.0f, movement), 0.92f * 8.0f);
    // Out-of-order depths (a thin layer's first curve below its second): the first curve
    // deeper than the depth and the one before it still bracket it.
    curves.push_back(curves[0]);
    curves[1].depth_in = 220.0f;
    curves[2].depth_in = 180.0f;
    EXPECT_FLOAT_EQ(transferAtDepth_psi(curves, 200.0f, movement),
                    0.92f * (4.0f + 4.0f * 100.0f / 120.0f));
    EXPECT_FLOAT_EQ(transferAtDepth_psi({}, 10.0f, movement), 0.0f);
}
