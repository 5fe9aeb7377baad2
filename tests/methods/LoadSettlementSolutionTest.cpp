#include "engine/methods/LoadSettlementSolution.h"

#include <gtest/gtest.h>

#include "tests/methods/UniformClayShaft.h"

#include <cmath>
#include <vector>

using namespace korva::methods;

using korva::test::UniformClayShaft;

TEST(LoadSettlementSolution, LastThreeBaseMovementsFollowTheBaseDiameter)
{
    const auto large = assumedBaseMovements_in(6.0f);
    EXPECT_FLOAT_EQ(large[11], 0.5f);
    EXPECT_FLOAT_EQ(large[12], 0.72f);
    EXPECT_FLOAT_EQ(large[13], 1.8f);
    EXPECT_FLOAT_EQ(large[14], 3.6f);
    const auto small = assumedBaseMovements_in(2.0f);
    EXPECT_FLOAT_EQ(small[0], 0.00001f);
    EXPECT_FLOAT_EQ(small[12], 0.625f);
    EXPECT_FLOAT_EQ(small[13], 0.78125f);
    EXPECT_FLOAT_EQ(small[14], 1.2f);
}

TEST(LoadSettlementSolution, StraightShaftHasConstantStiffnessAndBellRisesToTheBase)
{
    const float ec = 3.0e6f;
    const AxialStiffnessProfile straight = axialStiffnessProfile(40.0f, 3.0f, 3.0f, 2.0f, ec);
    const float stem = ec * 0.7854f * 36.0f * 36.0f;
    for (const float z : {0.0f, 200.0f, 455.0f, 470.0f, 479.9f}) {
        EXPECT_FLOAT_EQ(straight.at_lb(z), stem) << z;
    }
    // Bell 4 ft high plus 1 ft ignored bottom: stem value down to 35 ft, base value at 40 ft.
    const AxialStiffnessProfile belled = axialStiffnessProfile(40.0f, 3.0f, 7.5f, 5.0f, ec);
    const float base = ec * 0.7854f * 90.0f * 90.0f;
    EXPECT_FLOAT_EQ(belled.at_lb(100.0f), stem);
    EXPECT_FLOAT_EQ(belled.at_lb(420.0f), stem);
    EXPECT_FLOAT_EQ(belled.at_lb(450.0f), stem + (base - stem) * 0.5f);
    EXPECT_FLOAT_EQ(belled.at_lb(480.0f), base);
    EXPECT_LT(belled.at_lb(430.0f), belled.at_lb(440.0f));
}

TEST(LoadSettlementSolution, IgnoredTopPortionCarriesNoTransfer)
{
    UniformClayShaft clay;
    clay.shaft.ignoredTop_ft = 5.0f;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    ASSERT_EQ(curve.levels.size(), 15u);
    for (const LoadLevel& level : curve.levels) {
        ASSERT_EQ(level.segments.size(), 30u);
        for (const SegmentRecord& s : level.segments) {
            if (s.middleDepth_in < 60.0f) {
                EXPECT_EQ(s.transfer_psi, 0.0f) << s.middleDepth_in;
                EXPECT_EQ(s.loadIncrement_lb, 0.0f);
            } else {
                EXPECT_GT(s.transfer_psi, 0.0f) << s.middleDepth_in;
            }
        }
    }
}

TEST(LoadSettlementSolution, MiddleAtTheBottomOfTheIgnoredTopCarriesLoad)
{
    // 24 ft in 15 segments of 19.2 in: the 13th middle from the base lies exactly at the
    // bottom of a 4-ft ignored top (48 in), the 14th above it (28.8 in).
    UniformClayShaft clay;
    clay.shaft.length_ft = 24.0f;
    clay.shaft.segmentCount = 15;
    clay.shaft.ignoredTop_ft = 4.0f;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    for (const LoadLevel& level : curve.levels) {
        ASSERT_EQ(level.segments.size(), 15u);
        const SegmentRecord& atBottom = level.segments[12];
        EXPECT_NEAR(atBottom.middleDepth_in, 48.0f, 1e-4f);
        EXPECT_GT(atBottom.transfer_psi, 0.0f) << level.baseMovement_in;
        EXPECT_GT(atBottom.loadIncrement_lb, 0.0f);
        EXPECT_EQ(level.segments[13].transfer_psi, 0.0f);
    }
}

