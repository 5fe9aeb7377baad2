#pragma once

#include "engine/methods/SocketSettlement.h"
#include "engine/methods/WeakRock.h"

// Load-settlement of a shaft whose tip stands in weak rock (material 6): the cohesive
// intermediate-geomaterial method evaluated at 15 prescribed socket movements, plus the elastic
// shortening of the shaft above the socket. Feet, tons, lb/ft² and tons/ft² inside.
namespace korva::methods {

struct WeakRockSocketCase
{
    float referenceLength_ft = 0.0f; // L: middle of the deepest layer of code 5 or 6 + TOPLENG
    float socketTop_ft = 0.0f;       // zr: top of the first layer of code 6 or 7
    // Socket diameter as entered at the bottom of the first layer of code 6 or 7 whose bottom
    // lies at or below L; hasLayerBelowReference false when there is no such layer.
    bool hasLayerBelowReference = false;
    float socketDiameterAtThatLayerBottom_ft = 0.0f;
    float tipLayerTop_ft = 0.0f;
    float tipLayerBottom_ft = 0.0f;
    // Tip-layer properties at its top and bottom.
    float slumpTop_in = 0.0f;
    float slumpBottom_in = 0.0f;
    float rqdTop_pct = 0.0f;
    float rqdBottom_pct = 0.0f;
    float rockStrengthTop_psf = 0.0f; // qu
    float rockStrengthBottom_psf = 0.0f;
    float interfaceFrictionTop_deg = 0.0f; // phi_rc
    float interfaceFrictionBottom_deg = 0.0f;
    float socketDiameterTop_ft = 0.0f; // as entered (BDS)
    float socketDiameterBottom_ft = 0.0f;
    float intactModulusTop_tsf = 0.0f; // Ei
    float intactModulusBottom_tsf = 0.0f;
    WeakRockInterface interface = WeakRockInterface::RoughClosedJoints;
    float stemDiameter_ft = 0.0f;
    float firstDiameter_ft = 0.0f;
    float concreteModulus_tsf = 0.0f;
    float sideAboveWeakRock_tons = 0.0f;   // Qa: side down to the first weak-rock slice
    float finalSideResistance_tons = 0.0f; // QS of the final row
    IntactModulusAverage modulusAverage;   // the case's running Ei average so far
};

struct WeakRockSocketResult
{
    SocketCurve curve;
    // The running Ei average after the 15 samples of the procedure (the driver clears it after
    // the load-settlement step of the case).
    IntactModulusAverage modulusAverage;
    float socketDiameter_ft = 0.0f; // B
    float socketLength_ft = 0.0f;   // Lu
};

// Prescribed socket movement / socket diameter of point 1..15.
float weakRockMovementFactor(int point);

WeakRockSocketResult weakRockSocketCurve(const WeakRockSocketCase& socket);

} // namespace korva::methods
