#include "engine/methods/WeakRockSocketSettlement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace korva::methods;

namespace {

// Weak rock from 20 to 40 ft, L = 32.5 ft: socket length 12.5 ft, fluid concrete depth
// 26.25 ft (slump 5 in: M = 0.47); rough interface with closed joints, RQD 70 (Em/Ei 0.7).
WeakRockSocketCase roughSocket()
{
    WeakRockSocketCase s;
    s.referenceLength_ft = 32.5f;
    s.socketTop_ft = 20.0f;
    s.hasLayerBelowReference = true;
    s.socketDiameterAtThatLayerBottom_ft = 3.0f;
    s.tipLayerTop_ft = 20.0f;
    s.tipLayerBottom_ft = 40.0f;
    s.slumpTop_in = 5.0f;
    s.slumpBottom_in = 5.0f;
    s.rqdTop_pct = 70.0f;
    s.rqdBottom_pct = 70.0f;
    s.rockStrengthTop_psf = 100000.0f;
    s.rockStrengthBottom_psf = 100000.0f;
    s.interfaceFrictionTop_deg = 30.0f;
    s.interfaceFrictionBottom_deg = 30.0f;
    s.socketDiameterTop_ft = 3.0f;
    s.socketDiameterBottom_ft = 3.0f;
    s.intactModulusTop_tsf = 50000.0f;
    s.intactModulusBottom_tsf = 50000.0f;
    s.interface = WeakRockInterface::RoughClosedJoints;
    s.stemDiameter_ft = 3.0f;
    s.firstDiameter_ft = 3.0f;
    s.concreteModulus_tsf = 450000.0f;
    s.sideAboveWeakRock_tons = 40.0f;
    s.finalSideResistance_tons = 2000.0f;
    s.modulusAverage.add(50000.0f);
    s.modulusAverage.add(50000.0f);
    return s;
}

} // namespace

TEST(WeakRockSocketSettlement, PrescribedMovements)
{
    EXPECT_FLOAT_EQ(weakRockMovementFactor(1), 0.00009f);
    EXPECT_NEAR(weakRockMovementFactor(12), 0.00778f, 1e-5f);
    EXPECT_FLOAT_EQ(weakRockMovementFactor(13), 0.0125f);
    EXPECT_FLOAT_EQ(weakRockMovementFactor(14), 0.025f);
    EXPECT_FLOAT_EQ(weakRockMovementFactor(15), 0.05f);
}

TEST(WeakRockSocketSettlement, RoughSocketWorkedByHand)
{
    const WeakRockSocketCase socket = roughSocket();
    const WeakRockSocketResult result = weakRockSocketCurve(socket);
    ASSERT_EQ(result.curve.code, SocketCode::Ok);
    EXPECT_FLOAT_EQ(result.socketLength_ft, 12.5f);
    EXPECT_FLOAT_EQ(result.socketDiameter_ft, 3.0f);
    // 15 further samples of the same Ei.
    EXPECT_EQ(result.modulusAverage.count, 17);
    EXPECT_FLOAT_EQ(result.modulusAverage.sum_tsf, 17.0f * 50000.0f);

    const double b = 3.0, lu = 12.5, qu = 100000.0;
    const double sigmaN = 150.0 * 26.25 * 0.47;
    const double fa = 0.5 * qu * (0.8 + 0.2 * (0.7 - 0.5) / 0.5);
    const double em = 50000.0 * 0.7, ePrime = 2000.0 * em;
    const double n = sigmaN / qu;
    const double u = std::sqrt(lu / b), g = std::log10(450000.0 / em);
    const double omega = 1.14 * u - 0.44 - 0.05 * (u - 1.0) * g;
    const double gamma = 0.37 * u + 0.13 - 0.15 * (u - 1.0) * g;
    const double ib =
        std::pow((lu / b + 1.0) * 200.0 * (u - omega) / (gamma * 957.5597 * lu), 0.67);
    const double c = 2.0 * em * 0.64159197 * (lu / b) * ib / (lu / b + 1.0);
    for (const int k : {1, 6, 12, 15}) {
        SCOPED_TRACE(k);
        const double wt = weakRockMovementFactor(k) * b;
        const double theta = ePrime * omega * wt / (fa * 3.1416 * lu * gamma);
        const double fs =
            theta <= n ? fa * theta : fa * (n + (theta - n) * (1.0 - n) / (1.0 - 2.0 * n + theta));
        const double qb = std::min(2.5 * qu, 20.88 * std::pow(304.8 * wt, 0.67) * c);
        const double qs = std::min(2000.0 * 40.0 + 3.1416 * b * lu * fs, 2000.0 * 2000.0);
        const double load = (qs + 0.7854 * b * b * qb) / 2000.0;
        const SocketPoint& p = result.curve.points[static_cast<std::size_t>(k - 1)];
        EXPECT_NEAR(p.topLoad_tons, load, 1e-3 * load);
        EXPECT_NEAR(p.topMovement_ft, wt, 1e-6 * wt);
        EXPECT_EQ(p.tipLoad_tons, 0.0f);
        // The shaft above the socket (L - Lu = 20 ft) shortens under the top load.
        const double shortening_in =
            24000.0 * 20.0 * load / (450000.0 * 2000.0 / 144.0 * 113.097595 * b * b);
        EXPECT_NEAR(result.curve.upperShaftShortening_in[static_cast<std::size_t>(k - 1)],
                    shortening_in, 1e-3 * shortening_in);
        const SettlementPoint inches = socketReportPoint(result.curve, k - 1, 1);
        EXPECT_NEAR(inches.topMovement, 12.0 * wt + shortening_in,
                    1e-4 * (12.0 * wt + shortening_in));
        const SettlementPoint metres = socketReportPoint(result.curve, k - 1, 2);
        EXPECT_NEAR(metres.topMovement, wt / 3.2808 + 0.0254 * shortening_in, 1e-4 * wt);
        EXPECT_NEAR(metres.topLoad, load * 8.896, 1e-3 * load * 8.896);
    }
    // Loads rise with the movement.
    for (std::size_t k = 1; k < kSocketPointCount; ++k) {
        EXPECT_GE(result.curve.points[k].topLoad_tons, result.curve.points[k - 1].topLoad_tons);
    }
}

