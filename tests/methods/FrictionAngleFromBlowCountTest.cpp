#include <gtest/gtest.h>

#include "engine/methods/FrictionAngleFromBlowCount.h"

using namespace korva::methods;

namespace {

struct AngleCase
{
    float sigmaA_psi;
    float blowCount;
    float expected_deg;
};

// Cases read off the three curves by hand, one or more per range of the rule.
constexpr AngleCase kCases[] = {
    {0.0f, 10.0f, 38.0f},  // on the 0-psi curve
    {10.0f, 3.0f, 31.5f},  // N < 6: 33 - 0.5 (33 - 30)
    {10.0f, 10.0f, 35.0f}, // 6..20: 38 - 0.5 (38 - 32)
    {10.0f, 30.0f, 42.0f}, // 20..55: 39 + 0.5 (45 - 39)
    {10.0f, 90.0f, 45.0f}, // above 55
    {20.0f, 6.0f, 30.0f},  // on the 20-psi curve
    {30.0f, 5.0f, 25.0f},  // 5 N
    {30.0f, 8.0f, 31.0f},  // 30 + 0.5 (N - 6)
    {30.0f, 30.0f, 37.5f}, // 39 - 0.5 (39 - 36)
    {30.0f, 70.0f, 43.5f}, // 42 + 0.5 (45 - 42)
    {30.0f, 95.0f, 45.0f},
    {40.0f, 5.0f, 15.0f},  // 3 N
    {50.0f, 12.0f, 31.4f}, // on the 40-psi curve between 10 and 15
    {50.0f, 90.0f, 44.0f},
    {50.0f, 95.0f, 45.0f}, // beyond the curves at high stress
    {60.0f, 500.0f, 45.0f},
    {0.0f, 1.0f, 31.0f}, // below N = 2 the first segment of the 0-psi curve is extended
};

} // namespace

TEST(FrictionAngleFromBlowCount, RangesOfTheThreeCurves)
{
    for (const AngleCase& c : kCases) {
        EXPECT_NEAR(frictionAngleFromBlowCount_deg(c.blowCount, c.sigmaA_psi * 144.0f),
                    c.expected_deg, 1e-4f)
            << "sigma_a " << c.sigmaA_psi << " psi, N " << c.blowCount;
    }
}

TEST(FrictionAngleFromBlowCount, ContinuousAcrossTheStressBoundaries)
{
    for (float n : {8.0f, 15.0f, 20.0f, 40.0f, 55.0f}) {
        EXPECT_NEAR(frictionAngleFromBlowCount_deg(n, 20.0f * 144.0f),
                    frictionAngleFromBlowCount_deg(n, 20.001f * 144.0f), 0.01f)
            << "N " << n;
    }
}

TEST(FrictionAngleFromBlowCount, NonPositiveInputsStayFinite)
{
    EXPECT_NEAR(frictionAngleFromBlowCount_deg(10.0f, -500.0f), 38.0f, 1e-4f);
    EXPECT_EQ(frictionAngleFromBlowCount_deg(-5.0f, 6000.0f), 0.0f);
}