TEST(LoadSettlementSolution, SegmentsRunFromBaseToHeadAndBalance)
{
    UniformClayShaft clay;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::UpperBound, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    EXPECT_EQ(curve.tzCurves.size(), 5u);
    EXPECT_EQ(curve.unconvergedSegments, 0);
    const LoadLevel& level = curve.levels[8];
    EXPECT_FLOAT_EQ(level.baseMovement_in, 0.075f);
    EXPECT_FLOAT_EQ(level.segments.front().middleDepth_in, 354.0f);
    EXPECT_FLOAT_EQ(level.segments.front().lowerDepth_in, 360.0f);
    EXPECT_FLOAT_EQ(level.segments.front().lowerLoad_lb, level.baseLoad_lb);
    EXPECT_FLOAT_EQ(level.segments.back().middleDepth_in, 6.0f);
    EXPECT_NEAR(level.headDepth_in, 0.0f, 1e-4f);
    float load = level.baseLoad_lb;
    for (const SegmentRecord& s : level.segments) {
        EXPECT_FLOAT_EQ(s.lowerLoad_lb, load);
        EXPECT_NEAR(s.loadIncrement_lb, 3.1416f * 36.0f * 12.0f * s.transfer_psi, 1e-2f);
        load += s.loadIncrement_lb;
    }
    EXPECT_NEAR(level.headLoad_lb, load, 1e-3f * load);
    // Head movements and loads rise with the base movement.
    for (std::size_t k = 1; k < curve.levels.size(); ++k) {
        EXPECT_GT(curve.levels[k].headMovement_in, curve.levels[k - 1].headMovement_in);
    }
}

TEST(LoadSettlementSolution, UniformClayApproachesItsCapacityAtLargeSettlement)
{
    UniformClayShaft clay;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    const double qs_lb = M_PI * 36.0 * 360.0 * 10.0;
    const double qb_lb = 80.0 * 2000.0;
    // Last level: base movement 1.8 in, beyond the side curves' last point (0.72 in) and at 5 %
    // of the base diameter on the Q-w curve, so the trend ratios 0.835 and 0.97 apply.
    const LoadLevel& last = curve.levels.back();
    EXPECT_FLOAT_EQ(last.baseMovement_in, 1.8f);
    EXPECT_NEAR(last.headLoad_lb, 0.835 * qs_lb + 0.97 * qb_lb, 1e-4 * (qs_lb + qb_lb));
    EXPECT_GT(last.headLoad_lb, 0.835 * (qs_lb + qb_lb));
    EXPECT_LT(last.headLoad_lb, 0.991 * (qs_lb + qb_lb));
    const std::vector<SettlementPoint> tons = reportPoints(curve, 1);
    EXPECT_NEAR(tons.back().topLoad, last.headLoad_lb / 2000.0f, 1e-3f);
    EXPECT_FLOAT_EQ(tons.back().tipMovement, 1.8f);
    const std::vector<SettlementPoint> si = reportPoints(curve, 2);
    EXPECT_NEAR(si.back().topLoad, last.headLoad_lb * 4.448f / 1000.0f, 1e-2f);
    EXPECT_FLOAT_EQ(si.back().tipMovement, 1.8f / 39.37f);
}

