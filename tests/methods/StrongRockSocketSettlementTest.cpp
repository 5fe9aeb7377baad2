#include "engine/methods/StrongRockSocketSettlement.h"
#include "engine/output/LoadTransferTexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace korva::methods;

TEST(StrongRockSocketSettlement, ModulusRatioFromRqd)
{
    EXPECT_FLOAT_EQ(rockMassModulusRatio(85.0f), 0.6f);
    EXPECT_FLOAT_EQ(rockMassModulusRatio(100.0f), 1.0f);
    EXPECT_FLOAT_EQ(rockMassModulusRatio(0.0f), 0.1f);
    EXPECT_FLOAT_EQ(rockMassModulusRatio(55.0f), 0.155f);
    EXPECT_FLOAT_EQ(rockMassModulusRatio(120.0f), 1.0f);
    EXPECT_FLOAT_EQ(rockMassModulusRatio(-5.0f), 0.1f);
}

TEST(StrongRockSocketSettlement, InfluenceFactorBetweenChartRows)
{
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(6.0f, 30.0f), 0.3075f);
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(6.0f, 5.0f), 0.375f);
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(6.0f, 10.0f), 0.375f);
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(6.0f, 75.0f), 0.225f);
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(6.0f, 2550.0f), 0.2f);
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(6.0f, 9000.0f), 0.19f);
    // Linear in r between chart points; the last value from r = 20 on.
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(3.0f, 1.0f), (0.44f + 0.395f) / 2.0f);
    EXPECT_FLOAT_EQ(settlementInfluenceFactor(40.0f, 9000.0f), 0.085f);
}

TEST(StrongRockSocketSettlement, SideCurvesAboveTheSocket)
{
    EXPECT_FLOAT_EQ(socketSideRatio(false, 1, 0.0015f), (0.22f + 0.4f) / 2.0f);
    EXPECT_FLOAT_EQ(socketSideRatio(false, 2, 0.004f), 0.78f);
    EXPECT_FLOAT_EQ(socketSideRatio(true, 1, 0.010f), 1.0f);
    EXPECT_FLOAT_EQ(socketSideRatio(true, 3, 0.5f), 0.92f);
    EXPECT_FLOAT_EQ(socketSideRatio(false, 9, 0.001f), 0.22f);
    EXPECT_FLOAT_EQ(socketSideRatio(true, 0, 0.0f), 0.0f);
}

namespace {

// One strong-rock layer from the surface: B = D = 3 ft, Lf 20 ft, Em = Ei = 10000 tsf,
// Ec = 300000 tsf (e = 30), r = 20/3.
struct RockFromSurface
{
    std::vector<SocketLayer> layers{{4, 30.0f, 0.0f, 100.0f, 100.0f, 10000.0f, 10000.0f}};
    StrongRockSocketCase socket;
    RockFromSurface()
    {
        socket.layers = layers;
        socket.finalLength_ft = 20.0f;
        socket.socketDiameterAtTipLayerTop_ft = 3.0f;
        socket.stemDiameter_ft = 3.0f;
        socket.firstDiameter_ft = 3.0f;
        socket.concreteModulus_tsf = 300000.0f;
    }
};

} // namespace

TEST(StrongRockSocketSettlement, SocketLoadReachesItsCapacityAndStays)
{
    RockFromSurface rock;
    const float influence = settlementInfluenceFactor(20.0f / 3.0f, 30.0f);
    // Capacity chosen so that Qsock I / (B² Em) = 0.004.
    const float qsock = 0.004f * 9.0f * 10000.0f / influence;
    rock.socket.finalSideResistance_tons = 0.25f * qsock;
    rock.socket.finalTipResistance_tons = 0.75f * qsock;
    const SocketCurve curve = strongRockSocketCurve(rock.socket);
    ASSERT_EQ(curve.code, SocketCode::Ok);
    for (int k = 1; k <= 15; ++k) {
        SCOPED_TRACE(k);
        const float omegaK = k <= 12 ? 0.00018f * std::pow(1.5f, static_cast<float>(k - 1))
                                     : (k == 13 ? 0.025f : (k == 14 ? 0.05f : 0.1f));
        const float omega = k <= 8 ? omegaK : 0.004f;
        const float p = 9.0f * 10000.0f * omega / influence;
        const float s = p * 20.0f / (0.7854f * 9.0f * 300000.0f) + omega * 3.0f;
        const SocketPoint& point = curve.points[static_cast<std::size_t>(k - 1)];
        EXPECT_NEAR(point.topLoad_tons, p, 1e-4f * p);
        if (k >= 9) {
            EXPECT_NEAR(point.topLoad_tons, qsock, 1e-4f * qsock);
        }
        EXPECT_NEAR(point.topMovement_ft, s, 1e-5f * s);
        // A socket from the surface: nothing above it, all four columns hold (P, s).
        EXPECT_FLOAT_EQ(point.tipLoad_tons, point.topLoad_tons);
        EXPECT_FLOAT_EQ(point.tipMovement_ft, point.topMovement_ft);
    }
    EXPECT_LT(0.00018f * std::pow(1.5f, 7.0f), 0.004f);
    EXPECT_GT(0.00018f * std::pow(1.5f, 8.0f), 0.004f);

    const auto inches = socketReportPoints(curve, 1);
    EXPECT_FLOAT_EQ(inches[4].topMovement, 12.0f * curve.points[4].topMovement_ft);
    EXPECT_FLOAT_EQ(inches[4].topLoad, curve.points[4].topLoad_tons);
    const auto metres = socketReportPoints(curve, 2);
    EXPECT_FLOAT_EQ(metres[4].topMovement, curve.points[4].topMovement_ft / 3.2808f);
    EXPECT_FLOAT_EQ(metres[4].tipLoad, curve.points[4].tipLoad_tons * 8.896f);
}

