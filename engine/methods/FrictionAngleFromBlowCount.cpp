#include "engine/methods/FrictionAngleFromBlowCount.h"

#include <array>
#include <cstddef>

namespace korva::methods {
namespace {

struct CurvePoint
{
    float blowCount;
    float angle_deg;
};

// phi (degrees) against N at sigma_a = 0 psi
//   N:   2   4   6  10  15  20
//   phi: 32  34  36  38  42  45
constexpr std::array<CurvePoint, 6> kAngleAt0Psi{{
    {2.0f, 32.0f},
    {4.0f, 34.0f},
    {6.0f, 36.0f},
    {10.0f, 38.0f},
    {15.0f, 42.0f},
    {20.0f, 45.0f},
}};

// phi (degrees) against N at sigma_a = 20 psi
//   N:   6  10  15  20  25  30  35  40  45  50  55
//   phi: 30  32  34  36  37  39  40  41  42  44  45
constexpr std::array<CurvePoint, 11> kAngleAt20Psi{{
    {6.0f, 30.0f},
    {10.0f, 32.0f},
    {15.0f, 34.0f},
    {20.0f, 36.0f},
    {25.0f, 37.0f},
    {30.0f, 39.0f},
    {35.0f, 40.0f},
    {40.0f, 41.0f},
    {45.0f, 42.0f},
    {50.0f, 44.0f},
    {55.0f, 45.0f},
}};

// phi (degrees) against N at sigma_a = 40 psi
//   N:   10  15  20  25  30  35  40  45  50  55  60  65  70  75  80  85  90
//   phi: 31  32  34  35  36  36  37  38  39  39  40  41  42  42  43  44  44
constexpr std::array<CurvePoint, 17> kAngleAt40Psi{{
    {10.0f, 31.0f},
    {15.0f, 32.0f},
    {20.0f, 34.0f},
    {25.0f, 35.0f},
    {30.0f, 36.0f},
    {35.0f, 36.0f},
    {40.0f, 37.0f},
    {45.0f, 38.0f},
    {50.0f, 39.0f},
    {55.0f, 39.0f},
    {60.0f, 40.0f},
    {65.0f, 41.0f},
    {70.0f, 42.0f},
    {75.0f, 42.0f},
    {80.0f, 43.0f},
    {85.0f, 44.0f},
    {90.0f, 44.0f},
}};

// Linear in N between tabulated points; outside the curve its end segment is extended (only
// the 0-psi curve is ever read outside, for N below 2).
template <std::size_t Size>
float angleOnCurve_deg(const std::array<CurvePoint, Size>& curve, float blowCount)
{
    std::size_t upper = 1;
    while (upper + 1 < Size && blowCount > curve[upper].blowCount) {
        ++upper;
    }
    const CurvePoint& a = curve[upper - 1];
    const CurvePoint& b = curve[upper];
    return a.angle_deg +
           (b.angle_deg - a.angle_deg) * (blowCount - a.blowCount) / (b.blowCount - a.blowCount);
}

} // namespace

float frictionAngleFromBlowCount_deg(float blowCount, float sigma_v_psf)
{
    const float n = blowCount > 0.0f ? blowCount : 0.0f;
    // A non-positive stress (at the ground surface) reads the 0-psi curve.
    const float sigmaA_psi = sigma_v_psf > 0.0f ? sigma_v_psf / 144.0f : 0.0f;

    if (!(sigmaA_psi > 20.0f)) {
        if (n < 6.0f) {
            const float phi0 = angleOnCurve_deg(kAngleAt0Psi, n);
            return phi0 - (sigmaA_psi / 20.0f) * (phi0 - 30.0f);
        }
        if (n <= 20.0f) {
            const float phi0 = angleOnCurve_deg(kAngleAt0Psi, n);
            const float phi20 = angleOnCurve_deg(kAngleAt20Psi, n);
            return phi0 - (sigmaA_psi / 20.0f) * (phi0 - phi20);
        }
        if (n <= 55.0f) {
            const float phi20 = angleOnCurve_deg(kAngleAt20Psi, n);
            return phi20 + ((20.0f - sigmaA_psi) / 20.0f) * (45.0f - phi20);
        }
        return 45.0f;
    }
    if (sigmaA_psi < 40.0f) {
        if (n <= 6.0f) {
            return 5.0f * n;
        }
        if (n < 10.0f) {
            return 30.0f + 0.5f * (n - 6.0f);
        }
        if (n <= 55.0f) {
            const float phi20 = angleOnCurve_deg(kAngleAt20Psi, n);
            const float phi40 = angleOnCurve_deg(kAngleAt40Psi, n);
            return phi20 - ((sigmaA_psi - 20.0f) / 20.0f) * (phi20 - phi40);
        }
        if (n <= 90.0f) {
            const float phi40 = angleOnCurve_deg(kAngleAt40Psi, n);
            return phi40 + ((40.0f - sigmaA_psi) / 20.0f) * (45.0f - phi40);
        }
        return 45.0f;
    }
    if (n <= 10.0f) {
        return 3.0f * n;
    }
    if (n <= 90.0f) {
        return angleOnCurve_deg(kAngleAt40Psi, n);
    }
    return 45.0f;
}

} // namespace korva::methods
