#include "engine/output/LoadTransferTables.h"

#include <gtest/gtest.h>

#include "tests/methods/UniformClayShaft.h"

#include <vector>

using namespace korva;
using namespace korva::methods;

using korva::test::UniformClayShaft;

TEST(LoadTransferTables, BeyondProfileWarnings)
{
    const auto tz = beyondProfileWarningLines(CurveBuildCode::TzDepthBeyondProfile, 240.49f);
    ASSERT_EQ(tz.size(), 3u);
    EXPECT_EQ(tz[0], "");
    EXPECT_EQ(tz[1], std::string(29, ' ') + "**** WARNING ****");
    EXPECT_EQ(tz[2], "     THE VALUE OF X = 0.240E+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH "
                     "CURVE 1");
    const auto tip = beyondProfileWarningLines(CurveBuildCode::TipBeyondProfile, 612.0f);
    ASSERT_EQ(tip.size(), 3u);
    EXPECT_EQ(tip[2],
              "     THE VALUE OF X = 0.61E+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE");
    EXPECT_TRUE(beyondProfileWarningLines(CurveBuildCode::Ok, 1.0f).empty());
}

TEST(LoadTransferTables, LoadSettlementTables)
{
    UniformClayShaft clay;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::UpperBound, clay.shaft);
    ASSERT_EQ(curve.code, CurveBuildCode::Ok);
    const auto points = reportPoints(curve, 1);
    const auto lines = loadSettlementTableLines(CurveSelector::UpperBound, points, 1);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0], "RESULT FROM UPPER-BOUND LINE");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "        TOP  LOAD     TOP MOVEMENT       TIP LOAD      TIP  MOVEMENT");
    EXPECT_EQ(lines[3], "           TON             IN.              TON            IN.");
    for (std::size_t i = 4; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 65u) << lines[i];
    }
    // The first base movement, 1e-5 in, in the last field.
    EXPECT_EQ(lines[4].substr(49), "      0.1000E-04");
    const auto si = definedSettlementTableLines(reportPoints(curve, 2), 2);
    EXPECT_EQ(si[0], "RESULT FOR DEFINED SETTLEMENTS");
    EXPECT_EQ(si[2], "           KN.              M.              KN.             M.");
    EXPECT_EQ(si.size(), 18u);
}

TEST(LoadTransferTables, DetailFileHoldsCurvesAndEverySegment)
{
    UniformClayShaft clay;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    const auto lines = tzDetailFileLines(curve);
    // Note and two empty lines, curve heading (2), 5 curves of 11 lines, then per level 7
    // heading lines, two rows per segment and the head row.
    EXPECT_EQ(lines.size(), 3u + 2u + 5u * 11u + 15u * (7u + 2u * 30u + 1u));
    EXPECT_EQ(lines[0], "     NOTE: TZ CURVE DATA ARE AVAILABLE FOR SAND AND CLAY LAYERS ONLY.");
    EXPECT_EQ(lines[5], "            1         10      0.0000E+00");
    const std::size_t level = 60; // first level
    EXPECT_EQ(lines[level], "1");
    EXPECT_EQ(lines[level + 1], "        ASSUMED TIP MOVEMENT        TIP   LOAD");
    EXPECT_EQ(lines[level + 3].size(), 46u);
    // First node row: the base at 360 in carrying the base load; then its segment row.
    const std::string& node = lines[level + 7];
    EXPECT_EQ(node.substr(0, 10), "    360.00");
    EXPECT_EQ(node.size(), 69u);
    EXPECT_EQ(node.substr(10, 19), std::string(19, ' '));
    const std::string& segment = lines[level + 8];
    EXPECT_EQ(segment.substr(0, 10), "    354.00");
    EXPECT_EQ(segment.size(), 79u);
    // Head row at depth 0 after the 30 segments.
    EXPECT_EQ(lines[level + 7 + 60].substr(0, 10), "      0.00");
}

TEST(LoadTransferTables, PlotScratchLines)
{
    UniformClayShaft clay;
    const LoadSettlementCurve curve = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    // The load distribution of a shaft with 30 rows: 15 levels of 30 lines.
    const auto distribution = loadDistribution(curve, 1);
    const auto lines = loadDistributionLines(distribution);
    ASSERT_EQ(lines.size(), 450u);
    EXPECT_EQ(lines[0].size(), 39u);
    EXPECT_EQ(lines[0].substr(0, 13), "    0.295E+02"); // 354 in = 29.5 ft
    const auto metres = loadDistribution(curve, 2);
    EXPECT_NEAR(metres[0].depth, 354.0f / 39.37f, 1e-5f);
    EXPECT_NEAR(metres[0].load, distribution[0].load * 2000.0f / 224.8f, 1e-3f);

    const QwCurveOutput qwTons = qwCurveForOutput(curve.qwCurve, 1);
    EXPECT_FLOAT_EQ(qwTons.load[9], 80.0f * 0.991f);
    const QwCurveOutput qwKn = qwCurveForOutput(curve.qwCurve, 2);
    EXPECT_FLOAT_EQ(qwKn.movement[9], 3.6f * 0.0254f);
    EXPECT_FLOAT_EQ(qwKn.load[9], 160000.0f * 0.991f * 4.448f / 1000.0f);
    const auto qw = qwPlotCurveLines(2, 3.0f, qwTons);
    ASSERT_EQ(qw.size(), 11u);
    EXPECT_EQ(qw[0], "    2      3.00   10");
    EXPECT_EQ(qw[1], " 0 0");

    std::vector<TzCurveOutput> tz;
    for (const TzCurve& c : curve.tzCurves) {
        tz.push_back(tzCurveForOutput(c, 2));
    }
    EXPECT_FLOAT_EQ(tz[2].depth, 300.0f * 0.0254f);
    EXPECT_FLOAT_EQ(tz[2].transfer[9], 8.35f * 6.895f);
    const auto tzLines = tzPlotCurveLines(tz);
    ASSERT_EQ(tzLines.size(), 55u);
    EXPECT_EQ(tzLines[22], "    3   10      7.62");
    const auto extra = additionalTzPlotCurveLines(std::span(tz).first(1));
    EXPECT_EQ(extra[0], "            1         10      0.0000E+00");
}

TEST(LoadTransferTables, DesignChartRecords)
{
    UniformClayShaft clay;
    const LoadSettlementCurve trend = solveLoadSettlement(CurveSelector::Trend, clay.shaft);
    const std::vector<float> settlements = {0.5f};
    const auto chart = solveDesignChartSettlements(trend, clay.shaft, settlements);
    ASSERT_EQ(chart.size(), 1u);
    const std::string record = chartFileSettlementLine(3, 2, chart[0]);
    EXPECT_EQ(record.substr(0, 20), "    3    2 0.360E+02");
    EXPECT_EQ(record.size(), 40u);
    EXPECT_EQ(chartFileTopSegmentLine(chart[0]).substr(0, 10), " 0.600E+01");
    EXPECT_FALSE(chartFileHeadingLine().empty());
    const auto row = definedSettlementTableLines(
        std::vector<SettlementPoint>{reportPoint(chart[0].level, 1)}, 1);
    EXPECT_EQ(row.size(), 4u);
}