TEST(LoadSettlementSolution, SmallLoadsMatchElasticShorteningPlusBaseMovement)
{
    // At small movements every spring is on its first, straight branch: side stiffness
    // k = 0.51 tmax / (0.001 D) per unit movement, base stiffness kb = 0.395 Qmax / (0.005 Db).
    // A column on uniform linear springs has the closed-form solution
    //   w_head = wb cosh(bL) + Qb sinh(bL) / (AE b),  P_head = AE b wb sinh(bL) + Qb cosh(bL)
    // with b = sqrt(pi D k / AE): base movement plus the elastic shortening under the load.
    UniformClayShaft clay;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    const double d = 36.0, length = 360.0;
    const double ae = 3.6e6 * 0.7854 * d * d;
    const double k = 0.51 * 10.0 / (0.001 * d);
    const double kb = 0.395 * 160000.0 / (0.005 * d);
    const double b = std::sqrt(M_PI * d * k / ae);
    for (int level = 0; level < 4; ++level) {
        const LoadLevel& l = curve.levels[level];
        const double wb = l.baseMovement_in;
        const double qb = kb * wb;
        EXPECT_NEAR(l.baseLoad_lb, qb, 1e-4 * qb);
        const double headMovement =
            wb * std::cosh(b * length) + qb * std::sinh(b * length) / (ae * b);
        const double headLoad = ae * b * wb * std::sinh(b * length) + qb * std::cosh(b * length);
        EXPECT_NEAR(l.headMovement_in, headMovement, 2e-3 * headMovement) << level;
        // At the smallest base movements the 1e-5 in tolerance accepts a segment at its first
        // trial, with the transfer read at the movement of its lower end: about 0.5 % low.
        EXPECT_NEAR(l.headLoad_lb, headLoad, 1e-2 * headLoad) << level;
    }
}

TEST(LoadSettlementSolution, ShaftWithoutTransferShortensElastically)
{
    // Ignored top portion over the whole length: the head carries the base load and moves by
    // the base movement plus Qb L / AE.
    UniformClayShaft clay;
    clay.shaft.ignoredTop_ft = 30.0f;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::LowerBound, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    const float ae = 3.6e6f * 0.7854f * 36.0f * 36.0f;
    for (const LoadLevel& l : curve.levels) {
        EXPECT_FLOAT_EQ(l.headLoad_lb, l.baseLoad_lb);
        EXPECT_NEAR(l.headMovement_in, l.baseMovement_in + l.baseLoad_lb * 360.0f / ae,
                    1e-6f + 1e-5f * l.headMovement_in);
    }
}

TEST(LoadSettlementSolution, ProfileAndShaftErrorsStopBeforeAnyLevel)
{
    UniformClayShaft clay;
    clay.shaft.length_ft = 51.0f;
    LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    EXPECT_EQ(curve.code, CurveBuildCode::TipBeyondProfile);
    EXPECT_FLOAT_EQ(curve.offendingDepth_in, 612.0f);
    EXPECT_TRUE(curve.levels.empty());

    UniformClayShaft deep;
    deep.layers[0].bottom_in = 700.0f;
    curve = solveLoadSettlement(CurveSelector::Trend, deep.shaft);
    EXPECT_EQ(curve.code, CurveBuildCode::TzDepthBeyondProfile);
    EXPECT_TRUE(curve.levels.empty());

    for (const auto spoil : {+[](LoadSettlementCase& s) { s.concreteModulus_psi = 0.0f; },
                             +[](LoadSettlementCase& s) { s.segmentCount = 0; },
                             +[](LoadSettlementCase& s) { s.stemDiameter_ft = 0.0f; },
                             +[](LoadSettlementCase& s) { s.length_ft = NAN; }}) {
        UniformClayShaft bad;
        spoil(bad.shaft);
        EXPECT_EQ(solveLoadSettlement(CurveSelector::Trend, bad.shaft).code,
                  CurveBuildCode::InvalidShaft);
    }
}

