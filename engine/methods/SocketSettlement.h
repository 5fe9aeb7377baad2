#pragma once
#include <array>
#include <string_view>

#include "engine/methods/LoadSettlementSolution.h"

// What the three socket load-settlement procedures share: the 15-point curve, its conversion
// to the report's units, and the codes for data on which a closed-form solution has no
// finite value.
namespace korva::methods {

inline constexpr int kSocketPointCount = 15;

enum class SocketCode : int {
    Ok = 0,
    ZeroSocketDiameter, // socket, stem or first diameter not positive
    ZeroSocketLength,   // no socket length to average over or to divide by
    ZeroModulus,        // rock, geomaterial or concrete modulus not positive
    ZeroStrength,       // rock strength, blow count or effective stress not positive
    OutOfRange,         // a chart or closed-form factor has no finite value for the data
};

// A socket curve point in the procedures' own units: tons and feet.
struct SocketPoint
{
    float topLoad_tons = 0.0f;
    float topMovement_ft = 0.0f;
    float tipLoad_tons = 0.0f;
    float tipMovement_ft = 0.0f;
};

struct SocketCurve
{
    SocketCode code = SocketCode::Ok;
    std::array<SocketPoint, kSocketPointCount> points{}; // all zero unless code is Ok
    // Elastic shortening (in) of the shaft above the socket at each point, added to the top
    // movement in the report's units (weak rock only; zero otherwise).
    std::array<float, kSocketPointCount> upperShaftShortening_in{};
};

// A point in the report's units: tons and inches (unitSystem 1) or kN and m (2), movements
// including the upper-shaft shortening.
SettlementPoint socketReportPoint(const SocketCurve& curve, int index, int unitSystem);
std::array<SettlementPoint, kSocketPointCount> socketReportPoints(const SocketCurve& curve,
                                                                  int unitSystem);

} // namespace korva::methods