TEST(StrongRockSocketSettlement, SideAboveTheSocketIsMobilisedWithTheHeadMovement)
{
    // Clay 0-10 ft with 50 tons of side resistance over rock; the socket is 15 ft long.
    const std::vector<SocketLayer> layers = {{2, 10.0f, 50.0f, 0.0f, 0.0f, 0.0f, 0.0f},
                                             {7, 40.0f, 0.0f, 85.0f, 85.0f, 20000.0f, 20000.0f}};
    StrongRockSocketCase socket;
    socket.layers = layers;
    socket.finalLength_ft = 25.0f;
    socket.finalSideResistance_tons = 50.0f + 1000.0f;
    socket.finalTipResistance_tons = 1.0e6f; // never reached
    socket.socketDiameterAtTipLayerTop_ft = 2.5f;
    socket.stemDiameter_ft = 3.0f;
    socket.firstDiameter_ft = 3.0f;
    socket.concreteModulus_tsf = 500000.0f;
    const SocketCurve curve = strongRockSocketCurve(socket);
    ASSERT_EQ(curve.code, SocketCode::Ok);

    // Em = 0.6 Ei; B 2.5 ft, r = 6, e = 500000 / 12000.
    const float em = 0.6f * 20000.0f;
    const float influence = settlementInfluenceFactor(6.0f, 500000.0f / em);
    const float p15 = 6.25f * em * 0.1f / influence;
    const float s15 = p15 * 25.0f / (0.7854f * 6.25f * 500000.0f) + 0.25f;
    const SocketPoint& last = curve.points[14];
    // Head movement far beyond 0.017 ft: the whole 50 tons above the socket are added.
    EXPECT_NEAR(last.topLoad_tons, p15 + 50.0f, 1e-4f * p15);
    EXPECT_NEAR(last.topMovement_ft, s15, 1e-5f * s15);
    // Tip columns: upper-bound propagation through the clay, past the curve's last point
    // (0.92), compressed over 10 ft of the stem under the top load.
    const float stemStiffness = 0.7854f * 9.0f * 500000.0f;
    EXPECT_NEAR(last.tipLoad_tons, p15 + 0.92f * 50.0f, 1e-4f * p15);
    EXPECT_NEAR(last.tipMovement_ft, s15 + (p15 + 46.0f) * 10.0f / stemStiffness, 1e-5f * s15);

    // At the first point the movement is tiny and only a fraction of the side is mobilised.
    const SocketPoint& first = curve.points[0];
    const float p1 = 6.25f * em * 0.00018f / influence;
    EXPECT_GT(first.topLoad_tons, p1);
    EXPECT_LT(first.topLoad_tons, p1 + 50.0f);
    EXPECT_GT(first.tipLoad_tons, p1);
}

TEST(StrongRockSocketSettlement, DataThatDivideByZeroGiveNoCurve)
{
    struct Spoil
    {
        void (*apply)(RockFromSurface&);
        SocketCode code;
    };
    const Spoil spoils[] = {
        {[](RockFromSurface& r) { r.socket.socketDiameterAtTipLayerTop_ft = 0.0f; },
         SocketCode::ZeroSocketDiameter},
        {[](RockFromSurface& r) { r.socket.firstDiameter_ft = 0.0f; },
         SocketCode::ZeroSocketDiameter},
        {[](RockFromSurface& r) {
             r.layers[0].modulusTop_tsf = 0.0f;
             r.layers[0].modulusBottom_tsf = 0.0f;
         },
         SocketCode::ZeroModulus},
        {[](RockFromSurface& r) { r.socket.concreteModulus_tsf = 0.0f; }, SocketCode::ZeroModulus},
        {[](RockFromSurface& r) { r.socket.finalLength_ft = 0.0f; }, SocketCode::ZeroSocketLength},
        {[](RockFromSurface& r) { r.socket.layers = {}; }, SocketCode::ZeroSocketLength},
    };
    for (const Spoil& spoil : spoils) {
        RockFromSurface rock;
        rock.socket.finalSideResistance_tons = 100.0f;
        spoil.apply(rock);
        const SocketCurve curve = strongRockSocketCurve(rock.socket);
        EXPECT_EQ(curve.code, spoil.code);
        EXPECT_FALSE(korva::texts::socketWarningText(curve.code).empty());
        for (const SocketPoint& p : curve.points) {
            EXPECT_EQ(p.topLoad_tons, 0.0f);
            EXPECT_EQ(p.topMovement_ft, 0.0f);
        }
    }
}