TEST(LoadSettlementSolution, DesignChartSettlementsReuseTheTrendCurves)
{
    UniformClayShaft clay;
    const LoadSettlementCurve trend = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    ASSERT_EQ(trend.code, CurveBuildCode::Ok);
    const float first = trend.levels.front().headMovement_in;
    const LoadLevel& eighth = trend.levels[7];
    const std::vector<float> settlements = {first / 2.0f, eighth.headMovement_in, 0.5f, 100.0f};
    const auto chart = solveDesignChartSettlements(trend, clay.shaft, settlements);
    ASSERT_EQ(chart.size(), 4u);
    // Below the first head movement: base movement 0, nothing mobilised.
    EXPECT_EQ(chart[0].baseMovement_in, 0.0f);
    EXPECT_EQ(chart[0].level.headLoad_lb, 0.0f);
    // At a level's head movement the level is reproduced.
    EXPECT_NEAR(chart[1].baseMovement_in, eighth.baseMovement_in, 1e-6f);
    EXPECT_NEAR(chart[1].level.headLoad_lb, eighth.headLoad_lb, 1e-4f * eighth.headLoad_lb);
    EXPECT_FLOAT_EQ(chart[1].topSegmentMiddleLoad_lb, chart[1].level.segments.back().middleLoad_lb);
    EXPECT_FLOAT_EQ(chart[1].topSegmentMiddleDepth_in, 6.0f);
    EXPECT_FLOAT_EQ(chart[1].baseDiameter_in, 36.0f);
    EXPECT_FLOAT_EQ(chart[1].baseArea_in2, 0.7854f * 36.0f * 36.0f);
    // Between levels the base movement is interpolated; far beyond it is extrapolated.
    EXPECT_GT(chart[2].baseMovement_in, 0.0f);
    EXPECT_LT(chart[2].baseMovement_in, 0.5f);
    const LoadLevel& a = trend.levels[13];
    const LoadLevel& b = trend.levels[14];
    const float extrapolated = a.baseMovement_in + (b.baseMovement_in - a.baseMovement_in) *
                                                       (100.0f - a.headMovement_in) /
                                                       (b.headMovement_in - a.headMovement_in);
    EXPECT_NEAR(chart[3].baseMovement_in, extrapolated, 1e-3f * extrapolated);
}

TEST(LoadSettlementSolution, MarchReadsTheCurvesAsTheDirectLookupDoes)
{
    UniformClayShaft clay;
    // Two layers of different strength so that the depth interpolation matters.
    clay.layers = {{0.0f, 180.0f, 1}, {180.0f, 600.0f, 2}};
    clay.layerProfile = {{0.0f, 180.0f, 2.0f, 6.0f}, {180.0f, 600.0f, 9.0f, 12.0f}};
    clay.rows.clear();
    for (int d = 12; d <= 600; d += 12) {
        const float depth = static_cast<float>(d);
        clay.rows.push_back(
            {depth, depth <= 180.0f ? 2.0f + depth / 45.0f : 9.0f + depth / 200.0f});
    }
    clay.shaft.layers = clay.layers;
    clay.shaft.layerProfile = clay.layerProfile;
    clay.shaft.rowProfile = clay.rows;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    for (const LoadLevel& level : curve.levels) {
        for (const SegmentRecord& s : level.segments) {
            ASSERT_TRUE(s.converged);
            // The accepted transfer was read at a movement within the tolerance of the middle
            // movement; the curves are no steeper than 0.51 x 12 psi per 0.036 in.
            const float direct =
                transferAtDepth_psi(curve.tzCurves, s.middleDepth_in, s.middleMovement_in);
            EXPECT_NEAR(s.transfer_psi, direct, 2e-3f + 1e-5f * direct) << s.middleDepth_in;
        }
    }
    // Without the segment detail the same march keeps only the top segment.
    clay.shaft.keepSegments = false;
    const LoadSettlementCurve lean = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    ASSERT_EQ(lean.levels.size(), curve.levels.size());
    for (std::size_t k = 0; k < lean.levels.size(); ++k) {
        EXPECT_TRUE(lean.levels[k].segments.empty());
        EXPECT_EQ(lean.levels[k].headLoad_lb, curve.levels[k].headLoad_lb);
        EXPECT_EQ(lean.levels[k].headMovement_in, curve.levels[k].headMovement_in);
        EXPECT_EQ(lean.levels[k].topSegment.middleLoad_lb,
                  curve.levels[k].segments.back().middleLoad_lb);
    }
}
