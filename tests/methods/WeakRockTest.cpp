#include <gtest/gtest.h>

#include <cmath>

#include "engine/methods/WeakRock.h"

using namespace korva::methods;

namespace {

// Socket from 20 ft, reference length 30 ft, slice at 25 ft; B = 3 ft; qu = 20830 psf;
// slump 6.89 in; RQD 70; mean Ei 7200 tsf (100 000 lb/in2); Ec 216 000 tsf (3 000 000 lb/in2).
WeakRockInput socketSlice(WeakRockInterface interface)
{
    WeakRockInput input;
    input.depth_ft = 25.0f;
    input.socketTop_ft = 20.0f;
    input.referenceLength_ft = 30.0f;
    input.socketDiameter_ft = 3.0f;
    input.socketDiameterLayerBottom_ft = 3.0f;
    input.stemDiameter_ft = 3.0f;
    input.initialDiameter_ft = 3.0f;
    input.rockStrength_psf = 20830.0f;
    input.interface = interface;
    input.slump_in = 6.89f;
    input.interfaceFrictionAngle_deg = 30.0f;
    input.rqd_percent = 70.0f;
    input.averageIntactModulus_tsf = 7200.0f;
    input.concreteModulus_tsf = 216000.0f;
    input.shaftBaseArea_ft2 = 7.0686f;
    return input;
}

void expectRelative(float actual, double expected, double tolerance = 2e-5)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance + 1e-9);
}

} // namespace

TEST(WeakRock, RoughInterfaceHandCalculation)
{
    // zc = 25 ft, M = 0.96 - 0.21 x 11.88/13.13 = 0.76999, sigma_n = 2887.47 psf;
    // fa = 0.5 qu x 0.88 (Em/Ei 0.7) = 9165.2 psf; Em = 5040 tsf; n = sigma_n/qu = 0.13862;
    // u = sqrt(5/3); g = log10(216000/5040); Omega = 1.00799, Gamma = 0.53643,
    // Theta = 19.7347, Kf = 0.96373, s = Kf fa = 8832.79 psf.
    // Tip: q = 163 654 psf > 2.5 qu, so Qb = 0.7854 x 9 x 52075 / 2000 = 184.05 tons.
    const WeakRockResult r = weakRock(socketSlice(WeakRockInterface::RoughClosedJoints));
    expectRelative(r.normalStress_psf, 2887.4714);
    expectRelative(r.apparentSide_psf, 9165.2);
    expectRelative(r.rockMassModulus_tsf, 5040.0);
    expectRelative(r.n, 0.13862081);
    expectRelative(r.kf, 0.96373092, 1e-4);
    expectRelative(r.side.interfaceStrength_psf, 8832.7867, 1e-4);
    expectRelative(r.side.unitSide_tsf, 4.4163933, 1e-4);
    expectRelative(r.tip.tip_tons, 184.04867);
    expectRelative(r.modulusRatio, 42.857143);
    EXPECT_FALSE(r.warnings.any());
}

TEST(WeakRock, SmoothInterfaceUsesAlphaAndFriction)
{
    // sigma_n/pa = 1.3648 at qu = 20830: alpha = 0.145 + 0.09 x 0.3648 = 0.17783; with
    // phi_rc = 30 deg alpha stays as it is: fa = 0.17783 x 20830 x 0.88 = 3259.69 psf = s.
    const WeakRockResult r = weakRock(socketSlice(WeakRockInterface::SmoothClosedJoints));
    expectRelative(r.alpha, 0.17783047);
    expectRelative(r.side.interfaceStrength_psf, 3259.6946);
    expectRelative(r.side.unitSide_tsf, 1.6298473);
    // E'/sigma_n = 3491, beyond the last column: n from the 3000 column.
    expectRelative(r.n, 0.31385882);
    expectRelative(r.tip.tip_tons, 184.04867);
}

