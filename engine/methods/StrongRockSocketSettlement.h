#pragma once
#include <array>
#include <span>

#include "engine/methods/SocketSettlement.h"

// Load-settlement of a shaft socketed into strong rock (tip material 4 or 7): elastic settlement
// of the socket from a chart of influence factors, plus the side resistance of the layers above
// the socket mobilised with the head movement. Feet, tons and tons/ft² throughout.
namespace korva::methods {

// Rock mass modulus / intact modulus against RQD.
// RQD %:  0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100
inline constexpr std::array<float, 12> kStrongRockRqd_pct = {0,  10, 20, 30, 40, 50,
                                                             60, 70, 80, 90, 95, 100};
inline constexpr std::array<float, 12> kStrongRockModulusRatio = {
    0.1f, 0.105f, 0.11f, 0.12f, 0.13f, 0.14f, 0.17f, 0.2f, 0.47f, 0.73f, 0.85f, 1.0f};

// Settlement influence factor I against socket length / diameter r, four rows by the modulus
// ratio Ec/Em (row A below 10, row D from 5000 on).
// r:      0, 1, 2, 4, 5, 6, 8, 10, 12, 20
inline constexpr std::array<float, 10> kInfluenceSlenderness = {0, 1, 2, 4, 5, 6, 8, 10, 12, 20};
inline constexpr std::array<std::array<float, 10>, 4> kInfluenceFactor = {{
    {1.1f, 0.5f, 0.44f, 0.395f, 0.385f, 0.375f, 0.373f, 0.37f, 0.367f, 0.365f}, // A
    {1.1f, 0.45f, 0.35f, 0.28f, 0.26f, 0.24f, 0.23f, 0.215f, 0.205f, 0.2f},     // B
    {1.1f, 0.43f, 0.34f, 0.255f, 0.235f, 0.21f, 0.19f, 0.18f, 0.16f, 0.155f},   // C
    {1.1f, 0.4f, 0.33f, 0.23f, 0.21f, 0.19f, 0.16f, 0.13f, 0.11f, 0.085f},      // D
}};

// Side-transfer ratio against movement / stem diameter at 0, 0.001, ..., 0.020 (beyond: the
// last value), for the layers above the socket.
inline constexpr int kSocketSideCurvePoints = 21;
// Rows: lower bound cohesionless, lower bound cohesive, upper bound cohesionless, upper bound
// cohesive; columns: movement / diameter 0 to 0.020 in steps of 0.001.
inline constexpr std::array<std::array<float, kSocketSideCurvePoints>, 4> kSocketSideRatio = {{
    {0,     0.22f, 0.4f,  0.54f, 0.67f, 0.74f, 0.82f, 0.87f, 0.9f, 0.92f, 0.93f,
     0.93f, 0.93f, 0.93f, 0.92f, 0.92f, 0.92f, 0.91f, 0.91f, 0.9f, 0.9f},
    {0,     0.29f, 0.52f, 0.7f,  0.78f, 0.84f, 0.87f, 0.89f, 0.89f, 0.88f, 0.87f,
     0.86f, 0.85f, 0.84f, 0.83f, 0.82f, 0.8f,  0.78f, 0.77f, 0.76f, 0.75f},
    {0,    0.45f, 0.76f, 0.9f, 0.95f, 0.98f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
     1.0f, 1.0f,  1.0f,  1.0f, 1.0f,  1.0f,  1.0f, 1.0f, 1.0f, 1.0f},
    {0,    0.74f, 0.92f, 0.97f, 1.0f,  1.01f, 1.02f, 1.02f, 1.02f, 1.01f, 1.01f,
     1.0f, 1.0f,  0.99f, 0.98f, 0.97f, 0.96f, 0.95f, 0.94f, 0.93f, 0.92f},
}};

// A layer from the top of the profile down to the tip layer, with what the depth walk left.
struct SocketLayer
{
    int materialCode = 0;
    float bottom_ft = 0.0f;                   // rounded bottom depth of the walk
    float sideResistanceToBottom_tons = 0.0f; // QS accumulated down to the layer bottom
    float rqdTop_pct = 0.0f;
    float rqdBottom_pct = 0.0f;
    float modulusTop_tsf = 0.0f; // intact rock modulus
    float modulusBottom_tsf = 0.0f;
};

struct StrongRockSocketCase
{
    std::span<const SocketLayer> layers; // layers 1..t, the last one holds the tip
    float finalLength_ft = 0.0f;
    float finalSideResistance_tons = 0.0f; // QS of the final row
    float finalTipResistance_tons = 0.0f;  // QB of the final row
    float socketDiameterAtTipLayerTop_ft = 0.0f;
    float stemDiameter_ft = 0.0f;
    float firstDiameter_ft = 0.0f; // first diameter of the series: socket diameters scale with it
    float concreteModulus_tsf = 0.0f;
};

// Em / Ei at an RQD (0 and 100 % hold the ends).
float rockMassModulusRatio(float rqd_pct);

// Influence factor I at r = socket length / diameter and e = Ec / Em.
float settlementInfluenceFactor(float lengthToDiameter, float concreteToRockModulus);

// Side-transfer ratio of a layer above the socket at movement / stem diameter.
float socketSideRatio(bool upperBound, int materialCode, float normalizedMovement);

// Load and movement carried from the socket top to the head through the layers above it.
struct PropagatedLoad
{
    float load_tons = 0.0f;
    float movement_ft = 0.0f;
};
PropagatedLoad propagateThroughLayersAbove(std::span<const SocketLayer> layersAbove,
                                           bool upperBound, float socketTopLoad_tons,
                                           float socketTopMovement_ft, float stemDiameter_ft,
                                           float concreteModulus_tsf);

SocketCurve strongRockSocketCurve(const StrongRockSocketCase& socket);

} // namespace korva::methods
