#include "engine/analysis/FiniteGuard.h"

#include "NonFiniteText.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace korva {
namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

TEST(FiniteGuard, EveryNumberOfASolutionThatIsNotFiniteBecomesZeroAndIsReported)
{
    methods::LoadSettlementCurve curve;
    curve.tzCurves.resize(2);
    curve.tzCurves[1].transfer_psi[3] = NaN;
    curve.qwCurve.load_lb[9] = 12.0f;
    curve.levels.resize(3);
    curve.levels[2].segments.resize(4);
    curve.levels[2].segments[3].middleLoad_lb = -Inf;
    curve.levels[1].headMovement_in = 0.25f;

    methods::LoadSettlementCurve finite = curve;
    finite.tzCurves[1].transfer_psi[3] = 1.0f;
    finite.levels[2].segments[3].middleLoad_lb = 2.0f;
    EXPECT_FALSE(replaceNonFinite(finite)) << "finite values are left alone";

    EXPECT_TRUE(replaceNonFinite(curve));
    EXPECT_EQ(curve.tzCurves[1].transfer_psi[3], 0.0f);
    EXPECT_EQ(curve.levels[2].segments[3].middleLoad_lb, 0.0f);
    EXPECT_EQ(curve.qwCurve.load_lb[9], 12.0f);
    EXPECT_EQ(curve.levels[1].headMovement_in, 0.25f);

    std::vector<methods::ChartSettlementResult> chart(2);
    chart[1].topSegmentMiddleLoad_lb = Inf;
    chart[0].level.headLoad_lb = NaN;
    EXPECT_TRUE(replaceNonFinite(chart));
    EXPECT_EQ(chart[1].topSegmentMiddleLoad_lb, 0.0f);
    EXPECT_EQ(chart[0].level.headLoad_lb, 0.0f);

    std::ostringstream note;
    writeNonFiniteLoadSettlementNote(note);
    EXPECT_NE(note.str().find("NOT A FINITE"), std::string::npos);
    EXPECT_FALSE(test::containsNonFiniteNumber(note.str()));
}

} // namespace
} // namespace korva