TEST(WeakRock, OpenJointsSoftRockTipFromModulus)
{
    // Rough, open joints, RQD 40, soft rock: Em = 300 x 0.0833 = 25 tsf, Ec/Em = 8640.
    WeakRockInput input = socketSlice(WeakRockInterface::RoughOpenJoints);
    input.depth_ft = 28.0f;
    input.rockStrength_psf = 83320.0f;
    input.slump_in = 8.0f;
    input.interfaceFrictionAngle_deg = 35.0f;
    input.rqd_percent = 40.0f;
    input.averageIntactModulus_tsf = 300.0f;
    const WeakRockResult r = weakRock(input);
    expectRelative(r.rockMassModulus_tsf, 25.0);
    expectRelative(r.kf, 0.049798026, 1e-4);
    expectRelative(r.side.interfaceStrength_psf, 1071.8693, 1e-4);
    expectRelative(r.tip.unitTip_tsf, 1249.6036 / 2000.0, 1e-4);
    expectRelative(r.tip.tip_tons, 4.4164741, 1e-4);
    EXPECT_TRUE(r.warnings.has(MethodWarning::WeakRockModulusRatio));
    expectRelative(r.modulusRatio, 8640.0);
}

TEST(WeakRock, SmoothOpenJointsShortSocketLargerStem)
{
    // D = 4 ft, DSTART 3 ft: B = 5.333 ft, Ls/B = 1.875 <= 2.
    WeakRockInput input = socketSlice(WeakRockInterface::SmoothOpenJoints);
    input.depth_ft = 28.0f;
    input.socketDiameter_ft = 4.0f;
    input.stemDiameter_ft = 4.0f;
    input.rockStrength_psf = 62490.0f;
    input.slump_in = 5.5f;
    input.interfaceFrictionAngle_deg = 35.0f;
    input.rqd_percent = 85.0f;
    input.averageIntactModulus_tsf = 3000.0f;
    const WeakRockResult r = weakRock(input);
    expectRelative(r.alpha, 0.085);
    expectRelative(r.side.interfaceStrength_psf, 4992.4918);
    expectRelative(r.n, 0.22161310);
    expectRelative(r.tip.tip_tons, 512.62252, 1e-4);
    expectRelative(r.socketLengthRatio, 1.875);
    expectRelative(r.extendedSocketLengthRatio, 3.375);
    EXPECT_TRUE(r.warnings.has(MethodWarning::WeakRockSocketTooShort));
    EXPECT_FALSE(r.warnings.has(MethodWarning::WeakRockSocketTooLong));
}

TEST(WeakRock, SocketLengthAndDiameterWarnings)
{
    WeakRockInput input = socketSlice(WeakRockInterface::RoughClosedJoints);
    input.referenceLength_ft = 80.0f; // (60 + 6)/3 = 22 > 20
    const WeakRockResult tooLong = weakRock(input);
    EXPECT_TRUE(tooLong.warnings.has(MethodWarning::WeakRockSocketTooLong));
    expectRelative(tooLong.extendedSocketLengthRatio, 22.0);

    input = socketSlice(WeakRockInterface::RoughClosedJoints);
    input.socketDiameter_ft = 1.5f;
    const WeakRockResult small = weakRock(input);
    EXPECT_TRUE(small.warnings.has(MethodWarning::WeakRockSmallDiameter));
    expectRelative(small.socketDiameter_ft, 1.5);
}