TEST(WeakRockSocketSettlement, SmoothAndLongSocketsStayFinite)
{
    WeakRockSocketCase smooth = roughSocket();
    smooth.interface = WeakRockInterface::SmoothOpenJoints;
    const WeakRockSocketResult s = weakRockSocketCurve(smooth);
    ASSERT_EQ(s.curve.code, SocketCode::Ok);
    EXPECT_GT(s.curve.points[14].topLoad_tons, s.curve.points[0].topLoad_tons);

    // A socket 25 diameters long: the base influence bracket turns negative, the base carries
    // nothing and the curve comes from the side alone (capped by the final side resistance).
    WeakRockSocketCase longSocket = roughSocket();
    longSocket.referenceLength_ft = 95.0f;
    longSocket.tipLayerBottom_ft = 120.0f;
    longSocket.finalSideResistance_tons = 600.0f;
    const WeakRockSocketResult l = weakRockSocketCurve(longSocket);
    ASSERT_EQ(l.curve.code, SocketCode::Ok);
    EXPECT_FLOAT_EQ(l.socketLength_ft, 75.0f);
    for (const SocketPoint& p : l.curve.points) {
        EXPECT_TRUE(std::isfinite(p.topLoad_tons));
        EXPECT_LE(p.topLoad_tons, 600.0f + 1e-3f);
        EXPECT_GE(p.topLoad_tons, 40.0f);
    }
}

TEST(WeakRockSocketSettlement, DataThatDivideByZeroGiveNoCurve)
{
    struct Spoil
    {
        void (*apply)(WeakRockSocketCase&);
        SocketCode code;
    };
    const Spoil spoils[] = {
        {[](WeakRockSocketCase& s) {
             s.socketDiameterTop_ft = 0.0f;
             s.socketDiameterBottom_ft = 0.0f;
         },
         SocketCode::ZeroSocketDiameter},
        {[](WeakRockSocketCase& s) { s.firstDiameter_ft = 0.0f; }, SocketCode::ZeroSocketDiameter},
        {[](WeakRockSocketCase& s) {
             s.rockStrengthTop_psf = 0.0f;
             s.rockStrengthBottom_psf = 0.0f;
         },
         SocketCode::ZeroStrength},
        {[](WeakRockSocketCase& s) {
             s.intactModulusTop_tsf = 0.0f;
             s.intactModulusBottom_tsf = 0.0f;
             s.modulusAverage = {};
         },
         SocketCode::ZeroModulus},
        {[](WeakRockSocketCase& s) { s.concreteModulus_tsf = 0.0f; }, SocketCode::ZeroModulus},
        {[](WeakRockSocketCase& s) {
             s.referenceLength_ft = 20.0f;
             s.hasLayerBelowReference = false;
         },
         SocketCode::ZeroSocketLength},
    };
    for (const Spoil& spoil : spoils) {
        WeakRockSocketCase s = roughSocket();
        spoil.apply(s);
        const WeakRockSocketResult result = weakRockSocketCurve(s);
        EXPECT_EQ(result.curve.code, spoil.code);
        for (std::size_t k = 0; k < kSocketPointCount; ++k) {
            EXPECT_EQ(result.curve.points[k].topLoad_tons, 0.0f);
            EXPECT_EQ(result.curve.upperShaftShortening_in[k], 0.0f);
        }
    }
}
