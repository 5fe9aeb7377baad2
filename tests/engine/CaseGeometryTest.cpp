#include <gtest/gtest.h>

#include "engine/analysis/CaseGeometry.h"
#include "engine/analysis/CaseSeries.h"

using namespace korva;

TEST(DiameterSeries, EndsWithinTolerance)
{
    const std::vector<float> expected{3.0f, 3.5f, 4.0f};
    EXPECT_EQ(makeDiameterSeries(3.0f, 4.0f, 0.5f), expected);  // 4.0 < 4.02
    EXPECT_EQ(makeDiameterSeries(3.0f, 4.01f, 0.5f), expected); // 4.5 is not < 4.03
    EXPECT_EQ(diameterCountOfSeries(3.0f, 4.0f, 0.5f), 3);
}

TEST(DiameterSeries, SingleDiameterAndBadSteps)
{
    // DIALIM 0 is raised to DSTART when the deck is read: one case.
    EXPECT_EQ(makeDiameterSeries(3.0f, 3.0f, 0.5f), std::vector<float>{3.0f});
    EXPECT_EQ(makeDiameterSeries(3.0f, 6.0f, 0.0f), std::vector<float>{3.0f});
    EXPECT_EQ(makeDiameterSeries(3.0f, 6.0f, -0.5f), std::vector<float>{3.0f});
    EXPECT_EQ(makeDiameterSeries(3.0f, 1.0e30f, 0.5f).size(),
              static_cast<std::size_t>(kMaxSeriesDiameters));
    // Design-chart step of 0.15 m: 0.49212 ft.
    EXPECT_EQ(makeDiameterSeries(3.0f, 3.99f, 0.49212f).size(), 3u);
}

TEST(LengthSeries, CountsDownToMinimum)
{
    const std::vector<float> expected{40.0f, 37.0f, 34.0f, 31.0f, 28.0f}; // 28 > 27.98
    EXPECT_EQ(makeLengthSeries(40.0f, 28.0f, 3.0f), expected);
    EXPECT_EQ(makeLengthSeries(40.0f, 28.0f, 0.0f), std::vector<float>{40.0f});
    EXPECT_EQ(makeLengthSeries(400.0f, 0.0f, 1.0f).size(),
              static_cast<std::size_t>(kMaxSeriesLengths));
}

TEST(LayerBottom, RoundsHalfUp)
{
    EXPECT_EQ(roundHalfAway(20.5f), 21.0f);
    EXPECT_EQ(roundHalfAway(20.49f), 20.0f);
    EXPECT_EQ(roundHalfAway(-0.5f), -1.0f);
}

TEST(CaseGeometry, StraightShaft)
{
    const CaseGeometry g = makeCaseGeometry(3.0f, 0.0f, 0.0f);
    EXPECT_FALSE(g.belled);
    EXPECT_FLOAT_EQ(g.baseDiameter_ft, 3.0f);
    EXPECT_FLOAT_EQ(g.stemArea_ft2, 7.0686f);
    EXPECT_FLOAT_EQ(g.bellHeight_ft, 0.0f);
    EXPECT_FLOAT_EQ(g.underreamVolume_yd3, 0.0f);
    EXPECT_NEAR(g.steelArea_in2, 10.179f, 0.001f);
    EXPECT_EQ(g.averagingDepths, 6);
}

TEST(CaseGeometry, BellOfRatio25At30Degrees)
{
    const CaseGeometry g = makeCaseGeometry(3.0f, 2.5f, 30.0f);
    ASSERT_TRUE(g.belled);
    EXPECT_FLOAT_EQ(g.baseDiameter_ft, 7.5f);
    EXPECT_FLOAT_EQ(g.heelHeight_ft, 0.25f);
    EXPECT_NEAR(g.bellHeight_ft, 4.147f, 0.001f);
    EXPECT_EQ(g.averagingDepths, 15);
    // Heel cylinder plus frustum, by hand: 44.179 x 0.25 + pi x 3.897/3 x 21.938 = 100.57 ft^3.
    EXPECT_NEAR(g.underreamVolume_yd3, 100.57f / 27.0f, 0.01f);
    // Stems wider than 3.52 ft get a 0.5-ft heel.
    EXPECT_FLOAT_EQ(makeCaseGeometry(4.0f, 2.0f, 30.0f).heelHeight_ft, 0.5f);
}

TEST(CaseGeometry, RatiosThatAreNoBell)
{
    EXPECT_FALSE(makeCaseGeometry(3.0f, 0.8f, 30.0f).belled);     // integer part 0
    EXPECT_FALSE(makeCaseGeometry(3.0f, -2.0f, 30.0f).belled);    // negative base
    const CaseGeometry flat = makeCaseGeometry(3.0f, 2.0f, 0.0f); // no height possible
    EXPECT_FALSE(flat.belled);
    EXPECT_TRUE(flat.bellAngleUnusable);
    EXPECT_FLOAT_EQ(flat.bellHeight_ft, 0.0f);
}