TEST(WeakRock, TableReadings)
{
    // Smooth n beyond E'/sigma_n = 3000 reads the 3000 column.
    EXPECT_FLOAT_EQ(smoothInterfaceN(3000.0f, 14.0f), 0.24f);
    EXPECT_FLOAT_EQ(smoothInterfaceN(50000.0f, 14.0f), 0.24f);
    EXPECT_FLOAT_EQ(smoothInterfaceN(1.0e9f, 5.0f), 0.4f);
    EXPECT_FLOAT_EQ(smoothInterfaceN(100.0f, 1.0f), 0.5f);
    EXPECT_NEAR(smoothInterfaceN(1250.0f, 26.0f),
                0.5f * (0.5f * (0.29f + 0.255f) + 0.5f * (0.26f + 0.22f)), 1e-6f);
    // alpha: first and last columns and rows hold outside the table.
    EXPECT_FLOAT_EQ(weakRockAlpha(0.5f, 10415.0f), 0.2f);
    EXPECT_FLOAT_EQ(weakRockAlpha(9.0f, 200000.0f), 0.156f);
    EXPECT_NEAR(weakRockAlpha(2.5f, 15622.5f),
                0.5f * (0.5f * (0.34f + 0.235f) + 0.5f * (0.45f + 0.3f)), 1e-6f);
    // Concrete pressure factor.
    EXPECT_FLOAT_EQ(concretePressureFactor(4.0f, 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(concretePressureFactor(5.0f, 50.0f), 0.35f);
    EXPECT_FLOAT_EQ(concretePressureFactor(10.0f, 39.37f), 0.9f);
    // Rock mass.
    EXPECT_FLOAT_EQ(massModulusRatio(10.0f, false), 0.05f);
    EXPECT_NEAR(massModulusRatio(60.0f, false), 0.425f, 1e-6f);
    EXPECT_NEAR(massModulusRatio(60.0f, true), 0.2f, 1e-6f);
    EXPECT_FLOAT_EQ(massModulusRatio(120.0f, true), 0.6f);
    EXPECT_FLOAT_EQ(apparentSideReduction(0.01f), 0.3f);
    EXPECT_NEAR(apparentSideReduction(0.7f), 0.88f, 1e-6f);
}

TEST(WeakRock, ZeroInputsGiveFiniteResultsAndFlags)
{
    struct Case
    {
        const char* name;
        void (*spoil)(WeakRockInput&);
        MethodWarning expected;
    };
    const Case cases[] = {
        {"socket diameter", [](WeakRockInput& in) { in.socketDiameter_ft = 0.0f; },
         MethodWarning::ZeroSocketDiameter},
        {"rock strength", [](WeakRockInput& in) { in.rockStrength_psf = 0.0f; },
         MethodWarning::ZeroRockStrength},
        {"rock modulus", [](WeakRockInput& in) { in.averageIntactModulus_tsf = 0.0f; },
         MethodWarning::ZeroRockModulus},
        {"concrete modulus", [](WeakRockInput& in) { in.concreteModulus_tsf = 0.0f; },
         MethodWarning::ZeroRockModulus},
        {"initial diameter", [](WeakRockInput& in) { in.initialDiameter_ft = 0.0f; },
         MethodWarning::ZeroInitialDiameter},
        // A very long socket in soft rock takes the tip influence factor out of its range.
        {"long socket",
         [](WeakRockInput& in) {
             in.depth_ft = 200.0f;
             in.socketDiameterLayerBottom_ft = 0.0f;
             in.averageIntactModulus_tsf = 2000.0f;
             in.concreteModulus_tsf = 2000.0f;
         },
         MethodWarning::WeakRockFactorsOutOfRange},
    };
    for (WeakRockInterface interface :
         {WeakRockInterface::RoughClosedJoints, WeakRockInterface::SmoothOpenJoints}) {
        for (const Case& c : cases) {
            WeakRockInput input = socketSlice(interface);
            c.spoil(input);
            const WeakRockResult r = weakRock(input);
            EXPECT_TRUE(std::isfinite(r.side.unitSide_tsf)) << c.name;
            EXPECT_TRUE(std::isfinite(r.tip.tip_tons)) << c.name;
            EXPECT_GE(r.side.unitSide_tsf, 0.0f) << c.name;
            EXPECT_GE(r.tip.tip_tons, 0.0f) << c.name;
            EXPECT_TRUE(r.warnings.has(c.expected)) << c.name;
        }
    }
}

TEST(WeakRock, SocketLengthAtLeastOneFoot)
{
    WeakRockInput input = socketSlice(WeakRockInterface::RoughClosedJoints);
    input.depth_ft = 20.0f;
    input.socketDiameterLayerBottom_ft = 0.0f;
    EXPECT_FLOAT_EQ(weakRock(input).socketLength_ft, 1.0f);
}

TEST(IntactModulusAverage, RunningMean)
{
    IntactModulusAverage average;
    EXPECT_EQ(average.mean_tsf(), 0.0f);
    average.add(100.0f);
    average.add(300.0f);
    EXPECT_FLOAT_EQ(average.mean_tsf(), 200.0f);
    average.clear();
    EXPECT_EQ(average.count, 0);
}
