#include "engine/methods/DecomposedRockSocketSettlement.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korva::methods;

namespace {

// Tip layer 20-40 ft, tip 10 ft into it; reference length 35 ft; socket diameter 3 ft.
DecomposedRockSocketCase gravelSocket()
{
    DecomposedRockSocketCase s;
    s.referenceLength_ft = 35.0f;
    s.finalSideResistance_tons = 120.0f;
    s.tipLayerTop_ft = 20.0f;
    s.tipLayerBottom_ft = 40.0f;
    s.depthInTipLayer_ft = 10.0f;
    s.blowCountTop = 40.0f;
    s.blowCountBottom = 60.0f;
    s.socketDiameterTop_ft = 3.0f;
    s.socketDiameterBottom_ft = 3.0f;
    s.modulusTop_tsf = 800.0f;
    s.modulusBottom_tsf = 1200.0f;
    s.stemDiameter_ft = 3.0f;
    s.firstDiameter_ft = 3.0f;
    s.concreteModulus_tsf = 450000.0f;
    s.midLayerEffectiveStress_psf = 2500.0f;
    s.deepestSliceDepth_ft = 80.0f;
    s.deepestSliceEffectiveStress_psf = 5000.0f;
    return s;
}

} // namespace

TEST(DecomposedRockSocketSettlement, ClosedFormSolutionWorkedByHand)
{
    const DecomposedRockSocketResult result = decomposedRockSocketCurve(gravelSocket());
    ASSERT_EQ(result.curve.code, SocketCode::Ok);
    // The same solution in double precision.
    const double b = 3.0, n = 50.0, sigma = 2500.0, ls = 15.0, r = ls / b;
    const double e = 2000.0 * 1200.0, rho = 1000.0 / 1200.0;
    const double lambda = 5200.0 * 450000.0 / e;
    const double zeta = std::log(2.0 * r * (0.25 + 2.5 * (1.5 * rho - 0.25)));
    const double muL = 2.0 * r * std::sqrt(2.0 / (zeta * lambda));
    const double ratio = 5.6 * (1.0 + 8.0 * r * std::tanh(muL) / (4.7124 * lambda * muL)) /
                         (26.666666 + 12.5664 * r * rho * std::tanh(muL) / (zeta * muL));
    const double slip = 240000.0 / (1.0 - ratio / (2.1 * std::cosh(muL)));
    const double s1 = ratio * slip / (e * b);
    const double qb = 0.7854 * b * b * 2.1459 * sigma * std::pow(423.14 * n / sigma, 0.8);
    const double dp = 240000.0 + qb - slip;
    const double sb = 0.84 * dp / (0.4 * e * b);
    EXPECT_NEAR(result.detail.blowCount, n, 1e-4);
    EXPECT_NEAR(result.detail.stiffnessRatio, rho, 1e-6);
    EXPECT_NEAR(result.detail.slipLoad_lb, slip, 1e-4 * slip);
    EXPECT_NEAR(result.detail.baseLoad_lb, qb, 1e-4 * qb);
    const auto& p = result.curve.points;
    EXPECT_NEAR(p[4].topLoad_tons, 0.5 * slip / 2000.0, 1e-4 * slip / 2000.0);
    EXPECT_NEAR(p[9].topMovement_ft, s1, 1e-4 * s1);
    EXPECT_NEAR(p[11].topLoad_tons, (slip + 0.5 * dp) / 2000.0, 1e-4 * slip / 2000.0);
    EXPECT_NEAR(p[13].topMovement_ft, s1 + sb, 1e-4 * (s1 + sb));
    // Point 15 repeats the load of point 14 at 1.2 times its movement s1 + sb.
    EXPECT_FLOAT_EQ(p[14].topLoad_tons, p[13].topLoad_tons);
    EXPECT_NEAR(p[14].topMovement_ft, 1.2 * (s1 + sb), 1e-4 * (s1 + sb));
    for (const SocketPoint& point : p) {
        EXPECT_EQ(point.tipLoad_tons, 0.0f);
        EXPECT_EQ(point.tipMovement_ft, 0.0f);
    }
}

