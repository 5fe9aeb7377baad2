#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "engine/analysis/CapacityRows.h"
#include "engine/output/ReportCase.h"
#include "engine/output/ReportLayerBlock.h"

using namespace korva;

namespace {

bool contains(const std::vector<std::string>& lines, const std::string& text)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

SoilLayer clayLayer(float cuTop, float cuBottom)
{
    SoilLayer l;
    l.kind = 2;
    l.bottomDepth = 20.0f;
    l.CU = {cuTop, cuBottom};
    l.GAMMA = {120, 120};
    l.phiS = 0.45f;
    l.phiB = 0.4f;
    return l;
}

SoilLayer gravelLayer(float nTop, float nBottom)
{
    SoilLayer l;
    l.kind = 9;
    l.bottomDepth = 20.0f;
    l.BLOWS = {nTop, nBottom};
    l.GAMMA = {130, 130};
    return l;
}

} // namespace

TEST(LayerBlock, ClayStrengthWarningFromTwoAndAHalfAtmospheres)
{
    const std::string warning = "THE SHEAR STRENGTH OF THIS MATERIAL MAY BE TOO HIGH";
    EXPECT_TRUE(contains(layerBlockLines(clayLayer(2000, 5292), 1, {}, {}), warning));
    EXPECT_FALSE(contains(layerBlockLines(clayLayer(5291, 5291), 1, {}, {}), warning));
}

TEST(LayerBlock, GravelBlowCountWarnings)
{
    const std::vector<std::string> both = layerBlockLines(gravelLayer(25, 60), 2, {}, {});
    EXPECT_TRUE(contains(both, "UNIT TIP RESISTANCE IS LIMITED TO 30 TSF IF SPT-N IS OVER 50"));
    EXPECT_TRUE(contains(both, "Blow counts should be greater than 25 for this criterion."));
    EXPECT_TRUE(contains(both, "             BLOWS PER FOOT IS =    25.00 AT TOP"));
    EXPECT_TRUE(contains(both, "             BLOWS PER FOOT IS =    60.00 AT BOTTOM"));
    const std::vector<std::string> neither = layerBlockLines(gravelLayer(26, 50), 2, {}, {});
    EXPECT_FALSE(contains(neither, "WARNING"));
    EXPECT_EQ(neither.front(), "    LAYER NO  2----GRAVEL");
}

TEST(LayerBlock, LrfdFactorsAndSiUnits)
{
    const SoilLayer clay = clayLayer(1000, 1000);
    const std::vector<std::string> asd = layerBlockLines(clay, 1, {}, {false, false});
    const std::vector<std::string> lrfd = layerBlockLines(clay, 1, {}, {false, true});
    EXPECT_FALSE(contains(asd, "LRFD RESISTANCE FACTOR"));
    EXPECT_TRUE(
        contains(lrfd, "       LRFD RESISTANCE FACTOR (SIDE FRICTION)            = 0.450E+00"));
    EXPECT_TRUE(
        contains(lrfd, "       LRFD RESISTANCE FACTOR (TIP RESISTANCE)           = 0.400E+00"));
    const std::vector<std::string> si = layerBlockLines(clay, 1, {}, {true, false});
    EXPECT_TRUE(
        contains(si, "       DEPTH, M                                          = 0.610E+01"));
    EXPECT_TRUE(contains(si, "UNDRAINED SHEAR STRENGTH, KN/SQ M                 ="));
    EXPECT_TRUE(
        contains(asd, "       DEPTH, FT                                         = 0.200E+02"));
    // Marker after estimated values only.
    LayerEstimate estimated;
    estimated.coefficient = {0.55f, 0.55f};
    estimated.coefficientEstimated = true;
    EXPECT_TRUE(
        contains(layerBlockLines(clay, 1, estimated, {}),
                 "       STRENGTH REDUCTION FACTOR-ALPHA                   = 0.550E+00  (*)"));
}

TEST(LayerBlock, RockLabelsEndInColumn59)
{
    SoilLayer rock;
    rock.kind = 7;
    rock.BDS = {3, 3};
    const std::vector<std::string> lines = layerBlockLines(rock, 3, {}, {});
    EXPECT_EQ(lines.front(), "    LAYER NO  3----STRONG ROCK");
    EXPECT_TRUE(
        contains(lines, "       DIAMETER OF SOCKET, FT                             = 0.300E+01"));
}

TEST(ResultTable, HeadingsByMethodLoadingAndUnits)
{
    std::ostringstream asd, lrfdUplift, si;
    writeResultsTableHeading(asd, false, false, false);
    writeResultsTableHeading(lrfdUplift, true, true, false);
    writeResultsTableHeading(si, false, false, true);
    EXPECT_EQ(asd.str(),
              "\n     LENGTH  VOLUME     QS      QB      QU       QBD      QDN      QU/VOLUME\n"
              "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)  (TONS/CU.YDS)\n");
    EXPECT_EQ(lrfdUplift.str(),
              "\n     LENGTH  VOLUME     QS      WT      QU     LRFD QS      WT   LRFD QU\n"
              "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)    (TONS)\n");
    EXPECT_NE(si.str().find("      ( M )  (CU.M )  ( KN )"), std::string::npos);
}

TEST(ResultTable, RowLayoutsAndOverflow)
{
    CapacityRow r;
    r.length = 31;
    r.volume = 8.12f;
    r.qs = 1234567;
    r.qb = 12.5f;
    EXPECT_EQ(resultRowLine(r, RowLayout::A, false).substr(0, 36),
              "     31.0     8.12*********    12.50");
    EXPECT_EQ(resultRowLine(r, RowLayout::B, false).substr(0, 36),
              "     31.0      8.11234567.0     12.5");
}