TEST(DecomposedRockSocketSettlement, ModulusFromBlowCountWhenNoneIsGiven)
{
    DecomposedRockSocketCase s = gravelSocket();
    s.modulusTop_tsf = 0.0f;
    s.modulusBottom_tsf = 0.0f;
    s.blowCountTop = 30.0f;
    s.blowCountBottom = 60.0f;
    const DecomposedRockSocketResult result = decomposedRockSocketCurve(s);
    ASSERT_EQ(result.curve.code, SocketCode::Ok);
    EXPECT_FLOAT_EQ(result.detail.stiffnessRatio, 0.5f);
    EXPECT_NEAR(result.detail.modulus_psf, 46545.4 * std::pow(45.0, 0.82), 1e-4 * 46545.4 * 23.0);
}

TEST(DecomposedRockSocketSettlement, SocketDiameterAndStressRules)
{
    // No socket diameter: the first diameter of the series, and the curve is still produced.
    DecomposedRockSocketCase s = gravelSocket();
    s.socketDiameterTop_ft = 0.0f;
    s.socketDiameterBottom_ft = 0.0f;
    s.firstDiameter_ft = 2.5f;
    DecomposedRockSocketResult result = decomposedRockSocketCurve(s);
    EXPECT_EQ(result.curve.code, SocketCode::Ok);
    EXPECT_FLOAT_EQ(result.detail.socketDiameter_ft, 2.5f);
    EXPECT_GT(result.curve.points[14].topLoad_tons, 0.0f);
    // A walk that stopped above L + 2B uses the stress of its deepest slice.
    s = gravelSocket();
    s.deepestSliceDepth_ft = 40.0f;
    EXPECT_FLOAT_EQ(decomposedRockSocketCurve(s).detail.effectiveStress_psf, 5000.0f);
    // A reference length above the tip layer: the layer bottom is the socket length.
    s = gravelSocket();
    s.referenceLength_ft = 19.0f;
    EXPECT_FLOAT_EQ(decomposedRockSocketCurve(s).detail.socketLength_ft, 40.0f);
}

TEST(DecomposedRockSocketSettlement, DataThatDivideByZeroGiveNoCurve)
{
    struct Spoil
    {
        void (*apply)(DecomposedRockSocketCase&);
        SocketCode code;
    };
    const Spoil spoils[] = {
        {[](DecomposedRockSocketCase& s) { s.firstDiameter_ft = 0.0f; },
         SocketCode::ZeroSocketDiameter},
        {[](DecomposedRockSocketCase& s) { s.concreteModulus_tsf = 0.0f; },
         SocketCode::ZeroModulus},
        {[](DecomposedRockSocketCase& s) { s.midLayerEffectiveStress_psf = 0.0f; },
         SocketCode::ZeroStrength},
        {[](DecomposedRockSocketCase& s) {
             s.modulusBottom_tsf = 0.0f;
             s.blowCountBottom = 0.0f;
         },
         SocketCode::ZeroStrength},
        {[](DecomposedRockSocketCase& s) {
             s.referenceLength_ft = 0.0f;
             s.tipLayerBottom_ft = 0.0f;
             s.tipLayerTop_ft = 0.0f;
         },
         SocketCode::ZeroSocketLength},
    };
    for (const Spoil& spoil : spoils) {
        DecomposedRockSocketCase s = gravelSocket();
        spoil.apply(s);
        const DecomposedRockSocketResult result = decomposedRockSocketCurve(s);
        EXPECT_EQ(result.curve.code, spoil.code);
        for (const SocketPoint& p : result.curve.points) {
            EXPECT_EQ(p.topLoad_tons, 0.0f);
            EXPECT_EQ(p.topMovement_ft, 0.0f);
        }
    }
}
